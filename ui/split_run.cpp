#include "ui/split_run.h"

#include <vector>

#include "engine/splitter.h"
#include "ui/desktop_services.h"
#include "ui/source_list.h"
#include "ui/split_report.h"
#include "ui/window_text.h"

namespace {

// The splitter reads the boxes themselves, afresh for every part.
class EditBoxSettings final : public SplitSettings {
 public:
  explicit EditBoxSettings(const SplitRunControls& controls) : controls_(controls) {}
  Text ChunkSizeText() const override { return WindowText(controls_.chunkSize); }
  Text OutputFolderText() const override { return WindowText(controls_.outputFolder); }

 private:
  const SplitRunControls& controls_;
};

// Keeps the window disabled for the life of the object, so that no path out
// of the run leaves it dead.
class WindowDisabled {
 public:
  explicit WindowDisabled(HWND window) : window_(window) { EnableWindow(window_, FALSE); }
  ~WindowDisabled() { EnableWindow(window_, TRUE); }
  WindowDisabled(const WindowDisabled&) = delete;
  WindowDisabled& operator=(const WindowDisabled&) = delete;

 private:
  HWND window_;
};

std::vector<SourceOutcome> SplitEverySource(const SplitRunControls& controls) {
  const WindowDisabled disabled(controls.window);
  const int32_t count = SourceCount(controls.sourceList);
  std::vector<Text> paths;
  for (int32_t i = 0; i < count; ++i) paths.push_back(SourcePathAt(controls.sourceList, i));
  // All the sources of the run are known to the splitter, so that no part is
  // ever written over one of them.
  const RunSources sources(paths);
  const EditBoxSettings settings(controls);
  std::vector<SourceOutcome> outcomes;
  for (Text& path : paths) {
    SplitOutcome outcome = SplitTextFile(path, settings, sources);
    outcomes.push_back({std::move(path), std::move(outcome)});
  }
  return outcomes;
}

}  // namespace

void SplitRun(const SplitRunControls& controls, DesktopServices& services) {
  if (WindowText(controls.outputFolder).empty()) {
    services.ShowMessage("请选择输出目录");
    return;
  }
  if (SourceCount(controls.sourceList) < 1) {
    services.ShowMessage("未添加需分割文件");
    return;
  }
  // A size of 0 bytes or less would never get through a file.
  if (ChunkSizeInBytes(WindowText(controls.chunkSize)) <= 0) {
    services.ShowMessage("请输入有效的分割大小");
    return;
  }
  const std::vector<SourceOutcome> outcomes = SplitEverySource(controls);
  services.ShowMessage(SplitReport(outcomes));
}
