// banner.h -- YdBanner (element "Banner"): a carousel. One child is visible
// at a time; every "intervaltime" milliseconds (control timer 10, default
// 3000) the next child is shown and the current one hidden, cyclically, and
// the banner lays itself out again. While the pointer rests on the banner
// (the window's last mouse point lies inside it) the cycle pauses: ticks
// pass without a step, so a reader is not cut off; leaving resumes it.
// An "intervaltime" of 0, a negative one or one that is no number keeps
// the default, so no timer ever runs flat out. YdBannerItem is a page the banner makes
// itself (AddItem): a click on it raises notification 2, and any command
// code it receives becomes a notification (the known animation ends as the
// control base maps them, every other code as 35 with wParam = the code).
#pragma once

#include <windows.h>

#include <string>

#include "common/yd_namespace.h"
#include "ui/controls/containers/container.h"

namespace ZEPHYRA_NAMESPACE {

constexpr int kBannerTimerId = 10;
constexpr UINT kBannerDefaultIntervalMs = 3000;

class YdBannerItem : public YdControl {
 public:
  void RaiseCommandNotify(int kind) override;
};

class YdBanner : public YdContainer {
 public:
  ~YdBanner() override;
  int GetKind() const override { return kKindBanner; }
  YdControl* QueryKind(int kind) override;
  void ApplyAttribute(const std::wstring& key, const std::wstring& value) override;
  const YdAttributeTable& Attributes() const override { return AttributeTable(); }
  // The banner's own key; its base is the container's table.
  static const YdAttributeTable& AttributeTable();
  void Initialize() override;
  void OnTimer(YdEvent& event) override;
  void SetManager(YdPaintManager* manager) override;

  // A new page with the attribute list `attributes`, added last.
  YdBannerItem* AddItem(const std::wstring& attributes);
  // Shows child `index` alone; false when there is no such child.
  bool ShowPage(int index);
  // The next page (after the last, the first).
  void ShowNext();
  int GetCurrentPage() const { return current_; }
  UINT GetInterval() const { return interval_; }
  // Changes the interval (0 keeps the default); a running cycle restarts.
  void SetInterval(UINT ms);
  bool IsCycling() const { return cycling_; }
  // The pointer is over the banner: the cycle holds.
  bool IsPaused() const;

 private:
  void StartCycle();
  void StopCycle();

  UINT interval_ = kBannerDefaultIntervalMs;
  int current_ = 0;
  bool cycling_ = false;
};

}  // namespace ZEPHYRA_NAMESPACE
