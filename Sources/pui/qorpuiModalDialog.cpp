#include "pui/qorpuiModalDialog.h"

#include "aip/qoraipHostStrings.h"
#include "aip/qoraipIllustrator.h"
#include "aip/qoraipLocalizer.h"
#include "aip/qoraipSuitePointers.h"
#include "geo/qorgeoNumeric.h"
#include "hostapi/ContextSuite.h"
#include "pui/qorpuiBasePlugin.h"
#include "pui/qorpuiButton.h"
#include "pui/qorpuiConstants.h"
#include "pui/qorpuiUiGlobals.h"
#include "pui/qorpuiWinMfcModalDialog.h"
#include "pui/qorpuiWinMfcView.h"
#include "pui/qorpuiWindow.h"

namespace qor {
namespace pui {

namespace qorpuiModalDialog_detail {

UiGlobals* uiGlobals()
{
  BasePlugin* plugin = BasePlugin::instance();
  return plugin ? plugin->uiGlobals() : nullptr;
}

int round(double value)
{
  return static_cast<int>(geo::roundToInt(value));
}

// The height of the button row.
const double buttonRowHeight = 60.0;

}  // namespace qorpuiModalDialog_detail

ModalDialog::ButtonOptions::ButtonOptions(const ButtonOptions& other)
    : show(other.show), dismisses(other.dismisses), label(other.label),
      callback(other.callback ? other.callback->clone() : nullptr)
{
}

ModalDialog::ButtonOptions& ModalDialog::ButtonOptions::operator=(const ButtonOptions& other)
{
  if (this == &other)
    return *this;
  show = other.show;
  dismisses = other.dismisses;
  label = other.label;
  delete callback;
  callback = other.callback ? other.callback->clone() : nullptr;
  return *this;
}

ModalDialog::ButtonOptions::~ButtonOptions()
{
  delete callback;
}

ModalDialog::ModalDialog(const std::string& title, const aip::Size& size)
{
  createWindow(size);
  buildButtons(title, size, ButtonOptions(), ButtonOptions());
}

ModalDialog::ModalDialog(const std::string& title, const aip::Size& size, const ButtonOptions& defaultOptions,
                         const ButtonOptions& cancelOptions)
{
  aip::Size withRow = size;
  if (defaultOptions.show || cancelOptions.show)
    withRow.height += qorpuiModalDialog_detail::buttonRowHeight;
  createWindow(withRow);
  buildButtons(title, withRow, defaultOptions, cancelOptions);
}

double ModalDialog::dpiStep() const
{
  aip::Illustrator* app = aip::Illustrator::instance();
  if (!app || !app->isUIScaled() || !dialog_ || !dialog_->GetSafeHwnd())
    return 1.0;
  PAINTSTRUCT ps;
  HDC dc = ::BeginPaint(dialog_->m_hWnd, &ps);
  double r = dc ? ::GetDeviceCaps(dc, LOGPIXELSY) / 96.0 : 1.0;
  ::EndPaint(dialog_->m_hWnd, &ps);
  if (r > 1.99)
    return 2.0;
  if (r > 1.49)
    return 1.5;
  if (r > 1.24)
    return app->snapUIScaleFactor();
  return 1.0;
}

void ModalDialog::createWindow(const aip::Size& size)
{
  // A dialog opened while another runs belongs to that one.
  HWND owner = nullptr;
  UiGlobals* globals = qorpuiModalDialog_detail::uiGlobals();
  if (globals && globals->modalDialogShowing) {
    owner = ::GetActiveWindow();
  } else {
    PlatformWindow main = nullptr;
    if (aip::contextSuite && aip::contextSuite->getMainWindow(&main) == 0)
      owner = reinterpret_cast<HWND>(main);
  }
  dialog_ = new WinMfcModalDialog(CWnd::FromHandle(owner));
  dialog_->owner = this;
  if (!dialog_->Create(20, CWnd::FromHandle(owner)))
    return;
  dialog_->ModifyStyle(0, WS_CAPTION);

  aip::Illustrator* app = aip::Illustrator::instance();
  int32_t language = app ? app->appLanguage() : 0;
  int points = (language == 8 || language == 9 || language == 10) ? 10 : 9;
  PAINTSTRUCT ps;
  HDC dc = ::BeginPaint(dialog_->m_hWnd, &ps);
  int n = dc ? Widget::fontDpi(dc) : 96;
  ::EndPaint(dialog_->m_hWnd, &ps);
  font_.CreateFont(-::MulDiv(points, n, 72), 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, u"Tahoma");
  dialog_->SetFont(&font_, TRUE);

  double step = dpiStep();
  int width = qorpuiModalDialog_detail::round(size.width * step);
  int height = qorpuiModalDialog_detail::round(size.height * step);
  auto* view = new WinMfcView();
  if (!view->CreateEx(WS_EX_COMPOSITED, nullptr, u"", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, width, height,
                      dialog_->m_hWnd, nullptr)) {
    delete view;
    return;
  }
  ::SetPropA(view->m_hWnd, windowIdProperty.c_str(), this);
  window_ = new Window(view);
  window_->setKind(2);
  view->windowLink = window_;

  // Centred on the primary screen.
  RECT outer, client;
  dialog_->GetWindowRect(&outer);
  dialog_->GetClientRect(&client);
  double outerWidth = size.width * step + ((outer.right - outer.left) - (client.right - client.left));
  double outerHeight = size.height * step + ((outer.bottom - outer.top) - (client.bottom - client.top));
  double x = ::GetSystemMetrics(SM_CXSCREEN) / 2.0 - outerWidth / 2.0;
  double y = ::GetSystemMetrics(SM_CYSCREEN) / 2.0 - outerHeight / 2.0;
  ::SetWindowPos(dialog_->m_hWnd, nullptr, qorpuiModalDialog_detail::round(x), qorpuiModalDialog_detail::round(y), qorpuiModalDialog_detail::round(outerWidth), qorpuiModalDialog_detail::round(outerHeight),
                 SWP_NOZORDER | SWP_NOACTIVATE);
  view->MoveWindow(0, 0, width, height, TRUE);
}

Button* ModalDialog::makeButton(const ButtonOptions& options, const char* labelKey, double x,
                                void (ModalDialog::*pressed)())
{
  std::string label = options.label;
  if (label.empty())
    if (aip::Localizer* localizer = aip::Localizer::instance())
      label = localizer->hostLocale(labelKey);
  double y = size_.height - 40.0 - ::GetSystemMetrics(SM_CXDLGFRAME);
  return new Button(aip::Point(x, y), 80.0, label, new utils::__Callback<ModalDialog>(this, pressed));
}

void ModalDialog::buildButtons(const std::string& title, const aip::Size& size, const ButtonOptions& defaultOptions,
                               const ButtonOptions& cancelOptions)
{
  title_ = title;
  if (dialog_ && dialog_->GetSafeHwnd())
    ::SetWindowTextW(dialog_->m_hWnd, aip::utf8ToWStringViaHost(title).c_str());
  size_ = size;
  widgets_ = new utils::List<Widget*>();
  if (defaultOptions.show) {
    defaultDismisses_ = defaultOptions.dismisses;
    defaultCallback_ = defaultOptions.callback ? defaultOptions.callback->clone() : nullptr;
    defaultButton_ = makeButton(defaultOptions, "OKBtnTextKey", size.width - 100.0, &ModalDialog::defaultPressed);
    defaultButton_->setStyle(2);
    addWidget(defaultButton_);
  }
  if (cancelOptions.show) {
    cancelDismisses_ = cancelOptions.dismisses;
    cancelCallback_ = cancelOptions.callback ? cancelOptions.callback->clone() : nullptr;
    double x = defaultButton_ ? size.width - 190.0 : size.width - 100.0;
    cancelButton_ = makeButton(cancelOptions, "CancelBtnTextKey", x, &ModalDialog::cancelPressed);
    cancelButton_->setStyle(1);
    addWidget(cancelButton_);
  }
  if (UiGlobals* globals = qorpuiModalDialog_detail::uiGlobals())
    globals->modalDialogs.pushBack(this);
}

ModalDialog::~ModalDialog()
{
  if (dialog_ && dialog_->GetSafeHwnd() && dialog_->IsWindowVisible())
    dialog_->EndDialog(0);
  if (UiGlobals* globals = qorpuiModalDialog_detail::uiGlobals())
    globals->modalDialogs.remove(this);
  delete defaultCallback_;
  delete cancelCallback_;
  delete defaultButton_;
  delete cancelButton_;
  delete widgets_;
  delete window_;
  if (dialog_ && dialog_->GetSafeHwnd())
    dialog_->DestroyWindow();
  delete dialog_;
}

void ModalDialog::addWidget(Widget* widget)
{
  if (!widget)
    return;
  if (!widgets_->contains(widget))
    widgets_->pushBack(widget);
  if (window_)
    window_->addWidget(widget);
}

void ModalDialog::removeWidget(Widget* widget)
{
  if (!widget)
    return;
  widgets_->remove(widget);
  if (window_)
    window_->removeWidget(widget);
}

void ModalDialog::show()
{
  result_ = 0;
  UiGlobals* globals = qorpuiModalDialog_detail::uiGlobals();
  if (!globals || !dialog_ || !dialog_->GetSafeHwnd())
    return;
  bool running = globals->modalDialogShowing;
  globals->modalDialogShowing = true;
  dialog_->DoModal();
  // The globals may be gone when the plug-in stopped while the dialog ran.
  if (UiGlobals* after = qorpuiModalDialog_detail::uiGlobals())
    after->modalDialogShowing = running;
}

void ModalDialog::dismiss()
{
  if (dialog_ && dialog_->GetSafeHwnd() && dialog_->IsWindowVisible())
    dialog_->EndDialog(0);
}

void ModalDialog::setTitle(const std::string& title)
{
  title_ = title;
  if (dialog_ && dialog_->GetSafeHwnd())
    ::SetWindowTextW(dialog_->m_hWnd, aip::utf8ToWStringViaHost(title).c_str());
}

std::string ModalDialog::title() const
{
  if (!dialog_ || !dialog_->GetSafeHwnd())
    return title_;
  int length = dialog_->GetWindowTextLength();
  auto* buffer = static_cast<char16_t*>(
      ::VirtualAlloc(nullptr, (static_cast<SIZE_T>(length) + 1) * sizeof(char16_t), MEM_COMMIT, PAGE_READWRITE));
  if (!buffer)
    return title_;
  int n = dialog_->GetWindowText(buffer, length + 1);
  std::string text = aip::wstringToUtf8ViaHost(std::u16string(buffer, static_cast<size_t>(n > 0 ? n : 0)));
  ::VirtualFree(buffer, 0, MEM_RELEASE);
  return text;
}

void ModalDialog::setSize(const aip::Size& size)
{
  aip::Size old = this->size();
  size_ = size;
  if (hasButtons())
    size_.height += qorpuiModalDialog_detail::buttonRowHeight;
  if (dialog_ && dialog_->GetSafeHwnd()) {
    double step = dpiStep();
    RECT outer, client;
    dialog_->GetWindowRect(&outer);
    dialog_->GetClientRect(&client);
    double outerWidth = size_.width * step + ((outer.right - outer.left) - (client.right - client.left));
    double outerHeight = size_.height * step + ((outer.bottom - outer.top) - (client.bottom - client.top));
    ::SetWindowPos(dialog_->m_hWnd, nullptr, 0, 0, qorpuiModalDialog_detail::round(outerWidth), qorpuiModalDialog_detail::round(outerHeight),
                   SWP_NOZORDER | SWP_NOMOVE | SWP_NOACTIVATE);
    if (window_ && window_->nativeWindow())
      window_->nativeWindow()->MoveWindow(0, 0, qorpuiModalDialog_detail::round(size_.width * step), qorpuiModalDialog_detail::round(size_.height * step), TRUE);
  }
  // The buttons stay anchored to the bottom-right corner.
  for (Button* button : {defaultButton_, cancelButton_}) {
    if (!button)
      continue;
    aip::Rect frame = button->frame();
    button->setOrigin(aip::Point(frame.origin.x + (size.width - old.width), frame.origin.y + (size.height - old.height)));
  }
}

aip::Size ModalDialog::size() const
{
  aip::Size result = size_;
  if (dialog_ && dialog_->GetSafeHwnd()) {
    RECT client;
    dialog_->GetClientRect(&client);
    double step = dpiStep();
    result = aip::Size((client.right - client.left) / step, (client.bottom - client.top) / step);
  }
  if (hasButtons())
    result.height -= qorpuiModalDialog_detail::buttonRowHeight;
  return result;
}

void ModalDialog::defaultPressed()
{
  result_ = 1;
  if (defaultCallback_)
    defaultCallback_->execute();
  if (defaultDismisses_ && dialog_ && dialog_->GetSafeHwnd() && dialog_->IsWindowVisible())
    dialog_->EndDialog(0);
}

void ModalDialog::cancelPressed()
{
  result_ = 2;
  if (cancelCallback_)
    cancelCallback_->execute();
  if (cancelDismisses_ && dialog_ && dialog_->GetSafeHwnd() && dialog_->IsWindowVisible())
    dialog_->EndDialog(0);
}

void redrawAllModalDialogs()
{
  UiGlobals* globals = qorpuiModalDialog_detail::uiGlobals();
  if (!globals)
    return;
  for (ModalDialog* dialog : globals->modalDialogs) {
    Window* window = dialog ? dialog->window() : nullptr;
    if (!window)
      continue;
    if (window->nativeWindow() && window->nativeWindow()->GetSafeHwnd())
      ::InvalidateRgn(window->nativeWindow()->m_hWnd, nullptr, FALSE);
    window->updateWidgets();
  }
}

}  // namespace pui
}  // namespace qor
