// launch_bench.cpp -- launch-to-first-paint of the setup against a bare
// Win32 window, and the setup's peak working set through a full install.
//
//   launch_bench SETUP.exe BARE.exe [RUNS]
//
// Both programs are started the same way (CreateProcessW from here, the
// same Wine session), alternating, RUNS times each. The clock starts before
// CreateProcessW and stops when the screen under the program's 500x280
// window first differs from what was there before the launch: the first
// frame the user sees. Prints each median and their ratio, and the median
// of the ratios of the two launches of each round: those ran back to back,
// so a change of the machine's load during the run moves it less; and the
// fastest launch of each with their ratio, the launches that other work on
// the machine delayed least. Each setup launch starts without the log of
// the launches before it, as a first run does. Then one interactive
// install: the install button is clicked once the wizard is painted, and
// the setup's peak working set is sampled until it exits.
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/install/install_log.h"

namespace {

constexpr int kWidth = 500;
constexpr int kHeight = 280;

double NowMs() {
  static LARGE_INTEGER frequency = [] {
    LARGE_INTEGER f;
    ::QueryPerformanceFrequency(&f);
    return f;
  }();
  LARGE_INTEGER now;
  ::QueryPerformanceCounter(&now);
  return 1000.0 * static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// The screen's pixels, 32 bits each, top-down.
class ScreenShot {
 public:
  ScreenShot() : width_(::GetSystemMetrics(SM_CXSCREEN)), height_(::GetSystemMetrics(SM_CYSCREEN)) {
    pixels_.resize(static_cast<size_t>(width_) * height_);
  }
  bool Take(const RECT& area) {
    HDC screen = ::GetDC(nullptr);
    HDC memory = ::CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width_;
    info.bmiHeader.biHeight = -height_;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HBITMAP dib = ::CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    bool ok = false;
    if (dib != nullptr) {
      HGDIOBJ old = ::SelectObject(memory, dib);
      ok = ::BitBlt(memory, area.left, area.top, area.right - area.left, area.bottom - area.top, screen,
                    area.left, area.top, SRCCOPY) != FALSE;
      ::GdiFlush();
      if (ok) {
        const auto* from = static_cast<const uint32_t*>(bits);
        for (LONG y = area.top; y < area.bottom; ++y) {
          std::copy(from + y * width_ + area.left, from + y * width_ + area.right,
                    pixels_.begin() + y * width_ + area.left);
        }
      }
      ::SelectObject(memory, old);
      ::DeleteObject(dib);
    }
    ::DeleteDC(memory);
    ::ReleaseDC(nullptr, screen);
    return ok;
  }
  RECT Whole() const { return RECT{0, 0, width_, height_}; }
  // Share of the pixels in `area` (sampled every 4th in both directions)
  // that differ from `other` by more than a little in any channel.
  double ChangedShare(const ScreenShot& other, const RECT& area) const {
    int changed = 0, total = 0;
    for (LONG y = area.top; y < area.bottom; y += 4) {
      for (LONG x = area.left; x < area.right; x += 4) {
        const uint32_t a = pixels_[y * width_ + x], b = other.pixels_[y * width_ + x];
        bool differs = false;
        for (int shift = 0; shift < 24; shift += 8) {
          differs |= std::abs(static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF)) > 8;
        }
        changed += differs ? 1 : 0;
        ++total;
      }
    }
    return total == 0 ? 0.0 : static_cast<double>(changed) / total;
  }

 private:
  LONG width_, height_;
  std::vector<uint32_t> pixels_;
};

struct FindArgs {
  DWORD pid;
  HWND found;
};

BOOL CALLBACK FindMainWindow(HWND hwnd, LPARAM param) {
  auto* args = reinterpret_cast<FindArgs*>(param);
  DWORD pid = 0;
  ::GetWindowThreadProcessId(hwnd, &pid);
  RECT rc{};
  if (pid == args->pid && ::IsWindowVisible(hwnd) && ::GetWindowRect(hwnd, &rc) &&
      rc.right - rc.left == kWidth && rc.bottom - rc.top == kHeight) {
    args->found = hwnd;
    return FALSE;
  }
  return TRUE;
}

HWND MainWindowOf(DWORD pid) {
  FindArgs args{pid, nullptr};
  ::EnumWindows(FindMainWindow, reinterpret_cast<LPARAM>(&args));
  return args.found;
}

class Launched {
 public:
  explicit Launched(const std::wstring& program) {
    std::wstring command = L"\"" + program + L"\"";
    STARTUPINFOW si{};
    si.cb = sizeof(si);
    started_ = ::CreateProcessW(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si,
                                &pi_) != FALSE;
  }
  ~Launched() {
    if (!started_) return;
    if (::WaitForSingleObject(pi_.hProcess, 0) == WAIT_TIMEOUT) ::TerminateProcess(pi_.hProcess, 99);
    ::WaitForSingleObject(pi_.hProcess, 10000);
    ::CloseHandle(pi_.hThread);
    ::CloseHandle(pi_.hProcess);
  }
  bool Started() const { return started_; }
  bool Running() const { return ::WaitForSingleObject(pi_.hProcess, 0) == WAIT_TIMEOUT; }
  DWORD Pid() const { return pi_.dwProcessId; }
  HANDLE Process() const { return pi_.hProcess; }

