// preview_logic.h -- the decisions of the skin previewer (ZephyraGallery.exe
// with a skin file): its command line, which <Window> of a skin it opens,
// the size it shows it at, and the picture file --shot writes.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "common/yd_namespace.h"
#include "ui/skin/skin_document.h"

namespace ZEPHYRA_NAMESPACE {

// Exit codes of ZephyraGallery.exe (with or without a skin file).
enum GalleryExitCode : int {
  kGalleryExitOk = 0,          // the window came up (and was closed, or photographed)
  kGalleryExitNoSkin = 1,      // the skin could not be loaded (the reason is reported)
  kGalleryExitNoWindow = 2,    // the window could not be created
  kGalleryExitUsage = 3,       // the command line is not understood
  kGalleryExitNoShot = 4,      // the picture could not be written
};

// ZephyraGallery.exe <skin.xml> [--window NAME] [--shot FILE.bmp]
struct YdPreviewArgs {
  std::u16string skin;                     // empty: the gallery itself
  std::optional<std::u16string> window;    // --window
  std::optional<std::u16string> shot;      // --shot
  std::string error;                       // not empty: the command line is refused
};
YdPreviewArgs ParsePreviewArgs(const std::vector<std::u16string>& args);
extern const char kPreviewUsage[];

// The name of the window to open: `wanted` when given and present, else
// the first <Window> of a "Root" (by its "name"); a root of another name is
// the window itself (an empty name). Nothing, with `reason` set, when the
// skin has no such window.
std::optional<std::u16string> ChoosePreviewWindow(const YdSkinDocument& skin,
                                                  const std::optional<std::u16string>& wanted, std::string* reason);

// The reason a skin file did not load, for the user.
std::string DescribeSkinLoad(YdSkinLoadStatus status, const YdSkinDocument& skin, const std::u16string& path);

// Window sizes the previewer shows: the skin's, each side within 1..4096
// (a skin may ask for any number; no screen and no bitmap is that large).
constexpr int kPreviewMaxSide = 4096;
int PreviewSide(int side);

// A 32-bit BMP file of `width` x `height` pixels given bottom-up, BGRA.
std::vector<uint8_t> EncodeBmp32(const uint32_t* bottomUp, int width, int height);

}  // namespace ZEPHYRA_NAMESPACE
