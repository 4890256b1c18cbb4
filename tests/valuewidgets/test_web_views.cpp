// Web views: the browser control's events in order, pages from data URLs and a loopback server, markup
// that is not well formed, history, a page that fails to load, stopping; script calls both ways through
// the platform web view (arguments in, results and errors out); the zoom; and the client handle.
#include <cstdio>
#include <memory>

#include "core/qorcoreWebView.h"
#include "http/qortestHttpServer.h"
#include "pui/qorpuiWebView.h"
#include "utils/qorutilsStrings.h"
#include "valuewidgetsFixture.h"
#include "win/AfxHtml.h"

namespace valuewidgetstest {

using qor::aip::Rect;

// A browser view that logs its events.
class RecordingView : public CHtmlView
{
public:
  std::vector<std::string> events;
  DWORD errorStatus = 0;
  bool cancelNext = false;
  void OnBeforeNavigate2(LPCWSTR, DWORD, LPCWSTR, LPVOID, LPCWSTR, BOOL* cancel) override
  {
    events.push_back("before");
    *cancel = cancelNext;
  }
  void OnNavigateComplete2(LPCWSTR) override { events.push_back("navigated"); }
  void OnNavigateError(LPCWSTR, LPCWSTR, DWORD status, BOOL*) override
  {
    events.push_back("error");
    errorStatus = status;
  }
  void OnTitleChange(LPCWSTR title) override { events.push_back("title:" + qor::utils::utf16ToUtf8(title)); }
  void OnDocumentComplete(LPCWSTR) override { events.push_back(std::string("complete") + (GetBusy() ? " busy" : "")); }
  std::string eventText() const
  {
    std::string all;
    for (const std::string& e : events)
      all += (all.empty() ? "" : " ") + e;
    return all;
  }
};

std::u16string dataUrl(const std::string& html)
{
  std::string url = "data:text/html,";
  for (unsigned char c : html) {
    if (c == '%' || c == '#' || c < 0x20) {
      char code[4];
      std::snprintf(code, sizeof code, "%%%02X", c);
      url += code;
    } else {
      url += char(c);
    }
  }
  return qor::utils::utf8ToUtf16(url);
}

class Browsing : public Started
{
protected:
  void SetUp() override
  {
    Started::SetUp();
    start();
    place = std::make_unique<TestWindow>();
    view = new RecordingView();
    view->Create(nullptr, u"", WS_CHILD | WS_VISIBLE, RECT{0, 0, 300, 200}, place->view, 1);
  }
  void TearDown() override
  {
    qorwin::clearScriptFunctions();
    view->DestroyWindow();
    delete view;
    place.reset();
    Started::TearDown();
  }
  void go(const std::u16string& url)
  {
    view->Navigate2(url.c_str());
    qorwin::pump();
  }
  std::string title() const { return qor::utils::utf16ToUtf8(view->GetLocationName()); }
  std::string text() const { return qor::utils::utf16ToUtf8(qorwin::browserText(view->m_hWnd)); }

