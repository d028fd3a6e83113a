#include "app/frame.h"

#include <ole2.h>

#include "app/program_folder.h"
#include "engine/fatal_error.h"
#include "ui/main_window.h"

namespace {

// OLE for the user-interface thread (drag and drop needs it), uninitialised
// only when it was initialised.
class OleSession {
 public:
  OleSession() : initialised_(SUCCEEDED(OleInitialize(nullptr))) {}
  ~OleSession() {
    if (initialised_) OleUninitialize();
  }
  OleSession(const OleSession&) = delete;
  OleSession& operator=(const OleSession&) = delete;

 private:
  bool initialised_;
};

// The messages of the thread, through the window's keyboard rules, until
// WM_QUIT; gives its code.
int RunMessageLoop(MainWindow& window) {
  // A window already gone would never post the quit message.
  if (!window.Handle()) return 0;
  window.QuitWhenDestroyed();
  MSG message;
  // GetMessage gives -1 on an invalid call, which this loop never makes; it
  // ends on 0, that is WM_QUIT.
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    if (window.PreTranslateMessage(message)) continue;
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return static_cast<int>(message.wParam);
}

}  // namespace

int RunProgram(HINSTANCE instance, DesktopServices& desktop) {
  OleSession ole;
  Text programFolder = ProgramFolderOf(ModulePath());
  SetCurrentDirectoryA(CurrentDirectoryFor(programFolder).c_str());

  MainWindow window(desktop, programFolder);
  switch (window.Create(instance)) {
    case MainWindow::CreateResult::DescriptionUnreadable: ReportFatalError("载入窗口模板数据段出错!", 0);
    case MainWindow::CreateResult::WindowNotCreated: ReportFatalError("载入启动窗口失败", 0);
    case MainWindow::CreateResult::Created: break;
  }
  ShowWindow(window.Handle(), SW_SHOW);
  return RunMessageLoop(window);
}
