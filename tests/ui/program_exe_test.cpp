// The real Tarvolin.exe, started as a user starts it: it shows its window and
// ends with exit code 0 when the window is closed, by Esc or otherwise. And
// the window program's fatal error report, shown by a copy of this test
// program started for it: the box, then exit code -1.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "engine/fatal_error.h"

namespace {

// TARVOLIN_EXE is the build's path of the program (a Unix path under Wine,
// where drive Z: is the root of the file system).
std::string ProgramPath() {
  std::string path;
  if (TARVOLIN_EXE[0] == '/') path = "Z:";
  for (const char* c = TARVOLIN_EXE; *c; ++c) path.push_back(*c == '/' ? '\\' : *c);
  return path;
}

// The path of this test program.
std::string TestProgramPath() {
  char path[MAX_PATH] = "";
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  return path;
}

constexpr char kReportFatalErrorOption[] = "--report-fatal-error";
constexpr char kReportedMessage[] = "载入启动窗口失败";

class RunningProgram {
 public:
  explicit RunningProgram(const std::string& path = ProgramPath(), const char* option = nullptr) {
    std::string command = path;
    command.insert(command.begin(), '"');
    command.push_back('"');
    if (option) {
      command.push_back(' ');
      command.append(option);
    }
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);  // started elsewhere than its own folder
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    started_ = CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, temp, &startup,
                              &process_);
  }
  ~RunningProgram() {
    if (!started_) return;
    if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) TerminateProcess(process_.hProcess, 1);
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
  }
  RunningProgram(const RunningProgram&) = delete;
  RunningProgram& operator=(const RunningProgram&) = delete;

  bool Started() const { return started_; }

  // The program's visible top-level window of the class once it is there;
  // nullptr after the timeout.
  HWND WaitForWindow(DWORD timeoutMs, const char* windowClass = "TarvolinMainWindow") const {
    for (DWORD waited = 0; waited < timeoutMs; waited += 50) {
      for (HWND w = FindWindowExA(nullptr, nullptr, windowClass, nullptr); w;
           w = FindWindowExA(nullptr, w, windowClass, nullptr)) {
        DWORD owner = 0;
        GetWindowThreadProcessId(w, &owner);
        if (owner == process_.dwProcessId && IsWindowVisible(w)) return w;
      }
      Sleep(50);
    }
    return nullptr;
  }

  // The exit code once the process has ended; STILL_ACTIVE after the timeout.
  DWORD WaitForExit(DWORD timeoutMs) const {
    DWORD code = STILL_ACTIVE;
    if (WaitForSingleObject(process_.hProcess, timeoutMs) == WAIT_OBJECT_0) {
      GetExitCodeProcess(process_.hProcess, &code);
    }
    return code;
  }

 private:
  PROCESS_INFORMATION process_{};
  bool started_ = false;
};

constexpr int kListId = 1001;
constexpr int kOutputFolderId = 1005;

// Every way a user closes the window ends the program with exit code 0. The
// messages go through the program's own message loop, as typed keys and
// clicks do; 0 as the control id means the window itself.
struct CloseWay {
  const char* name;
  int controlId;
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
};

class TarvolinExeClose : public testing::TestWithParam<CloseWay> {};

TEST_P(TarvolinExeClose, EndsTheProgramWithCodeZero) {
  const CloseWay& way = GetParam();
  RunningProgram program;
  ASSERT_TRUE(program.Started());
  HWND window = program.WaitForWindow(30000);
  ASSERT_NE(window, nullptr);
  HWND target = way.controlId ? GetDlgItem(window, way.controlId) : window;
  PostMessageA(target, way.message, way.wParam, way.lParam);
  EXPECT_EQ(program.WaitForExit(30000), 0u);
}

INSTANTIATE_TEST_SUITE_P(
    TarvolinExe, TarvolinExeClose,
    testing::Values(CloseWay{"EscInTheList", kListId, WM_KEYDOWN, VK_ESCAPE, 1},
                    CloseWay{"EscInAnEditField", kOutputFolderId, WM_KEYDOWN, VK_ESCAPE, 1},
                    CloseWay{"TheCloseBox", 0, WM_SYSCOMMAND, SC_CLOSE, 0}),
    [](const testing::TestParamInfo<CloseWay>& info) { return std::string(info.param.name); });

std::string TextOf(HWND window) {
  char text[512] = "";
  GetWindowTextA(window, text, sizeof text);
  return text;
}

TEST(ReportFatalError, ShowsTheReportInAnErrorBoxThenEndsWithCodeMinusOne) {
  RunningProgram program(TestProgramPath(), kReportFatalErrorOption);
  ASSERT_TRUE(program.Started());
  HWND box = program.WaitForWindow(30000, "#32770");  // the class of message boxes
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(TextOf(box), "错误");
  constexpr int kMessageBoxText = 0xFFFF, kMessageBoxIcon = 0x0440;
  EXPECT_EQ(TextOf(GetDlgItem(box, kMessageBoxText)),
            std::string(FatalErrorText(kReportedMessage, 0).view()));
  EXPECT_NE(GetDlgItem(box, kMessageBoxIcon), nullptr);
  PostMessageA(box, WM_COMMAND, IDOK, 0);
  EXPECT_EQ(program.WaitForExit(30000), static_cast<DWORD>(-1));
}

}  // namespace

// Runs the tests, or, started with kReportFatalErrorOption, reports the fatal
// error the tests look at (and never returns).
int main(int argc, char** argv) {
  if (argc == 2 && std::strcmp(argv[1], kReportFatalErrorOption) == 0) {
    ReportFatalError(kReportedMessage, 0);
  }
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
