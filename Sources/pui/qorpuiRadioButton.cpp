#include "pui/qorpuiRadioButton.h"

#include "aip/qoraipHostStrings.h"
#include "pui/qorpuiGdiPlusBitmap.h"
#include "pui/qorpuiHoverTracking.h"
#include "pui/qorpuiRadioButtonGroup.h"
#include "pui/qorpuiTheme.h"
#include "pui/qorpuiThemePainting.h"
#include "pui/qorpuiWindow.h"
#include "win/GdiPlus.h"

namespace qor {
namespace pui {

RadioButton::RadioButton(const aip::Point& origin, double width, const std::string& title, int32_t state,
                         utils::Callback* clickCallback)
    : Widget(RadioButtonWidgetKind, aip::Rect(origin.x, origin.y, width, 20.0), std::string()),
      CustomEventsWidget(RadioButtonWidgetKind)
{
  installClickHandler();
  setText(title);
  state_ = state;
  setClickCallback(clickCallback);
}

RadioButton::RadioButton(const aip::Rect& frame, const ImageIds& ids, int32_t state, utils::Callback* clickCallback)
    : Widget(RadioButtonWidgetKind, frame, std::string()), CustomEventsWidget(RadioButtonWidgetKind)
{
  storeImageIds(ids);
  installClickHandler();
  state_ = state;
  setClickCallback(clickCallback);
}

RadioButton::RadioButton(const RadioButton& other)
    : Widget(RadioButtonWidgetKind, other.unadjustedFrame(), const_cast<RadioButton&>(other).text()),
      ImageWidget(),
      CustomEventsWidget(RadioButtonWidgetKind)
{
  setInset(other.inset());
  setSvgSize(other.svgSize());
  auxiliaryFlag_ = other.auxiliaryFlag_;
  if (other.hasSvgIds())
    storeSvgIds(other.svgIds());
  else if (other.hasImageIds())
    storeImageIds(other.imageIds());
  setText(const_cast<RadioButton&>(other).text());
  setState(other.state());
  installClickHandler();
  if (other.clickCallback_)
    clickCallback_ = other.clickCallback_->clone();
}

RadioButton::~RadioButton()
{
  delete clickCallback_;
  clickCallback_ = nullptr;
  if (group_) {
    // A destroyed button must not stay the group's selection, which the group would turn on later.
    if (group_->selected() == this)
      group_->setSelected(nullptr);
    group_->remove(this);
    group_ = nullptr;
  }
}

void RadioButton::installClickHandler()
{
  // One handler runs for a click and for a double click; each slot owns its own copy.
  auto* handler = new utils::__Callback<RadioButton>(this, &RadioButton::clicked);
  ClickWidget::setDoubleClickCallback(handler->clone());
  ClickWidget::setClickCallback(handler);
}

Widget* RadioButton::clone() const
{
  return new RadioButton(*this);
}

std::string RadioButton::text()
{
  return hasImage() ? std::string() : Widget::text();
}

void RadioButton::setText(const std::string& text)
{
  if (!hasImage())
    Widget::setText(text);
}

void RadioButton::update() {}

int32_t RadioButton::state() const
{
  return state_;
}

void RadioButton::setState(int32_t state)
{
  state_ = state;
  redraw();
  updateGroup();
}

void RadioButton::setOn(bool on)
{
  setState(on ? 1 : 0);
}

RadioButtonGroup* RadioButton::group() const
{
  return group_;
}

bool RadioButton::auxiliaryFlag() const
{
  return auxiliaryFlag_;
}

utils::Callback* RadioButton::clickCallback() const
{
  return clickCallback_;
}

void RadioButton::setClickCallback(utils::Callback* callback)
{
  if (callback != clickCallback_)
    delete clickCallback_;
  clickCallback_ = callback;
}

utils::Callback* RadioButton::doubleClickCallback() const
{
  return nullptr;
}

void RadioButton::setDoubleClickCallback(utils::Callback* callback)
{
  // Setters own what they are given: one that is not kept is freed.
  if (callback && callback != clickCallback())
    delete callback;
}

void RadioButton::clicked()
{
  updateGroup();
  if (clickCallback_)
    clickCallback_->execute();
}

void RadioButton::updateGroup()
{
  if (!group_)
    return;
  const int32_t v = state_;
  int on = 0, mixed = 0;
  RadioButton* lastMixed = nullptr;
  for (RadioButton* member : *group_->buttons()) {
    if (!member)
      continue;
    if (v == 1) {
      member->storeState(0);
      member->redraw();
    } else if (v == -1) {
      if (member->state() == 1) {
        member->storeState(-1);
        member->redraw();
      }
    } else if (v == 0) {
      if (member->state() == 1)
        ++on;
      else if (member->state() == -1) {
        ++mixed;
        lastMixed = member;
      }
    }
  }
  if (v == 0 && group_->selected()) {
    if (on == 0 && mixed == 0) {
      group_->selected()->storeState(1);
      group_->selected()->redraw();
    } else if (mixed == 1 && lastMixed) {
      lastMixed->setState(1);
    }
  }
  state_ = v;
  redraw();
}

void RadioButton::redrawImage()
{
  redraw();
}

aip::Size RadioButton::imageFrameSize() const
{
  return frame().size;
}

void RadioButton::createControl(Window* window)
{
  if (window && window->nativeWindow()) {
    // The class is fixed here: images given later leave a titled button drawing no title.
    const bool image = hasImage();
    WinMfcRadioButtonBase* control = image ? static_cast<WinMfcRadioButtonBase*>(new WinMfcImageRadioButton(this))
                                           : static_cast<WinMfcRadioButtonBase*>(new WinMfcTextRadioButton(this));
    setControl(control);
    RECT r = pixelFrame(window);
    const std::u16string caption = image ? std::u16string() : aip::utf8ToWStringViaHost(Widget::text());
    control->Create(caption.c_str(), WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, r, window->nativeWindow(), controlId());
    if (!image)
      updateFont();
  }
  Widget::createControl(window);
  markControlCreated();
}

uint16_t radioPictureId(int32_t state, bool focused, double scale, bool dark)
{
  const int base = state == 1 ? 540 : state == -1 ? 520 : 500;
  const int step = scale <= 1.01 ? 0 : scale <= 1.51 ? 1 : 2;
  return static_cast<uint16_t>(base + (focused ? 10 : 0) + step + (dark ? 60 : 0));
}

// The controls.

BEGIN_MESSAGE_MAP(WinMfcRadioButtonBase, CButton)
ON_WM_ERASEBKGND()
ON_WM_LBUTTONDBLCLK()
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONUP()
ON_WM_MOUSELEAVE()
ON_WM_MOUSEMOVE()
ON_WM_RBUTTONDOWN()
ON_WM_RBUTTONUP()
END_MESSAGE_MAP()

WinMfcRadioButtonBase::~WinMfcRadioButtonBase() = default;

void WinMfcRadioButtonBase::OnLButtonDown(UINT flags, CPoint point)
{
  if (owner)
    owner->mouseDown(aip::Point(point.x, point.y), CustomEventsWidget::mouseModifiers(flags));
  Default();
}

void WinMfcRadioButtonBase::OnRButtonDown(UINT flags, CPoint point)
{
  OnLButtonDown(flags, point);
}

void WinMfcRadioButtonBase::OnLButtonUp(UINT flags, CPoint)
{
  if (owner) {
    // A release turns the button on wherever the pointer is.
    owner->mouseUp(CustomEventsWidget::mouseModifiers(flags));
    owner->setState(1);
    owner->fireClick();
    if (image_)
      owner->redraw();
  }
  Default();
}

void WinMfcRadioButtonBase::OnRButtonUp(UINT flags, CPoint)
{
  if (owner)
    owner->mouseUp(CustomEventsWidget::mouseModifiers(flags));
  Default();
}

void WinMfcRadioButtonBase::OnLButtonDblClk(UINT, CPoint)
{
  if (owner)
    owner->fireDoubleClick();
  Default();
}

void WinMfcRadioButtonBase::OnMouseMove(UINT flags, CPoint point)
{
  trackHoverMove(owner, m_hWnd, flags, point);
  Default();
}

void WinMfcRadioButtonBase::OnMouseLeave()
{
  trackHoverLeave(owner);
  Default();
}

BOOL WinMfcRadioButtonBase::OnEraseBkgnd(CDC*)
{
  return TRUE;
}

void WinMfcTextRadioButton::DrawItem(LPDRAWITEMSTRUCT item)
{
  if (!owner || !owner->window() || !item)
    return;
  HDC dc = item->hDC;
  const RECT r = item->rcItem;
  const int32_t context = themeContextOf(owner);
  const aip::Color background = themeRoleColor(context, 10);
  const COLORREF text = colorRefOf(themeRoleColor(context, IsWindowEnabled() ? 20 : 30));
  const double s = owner->uiScale(owner->window());
  const bool dark = darkInterface();
  fillSolid(dc, r, colorRefOf(background));

  CGdiPlusBitmapResource picture;
  if (loadPngResource(radioPictureId(owner->state(), owner->hasFocus(), s, dark), &picture) && picture.bitmap) {
    ImagePlacement at;
    at.x = r.left + roundedPixels(2.0 * s);
    at.y = r.top + roundedPixels(5.0 * s);
    at.width = static_cast<int>(picture.bitmap->GetWidth());
    at.height = static_cast<int>(picture.bitmap->GetHeight());
    if (owner->enabled()) {
      Gdiplus::Graphics graphics(dc);
      graphics.DrawImage(picture.bitmap, at.x, at.y, at.width, at.height);
    } else {
      drawVeiledImage(dc, at, background, dark, [&](const aip::Color&) { return &picture; });
    }
  }

  RECT title{r.left + roundedPixels(18.0 * s), r.top, r.right, r.bottom + roundedPixels(s)};
  const int oldMode = ::SetBkMode(dc, TRANSPARENT);
  const COLORREF oldColor = ::SetTextColor(dc, text);
  std::u16string caption = aip::utf8ToWStringViaHost(owner->text());
  caption.push_back(u'\0');
  ::DrawTextExW(dc, &caption[0], -1, &title, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX, nullptr);
  ::SetTextColor(dc, oldColor);
  ::SetBkMode(dc, oldMode);
}

void WinMfcImageRadioButton::DrawItem(LPDRAWITEMSTRUCT item)
{
  if (!owner || !owner->window() || !item)
    return;
  HDC dc = item->hDC;
  const RECT r = item->rcItem;
  const int32_t context = themeContextOf(owner);
  const aip::Color background = themeRoleColor(context, 10);
  const double s = owner->uiScale(owner->window());
  const bool dark = darkInterface();
  const bool enabled = owner->enabled();
  const int32_t colourState = !enabled ? 1 : owner->state() == 1 ? 4 : owner->isHovered() ? 3 : 2;
  ThemeColorSet set;
  themeControlColors(themeComponentOf(owner), colourState, set);
  const bool rollover = owner->isHovered();
  auto picture = [&](const aip::Color& behind, double* made) -> CGdiPlusBitmap* {
    CGdiPlusBitmap* bitmap = nullptr;
    aip::Color colour(behind);
    const ImageIds ids = owner->imageIds();
    // The rollover picture only when its 1x id is given.
    const bool useRollover =
        rollover && (ids.ids[dark ? 15 : 10] != 0 || (!owner->hasImageIds() && owner->svgIds().ids[dark ? 3 : 2] != 0));
    const bool found = dark ? (useRollover ? owner->darkRolloverImage(s, &bitmap, made, &colour)
                                           : owner->darkImage(s, &bitmap, made, &colour))
                            : (useRollover ? owner->lightRolloverImage(s, &bitmap, made, &colour)
                                           : owner->lightImage(s, &bitmap, made, &colour));
    return found && bitmap && bitmap->bitmap ? bitmap : nullptr;
  };
  double made = 1.0;
  if (enabled) {
    const int oldMode = ::SetBkMode(dc, TRANSPARENT);
    fillSolid(dc, insetRect(r, 3), colorRefOf(set.color4));
    if (CGdiPlusBitmap* bitmap = picture(set.color4, &made)) {
      const ImagePlacement at = centredImage(*bitmap, s, made, r.right - r.left, r.bottom - r.top);
      Gdiplus::Graphics graphics(dc);
      graphics.DrawImage(bitmap->bitmap, at.x, at.y, at.width, at.height);
    }
    frameSolid(dc, r, colorRefOf(set.color1));
    frameSolid(dc, insetRect(r, 1), colorRefOf(set.color2));
    frameSolid(dc, insetRect(r, 2), colorRefOf(set.color3));
    ::SetBkMode(dc, oldMode);
  } else {
    fillSolid(dc, r, colorRefOf(themeRoleColor(context, 80)));
    fillSolid(dc, insetRect(r, 1), colorRefOf(background));
    if (CGdiPlusBitmap* bitmap = picture(background, &made)) {
      const ImagePlacement at = centredImage(*bitmap, s, made, r.right - r.left, r.bottom - r.top);
      drawVeiledImage(dc, at, background, dark, [&](const aip::Color& base) { return picture(base, &made); });
    }
  }
}

}  // namespace pui
}  // namespace qor
