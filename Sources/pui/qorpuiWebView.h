// A web view: a page inside a panel or dialog over the system's browser control, navigated by client
// code, whose script functions client code calls synchronously; the result or an error is readable
// while the call's callback runs. Each loaded page is zoomed to follow the display's scale.
#pragma once

#include <string>
#include <vector>

#include "pui/qorpuiWidget.h"
#include "utils/qorutilsCallback.h"
#include "win/AfxHtml.h"

namespace qor {
namespace pui {

class WebView : public virtual Widget
{
public:
  explicit WebView(const aip::Rect& frame);
  // Forgets the browser view, which goes away with its window.
  ~WebView() override;

  Widget* clone() const override;
  void createControl(Window* window) override;
  void detach() override;
  // Shows "about:blank" and lets go of the browser view, which stays in the window until the window
  // goes.
  virtual void detach(Window* window);

  virtual void loadURL(const std::string& url);
  virtual std::string url();
  virtual void stop();
  virtual void refresh();
  // True with a control, whatever the browser answers.
  virtual bool goBack();
  virtual bool goForward();
  virtual bool isBusy();
  // Calls the page's function (every "()" removed from the name) with the arguments as strings, then
  // runs the callback (which may be null) once, when the page has a script object.
  virtual void callJavaScriptFunction(const std::string& name, const std::vector<std::string>& arguments,
                                      utils::Callback* callback);
  virtual std::string lastJavaScriptResult() const;
  // The error text of a failed call into `text`; true while the callback of a failed call runs.
  virtual bool lastJavaScriptError(std::string& text) const;

  // Called by the browser view as its window goes: the widget no longer has a control.
  void viewGone() { forgetControl(); }

protected:
  WebView(const WebView& other);

private:
  void runCallback(utils::Callback* callback, bool failed, const std::string& error, const std::string& result);

  bool callFailed_ = false;
  std::string errorText_;
  std::string resultText_;
};

// The text of a script result by its type: integers in decimal, reals with six significant digits,
// strings, "true"/"false"; empty for every other type.
std::string scriptResultText(const VARIANT& value);

class WinMfcWebView : public CHtmlView
{
public:
  explicit WinMfcWebView(WebView* owner) : owner(owner) {}

  // Zooms the page to the square of the display's scale.
  void OnDocumentComplete(LPCWSTR url) override;
  // The view deletes itself with its window.
  void PostNcDestroy() override;

  // Cleared when the widget lets the view go.
  WebView* owner;
};

}  // namespace pui
}  // namespace qor
