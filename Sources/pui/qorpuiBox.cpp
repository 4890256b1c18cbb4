#include "pui/qorpuiBox.h"

#include "aip/qoraipHostStrings.h"
#include "pui/qorpuiTheme.h"
#include "pui/qorpuiThemePainting.h"
#include "pui/qorpuiWindow.h"
#include "pui/qorpuiWindowLists.h"

#include <initializer_list>
#include <vector>

namespace qor {
namespace pui {

Box::Box(const aip::Rect& frame, const std::string& title)
    : Widget(BoxWidgetKind, frame, title), CustomEventsWidget(BoxWidgetKind), title_(title)
{
}

Box::Box(const aip::Point& origin, double length, bool horizontal)
    : Widget(BoxWidgetKind,
             horizontal ? aip::Rect(origin.x, origin.y, length, 2.0) : aip::Rect(origin.x, origin.y, 2.0, length),
             std::string()),
      CustomEventsWidget(BoxWidgetKind),
      isDivider_(true),
      horizontal_(horizontal)
{
}

Box::Box(const Box& other)
    : Widget(BoxWidgetKind, other.unadjustedFrame(), other.title_),
      CustomEventsWidget(BoxWidgetKind),
      isDivider_(other.isDivider_),
      horizontal_(other.horizontal_)
{
  setInset(other.inset());
  setText(other.title_);
}

Box::~Box() = default;

Widget* Box::clone() const
{
  return new Box(*this);
}

std::string Box::text()
{
  return title_;
}

void Box::setText(const std::string& text)
{
  title_ = text;
  Widget::setText(text);
  // The title is drawn while the background is erased.
  if (hasControl())
    ::InvalidateRect(control()->m_hWnd, nullptr, TRUE);
}

bool Box::enabled() const
{
  return true;
}

void Box::setEnabled(bool) {}

void Box::updateFont() {}

bool Box::isDivider() const
{
  return isDivider_;
}

bool Box::isHorizontal() const
{
  return horizontal_;
}

bool Box::isVertical() const
{
  return !horizontal_;
}

void Box::createControl(Window* window)
{
  if (!window || !window->nativeWindow())
    return;
  auto* control = new WinMfcBox(this);
  setControl(control);
  RECT r = pixelFrame(window);
  control->CreateEx(WS_EX_TRANSPARENT, nullptr, nullptr, WS_CHILD | WS_VISIBLE, r.left, r.top, r.right - r.left,
                    r.bottom - r.top, window->nativeWindow()->m_hWnd, reinterpret_cast<HMENU>(uintptr_t(controlId())));
  updateFont();
  Widget::createControl(window);
  markControlCreated();
}

BEGIN_MESSAGE_MAP(WinMfcBox, CWnd)
ON_WM_ERASEBKGND()
ON_WM_LBUTTONDOWN()
END_MESSAGE_MAP()

WinMfcBox::~WinMfcBox() = default;

namespace qorpuiBox_detail {
// Lines through the points with a one-pixel pen of the colour.
void polyline(HDC dc, std::initializer_list<POINT> points, COLORREF color)
{
  std::vector<POINT> all(points);
  std::vector<BYTE> types(all.size(), PT_LINETO);
  if (!types.empty())
    types[0] = PT_MOVETO;
  HPEN pen = ::CreatePen(PS_SOLID, 1, color);
  HGDIOBJ old = ::SelectObject(dc, pen);
  ::PolyDraw(dc, all.data(), types.data(), static_cast<int>(all.size()));
  ::SelectObject(dc, old);
  ::DeleteObject(pen);
}
}  // namespace qorpuiBox_detail

BOOL WinMfcBox::OnEraseBkgnd(CDC* cdc)
{
  using qorpuiBox_detail::polyline;
  if (!owner || !cdc)
    return TRUE;
  HDC dc = cdc->m_hDC;
  const int32_t context = themeContextOf(owner);
  Window* window = owner->window();
  const double s = owner->uiScale(window);
  RECT c{};
  ::GetClipBox(dc, &c);
  ThemeColorSet set;
  themeBoxColors(themeComponentOf(owner), set);
  if (!IsWindowEnabled())
    set.color2 = themeRoleColor(context, 30);
  const COLORREF oldText = ::SetTextColor(dc, colorRefOf(set.color2));
  const COLORREF oldBack = ::SetBkColor(dc, colorRefOf(set.color1));
  const COLORREF c3 = colorRefOf(set.color3), c4 = colorRefOf(set.color4);
  const aip::Rect frame = owner->frame();
  if (owner->isDivider()) {
    if (owner->isHorizontal()) {
      polyline(dc, {{c.left, c.top}, {c.right, c.top}}, c3);
      if (frame.size.height >= 2)
        polyline(dc, {{c.left, c.top + 1}, {c.right, c.top + 1}}, c4);
    } else {
      polyline(dc, {{c.left, c.top}, {c.left, c.bottom}}, c3);
      if (frame.size.width >= 2)
        polyline(dc, {{c.left + 1, c.top}, {c.left + 1, c.bottom}}, c4);
    }
  } else {
    const int t = c.top + roundedPixels(6.0 * s), r = c.right - roundedPixels(s), b = c.bottom - roundedPixels(s);
    polyline(dc, {{c.left, t}, {r, t}, {r, b}, {c.left, b}, {c.left, t}}, c4);
    polyline(dc, {{c.left + 1, t - 1}, {r - 1, t - 1}, {r - 1, b - 1}, {c.left + 1, b - 1}, {c.left + 1, t - 1}}, c3);
    std::u16string title = aip::utf8ToWStringViaHost(owner->text());
    if (!title.empty()) {
      RECT area{c.left + roundedPixels(5.0 * s), c.top, r - roundedPixels(5.0 * s), t + roundedPixels(4.0 * s)};
      CFont font;
      font.CreateFont(-::MulDiv(owner->fontPointSize(), Widget::fontDpi(dc), 72), 0, 0, 0, FW_NORMAL, 0, 0, 0, 1, 0, 0,
                      0, 0, u"Tahoma");
      HGDIOBJ oldFont = ::SelectObject(dc, font);
      title.push_back(u'\0');
      ::DrawTextExW(dc, &title[0], -1, &area, DT_CALCRECT | DT_NOPREFIX | DT_SINGLELINE | DT_VCENTER, nullptr);
      area.right += roundedPixels(4.0 * s);
      ::DrawTextExW(dc, &title[0], -1, &area, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX, nullptr);
      ::SelectObject(dc, oldFont);
    }
  }
  ::SetBkColor(dc, oldBack);
  ::SetTextColor(dc, oldText);
  return TRUE;
}

void WinMfcBox::OnLButtonDown(UINT, CPoint)
{
  Default();
  // A click on a box outside a pop-up closes the open pop-ups.
  if (owner && owner->window() && owner->window()->kind() != -1)
    closeAllBorderlessPanels();
}

}  // namespace pui
}  // namespace qor
