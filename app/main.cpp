// Tarvolin.exe: a Windows GUI program; the command line is not read.
#include <windows.h>

#include "app/frame.h"
#include "ui/desktop_services_win.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  WindowsDesktop desktop;
  return RunProgram(instance, desktop);
}
