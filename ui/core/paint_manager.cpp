// paint_manager.cpp -- window binding of the paint manager.
#include "ui/core/paint_manager.h"

namespace ZEPHYRA_NAMESPACE {

YdPaintManager::~YdPaintManager() { ReleaseWindowDC(); }

void YdPaintManager::ReleaseWindowDC() {
  if (window_dc_ != nullptr) ::ReleaseDC(window_, window_dc_);
  window_dc_ = nullptr;
  fonts_.SetMetricsDC(nullptr);
}

void YdPaintManager::Init(HWND window) {
  ReleaseWindowDC();
  window_ = window;
  if (window != nullptr) window_dc_ = ::GetDC(window);
  fonts_.SetMetricsDC(window_dc_);
}

}  // namespace ZEPHYRA_NAMESPACE