  std::unique_ptr<TestWindow> place;
  RecordingView* view = nullptr;
};

TEST_F(Browsing, APageLoadsOnALaterMessageWithItsEventsInOrder)
{
  view->Navigate2(dataUrl("<html><head><title>First page</title></head><body><p>Hello</p></body></html>").c_str());
  EXPECT_EQ(view->eventText(), "before");
  EXPECT_TRUE(view->GetBusy());
  EXPECT_EQ(view->GetHtmlDocument(), nullptr);
  qorwin::pump();
  EXPECT_EQ(view->eventText(), "before navigated title:First page complete");
  EXPECT_FALSE(view->GetBusy());
  EXPECT_EQ(title(), "First page");
  EXPECT_EQ(text(), "Hello");
  IDispatch* document = view->GetHtmlDocument();
  ASSERT_NE(document, nullptr);
  document->Release();

  // The same title again is no change; a cancelled navigation goes nowhere.
  view->events.clear();
  go(dataUrl("<title>First page</title><p>Again</p>"));
  EXPECT_EQ(view->eventText(), "before navigated complete");
  view->events.clear();
  view->cancelNext = true;
  go(u"about:blank");
  EXPECT_EQ(view->eventText(), "before");
  EXPECT_EQ(text(), "Again");
}

TEST_F(Browsing, MarkupThatIsNotWellFormedIsMended)
{
  go(dataUrl("<html><title>Broken &amp; mended</title><body><p>one<p>two <b>bold</i> tail</div><ul><li>a<li>b"
             "<script>function hidden() {}</script>"));
  EXPECT_EQ(title(), "Broken & mended");
  EXPECT_EQ(text(), "one\ntwo bold tail\na\nb");
  go(dataUrl("no markup at all, just \xC3\xA9 text"));
  EXPECT_EQ(text(), "no markup at all, just \xC3\xA9 text");
  EXPECT_EQ(title(), "");
}

TEST_F(Browsing, HistoryGoesBackAndForwardAndForgetsTheForwardPagesOfANewOne)
{
  for (const char* page : {"a", "b", "c"})
    go(dataUrl(std::string("<title>") + page + "</title>"));
  view->GoBack();
  qorwin::pump();
  EXPECT_EQ(title(), "b");
  view->GoBack();
  qorwin::pump();
  EXPECT_EQ(title(), "a");
  view->GoBack();
  qorwin::pump();
  EXPECT_EQ(title(), "a") << "nothing before the first page";
  view->GoForward();
  qorwin::pump();
  EXPECT_EQ(title(), "b");
  go(dataUrl("<title>d</title>"));
  size_t current = 99;
  const std::vector<std::u16string> history = qorwin::browserHistory(view->m_hWnd, &current);
  ASSERT_EQ(history.size(), 3u);
  EXPECT_EQ(current, 2u);
  EXPECT_EQ(history[1], dataUrl("<title>b</title>"));
  view->GoForward();
  qorwin::pump();
  EXPECT_EQ(title(), "d") << "the forward pages are gone";
  view->Refresh();
  qorwin::pump();
  EXPECT_EQ(qorwin::browserHistory(view->m_hWnd).size(), 3u) << "a refresh adds no entry";
}

TEST_F(Browsing, PagesFromALoopbackServerAndOneThatFailsToLoad)
{
  qortest::HttpServer server;
  server.on("/page", {200, "<title>Served</title><h1>Hello from the server</h1>", {"Content-Type: text/html"}});
  go(qor::utils::utf8ToUtf16(server.url("/page")));
  EXPECT_EQ(title(), "Served");
  EXPECT_EQ(text(), "Hello from the server");
  ASSERT_EQ(server.requests().size(), 1u);
  EXPECT_EQ(server.requests()[0].target, "/page");

  view->events.clear();
  const std::string closed = "http://127.0.0.1:" + std::to_string(qortest::HttpServer::closedPort()) + "/";
  go(qor::utils::utf8ToUtf16(closed));
  EXPECT_EQ(view->eventText(), "before error navigated title:Navigation failed complete");
  EXPECT_EQ(view->errorStatus, 12029u);
  EXPECT_EQ(qor::utils::utf16ToUtf8(view->GetLocationURL()), closed);
  EXPECT_NE(text().find("could not be loaded"), std::string::npos);

  view->events.clear();
  go(u"gopher://127.0.0.1/");
  EXPECT_EQ(view->errorStatus, 12006u) << "an unknown scheme";
}

TEST_F(Browsing, StopForgetsTheLoadUnderWay)
{
  go(dataUrl("<title>kept</title>"));
  view->events.clear();
  view->Navigate2(dataUrl("<title>dropped</title>").c_str());
  view->Stop();
  qorwin::pump();
  EXPECT_EQ(view->eventText(), "before");
  EXPECT_FALSE(view->GetBusy());
  EXPECT_EQ(title(), "kept");
}

TEST_F(Browsing, ThePageIsDrawnAsText)
{
  go(dataUrl("<title>Shown</title><p>Joined paths</p><p>Second line</p>"));
  qorwin::clearDrawRecords();
  qorwin::paint(view->m_hWnd);
  std::vector<std::u16string> lines;
  for (const qorwin::DrawRecord& r : qorwin::drawRecords(view->m_hWnd))
    if (r.op == qorwin::DrawRecord::Text)
      lines.push_back(r.text);
  EXPECT_EQ(lines, (std::vector<std::u16string>{u"Joined paths", u"Second line"}));
  EXPECT_EQ(qorwin::pixel(view->m_hWnd, 290, 190), RGB(255, 255, 255));
}

class WebViews : public Started
{
protected:
  void SetUp() override
  {
    Started::SetUp();
    start();
    place = std::make_unique<TestWindow>();
    web = std::make_unique<qor::pui::WebView>(Rect(10, 10, 200, 150));
    place->window->addWidget(web.get());
    web->loadURL(qor::utils::utf16ToUtf8(dataUrl("<title>Script</title><p>page</p>")));
    qorwin::pump();
    qorwin::registerScriptFunction(u"add", [this](const std::vector<std::u16string>& args, VARIANT* result) {
      calls.push_back(args);
      result->vt = VT_I4;
      result->lVal = 0;
      for (const std::u16string& a : args)
        result->lVal += std::stol(qor::utils::utf16ToUtf8(a));
      return S_OK;
    });
  }
  void TearDown() override
  {
    qorwin::clearScriptFunctions();
    web.reset();
    place.reset();
    Started::TearDown();
  }
  // Calls the function and logs what the callback saw: the result, or "error:" and the text.
  void call(const std::string& name, const std::vector<std::string>& arguments)
  {
    // The platform web view runs the callback it is given and leaves it to the caller.
    FunctionCallback callback([this] {
      std::string error;
      log.push_back(web->lastJavaScriptError(error) ? "error:" + error : web->lastJavaScriptResult());
    });
    web->callJavaScriptFunction(name, arguments, &callback);
  }

