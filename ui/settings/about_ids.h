#pragma once
// The About box's and the credits box's templates and controls. Their Close buttons are IDCANCEL,
// so that Esc closes them too.
#define IDD_ABOUT 600
#define IDC_ABOUT_PICTURE 601
#define IDC_ABOUT_NAME 602
#define IDC_ABOUT_AUTHOR 603
#define IDC_ABOUT_MAIL 604
#define IDC_ABOUT_HOME 605
#define IDC_ABOUT_ARROW 606
#define IDC_ABOUT_THANKS 607
#define IDC_ABOUT_LEGAL 608

#define IDD_CREDITS 650
#define IDC_CREDITS_PARTS_HEADING 651   // in place of the folder-tree control Quillet does not use
#define IDC_CREDITS_PARTS_TEXT 652
#define IDC_CREDITS_PARTS_AUTHOR 653
#define IDC_CREDITS_PARTS_VERSION 654
#define IDC_CREDITS_PARTS_LEGAL 655
#define IDC_CREDITS_PARTS_LINK 656
#define IDC_CREDITS_ICONS_HEADING 657
#define IDC_CREDITS_ICONS_TEXT 658
#define IDC_CREDITS_ICONS_ARTIST 659
#define IDC_CREDITS_ICONS_FREE 660
#define IDC_CREDITS_ICONS_PAGE 661
#define IDC_CREDITS_ICONS_MAIL 662
