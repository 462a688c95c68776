// rich_edit_paint.cpp -- YdRichEdit placement and painting: the client
// rectangle and extent of the text services, the automatic vertical bar,
// the text drawn by the services into the off-screen surface (through an
// alpha surface on layered windows), and the state image order.
#include "ui/controls/rich_edit/rich_edit.h"

#include "ui/controls/containers/layout_logic.h"
#include "ui/controls/containers/scrollbar.h"
#include "ui/render/alpha_surface.h"
#include "ui/manager/paint_manager.h"

namespace ZEPHYRA_NAMESPACE {

RECT YdRichEdit::ContentRect() const {
  RECT rc = ToRECT(pos_.Shrunk(inset_));
  if (vbar_ != nullptr && vbar_->IsVisible()) rc.right -= vbar_->GetFixedWidth();
  if (hbar_ != nullptr && hbar_->IsVisible()) rc.bottom -= hbar_->GetFixedHeight();
  return rc;
}

void YdRichEdit::PlaceBars(const RECT& content) {
  if (vbar_ != nullptr && vbar_->IsVisible()) {
    vbar_->SetPosition({content.right, content.top, content.right + vbar_->GetFixedWidth(), content.bottom});
  }
  if (hbar_ != nullptr && hbar_->IsVisible()) {
    hbar_->SetPosition({content.left, content.bottom, content.right, content.bottom + hbar_->GetFixedHeight()});
  }
}

RECT YdRichEdit::ClientRectFor(const RECT& content) const {
  return ToRECT(FromRECT(content).Shrunk(text_padding_.normal));
}

void YdRichEdit::SetPosition(const RECT& rc) {
  // The control's own placement, not the container's layout: the text
  // services decide the bars.
  YdControl::SetPosition(rc);
  if (host_) {
    host_->SetClientRect(ClientRectFor(ContentRect()));
    host_->NotifyBits(kTextBitViewInsetChange | TXTBIT_CLIENTRECTCHANGE | TXTBIT_EXTENTCHANGE,
                      kTextBitViewInsetChange | TXTBIT_CLIENTRECTCHANGE | TXTBIT_EXTENTCHANGE);
    UpdateAutoVerticalBar(ContentRect());
    // The bar may have come or gone: the text area follows.
    host_->SetClientRect(ClientRectFor(ContentRect()));
  }
  const RECT content = ContentRect();
  PlaceBars(content);
  // Children (buttons or marks inside the box) along the content rectangle.
  if (!children_.empty()) {
    const auto rects = LayoutEditChildren(FromRECT(content), LayoutChildren());
    for (size_t i = 0; i < children_.size() && i < rects.size(); ++i) {
      if (rects[i]) children_[i]->SetPosition(ToRECT(*rects[i]));
    }
  }
  needs_layout_ = false;
}

bool YdRichEdit::NaturalHeightFits(const RECT& content, int barWidth) {
  if (!host_ || manager_ == nullptr) return true;
  LONG width = (content.right - content.left) + barWidth;
  LONG height = 0;
  const SIZEL extent = host_->GetExtent();
  if (FAILED(host_->Services()->TxGetNaturalSize(DVASPECT_CONTENT, manager_->GetPaintDC(), nullptr, nullptr,
                                                  TXTNS_FITTOCONTENT, &extent, &width, &height))) {
    return true;
  }
  return height <= content.bottom - content.top;
}

void YdRichEdit::UpdateAutoVerticalBar(const RECT& content) {
  if (vbar_ == nullptr) return;
  const int barWidth = vbar_->IsVisible() ? vbar_->GetFixedWidth() : 0;
  if (!NaturalHeightFits(content, barWidth)) {
    if (!vbar_->IsVisible()) {
      vbar_->SetVisible(true);
      vbar_->SetBarPosition(0);
      auto_vbar_ = true;
    }
  } else if (auto_vbar_) {
    vbar_->SetVisible(false);
    auto_vbar_ = false;
  }
}

void YdRichEdit::DrawControlText(HDC) {
  // The services draw the text in Paint; here only the colour follows the
  // state after focus and hover changes.
  if (!refresh_colour_) return;
  refresh_colour_ = false;
  RefreshTextColour();
}

void YdRichEdit::DrawStateImage(HDC dc) {
  struct Candidate {
    bool applies;
    std::wstring* descriptor;
  };
  const Candidate order[] = {
      {(state_ & kStateSelected) != 0, &status_image_.selected},
      {!IsEnabled() || read_only_, &status_image_.disabled},
      {(state_ & kStatePushed) != 0, &status_image_.pushed},
      {(state_ & kStateHot) != 0, &status_image_.hot},
      {(state_ & kStateFocused) != 0, &status_image_.focused},
      {true, &status_image_.normal},
  };
  for (const Candidate& c : order) {
    if (!c.applies || c.descriptor->empty()) continue;
    if (DrawImage(dc, *c.descriptor)) return;
    c.descriptor->clear();  // a missing image is not looked up again
  }
}

void YdRichEdit::Paint(HDC dc, const RECT& dirty) {
  if (!IsVisible() || dc == nullptr) return;
  YdControl::Paint(dc, dirty);
  if (host_) PaintText(dc, dirty);
  if (host_ && auto_vbar_ && vbar_ != nullptr && NaturalHeightFits(ContentRect(), vbar_->GetFixedWidth())) {
    NeedUpdate();  // the automatic bar can go
  }
  // Children and bars stay inside the edit, as a container's do.
  const int saved = ::SaveDC(dc);
  ::IntersectClipRect(dc, pos_.left, pos_.top, pos_.right, pos_.bottom);
  for (YdControl* child : children_) child->Paint(dc, dirty);
  if (vbar_ != nullptr && vbar_->IsVisible()) vbar_->Paint(dc, dirty);
  if (hbar_ != nullptr && hbar_->IsVisible()) hbar_->Paint(dc, dirty);
  if (saved != 0) ::RestoreDC(dc, saved);
}

void YdRichEdit::PaintText(HDC dc, const RECT& dirty) {
  const RECT client = host_->GetClientRect();
  RECT update{};
  if (!::IntersectRect(&update, &client, &dirty)) return;
  RECTL bounds{client.left, client.top, client.right, client.bottom};
  const LONG view = host_->IsInPlaceActive() ? TXTVIEW_ACTIVE : TXTVIEW_INACTIVE;
  ITextServices* services = host_->Services();
  if (manager_ == nullptr || !manager_->IsLayered()) {
    services->TxDraw(DVASPECT_CONTENT, 0, nullptr, nullptr, dc, nullptr, &bounds, nullptr, &update, nullptr, 0, view);
    return;
  }
  // Layered window: GDI leaves the alpha channel at 0 where it draws, so
  // the text goes to a surface whose alpha is rebuilt and is blended on.
  const int width = client.right - client.left;
  const int height = client.bottom - client.top;
  GdiAlphaSurface surface(dc, width, height);
  if (!surface.IsValid()) return;
  surface.MarkAlpha();
  POINT oldOrigin{};
  ::SetViewportOrgEx(surface.dc(), -client.left, -client.top, &oldOrigin);
  services->TxDraw(DVASPECT_CONTENT, 0, nullptr, nullptr, surface.dc(), nullptr, &bounds, nullptr, &update, nullptr, 0,
                   view);
  ::SetViewportOrgEx(surface.dc(), oldOrigin.x, oldOrigin.y, nullptr);
  ::GdiFlush();
  surface.FixUpAlpha();
  surface.BlendOnto(dc, client.left, client.top, 255);
}

}  // namespace ZEPHYRA_NAMESPACE
