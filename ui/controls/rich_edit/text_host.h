// text_host.h -- YdTxtWinHost, the ITextHost a rich edit gives the
// windowless text services: device context, caret, timers, capture, scroll
// bars and invalidation all go through the rich edit and its paint manager,
// and the host keeps the default character and paragraph formats, the
// client rectangle, the extent and the property bits the services ask for.
#pragma once

#include "ui/controls/rich_edit/text_services.h"

#include <atomic>

#include "common/scoped_com.h"
#include "common/yd_namespace.h"
#include "ui/controls/rich_edit/rich_edit_logic.h"

namespace ZEPHYRA_NAMESPACE {

class YdRichEdit;

// What the rich edit hands the host when it creates it.
struct YdTextHostSetup {
  uint32_t style = kEditMultiline;
  bool richText = true;
  int limit = kDefaultTextLimit;
  CHARFORMAT2W charFormat{};
  PARAFORMAT2 paraFormat{};
};

class YdTxtWinHost : public ITextHost {
 public:
  // A host for `owner` with reference count 1, text services created from
  // `factory` and given `initialText`. Null (nothing left behind) when the
  // services cannot be created.
  static YdTxtWinHost* Create(YdRichEdit* owner, const YdTextHostSetup& setup, const wchar_t* initialText,
                              YdCreateTextServicesProc factory);

  YdTxtWinHost(const YdTxtWinHost&) = delete;
  YdTxtWinHost& operator=(const YdTxtWinHost&) = delete;

  // IUnknown
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;

  // ITextHost
  HDC TxGetDC() override;
  INT TxReleaseDC(HDC dc) override;
  WINBOOL TxShowScrollBar(INT bar, WINBOOL show) override;
  WINBOOL TxEnableScrollBar(INT bars, INT arrows) override;
  WINBOOL TxSetScrollRange(INT bar, LONG minPos, INT maxPos, WINBOOL redraw) override;
  WINBOOL TxSetScrollPos(INT bar, INT pos, WINBOOL redraw) override;
  void TxInvalidateRect(LPCRECT rect, WINBOOL mode) override;
  void TxViewChange(WINBOOL update) override;
  WINBOOL TxCreateCaret(HBITMAP bitmap, INT width, INT height) override;
  WINBOOL TxShowCaret(WINBOOL show) override;
  WINBOOL TxSetCaretPos(INT x, INT y) override;
  WINBOOL TxSetTimer(UINT id, UINT timeout) override;
  void TxKillTimer(UINT id) override;
  void TxScrollWindowEx(INT dx, INT dy, LPCRECT scroll, LPCRECT clip, HRGN update, LPRECT updateRect,
                        UINT flags) override;
  void TxSetCapture(WINBOOL capture) override;
  void TxSetFocus() override;
  void TxSetCursor(HCURSOR cursor, WINBOOL text) override;
  WINBOOL TxScreenToClient(LPPOINT pt) override;
  WINBOOL TxClientToScreen(LPPOINT pt) override;
  HRESULT TxActivate(LONG* oldState) override;
  HRESULT TxDeactivate(LONG newState) override;
  HRESULT TxGetClientRect(LPRECT rect) override;
  HRESULT TxGetViewInset(LPRECT rect) override;
  HRESULT TxGetCharFormat(const CHARFORMATW** format) override;
  HRESULT TxGetParaFormat(const PARAFORMAT** format) override;
  COLORREF TxGetSysColor(int index) override;
  HRESULT TxGetBackStyle(TXTBACKSTYLE* style) override;
  HRESULT TxGetMaxLength(DWORD* length) override;
  HRESULT TxGetScrollBars(DWORD* bars) override;
  HRESULT TxGetPasswordChar(TCHAR* ch) override;
  HRESULT TxGetAcceleratorPos(LONG* cp) override;
  HRESULT TxGetExtent(LPSIZEL extent) override;
  HRESULT OnTxCharFormatChange(const CHARFORMATW* format) override;
  HRESULT OnTxParaFormatChange(const PARAFORMAT* format) override;
  HRESULT TxGetPropertyBits(DWORD mask, DWORD* bits) override;
  HRESULT TxNotify(DWORD code, void* data) override;
  HIMC TxImmGetContext() override;
  void TxImmReleaseContext(HIMC context) override;
  HRESULT TxGetSelectionBarWidth(LONG* width) override;

  // ---- Used by the rich edit ----
  ITextServices* Services() const { return services_.Get(); }
  // Releases the text services (which may hold references to the host);
  // the rich edit calls it before its last Release.
  void Shutdown();
  // Sends `msg` to the services; E_FAIL without them.
  HRESULT Send(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result);
  void SetClientRect(const RECT& rc);
  RECT GetClientRect() const { return client_; }
  SIZEL GetExtent() const { return extent_; }
  void SetStyle(uint32_t style) { style_ = style; }
  uint32_t GetStyle() const { return style_; }
  void SetRichText(bool on);
  void SetReadOnly(bool on);
  void SetPasswordDisplay(bool on);
  bool IsPasswordDisplay() const { return flags_.password; }
  void SetMaxLength(int limit);
  int GetMaxLength() const { return max_length_; }
  void SetTextColour(COLORREF colour);
  COLORREF GetTextColour() const { return char_format_.crTextColor; }
  void SetTransparent(bool on);
  void SetInPlaceActive(bool on) { in_place_active_ = on; }
  bool IsInPlaceActive() const { return in_place_active_; }
  bool IsTimerArmed() const { return timer_armed_; }
  bool HasCapture() const { return capture_; }
  const CHARFORMAT2W& CharFormat() const { return char_format_; }
  const PARAFORMAT2& ParaFormat() const { return para_format_; }
  // Sends a property-bit change to the services (nothing without them).
  void NotifyBits(DWORD mask, DWORD bits);

  // Hosts alive in the process (the tests check that none leak).
  static long LiveCount() { return live_count_.load(); }

 private:
  YdTxtWinHost(YdRichEdit* owner, const YdTextHostSetup& setup);
  virtual ~YdTxtWinHost();

  YdRichEdit* owner_;
  ULONG refs_ = 1;
  ScopedComPtr<ITextServices> services_;
  YdHostFlags flags_;
  bool transparent_ = false;
  bool in_place_active_ = false;
  bool timer_armed_ = false;
  bool capture_ = false;
  LONG selection_bar_width_ = 0;
  int max_length_ = kDefaultTextLimit;
  RECT client_{0, 0, 0, 0};
  SIZEL extent_{0, 0};
  CHARFORMAT2W char_format_{};
  PARAFORMAT2 para_format_{};
  uint32_t style_ = kEditMultiline;
  LONG accelerator_pos_ = -1;
  // Shown in place of each character in password mode.
  wchar_t password_char_ = L'*';

  static std::atomic<long> live_count_;
};

}  // namespace ZEPHYRA_NAMESPACE
