#pragma once
// The import wizard's and the shortcut picker's dialog templates and controls.
#define IDD_IMPORT_WIZARD 500
#define IDC_WIZARD_STEP1 501         // fraStep1
#define IDC_WIZARD_INTRO 502
#define IDC_WIZARD_FOLDER_LABEL 503  // lblImportNamn
#define IDC_WIZARD_FOLDER 504        // txtPath
#define IDC_WIZARD_BROWSE 505        // cmdBrowse
#define IDC_WIZARD_NOTE 506
#define IDC_WIZARD_NEXT_NOTE 507
#define IDC_WIZARD_STEP2 508         // fraStep2
#define IDC_WIZARD_LIST 509          // lsvImport
#define IDC_WIZARD_LIST_NOTE 510
#define IDC_WIZARD_CHECK_ALL 511     // cmdCheckAll
#define IDC_WIZARD_UNCHECK_ALL 512   // cmdUncheckAll
#define IDC_WIZARD_PREVIOUS 513      // cmd1Prev, cmd2Prev
// IDOK is Next (cmd1Next) in the first step and Import Selected (cmd2Next) in the second;
// IDCANCEL is Cancel in both.

#define IDD_SHORTCUT_PICKER 550
#define IDC_PICKER_INSTRUCTION 551
#define IDC_PICKER_TREE 552          // FolderDir
#define IDC_PICKER_FILES 553         // File1
#define IDC_PICKER_ADD_ALL 554       // cmdAddAll
#define IDC_PICKER_ADD_SELECTED 555  // cmdAddSelected
#define IDC_PICKER_STATUS 556        // StatusBar1
