// notes.h -- the notification recorder of the window tests: a listener that
// logs every notification a paint manager or a menu raises (type, sender,
// both parameters, point, which listener heard it) for the test to read.
#pragma once

#include <windows.h>

#include <functional>
#include <utility>
#include <vector>

#include "common/yd_namespace.h"
#include "ui/manager/ui_messages.h"

namespace ZEPHYRA_NAMESPACE {

class YdControl;

namespace test {

struct Noted {
  int type;
  YdControl* sender;
  WPARAM wParam;
  LPARAM lParam;
  POINT point;
  int listener;
};

// A note as (sender, wParam), the form most checks compare.
using Pair = std::pair<YdControl*, WPARAM>;

class RecordingListener : public INotify {
 public:
  // Logs into its own `notes`.
  RecordingListener() : log_(&notes) {}
  // Logs into `log`, which other listeners may share; `tag` tells them apart.
  RecordingListener(std::vector<Noted>* log, int tag) : log_(log), tag_(tag) {}
  RecordingListener(const RecordingListener&) = delete;
  RecordingListener& operator=(const RecordingListener&) = delete;

  void Notify(YdNotifyMsg& msg) override {
    log_->push_back({msg.type, msg.sender, msg.wParam, msg.lParam, msg.point, tag_});
    if (onNotify) onNotify(msg);
  }
  // The logged notes of `type`, in order.
  std::vector<Noted> Of(int type) const {
    std::vector<Noted> out;
    for (const Noted& n : *log_) {
      if (n.type == type) out.push_back(n);
    }
    return out;
  }
  // The same as (sender, wParam) pairs.
  std::vector<Pair> PairsOf(int type) const {
    std::vector<Pair> out;
    for (const Noted& n : *log_) {
      if (n.type == type) out.emplace_back(n.sender, n.wParam);
    }
    return out;
  }

  std::vector<Noted> notes;
  // Called after each note is logged.
  std::function<void(YdNotifyMsg&)> onNotify;

 private:
  std::vector<Noted>* log_;
  int tag_ = 1;
};

}  // namespace test
}  // namespace ZEPHYRA_NAMESPACE