 private:
  PROCESS_INFORMATION pi_{};
  bool started_ = false;
};

// Milliseconds from the launch to the first painted frame of the program's
// window (negative when it did not paint within 15 s); `window` gets it.
double TimeToFirstPaint(const Launched& program, double start, const ScreenShot& before, HWND* window) {
  ScreenShot now;
  while (program.Running() && NowMs() - start < 15000) {
    const HWND hwnd = MainWindowOf(program.Pid());
    RECT rc{};
    if (hwnd != nullptr && ::GetWindowRect(hwnd, &rc) && now.Take(rc) && now.ChangedShare(before, rc) > 0.5) {
      *window = hwnd;
      return NowMs() - start;
    }
    ::Sleep(1);
  }
  return -1.0;
}

// Waits (at most 2 s) until the screen in `area` shows what `before` showed
// there: an ended program's window can stay on the display for a moment.
void WaitUntilRestored(const ScreenShot& before, const RECT& area) {
  if (area.right <= area.left || area.bottom <= area.top) return;
  ScreenShot now;
  const double start = NowMs();
  while (NowMs() - start < 2000) {
    if (now.Take(area) && now.ChangedShare(before, area) < 0.02) return;
    ::Sleep(5);
  }
}

// Launches, measures, ends the program, and waits until its window has left
// the screen: a window of the last launch still shown when the next launch
// takes its "before" would hide the next first frame, or its going away
// would be taken for that frame.
double LaunchOnce(const std::wstring& program) {
  ScreenShot before;
  before.Take(before.Whole());
  double ms = -1.0;
  RECT area{};
  {
    const double start = NowMs();
    Launched launched(program);
    if (!launched.Started()) return -1.0;
    HWND window = nullptr;
    ms = TimeToFirstPaint(launched, start, before, &window);
    if (window != nullptr) ::GetWindowRect(window, &area);
  }  // the program ends here
  WaitUntilRestored(before, area);
  return ms;
}

// Removes the setup's log from the temporary folder, so that each launch
// starts as a user's first run does. Hundreds of launches would otherwise
// grow it to the size from which every start trims it, a cost no user's
// start pays on every run.
void RemoveSetupLog() {
  wchar_t temp[MAX_PATH + 1] = {};
  const DWORD length = ::GetTempPathW(MAX_PATH + 1, temp);
  if (length == 0 || length > MAX_PATH) return;
  ::DeleteFileW((std::wstring(temp, length) + ZEPHYRA_NAMESPACE::kInstallLogName).c_str());
}

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v.empty() ? 0.0 : v[v.size() / 2];
}

