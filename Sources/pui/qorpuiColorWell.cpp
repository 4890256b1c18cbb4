#include "pui/qorpuiColorWell.h"

#include <algorithm>
#include <cmath>

#include "aip/qoraipArtSuites.h"
#include "aip/qoraipColor.h"
#include "aip/qoraipIllustrator.h"
#include "aip/qoraipSuite.h"
#include "geo/qorgeoNumeric.h"
#include "pui/qorpuiBasePlugin.h"
#include "pui/qorpuiBorderlessPanel.h"
#include "pui/qorpuiHoverTracking.h"
#include "pui/qorpuiThemePainting.h"
#include "pui/qorpuiUiGlobals.h"
#include "pui/qorpuiWindow.h"

namespace qor {
namespace pui {

namespace qorpuiColorWell_detail {

const ModalParentSuite* modalParentSuite = nullptr;

UiGlobals* uiGlobals()
{
  BasePlugin* plugin = BasePlugin::instance();
  return plugin ? plugin->uiGlobals() : nullptr;
}

std::string number(double x)
{
  return std::to_string(geo::roundToInt(x));
}

// Reads text from `at` on: a run of digits (0 for none), then the expected characters.
class Reader
{
public:
  explicit Reader(const std::string& text, size_t at) : text_(text), at_(at) {}
  bool expect(const std::string& what)
  {
    if (text_.compare(at_, what.size(), what) != 0)
      return false;
    at_ += what.size();
    return true;
  }
  double digits()
  {
    double value = 0.0;
    // A long run saturates instead of growing without bound.
    while (at_ < text_.size() && text_[at_] >= '0' && text_[at_] <= '9')
      value = std::min(value * 10.0 + (text_[at_++] - '0'), 100000.0);
    return value;
  }
  // Numbers each followed by its separator, e.g. ("," "," ")").
  bool numbers(std::initializer_list<const char*> after, double* out)
  {
    for (const char* separator : after) {
      *out++ = digits();
      if (!expect(separator))
        return false;
    }
    return true;
  }

private:
  const std::string& text_;
  size_t at_;
};

bool startsWith(const std::string& text, const char* prefix)
{
  return text.compare(0, std::char_traits<char>::length(prefix), prefix) == 0;
}

// What a confirmed colour is kept as: neutral colours as gray, spot colours as their model's process
// colour; false leaves the well's colour as it was.
bool normalised(aip::ArtColor picked, aip::ArtColor& out)
{
  using aip::ArtColor;
  int32_t kind = picked.kindFlags();
  if (kind == ArtColor::KindRGB || kind == ArtColor::KindCMYK || kind == ArtColor::KindCustomRGB ||
      kind == ArtColor::KindCustomCMYK) {
    double r = 0, g = 0, b = 0;
    picked.rgbComponents(r, g, b);
    const double tolerance = 0.11 / 255.0;
    if (geo::approxEqual(r, g, tolerance) && geo::approxEqual(g, b, tolerance))
      picked = picked.asGray();
  } else if (kind == ArtColor::KindLab || kind == ArtColor::KindCustomLab) {
    double l = 0, a = 0, b = 0;
    picked.labComponents(l, a, b);
    // a and b at 0, or both at the low end of their range (-128 here).
    if ((geo::approxEqual(a, 0.0, 0.0001) && geo::approxEqual(b, 0.0, 0.0001)) ||
        (geo::approxEqual(a, -128.0, 0.0001) && geo::approxEqual(b, -128.0, 0.0001)))
      picked = picked.asGray();
  }
  switch (picked.kindFlags()) {
  case ArtColor::KindGray:
    out = picked.asGray();
    return true;
  case ArtColor::KindRGB:
  case ArtColor::KindCustomRGB:
    out = picked.asRGB();
    return true;
  case ArtColor::KindCMYK:
  case ArtColor::KindCustomCMYK:
    out = picked.asCMYK();
    return true;
  case ArtColor::KindLab:
  case ArtColor::KindCustomLab:
    out = picked.asLab();
    return true;
  default:
    return false;
  }
}

}  // namespace qorpuiColorWell_detail

std::string colorWellText(const aip::ArtColor& color)
{
  using aip::ArtColor;
  using qorpuiColorWell_detail::number;
  switch (color.kindFlags()) {
  case ArtColor::KindGray:
    return "Gray(" + number(color.grayValue() * 100.0) + "%)";
  case ArtColor::KindRGB:
  case ArtColor::KindCustomRGB: {
    double r = 0, g = 0, b = 0;
    color.rgbComponents(r, g, b);
    return "RGB(" + number(r * 255.0) + "," + number(g * 255.0) + "," + number(b * 255.0) + ")";
  }
  case ArtColor::KindCMYK:
  case ArtColor::KindCustomCMYK: {
    double c = 0, m = 0, y = 0, k = 0;
    color.cmykComponents(c, m, y, k);
    return "CMYK(" + number(c * 100.0) + "%," + number(m * 100.0) + "%," + number(y * 100.0) + "%," +
           number(k * 100.0) + "%)";
  }
  case ArtColor::KindLab:
  case ArtColor::KindCustomLab: {
    // L from 0 to 100 as it is; a and b moved up by 128 so that they are written without a sign.
    double l = 0, a = 0, b = 0;
    color.labComponents(l, a, b);
    return "Lab(" + number(l) + "," + number(a + 128.0) + "," + number(b + 128.0) + ")";
  }
  case ArtColor::KindHSB: {
    double h = 0, s = 0, v = 0;
    color.hsbComponents(h, s, v);
    return "HSB(" + number(h * 180.0 / M_PI) + "\xC2\xB0," + number(s * 100.0) + "%," + number(v * 100.0) + "%)";
  }
  default:
    return color.kindFlags() == ArtColor::KindNone && color.record().kind == kNoneColor ? "None" : std::string();
  }
}

bool parseColorWellText(const std::string& text, aip::ArtColor& color)
{
  using aip::ArtColor;
  using qorpuiColorWell_detail::Reader;
  using qorpuiColorWell_detail::startsWith;
  double v[4] = {};
  // Each number is kept within its model's range, so the colour and its packed form stay valid.
  auto limit = [&v](double top) {
    for (double& x : v)
      x = std::min(x, top);
  };
  if (startsWith(text, "RGB")) {
    Reader in(text, 3);
    if (!in.expect("(") || !in.numbers({",", ",", ")"}, v))
      return false;
    limit(255.0);
    color = ArtColor::ArtColorRGB(v[0] / 255.0, v[1] / 255.0, v[2] / 255.0);
  } else if (startsWith(text, "Lab")) {
    Reader in(text, 3);
    if (!in.expect("(") || !in.numbers({",", ",", ")"}, v))
      return false;
    v[0] = std::min(v[0], 100.0);
    v[1] = std::min(v[1], 255.0);
    v[2] = std::min(v[2], 255.0);
    color = ArtColor::ArtColorLab(v[0], v[1] - 128.0, v[2] - 128.0);
  } else if (startsWith(text, "HSB")) {
    Reader in(text, 3);
    if (!in.expect("(") || !in.numbers({"\xC2\xB0,", "%,", "%)"}, v))
      return false;
    v[0] = std::min(v[0], 360.0);
    v[1] = std::min(v[1], 100.0);
    v[2] = std::min(v[2], 100.0);
    color = ArtColor::ArtColorHSB(v[0] * M_PI / 180.0, v[1] / 100.0, v[2] / 100.0);
  } else if (startsWith(text, "Gray")) {
    Reader in(text, 4);
    if (!in.expect("(") || !in.numbers({"%)"}, v))
      return false;
    limit(100.0);
    color = ArtColor::ArtColorGray(v[0] / 100.0);
  } else if (startsWith(text, "CMYK")) {
    Reader in(text, 4);
    if (!in.expect("(") || !in.numbers({"%,", "%,", "%,", "%)"}, v))
      return false;
    limit(100.0);
    color = ArtColor::ArtColorCMYK(v[0] / 100.0, v[1] / 100.0, v[2] / 100.0, v[3] / 100.0);
  } else if (startsWith(text, "None")) {
    color = ArtColor::none();
  } else {
    return false;
  }
  return true;
}

ColorWell::ColorWell(const aip::Rect& frame, const aip::ArtColor& color)
    : Widget(ColorWellWidgetKind, frame, std::string()), CustomEventsWidget(ColorWellWidgetKind), color_(color)
{
}

ColorWell::ColorWell(const ColorWell& other)
    : Widget(ColorWellWidgetKind, other.unadjustedFrame(), const_cast<ColorWell&>(other).text()),
      CustomEventsWidget(ColorWellWidgetKind),
      color_(other.color_)
{
  setInset(other.inset());
  if (utils::Callback* changed = other.valueChangedCallback())
    setValueChangedCallback(changed->clone());
  if (utils::Callback* dropped = other.dropCallback())
    setDropCallback(dropped->clone());
}

ColorWell::~ColorWell() = default;

Widget* ColorWell::clone() const
{
  return new ColorWell(*this);
}

aip::ArtColor ColorWell::color() const
{
  return color_;
}

void ColorWell::setColor(const aip::ArtColor& color)
{
  color_ = color;
  if (hasControl())
    ::InvalidateRgn(control()->m_hWnd, nullptr, FALSE);
}

void ColorWell::fireDrop(const std::string& text, const aip::Point&)
{
  if (!enabled())
    return;
  aip::ArtColor dropped;
  if (parseColorWellText(text, dropped))
    setColor(dropped);
}

void ColorWell::createControl(Window* window)
{
  if (!window || !window->nativeWindow())
    return;
  setTracksMouse(true);
  auto* well = new WinMfcColorWell(this);
  setControl(well);
  well->Create(u"", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, pixelFrame(window), window->nativeWindow(), controlId());
  Widget::createControl(window);
  markControlCreated();
}

void ColorWell::pickColor()
{
  using namespace qorpuiColorWell_detail;
  if (!uiGlobals())
    return;
  aip::acquireSuite(aip::paintStyleSuite, kPaintStyleSuiteName, kPaintStyleSuiteVersion);
  aip::acquireSuite(modalParentSuite, kModalParentSuiteName, kModalParentSuiteVersion);
  if (!aip::paintStyleSuite || !aip::paintStyleSuite->runColorPicker)
    return;
  const int32_t kind = color_.kindFlags();
  const bool viaRgb = kind == aip::ArtColor::KindGray || kind == aip::ArtColor::KindLab || kind == aip::ArtColor::KindHSB;
  ColorRecord record = viaRgb ? color_.asRGB().hostColor() : color_.hostColor();
  if (window() && window()->kind() == 2 && window()->nativeWindow() && modalParentSuite) {
    PlatformWindow parent = reinterpret_cast<PlatformWindow>(::GetParent(window()->nativeWindow()->m_hWnd));
    modalParentSuite->setModalParent(&parent);
  }
  const int32_t confirmed = aip::paintStyleSuite->runColorPicker(&record);
  if (modalParentSuite)
    modalParentSuite->clearModalParent();
  if (!confirmed)
    return;
  aip::ArtColor kept;
  if (normalised(aip::ArtColor::ArtColorFromAIColor(record), kept))
    color_ = kept;
  fireValueChanged();
}

// The control.

BEGIN_MESSAGE_MAP(WinMfcColorWell, CButton)
ON_WM_ERASEBKGND()
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONUP()
ON_WM_MOUSELEAVE()
ON_WM_MOUSEMOVE()
ON_WM_RBUTTONDOWN()
ON_WM_RBUTTONUP()
END_MESSAGE_MAP()

WinMfcColorWell::~WinMfcColorWell()
{
  delete dropTarget;
}

BOOL WinMfcColorWell::Create(LPCWSTR caption, DWORD style, const RECT& rect, CWnd* parent, UINT id)
{
  const BOOL made = CButton::Create(caption, style, rect, parent, id);
  dropTarget = new WinMfcDragDropTarget();
  dropTarget->attach(owner);
  return made;
}

void WinMfcColorWell::DrawItem(LPDRAWITEMSTRUCT item)
{
  if (!owner || !owner->window() || !item)
    return;
  HDC dc = item->hDC;
  const RECT r = item->rcItem;
  const bool enabled = IsWindowEnabled() != FALSE;
  const COLORREF border = !enabled ? 0x808080 : ::GetFocus() == m_hWnd
                                                    ? colorRefOf(themeRoleColor(themeContextOf(owner), 70))
                                                    : 0;
  fillSolid(dc, r, border);
  const RECT in{r.left + 1, r.top + 1, r.right - 1, r.bottom - 1};
  const aip::ArtColor color = owner->color();
  if (color.kindFlags() == aip::ArtColor::KindNone) {
    fillSolid(dc, in, 0xFFFFFF);
    HPEN pen = ::CreatePen(PS_SOLID, 1, enabled ? 0x1100FF : 0x8E7FFF);
    HGDIOBJ old = ::SelectObject(dc, pen);
    const POINT lines[3][2] = {{{in.right - 1, in.top}, {in.left - 1, in.bottom}},
                               {{in.right - 2, in.top}, {in.left - 1, in.bottom - 1}},
                               {{in.right - 1, in.top + 1}, {in.left, in.bottom}}};
    for (const auto& line : lines) {
      ::MoveToEx(dc, line[0].x, line[0].y, nullptr);
      ::LineTo(dc, line[1].x, line[1].y);
    }
    ::SelectObject(dc, old);
    ::DeleteObject(pen);
    return;
  }
  COLORREF fill = color.toColorRef();
  if (!enabled) {
    aip::Color lighter = aip::Color::ColorFromInt(fill);
    lighter.lighten(0.25);
    fill = lighter.toInt();
  }
  fillSolid(dc, in, fill);
}

BOOL WinMfcColorWell::OnEraseBkgnd(CDC*)
{
  return TRUE;
}

void WinMfcColorWell::OnLButtonDown(UINT flags, CPoint point)
{
  if (!owner || !qorpuiColorWell_detail::uiGlobals()) {
    Default();
    return;
  }
  owner->mouseDown(aip::Point(point.x, point.y), CustomEventsWidget::mouseModifiers(flags));
  Default();
  // The host's colour picker, opened on release, takes the activation from the pop-ups this well is
  // in: that one deactivation does not close them.
  if (owner->window() && owner->window()->kind() == -1)
    if (UiGlobals* globals = qorpuiColorWell_detail::uiGlobals())
      for (BorderlessPanel* panel : globals->borderlessPanels)
        if (panel->isVisible())
          panel->setKeepOpenOnce(true);
}

void WinMfcColorWell::OnLButtonUp(UINT flags, CPoint)
{
  if (!owner) {
    Default();
    return;
  }
  owner->mouseUp(CustomEventsWidget::mouseModifiers(flags));
  Default();
  aip::Illustrator* app = aip::Illustrator::instance();
  if (app)
    app->pushAppContext();
  struct Leave
  {
    aip::Illustrator* app;
    ~Leave()
    {
      if (app)
        app->popAppContext();
    }
  } leave{app};
  owner->pickColor();
  Invalidate(FALSE);
}

void WinMfcColorWell::OnRButtonDown(UINT flags, CPoint point)
{
  if (owner)
    owner->mouseDown(aip::Point(point.x, point.y), CustomEventsWidget::mouseModifiers(flags));
  Default();
}

void WinMfcColorWell::OnRButtonUp(UINT flags, CPoint)
{
  if (owner)
    owner->mouseUp(CustomEventsWidget::mouseModifiers(flags));
  Default();
}

void WinMfcColorWell::OnMouseLeave()
{
  if (owner) {
    owner->setHovered(false);
    Widget::cancelTooltip(owner);
  }
  Default();
}

void WinMfcColorWell::OnMouseMove(UINT flags, CPoint point)
{
  if (!owner || !owner->window()) {
    Default();
    return;
  }
  const bool counted = trackHoverMove(owner, m_hWnd, flags, point);
  Default();
  if (!counted || !owner->isTracking() || !owner->isDraggable())
    return;
  // A drag starts once the pointer is at least 2 units from the press on both axes.
  const double t = 2.0 * owner->uiScale(owner->window());
  aip::Point down, current;
  aip::Rect frame;
  owner->trackingInfo(down, current, frame);
  if (geo::approxEqual(down.x, current.x, t) || geo::approxEqual(down.y, current.y, t))
    return;
  const std::string text = colorWellText(owner->color());
  if (text.empty())
    return;
  DraggableWidget carrier;
  carrier.setDragText(text);
  startTextDrag(owner, &carrier);
}

}  // namespace pui
}  // namespace qor
