#pragma once
// The main window's menu bar and its keyboard shortcuts.

#include <windows.h>

namespace quillet {

enum MainMenuItem : int {
  kMenuAddCommand = 200,  // mnuAddCommand
  kMenuRemoveCommand,     // mnuDelCommand
  kMenuExit,              // mnuExit
  kMenuImport,            // mnuImport (the submenu)
  kMenuImportDesktop,     // mnuDesktop
  kMenuImportStartMenu,   // mnuStartMenu
  kMenuImportFavorites,   // mnuFavourites
  kMenuSettings,          // mnuSettings
  kMenuHelp,              // mnuHelp2
  kMenuAbout,             // mnuAbout
  kMenuExport,            // File > Export Commands...
  kMenuRestore,           // File > Restore Commands...
  kMenuRepair,            // Tools > Repair Commands
};

// File, Tools and Help, with their items in order.
HMENU CreateMainMenu();

// Ctrl+A, Ctrl+R and F1. The caller owns the table (DestroyAcceleratorTable).
HACCEL CreateMainAccelerators();

// Enables or disables an item, a submenu included, by its id.
void EnableMenuItemById(HMENU menu, int id, bool enabled);

}  // namespace quillet
