// Resource identifiers of the day-list pages, their context menus and the
// entry editor, shared by the templates and the code. The entry controls
// have the same identifiers on the pages and in the editor, so one piece
// of code moves values between them and EntryControls.
#pragma once

// A day-list page.
#define IDD_DAY_LIST_PAGE 900
#define IDC_DAY_LIST_LABEL 901
#define IDC_DAY_LIST 902
#define IDC_DAY_LIST_ADD 903     // "リストに追加"
#define IDC_DAY_LIST_DELETE 904  // "リストから削除"
#define IDC_DAY_LIST_LOAD 905    // "リストを読み込む"
#define IDC_DAY_LIST_SAVE 906    // "リストをファイルに保存"

// The entry controls.
#define IDC_ENTRY_YEAR_CHECK 910
#define IDC_ENTRY_YEAR 911
#define IDC_ENTRY_YEAR_SPIN 912
#define IDC_ENTRY_YEAR_LABEL 913
#define IDC_ENTRY_YEAR_MODE 914
#define IDC_ENTRY_DATE_FORM 915
#define IDC_ENTRY_MONTH 916
#define IDC_ENTRY_MONTH_SPIN 917
#define IDC_ENTRY_MONTH_LABEL 918
#define IDC_ENTRY_DAY 919
#define IDC_ENTRY_DAY_SPIN 920
#define IDC_ENTRY_DAY_LABEL 921
#define IDC_ENTRY_WEEK_FORM 922
#define IDC_ENTRY_WEEK_MONTH 923
#define IDC_ENTRY_WEEK_MONTH_SPIN 924
#define IDC_ENTRY_WEEK_MONTH_LABEL 925
#define IDC_ENTRY_WEEK_NUMBER 926
#define IDC_ENTRY_WEEK_NUMBER_SPIN 927
#define IDC_ENTRY_WEEKDAY 928
#define IDC_ENTRY_WEEKDAY_LABEL 929
#define IDC_ENTRY_CONTENT_LABEL 930
#define IDC_ENTRY_CONTENT 931

// The entry editor, TfrmEdit; its buttons are IDOK and IDCANCEL.
#define IDD_ENTRY_EDITOR 950

// The context menus: PopupMenu2 of the scheduled-day and special-day
// lists, PopupMenu1 of the holiday list.
#define IDR_DAY_LIST_MENU 960
#define IDR_HOLIDAY_LIST_MENU 961
#define IDM_LIST_EDIT 962         // popEdit, E1
#define IDM_LIST_UP 963           // K6, K4
#define IDM_LIST_DOWN 964         // K7, K5
#define IDM_LIST_OPEN 965         // mnuOpen, mnuOpen2
#define IDM_LIST_SAVE 966         // mnuSave, mnuSave2
#define IDM_LIST_IMPORT 967       // N5
#define IDM_LIST_DELETE 968       // K8, K2
#define IDM_LIST_DELETE_ALL 969   // K9, K3
#define IDM_LIST_RESET 970        // K1
#define IDM_LIST_AUTO_EQUINOX 971 // popJulius
