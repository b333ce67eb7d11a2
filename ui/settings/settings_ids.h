#pragma once
// The settings dialog's templates and controls, in their tab order: the dialog with its tab strip,
// and the "Context Menu" page shown in the strip.
#define IDD_SETTINGS 500
#define IDC_SETTINGS_TABS 501           // TabStrip1
#define IDD_SETTINGS_CONTEXT_PAGE 510
#define IDC_CONTEXT_FRAME 511           // fraContext
#define IDC_CONTEXT_HEADING 512         // Label1
#define IDC_CONTEXT_HELP_PICTURE 513    // imgContextHelp
#define IDC_CONTEXT_TEXT 514            // lblContext
#define IDC_CONTEXT_ADD 515             // cmdAddContextMenu
#define IDC_CONTEXT_REMOVE 516          // cmdRemoveContextMenu
#define IDC_CONTEXT_HELP 517            // cmdContextHelp
