// text_host.cpp -- YdTxtWinHost: the text services' view of the rich edit
// and its paint manager.
#include "ui/controls/rich_edit/text_host.h"

#include "ui/controls/rich_edit/rich_edit.h"
#include "ui/manager/paint_manager.h"

namespace ZEPHYRA_NAMESPACE {

std::atomic<long> YdTxtWinHost::live_count_{0};

YdTxtWinHost::YdTxtWinHost(YdRichEdit* owner, const YdTextHostSetup& setup)
    : owner_(owner), max_length_(EffectiveTextLimit(setup.limit)), char_format_(setup.charFormat),
      para_format_(setup.paraFormat), style_(setup.style) {
  flags_.wordWrap = WordWrapForStyle(setup.style);
  flags_.richText = setup.richText;
  flags_.readOnly = (setup.style & kEditReadOnly) != 0;
  flags_.password = (setup.style & kEditPassword) != 0;
  ++live_count_;
}

YdTxtWinHost::~YdTxtWinHost() {
  Shutdown();
  --live_count_;
}

YdTxtWinHost* YdTxtWinHost::Create(YdRichEdit* owner, const YdTextHostSetup& setup, const wchar_t* initialText,
                                   YdCreateTextServicesProc factory) {
  if (factory == nullptr) return nullptr;
  auto* host = new YdTxtWinHost(owner, setup);
  ScopedComPtr<IUnknown> created;
  HRESULT hr = factory(nullptr, host, created.Receive());
  if (SUCCEEDED(hr) && created) hr = created.QueryInto(kIidTextServices, &host->services_);
  created.Reset();
  if (FAILED(hr) || !host->services_ || FAILED(host->services_->TxSetText(initialText))) {
    host->Shutdown();
    host->Release();
    return nullptr;
  }
  host->Send(EM_EXLIMITTEXT, 0, host->max_length_, nullptr);
  return host;
}

void YdTxtWinHost::Shutdown() {
  // The services may call back while they are released; the owner is gone
  // from then on.
  ScopedComPtr<ITextServices> services(std::move(services_));
  services.Reset();
  owner_ = nullptr;
}

HRESULT YdTxtWinHost::Send(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  if (!services_) return E_FAIL;
  LRESULT ignored = 0;
  return services_->TxSendMessage(msg, wParam, lParam, result != nullptr ? result : &ignored);
}

void YdTxtWinHost::NotifyBits(DWORD mask, DWORD bits) {
  if (services_) services_->OnTxPropertyBitsChange(mask, bits);
}

void YdTxtWinHost::SetClientRect(const RECT& rc) {
  client_ = rc;
  HDC dc = TxGetDC();
  const int dpiX = dc != nullptr ? ::GetDeviceCaps(dc, LOGPIXELSX) : 96;
  const int dpiY = dc != nullptr ? ::GetDeviceCaps(dc, LOGPIXELSY) : 96;
  extent_.cx = PixelsToHimetric(rc.right - rc.left, dpiX);
  extent_.cy = PixelsToHimetric(rc.bottom - rc.top, dpiY);
}

void YdTxtWinHost::SetRichText(bool on) {
  flags_.richText = on;
  NotifyBits(kTextBitRichText, on ? static_cast<DWORD>(kTextBitRichText) : 0u);
}

void YdTxtWinHost::SetReadOnly(bool on) {
  flags_.readOnly = on;
  style_ = on ? (style_ | kEditReadOnly) : (style_ & ~kEditReadOnly);
  NotifyBits(kTextBitReadOnly, on ? static_cast<DWORD>(kTextBitReadOnly) : 0u);
}

void YdTxtWinHost::SetPasswordDisplay(bool on) {
  flags_.password = on;
  NotifyBits(kTextBitUsePassword, on ? static_cast<DWORD>(kTextBitUsePassword) : 0u);
}

void YdTxtWinHost::SetMaxLength(int limit) {
  max_length_ = EffectiveTextLimit(limit);
  NotifyBits(kTextBitMaxLengthChange, kTextBitMaxLengthChange);
  // Some text services (Wine's) never ask the host for the maximum length;
  // the limit message sets it on all of them.
  if (services_) Send(EM_EXLIMITTEXT, 0, max_length_, nullptr);
}

void YdTxtWinHost::SetTextColour(COLORREF colour) {
  char_format_.crTextColor = colour;
  NotifyBits(kTextBitCharFormatChange, kTextBitCharFormatChange);
}

void YdTxtWinHost::SetTransparent(bool on) {
  transparent_ = on;
  NotifyBits(kTextBitBackStyleChange, 0);
}

// ---- IUnknown ----

HRESULT YdTxtWinHost::QueryInterface(REFIID riid, void** object) {
  if (object == nullptr) return E_POINTER;
  if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, kIidTextHost)) {
    *object = static_cast<ITextHost*>(this);
    AddRef();
    return S_OK;
  }
  *object = nullptr;
  return E_NOINTERFACE;
}

