// web_browser_test.cpp -- YdWebBrowser under Wine without Gecko (mshtml is
// switched off for the test session): what the platform's web browser
// control does here, and the host's side of it.
#include <iostream>
#include <string>
#include <vector>

#include "tests/ui/controls/activex/active_x_fixture.h"
#include "ui/controls/containers/container.h"
#include "ui/controls/activex/web_browser.h"

namespace ZEPHYRA_NAMESPACE {
namespace test {
namespace {

class EventLog : public IYdWebBrowserEvents {
 public:
  void BeforeNavigate(const std::wstring& url, bool& cancel) override {
    entries.push_back(L"before " + url);
    cancel = cancelNext;
  }
  void NavigateComplete(const std::wstring& url) override { entries.push_back(L"navigated " + url); }
  void DocumentComplete(const std::wstring& url) override { entries.push_back(L"document " + url); }
  void TitleChange(const std::wstring& title) override { entries.push_back(L"title " + title); }
  void NavigateError(const std::wstring& url, long status, bool&) override {
    entries.push_back(L"error " + url + L" " + std::to_wstring(status));
  }
  std::vector<std::wstring> entries;
  bool cancelNext = false;
};

constexpr wchar_t kSkin[] = LR"(<?xml version="1.0" encoding="utf-8"?>
<Window size="300,200">
  <HorizontalLayout name="page" normalbkcolor="#FF808080">
    <WebBrowser name="wb" width="200" height="150" />
    <Control />
  </HorizontalLayout>
</Window>)";

// A closed local port: the navigation fails at once, with or without a
// rendering engine.
constexpr wchar_t kUnreachable[] = L"http://127.0.0.1:9/none.html";

class WebBrowserTest : public ActiveXTest {
 protected:
  YdWebBrowser* BuildBrowser(const wchar_t* skin) {
    if (Build(skin) == nullptr) return nullptr;
    YdControl* c = manager_->ControlByName(L"wb");
    return c == nullptr ? nullptr : static_cast<YdWebBrowser*>(c->QueryKind(kKindWebBrowser));
  }
  // Pumps messages until `log` holds an entry starting with `prefix` or
  // `ms` have passed.
  static bool WaitFor(const EventLog& log, const std::wstring& prefix, DWORD ms) {
    const DWORD start = ::GetTickCount();
    for (;;) {
      for (const std::wstring& e : log.entries) {
        if (e.compare(0, prefix.size(), prefix) == 0) return true;
      }
      if (::GetTickCount() - start > ms) return false;
      PumpFor(20);
    }
  }
  static void Print(const EventLog& log) {
    for (const std::wstring& e : log.entries) std::wcout << L"  browser event: " << e << std::endl;
  }
};

TEST_F(WebBrowserTest, KindCodesAndTheBrowserClass) {
  YdWebBrowser* wb = BuildBrowser(LR"(<Window size="300,200"><WebBrowser name="wb" delaycreate="true" /></Window>)");
  ASSERT_NE(wb, nullptr);
  EXPECT_EQ(wb->GetKind(), kKindWebBrowser);
  EXPECT_EQ(wb->QueryKind(kKindWebBrowser), wb);
  EXPECT_EQ(wb->QueryKind(kKindActiveX), wb);
  EXPECT_EQ(wb->QueryKind(kKindControl), wb);
  EXPECT_TRUE(wb->HasClsid());
  EXPECT_TRUE(::IsEqualCLSID(wb->GetClsid(), CLSID_WebBrowser));
}

TEST_F(WebBrowserTest, BrowserIsCreatedInItsHostWindowAndListens) {
  YdWebBrowser* wb = BuildBrowser(kSkin);
  ASSERT_NE(wb, nullptr);
  ASSERT_TRUE(wb->IsCreated()) << std::hex << wb->GetCreateResult();
  EXPECT_FALSE(wb->IsWindowlessActive());
  ASSERT_NE(wb->GetWebBrowser2(), nullptr);
  EXPECT_TRUE(wb->IsListening());
  EXPECT_GT(wb->SinkReferences(), 0);
  HWND host = wb->GetHostWindow();
  ASSERT_NE(host, nullptr);
  EXPECT_EQ(::GetParent(host), hwnd_);
  RECT rc{};
  ::GetWindowRect(host, &rc);
  ::MapWindowPoints(nullptr, hwnd_, reinterpret_cast<POINT*>(&rc), 2);
  const RECT pos = wb->GetPosition();
  EXPECT_EQ(rc.left, pos.left);
  EXPECT_EQ(rc.right, pos.right);
  EXPECT_EQ(rc.bottom, pos.bottom);
  EXPECT_EQ(pos.right - pos.left, 200);
  HWND own = wb->GetObjectWindow();
  ASSERT_NE(own, nullptr);
  EXPECT_TRUE(::IsChild(host, own));
  // Script errors stay silent unless "showjserror".
  VARIANT_BOOL silent = VARIANT_FALSE;
  ASSERT_EQ(wb->GetWebBrowser2()->get_Silent(&silent), S_OK);
  EXPECT_EQ(silent, VARIANT_TRUE);
}

TEST_F(WebBrowserTest, ShowJsErrorLeavesTheBrowserTalking) {
  YdWebBrowser* wb = BuildBrowser(
      LR"(<Window size="300,200"><WebBrowser name="wb" showjserror="true" width="200" height="150" /></Window>)");
  ASSERT_TRUE(wb != nullptr && wb->IsCreated());
  VARIANT_BOOL silent = VARIANT_TRUE;
  ASSERT_EQ(wb->GetWebBrowser2()->get_Silent(&silent), S_OK);
  EXPECT_EQ(silent, VARIANT_FALSE);
}

TEST_F(WebBrowserTest, AskedForWindowlessTheBrowserStillGetsItsWindow) {
  YdWebBrowser* wb = BuildBrowser(
      LR"(<Window size="300,200"><WebBrowser name="wb" windowless="true" width="200" height="150" /></Window>)");
  ASSERT_TRUE(wb != nullptr && wb->IsCreated()) << std::hex << (wb ? wb->GetCreateResult() : 0);
  EXPECT_FALSE(wb->IsWindowlessActive());
  ASSERT_NE(wb->GetHostWindow(), nullptr);
  EXPECT_TRUE(::IsChild(wb->GetHostWindow(), wb->GetObjectWindow()));
}

TEST_F(WebBrowserTest, NavigationRaisesItsEvents) {
  YdWebBrowser* wb = BuildBrowser(kSkin);
  ASSERT_TRUE(wb != nullptr && wb->GetWebBrowser2() != nullptr);
  EventLog log;
  wb->SetEventHandler(&log);
  ASSERT_EQ(wb->Navigate(L"about:blank"), S_OK);
  ASSERT_TRUE(WaitFor(log, L"before", 3000));
  EXPECT_EQ(log.entries[0], L"before about:blank");
  // Without a rendering engine the page cannot load: it ends in an error
  // instead of a complete document; either way the navigation ends.
  const bool ended = WaitFor(log, L"document about:blank", 3000) || WaitFor(log, L"error about:blank", 0);
  EXPECT_TRUE(ended);
  Print(log);
  BSTR location = nullptr;
  ASSERT_EQ(wb->GetWebBrowser2()->get_LocationURL(&location), S_OK);
  EXPECT_STREQ(location, L"about:blank");
  ::SysFreeString(location);

  log.entries.clear();
  ASSERT_EQ(wb->Navigate(kUnreachable), S_OK);
  ASSERT_TRUE(WaitFor(log, L"error", 5000));
  Print(log);
  EXPECT_EQ(log.entries[0], std::wstring(L"before ") + kUnreachable);
  const std::wstring& error = log.entries.back();
  const std::wstring prefix = std::wstring(L"error ") + kUnreachable + L" -";
  EXPECT_EQ(error.compare(0, prefix.size(), prefix), 0) << "a failure status is negative";
}

TEST_F(WebBrowserTest, CancelInBeforeNavigateStopsTheNavigation) {
  YdWebBrowser* wb = BuildBrowser(kSkin);
  ASSERT_TRUE(wb != nullptr && wb->GetWebBrowser2() != nullptr);
  EventLog log;
  log.cancelNext = true;
  wb->SetEventHandler(&log);
  ASSERT_EQ(wb->Navigate(kUnreachable), S_OK);
  ASSERT_TRUE(WaitFor(log, L"before", 3000));
  EXPECT_FALSE(WaitFor(log, L"error", 1000));
  EXPECT_FALSE(WaitFor(log, L"navigated", 0));
  Print(log);
}

TEST_F(WebBrowserTest, AnAddressGivenBeforeTheBrowserExistsIsUsedWhenItIsCreated) {
  auto* wb = new YdWebBrowser();
  wb->SetName(L"wb");
  wb->SetFixedWidth(200);
  wb->SetFixedHeight(150);
  EventLog log;
  wb->SetEventHandler(&log);
  EXPECT_EQ(wb->Navigate(kUnreachable), S_FALSE);
  EXPECT_EQ(wb->GetPendingUrl(), kUnreachable);
  EXPECT_FALSE(wb->IsCreated());
  AttachTree({wb});  // initialised in the window: created now
  ASSERT_TRUE(wb->IsCreated());
  EXPECT_TRUE(wb->GetPendingUrl().empty());
  ASSERT_TRUE(WaitFor(log, L"before", 3000));
  EXPECT_EQ(log.entries[0], std::wstring(L"before ") + kUnreachable);
}

TEST_F(WebBrowserTest, TheBrowserLetsGoOfTheEventSinkWithTheControl) {
  YdWebBrowser* wb = BuildBrowser(kSkin);
  ASSERT_TRUE(wb != nullptr && wb->IsCreated());
  HWND host = wb->GetHostWindow();
  ASSERT_GT(wb->SinkReferences(), 0);
  wb->ReleaseControl();
  EXPECT_EQ(wb->SinkReferences(), 0);
  EXPECT_FALSE(wb->IsListening());
  EXPECT_EQ(wb->GetWebBrowser2(), nullptr);
  EXPECT_FALSE(::IsWindow(host));
}

}  // namespace
}  // namespace test
}  // namespace ZEPHYRA_NAMESPACE