// Starts the setup, clicks its install button once the wizard is painted and
// samples the peak working set until the setup exits. Bytes, 0 on failure.
SIZE_T PeakWorkingSetThroughInstall(const std::wstring& setup, int* exitCode) {
  ScreenShot before;
  before.Take(before.Whole());
  Launched launched(setup);
  if (!launched.Started()) return 0;
  HWND wizard = nullptr;
  if (TimeToFirstPaint(launched, NowMs(), before, &wizard) < 0) return 0;
  ::Sleep(300);
  const LPARAM at = MAKELPARAM(250, 233);
  ::PostMessageW(wizard, WM_MOUSEMOVE, 0, at);
  ::PostMessageW(wizard, WM_LBUTTONDOWN, MK_LBUTTON, at);
  ::PostMessageW(wizard, WM_LBUTTONUP, 0, at);
  SIZE_T peak = 0;
  const double start = NowMs();
  while (launched.Running() && NowMs() - start < 120000) {
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof(counters);
    if (::GetProcessMemoryInfo(launched.Process(), &counters, sizeof(counters))) {
      peak = std::max(peak, counters.PeakWorkingSetSize);
    }
    ::Sleep(5);
  }
  DWORD code = 0;
  ::WaitForSingleObject(launched.Process(), 10000);
  ::GetExitCodeProcess(launched.Process(), &code);
  *exitCode = static_cast<int>(code);
  return peak;
}

std::wstring Widen(const char* s) {
  const int n = ::MultiByteToWideChar(CP_UTF8, 0, s, -1, nullptr, 0);
  std::wstring out(n > 0 ? n - 1 : 0, L'\0');
  if (n > 1) ::MultiByteToWideChar(CP_UTF8, 0, s, -1, &out[0], n);
  return out;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: launch_bench SETUP.exe BARE.exe [RUNS]\n");
    return 2;
  }
  const std::wstring setup = Widen(argv[1]);
  const std::wstring bare = Widen(argv[2]);
  const int runs = argc > 3 ? std::max(1, std::atoi(argv[3])) : 15;

  // One unmeasured launch of each: the first start of a program under a
  // fresh server pays for loading its DLLs from disk.
  LaunchOnce(bare);
  RemoveSetupLog();
  LaunchOnce(setup);
  std::vector<double> bareMs, setupMs, roundRatios;
  for (int i = 0; i < runs; ++i) {
    // Alternating, and which goes first alternates too.
    for (int k = 0; k < 2; ++k) {
      const bool setupTurn = (i + k) % 2 == 1;
      if (setupTurn) RemoveSetupLog();
      const double ms = LaunchOnce(setupTurn ? setup : bare);
      if (ms < 0) {
        std::fprintf(stderr, "launch_bench: %s did not paint its window\n", setupTurn ? "the setup" : "the bare window");
        return 1;
      }
      (setupTurn ? setupMs : bareMs).push_back(ms);
    }
    roundRatios.push_back(setupMs.back() / bareMs.back());
  }
  const double bareMedian = Median(bareMs), setupMedian = Median(setupMs);
  std::printf("launch to first paint, %d alternating runs each (medians)\n", runs);
  std::printf("  bare window   %7.1f ms\n", bareMedian);
  std::printf("  setup         %7.1f ms\n", setupMedian);
  std::printf("  ratio         %7.2f   (target <= 1.20)\n", setupMedian / bareMedian);
  std::printf("  round ratios  %7.2f   (median; lowest %.2f, highest %.2f)\n", Median(roundRatios),
              *std::min_element(roundRatios.begin(), roundRatios.end()),
              *std::max_element(roundRatios.begin(), roundRatios.end()));
  const double bareFastest = *std::min_element(bareMs.begin(), bareMs.end());
  const double setupFastest = *std::min_element(setupMs.begin(), setupMs.end());
  std::printf("  fastest       %7.2f   (setup %.1f ms, bare window %.1f ms)\n", setupFastest / bareFastest,
              setupFastest, bareFastest);

  int exitCode = -1;
  RemoveSetupLog();
  const SIZE_T peak = PeakWorkingSetThroughInstall(setup, &exitCode);
  if (peak == 0) {
    std::fprintf(stderr, "launch_bench: the install run gave no working set figure\n");
    return 1;
  }
  std::printf("peak working set through an interactive install: %zu KB (exit code %d)\n",
              static_cast<size_t>(peak / 1024), exitCode);
  return 0;
}
