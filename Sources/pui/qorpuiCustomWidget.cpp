#include "pui/qorpuiCustomWidget.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "aip/qoraipFont.h"
#include "aip/qoraipIllustrator.h"
#include "aip/qoraipSuite.h"
#include "aip/qoraipSuitePointers.h"
#include "pui/qorpuiBasePlugin.h"
#include "pui/qorpuiBorderlessPanel.h"
#include "pui/qorpuiPanel.h"
#include "pui/qorpuiGdiPlusBitmap.h"
#include "pui/qorpuiTheme.h"
#include "pui/qorpuiThemePainting.h"
#include "pui/qorpuiUiGlobals.h"
#include "pui/qorpuiWindow.h"
#include "pui/qorpuiWindowLists.h"
#include "utils/qorutilsStrings.h"
#include "win/GdiPlus.h"

namespace qor {
namespace pui {

namespace qorpuiCustomWidget_detail {

UiGlobals* uiGlobals()
{
  BasePlugin* plugin = BasePlugin::instance();
  return plugin ? plugin->uiGlobals() : nullptr;
}

Widget* UiGlobals::*const recordedAs[] = {&UiGlobals::mouseEnterWidget, &UiGlobals::mouseMoveWidget,
                                          &UiGlobals::mouseLeaveWidget, &UiGlobals::mouseDownWidget,
                                          &UiGlobals::mouseDragWidget,  &UiGlobals::mouseUpWidget,
                                          &UiGlobals::drawWidget};

// The rounded rectangle's segments appended to a GDI+ path.
class GdiPlusRoundedPath : public RoundedRectPath
{
public:
  explicit GdiPlusRoundedPath(Gdiplus::GraphicsPath& path) : path_(path) {}
  int addBezier(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) override
  {
    return path_.AddBezier(Gdiplus::REAL(x1), Gdiplus::REAL(y1), Gdiplus::REAL(x2), Gdiplus::REAL(y2),
                           Gdiplus::REAL(x3), Gdiplus::REAL(y3), Gdiplus::REAL(x4), Gdiplus::REAL(y4));
  }

private:
  Gdiplus::GraphicsPath& path_;
};

// A GDI object selected into a DC for as long as this lives, then put back and deleted.
struct Selected
{
  Selected(HDC dc, HGDIOBJ object, bool owned = true) : dc(dc), object(object), owned(owned)
  {
    old = ::SelectObject(dc, object);
  }
  ~Selected()
  {
    ::SelectObject(dc, old);
    if (owned)
      ::DeleteObject(object);
  }
  HDC dc;
  HGDIOBJ object;
  HGDIOBJ old;
  bool owned;
};

}  // namespace qorpuiCustomWidget_detail

CustomWidget::CustomWidget(const aip::Rect& frame)
    : Widget(CustomWidgetKind, frame, std::string()), CustomEventsWidget(CustomWidgetKind)
{
  setTracksMouse(true);
}

CustomWidget::CustomWidget(const CustomWidget& other)
    : Widget(CustomWidgetKind, other.unadjustedFrame(), const_cast<CustomWidget&>(other).text()),
      CustomEventsWidget(CustomWidgetKind)
{
  setInset(other.inset());
  for (int i = 0; i < SlotCount; ++i)
    if (other.callbacks_[i])
      callbacks_[i] = other.callbacks_[i]->clone();
  if (utils::Callback* dropped = other.dropCallback())
    setDropCallback(dropped->clone());
  setTracksMouse(true);
}

CustomWidget::~CustomWidget()
{
  for (utils::Callback*& callback : callbacks_) {
    delete callback;
    callback = nullptr;
  }
  UiGlobals* globals = qorpuiCustomWidget_detail::uiGlobals();
  if (globals && popupSource_ && popup_ && globals->borderlessPanels.contains(popup_)) {
    popup_->close();
    delete popup_;
  }
  popup_ = nullptr;
}

Widget* CustomWidget::clone() const
{
  return new CustomWidget(*this);
}

void CustomWidget::createControl(Window* window)
{
  if (!window || !window->nativeWindow())
    return;
  auto* control = new WinMfcCustomWidget(this);
  setControl(control);
  RECT r = pixelFrame(window);
  control->CreateEx(0, nullptr, nullptr, WS_CHILD | WS_VISIBLE, r.left, r.top, r.right - r.left, r.bottom - r.top,
                    window->nativeWindow()->m_hWnd, reinterpret_cast<HMENU>(uintptr_t(controlId())));
  updateFont();
  Widget::createControl(window);
  markControlCreated();
}

void CustomWidget::redraw()
{
  if (hasControl())
    ::InvalidateRect(control()->m_hWnd, nullptr, FALSE);
}

void CustomWidget::update()
{
  redraw();
}

void CustomWidget::refresh()
{
  redraw();
}

void CustomWidget::store(Slot slot, utils::Callback* callback)
{
  if (callback != callbacks_[slot])
    delete callbacks_[slot];
  callbacks_[slot] = callback;
}

utils::Callback* CustomWidget::mouseEnterCallback() const { return callbacks_[Enter]; }
void CustomWidget::setMouseEnterCallback(utils::Callback* callback) { store(Enter, callback); }
utils::Callback* CustomWidget::mouseMoveCallback() const { return callbacks_[Move]; }
void CustomWidget::setMouseMoveCallback(utils::Callback* callback) { store(Move, callback); }
utils::Callback* CustomWidget::mouseLeaveCallback() const { return callbacks_[Leave]; }
void CustomWidget::setMouseLeaveCallback(utils::Callback* callback) { store(Leave, callback); }
utils::Callback* CustomWidget::mouseDownCallback() const { return callbacks_[Down]; }
void CustomWidget::setMouseDownCallback(utils::Callback* callback) { store(Down, callback); }
utils::Callback* CustomWidget::mouseDragCallback() const { return callbacks_[Drag]; }
void CustomWidget::setMouseDragCallback(utils::Callback* callback) { store(Drag, callback); }
utils::Callback* CustomWidget::mouseUpCallback() const { return callbacks_[Up]; }
void CustomWidget::setMouseUpCallback(utils::Callback* callback) { store(Up, callback); }
utils::Callback* CustomWidget::drawCallback() const { return callbacks_[Draw]; }
void CustomWidget::setDrawCallback(utils::Callback* callback) { store(Draw, callback); }

CDC* CustomWidget::drawingContext() const
{
  return drawingContext_;
}

bool CustomWidget::erasesBackground() const
{
  return erasesBackground_;
}

void CustomWidget::setErasesBackground(bool erases)
{
  erasesBackground_ = erases;
}

bool CustomWidget::focusesOnClick() const
{
  return focusesOnClick_;
}

void CustomWidget::setFocusesOnClick(bool focuses)
{
  focusesOnClick_ = focuses;
}

bool CustomWidget::fire(Slot slot)
{
  if (busy_[slot] || !callbacks_[slot])
    return false;
  if (UiGlobals* globals = qorpuiCustomWidget_detail::uiGlobals())
    globals->*qorpuiCustomWidget_detail::recordedAs[slot] = this;
  aip::Illustrator* app = aip::Illustrator::instance();
  struct Busy
  {
    bool& flag;
    aip::Illustrator* app;
    ~Busy()
    {
      flag = false;
      if (app)
        app->popAppContext();
    }
  };
  if (app)
    app->pushAppContext();
  busy_[slot] = true;
  Busy guard{busy_[slot], app};
  callbacks_[slot]->execute();
  return true;
}

bool CustomWidget::fireMouseEnter()
{
  return fire(Enter);
}

bool CustomWidget::fireMouseLeave()
{
  return fire(Leave);
}

bool CustomWidget::handleMouseDown()
{
  return fire(Down);
}

bool CustomWidget::handleMouseUp()
{
  return fire(Up);
}

bool CustomWidget::handleMouseMove()
{
  return fire(Move);
}

bool CustomWidget::handleMouseDrag()
{
  return fire(Drag);
}

bool CustomWidget::handleDraw()
{
  color_ = aip::Color::black();
  return fire(Draw);
}

bool CustomWidget::drawOn(CDC* dc)
{
  if (!qorpuiCustomWidget_detail::uiGlobals() || !callbacks_[Draw])
    return false;
  drawingContext_ = dc;
  color_ = aip::Color::black();
  struct Forget
  {
    CDC*& dc;
    ~Forget() { dc = nullptr; }
  } forget{drawingContext_};
  return fire(Draw);
}

void CustomWidget::setColor(const aip::Color& color)
{
  color_ = color;
}

bool CustomWidget::canDraw() const
{
  return hasControl() && window() && drawingContext_ && drawingContext_->m_hDC;
}

double CustomWidget::scale() const
{
  return uiScale(window());
}

void CustomWidget::drawLine(const aip::Point& from, const aip::Point& to)
{
  using qorpuiCustomWidget_detail::Selected;
  if (!canDraw())
    return;
  HDC dc = drawingContext_->m_hDC;
  const double s = scale();
  const COLORREF colour = colorRefOf(color_);
  Selected pen(dc, ::CreatePen(PS_SOLID, 1, colour));
  const int x2 = roundedPixels(to.x * s), y2 = roundedPixels(to.y * s);
  ::MoveToEx(dc, roundedPixels(from.x * s), roundedPixels(from.y * s), nullptr);
  ::LineTo(dc, x2, y2);
  ::SetPixel(dc, x2, y2, colour);
}

void CustomWidget::drawRect(const aip::Rect& rect, bool filled)
{
  if (!canDraw())
    return;
  const double s = scale();
  const RECT r{roundedPixels(rect.origin.x * s), roundedPixels(rect.origin.y * s),
               roundedPixels((rect.origin.x + rect.size.width) * s), roundedPixels((rect.origin.y + rect.size.height) * s)};
  if (filled)
    fillSolid(drawingContext_->m_hDC, r, colorRefOf(color_));
  else
    frameSolid(drawingContext_->m_hDC, r, colorRefOf(color_));
}

void CustomWidget::drawRoundedRect(const aip::Rect& rect, double radius, bool filled)
{
  if (!canDraw())
    return;
  const double s = scale();
  radius = std::min({radius, rect.size.width / 2.0, rect.size.height / 2.0});
  const aip::Rect scaled(rect.origin.x * s, rect.origin.y * s, rect.size.width * s, rect.size.height * s);
  Gdiplus::GraphicsPath path(Gdiplus::FillModeWinding);
  qorpuiCustomWidget_detail::GdiPlusRoundedPath adapter(path);
  addRoundedRectPath(adapter, scaled, radius * s);
  path.CloseFigure();
  Gdiplus::Graphics graphics(drawingContext_->m_hDC);
  graphics.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
  const Gdiplus::Color colour = opaqueArgbOf(color_);
  if (filled) {
    Gdiplus::SolidBrush brush(colour);
    graphics.FillPath(&brush, &path);
  }
  Gdiplus::Pen pen(colour, 1.0f);
  graphics.DrawPath(&pen, &path);
}

void CustomWidget::drawEllipse(const aip::Rect& rect, bool filled)
{
  using qorpuiCustomWidget_detail::Selected;
  if (!canDraw())
    return;
  HDC dc = drawingContext_->m_hDC;
  const double s = scale();
  const COLORREF colour = colorRefOf(color_);
  Selected pen(dc, ::CreatePen(PS_SOLID, 1, colour));
  Selected brush(dc, filled ? static_cast<HGDIOBJ>(::CreateSolidBrush(colour)) : ::GetStockObject(NULL_BRUSH), filled);
  ::Ellipse(dc, roundedPixels(rect.origin.x * s), roundedPixels(rect.origin.y * s),
            roundedPixels((rect.origin.x + rect.size.width) * s), roundedPixels((rect.origin.y + rect.size.height) * s));
}

void CustomWidget::drawPolygon(const aip::Point* points, uint32_t count, bool filled)
{
  using qorpuiCustomWidget_detail::Selected;
  if (!canDraw() || !points || count == 0)
    return;
  if (!filled) {
    for (uint32_t i = 0; i + 1 < count; ++i)
      drawLine(points[i], points[i + 1]);
    return;
  }
  HDC dc = drawingContext_->m_hDC;
  const double s = scale();
  const COLORREF colour = colorRefOf(color_);
  std::vector<POINT> scaled;
  for (uint32_t i = 0; i < count; ++i)
    scaled.push_back(POINT{roundedPixels(points[i].x * s), roundedPixels(points[i].y * s)});
  Selected pen(dc, ::CreatePen(PS_SOLID, 1, colour));
  Selected brush(dc, ::CreateSolidBrush(colour));
  ::Polygon(dc, scaled.data(), static_cast<int>(scaled.size()));
}

void CustomWidget::drawImage(const aip::Point& origin, uint16_t id)
{
  if (!canDraw() || id == 0)
    return;
  CGdiPlusBitmapResource picture;
  if (!loadPngResource(id, &picture) || !picture.bitmap)
    return;
  const double s = scale();
  Gdiplus::Graphics graphics(drawingContext_->m_hDC);
  graphics.DrawImage(picture.bitmap, roundedPixels(origin.x * s), roundedPixels(origin.y * s),
                     static_cast<INT>(picture.bitmap->GetWidth()), static_cast<INT>(picture.bitmap->GetHeight()));
}

void CustomWidget::drawText(const aip::Point& origin, const std::string& text, const aip::Font& font, double size)
{
  using qorpuiCustomWidget_detail::Selected;
  if (!canDraw() || text.empty())
    return;
  HDC dc = drawingContext_->m_hDC;
  std::u16string face(4096, u'\0');
  if (aip::acquireSuite(aip::fontSuite, kFontSuiteName, kFontSuiteVersion) && aip::fontSuite->getFontFaceName &&
      aip::fontSuite->getFontFaceName(font.key(), &face[0], 4095) == kHostNoErr)
    face.resize(std::char_traits<char16_t>::length(face.c_str()));
  else
    face.clear();
  const double s = scale();
  Selected chosen(dc, ::CreateFontW(-::MulDiv(static_cast<int>(size), Widget::fontDpi(dc), 72), 0, 0, 0, FW_NORMAL, 0,
                                    0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, face.c_str()));
  const aip::Rect frame = unadjustedFrame();
  RECT area{roundedPixels(origin.x * s), roundedPixels(origin.y * s), roundedPixels(frame.size.width * s),
            roundedPixels(frame.size.height * s)};
  const int oldMode = ::SetBkMode(dc, TRANSPARENT);
  const COLORREF oldColour = ::SetTextColor(dc, colorRefOf(color_));
  std::u16string units = utils::utf8ToUtf16(text);
  units.push_back(u'\0');
  ::DrawTextExW(dc, &units[0], -1, &area, DT_NOPREFIX | DT_SINGLELINE, nullptr);
  ::SetTextColor(dc, oldColour);
  ::SetBkMode(dc, oldMode);
}

Panel* CustomWidget::popupPanel() const
{
  return popupSource_;
}

void CustomWidget::setPopupPanel(Panel* panel)
{
  if (popup_ && panel != popupSource_) {
    popup_->populate(nullptr);
    delete popup_;
    popup_ = nullptr;
  }
  popupSource_ = panel;
}

void CustomWidget::showPopup(const aip::Point& point)
{
  UiGlobals* globals = qorpuiCustomWidget_detail::uiGlobals();
  if (!globals || !popupSource_)
    return;
  if (popup_) {
    if (popup_->isVisible()) {
      popup_->close();
      return;
    }
    // The press that closed the pop-up by taking the activation does not open it again.
    if (popup_->closedAt() + 0.2 > BorderlessPanel::now()) {
      popup_->close();
      return;
    }
  }
  Window* placed = window();
  if (hasControl() && placed) {
    const aip::Size panelSize = popupSource_->frame().size;
    const aip::Size size(panelSize.width + 6.0, panelSize.height + 6.0);
    if (popup_)
      popup_->setSize(size);
    else
      popup_ = new BorderlessPanel(placed->kind() == 2, aip::Point(0.0, 0.0), size);
    RECT r;
    ::GetWindowRect(control()->m_hWnd, &r);
    popup_->setOrigin(aip::Point(r.left + point.x, r.top + point.y + 8.0));
  }
  BorderlessPanel* parent = nullptr;
  if (placed && placed->kind() == -1) {
    for (BorderlessPanel* panel : globals->borderlessPanels)
      if (panel->isVisible() && panel->window() == placed) {
        parent = panel;
        break;
      }
    if (parent)
      parent->setKeepOpenOnce(true);
  }
  if (!popup_)
    return;
  popup_->populate(popupSource_);
  popup_->show();
  popup_->setLinkedPanel(parent);
}

// The control.

BEGIN_MESSAGE_MAP(WinMfcCustomWidget, CWnd)
ON_WM_PAINT()
ON_WM_ERASEBKGND()
ON_WM_LBUTTONDOWN()
ON_WM_RBUTTONDOWN()
ON_WM_LBUTTONUP()
ON_WM_RBUTTONUP()
ON_WM_LBUTTONDBLCLK()
ON_WM_MOUSEMOVE()
ON_WM_MOUSELEAVE()
ON_WM_DRAWITEM()
END_MESSAGE_MAP()

WinMfcCustomWidget::~WinMfcCustomWidget()
{
  delete dropTarget;
}

BOOL WinMfcCustomWidget::CreateEx(DWORD exStyle, LPCWSTR className, LPCWSTR windowName, DWORD style, int x, int y,
                                  int width, int height, HWND parent, HMENU idOrMenu, LPVOID param)
{
  const BOOL made = CWnd::CreateEx(exStyle, className, windowName, style, x, y, width, height, parent, idOrMenu, param);
  dropTarget = new WinMfcDragDropTarget();
  dropTarget->attach(owner);
  return made;
}

BOOL WinMfcCustomWidget::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
  if (owner && owner->isDrawing() && (message == WM_PAINT || message == WM_ERASEBKGND)) {
    if (result)
      *result = message == WM_PAINT ? 0 : 1;
    return TRUE;
  }
  return CWnd::OnWndMsg(message, wParam, lParam, result);
}

void WinMfcCustomWidget::OnPaint()
{
  CWnd::OnPaint();
  if (!owner || !owner->drawCallback())
    return;
  HDC windowDc = ::GetWindowDC(m_hWnd);
  CDC dc(windowDc);
  owner->drawOn(&dc);
  ::ReleaseDC(m_hWnd, windowDc);
}

BOOL WinMfcCustomWidget::OnEraseBkgnd(CDC* dc)
{
  if (owner && owner->erasesBackground() && dc) {
    RECT box{};
    dc->GetClipBox(&box);
    const COLORREF background = colorRefOf(themeRoleColor(themeContextOf(owner), 10));
    const COLORREF old = dc->SetBkColor(background);
    fillSolid(dc->m_hDC, box, background);
    dc->SetBkColor(old);
  }
  return TRUE;
}

void WinMfcCustomWidget::OnLButtonDown(UINT flags, CPoint point)
{
  if (!owner) {
    Default();
    return;
  }
  if (owner->focusesOnClick())
    owner->focus();
  owner->mouseDown(aip::Point(point.x, point.y), CustomEventsWidget::mouseModifiers(flags));
  Default();
  if (owner->window() && owner->window()->kind() == -1)
    closeAllBorderlessPanels();
}

void WinMfcCustomWidget::OnRButtonDown(UINT flags, CPoint point)
{
  if (owner)
    owner->mouseDown(aip::Point(point.x, point.y), CustomEventsWidget::mouseModifiers(flags));
  Default();
}

void WinMfcCustomWidget::OnLButtonUp(UINT flags, CPoint)
{
  if (owner)
    owner->mouseUp(CustomEventsWidget::mouseModifiers(flags));
  Default();
}

void WinMfcCustomWidget::OnRButtonUp(UINT flags, CPoint point)
{
  OnLButtonUp(flags, point);
}

void WinMfcCustomWidget::OnLButtonDblClk(UINT, CPoint)
{
  Default();
}

void WinMfcCustomWidget::OnMouseMove(UINT flags, CPoint point)
{
  if (!owner || !owner->window()) {
    Default();
    return;
  }
  const double s = owner->uiScale(owner->window());
  const aip::Point units(point.x / s, point.y / s);
  const int32_t modifiers = CustomEventsWidget::mouseModifiers(flags);
  const aip::Point& current = owner->currentPoint();
  if (std::fabs(units.x - current.x) < 0.01 && std::fabs(units.y - current.y) < 0.01 && modifiers == owner->modifiers()) {
    Default();
    return;
  }
  Widget::scheduleTooltip(owner);
  if (owner->isHovered()) {
    owner->mouseMove(aip::Point(point.x, point.y), modifiers);
  } else {
    owner->setCurrentPoint(units);
    owner->setModifiers(modifiers);
    owner->fireMouseEnter();
    TRACKMOUSEEVENT track{sizeof(TRACKMOUSEEVENT), TME_LEAVE, m_hWnd, HOVER_DEFAULT};
    ::TrackMouseEvent(&track);
  }
  owner->setHovered(true);
  Default();
  if (owner->isTracking() && owner->isDraggable())
    startTextDrag(owner, owner);
}

void WinMfcCustomWidget::OnMouseLeave()
{
  if (owner) {
    owner->setHovered(false);
    owner->fireMouseLeave();
    Widget::cancelTooltip(owner);
  }
  Default();
}

}  // namespace pui
}  // namespace qor
