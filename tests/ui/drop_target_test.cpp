// The drop receiver of the source list, driven as OLE drives it: with data
// objects that carry a real file list (CF_HDROP in global memory) or text
// only, every row of the effect rule, and its binding to a window.
#include "ui/drop_target.h"

#include <gtest/gtest.h>
#include <shlobj.h>

#include <cstring>
#include <string>
#include <vector>

#include "tests/ui/test_windows.h"

namespace {

// A data object offering one format: a file list (ANSI or wide) or text.
class TestData final : public IDataObject {
 public:
  static TestData FileList(std::vector<std::string> paths) { return TestData(CF_HDROP, std::move(paths), false); }
  static TestData WideFileList(std::vector<std::wstring> paths) {
    TestData data(CF_HDROP, {}, true);
    data.widePaths_ = std::move(paths);
    return data;
  }
  static TestData PlainText(std::string text) { return TestData(CF_TEXT, {std::move(text)}, false); }

  int formatQuestions = 0;

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDataObject)) {
      *object = this;
      return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return 2; }  // lives on the test's stack
  ULONG STDMETHODCALLTYPE Release() override { return 1; }

  HRESULT STDMETHODCALLTYPE QueryGetData(FORMATETC* format) override {
    ++formatQuestions;
    const bool offered = format->cfFormat == format_ && format->ptd == nullptr &&
                         format->dwAspect == DVASPECT_CONTENT && format->lindex == -1 &&
                         (format->tymed & TYMED_HGLOBAL) != 0;
    return offered ? S_OK : DV_E_FORMATETC;
  }
  HRESULT STDMETHODCALLTYPE GetData(FORMATETC* format, STGMEDIUM* medium) override {
    if (QueryGetData(format) != S_OK) return DV_E_FORMATETC;
    --formatQuestions;  // not a question the receiver asked
    const std::string bytes = Bytes();
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes.size());
    std::memcpy(GlobalLock(memory), bytes.data(), bytes.size());
    GlobalUnlock(memory);
    *medium = STGMEDIUM{};
    medium->tymed = TYMED_HGLOBAL;
    medium->hGlobal = memory;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetDataHere(FORMATETC*, STGMEDIUM*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetCanonicalFormatEtc(FORMATETC*, FORMATETC* out) override {
    out->ptd = nullptr;
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE SetData(FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE EnumFormatEtc(DWORD, IEnumFORMATETC**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override {
    return OLE_E_ADVISENOTSUPPORTED;
  }
  HRESULT STDMETHODCALLTYPE DUnadvise(DWORD) override { return OLE_E_ADVISENOTSUPPORTED; }
  HRESULT STDMETHODCALLTYPE EnumDAdvise(IEnumSTATDATA**) override { return OLE_E_ADVISENOTSUPPORTED; }

 private:
  TestData(CLIPFORMAT format, std::vector<std::string> items, bool wide)
      : format_(format), items_(std::move(items)), wide_(wide) {}

  // A DROPFILES header followed by NUL-ended paths and one more NUL.
  std::string Bytes() const {
    if (format_ != CF_HDROP) return items_.front() + '\0';
    DROPFILES header{};
    header.pFiles = sizeof header;
    header.fWide = wide_;
    std::string bytes(reinterpret_cast<const char*>(&header), sizeof header);
    if (wide_) {
      std::wstring list;
      for (const std::wstring& path : widePaths_) list += path + L'\0';
      list += L'\0';
      bytes.append(reinterpret_cast<const char*>(list.data()), list.size() * sizeof(wchar_t));
    } else {
      for (const std::string& path : items_) bytes += path + '\0';
      bytes += items_.empty() ? std::string(2, '\0') : std::string(1, '\0');
    }
    return bytes;
  }

  CLIPFORMAT format_;
  std::vector<std::string> items_;
  std::vector<std::wstring> widePaths_;
  bool wide_;
};

constexpr DWORD kAll = DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK;

TEST(DropEffectTest, FollowsTheKeysAndWhatTheSourceAllows) {
  struct Row {
    DWORD keys;
    DWORD allowed;
    DWORD expected;
  };
  const DWORD ctrlShift = MK_CONTROL | MK_SHIFT;
  const Row rows[] = {
      {0, kAll, DROPEFFECT_COPY},
      {0, DROPEFFECT_MOVE | DROPEFFECT_LINK, DROPEFFECT_MOVE},
      {0, DROPEFFECT_LINK, DROPEFFECT_LINK},
      {0, DROPEFFECT_NONE, DROPEFFECT_NONE},
      {MK_LBUTTON, kAll, DROPEFFECT_COPY},  // mouse buttons do not count
      {MK_SHIFT, kAll, DROPEFFECT_MOVE},
      {MK_SHIFT, DROPEFFECT_COPY | DROPEFFECT_LINK, DROPEFFECT_NONE},
      {MK_CONTROL, kAll, DROPEFFECT_COPY},
      {MK_CONTROL, DROPEFFECT_MOVE | DROPEFFECT_LINK, DROPEFFECT_NONE},
      {ctrlShift, kAll, DROPEFFECT_NONE},
      {ctrlShift | MK_LBUTTON, DROPEFFECT_LINK, DROPEFFECT_NONE},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(DropEffectFor(row.keys, row.allowed), row.expected) << "keys " << row.keys << " allowed " << row.allowed;
  }
}

class DropTargetTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { ASSERT_EQ(OleInitialize(nullptr), S_OK); }
  static void TearDownTestSuite() { OleUninitialize(); }

  // Enters, moves with the given keys, and drops; the drop's effect and result.
  std::pair<HRESULT, DWORD> Drag(IDataObject& data, DWORD keys, DWORD allowed = kAll) {
    IDropTarget* receiver = target_.Receiver();
    DWORD effect = allowed;
    receiver->DragEnter(&data, 0, POINTL{10, 10}, &effect);
    effect = allowed;
    receiver->DragOver(keys, POINTL{12, 12}, &effect);
    effect = allowed;
    const HRESULT result = receiver->Drop(&data, keys, POINTL{12, 12}, &effect);
    return {result, effect};
  }

  std::vector<std::string> added_;
  DropTarget target_{[this](const Text& path) { added_.emplace_back(path.view()); }};
};

TEST_F(DropTargetTest, AddsEveryDroppedPathInOrderAndReportsFailure) {
  const std::string longPath = "C:\\" + std::string(600, 'x') + ".txt";
  TestData data = TestData::FileList({"C:\\b.txt", "D:\\分割\\a.txt", longPath, "C:\\folder"});
  const auto [result, effect] = Drag(data, 0);
  EXPECT_EQ(result, E_FAIL);
  EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_COPY));
  EXPECT_EQ(added_, (std::vector<std::string>{"C:\\b.txt", "D:\\分割\\a.txt", longPath, "C:\\folder"}));
  EXPECT_EQ(data.formatQuestions, 1);  // asked on entering only
}

