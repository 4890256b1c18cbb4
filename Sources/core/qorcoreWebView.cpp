#include "core/qorcoreWebView.h"

#include <memory>

#include "aip/qoraipRect.h"
#include "core/qorcoreWidgetCallback.h"
#include "pui/qorpuiWebView.h"

namespace qor {
namespace core {

WebView::WebView() = default;

WebView::WebView(const Rect& frame)
{
  adopt(new pui::WebView(aip::Rect(frame.origin.x, frame.origin.y, frame.size.width, frame.size.height)));
}

WebView::WebView(const WebView& other) : Widget(other) {}

WebView::~WebView() = default;

pui::WebView* WebView::view() const
{
  return platformAs<pui::WebView>();
}

Widget* WebView::duplicate() const
{
  return new WebView(*this);
}

Widget* WebView::clone() const
{
  pui::WebView* source = view();
  if (!source)
    return nullptr;
  auto* copy = new WebView();
  copy->adopt(source->clone());
  return copy;
}

std::string WebView::text() const
{
  return std::string();
}

void WebView::setText(const std::string&) {}

std::string WebView::tooltip() const
{
  return std::string();
}

void WebView::setTooltip(const std::string&) {}

WebView& WebView::assignShared(const WebView& other)
{
  shareContainer(other);
  return *this;
}

std::string WebView::url() const
{
  pui::WebView* platform = view();
  return platform ? platform->url() : std::string();
}

void WebView::loadURL(const std::string& url)
{
  if (pui::WebView* platform = view())
    platform->loadURL(url);
}

void WebView::stop()
{
  if (pui::WebView* platform = view())
    platform->stop();
}

void WebView::refresh()
{
  if (pui::WebView* platform = view())
    platform->refresh();
}

bool WebView::goBack()
{
  pui::WebView* platform = view();
  return platform && platform->goBack();
}

bool WebView::goForward()
{
  pui::WebView* platform = view();
  return platform && platform->goForward();
}

bool WebView::isBusy() const
{
  pui::WebView* platform = view();
  return platform && platform->isBusy();
}

void WebView::callJavaScriptFunction(const std::string& name, const std::vector<std::string>& arguments,
                                     const Callback& callback)
{
  pui::WebView* platform = view();
  if (!platform)
    return;
  // The clone serves this one call and goes with it.
  std::unique_ptr<utils::Callback> once(platformCallback(&callback));
  platform->callJavaScriptFunction(name, arguments, once.get());
}

std::string WebView::lastJavaScriptResult() const
{
  pui::WebView* platform = view();
  return platform ? platform->lastJavaScriptResult() : std::string();
}

bool WebView::lastJavaScriptError(std::string& text) const
{
  pui::WebView* platform = view();
  return platform && platform->lastJavaScriptError(text);
}

}  // namespace core
}  // namespace qor
