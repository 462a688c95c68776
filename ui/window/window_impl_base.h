// window_impl_base.h -- YdWindowImplBase, the base of every skinned window:
// it embeds the window's paint manager, splits the message stream into one
// virtual handler per message (27 slots), passes the rest to the manager
// (which also carries out the window frame the skin describes: hit testing,
// region, size limits) and builds its control tree from the skin through a
// skin builder when it is created.
#pragma once

#ifdef _WIN32

#include <windows.h>

#include <string>

#include "common/yd_namespace.h"
#include "ui/manager/paint_manager.h"
#include "ui/manager/ui_messages.h"
#include "ui/window/window_part.h"
#include "ui/window/window_wnd.h"

namespace ZEPHYRA_NAMESPACE {

class YdControl;

// Private message with a handler slot of its own.
constexpr UINT kCustomHandlerMessage = 0x2345;

// Asked by the skin builder for every element name it does not know.
class IBuilderCallback {
 public:
  virtual YdControl* CreateCustomControl(const wchar_t* elementName) = 0;

 protected:
  ~IBuilderCallback() = default;
};

// Where a window's skin comes from.
enum YdSkinSourceKind : int { kSkinText = 1, kSkinFile = 2, kSkinResource = 3 };

struct YdSkinSource {
  std::string windowName;    // the <Window> element to build; empty = the first
  std::wstring source;       // XML text, file path, or resource name / "#id"
  int kind = kSkinResource;
  std::wstring resourceType;
  IBuilderCallback* callback = nullptr;
};

// Builds the control tree of one <Window> element for a window: registers
// the skin's fonts and attribute lists and stores the window attributes
// with `manager`, and returns the root control (not yet attached), or null
// when the skin or the window element cannot be read.
class ISkinBuilder {
 public:
  virtual YdControl* BuildWindow(const YdSkinSource& skin, YdPaintManager& manager) = 0;
  // Builds the part of a skin that a window control holds (its element's
  // children, as if they were a <Window>); null when there is none.
  virtual YdControl* BuildWindowPart(const YdWindowControlInfo& /*part*/, YdPaintManager& /*manager*/) { return nullptr; }

 protected:
  ~ISkinBuilder() = default;
};

class YdWindowImplBase : public YdWindowWnd, public INotify, private IBuilderCallback {
 public:
  YdWindowImplBase() = default;
  ~YdWindowImplBase() override = default;

  LRESULT ProcessMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

  // Handler slots: each runs with `handled` preset to true; the defaults
  // clear it, so the message goes on to the paint manager and then the
  // previous window procedure.
  virtual LRESULT OnDestroy(UINT, WPARAM, LPARAM, bool& handled);
  virtual LRESULT OnCreate(UINT, WPARAM, LPARAM, bool& handled);
  virtual LRESULT OnCommand(UINT, WPARAM, LPARAM, bool& handled);
  virtual LRESULT OnNcActivate(UINT, WPARAM, LPARAM, bool& handled);
  virtual LRESULT OnNcCalcSize(UINT, WPARAM, LPARAM, bool& handled);
  virtual LRESULT OnNcPaint(UINT, WPARAM, LPARAM, bool& handled);
  virtual LRESULT OnNcHitTest(UINT, WPARAM, LPARAM, bool& handled);
  virtual LRESULT OnSysCommand(UINT, WPARAM, LPARAM, bool& handled);
  virtual LRESULT OnSize(UINT, WPARAM, LPARAM, bool& handled);
  virtual LRESULT OnClose(UINT, WPARAM, LPARAM, bool& handled);
  virtual LRESULT OnGetMinMaxInfo(UINT, WPARAM, LPARAM, bool& handled);
  virtual LRESULT OnMouseWheel(UINT, WPARAM, LPARAM, bool& handled);
  virtual LRESULT OnKillFocus(UINT, WPARAM, LPARAM, bool& handled);
  virtual LRESULT OnSetFocus(UINT, WPARAM, LPARAM, bool& handled);
  virtual LRESULT OnLButtonUp(UINT, WPARAM, LPARAM, bool& handled);
  virtual LRESULT OnLButtonDown(UINT, WPARAM, LPARAM, bool& handled);
  virtual LRESULT OnMouseMove(UINT, WPARAM, LPARAM, bool& handled);
  virtual LRESULT OnMouseLeave(UINT, WPARAM, LPARAM, bool& handled);
  virtual LRESULT OnNcMouseMove(UINT, WPARAM, LPARAM, bool& handled);
  virtual LRESULT OnNcMouseLeave(UINT, WPARAM, LPARAM, bool& handled);
  virtual LRESULT OnTimer(UINT, WPARAM, LPARAM, bool& handled);
  virtual LRESULT OnChar(UINT, WPARAM, LPARAM, bool& handled);
  virtual LRESULT OnKeyUp(UINT, WPARAM, LPARAM, bool& handled);
  virtual LRESULT OnKeyDown(UINT, WPARAM, LPARAM, bool& handled);
  virtual LRESULT OnWindowPosChanged(UINT, WPARAM, LPARAM, bool& handled);
  virtual LRESULT OnCustomMessage(UINT, WPARAM, LPARAM, bool& handled);
  virtual LRESULT OnDisplayChange(UINT, WPARAM, LPARAM, bool& handled);

  void Notify(YdNotifyMsg&) override {}

  YdPaintManager& GetPaintManager() { return manager_; }

  // The builder used by BuildFromSkin: the window's own when set, else the
  // process-wide one that the skin builder installs.
  void SetSkinBuilder(ISkinBuilder* builder) { builder_ = builder; }
  static void SetDefaultSkinBuilder(ISkinBuilder* builder);
  // The builder this window uses: its own, or else the default one (may be null).
  ISkinBuilder* GetSkinBuilder() const;

 protected:
  // The skin of this window: which <Window> element, from where.
  virtual std::string GetSkinWindowName() const { return {}; }
  virtual std::wstring GetSkinFile() const { return {}; }
  virtual int GetSkinKind() const { return kSkinResource; }
  virtual std::wstring GetSkinType() const { return L"XML"; }
  // Creates a control for a skin element the builder does not know.
  virtual YdControl* CreateControl(const wchar_t* /*elementName*/) { return nullptr; }
  bool TranslateModalMessage(MSG& msg) override;

  // The creation order of a skinned window, for a derived OnCreate: the
  // application icon (when `loadIcon`), binding of the paint manager, the
  // control tree from the skin attached as root, this window registered as
  // listener, and the window sized to the skin's "size". Returns 0 with
  // `handled`; -1 (window creation fails) when no builder is installed or
  // the builder returns no root.
  LRESULT BuildFromSkin(bool loadIcon, bool& handled);

 private:
  YdControl* CreateCustomControl(const wchar_t* elementName) override {
    return CreateControl(elementName);
  }
  bool DispatchToHandler(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);

  YdPaintManager manager_;
  ISkinBuilder* builder_ = nullptr;
};

}  // namespace ZEPHYRA_NAMESPACE

#endif  // _WIN32
