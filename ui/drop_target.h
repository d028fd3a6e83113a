// DropTarget: receives file lists dragged from the shell onto one window (the
// source list) and hands over every dropped path, in the order the drag
// source lists them. Only file lists (CF_HDROP) are accepted; text, links and
// HTML are refused for the whole drag.
#pragma once

#include <windows.h>
#include <ole2.h>

#include <functional>
#include <memory>

#include "engine/text.h"

// The drop effect shown for the keys held (MK_CONTROL, MK_SHIFT) and the
// effects the drag source allows: no key: copy, else move, else link; Shift:
// move; Ctrl: copy; Ctrl and Shift: none. An effect not allowed gives none.
DWORD DropEffectFor(DWORD keyState, DWORD allowedEffects);

class DropTarget {
 public:
  using PathHandler = std::function<void(const Text& path)>;

  explicit DropTarget(PathHandler onPath);
  ~DropTarget();  // unbinds
  DropTarget(const DropTarget&) = delete;
  DropTarget& operator=(const DropTarget&) = delete;

  // Registers the receiver for the window (OLE must be initialised). Refused,
  // with nothing changed, while bound; false also when registration fails.
  bool Bind(HWND window);
  // Revokes the registration of the window that Bind remembered, if any.
  void Unbind();
  bool IsBound() const { return bound_ != nullptr; }

  // The COM object that OLE calls; exposed so that tests can drive a drag.
  IDropTarget* Receiver() const;

 private:
  class FileListReceiver;
  struct Release {
    void operator()(FileListReceiver* receiver) const;
  };
  std::unique_ptr<FileListReceiver, Release> receiver_;
  HWND bound_ = nullptr;
};
