// Resource identifiers of the day-list page, shared by its template and
// its code.
#pragma once

#define IDD_DAY_LIST_PAGE 900
#define IDC_DAY_LIST_LABEL 901
#define IDC_DAY_LIST 902