ULONG YdTxtWinHost::AddRef() { return ++refs_; }

ULONG YdTxtWinHost::Release() {
  const ULONG left = --refs_;
  if (left == 0) delete this;
  return left;
}

// ---- ITextHost ----

HDC YdTxtWinHost::TxGetDC() {
  YdPaintManager* manager = owner_ != nullptr ? owner_->GetManager() : nullptr;
  return manager != nullptr ? manager->GetPaintDC() : nullptr;
}

INT YdTxtWinHost::TxReleaseDC(HDC) { return 1; }

WINBOOL YdTxtWinHost::TxShowScrollBar(INT bar, WINBOOL show) {
  if (owner_ == nullptr) return FALSE;
  owner_->ShowBar(bar, show != FALSE);
  return TRUE;
}

WINBOOL YdTxtWinHost::TxEnableScrollBar(INT bars, INT arrows) {
  if (owner_ == nullptr) return FALSE;
  owner_->EnableBars(bars, arrows != ESB_DISABLE_BOTH);
  return TRUE;
}

WINBOOL YdTxtWinHost::TxSetScrollRange(INT bar, LONG minPos, INT maxPos, WINBOOL) {
  if (owner_ == nullptr) return FALSE;
  const int extent = bar == SB_VERT ? client_.bottom - client_.top : client_.right - client_.left;
  owner_->SetBarRange(bar, ScrollBarRange(minPos, maxPos, extent));
  return TRUE;
}

WINBOOL YdTxtWinHost::TxSetScrollPos(INT bar, INT pos, WINBOOL) {
  if (owner_ == nullptr) return FALSE;
  owner_->SetBarPos(bar, pos);
  return TRUE;
}

void YdTxtWinHost::TxInvalidateRect(LPCRECT rect, WINBOOL) {
  YdPaintManager* manager = owner_ != nullptr ? owner_->GetManager() : nullptr;
  if (manager == nullptr || manager->GetWindow() == nullptr) return;
  if (manager->IsLayered()) {
    manager->RepaintAll();
    return;
  }
  ::InvalidateRect(manager->GetWindow(), rect != nullptr ? rect : &client_, FALSE);
}

void YdTxtWinHost::TxViewChange(WINBOOL) {
  if (owner_ != nullptr && owner_->ShouldRepaintOnViewChange()) owner_->Invalidate();
}

WINBOOL YdTxtWinHost::TxCreateCaret(HBITMAP bitmap, INT width, INT height) {
  YdPaintManager* manager = owner_ != nullptr ? owner_->GetManager() : nullptr;
  if (manager == nullptr) return FALSE;
  manager->CreateCaretShape(width, height, bitmap);
  return TRUE;
}

WINBOOL YdTxtWinHost::TxShowCaret(WINBOOL show) {
  YdPaintManager* manager = owner_ != nullptr ? owner_->GetManager() : nullptr;
  if (manager == nullptr) return FALSE;
  if (show) {
    manager->ShowCaretShape();
  } else {
    manager->HideCaretShape();
  }
  return TRUE;
}

WINBOOL YdTxtWinHost::TxSetCaretPos(INT x, INT y) {
  YdPaintManager* manager = owner_ != nullptr ? owner_->GetManager() : nullptr;
  if (manager == nullptr) return FALSE;
  manager->SetCaretPos({x, y});
  if (!manager->IsLayered()) ::SetCaretPos(x, y);
  return TRUE;
}

WINBOOL YdTxtWinHost::TxSetTimer(UINT id, UINT timeout) {
  YdPaintManager* manager = owner_ != nullptr ? owner_->GetManager() : nullptr;
  if (manager == nullptr) return FALSE;
  timer_armed_ = manager->StartControlTimer(owner_, static_cast<int>(id), timeout);
  return timer_armed_ ? TRUE : FALSE;
}

void YdTxtWinHost::TxKillTimer(UINT id) {
  YdPaintManager* manager = owner_ != nullptr ? owner_->GetManager() : nullptr;
  if (manager != nullptr) manager->StopControlTimer(owner_, static_cast<int>(id));
  timer_armed_ = false;
}

void YdTxtWinHost::TxScrollWindowEx(INT, INT, LPCRECT, LPCRECT, HRGN, LPRECT, UINT) {}

