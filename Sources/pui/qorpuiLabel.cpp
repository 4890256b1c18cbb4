#include "pui/qorpuiLabel.h"

#include <cmath>
#include <memory>

#include "aip/qoraipHostStrings.h"
#include "aip/qoraipIllustrator.h"
#include "geo/qorgeoNumeric.h"
#include "pui/qorpuiGdiPlusBitmap.h"
#include "pui/qorpuiHoverTracking.h"
#include "pui/qorpuiTextField.h"
#include "pui/qorpuiTheme.h"
#include "pui/qorpuiUiGlobals.h"
#include "pui/qorpuiBasePlugin.h"
#include "pui/qorpuiWindow.h"
#include "win/GdiPlus.h"

namespace qor {
namespace pui {

namespace qorpuiLabel_detail {

aip::Color roleColor(int32_t context, int32_t role)
{
  aip::Illustrator* app = aip::Illustrator::instance();
  if (!app)
    return aip::Color::black();
  const aip::ThemeColor theme = app->themeColor(context, role);
  return aip::Color(theme.red, theme.green, theme.blue, theme.alpha);
}

bool darkUI()
{
  aip::Illustrator* app = aip::Illustrator::instance();
  return app && app->isDarkUI();
}

void fill(HDC dc, const RECT& rect, const aip::Color& color)
{
  CBrush brush(static_cast<COLORREF>(color.toInt()));
  ::FillRect(dc, &rect, brush);
}

BYTE channel(double value)
{
  return BYTE(geo::roundToInt(value * 255.0));
}

Gdiplus::Color gdiColor(const aip::Color& color, double alpha = 1.0)
{
  return Gdiplus::Color(channel(alpha), channel(color.r), channel(color.g), channel(color.b));
}

// The background both label painters start from: a one-pixel hover border when highlighted, and the
// role-10 background, lightened when highlighted. Answers the background and shrinks fill to its area.
aip::Color paintBackground(const Label& label, HDC dc, RECT& fill, bool skipBorder)
{
  const int32_t context = label.themeContext();
  aip::Color background = roleColor(context, 10);
  const bool highlight = label.highlighted();
  if (highlight && !skipBorder) {
    qorpuiLabel_detail::fill(dc, fill, roleColor(context, 80));
    ::InflateRect(&fill, -1, -1);
  }
  if (highlight)
    background.lighten(darkUI() ? 0.3 : 0.2);
  qorpuiLabel_detail::fill(dc, fill, background);
  return background;
}

// GDI+ path the theme's rounded rectangles are laid into.
class RoundedPath : public RoundedRectPath
{
public:
  int addBezier(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) override
  {
    return path.AddBezier(Gdiplus::REAL(x1), Gdiplus::REAL(y1), Gdiplus::REAL(x2), Gdiplus::REAL(y2),
                          Gdiplus::REAL(x3), Gdiplus::REAL(y3), Gdiplus::REAL(x4), Gdiplus::REAL(y4));
  }
  Gdiplus::GraphicsPath path{Gdiplus::FillModeWinding};
};

}  // namespace qorpuiLabel_detail

Label::Label(const aip::Point& location, double width, const std::string& text)
    : Widget(LabelWidgetKind, aip::Rect(location.x + 1.0, location.y, width, 14.0), std::string()),
      CustomEventsWidget(LabelWidgetKind),
      shapeColorLight_(aip::Color::black()),
      shapeColorDark_(aip::Color::black())
{
  setInset(aip::Rect(1.0, 0.0, 0.0, 0.0));
  Widget::setText(text);
}

Label::Label(const aip::Rect& frame, const ImageIds& ids)
    : Widget(LabelWidgetKind, frame, std::string()),
      ImageWidget(ids),
      CustomEventsWidget(LabelWidgetKind),
      shapeColorLight_(aip::Color::black()),
      shapeColorDark_(aip::Color::black())
{
  setInset(aip::Rect(1.0, 0.0, 0.0, 0.0));
}

Label::Label(const Label& other)
    : Widget(other.kind(), other.unadjustedFrame(), const_cast<Label&>(other).Label::text()),
      ImageWidget(),
      CustomEventsWidget(LabelWidgetKind),
      backgroundShape_(other.backgroundShape_),
      shapeColorLight_(other.shapeColorLight_),
      shapeColorDark_(other.shapeColorDark_),
      textColorLight_(other.textColorLight_ ? new aip::Color(*other.textColorLight_) : nullptr),
      textColorDark_(other.textColorDark_ ? new aip::Color(*other.textColorDark_) : nullptr)
{
  setInset(other.inset());
  setSvgSize(other.svgSize());
  if (other.hasSvgIds())
    storeSvgIds(other.svgIds());
  else
    storeImageIds(other.imageIds());
  setClickCallback(other.clickCallback() ? other.clickCallback()->clone() : nullptr);
  setDoubleClickCallback(other.doubleClickCallback() ? other.doubleClickCallback()->clone() : nullptr);
  setDropCallback(other.dropCallback() ? other.dropCallback()->clone() : nullptr);
}

Label::~Label()
{
  if (attachedTextField_ && attachedTextField_->attachedLabel() == this)
    attachedTextField_->setAttachedLabelPointer(nullptr);
  delete textColorLight_;
  delete textColorDark_;
}

Widget* Label::clone() const
{
  return new Label(*this);
}

std::string Label::text()
{
  return hasImage() ? std::string() : Widget::text();
}

void Label::setText(const std::string& text)
{
  if (!hasImage())
    Widget::setText(text);
}

void Label::update() {}

void Label::setBold(bool bold)
{
  if (!hasImage())
    TextWidget::setBold(bold);
}

void Label::setItalic(bool italic)
{
  if (!hasImage())
    TextWidget::setItalic(italic);
}

int32_t Label::justification() const
{
  return hasImage() ? 0 : TextWidget::justification();
}

void Label::setJustification(int32_t justification)
{
  if (!hasImage())
    TextWidget::setJustification(justification);
}

void Label::setImageIds(const ImageIds& ids)
{
  if (hasImageIds())
    ImageWidget::setImageIds(ids);
  else
    storeHoverHighlight(ids.hoverHighlight);
}

void Label::setSvgIds(const SvgIds& ids)
{
  if (hasSvgIds())
    ImageWidget::setSvgIds(ids);
  else
    storeHoverHighlight(ids.hoverHighlight);
}

void Label::storeHoverHighlight(bool highlight)
{
  ImageIds images = imageIds();
  SvgIds svgs = svgIds();
  images.hoverHighlight = svgs.hoverHighlight = highlight;
  storeImageIds(images);
  storeSvgIds(svgs);
}

int32_t Label::backgroundShape() const
{
  return backgroundShape_;
}

void Label::setBackgroundShape(int32_t shape)
{
  backgroundShape_ = shape == RectangleShape || shape == RoundedRectangleShape || shape == CapsuleShape ? shape : 0;
  redraw();
}

void Label::shapeColors(aip::Color& light, aip::Color& dark) const
{
  light = shapeColorLight_;
  dark = shapeColorDark_;
}

void Label::setShapeColors(const aip::Color& light, const aip::Color& dark)
{
  shapeColorLight_ = light;
  shapeColorDark_ = dark;
  redraw();
}

bool Label::textColors(aip::Color& light, aip::Color& dark) const
{
  if (!textColorLight_ || !textColorDark_)
    return false;
  light = *textColorLight_;
  dark = *textColorDark_;
  return true;
}

void Label::setTextColors(const aip::Color& light, const aip::Color& dark)
{
  delete textColorLight_;
  delete textColorDark_;
  textColorLight_ = new aip::Color(light);
  textColorDark_ = new aip::Color(dark);
  redraw();
}

TextField* Label::attachedTextField() const
{
  return attachedTextField_;
}

void Label::setAttachedTextField(TextField* field)
{
  // The field leaves the label it was tied to.
  if (field && field->attachedLabel() && field->attachedLabel() != this)
    field->attachedLabel()->setAttachedTextField(nullptr);
  if (field)
    field->setAttachedLabelPointer(nullptr);
  if (attachedPanel_) {
    attachedPanel_ = nullptr;
    redraw();
  } else if (attachedTextField_ && attachedTextField_->attachedLabel() == this) {
    attachedTextField_->setAttachedLabelPointer(nullptr);
  }
  attachedTextField_ = field;
  if (field)
    field->setAttachedLabelPointer(this);
}

Panel* Label::attachedPanel() const
{
  return attachedPanel_;
}

void Label::setAttachedPanel(Panel* panel)
{
  if (attachedTextField_ && attachedTextField_->attachedLabel() == this)
    attachedTextField_->setAttachedLabelPointer(nullptr);
  attachedTextField_ = nullptr;
  attachedPanel_ = panel;
  redraw();
}

void Label::fireClick()
{
  ClickWidget::fireClick();
  BasePlugin* plugin = BasePlugin::instance();
  if (!enabled() || !plugin || !plugin->uiGlobals())
    return;
  if (attachedTextField_)
    attachedTextField_->setSelection(0, static_cast<int32_t>(attachedTextField_->text().size()));
}

int32_t Label::themeContext() const
{
  Window* placed = window();
  return placed && (placed->kind() == 2 || placed->kind() == 4) ? 20 : 10;
}

bool Label::highlighted() const
{
  return isHovered() && (imageIds().hoverHighlight || svgIds().hoverHighlight);
}

void Label::redrawImage()
{
  redraw();
}

aip::Size Label::imageFrameSize() const
{
  return frame().size;
}

void Label::createControl(Window* window)
{
  if (window && window->nativeWindow()) {
    WinMfcLabelBase* control = nullptr;
    std::u16string caption;
    if (hasImage()) {
      control = new WinMfcImageLabel(this);
    } else {
      setTracksMouse(true);
      control = new WinMfcTextLabel(this);
      caption = aip::utf8ToWStringViaHost(Widget::text());
    }
    setControl(control);
    control->Create(caption.c_str(), WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, pixelFrame(window),
                    window->nativeWindow(), controlId());
    if (!hasImage())
      applyFont();
  }
  Widget::createControl(window);
  markControlCreated();
}

// The controls.

BEGIN_MESSAGE_MAP(WinMfcLabelBase, CButton)
ON_WM_LBUTTONDOWN()
ON_WM_RBUTTONDOWN()
ON_WM_LBUTTONUP()
ON_WM_RBUTTONUP()
ON_WM_LBUTTONDBLCLK()
ON_WM_MOUSEMOVE()
ON_WM_MOUSELEAVE()
ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

WinMfcLabelBase::~WinMfcLabelBase() = default;

BOOL WinMfcLabelBase::Create(LPCWSTR caption, DWORD style, const RECT& rect, CWnd* parent, UINT id)
{
  if (!CButton::Create(caption, style, rect, parent, id))
    return FALSE;
  dropTarget.attach(owner);
  return TRUE;
}

void WinMfcLabelBase::OnLButtonDown(UINT flags, CPoint point)
{
  if (owner) {
    owner->mouseDown(aip::Point(point.x, point.y), CustomEventsWidget::mouseModifiers(flags));
    // An image label is dragged from the press.
    if (dynamic_cast<WinMfcImageLabel*>(this) && owner->isDraggable())
      startTextDrag(owner, owner);
  }
  Default();
}

void WinMfcLabelBase::OnRButtonDown(UINT flags, CPoint point)
{
  if (owner)
    owner->mouseDown(aip::Point(point.x, point.y), CustomEventsWidget::mouseModifiers(flags));
  Default();
}

void WinMfcLabelBase::OnLButtonUp(UINT flags, CPoint)
{
  if (owner) {
    owner->mouseUp(CustomEventsWidget::mouseModifiers(flags));
    owner->fireClick();
  }
  Default();
}

void WinMfcLabelBase::OnRButtonUp(UINT flags, CPoint)
{
  if (owner)
    owner->mouseUp(CustomEventsWidget::mouseModifiers(flags));
  Default();
}

void WinMfcLabelBase::OnLButtonDblClk(UINT, CPoint)
{
  if (owner)
    owner->fireDoubleClick();
  Default();
}

void WinMfcLabelBase::OnMouseMove(UINT flags, CPoint point)
{
  // A text label follows its presses, so a move with the button held drags it. The drag loop takes
  // the release, so the label goes on tracking after a drag: only a held button starts another.
  if (trackHoverMove(owner, m_hWnd, flags, point) && !dynamic_cast<WinMfcImageLabel*>(this) &&
      (flags & MK_LBUTTON) && owner->isTracking() && owner->isDraggable())
    startTextDrag(owner, owner);
  Default();
}

void WinMfcLabelBase::OnMouseLeave()
{
  trackHoverLeave(owner);
  Default();
}

BOOL WinMfcLabelBase::OnEraseBkgnd(CDC*)
{
  return TRUE;
}

void WinMfcTextLabel::DrawItem(LPDRAWITEMSTRUCT item)
{
  using namespace qorpuiLabel_detail;
  if (!owner || !owner->window() || !item)
    return;
  HDC dc = item->hDC;
  const RECT r = item->rcItem;
  const int32_t context = owner->themeContext();
  const bool dark = darkUI();
  aip::Color text = roleColor(context, IsWindowEnabled() ? 20 : 30);
  aip::Color customLight, customDark;
  if (owner->textColors(customLight, customDark))
    text = dark ? customDark : customLight;

  // A shape covers the hover border, so only a label without one shows it.
  RECT f = r;
  paintBackground(*owner, dc, f, owner->backgroundShape() != Label::NoShape);

  aip::Color shapeLight, shapeDark;
  owner->shapeColors(shapeLight, shapeDark);
  const aip::Color& shape = dark ? shapeDark : shapeLight;
  const int32_t code = owner->backgroundShape();
  if (code == Label::RectangleShape) {
    fill(dc, f, shape);
  } else if (code == Label::RoundedRectangleShape || code == Label::CapsuleShape) {
    RECT area = f;
    area.bottom -= 1;
    const double radius = (area.bottom - area.top) * (code == Label::CapsuleShape ? 0.5 : 0.25);
    RoundedPath rounded;
    addRoundedRectPath(rounded, aip::Rect(area.left, area.top, area.right - area.left, area.bottom - area.top),
                       radius);
    rounded.path.CloseFigure();
    Gdiplus::Graphics graphics(dc);
    graphics.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
    Gdiplus::SolidBrush brush(gdiColor(shape));
    graphics.FillPath(&brush, &rounded.path);
  }

  const int oldMode = ::SetBkMode(dc, TRANSPARENT);
  const COLORREF oldColor = ::SetTextColor(dc, static_cast<COLORREF>(text.toInt()));
  std::u16string title = aip::utf8ToWStringViaHost(owner->text());
  const int32_t justification = owner->justification();
  const UINT align = justification == 2 ? DT_CENTER : justification == 3 ? DT_RIGHT : 0;
  RECT measured = r;
  ::DrawTextExW(dc, &title[0], -1, &measured, DT_CALCRECT | DT_NOPREFIX | DT_SINGLELINE | align, nullptr);
  RECT target = r;
  const UINT fit = measured.right <= r.right ? DT_SINGLELINE | DT_VCENTER : DT_WORDBREAK;
  ::DrawTextExW(dc, &title[0], -1, &target, DT_NOPREFIX | align | fit, nullptr);
  if (owner->attachedPanel()) {
    // Underlined below the measured text, from the label's left edge.
    CPen pen(PS_SOLID, 1, static_cast<COLORREF>(text.toInt()));
    HGDIOBJ oldPen = ::SelectObject(dc, pen);
    ::MoveToEx(dc, measured.left, measured.bottom, nullptr);
    ::LineTo(dc, measured.right, measured.bottom);
    ::SetPixel(dc, measured.right, measured.bottom, static_cast<COLORREF>(text.toInt()));
    ::SelectObject(dc, oldPen);
  }
  ::SetTextColor(dc, oldColor);
  ::SetBkMode(dc, oldMode);
}

void WinMfcImageLabel::DrawItem(LPDRAWITEMSTRUCT item)
{
  using namespace qorpuiLabel_detail;
  if (!owner || !owner->window() || !item)
    return;
  HDC dc = item->hDC;
  const RECT r = item->rcItem;
  const bool dark = darkUI();
  RECT f = r;
  const aip::Color background = paintBackground(*owner, dc, f, false);

  const double s = owner->uiScale(owner->window());
  const ImageIds ids = owner->imageIds();
  const bool rollover = owner->isHovered() && ids.ids[dark ? 15 : 10] != 0;
  // The image part picks the bitmap for this brightness and hover state over the given background.
  auto image = [&](bool hovered, const aip::Color& behind, CGdiPlusBitmap** out, double* scale) {
    aip::Color colour(behind);
    if (dark)
      return hovered ? owner->darkRolloverImage(s, out, scale, &colour) : owner->darkImage(s, out, scale, &colour);
    return hovered ? owner->lightRolloverImage(s, out, scale, &colour) : owner->lightImage(s, out, scale, &colour);
  };
  CGdiPlusBitmap* bitmap = nullptr;
  double bitmapScale = 1.0;
  if (!image(rollover, background, &bitmap, &bitmapScale) || !bitmap || !bitmap->bitmap)
    return;
  const ImagePlacement at = centredImage(*bitmap, s, bitmapScale, r.right - r.left, r.bottom - r.top);
  if (IsWindowEnabled()) {
    Gdiplus::Graphics graphics(dc);
    graphics.DrawImage(bitmap->bitmap, at.x, at.y, at.width, at.height);
    return;
  }
  drawVeiledImage(dc, at, background, dark, [&](const aip::Color& base) {
    CGdiPlusBitmap* normal = nullptr;
    return image(false, base, &normal, &bitmapScale) ? normal : nullptr;
  });
}

}  // namespace pui
}  // namespace qor
