// preview_entry.h -- the skin previewer's run: ZephyraGallery.exe with a
// skin file opens one of its windows, or paints it once into a picture
// file, and reports a skin that cannot be loaded (exit code 1) on the
// console when there is one and in a message box otherwise.
#pragma once

#ifdef _WIN32

#include <string>

#include "common/yd_namespace.h"
#include "tools/gallery/preview_logic.h"

namespace ZEPHYRA_NAMESPACE {

// Runs the previewer for `args` (a skin is named); the controls are
// registered and the skin builder installed by the caller.
int RunPreview(const YdPreviewArgs& args);

// Tells the user why the previewer stops: standard error when it leads
// somewhere, else the console of the starting process, else a message box.
void ReportPreviewFailure(const std::string& message);

}  // namespace ZEPHYRA_NAMESPACE

#endif  // _WIN32