void YdTxtWinHost::TxSetCapture(WINBOOL capture) {
  YdPaintManager* manager = owner_ != nullptr ? owner_->GetManager() : nullptr;
  if (manager == nullptr || manager->GetWindow() == nullptr) return;
  // Through the manager, so that its capture flag is right: while the text
  // services hold the mouse, the controls under it do not set the cursor.
  if (capture) {
    manager->CaptureMouse();
  } else {
    manager->ReleaseMouse();
  }
  capture_ = capture != FALSE;
}

void YdTxtWinHost::TxSetFocus() {
  if (owner_ != nullptr) owner_->SetFocus();
}

void YdTxtWinHost::TxSetCursor(HCURSOR cursor, WINBOOL) { ::SetCursor(cursor); }

WINBOOL YdTxtWinHost::TxScreenToClient(LPPOINT pt) {
  YdPaintManager* manager = owner_ != nullptr ? owner_->GetManager() : nullptr;
  if (manager == nullptr || manager->GetWindow() == nullptr) return FALSE;
  return ::ScreenToClient(manager->GetWindow(), pt);
}

WINBOOL YdTxtWinHost::TxClientToScreen(LPPOINT pt) {
  YdPaintManager* manager = owner_ != nullptr ? owner_->GetManager() : nullptr;
  if (manager == nullptr || manager->GetWindow() == nullptr) return FALSE;
  return ::ClientToScreen(manager->GetWindow(), pt);
}

HRESULT YdTxtWinHost::TxActivate(LONG*) { return S_OK; }
HRESULT YdTxtWinHost::TxDeactivate(LONG) { return S_OK; }

HRESULT YdTxtWinHost::TxGetClientRect(LPRECT rect) {
  if (rect == nullptr) return E_INVALIDARG;
  *rect = client_;
  return S_OK;
}

HRESULT YdTxtWinHost::TxGetViewInset(LPRECT rect) {
  if (rect == nullptr) return E_INVALIDARG;
  *rect = {0, 0, 0, 0};
  return S_OK;
}

HRESULT YdTxtWinHost::TxGetCharFormat(const CHARFORMATW** format) {
  *format = reinterpret_cast<const CHARFORMATW*>(&char_format_);
  return S_OK;
}

HRESULT YdTxtWinHost::TxGetParaFormat(const PARAFORMAT** format) {
  *format = reinterpret_cast<const PARAFORMAT*>(&para_format_);
  return S_OK;
}

COLORREF YdTxtWinHost::TxGetSysColor(int index) { return ::GetSysColor(index); }

HRESULT YdTxtWinHost::TxGetBackStyle(TXTBACKSTYLE* style) {
  *style = transparent_ ? TXTBACK_TRANSPARENT : TXTBACK_OPAQUE;
  return S_OK;
}

HRESULT YdTxtWinHost::TxGetMaxLength(DWORD* length) {
  *length = static_cast<DWORD>(max_length_);
  return S_OK;
}

HRESULT YdTxtWinHost::TxGetScrollBars(DWORD* bars) {
  *bars = style_ & kEditScrollBitsMask;
  return S_OK;
}

HRESULT YdTxtWinHost::TxGetPasswordChar(TCHAR* ch) {
  *ch = password_char_;
  return S_OK;
}

HRESULT YdTxtWinHost::TxGetAcceleratorPos(LONG* cp) {
  *cp = accelerator_pos_;
  return S_OK;
}

HRESULT YdTxtWinHost::TxGetExtent(LPSIZEL extent) {
  *extent = extent_;
  return S_OK;
}

HRESULT YdTxtWinHost::OnTxCharFormatChange(const CHARFORMATW*) { return S_OK; }
HRESULT YdTxtWinHost::OnTxParaFormatChange(const PARAFORMAT*) { return S_OK; }

HRESULT YdTxtWinHost::TxGetPropertyBits(DWORD mask, DWORD* bits) {
  *bits = HostPropertyBits(flags_, style_, mask);
  return S_OK;
}

HRESULT YdTxtWinHost::TxNotify(DWORD code, void* data) {
  if (code == EN_REQUESTRESIZE) {
    const auto* request = static_cast<const REQRESIZE*>(data);
    if (request != nullptr) {
      client_.right = client_.left + (request->rc.right - request->rc.left);
      client_.bottom = client_.top + (request->rc.bottom - request->rc.top);
    }
    return S_OK;
  }
  if (owner_ != nullptr) owner_->OnTextNotify(code, data);
  return S_OK;
}

HIMC YdTxtWinHost::TxImmGetContext() { return nullptr; }
void YdTxtWinHost::TxImmReleaseContext(HIMC) {}

HRESULT YdTxtWinHost::TxGetSelectionBarWidth(LONG* width) {
  *width = selection_bar_width_;
  return S_OK;
}

}  // namespace ZEPHYRA_NAMESPACE
