// The events the design binds to MainWindow and its controls.
#include "ui/main_window.h"

#include "ui/maker.h"
#include "ui/output_folder.h"
#include "ui/source_list.h"
#include "ui/split_run.h"

void MainWindow::OnCreate() {
  // The default output folder first, then the drop binding of the list.
  PrepareOutputFolder(Control(ControlId::编辑框1), programFolder_);
  拖放对象1.Bind(Control(ControlId::超级列表框1));
}

void MainWindow::OnDestroy() { 拖放对象1.Unbind(); }

void MainWindow::OnAddFilesClick() {
  HWND list = Control(ControlId::超级列表框1);
  for (const Text& path : desktop_.OpenFilesDialog(window_, "请选择需要分割的文本文件", "文本文件（*.txt）|*.txt")) {
    AddSourcePath(list, path);
  }
}

void MainWindow::OnClearListClick() { ClearSources(Control(ControlId::超级列表框1)); }

void MainWindow::OnFileDropped(const Text& path) { AddSourcePath(Control(ControlId::超级列表框1), path); }

void MainWindow::OnChooseFolderClick() { ChooseOutputFolder(Control(ControlId::编辑框1), desktop_); }

void MainWindow::OnSplitClick() {
  SplitRun({window_, Control(ControlId::超级列表框1), Control(ControlId::编辑框1), Control(ControlId::编辑框2)},
           desktop_);
}

void MainWindow::OnBannerPress() { desktop_.OpenWebPage(kMakerWebAddress); }
