// bare_msgbox.exe: the yardstick for quillet.exe's start-up time in the benchmark: a program that
// does nothing but show the same kind of message box, with the same manifest. Returns the button
// pressed.

#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  return MessageBoxA(nullptr, "The command: ' x ' was removed.", "Quillet", MB_OK);
}
