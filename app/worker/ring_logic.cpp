// ring_logic.cpp -- image descriptors and texts of the progress page.
#include "app/worker/ring_logic.h"

#include "common/format.h"

namespace ZEPHYRA_NAMESPACE {

const wchar_t kCompletionText[] = L"安装完成，马上开启WiFi...";
const wchar_t kInstallFailedText[] = L"安装失败：无法释放安装文件";

namespace {

std::wstring RingDescriptor(int resource) {
  return L"res='" + WideDecimal(resource) + L"' restype='PNG' source='0,0,140,140' dest='0,0,140,140'";
}

}  // namespace

bool IsRingStep(unsigned step) { return step >= kFirstRingStep && step <= kLastRingStep; }

std::wstring RingImageForStep(unsigned step) {
  if (!IsRingStep(step)) return std::wstring();
  return RingDescriptor(static_cast<int>(step) + 219);
}

std::vector<std::wstring> CompletionFrames() {
  std::vector<std::wstring> frames;
  for (int resource : {232, 233, 234, 235, 211, 212, 213, 214}) frames.push_back(RingDescriptor(resource));
  return frames;
}

}  // namespace ZEPHYRA_NAMESPACE
