// The events the design binds to MainWindow and its controls.
#include "ui/main_window.h"

#include "ui/maker.h"

void MainWindow::OnCreate() {
  // Filled by the output-folder set-up and the drop binding of the list.
}

void MainWindow::OnDestroy() {
  // Filled by the drop unbinding of the list.
}

void MainWindow::OnAddFilesClick() {
  // Filled by the source list: add files through the dialog.
}

void MainWindow::OnClearListClick() {
  // Filled by the source list: clear it.
}

void MainWindow::OnChooseFolderClick() {
  // Filled by the output folder: choose it in the folder browser.
}

void MainWindow::OnSplitClick() {
  // Filled by the split run.
}

void MainWindow::OnBannerPress() { desktop_.OpenWebPage(kMakerWebAddress); }
