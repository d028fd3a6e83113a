// window-probe: reads the windows of another program in the same Wine desktop
// for the end-to-end test, which drives that program with real mouse and key
// input. Every answer is written to a file (the first argument), since a
// program started inside a virtual desktop has no console of its own.
//
//   window-probe OUT run EXE                 start EXE, wait for it, write its exit code
//   window-probe OUT find TITLE MS           wait for a visible window whose caption
//                                            starts with TITLE; write its rectangle
//   window-probe OUT control TITLE ID MS     a control's centre on the screen
//   window-probe OUT text TITLE ID           a control's text
//   window-probe OUT enabled TITLE           1 when the window is enabled, else 0
//   window-probe OUT items TITLE             the list-view's item texts, one a line
//   window-probe OUT message MS              wait for the "信息：" box; write its text
//   window-probe OUT gone TITLE MS           wait until no such window is left
//   window-probe OUT end TITLE               end the process of such a window (clean-up)
//
// Exit code 0 when the answer was found, 1 after a timeout, 2 on bad use.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

struct Search {
  std::string_view prefix;
  HWND found = nullptr;
};

BOOL CALLBACK MatchCaption(HWND window, LPARAM lParam) {
  auto* search = reinterpret_cast<Search*>(lParam);
  char caption[512];
  const int length = GetWindowTextA(window, caption, sizeof caption);
  if (IsWindowVisible(window) && std::string_view(caption, length).starts_with(search->prefix)) {
    search->found = window;
    return FALSE;
  }
  return TRUE;
}

