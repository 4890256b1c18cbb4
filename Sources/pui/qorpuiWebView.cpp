#include "pui/qorpuiWebView.h"

#include "aip/qoraipIllustrator.h"
#include "geo/qorgeoNumeric.h"
#include "pui/qorpuiWindow.h"
#include "utils/qorutilsStrings.h"

namespace qor {
namespace pui {

namespace qorpuiWebView_detail {
const char notFound[] = "The JavaScript function could not be found.";
const char failedCall[] = "An unknown error occurred in calling the function.";
}  // namespace qorpuiWebView_detail

std::string scriptResultText(const VARIANT& value)
{
  switch (value.vt) {
  case VT_I2:
    return utils::intToString(value.iVal);
  case VT_I4:
    return utils::intToString(value.lVal);
  case VT_INT:
    return utils::intToString(value.intVal);
  case VT_I8:
    return utils::int64ToString(value.llVal);
  case VT_UI2:
    return std::to_string(value.uiVal);
  case VT_UI4:
    return std::to_string(value.ulVal);
  case VT_UINT:
    return std::to_string(value.uintVal);
  case VT_UI8:
    return std::to_string(value.ullVal);
  case VT_R4:
    return utils::floatToString(value.fltVal);
  case VT_R8:
    return utils::doubleToString(value.dblVal);
  case VT_BSTR:
    return value.bstrVal ? utils::utf16ToUtf8(std::u16string(value.bstrVal, SysStringLen(value.bstrVal))) : "";
  case VT_BOOL:
    return value.boolVal ? "true" : "false";
  default:
    return std::string();
  }
}

WebView::WebView(const aip::Rect& frame) : Widget(WebViewWidgetKind, frame, std::string()) {}

WebView::WebView(const WebView& other) : Widget(WebViewWidgetKind, other.unadjustedFrame(), std::string())
{
  setInset(other.inset());
}

WebView::~WebView()
{
  if (auto* view = dynamic_cast<WinMfcWebView*>(control()))
    view->owner = nullptr;
  forgetControl();
}

Widget* WebView::clone() const
{
  return new WebView(*this);
}

void WebView::createControl(Window* window)
{
  if (!window || !window->nativeWindow())
    return;
  auto* view = new WinMfcWebView(this);
  setControl(view);
  view->Create(nullptr, u"WinMfcWebView", WS_CHILD | WS_VISIBLE | WS_TABSTOP, pixelFrame(window),
               window->nativeWindow(), controlId());
  if (view->m_pBrowserApp)
    view->m_pBrowserApp->put_Silent(VARIANT_TRUE);
  Widget::createControl(window);
}

void WebView::detach()
{
  Widget::detach();
}

void WebView::detach(Window* window)
{
  Widget::detach();
  if (!window)
    return;
  loadURL("about:blank");
  if (auto* view = dynamic_cast<WinMfcWebView*>(control()))
    view->owner = nullptr;
  forgetControl();
}

void WebView::loadURL(const std::string& url)
{
  auto* view = dynamic_cast<CHtmlView*>(control());
  if (!view || !hasControl())
    return;
  const std::u16string wide = utils::utf8ToUtf16(url);
  view->Navigate2(wide.c_str(), 0, nullptr, nullptr, nullptr, 0);
}

std::string WebView::url()
{
  auto* view = dynamic_cast<CHtmlView*>(control());
  return view && hasControl() ? utils::utf16ToUtf8(view->GetLocationURL()) : std::string();
}

void WebView::stop()
{
  auto* view = dynamic_cast<CHtmlView*>(control());
  if (view && hasControl() && view->m_pBrowserApp)
    view->m_pBrowserApp->Stop();
}

void WebView::refresh()
{
  auto* view = dynamic_cast<CHtmlView*>(control());
  if (view && hasControl() && view->m_pBrowserApp)
    view->m_pBrowserApp->Refresh();
}

bool WebView::goBack()
{
  auto* view = dynamic_cast<CHtmlView*>(control());
  if (!view || !hasControl())
    return false;
  if (view->m_pBrowserApp)
    view->m_pBrowserApp->GoBack();
  return true;
}

bool WebView::goForward()
{
  auto* view = dynamic_cast<CHtmlView*>(control());
  if (!view || !hasControl())
    return false;
  if (view->m_pBrowserApp)
    view->m_pBrowserApp->GoForward();
  return true;
}

bool WebView::isBusy()
{
  auto* view = dynamic_cast<CHtmlView*>(control());
  return view && hasControl() && view->GetBusy();
}

void WebView::runCallback(utils::Callback* callback, bool failed, const std::string& error, const std::string& result)
{
  callFailed_ = failed;
  errorText_ = error;
  resultText_ = result;
  // The texts belong to this callback only, also when it throws.
  struct Clear
  {
    WebView* view;
    ~Clear()
    {
      view->callFailed_ = false;
      view->errorText_.clear();
      view->resultText_.clear();
    }
  } clear{this};
  if (callback)
    callback->execute();
}

void WebView::callJavaScriptFunction(const std::string& name, const std::vector<std::string>& arguments,
                                     utils::Callback* callback)
{
  auto* view = dynamic_cast<CHtmlView*>(control());
  if (!view || !hasControl())
    return;
  IDispatch* document = view->GetHtmlDocument();
  if (!document)
    return;
  IHTMLDocument2* html = nullptr;
  IDispatch* script = nullptr;
  const bool haveScript = SUCCEEDED(document->QueryInterface(IID_IHTMLDocument2, reinterpret_cast<void**>(&html))) &&
                          html && SUCCEEDED(html->get_Script(&script)) && script;
  document->Release();
  if (html)
    html->Release();
  if (!haveScript)
    return;
  std::u16string member = utils::utf8ToUtf16(utils::replaceAll(name, "()", ""));
  LPOLESTR names[1] = {&member[0]};
  DISPID id = DISPID_UNKNOWN;
  if (FAILED(script->GetIDsOfNames(IID_NULL, names, 1, LOCALE_SYSTEM_DEFAULT, &id)) || id == 0) {
    script->Release();
    runCallback(callback, true, qorpuiWebView_detail::notFound, std::string());
    return;
  }
  // The last argument first, as the dispatch interface takes them.
  std::vector<VARIANT> values(arguments.size());
  for (size_t i = 0; i < arguments.size(); ++i) {
    VARIANT& value = values[arguments.size() - 1 - i];
    VariantInit(&value);
    value.vt = VT_BSTR;
    const std::u16string wide = utils::utf8ToUtf16(arguments[i]);
    value.bstrVal = SysAllocStringLen(wide.c_str(), UINT(wide.size()));
  }
  DISPPARAMS params{values.empty() ? nullptr : values.data(), nullptr, UINT(values.size()), 0};
  VARIANT result;
  VariantInit(&result);
  EXCEPINFO exception{};
  UINT argumentError = UINT(-1);
  const HRESULT called = script->Invoke(id, IID_NULL, 0, DISPATCH_METHOD, &params, &result, &exception, &argumentError);
  for (VARIANT& value : values)
    VariantClear(&value);
  SysFreeString(exception.bstrSource);
  SysFreeString(exception.bstrDescription);
  SysFreeString(exception.bstrHelpFile);
  script->Release();
  if (FAILED(called)) {
    VariantClear(&result);
    runCallback(callback, true, qorpuiWebView_detail::failedCall, std::string());
    return;
  }
  const std::string text = scriptResultText(result);
  VariantClear(&result);
  runCallback(callback, false, std::string(), text);
}

std::string WebView::lastJavaScriptResult() const
{
  return resultText_;
}

bool WebView::lastJavaScriptError(std::string& text) const
{
  text = errorText_;
  return callFailed_;
}

void WinMfcWebView::OnDocumentComplete(LPCWSTR url)
{
  CHtmlView::OnDocumentComplete(url);
  if (!owner || !owner->window())
    return;
  try {
    double d = owner->window()->dpiStep();
    if (d > 1.01 && d < 1.49) {
      aip::Illustrator* app = aip::Illustrator::instance();
      d = app ? app->snapUIScaleFactor() : d;
    }
    VARIANT zoom;
    VariantInit(&zoom);
    zoom.vt = VT_I4;
    zoom.lVal = static_cast<LONG>(geo::roundToInt(100.0 * d * d));
    ExecWB(OLECMDID_OPTICAL_ZOOM, OLECMDEXECOPT_DODEFAULT, &zoom, nullptr);
  } catch (...) {
  }
}

void WinMfcWebView::PostNcDestroy()
{
  CHtmlView::PostNcDestroy();
  if (owner)
    owner->viewGone();
  delete this;
}

}  // namespace pui
}  // namespace qor
