// gallery_wnd.h -- YdGalleryWnd, the gallery viewer's window: a skinned,
// borderless window built from the skin window "galleryWnd" that shows one
// of every control on four tab pages, and wires them together so that they
// can be seen working: the slider drives the progress bar and the circle,
// the step button advances both, the option group, the list, the combo and
// the menu echo their choice in labels (combo and menu also in a colour
// swatch), the advert counts its clicks, the placeholder holds a native
// button and the draw window shows a snapshot of it; the ActiveX host and
// the web browser hold the platform's web browser control.
#pragma once

#ifdef _WIN32

#include <windows.h>

#include <string>

#include "common/yd_namespace.h"
#include "ui/window/window_impl_base.h"

namespace ZEPHYRA_NAMESPACE {

class YdControl;

// Window class and title of the gallery.
extern const wchar_t kGalleryClassName[];  // "ZephyraGalleryWnd"
extern const wchar_t kGalleryTitle[];      // "Zephyra gallery"

// The window timer that copies the native button into the draw window
// while it is shown (above the paint manager's control timer ids and the
// window base's 257 and 258).
constexpr UINT_PTR kSnapshotTimerId = 0x300;
constexpr UINT kSnapshotIntervalMs = 250;

class YdGalleryWnd : public YdWindowImplBase {
 public:
  YdGalleryWnd() = default;
  ~YdGalleryWnd() override;

  // Creates the window (hidden) from the skin resource; false on failure.
  bool CreateGallery();

  const wchar_t* QueryClassName() const override { return kGalleryClassName; }
  LRESULT OnCreate(UINT msg, WPARAM wParam, LPARAM lParam, bool& handled) override;
  LRESULT OnDestroy(UINT msg, WPARAM wParam, LPARAM lParam, bool& handled) override;
  LRESULT ProcessMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
  void Notify(YdNotifyMsg& msg) override;

  YdControl* Control(const wchar_t* name) { return GetPaintManager().ControlByName(name); }
  HWND NativeButton() const { return native_button_; }
  // The menu window opened by the menu button (null when none is open).
  HWND MenuWindow() const;
  int ClickCount() const { return clicks_; }
  int AdvertClicks() const { return advert_clicks_; }

  // The reactions, reachable for tests.
  void SetProgress(int value);
  void OnClick(YdControl* sender);
  void OnSelected(YdControl* sender);
  void OnComboChoice(YdControl* combo, int index);
  void OnMenuChoice(const std::wstring& name, const std::wstring& text);
  // Opens the menu of the menu button below it; false when it cannot.
  bool PopupMenu();

 protected:
  std::string GetSkinWindowName() const override { return "galleryWnd"; }
  std::wstring GetSkinFile() const override { return L"#102"; }

 private:
  void SetLabel(const wchar_t* name, const std::wstring& text);
  void SetColour(const wchar_t* name, const std::wstring& colour);
  void CreateNativeWindows();

  // The menu is built from the skin window "galleryMenu" with this
  // manager, then handed to its popup window.
  YdPaintManager menu_scratch_;
  HWND menu_window_ = nullptr;
  HWND native_button_ = nullptr;
  int clicks_ = 0;
  int advert_clicks_ = 0;
  int progress_ = 0;
};

}  // namespace ZEPHYRA_NAMESPACE

#endif  // _WIN32
