// advert.h -- YdAdvert (element "Advert"): an advertising panel. It acts as
// one piece: its children only make up the picture, so a click anywhere on
// it is the advert's own (notification 2 from the advert, hot and pushed
// states on the advert), and showing or hiding it shows or hides every
// child with it.
#pragma once

#include <windows.h>

#include "common/yd_namespace.h"
#include "ui/controls/containers/container.h"

namespace ZEPHYRA_NAMESPACE {

class YdAdvert : public YdContainer {
 public:
  int GetKind() const override { return kKindAdvert; }
  YdControl* QueryKind(int kind) override;
  YdControl* FindMatching(YdFindProc proc, void* data, unsigned flags) override;
  void SetVisible(bool visible) override;
  // Number of times the advert was activated (clicked) since it was made.
  int GetActivationCount() const { return activations_; }
  bool Activate(YdEvent& event) override;

 private:
  int activations_ = 0;
};

}  // namespace ZEPHYRA_NAMESPACE
