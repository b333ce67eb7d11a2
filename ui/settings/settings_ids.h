#pragma once
// The settings dialog's templates and controls, in their tab order: the dialog with its tab strip,
// and the "Context Menu" page shown in the strip.
#define IDD_SETTINGS 700
#define IDC_SETTINGS_TABS 701  // TabStrip1
#define IDD_SETTINGS_CONTEXT_PAGE 710
#define IDC_CONTEXT_FRAME 711         // fraContext
#define IDC_CONTEXT_HEADING 712       // Label1
#define IDC_CONTEXT_HELP_PICTURE 713  // imgContextHelp
#define IDC_CONTEXT_TEXT 714          // lblContext
#define IDC_CONTEXT_ADD 715           // cmdAddContextMenu
#define IDC_CONTEXT_REMOVE 716        // cmdRemoveContextMenu
#define IDC_CONTEXT_HELP 717          // cmdContextHelp
