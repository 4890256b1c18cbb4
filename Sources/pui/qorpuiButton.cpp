#include "pui/qorpuiButton.h"

#include <cmath>

#include "aip/qoraipColor.h"
#include "aip/qoraipHostStrings.h"
#include "aip/qoraipIllustrator.h"
#include "pui/qorpuiGdiPlusBitmap.h"
#include "pui/qorpuiHoverTracking.h"
#include "pui/qorpuiTextWidget.h"
#include "pui/qorpuiTheme.h"
#include "pui/qorpuiWindow.h"
#include "win/GdiPlus.h"

namespace qor {
namespace pui {

namespace qorpuiButton_detail {
COLORREF colorRef(const aip::Color& color)
{
  return static_cast<COLORREF>(color.toInt());
}

aip::Color roleColor(int32_t context, int32_t role)
{
  aip::Illustrator* app = aip::Illustrator::instance();
  if (!app)
    return aip::Color::black();
  aip::ThemeColor theme = app->themeColor(context, role);
  return aip::Color(theme.red, theme.green, theme.blue, theme.alpha);
}

void frame(HDC dc, const RECT& rect, COLORREF color)
{
  CBrush brush(color);
  ::FrameRect(dc, &rect, brush);
}

void fill(HDC dc, const RECT& rect, COLORREF color)
{
  CBrush brush(color);
  ::FillRect(dc, &rect, brush);
}

RECT shrunk(RECT rect, int by)
{
  ::InflateRect(&rect, -by, -by);
  return rect;
}

// What both button controls paint first: the theme's colours for the state and the three frames
// around the face (the outer one marks the emphasised button and the focus).
struct Face
{
  int32_t context;
  ThemeColorSet set;
  aip::Color background;
};

Face paintFace(const Button& owner, HDC dc, const RECT& r, int32_t state, bool focused)
{
  Face face;
  face.context = owner.themeContext();
  themeControlColors(face.context == 20 ? 0 : 1, state, face.set);
  face.background = roleColor(face.context, 10);
  const COLORREF focus = colorRef(roleColor(face.context, 70));
  const COLORREF outer =
      owner.style() == 2 ? (focused ? focus : colorRef(face.set.color2)) : colorRef(face.set.color1);
  frame(dc, r, outer);
  // The pointer over a button shows in the theme's hover-border colour, as over highlighted labels.
  const COLORREF middle = focused ? focus : state == 3 ? colorRef(roleColor(face.context, 80)) : colorRef(face.set.color2);
  frame(dc, shrunk(r, 1), middle);
  frame(dc, shrunk(r, 2), colorRef(face.set.color3));
  fill(dc, shrunk(r, 3), colorRef(face.set.color4));
  return face;
}
}  // namespace qorpuiButton_detail

Button::Button(const aip::Point& origin, double width, const std::string& title, utils::Callback* clickCallback)
    : Widget(ButtonWidgetKind, aip::Rect(origin.x, origin.y, width + 2.0, 21.0), std::string()),
      CustomEventsWidget(ButtonWidgetKind)
{
  setInset(aip::Rect(0.0, 0.0, 2.0, 0.0));
  ImageIds images;
  SvgIds svgs;
  images.hoverHighlight = svgs.hoverHighlight = true;
  storeImageIds(images);
  storeSvgIds(svgs);
  setText(title);
  setClickCallback(clickCallback);
}

Button::Button(const Button& other)
    : Widget(other.kind(), other.unadjustedFrame(), const_cast<Button&>(other).text()),
      ImageWidget(),
      CustomEventsWidget(ButtonWidgetKind)
{
  setInset(other.inset());
  setSvgSize(other.svgSize());
  if (other.hasSvgIds())
    storeSvgIds(other.svgIds());
  else
    storeImageIds(other.imageIds());
  setClickCallback(other.clickCallback() ? other.clickCallback()->clone() : nullptr);
}

Button::~Button() = default;

Widget* Button::clone() const
{
  return new Button(*this);
}

std::string Button::text()
{
  return hasImage() ? std::string() : Widget::text();
}

void Button::setText(const std::string& text)
{
  if (!hasImage())
    Widget::setText(text);
}

int32_t Button::style() const
{
  return style_;
}

void Button::setStyle(int32_t style)
{
  style_ = style;
  redraw();
}

void Button::update() {}

int32_t Button::themeContext() const
{
  Window* placed = window();
  return placed && (placed->kind() == 2 || placed->kind() == 4) ? 20 : 10;
}

void Button::redrawImage()
{
  redraw();
}

aip::Size Button::imageFrameSize() const
{
  return frame().size;
}

void Button::createControl(Window* window)
{
  if (window && window->nativeWindow()) {
    // The class is fixed here: images given later leave a text button drawing an empty title.
    const bool image = hasImage();
    WinMfcButtonBase* button = image ? static_cast<WinMfcButtonBase*>(new WinMfcImageButton(this))
                                     : static_cast<WinMfcButtonBase*>(new WinMfcTextButton(this));
    setControl(button);
    RECT r = pixelFrame(window);
    const std::u16string caption = image ? std::u16string() : aip::utf8ToWStringViaHost(Widget::text());
    button->Create(caption.c_str(), WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, r, window->nativeWindow(), controlId());
    if (!image)
      updateFont();
  }
  Widget::createControl(window);
  setStyle(style_);
  markControlCreated();
}

double buttonWidthForHeight(const std::string& text, double height, double pointSize)
{
  return textWidthForHeight(text, height, pointSize) + 20.0;
}

// The controls.

BEGIN_MESSAGE_MAP(WinMfcButtonBase, CButton)
ON_WM_LBUTTONDOWN()
ON_WM_RBUTTONDOWN()
ON_WM_LBUTTONUP()
ON_WM_RBUTTONUP()
ON_WM_LBUTTONDBLCLK()
ON_WM_MOUSEMOVE()
ON_WM_MOUSELEAVE()
ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

WinMfcButtonBase::~WinMfcButtonBase() = default;

void WinMfcButtonBase::pressed()
{
  if (redrawsOnPress_)
    owner->redraw();
}

void WinMfcButtonBase::OnLButtonDown(UINT flags, CPoint point)
{
  if (owner) {
    owner->mouseDown(aip::Point(point.x, point.y), CustomEventsWidget::mouseModifiers(flags));
    pressed();
  }
  Default();
}

void WinMfcButtonBase::OnRButtonDown(UINT flags, CPoint point)
{
  OnLButtonDown(flags, point);
}

void WinMfcButtonBase::OnLButtonUp(UINT flags, CPoint)
{
  if (owner) {
    owner->mouseUp(CustomEventsWidget::mouseModifiers(flags));
    owner->fireClick();
    pressed();
  }
  Default();
}

void WinMfcButtonBase::OnRButtonUp(UINT flags, CPoint)
{
  if (owner) {
    owner->mouseUp(CustomEventsWidget::mouseModifiers(flags));
    pressed();
  }
  Default();
}

void WinMfcButtonBase::OnLButtonDblClk(UINT, CPoint)
{
  if (owner) {
    owner->fireDoubleClick();
    pressed();
  }
  Default();
}

void WinMfcButtonBase::OnMouseMove(UINT flags, CPoint point)
{
  trackHoverMove(owner, m_hWnd, flags, point);
  Default();
}

void WinMfcButtonBase::OnMouseLeave()
{
  trackHoverLeave(owner);
  Default();
}

BOOL WinMfcButtonBase::OnEraseBkgnd(CDC*)
{
  return TRUE;
}

void WinMfcTextButton::DrawItem(LPDRAWITEMSTRUCT item)
{
  using namespace qorpuiButton_detail;
  if (!owner || !owner->window() || !item)
    return;
  HDC dc = item->hDC;
  const RECT r = item->rcItem;
  const int32_t context = owner->themeContext();
  const COLORREF text = colorRef(roleColor(context, IsWindowEnabled() ? 20 : 30));
  const int32_t state = !owner->enabled() ? 1 : owner->isHovered() ? 3 : 2;
  fill(dc, r, colorRef(roleColor(context, 10)));
  paintFace(*owner, dc, r, state, ::GetFocus() == m_hWnd);
  COLORREF oldColor = ::SetTextColor(dc, text);
  int oldMode = ::SetBkMode(dc, TRANSPARENT);
  std::u16string title = aip::utf8ToWStringViaHost(owner->text());
  RECT area = r;
  ::DrawTextExW(dc, &title[0], -1, &area, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX, nullptr);
  ::SetBkMode(dc, oldMode);
  ::SetTextColor(dc, oldColor);
}

void WinMfcImageButton::DrawItem(LPDRAWITEMSTRUCT item)
{
  using namespace qorpuiButton_detail;
  if (!owner || !owner->window() || !item || !owner->hasImage())
    return;
  HDC dc = item->hDC;
  const RECT r = item->rcItem;
  const double s = owner->uiScale(owner->window());
  aip::Illustrator* app = aip::Illustrator::instance();
  const bool dark = app && app->isDarkUI();
  const bool rollover = owner->isHovered() && owner->hasRolloverImage();
  // The picture for the brightness and the hover state, over a background colour.
  auto picture = [&](const aip::Color& behind, double* made) {
    CGdiPlusBitmap* bitmap = nullptr;
    aip::Color colour(behind);
    const bool found = dark ? (rollover ? owner->darkRolloverImage(s, &bitmap, made, &colour)
                                        : owner->darkImage(s, &bitmap, made, &colour))
                            : (rollover ? owner->lightRolloverImage(s, &bitmap, made, &colour)
                                        : owner->lightImage(s, &bitmap, made, &colour));
    return found && bitmap && bitmap->bitmap ? bitmap : nullptr;
  };
  const int oldMode = ::SetBkMode(dc, TRANSPARENT);
  double made = 1.0;
  if (IsWindowEnabled()) {
    const bool highlight = owner->imageIds().hoverHighlight || owner->svgIds().hoverHighlight;
    const Face face = paintFace(*owner, dc, r, owner->isHovered() && highlight ? 3 : 2, ::GetFocus() == m_hWnd);
    if (CGdiPlusBitmap* bitmap = picture(face.set.color4, &made)) {
      const ImagePlacement at = centredImage(*bitmap, s, made, r.right - r.left, r.bottom - r.top);
      Gdiplus::Graphics graphics(dc);
      graphics.DrawImage(bitmap->bitmap, at.x, at.y, at.width, at.height);
    }
  } else {
    // A one-pixel grey border and the veiled picture.
    const int32_t context = owner->themeContext();
    const aip::Color background = roleColor(context, 10);
    fill(dc, r, colorRef(roleColor(context, 80)));
    fill(dc, shrunk(r, 1), colorRef(background));
    if (CGdiPlusBitmap* bitmap = picture(background, &made)) {
      const ImagePlacement at = centredImage(*bitmap, s, made, r.right - r.left, r.bottom - r.top);
      drawVeiledImage(dc, at, background, dark, [&](const aip::Color& base) { return picture(base, &made); });
    }
  }
  ::SetBkMode(dc, oldMode);
}

}  // namespace pui
}  // namespace qor
