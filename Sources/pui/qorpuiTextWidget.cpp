#include "pui/qorpuiTextWidget.h"

#include "aip/qoraipHostStrings.h"
#include "plat/qorplatCallbackScheduler.h"
#include "pui/qorpuiWindow.h"

namespace qor {
namespace pui {

TextWidget::TextWidget() : Widget(0, aip::Rect(), std::string()) {}

TextWidget::~TextWidget() = default;

bool TextWidget::bold() const
{
  return bold_;
}

void TextWidget::setBold(bool bold)
{
  bold_ = bold;
  updateFont();
  redraw();
}

bool TextWidget::italic() const
{
  return italic_;
}

void TextWidget::setItalic(bool italic)
{
  italic_ = italic;
  updateFont();
  redraw();
}

int32_t TextWidget::justification() const
{
  return justification_;
}

void TextWidget::setJustification(int32_t justification)
{
  justification_ = justification;
  // Edit controls take their alignment at creation only: they are made again.
  if ((kind() == TextFieldWidgetKind || kind() == TextViewWidgetKind) && hasControl() && window()) {
    Window* placed = window();
    placed->removeWidget(this);
    placed->addWidget(this);
  }
  redraw();
}

void TextWidget::updateFont()
{
  applyFont();
}

void TextWidget::applyFont()
{
  makeControlFont(bold_ ? u"Tahoma Bold" : u"Tahoma", italic_);
}

namespace qorpuiTextWidget_detail {
// The text's rectangle as DrawText fits it in Tahoma of the point size at 96 dpi; false without the
// hidden window.
bool measure(const std::string& text, double pointSize, RECT& rect, UINT format)
{
  HWND window = plat::callbackWindow();
  if (!window)
    return false;
  PAINTSTRUCT ps;
  HDC dc = ::BeginPaint(window, &ps);
  if (!dc)
    return false;
  CFont font;
  font.CreateFont(-::MulDiv(static_cast<int>(pointSize), 96, 72), 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0,
                  0, 0, 0, u"Tahoma");
  HGDIOBJ old = ::SelectObject(dc, font.m_hObject);
  std::u16string wide = aip::utf8ToWStringViaHost(text);
  ::DrawTextW(dc, wide.c_str(), -1, &rect, format);
  ::SelectObject(dc, old);
  ::EndPaint(window, &ps);
  return true;
}
}  // namespace qorpuiTextWidget_detail

double textHeightForWidth(const std::string& text, double width, double pointSize)
{
  RECT rect{0, 0, static_cast<LONG>(width), 7};
  if (!qorpuiTextWidget_detail::measure(text, pointSize, rect, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX))
    return 0.0;
  return rect.bottom - rect.top;
}

double textWidthForHeight(const std::string& text, double height, double pointSize)
{
  RECT rect{0, 0, 7, static_cast<LONG>(height)};
  if (!qorpuiTextWidget_detail::measure(text, pointSize, rect, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX))
    return 0.0;
  int w = rect.right - rect.left;
  int h = rect.bottom - rect.top;
  // An empty text measures no line; its width stands as it is.
  if (h <= 0)
    return w;
  double q = height / h;
  if (q < 2.5)
    return w;
  int n = static_cast<int>(q / 1.25);
  return n > 0 ? w / n : w;
}

}  // namespace pui
}  // namespace qor
