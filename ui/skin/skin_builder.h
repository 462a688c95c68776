// skin_builder.h -- the skin builder as the window base sees it: an
// ISkinBuilder whose BuildWindow runs YdXmlParse, and the one call that
// installs it as the process-wide default so that every YdWindowImplBase
// window builds its control tree from its skin.
#pragma once

#ifdef _WIN32

#include "common/yd_namespace.h"
#include "ui/window/window_impl_base.h"

namespace ZEPHYRA_NAMESPACE {

class YdXmlSkinBuilder : public ISkinBuilder {
 public:
  YdControl* BuildWindow(const YdSkinSource& skin, YdPaintManager& manager) override;
  YdControl* BuildWindowPart(const YdWindowControlInfo& part, YdPaintManager& manager) override;
};

// Installs one YdXmlSkinBuilder (living for the whole process) as the
// default builder of every skinned window and returns it.
ISkinBuilder* InstallXmlSkinBuilder();

}  // namespace ZEPHYRA_NAMESPACE

#endif  // _WIN32
