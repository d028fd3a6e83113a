#include "ui/drop_target.h"

#include <shellapi.h>

#include <string>
#include <utility>
#include <vector>

DWORD DropEffectFor(DWORD keyState, DWORD allowedEffects) {
  const bool control = (keyState & MK_CONTROL) != 0;
  const bool shift = (keyState & MK_SHIFT) != 0;
  const auto firstAllowed = [allowedEffects](std::initializer_list<DWORD> preferred) -> DWORD {
    for (const DWORD effect : preferred) {
      if ((allowedEffects & effect) != 0) return effect;
    }
    return DROPEFFECT_NONE;
  };
  if (control && shift) return DROPEFFECT_NONE;
  if (control) return firstAllowed({DROPEFFECT_COPY});
  if (shift) return firstAllowed({DROPEFFECT_MOVE});
  return firstAllowed({DROPEFFECT_COPY, DROPEFFECT_MOVE, DROPEFFECT_LINK});
}

namespace {

// A file list in global memory: the one data format accepted.
FORMATETC FileListFormat() { return FORMATETC{CF_HDROP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL}; }

// Every path of the file list, each at its full length.
std::vector<Text> DroppedPaths(IDataObject* data) {
  std::vector<Text> paths;
  FORMATETC format = FileListFormat();
  STGMEDIUM medium{};
  if (data->GetData(&format, &medium) != S_OK) return paths;
  if (medium.tymed == TYMED_HGLOBAL && medium.hGlobal != nullptr) {
    const auto files = static_cast<HDROP>(medium.hGlobal);
    const UINT count = DragQueryFileA(files, 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < count; ++i) {
      const UINT length = DragQueryFileA(files, i, nullptr, 0);
      std::string path(length + 1, '\0');
      const UINT copied = DragQueryFileA(files, i, path.data(), length + 1);
      // A list without entries still counts one empty entry.
      if (copied > 0) paths.emplace_back(std::string_view(path.data(), copied));
    }
  }
  ReleaseStgMedium(&medium);
  return paths;
}

}  // namespace

// The COM object registered with OLE. It lives as long as anyone holds a
// reference; once its DropTarget is gone it keeps refusing drops.
class DropTarget::FileListReceiver final : public IDropTarget {
 public:
  explicit FileListReceiver(PathHandler onPath) : onPath_(std::move(onPath)) {}

  void Detach() { onPath_ = nullptr; }

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
    if (object == nullptr) return E_POINTER;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDropTarget)) {
      *object = static_cast<IDropTarget*>(this);
      AddRef();
      return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(InterlockedIncrement(&references_)); }
  ULONG STDMETHODCALLTYPE Release() override {
    const LONG left = InterlockedDecrement(&references_);
    if (left == 0) delete this;
    return static_cast<ULONG>(left);
  }

  // Whether the data offers a file list is asked once, on entering, and holds
  // until the drag leaves or drops.
  HRESULT STDMETHODCALLTYPE DragEnter(IDataObject* data, DWORD keyState, POINTL, DWORD* effect) override {
    FORMATETC format = FileListFormat();
    accepted_ = data != nullptr && data->QueryGetData(&format) == S_OK;
    return ShowEffect(keyState, effect);
  }
  HRESULT STDMETHODCALLTYPE DragOver(DWORD keyState, POINTL, DWORD* effect) override {
    return ShowEffect(keyState, effect);
  }
  HRESULT STDMETHODCALLTYPE DragLeave() override {
    accepted_ = false;
    return S_OK;
  }
  // Records the dropped paths and reports failure to the drag source in every
  // case, so that a source offering a move never deletes its files: only
  // their paths were taken.
  HRESULT STDMETHODCALLTYPE Drop(IDataObject* data, DWORD keyState, POINTL, DWORD* effect) override {
    ShowEffect(keyState, effect);
    const bool take = accepted_ && effect != nullptr && *effect != DROPEFFECT_NONE && data != nullptr;
    accepted_ = false;
    if (take) {
      for (const Text& path : DroppedPaths(data)) {
        if (onPath_) onPath_(path);
      }
    }
    return E_FAIL;
  }

 private:
  ~FileListReceiver() = default;

  HRESULT ShowEffect(DWORD keyState, DWORD* effect) const {
    if (effect == nullptr) return E_INVALIDARG;
    *effect = accepted_ && onPath_ ? DropEffectFor(keyState, *effect) : DROPEFFECT_NONE;
    return S_OK;
  }

  LONG references_ = 1;
  bool accepted_ = false;
  PathHandler onPath_;
};

void DropTarget::Release::operator()(FileListReceiver* receiver) const {
  receiver->Detach();
  receiver->Release();
}

DropTarget::DropTarget(PathHandler onPath) : receiver_(new FileListReceiver(std::move(onPath))) {}

DropTarget::~DropTarget() { Unbind(); }

bool DropTarget::Bind(HWND window) {
  if (bound_ != nullptr) return false;
  if (FAILED(RegisterDragDrop(window, receiver_.get()))) return false;
  bound_ = window;
  return true;
}

void DropTarget::Unbind() {
  if (bound_ == nullptr) return;
  RevokeDragDrop(bound_);
  bound_ = nullptr;
}

IDropTarget* DropTarget::Receiver() const { return receiver_.get(); }
