// The client handle of a web view (widget type 180): navigation, the page's URL and busy state, and
// calls of the page's script functions whose result or error is read inside the call's callback. A web
// view has no text and no tooltip.
#pragma once

#include <string>
#include <vector>

#include "core/qorcoreCallback.h"
#include "core/qorcoreWidget.h"

namespace qor {
namespace pui {
class WebView;
}
namespace core {

class WebView : public Widget
{
public:
  // An empty handle.
  WebView();
  explicit WebView(const Rect& frame);
  WebView(const WebView& other);
  ~WebView() override;

  Widget* duplicate() const override;
  Widget* clone() const override;
  // Always "", and nothing is stored.
  std::string text() const override;
  void setText(const std::string& text) override;
  std::string tooltip() const override;
  void setTooltip(const std::string& text) override;

  virtual WebView& assignShared(const WebView& other);
  virtual std::string url() const;
  virtual void loadURL(const std::string& url);
  virtual void stop();
  virtual void refresh();
  virtual bool goBack();
  virtual bool goForward();
  virtual bool isBusy() const;
  // The callback is cloned for this one call.
  virtual void callJavaScriptFunction(const std::string& name, const std::vector<std::string>& arguments,
                                      const Callback& callback);
  virtual std::string lastJavaScriptResult() const;
  // False, the text unchanged, without a web view.
  virtual bool lastJavaScriptError(std::string& text) const;

private:
  pui::WebView* view() const;
};

}  // namespace core
}  // namespace qor
