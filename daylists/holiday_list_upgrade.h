// A holiday list that is an earlier version's default, kept unchanged by
// its user, becomes the current default at start-up: the holidays then
// stay right as the law changes and as the list learns older years. A list
// a user changed in any way is the user's own and stays as it is.
#pragma once

#include <string>
#include <vector>

#include "common/key_store.h"

namespace zenka {

// The default holiday lists of earlier versions, line for line: the 17 lines
// of the first layout and the 78 lines exact from 1989.
const std::vector<std::vector<std::string>>& EarlierDefaultHolidayLists();

// When the loaded holiday lines equal an earlier default list exactly, they
// become the current default lines, which are saved to the store as a
// whole: should the save stop anywhere, the stored list is the earlier
// default or the current one, never a mix, and a later start upgrades what
// is still the earlier one. Returns true when the lines were replaced, saved
// or not; a list that failed to save is saved again with the others.
bool UpgradeEarlierDefaultHolidayList(KeyStore& keys, std::vector<std::string>& holidayLines);

}  // namespace zenka
