#pragma once
// Identifiers shared by the resource script and the code.

#define IDD_INPUTBOX 100
#define IDC_INPUT_PROMPT 101
#define IDC_INPUT_ANSWER 102

#define IDI_QUILLET 1
#define IDI_CATEGORY_USER 2
#define IDI_CATEGORY_SYSTEM 3
#define IDI_HELP_PICTURE 4
#define IDI_THANKS_ARROW 5
#define IDB_COMMANDS 10

// The pointers over links in the About and credits boxes.
#define IDCUR_WEB_LINK 20
#define IDCUR_MAIL_LINK 21