  std::unique_ptr<TestWindow> place;
  std::unique_ptr<qor::pui::WebView> web;
  std::vector<std::vector<std::u16string>> calls;
};

TEST_F(WebViews, ScriptCallsTakeArgumentsInOrderAndGiveResultsBack)
{
  call("add()", {"2", "3"});
  EXPECT_EQ(logText(), "5");
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0], (std::vector<std::u16string>{u"2", u"3"}));
  qorwin::registerScriptFunction(u"ab", [this](const std::vector<std::u16string>& args, VARIANT* result) {
    calls.push_back(args);
    result->vt = VT_BSTR;
    result->bstrVal = SysAllocString(args.empty() ? u"" : args[0].c_str());
    return S_OK;
  });
  log.clear();
  call("a()b()", {"\xC3\xA9t\xC3\xA9 \xE2\x82\xAC"});
  EXPECT_EQ(logText(), "\xC3\xA9t\xC3\xA9 \xE2\x82\xAC") << "a non-ASCII argument arrives and returns unchanged";
  std::string error;
  EXPECT_FALSE(web->lastJavaScriptError(error));
  EXPECT_EQ(web->lastJavaScriptResult(), "") << "only inside the callback";
}

TEST_F(WebViews, MissingAndFailingFunctionsReportTheirTexts)
{
  call("nowhere", {});
  qorwin::registerScriptFunction(u"broken", [](const std::vector<std::u16string>&, VARIANT*) { return E_FAIL; });
  call("broken", {});
  ASSERT_EQ(log.size(), 2u);
  EXPECT_EQ(log[0], "error:The JavaScript function could not be found.");
  EXPECT_EQ(log[1], "error:An unknown error occurred in calling the function.");
  std::string error = "untouched";
  EXPECT_FALSE(web->lastJavaScriptError(error));
  EXPECT_EQ(error, "") << "cleared after the callback";
  // Without a callback a call still runs.
  web->callJavaScriptFunction("add", {"1"}, nullptr);
  EXPECT_EQ(calls.size(), 1u);
}

