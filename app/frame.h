// The program's frame: start-up, the message loop and shutdown around the
// main window.
#pragma once

#include <windows.h>

#include "ui/desktop_services.h"

// Runs the program from start to end and gives the process's exit code: the
// code of the WM_QUIT that ends the loop, 0 after the window was closed.
// Fatal start-up failures are reported and end the process.
int RunProgram(HINSTANCE instance, DesktopServices& desktop);