HWND FindTopLevel(std::string_view prefix) {
  Search search{prefix};
  EnumWindows(MatchCaption, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// Polls until found() gives a window or the time is up.
template <typename Find>
HWND WaitFor(Find found, DWORD timeoutMs) {
  const DWORD start = GetTickCount();
  for (;;) {
    if (HWND window = found()) return window;
    if (GetTickCount() - start > timeoutMs) return nullptr;
    Sleep(50);
  }
}

struct ChildSearch {
  int id;
  HWND found = nullptr;
};

BOOL CALLBACK MatchId(HWND window, LPARAM lParam) {
  auto* search = reinterpret_cast<ChildSearch*>(lParam);
  if (GetDlgCtrlID(window) == search->id) {
    search->found = window;
    return FALSE;
  }
  return TRUE;
}

// A control anywhere below the window (group boxes hold some of them).
HWND FindControl(HWND window, int id) {
  ChildSearch search{id};
  if (window != nullptr) EnumChildWindows(window, MatchId, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

std::string TextOf(HWND window) {
  const auto length = SendMessageA(window, WM_GETTEXTLENGTH, 0, 0);
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  const auto copied = SendMessageA(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<std::size_t>(copied));
  return text;
}

// The item texts of a list-view in another process: the item and its text
// buffer must lie in that process's memory.
std::string ItemsOf(HWND list) {
  DWORD processId = 0;
  GetWindowThreadProcessId(list, &processId);
  HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId);
  if (process == nullptr) return {};
  constexpr std::size_t kTextSize = 4096;
  auto* remote = static_cast<char*>(
      VirtualAllocEx(process, nullptr, sizeof(LVITEMA) + kTextSize, MEM_COMMIT, PAGE_READWRITE));
  std::string lines;
  const auto count = SendMessageA(list, LVM_GETITEMCOUNT, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    LVITEMA item{};
    item.iSubItem = 0;
    item.pszText = remote + sizeof(LVITEMA);
    item.cchTextMax = kTextSize;
    WriteProcessMemory(process, remote, &item, sizeof item, nullptr);
    const auto length = SendMessageA(list, LVM_GETITEMTEXTA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(remote));
    std::string text(static_cast<std::size_t>(length), '\0');
    ReadProcessMemory(process, remote + sizeof(LVITEMA), text.data(), text.size(), nullptr);
    lines += text + "\n";
  }
  VirtualFreeEx(process, remote, 0, MEM_RELEASE);
  CloseHandle(process);
  return lines;
}

std::string RectText(const RECT& rect) {
  return std::to_string(rect.left) + " " + std::to_string(rect.top) + " " + std::to_string(rect.right) + " " +
         std::to_string(rect.bottom) + "\n";
}

// Written beside OUT and then renamed, so that the waiting script never reads
// half an answer.
int Answer(const char* outPath, const std::string& answer) {
  const std::string partPath = std::string(outPath) + ".part";
  FILE* out = std::fopen(partPath.c_str(), "wb");
  if (out == nullptr) return 2;
  std::fwrite(answer.data(), 1, answer.size(), out);
  std::fclose(out);
  return MoveFileExA(partPath.c_str(), outPath, MOVEFILE_REPLACE_EXISTING) ? 0 : 2;
}

DWORD Millis(const char* text) { return static_cast<DWORD>(std::strtoul(text, nullptr, 10)); }

}  // namespace

int Probe(int argc, char** argv);

// A probe that finds nothing still leaves "FAILED" in OUT, so that the script
// waiting for the file learns of it at once.
int main(int argc, char** argv) {
  if (argc < 3) return 2;
  const int result = Probe(argc, argv);
  if (result != 0) Answer(argv[1], "FAILED\n");
  return result;
}

int Probe(int argc, char** argv) {
  if (argc < 4) return 2;
  const char* out = argv[1];
  const std::string_view command = argv[2];

  if (command == "run") {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    std::string commandLine = std::string("\"") + argv[3] + "\"";
    if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process)) {
      return 1;
    }
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD code = 0;
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return Answer(out, std::to_string(static_cast<int>(code)) + "\n");
  }
  if (command == "find" && argc == 5) {
    HWND window = WaitFor([&] { return FindTopLevel(argv[3]); }, Millis(argv[4]));
    if (window == nullptr) return 1;
    RECT rect;
    GetWindowRect(window, &rect);
    return Answer(out, RectText(rect));
  }
  if (command == "control" && argc == 6) {
    const int id = std::atoi(argv[4]);
    HWND control = WaitFor([&] { return FindControl(FindTopLevel(argv[3]), id); }, Millis(argv[5]));
    if (control == nullptr) return 1;
    RECT rect;
    GetWindowRect(control, &rect);
    return Answer(out, std::to_string((rect.left + rect.right) / 2) + " " +
                           std::to_string((rect.top + rect.bottom) / 2) + "\n");
  }
  if (command == "text" && argc == 5) {
    HWND control = FindControl(FindTopLevel(argv[3]), std::atoi(argv[4]));
    return control == nullptr ? 1 : Answer(out, TextOf(control));
  }
  if (command == "enabled" && argc == 4) {
    HWND window = FindTopLevel(argv[3]);
    return window == nullptr ? 1 : Answer(out, IsWindowEnabled(window) ? "1\n" : "0\n");
  }
  if (command == "items" && argc == 4) {
    HWND list = FindControl(FindTopLevel(argv[3]), 1001);
    return list == nullptr ? 1 : Answer(out, ItemsOf(list));
  }
  if (command == "message" && argc == 4) {
    HWND box = WaitFor([] { return FindWindowA("#32770", "信息："); }, Millis(argv[3]));
    if (box == nullptr) return 1;
    // The message is the box's static control that holds text (the icon's
    // static has none).
    for (HWND child = GetWindow(box, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
      char windowClass[32];
      GetClassNameA(child, windowClass, sizeof windowClass);
      if (lstrcmpiA(windowClass, "Static") == 0 && !TextOf(child).empty()) return Answer(out, TextOf(child));
    }
    return 1;
  }
  if (command == "gone" && argc == 5) {
    const DWORD start = GetTickCount();
    while (FindTopLevel(argv[3]) != nullptr) {
      if (GetTickCount() - start > Millis(argv[4])) return 1;
      Sleep(50);
    }
    return Answer(out, "gone\n");
  }
  if (command == "end" && argc == 4) {
    HWND window = FindTopLevel(argv[3]);
    if (window == nullptr) return Answer(out, "none\n");
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    HANDLE process = OpenProcess(PROCESS_TERMINATE, FALSE, processId);
    if (process != nullptr) {
      TerminateProcess(process, 1);
      CloseHandle(process);
    }
    return Answer(out, "ended\n");
  }
  return 2;
}