TEST_F(WebViews, ResultTextsByType)
{
  struct Case
  {
    VARTYPE type;
    std::function<void(VARIANT&)> fill;
    const char* text;
  };
  const Case cases[] = {
      {VT_I4, [](VARIANT& v) { v.lVal = -3; }, "-3"},
      {VT_I8, [](VARIANT& v) { v.llVal = 5000000000LL; }, "5000000000"},
      {VT_UI4, [](VARIANT& v) { v.ulVal = 4000000000u; }, "4000000000"},
      {VT_R8, [](VARIANT& v) { v.dblVal = 2.5; }, "2.5"},
      {VT_R8, [](VARIANT& v) { v.dblVal = 1.0 / 3.0; }, "0.333333"},
      {VT_R4, [](VARIANT& v) { v.fltVal = 0.25f; }, "0.25"},
      {VT_BOOL, [](VARIANT& v) { v.boolVal = VARIANT_TRUE; }, "true"},
      {VT_BOOL, [](VARIANT& v) { v.boolVal = VARIANT_FALSE; }, "false"},
      {VT_EMPTY, [](VARIANT&) {}, ""},
      {VT_UI1, [](VARIANT& v) { v.bVal = 7; }, ""},
  };
  for (const Case& c : cases) {
    VARIANT value;
    VariantInit(&value);
    value.vt = c.type;
    c.fill(value);
    EXPECT_EQ(qor::pui::scriptResultText(value), c.text) << c.text;
  }
}

TEST_F(WebViews, NavigationThroughTheWidgetAndTheZoom)
{
  EXPECT_EQ(web->url(), qor::utils::utf16ToUtf8(dataUrl("<title>Script</title><p>page</p>")));
  EXPECT_EQ(qorwin::browserZoom(web->control()->m_hWnd), 100);
  EXPECT_TRUE(web->goBack()) << "true even with no page before";
  qor::pui::WebView unplaced(Rect(0, 0, 10, 10));
  EXPECT_FALSE(unplaced.goBack());
  EXPECT_EQ(unplaced.url(), "");

  HWND browser = web->control()->m_hWnd;
  web->detach(place->window.get());
  EXPECT_EQ(web->control(), nullptr) << "the view is let go";
  qorwin::pump();
  auto* left = dynamic_cast<CHtmlView*>(CWnd::FromHandlePermanent(browser));
  ASSERT_NE(left, nullptr);
  EXPECT_EQ(left->GetLocationURL(), u"about:blank");
}

class ScaledWebViews : public WebViews
{
protected:
  void SetUp() override
  {
    qorwin::setDisplayDpi(144);
    WebViews::SetUp();
  }
};

TEST_F(ScaledWebViews, EveryLoadedPageIsZoomedToTheSquareOfTheScale)
{
  EXPECT_EQ(qorwin::browserZoom(web->control()->m_hWnd), 225);
}

TEST_F(WebViews, TheClientHandle)
{
  std::unique_ptr<qor::core::Widget> wrapped(qor::core::wrapWidget(web.get()));
  auto* handle = dynamic_cast<qor::core::WebView*>(wrapped.get());
  ASSERT_NE(handle, nullptr);
  EXPECT_EQ(handle->type(), qor::core::WebViewWidgetType);
  handle->setText("ignored");
  handle->setTooltip("ignored");
  EXPECT_EQ(handle->text(), "");
  EXPECT_EQ(handle->tooltip(), "");
  std::string seen;
  handle->callJavaScriptFunction("add", {"20", "22"}, ClientFunctionCallback([&] { seen = handle->lastJavaScriptResult(); }));
  EXPECT_EQ(seen, "42");
  EXPECT_EQ(handle->lastJavaScriptResult(), "");

  std::unique_ptr<qor::core::Widget> same(handle->duplicate());
  dynamic_cast<qor::core::WebView*>(same.get())->loadURL("about:blank");
  qorwin::pump();
  EXPECT_EQ(handle->url(), "about:blank") << "a duplicate drives the same page";
  std::unique_ptr<qor::core::Widget> copy(handle->clone());
  EXPECT_EQ(dynamic_cast<qor::core::WebView*>(copy.get())->url(), "") << "a clone has no page";

  qor::core::WebView empty;
  EXPECT_FALSE(empty.goBack());
  std::string text = "kept";
  EXPECT_FALSE(empty.lastJavaScriptError(text));
  EXPECT_EQ(text, "kept");
}

}  // namespace valuewidgetstest
