#pragma once
// The folder chooser's dialog template and controls.
#define IDD_FOLDER_CHOOSER 300
#define IDC_FOLDER_TREE 301
#define IDC_FOLDER_SEPARATOR 302
