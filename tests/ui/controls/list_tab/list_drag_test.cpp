// list_drag_test.cpp -- a real drag of a list row under the window system:
// the display's pointer is driven with SendInput from a helper thread
// (press on the row, move past the drag distance, over a second window
// registered with RegisterDragDrop, release or press Escape) while the test
// thread pumps messages and the list runs DoDragDrop. Checked: the drop
// target sees the row's text and name, the list's notifications before and
// after carry the offered and the chosen effect, Escape cancels, and the
// window lets go of the press afterwards without a click.
#include <ole2.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "tests/ui/controls/list_tab/skin_fixture.h"
#include "ui/control/control_state.h"
#include "ui/controls/list_tab/data_object.h"
#include "ui/controls/list_tab/list.h"
#include "ui/controls/list_tab/list_element.h"

namespace ZEPHYRA_NAMESPACE {
namespace test {
namespace {

// A drop target that records what it is told and takes text as a copy.
class RecordingTarget final : public IDropTarget {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDropTarget)) {
      *out = static_cast<IDropTarget*>(this);
      AddRef();
      return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(++refs); }
  ULONG STDMETHODCALLTYPE Release() override { return static_cast<ULONG>(--refs); }
  HRESULT STDMETHODCALLTYPE DragEnter(IDataObject* data, DWORD, POINTL, DWORD* effect) override {
    events.push_back(L"enter");
    FORMATETC f{CF_UNICODETEXT, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
    accept = data->QueryGetData(&f) == S_OK;
    *effect = accept ? DROPEFFECT_COPY : DROPEFFECT_NONE;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE DragOver(DWORD, POINTL, DWORD* effect) override {
    ++overs;
    *effect = accept ? DROPEFFECT_COPY : DROPEFFECT_NONE;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE DragLeave() override {
    events.push_back(L"leave");
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE Drop(IDataObject* data, DWORD, POINTL, DWORD* effect) override {
    events.push_back(L"drop");
    text = Read(data, CF_UNICODETEXT);
    name = Read(data, ListElementFormat());
    *effect = accept ? DROPEFFECT_COPY : DROPEFFECT_NONE;
    return S_OK;
  }
  static std::wstring Read(IDataObject* data, CLIPFORMAT format) {
    FORMATETC f{format, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
    STGMEDIUM m{};
    if (data->GetData(&f, &m) != S_OK) return L"<none>";
    const auto* p = static_cast<const wchar_t*>(::GlobalLock(m.hGlobal));
    std::wstring s = p != nullptr ? p : L"<unlocked>";
    ::GlobalUnlock(m.hGlobal);
    ::ReleaseStgMedium(&m);
    return s;
  }

  std::atomic<long> refs{1};
  std::vector<std::wstring> events;
  int overs = 0;
  bool accept = false;
  std::wstring text, name;
};

// Input steps for the helper thread, in screen pixels.
void MoveTo(POINT pt) {
  const int w = ::GetSystemMetrics(SM_CXSCREEN), h = ::GetSystemMetrics(SM_CYSCREEN);
  INPUT in{};
  in.type = INPUT_MOUSE;
  in.mi.dx = static_cast<LONG>((pt.x * 65535 + (w - 1) / 2) / (w - 1));
  in.mi.dy = static_cast<LONG>((pt.y * 65535 + (h - 1) / 2) / (h - 1));
  in.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  ::SendInput(1, &in, sizeof(in));
  ::Sleep(40);
}
void Button(bool down) {
  INPUT in{};
  in.type = INPUT_MOUSE;
  in.mi.dwFlags = down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
  ::SendInput(1, &in, sizeof(in));
  ::Sleep(60);
}
void Escape() {
  INPUT in[2] = {};
  in[0].type = in[1].type = INPUT_KEYBOARD;
  in[0].ki.wVk = in[1].ki.wVk = VK_ESCAPE;
  in[1].ki.dwFlags = KEYEVENTF_KEYUP;
  ::SendInput(2, in, sizeof(INPUT));
  ::Sleep(60);
}

LRESULT CALLBACK PlainProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  return ::DefWindowProcW(hwnd, msg, wParam, lParam);
}

const wchar_t kDragSkin[] = LR"(<?xml version="1.0" encoding="utf-8"?>
<Window size="300,200">
  <HorizontalLayout>
    <List name="list" width="150" drag="true" defaultelementheight="24">
      <ListElement name="row0" text="First row" />
      <ListElement name="row1" text="Second row" />
    </List>
  </HorizontalLayout>
</Window>)";

class ListDragTest : public ListTabSkinTest {
 protected:
  void SetUp() override {
    ole_ = ::OleInitialize(nullptr);
    ASSERT_TRUE(SUCCEEDED(ole_));
    ASSERT_NE(Build(kDragSkin), nullptr);
    row_ = Named<YdListElement>(L"row1", kKindListElement);
    ASSERT_NE(row_, nullptr);
    WNDCLASSW wc{};
    wc.lpfnWndProc = PlainProc;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.lpszClassName = L"ZephyraDropTargetTest";
    ::RegisterClassW(&wc);
    // Both windows away from the spot where the other window tests put
    // theirs (40,40), and above every other window, so that the pointer
    // meets these two only.
    ::SetWindowPos(window_->hwnd(), HWND_TOPMOST, 700, 420, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
    target_window_ = ::CreateWindowExW(WS_EX_TOPMOST, wc.lpszClassName, L"target", WS_POPUP | WS_VISIBLE, 420,
                                       420, 200, 150, nullptr, nullptr, wc.hInstance, nullptr);
    ASSERT_NE(target_window_, nullptr);
    ASSERT_EQ(::RegisterDragDrop(target_window_, &target_), S_OK);
    listener_.onNotify = [this](YdNotifyMsg& msg) {
      if (msg.type == kNotifyListDrag) drag_notes_.push_back({msg.wParam, msg.lParam});
    };
  }
  void TearDown() override {
    if (target_window_ != nullptr) {
      ::RevokeDragDrop(target_window_);
      ::DestroyWindow(target_window_);
    }
    ListTabSkinTest::TearDown();
    if (SUCCEEDED(ole_)) ::OleUninitialize();
  }
  POINT RowOnScreen() {
    const RECT r = row_->GetPosition();
    POINT pt{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    ::ClientToScreen(window_->hwnd(), &pt);
    return pt;
  }
  // Runs `input` on a helper thread while this thread pumps messages until
  // the input is done and, when a drag is expected, the drag has ended (the
  // list's second notification); 10 s at most.
  void Drive(void (*input)(POINT from, POINT to), bool expectDrag = true) {
    const POINT from = RowOnScreen();
    RECT t{};
    ::GetWindowRect(target_window_, &t);
    const POINT to{(t.left + t.right) / 2, (t.top + t.bottom) / 2};
    std::atomic<bool> finished{false};
    std::thread helper([&] {
      input(from, to);
      finished = true;
    });
    PumpUntil([&] { return finished && (!expectDrag || drag_notes_.size() >= 2); }, 10000);
    helper.join();
  }

  HRESULT ole_ = E_FAIL;
  YdListElement* row_ = nullptr;
  HWND target_window_ = nullptr;
  RecordingTarget target_;
  struct DragNote {
    WPARAM wParam;
    LPARAM lParam;
  };
  std::vector<DragNote> drag_notes_;
};

// Press on the row, pass the drag distance, travel to `to`.
void PressAndDrag(POINT from, POINT to) {
  MoveTo(from);
  Button(true);
  for (int dx = 2; dx <= 12; dx += 2) MoveTo({from.x + dx, from.y});
  ::Sleep(300);  // the drag loop starts
  for (int step = 1; step <= 6; ++step) {
    MoveTo({from.x + (to.x - from.x) * step / 6, from.y + (to.y - from.y) * step / 6});
  }
  MoveTo({to.x + 3, to.y});
  ::Sleep(300);
}

TEST_F(ListDragTest, DroppingOnATargetHandsOverTheRow) {
  Drive([](POINT from, POINT to) {
    PressAndDrag(from, to);
    Button(false);
  });
  ASSERT_EQ(drag_notes_.size(), 2u) << "the drag did not start and end";
  EXPECT_EQ(drag_notes_[0].wParam, 0u);
  EXPECT_EQ(drag_notes_[0].lParam, static_cast<LPARAM>(DROPEFFECT_COPY | DROPEFFECT_MOVE));
  EXPECT_EQ(drag_notes_[1].wParam, 1u);
  EXPECT_EQ(drag_notes_[1].lParam, static_cast<LPARAM>(DROPEFFECT_COPY));
  EXPECT_EQ(target_.events, (std::vector<std::wstring>{L"enter", L"drop"}));
  EXPECT_GT(target_.overs, 0);
  EXPECT_EQ(target_.text, L"Second row");
  EXPECT_EQ(target_.name, L"row1");
  // The window let go of the row, and the drag was not a click.
  EXPECT_EQ(manager_->GetPushedControl(), nullptr);
  EXPECT_FALSE(manager_->IsDragInProgress());
  EXPECT_FALSE(manager_->IsMouseCaptured());  // the cursor is the controls' again
  EXPECT_EQ(row_->GetStateBits() & (kStatePushed | kStateCaptured), 0);
  EXPECT_FALSE(row_->IsSelected());
}

TEST_F(ListDragTest, EscapeCancelsTheDrag) {
  Drive([](POINT from, POINT to) {
    PressAndDrag(from, to);
    Escape();
    Button(false);
  });
  ASSERT_EQ(drag_notes_.size(), 2u) << "the drag did not start and end";
  EXPECT_EQ(drag_notes_[1].wParam, 1u);
  EXPECT_EQ(drag_notes_[1].lParam, static_cast<LPARAM>(DROPEFFECT_NONE));
  EXPECT_EQ(target_.events, (std::vector<std::wstring>{L"enter", L"leave"}));
  EXPECT_TRUE(target_.text.empty());
  EXPECT_EQ(manager_->GetPushedControl(), nullptr);
  EXPECT_FALSE(row_->IsSelected());
}

TEST_F(ListDragTest, NoDragWithoutTheListsKeyOrWithinTheDistance) {
  // Within the drag distance: a plain click that selects.
  Drive([](POINT from, POINT) {
    MoveTo(from);
    Button(true);
    MoveTo({from.x + 1, from.y});
    Button(false);
  }, false);
  EXPECT_TRUE(drag_notes_.empty());
  EXPECT_TRUE(row_->IsSelected());
  // "drag" off: moving far is no drag either.
  Named<YdList>(L"list", kKindList)->ApplyAttribute(L"drag", L"false");
  Drive([](POINT from, POINT to) {
    MoveTo(from);
    Button(true);
    MoveTo({from.x + 30, from.y});
    MoveTo(to);
    Button(false);
  }, false);
  EXPECT_TRUE(drag_notes_.empty());
  EXPECT_TRUE(target_.events.empty());
}

}  // namespace
}  // namespace test
}  // namespace ZEPHYRA_NAMESPACE
