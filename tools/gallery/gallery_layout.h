// gallery_layout.h -- where the gallery skin puts the controls that the
// gallery's tests look at, in client coordinates of the 720 x 480 window,
// and the colours they show there. The skin fixes every size, so these
// places follow from it; the in-process test checks them against the built
// tree, the screenshot test then finds the controls on the screen by them.
#pragma once

#ifdef _WIN32

#include <windows.h>

#include <cstdint>

#include "common/yd_namespace.h"

namespace ZEPHYRA_NAMESPACE {
namespace gallery_layout {

constexpr SIZE kWindowSize{720, 480};
constexpr int kCaptionHeight = 36;
constexpr RECT kClose{688, 4, 716, 32};
// Tab i (0..3) and the page it selects.
constexpr int kTabWidth = 170;
constexpr RECT Tab(int i) { return RECT{i * kTabWidth, 36, i * kTabWidth + kTabWidth, 70}; }
constexpr int kPageIds[4] = {11, 12, 13, 14};
// A point of every page that only the page's own background covers, and
// the four backgrounds (0xRRGGBB).
constexpr POINT kPageProbe{710, 470};
constexpr uint32_t kPageColours[4] = {0xFFFFFF, 0xF7FBF4, 0xFBF7F4, 0xF4F4FB};

// Page 1: buttons and text.
constexpr RECT kSwatch{16, 82, 56, 122};
constexpr RECT kButton{272, 88, 368, 116};
constexpr RECT kStep{380, 88, 476, 116};
constexpr RECT kCheck1{16, 132, 126, 152};
constexpr RECT kCheck2{138, 132, 248, 152};
constexpr RECT kRadio1{260, 132, 340, 152};
constexpr RECT kRadio2{352, 132, 432, 152};
constexpr RECT kProgress{16, 178, 256, 194};
constexpr RECT kCircle{268, 162, 316, 210};
constexpr RECT kSlide{328, 176, 528, 196};
constexpr int kSlideStart = 30;  // the slider's value in the skin

// Page 2: the edits, and a marker block below them.
constexpr RECT kEdit{148, 82, 388, 110};
constexpr RECT kEditsMarker{16, 282, 56, 322};

// Page 3: lists and menus.
constexpr RECT kList{16, 82, 216, 282};
constexpr RECT kCombo{240, 82, 400, 110};
constexpr RECT kComboSwatch{412, 82, 440, 110};
constexpr RECT kMenuButton{240, 122, 400, 150};
constexpr RECT kMenuSwatch{412, 122, 440, 150};
constexpr int kEntryHeight = 24;  // combo, menu and list entries

// Page 4: pictures and windows.
constexpr RECT kPicture{16, 82, 112, 178};
constexpr RECT kPicExtend{128, 82, 288, 178};
constexpr RECT kBanner{304, 82, 464, 178};
constexpr RECT kAdvert{480, 82, 640, 178};
constexpr RECT kDrawWnd{132, 190, 332, 250};
constexpr RECT kPlaceholder{464, 206, 624, 234};
constexpr RECT kWndControl{132, 262, 372, 342};
constexpr RECT kActiveX{388, 262, 528, 342};
constexpr RECT kWebBrowser{544, 262, 684, 342};

// Colours (0xRRGGBB) of the skin and its images.
constexpr uint32_t kBlue = 0x2F80ED;
constexpr uint32_t kBlueLight = 0x56A0F5;
constexpr uint32_t kGreen = 0x27AE60;
constexpr uint32_t kRed = 0xEB5757;
constexpr uint32_t kAmber = 0xF2994A;
constexpr uint32_t kYellow = 0xF2C94C;
constexpr uint32_t kPurple = 0x8E44AD;
constexpr uint32_t kWhite = 0xFFFFFF;
constexpr uint32_t kTrack = 0xCBD3DE;
constexpr uint32_t kNeutral = 0x828282;
constexpr uint32_t kSky = 0x56CCF2;

constexpr POINT Centre(const RECT& r) { return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

}  // namespace gallery_layout
}  // namespace ZEPHYRA_NAMESPACE

#endif  // _WIN32