TEST_F(DropTargetTest, WideFileListsArriveInTheAnsiCodePage) {
  TestData data = TestData::WideFileList({L"C:\\\u5206\u5272\\a.txt"});
  Drag(data, 0);
  EXPECT_EQ(added_, (std::vector<std::string>{"C:\\分割\\a.txt"}));
}

TEST_F(DropTargetTest, RefusesDataWithoutAFileListForTheWholeDrag) {
  TestData text = TestData::PlainText("C:\\a.txt");
  IDropTarget* receiver = target_.Receiver();
  for (const DWORD keys : {DWORD{0}, DWORD{MK_SHIFT}, DWORD{MK_CONTROL}}) {
    DWORD effect = kAll;
    receiver->DragEnter(&text, keys, POINTL{}, &effect);
    EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_NONE));
    effect = kAll;
    receiver->DragOver(keys, POINTL{}, &effect);
    EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_NONE));
    effect = kAll;
    EXPECT_EQ(receiver->Drop(&text, keys, POINTL{}, &effect), E_FAIL);
    EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_NONE));
  }
  EXPECT_TRUE(added_.empty());
}

TEST_F(DropTargetTest, DropsWithNoEffectOrAfterLeavingAddNothing) {
  TestData files = TestData::FileList({"C:\\a.txt"});
  EXPECT_EQ(Drag(files, MK_CONTROL | MK_SHIFT), std::make_pair(E_FAIL, DWORD{DROPEFFECT_NONE}));
  EXPECT_EQ(Drag(files, MK_SHIFT, DROPEFFECT_COPY), std::make_pair(E_FAIL, DWORD{DROPEFFECT_NONE}));

  // A drag that left the list is forgotten: a drop without a new entry is refused.
  IDropTarget* receiver = target_.Receiver();
  DWORD effect = kAll;
  receiver->DragEnter(&files, 0, POINTL{}, &effect);
  receiver->DragLeave();
  effect = kAll;
  EXPECT_EQ(receiver->Drop(&files, 0, POINTL{}, &effect), E_FAIL);
  EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_NONE));

  TestData empty = TestData::FileList({});
  EXPECT_EQ(Drag(empty, 0), std::make_pair(E_FAIL, DWORD{DROPEFFECT_COPY}));
  EXPECT_EQ(added_, std::vector<std::string>{});
}

TEST_F(DropTargetTest, AnswersOnlyForItsOwnInterfaces) {
  void* object = nullptr;
  EXPECT_EQ(target_.Receiver()->QueryInterface(IID_IDropTarget, &object), S_OK);
  static_cast<IUnknown*>(object)->Release();
  EXPECT_EQ(target_.Receiver()->QueryInterface(IID_IUnknown, &object), S_OK);
  static_cast<IUnknown*>(object)->Release();
  EXPECT_EQ(target_.Receiver()->QueryInterface(IID_IDataObject, &object), E_NOINTERFACE);
  EXPECT_EQ(object, nullptr);
}

// Whether a window has a drop receiver registered: a second registration fails.
bool Registered(HWND window, IDropTarget* probe) {
  const HRESULT result = RegisterDragDrop(window, probe);
  if (SUCCEEDED(result)) RevokeDragDrop(window);
  return result == DRAGDROP_E_ALREADYREGISTERED;
}

TEST_F(DropTargetTest, BindsOnceAndUnbindsTheRememberedWindow) {
  OwnedWindow window = MakeTopLevelWindow();
  HWND list = MakeReportList(window.get());
  HWND other = MakeChild(window.get(), "STATIC");
  DropTarget probe{[](const Text&) {}};

  EXPECT_FALSE(target_.Bind(nullptr));  // a failed registration leaves it unbound
  EXPECT_FALSE(target_.IsBound());
  EXPECT_TRUE(target_.Bind(list));
  EXPECT_TRUE(Registered(list, probe.Receiver()));
  EXPECT_FALSE(target_.Bind(other));
  EXPECT_FALSE(Registered(other, probe.Receiver()));

  target_.Unbind();
  EXPECT_FALSE(target_.IsBound());
  EXPECT_FALSE(Registered(list, probe.Receiver()));
  target_.Unbind();  // nothing bound: nothing happens

  {
    DropTarget scoped{[](const Text&) {}};
    ASSERT_TRUE(scoped.Bind(list));
  }
  EXPECT_FALSE(Registered(list, probe.Receiver()));
}

}  // namespace
