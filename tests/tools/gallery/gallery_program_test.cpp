// gallery_program_test.cpp -- ZephyraGallery.exe as a process of its own on
// the test display: the pointer clicks through the four tab pages, drags
// the slider, picks from the combo and the menu, and each
// page is photographed from the screen (gallery-*.bmp in the test's build
// folder) and checked by the colours of known controls at the places
// gallery_layout.h gives. The close button ends the program with code 0.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "tests/support/screen_shot.h"
#include "tools/gallery/gallery_layout.h"
#include "tools/gallery/gallery_wnd.h"

namespace ZEPHYRA_NAMESPACE {
namespace {

namespace gl = gallery_layout;

std::wstring GalleryPath() {
  const std::string unix(YD_GALLERY_EXE);
  std::wstring path = L"Z:" + std::wstring(unix.begin(), unix.end());
  for (wchar_t& c : path) {
    if (c == L'/') c = L'\\';
  }
  return path;
}

// Colours may differ by a step or two after the display's conversion.
bool Near(uint32_t a, uint32_t b) {
  for (int shift = 0; shift < 24; shift += 8) {
    if (std::abs(static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF)) > 3) return false;
  }
  return true;
}

std::string Hex(uint32_t c) {
  char text[16];
  std::snprintf(text, sizeof(text), "%06X", static_cast<unsigned>(c));
  return text;
}

// The window's client area as the screen shows it.
using Shot = ScreenShot;

struct FindData {
  DWORD pid;
  HWND found;
};

BOOL CALLBACK FindGallery(HWND hwnd, LPARAM param) {
  auto* data = reinterpret_cast<FindData*>(param);
  DWORD pid = 0;
  ::GetWindowThreadProcessId(hwnd, &pid);
  wchar_t cls[64] = {};
  ::GetClassNameW(hwnd, cls, 64);
  if (pid == data->pid && std::wstring(cls) == kGalleryClassName && ::IsWindowVisible(hwnd)) {
    data->found = hwnd;
    return FALSE;
  }
  return TRUE;
}

class GalleryProgramTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::wstring command = L"\"" + GalleryPath() + L"\"";
    STARTUPINFOW si{};
    si.cb = sizeof(si);
    ASSERT_TRUE(::CreateProcessW(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi_))
        << "cannot start " << std::string(command.begin(), command.end());
    FindData data{pi_.dwProcessId, nullptr};
    for (int i = 0; i < 300 && data.found == nullptr; ++i) {
      ::Sleep(50);
      ::EnumWindows(FindGallery, reinterpret_cast<LPARAM>(&data));
    }
    window_ = data.found;
    ASSERT_NE(window_, nullptr) << "the gallery window did not show";
    ::Sleep(500);  // the first paint
  }
  void TearDown() override {
    if (pi_.hProcess != nullptr) {
      if (::WaitForSingleObject(pi_.hProcess, 0) == WAIT_TIMEOUT) ::TerminateProcess(pi_.hProcess, 99);
      ::CloseHandle(pi_.hProcess);
      ::CloseHandle(pi_.hThread);
    }
  }

  POINT Screen(POINT client) const {
    ::ClientToScreen(window_, &client);
    return client;
  }
  static void Button(DWORD flags) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    ::SendInput(1, &input, sizeof(input));
  }
  void MoveTo(POINT client) {
    WaitUncovered();
    const POINT s = Screen(client);
    ::SetCursorPos(s.x, s.y);
    ::Sleep(60);
  }
  void Click(POINT client) {
    MoveTo(client);
    Button(MOUSEEVENTF_LEFTDOWN);
    ::Sleep(60);
    Button(MOUSEEVENTF_LEFTUP);
    ::Sleep(150);
  }
  // Presses at `from`, moves to `to` in steps and lets go there. The path
  // is fixed on the screen before the press: a dragged window moves under it.
  void Drag(POINT from, POINT to) {
    const POINT a = Screen(from);
    const POINT b = Screen(to);
    MoveTo(from);
    Button(MOUSEEVENTF_LEFTDOWN);
    ::Sleep(80);
    for (int i = 1; i <= 8; ++i) {
      ::SetCursorPos(a.x + (b.x - a.x) * i / 8, a.y + (b.y - a.y) * i / 8);
      ::Sleep(40);
    }
    ::Sleep(100);
    Button(MOUSEEVENTF_LEFTUP);
    ::Sleep(150);
  }
  // Moves the pointer onto an empty part of the page, so that no control
  // shows its hot look in the next shot.
  void Park() { MoveTo({gl::kPageProbe.x - 20, gl::kPageProbe.y - 20}); }
  // Whether the screen shows the gallery (or a popup it owns) at the
  // corners and the centre: windows of tests running at the same time may
  // cover it for a while.
  bool Uncovered() const {
    const POINT probes[] = {{2, 2}, {gl::kWindowSize.cx - 3, 2}, {2, gl::kWindowSize.cy - 3},
                            {gl::kWindowSize.cx - 3, gl::kWindowSize.cy - 3}, gl::Centre(gl::kList)};
    for (POINT p : probes) {
      HWND at = ::WindowFromPoint(Screen(p));
      HWND top = at != nullptr ? ::GetAncestor(at, GA_ROOT) : nullptr;
      while (top != nullptr && top != window_) top = ::GetWindow(top, GW_OWNER);
      if (top != window_) return false;
    }
    return true;
  }
  void WaitUncovered() const {
    for (int i = 0; i < 600 && !Uncovered(); ++i) ::Sleep(100);
  }
  Shot Take() const {
    for (int attempt = 0;; ++attempt) {
      WaitUncovered();
      Shot shot(window_, gl::kWindowSize);
      if (Uncovered() || attempt == 3) return shot;
    }
  }
  // Takes shots until pixel `p` shows `colour` (at most 3 s); the last shot.
  Shot WaitFor(POINT p, uint32_t colour) const {
    for (int i = 0; i < 30; ++i) {
      Shot shot = Take();
      if (Near(shot.At(p), colour)) return shot;
      ::Sleep(100);
    }
    return Take();
  }
  static void Save(const Shot& shot, const char* name) {
    EXPECT_TRUE(shot.Save(std::string("gallery-") + name + ".bmp")) << name;
  }
  static void ExpectColour(const Shot& shot, POINT p, uint32_t colour, const char* what) {
    EXPECT_TRUE(Near(shot.At(p), colour)) << what << " at " << p.x << "," << p.y << " shows " << Hex(shot.At(p))
                                          << " not " << Hex(colour);
  }
  static POINT Offset(const RECT& r, int dx, int dy) { return POINT{r.left + dx, r.top + dy}; }
  static POINT TabCentre(int i) { return gl::Centre(gl::Tab(i)); }

  PROCESS_INFORMATION pi_{};
  HWND window_ = nullptr;
};

