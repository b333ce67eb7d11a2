#pragma once
// The command editor's dialog template and controls, in their tab order.
#define IDD_COMMAND_EDITOR 400
#define IDC_EDITOR_COMMAND_LABEL 401   // lblCommand
#define IDC_EDITOR_COMMAND 402         // txtCommand
#define IDC_EDITOR_COMMAND_HELP 403    // cmdHelp
#define IDC_EDITOR_PATH_LABEL 404      // lblPath
#define IDC_EDITOR_PATH 405            // txtPath
#define IDC_EDITOR_GET_FILE 406        // cmdGetFile
#define IDC_EDITOR_PARAMETERS_LABEL 407
#define IDC_EDITOR_PARAMETER1 408      // txtParameter1 to 4
#define IDC_EDITOR_PARAMETER2 409
#define IDC_EDITOR_PARAMETER3 410
#define IDC_EDITOR_PARAMETER4 411
#define IDC_EDITOR_PARAMETER_HELP 412  // cmdParamHelp
#define IDC_EDITOR_MODE_LABEL 413      // Label1
#define IDC_EDITOR_MODE 414            // comboWindowMode
#define IDC_EDITOR_MODE_HELP 415       // Command1
#define IDC_EDITOR_SECURITY_LABEL 416  // Label2
#define IDC_EDITOR_SECURITY 417        // ckhSecurity
#define IDC_EDITOR_FOLDER 418          // cmdFolder
