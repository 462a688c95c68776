// message_dlg.h -- YdMessageDlg, the setup's small modal message box built
// from the skin window "ydMessageDlg": a title, an icon, one line of text,
// one or two buttons; it reports which button ended it.
#pragma once

#ifdef _WIN32

#include <windows.h>

#include <string>

#include "app/wizard/setup_wnd_logic.h"
#include "common/yd_namespace.h"
#include "ui/window/window_impl_base.h"
#include "ui/window/window_shadow.h"

namespace ZEPHYRA_NAMESPACE {

class YdMessageDlg : public YdWindowImplBase {
 public:
  // Creates the (hidden) native window at once; `owner` may be null. Only
  // kDlgSingleButton and kDlgAlternateIcon of `style` are read.
  YdMessageDlg(HWND owner, int style);
  ~YdMessageDlg() override;

  const wchar_t* QueryClassName() const override { return L"YdMessageDlg"; }
  LRESULT OnCreate(UINT msg, WPARAM wParam, LPARAM lParam, bool& handled) override;
  LRESULT OnNcCalcSize(UINT msg, WPARAM wParam, LPARAM lParam, bool& handled) override;
  LRESULT OnNcPaint(UINT msg, WPARAM wParam, LPARAM lParam, bool& handled) override;
  void Notify(YdNotifyMsg& msg) override;

  // Sets the message line (204).
  bool SetMessageText(const std::wstring& text) { return SetControlText(kDlgTextId, text); }
  // Sets any control's text and invalidates it; false when there is no such
  // control (or no window).
  bool SetControlText(int id, const std::wstring& text);
  // kDialogConfirmed when 205 ended the dialog, else kDialogDeclined.
  int Result() const { return result_; }
  int Style() const { return style_; }
  YdWindowShadow& Shadow() { return shadow_; }

 protected:
  std::string GetSkinWindowName() const override { return "ydMessageDlg"; }
  std::wstring GetSkinFile() const override { return L"#102"; }

 private:
  int result_ = kDialogDeclined;
  int style_ = 0;
  YdWindowShadow shadow_;
};

}  // namespace ZEPHYRA_NAMESPACE

#endif  // _WIN32
