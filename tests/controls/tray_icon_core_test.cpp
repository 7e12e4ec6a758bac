// The window-free parts of the notification-area icon.
#include "controls/tray_icon_core.h"

#include <gtest/gtest.h>

#include "common/cp932.h"

namespace zenka {
namespace {

TEST(TrayTipText, KeepsSixtyTwoCodePage932BytesWithoutSplittingACharacter) {
    const std::string ascii(70, 'a');
    EXPECT_EQ(TrayTipText(ascii), std::string(62, 'a'));
    EXPECT_EQ(TrayTipText("short"), "short");
    EXPECT_EQ(TrayTipText(""), "");

    // 31 kanji are 62 bytes; the 32nd goes.
    std::string kanji;
    for (int i = 0; i < 32; ++i) kanji += "日";
    EXPECT_EQ(Utf8ToCp932(TrayTipText(kanji)).size(), 62u);

    // One byte in front: 30 kanji fit, the 31st would need bytes 62 and 63
    // and is left out whole.
    const std::string tip = TrayTipText("x" + kanji);
    EXPECT_EQ(Utf8ToCp932(tip).size(), 61u);
    EXPECT_EQ(tip.substr(tip.size() - 3), "日");

    // Half-width katakana are one byte each in code page 932.
    std::string kana;
    for (int i = 0; i < 70; ++i) kana += "ｶ";
    EXPECT_EQ(Utf8ToCp932(TrayTipText(kana)).size(), 62u);

    const std::string real = "令和8年(2026年)1月1日(木)大安 元旦,初詣,書き初め,家族で新年会,年賀状の整理";
    EXPECT_LE(Utf8ToCp932(TrayTipText(real)).size(), 62u);
    EXPECT_EQ(real.rfind(TrayTipText(real), 0), 0u) << "a prefix of the text";
}

TEST(TrayInstanceList, IdentifiersFollowTheLastInstance) {
    int a, b, c, d;
    TrayInstanceList<int> list;
    EXPECT_EQ(list.Add(&a), 1);
    EXPECT_EQ(list.Add(&b), 2);
    EXPECT_EQ(list.Add(&c), 3);
    list.Remove(&b);
    EXPECT_EQ(list.Find(2), nullptr);
    EXPECT_EQ(list.Find(3), &c);
    EXPECT_EQ(list.Add(&d), 4);
    list.Remove(&d);
    list.Remove(&c);
    EXPECT_EQ(list.Add(&d), 2) << "one more than the last one left";
    list.Remove(&a);
    list.Remove(&d);
    EXPECT_TRUE(list.Empty());
    EXPECT_EQ(list.Add(&a), 1);
}

TEST(ClickDetector, ASingleClickWaitsAndADoubleClickCancelsIt) {
    ClickDetector single;
    EXPECT_TRUE(single.Release(true)) << "the delay starts";
    EXPECT_TRUE(single.DelayElapsed(true)) << "no double click came: a click";
    EXPECT_FALSE(single.Pending());

    // down, up, double click, up: the delay of the first release finds the
    // flag cleared by the second.
    ClickDetector twice;
    EXPECT_TRUE(twice.Release(true));
    twice.DoubleClick();
    EXPECT_FALSE(twice.Release(true)) << "the release of a double click starts nothing";
    EXPECT_FALSE(twice.DelayElapsed(true));

    // The handler removed while waiting: no click.
    ClickDetector removed;
    EXPECT_TRUE(removed.Release(true));
    EXPECT_FALSE(removed.DelayElapsed(false));

    // Nobody listening: no delay, and a double click leaves nothing behind.
    ClickDetector deaf;
    deaf.DoubleClick();
    EXPECT_FALSE(deaf.Release(false));
    EXPECT_FALSE(deaf.Pending());
    EXPECT_TRUE(deaf.Release(true)) << "the next click is a click again";
}

// Runs a script of steps on one icon's shell state, answering each call
// the shell gets with the next answer given ('y' accepts, 'n' refuses), and
// tells the calls made: "+" add, "~" modify, "-" delete, "." none.
std::string RunShellScript(const std::string& steps, const std::string& answers) {
    TrayShellState state;
    std::string calls;
    size_t answer = 0;
    for (char step : steps) {
        TrayShellCall call = TrayShellCall::None;
        switch (step) {
            case 'S': call = state.Show(); break;
            case 'H': call = state.Hide(); break;
            case 'C': call = state.Change(); break;
            case 'R': call = state.ShellRestarted(); break;
        }
        switch (call) {
            case TrayShellCall::None: calls += '.'; continue;
            case TrayShellCall::Add: calls += '+'; break;
            case TrayShellCall::Modify: calls += '~'; break;
            case TrayShellCall::Delete: calls += '-'; break;
        }
        state.Answered(call, answer < answers.size() ? answers[answer++] == 'y' : true);
    }
    return calls;
}

TEST(TrayShellState, AnIconTheShellRefusedIsAddedAgainAtTheNextChange) {
    // Steps: S show, H hide, C change (tooltip or image), R the shell restarted.
    const struct {
        const char* steps;
        const char* answers;
        const char* calls;
    } cases[] = {
        {"SCCH", "", "+~~-"},              // accepted: added once, then modified, then deleted
        {"SCC", "n", "++~"},               // refused at log-on: the next change adds it
        {"SCCC", "nny", "+++~"},           // refused twice: every change tries until the shell has it
        {"SSC", "n", "+.+"},               // showing a shown icon asks nothing, even a missing one
        {"SH", "n", "+."},                 // a missing icon is not deleted
        {"SCH", "yn", "+~."},              // a change refused: the shell lost the icon
        {"SCHC", "yn", "+~.."},            // hidden icons do not come back by a change
        {"C", "", "."},                    // never shown: nothing
        {"SRC", "", "++~"},                // the shell restarted knows no icon: added again
        {"SHR", "", "+-."},                // a hidden icon stays away after a restart
        {"SRC", "yn", "+++"},              // refused after a restart: the next change adds it
    };
    for (const auto& c : cases) {
        EXPECT_EQ(RunShellScript(c.steps, c.answers), c.calls) << c.steps << " answered " << c.answers;
    }
}

TEST(TrayIdentityChoice, AnIconRefusedByItsGuidIsAddedByWindowAndNumberFromThenOn) {
    // Calls: +add ~modify -delete; G by GUID, W by window and number; the
    // shell's answers in order, y or n (y when none is left).
    const struct {
        bool hasGuid;
        const char* calls;
        const char* answers;
        const char* made;
        const char* taken;  // what each call answered, y or n
    } cases[] = {
        {true, "+~-", "", "+G ~G -G", "yyy"},          // the shell takes the GUID
        {true, "+~-+", "ny", "+G +W ~W -W +W", "yyyy"},  // refused by GUID: window and number for good
        {true, "++", "nn", "+G +W +G", "ny"},            // refused both ways: the GUID again next time
        {true, "~", "n", "~G", "n"},                    // only an add falls back
        {false, "+~-", "", "+W ~W -W", "yyy"},          // no GUID: window and number
        {false, "+", "n", "+W", "n"},
    };
    for (const auto& c : cases) {
        TrayIdentityChoice choice;
        choice.SetHasGuid(c.hasGuid);
        std::string made, taken;
        size_t answer = 0;
        const auto send = [&](TrayShellCall call, TrayIdentity identity) {
            if (!made.empty()) made += ' ';
            made += call == TrayShellCall::Add ? '+' : call == TrayShellCall::Modify ? '~' : '-';
            made += identity == TrayIdentity::Guid ? 'G' : 'W';
            return answer < std::string(c.answers).size() ? c.answers[answer++] == 'y' : true;
        };
        for (const char* step = c.calls; *step; ++step) {
            const TrayShellCall call = *step == '+'   ? TrayShellCall::Add
                                       : *step == '~' ? TrayShellCall::Modify
                                                      : TrayShellCall::Delete;
            taken += choice.Call(call, send) ? 'y' : 'n';
        }
        EXPECT_EQ(made, c.made) << c.calls << " answered " << c.answers;
        EXPECT_EQ(taken, c.taken) << c.calls << " answered " << c.answers;
    }
    TrayIdentityChoice none;
    EXPECT_FALSE(none.Call(TrayShellCall::None, [](TrayShellCall, TrayIdentity) {
        ADD_FAILURE() << "no call";
        return true;
    }));
}

}  // namespace
}  // namespace zenka
