#pragma once
// The About box's and the credits box's templates and controls. Their Close buttons are IDCANCEL,
// so that Esc closes them too.
#define IDD_ABOUT 800
#define IDC_ABOUT_PICTURE 801
#define IDC_ABOUT_NAME 802
#define IDC_ABOUT_AUTHOR 803
#define IDC_ABOUT_MAIL 804
#define IDC_ABOUT_HOME 805
#define IDC_ABOUT_ARROW 806
#define IDC_ABOUT_THANKS 807
#define IDC_ABOUT_LEGAL 808

#define IDD_CREDITS 850
#define IDC_CREDITS_PARTS_HEADING 851  // in place of the folder-tree control Quillet does not use
#define IDC_CREDITS_PARTS_TEXT 852
#define IDC_CREDITS_PARTS_AUTHOR 853
#define IDC_CREDITS_PARTS_VERSION 854
#define IDC_CREDITS_PARTS_LEGAL 855
#define IDC_CREDITS_PARTS_LINK 856
#define IDC_CREDITS_ICONS_HEADING 857
#define IDC_CREDITS_ICONS_TEXT 858
#define IDC_CREDITS_ICONS_ARTIST 859
#define IDC_CREDITS_ICONS_FREE 860
#define IDC_CREDITS_ICONS_PAGE 861
#define IDC_CREDITS_ICONS_MAIL 862
