// unpaker_progress.cpp -- the installer's progress object.
#include "app/worker/unpaker_progress.h"

#include <cstdio>

#ifdef _WIN32
#include <windows.h>
#else
#include <cstring>
#endif

#include "app/install/install_log.h"
#include "app/worker/install_ui.h"
#include "archive/progress_math.h"
#include "archive/res_unpacker.h"
#include "common/format.h"

namespace ZEPHYRA_NAMESPACE {

YdUnpakerProgress::YdUnpakerProgress(IInstallUi* owner) : owner_(owner) {}

YdUnpakerProgress::~YdUnpakerProgress() = default;

void YdUnpakerProgress::OnPercent(double overall, double /*entry*/) {
  if (owner_ != nullptr) {
    for (int step : InstallStepsForPercent(overall)) owner_->ShowInstallStep(static_cast<unsigned>(step));
  }
  if (cancel_requested_.load()) {
    std::lock_guard<YdMutex> hold(unpacker_lock_);
    if (unpacker_ != nullptr) unpacker_->Cancel();
  }
}

namespace {

std::string SystemErrorText(int error) {
#ifdef _WIN32
  wchar_t* text = nullptr;
  const DWORD length = ::FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
      static_cast<DWORD>(error), 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
  std::wstring message = length != 0 && text != nullptr ? std::wstring(text, length) : std::wstring();
  if (text != nullptr) ::LocalFree(text);
  while (!message.empty() && (message.back() == L'\n' || message.back() == L'\r' || message.back() == L' ')) {
    message.pop_back();
  }
  return LogText(message);
#else
  return std::strerror(error);
#endif
}

}  // namespace

bool YdUnpakerProgress::OnError(const YdErrorRecord& error) {
  const std::string code = FormatText("0x%08X", static_cast<unsigned>(error.code));
  if (error.path == nullptr) {
    LogEvent(std::string("archive error ") + code + " detail " + std::to_string(error.detail1) + " " +
             std::to_string(error.systemError));
  } else {
    LogEvent(std::string("file error ") + code + " " + LogText(std::wstring(error.path->begin(), error.path->end())) +
             ": system error " + std::to_string(error.systemError) + " " + SystemErrorText(error.systemError));
  }
  return false;
}

void YdUnpakerProgress::AttachUnpacker(YdResUnpacker* unpacker) {
  std::lock_guard<YdMutex> hold(unpacker_lock_);
  unpacker_ = unpacker;
}

void YdUnpakerProgress::RequestCancel() {
  cancel_requested_.store(true);
  SetCancelled(true);
  {
    std::lock_guard<YdMutex> hold(unpacker_lock_);
    if (unpacker_ != nullptr) unpacker_->Cancel();
  }
  Pause(false);
}

}  // namespace ZEPHYRA_NAMESPACE