TEST_F(GalleryProgramTest, ClicksThroughEveryPageAndClosesWithCodeZero) {
  if (::GetSystemMetrics(SM_CXSCREEN) < gl::kWindowSize.cx) GTEST_SKIP() << "screen too small";
  RECT client{};
  ::GetClientRect(window_, &client);
  ASSERT_EQ(client.right, gl::kWindowSize.cx);
  ASSERT_EQ(client.bottom, gl::kWindowSize.cy);

  // ---- Page 1: buttons and text ----
  Park();  // the pointer may rest where a control shows its hot look
  Shot page = WaitFor(gl::kPageProbe, gl::kPageColours[0]);
  Save(page, "1-buttons");
  ExpectColour(page, {500, 18}, gl::kBlue, "caption bar");
  ExpectColour(page, Offset(gl::kClose, 3, 3), gl::kRed, "close button");
  ExpectColour(page, Offset(gl::Tab(0), 4, 4), gl::kWhite, "selected tab");
  ExpectColour(page, Offset(gl::Tab(1), 4, 4), 0xE6ECF3, "other tab");
  ExpectColour(page, gl::Centre(gl::kSwatch), gl::kPurple, "control");
  ExpectColour(page, Offset(gl::kButton, 4, 4), gl::kBlue, "button");
  ExpectColour(page, Offset(gl::kCheck1, 3, 5), gl::kGreen, "selected check box");
  ExpectColour(page, Offset(gl::kCheck2, 3, 5), gl::kWhite, "clear check box");
  ExpectColour(page, Offset(gl::kRadio1, 3, 5), gl::kGreen, "selected option");
  const int barY = gl::Centre(gl::kProgress).y;
  // The slider starts at 30: the bar is filled to 30 %.
  ExpectColour(page, {gl::kProgress.left + 20, barY}, gl::kGreen, "filled progress");
  ExpectColour(page, {gl::kProgress.left + 84, barY}, gl::kTrack, "progress track past 30 %");
  const POINT circleLeft{gl::kCircle.left + 4, gl::Centre(gl::kCircle).y};  // 75 % of the ring
  EXPECT_FALSE(Near(page.At(circleLeft), gl::kGreen)) << "the ring is filled to 30 % only";

  // The step button advances the bar by 10 %.
  Click(gl::Centre(gl::kStep));
  page = WaitFor({gl::kProgress.left + 84, barY}, gl::kGreen);
  ExpectColour(page, {gl::kProgress.left + 84, barY}, gl::kGreen, "progress after a step");
  ExpectColour(page, {gl::kProgress.left + 110, barY}, gl::kTrack, "progress track past 40 %");

  // Dragging the slider's thumb from 30 to about 80 drives bar and ring.
  const int slideY = gl::Centre(gl::kSlide).y;
  const int travel = (gl::kSlide.right - gl::kSlide.left) - 12;  // the thumb is 12 wide
  const POINT thumb{gl::kSlide.left + 6 + travel * gl::kSlideStart / 100, slideY};
  Drag(thumb, {gl::kSlide.left + 6 + travel * 80 / 100, slideY});
  page = WaitFor({gl::kProgress.left + 180, barY}, gl::kGreen);
  ExpectColour(page, {gl::kProgress.left + 180, barY}, gl::kGreen, "progress after the drag");
  ExpectColour(page, circleLeft, gl::kGreen, "ring after the drag");

  // Options: a check box toggles, the group keeps one selected.
  Click(Offset(gl::kCheck2, 8, 10));
  Click(Offset(gl::kRadio2, 8, 10));
  Park();
  page = WaitFor(Offset(gl::kRadio2, 3, 5), gl::kGreen);
  Save(page, "1-buttons-used");
  ExpectColour(page, Offset(gl::kCheck2, 3, 5), gl::kGreen, "check box after a click");
  ExpectColour(page, Offset(gl::kRadio2, 3, 5), gl::kGreen, "option after a click");
  ExpectColour(page, Offset(gl::kRadio1, 3, 5), gl::kWhite, "the group's other option");

  // ---- Page 2: edits ----
  Click(TabCentre(1));
  page = WaitFor(gl::kPageProbe, gl::kPageColours[1]);
  Save(page, "2-edits");
  ExpectColour(page, gl::kPageProbe, gl::kPageColours[1], "edits page");
  ExpectColour(page, gl::Centre(gl::kEditsMarker), gl::kGreen, "marker below the edits");
  EXPECT_FALSE(Near(page.At(gl::Centre(gl::kSwatch)), gl::kPurple)) << "page 1 is still shown";
  ExpectColour(page, Offset(gl::kEdit, gl::kEdit.right - gl::kEdit.left - 6, 4), gl::kWhite, "edit");

  // ---- Page 3: lists and menus ----
  Click(TabCentre(2));
  page = WaitFor(gl::kPageProbe, gl::kPageColours[2]);
  const POINT row1{gl::kList.right - 12, gl::kList.top + gl::kEntryHeight / 2};
  const POINT row3{gl::kList.right - 12, gl::kList.top + gl::kEntryHeight * 5 / 2};
  ExpectColour(page, row1, gl::kBlueLight, "selected first row");
  Click({gl::kList.left + 40, row3.y});
  page = WaitFor(row3, gl::kBlueLight);
  ExpectColour(page, row3, gl::kBlueLight, "third row after a click");
  EXPECT_FALSE(Near(page.At(row1), gl::kBlueLight)) << "the first row is still selected";

  // The combo's drop box opens below it; its second entry is green.
  ExpectColour(page, gl::Centre(gl::kComboSwatch), gl::kNeutral, "combo swatch before a choice");
  Click(gl::Centre(gl::kCombo));
  ::Sleep(300);
  Save(Take(), "3-combo-open");
  Click({gl::Centre(gl::kCombo).x, gl::kCombo.bottom + gl::kEntryHeight * 3 / 2});
  page = WaitFor(gl::Centre(gl::kComboSwatch), gl::kGreen);
  ExpectColour(page, gl::Centre(gl::kComboSwatch), gl::kGreen, "combo swatch after choosing Green");

  // The menu: its third entry opens a submenu whose first entry is blue.
  Click(gl::Centre(gl::kMenuButton));
  ::Sleep(300);
  const POINT more{gl::kMenuButton.left + 60, gl::kMenuButton.bottom + gl::kEntryHeight * 5 / 2};
  Click(more);
  ::Sleep(300);
  Save(Take(), "3-submenu-open");
  Click({gl::kMenuButton.right + 60, more.y});
  page = WaitFor(gl::Centre(gl::kMenuSwatch), gl::kBlue);
  Save(page, "3-lists");
  ExpectColour(page, gl::Centre(gl::kMenuSwatch), gl::kBlue, "menu swatch after choosing Blue");

  // ---- Page 4: pictures and windows ----
  Click(TabCentre(3));
  page = WaitFor(gl::kPageProbe, gl::kPageColours[3]);
  ::Sleep(600);  // the draw window copies the native button on its timer
  page = Take();
  Save(page, "4-pictures");
  ExpectColour(page, Offset(gl::kPicture, 10, 10), gl::kRed, "picture, top left quarter");
  ExpectColour(page, Offset(gl::kPicture, 86, 86), gl::kYellow, "picture, bottom right quarter");
  ExpectColour(page, Offset(gl::kAdvert, 8, 8), gl::kAmber, "advert");
  ExpectColour(page, Offset(gl::kWndControl, 4, 4), gl::kSky, "window control's own window");
  // The placeholder holds a native button; the draw window shows its copy,
  // stretched from 160 x 28 to 200 x 60.
  HWND native = ::FindWindowExW(window_, nullptr, L"Button", nullptr);
  ASSERT_NE(native, nullptr);
  EXPECT_TRUE(::IsWindowVisible(native));
  const POINT inButton = Offset(gl::kPlaceholder, 40, 6);
  const POINT inCopy = Offset(gl::kDrawWnd, 50, 6 * 60 / 28);
  EXPECT_FALSE(Near(page.At(inCopy), gl::kTrack)) << "the draw window shows no copy";
  ExpectColour(page, inCopy, page.At(inButton), "copy of the native button");
  // The banner shows one page of three and moves on every second.
  const POINT inBanner = gl::Centre(gl::kBanner);
  const uint32_t first = page.At(inBanner);
  EXPECT_TRUE(Near(first, gl::kRed) || Near(first, gl::kGreen) || Near(first, gl::kBlue)) << Hex(first);
  bool moved = false;
  for (int i = 0; i < 30 && !moved; ++i) {
    ::Sleep(100);
    moved = !Near(Take().At(inBanner), first);
  }
  EXPECT_TRUE(moved) << "the banner stays on one page";

  // The close button ends the program normally.
  Click(Offset(gl::kClose, 14, 14));
  ASSERT_EQ(::WaitForSingleObject(pi_.hProcess, 10000), WAIT_OBJECT_0) << "the gallery did not end";
  DWORD code = 1234;
  ::GetExitCodeProcess(pi_.hProcess, &code);
  EXPECT_EQ(code, 0u);
}

