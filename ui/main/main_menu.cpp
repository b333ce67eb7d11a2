#include "ui/main/main_menu.h"

namespace quillet {

namespace {

void Append(HMENU menu, int id, const char* caption) {
  AppendMenuA(menu, MF_STRING, static_cast<UINT_PTR>(id), caption);
}

void AppendSeparator(HMENU menu) { AppendMenuA(menu, MF_SEPARATOR, 0, nullptr); }

void AppendSubmenu(HMENU parent, HMENU submenu, const char* caption) {
  AppendMenuA(parent, MF_POPUP, reinterpret_cast<UINT_PTR>(submenu), caption);
}

}  // namespace

HMENU CreateMainMenu() {
  const HMENU file = CreatePopupMenu();
  Append(file, kMenuAddCommand, "&Add Command\tCtrl+A");
  Append(file, kMenuRemoveCommand, "&Remove Command\tCtrl+R");
  Append(file, kMenuExport, "Ex&port Commands...");
  Append(file, kMenuRestore, "Res&tore Commands...");
  AppendSeparator(file);
  Append(file, kMenuExit, "&Exit");

  const HMENU imports = CreatePopupMenu();
  Append(imports, kMenuImportDesktop, "Desktop Shortcuts");
  Append(imports, kMenuImportStartMenu, "Start Menu Shortcuts");
  Append(imports, kMenuImportFavorites, "Favorites");
  const HMENU tools = CreatePopupMenu();
  AppendSubmenu(tools, imports, "Import Wizards");
  // The submenu carries an id too, so that it can be enabled and disabled like an item.
  MENUITEMINFOA info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_ID;
  info.wID = kMenuImport;
  SetMenuItemInfoA(tools, 0, TRUE, &info);
  Append(tools, kMenuRepair, "Re&pair Commands");
  AppendSeparator(tools);
  Append(tools, kMenuSettings, "&Settings...");

  const HMENU help = CreatePopupMenu();
  Append(help, kMenuHelp, "&Help\tF1");
  AppendSeparator(help);
  Append(help, kMenuAbout, "A&bout...");

  const HMENU bar = CreateMenu();
  AppendSubmenu(bar, file, "&File");
  AppendSubmenu(bar, tools, "&Tools");
  AppendSubmenu(bar, help, "&Help");
  return bar;
}

HACCEL CreateMainAccelerators() {
  ACCEL keys[] = {
      {FCONTROL | FVIRTKEY, 'A', kMenuAddCommand},
      {FCONTROL | FVIRTKEY, 'R', kMenuRemoveCommand},
      {FVIRTKEY, VK_F1, kMenuHelp},
  };
  return CreateAcceleratorTableA(keys, static_cast<int>(sizeof keys / sizeof keys[0]));
}

void EnableMenuItemById(HMENU menu, int id, bool enabled) {
  EnableMenuItem(menu, static_cast<UINT>(id), MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
}

}  // namespace quillet