// A drag on the caption bar moves the window by the pointer's way; once the
// button is up the window stays where it is while the pointer moves on,
// and the close button then takes its click. (The drag outlasts the
// mouse-leave polling of the window system, so a capture released by the
// faked button-up of a mouse-leave would keep the window following.)
TEST_F(GalleryProgramTest, CaptionDragMovesTheWindowAndClicksStillWork) {
  if (::GetSystemMetrics(SM_CXSCREEN) < gl::kWindowSize.cx + 60) GTEST_SKIP() << "screen too small";
  ::Sleep(300);
  RECT before{};
  ::GetWindowRect(window_, &before);
  Drag({500, 18}, {540, 48});
  RECT after{};
  ::GetWindowRect(window_, &after);
  // The window system's move loop may take the first step as the start of
  // the drag: the window follows the pointer to within that step.
  EXPECT_NEAR(after.left - before.left, 40, 6);
  EXPECT_NEAR(after.top - before.top, 30, 5);

  // With the button up, moving the pointer leaves the window in place.
  const POINT away = Screen({gl::kPageProbe.x - 20, gl::kPageProbe.y - 20});
  ::SetCursorPos(away.x, away.y);
  ::Sleep(150);
  ::SetCursorPos(away.x + 30, away.y + 10);
  ::Sleep(600);  // longer than the mouse-leave polling
  RECT rested{};
  ::GetWindowRect(window_, &rested);
  EXPECT_EQ(rested.left, after.left) << "the window still follows the pointer";
  EXPECT_EQ(rested.top, after.top) << "the window still follows the pointer";
  ::Sleep(300);
  Save(Take(), "5-moved");

  Click(Offset(gl::kClose, 14, 14));
  ASSERT_EQ(::WaitForSingleObject(pi_.hProcess, 10000), WAIT_OBJECT_0) << "the gallery did not end";
}

}  // namespace
}  // namespace ZEPHYRA_NAMESPACE
