#include "pui/qorpuiBorderlessPanel.h"

#include <algorithm>
#include <cmath>

#include "aip/qoraipIllustrator.h"
#include "aip/qoraipSuitePointers.h"
#include "hostapi/ContextSuite.h"
#include "plat/qorplatCallbackScheduler.h"
#include "plat/qorplatClock.h"
#include "pui/qorpuiBasePlugin.h"
#include "pui/qorpuiBox.h"
#include "pui/qorpuiButton.h"
#include "pui/qorpuiCheckbox.h"
#include "pui/qorpuiColorWell.h"
#include "pui/qorpuiCustomWidget.h"
#include "pui/qorpuiHierarchicalView.h"
#include "pui/qorpuiLabel.h"
#include "pui/qorpuiListView.h"
#include "pui/qorpuiPanel.h"
#include "pui/qorpuiPopupMenu.h"
#include "pui/qorpuiRadioButton.h"
#include "pui/qorpuiRadioButtonGroup.h"
#include "pui/qorpuiSlider.h"
#include "pui/qorpuiStepper.h"
#include "pui/qorpuiTabOrder.h"
#include "pui/qorpuiTextField.h"
#include "pui/qorpuiTextView.h"
#include "pui/qorpuiUiGlobals.h"
#include "pui/qorpuiWebView.h"
#include "pui/qorpuiWinMfcView.h"
#include "pui/qorpuiWindow.h"
#include "utils/qorutilsCallback.h"

namespace qor {
namespace pui {

namespace qorpuiBorderlessPanel_detail {

UiGlobals* uiGlobals()
{
  BasePlugin* plugin = BasePlugin::instance();
  return plugin ? plugin->uiGlobals() : nullptr;
}

int round(double x)
{
  return static_cast<int>(x < 0 ? -std::floor(-x + 0.5) : std::floor(x + 0.5));
}

using Forward = void (BorderlessPanel::*)();

utils::Callback* forwarding(BorderlessPanel* panel, Forward method)
{
  return new utils::__Callback<BorderlessPanel>(panel, method);
}

// What the pop-up does with each kind of widget: the callbacks a mirror gets, and the state a mirror
// takes from its source (besides the frame). A kind without a row is not mirrored; a new kind of
// widget adds its row here.
struct MirrorKind
{
  int32_t kind;
  void (*attach)(BorderlessPanel* panel, Widget* mirror);
  void (*copy)(Widget* mirror, Widget* source);
};

void copyCommon(Widget* mirror, Widget* source)
{
  mirror->setEnabled(source->enabled());
  mirror->setVisible(source->visible());
  mirror->setTooltip(source->tooltip());
}

void copyText(Widget* mirror, Widget* source)
{
  if (mirror->text() != source->text())
    mirror->setText(source->text());
}

template <class T> void copyImages(T* mirror, T* source)
{
  mirror->setImageIds(source->imageIds());
  mirror->setSvgIds(source->svgIds());
}

template <class T> void copyTextStyle(T* mirror, T* source)
{
  if (mirror->bold() != source->bold())
    mirror->setBold(source->bold());
  if (mirror->italic() != source->italic())
    mirror->setItalic(source->italic());
}

void copyEntries(EntriesWidget* mirror, EntriesWidget* source)
{
  EntryVector clones;
  if (EntryVector* entries = source->entries())
    for (BaseEntryData* entry : *entries)
      clones.pushBack(entry->clone());
  mirror->setEntries(clones, true);
}

const MirrorKind mirrorKinds[] = {
    {BoxWidgetKind, nullptr,
     [](Widget* m, Widget* s) {
       copyText(m, s);
       copyCommon(m, s);
     }},
    {ButtonWidgetKind,
     [](BorderlessPanel* p, Widget* m) {
       dynamic_cast<Button*>(m)->setClickCallback(forwarding(p, &BorderlessPanel::forwardClick));
     },
     [](Widget* m, Widget* s) {
       auto *mirror = dynamic_cast<Button*>(m), *source = dynamic_cast<Button*>(s);
       copyText(m, s);
       copyCommon(m, s);
       mirror->setStyle(source->style());
       copyImages(mirror, source);
     }},
    {CheckboxWidgetKind,
     [](BorderlessPanel* p, Widget* m) {
       dynamic_cast<Checkbox*>(m)->setClickCallback(forwarding(p, &BorderlessPanel::forwardClick));
     },
     [](Widget* m, Widget* s) {
       copyText(m, s);
       copyCommon(m, s);
       dynamic_cast<Checkbox*>(m)->setState(dynamic_cast<Checkbox*>(s)->state());
     }},
    {ColorWellWidgetKind,
     [](BorderlessPanel* p, Widget* m) {
       dynamic_cast<ColorWell*>(m)->setValueChangedCallback(forwarding(p, &BorderlessPanel::forwardValueChanged));
     },
     [](Widget* m, Widget* s) {
       copyCommon(m, s);
       dynamic_cast<ColorWell*>(m)->setColor(dynamic_cast<ColorWell*>(s)->color());
     }},
    {CustomWidgetKind,
     [](BorderlessPanel* p, Widget* m) {
       auto* mirror = dynamic_cast<CustomWidget*>(m);
       mirror->setMouseEnterCallback(forwarding(p, &BorderlessPanel::forwardMouseEnter));
       mirror->setMouseMoveCallback(forwarding(p, &BorderlessPanel::forwardMouseMove));
       mirror->setMouseLeaveCallback(forwarding(p, &BorderlessPanel::forwardMouseLeave));
       mirror->setMouseDownCallback(forwarding(p, &BorderlessPanel::forwardMouseDown));
       mirror->setMouseDragCallback(forwarding(p, &BorderlessPanel::forwardMouseDrag));
       mirror->setMouseUpCallback(forwarding(p, &BorderlessPanel::forwardMouseUp));
       mirror->setDrawCallback(forwarding(p, &BorderlessPanel::forwardDraw));
     },
     [](Widget* m, Widget* s) {
       copyCommon(m, s);
       dynamic_cast<CustomWidget*>(m)->copyMouseState(*dynamic_cast<CustomWidget*>(s));
       m->redraw();
     }},
    {HierarchicalViewWidgetKind,
     [](BorderlessPanel* p, Widget* m) {
       auto* mirror = dynamic_cast<HierarchicalView*>(m);
       mirror->setValueChangedCallback(forwarding(p, &BorderlessPanel::forwardValueChanged));
     },
     [](Widget* m, Widget* s) {
       auto *mirror = dynamic_cast<HierarchicalView*>(m), *source = dynamic_cast<HierarchicalView*>(s);
       copyCommon(m, s);
       TreeEntryVector clones;
       if (TreeEntryVector* entries = source->entries())
         for (BaseTreeEntryData* entry : *entries)
           clones.pushBack(entry->clone());
       mirror->setEntries(clones, true);
       mirror->setSelectedIndexPath(source->selectedIndexPath());
     }},
    {LabelWidgetKind,
     [](BorderlessPanel* p, Widget* m) {
       dynamic_cast<Label*>(m)->setClickCallback(forwarding(p, &BorderlessPanel::forwardClick));
     },
     nullptr /* labels are copied last, once the fields they are tied to have mirrors */},
    {ListViewWidgetKind,
     [](BorderlessPanel* p, Widget* m) {
       dynamic_cast<ListView*>(m)->setValueChangedCallback(forwarding(p, &BorderlessPanel::forwardValueChanged));
     },
     [](Widget* m, Widget* s) {
       auto *mirror = dynamic_cast<ListView*>(m), *source = dynamic_cast<ListView*>(s);
       copyCommon(m, s);
       copyEntries(mirror, source);
       mirror->selectById(source->selectedId());
     }},
    {PopupMenuWidgetKind,
     [](BorderlessPanel* p, Widget* m) {
       dynamic_cast<PopupMenu*>(m)->setValueChangedCallback(forwarding(p, &BorderlessPanel::forwardValueChanged));
     },
     [](Widget* m, Widget* s) {
       auto *mirror = dynamic_cast<PopupMenu*>(m), *source = dynamic_cast<PopupMenu*>(s);
       copyCommon(m, s);
       copyEntries(mirror, source);
       mirror->selectById(source->selectedId());
     }},
    {RadioButtonWidgetKind,
     [](BorderlessPanel* p, Widget* m) {
       dynamic_cast<RadioButton*>(m)->setClickCallback(forwarding(p, &BorderlessPanel::forwardClick));
     },
     [](Widget* m, Widget* s) {
       auto *mirror = dynamic_cast<RadioButton*>(m), *source = dynamic_cast<RadioButton*>(s);
       copyText(m, s);
       copyCommon(m, s);
       mirror->setState(source->state());
       copyImages(mirror, source);
     }},
    {SliderWidgetKind,
     [](BorderlessPanel* p, Widget* m) {
       dynamic_cast<Slider*>(m)->setValueChangingCallback(forwarding(p, &BorderlessPanel::forwardValueChanging));
     },
     [](Widget* m, Widget* s) {
       copyCommon(m, s);
       dynamic_cast<Slider*>(m)->setValue(dynamic_cast<Slider*>(s)->value());
     }},
    {StepperWidgetKind,
     [](BorderlessPanel* p, Widget* m) {
       auto* mirror = dynamic_cast<Stepper*>(m);
       mirror->setUpCallback(forwarding(p, &BorderlessPanel::forwardStepUp));
       mirror->setDownCallback(forwarding(p, &BorderlessPanel::forwardStepDown));
     },
     [](Widget* m, Widget* s) { copyCommon(m, s); }},
    {TextFieldWidgetKind,
     [](BorderlessPanel* p, Widget* m) {
       auto* mirror = dynamic_cast<TextField*>(m);
       mirror->setValueChangedCallback(forwarding(p, &BorderlessPanel::forwardValueChanged));
       mirror->setValueChangingCallback(forwarding(p, &BorderlessPanel::forwardValueChanging));
     },
     [](Widget* m, Widget* s) {
       copyText(m, s);
       copyCommon(m, s);
       copyTextStyle(dynamic_cast<TextField*>(m), dynamic_cast<TextField*>(s));
     }},
    {TextViewWidgetKind,
     [](BorderlessPanel* p, Widget* m) {
       auto* mirror = dynamic_cast<TextView*>(m);
       mirror->setValueChangedCallback(forwarding(p, &BorderlessPanel::forwardValueChanged));
       mirror->setValueChangingCallback(forwarding(p, &BorderlessPanel::forwardValueChanging));
     },
     [](Widget* m, Widget* s) {
       copyText(m, s);
       copyCommon(m, s);
       copyTextStyle(dynamic_cast<TextView*>(m), dynamic_cast<TextView*>(s));
     }},
    {WebViewWidgetKind, nullptr,
     [](Widget* m, Widget* s) {
       copyCommon(m, s);
       auto *mirror = dynamic_cast<WebView*>(m), *source = dynamic_cast<WebView*>(s);
       if (!source->url().empty() && mirror->url() != source->url())
         mirror->loadURL(source->url());
     }},
};

const MirrorKind* mirrorKind(int32_t kind)
{
  for (const MirrorKind& row : mirrorKinds)
    if (row.kind == kind)
      return &row;
  return nullptr;
}

// Whether a widget is of the class its kind stands for (a failed cast leaves the widget out).
bool castsToKind(Widget* widget)
{
  switch (widget->kind()) {
  case BoxWidgetKind:
    return dynamic_cast<Box*>(widget);
  case ButtonWidgetKind:
    return dynamic_cast<Button*>(widget);
  case CheckboxWidgetKind:
    return dynamic_cast<Checkbox*>(widget);
  case ColorWellWidgetKind:
    return dynamic_cast<ColorWell*>(widget);
  case CustomWidgetKind:
    return dynamic_cast<CustomWidget*>(widget);
  case HierarchicalViewWidgetKind:
    return dynamic_cast<HierarchicalView*>(widget);
  case LabelWidgetKind:
    return dynamic_cast<Label*>(widget);
  case ListViewWidgetKind:
    return dynamic_cast<ListView*>(widget);
  case PopupMenuWidgetKind:
    return dynamic_cast<PopupMenu*>(widget);
  case RadioButtonWidgetKind:
    return dynamic_cast<RadioButton*>(widget);
  case SliderWidgetKind:
    return dynamic_cast<Slider*>(widget);
  case StepperWidgetKind:
    return dynamic_cast<Stepper*>(widget);
  case TextFieldWidgetKind:
    return dynamic_cast<TextField*>(widget);
  case TextViewWidgetKind:
    return dynamic_cast<TextView*>(widget);
  case WebViewWidgetKind:
    return dynamic_cast<WebView*>(widget);
  default:
    return false;
  }
}

}  // namespace qorpuiBorderlessPanel_detail

// The dialog window.

BEGIN_MESSAGE_MAP(WinMfcBorderlessPanel, CDialog)
ON_COMMAND(IDOK, OnOK)
ON_COMMAND(IDCANCEL, OnCancel)
END_MESSAGE_MAP()

LRESULT WinMfcBorderlessPanel::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
  if (message == WM_PAINT) {
    PAINTSTRUCT ps;
    HDC dc = ::BeginPaint(m_hWnd, &ps);
    if (dc) {
      RECT whole;
      ::GetWindowRect(m_hWnd, &whole);
      ::OffsetRect(&whole, -whole.left, -whole.top);
      aip::Illustrator* app = aip::Illustrator::instance();
      CBrush brush(app && app->isDarkUI() ? RGB(0, 0, 0) : RGB(63, 63, 63));
      ::FrameRect(dc, &whole, brush);
    }
    ::EndPaint(m_hWnd, &ps);
  }
  const LRESULT result = CDialog::WindowProc(message, wParam, lParam);
  if (message == WM_NCACTIVATE && owner && owner->isVisible() && !owner->modal()) {
    if (owner->keepOpenOnce()) {
      owner->setKeepOpenOnce(false);
    } else if (!wParam) {
      plat::cancelScheduledCallback(closeTimer);
      closeTimer = plat::scheduleMainThreadCallback(
          new utils::__Callback<WinMfcBorderlessPanel>(this, &WinMfcBorderlessPanel::delayedClose), 0.05);
    }
  }
  return result;
}

WinMfcBorderlessPanel::~WinMfcBorderlessPanel()
{
  plat::cancelScheduledCallback(closeTimer);
}

void WinMfcBorderlessPanel::delayedClose()
{
  closeTimer = 0;
  // Only a pop-up that still lives is closed.
  UiGlobals* globals = qorpuiBorderlessPanel_detail::uiGlobals();
  if (!owner || !globals || !globals->borderlessPanels.contains(owner))
    return;
  if (owner->keepOpenOnce()) {
    owner->setKeepOpenOnce(false);
    return;
  }
  const double when = BorderlessPanel::now();
  owner->setClosedAt(when);
  owner->close();
  if (BorderlessPanel* linked = owner->linkedPanel()) {
    linked->setClosedAt(when);
    linked->close();
    owner->setLinkedPanel(nullptr);
  }
}

HWND WinMfcBorderlessPanel::PreModal()
{
  if (CWinApp* app = AfxGetApp())
    app->EnableModeless(FALSE);
  CWnd* parent = GetSafeOwner(m_pParentWnd, &m_hWndTop);
  // The loop runs on the window that exists already.
  m_nFlags |= WF_CONTINUEMODAL;
  return parent ? parent->GetSafeHwnd() : nullptr;
}

void WinMfcBorderlessPanel::PostModal()
{
  if (m_hWndTop && ::IsWindow(m_hWndTop))
    ::EnableWindow(m_hWndTop, TRUE);
  m_hWndTop = nullptr;
  if (CWinApp* app = AfxGetApp())
    app->EnableModeless(TRUE);
}

INT_PTR WinMfcBorderlessPanel::DoModal()
{
  HWND parent = PreModal();
  bool parentDisabled = false;
  if (parent && parent != ::GetDesktopWindow() && ::IsWindowEnabled(parent)) {
    ::EnableWindow(parent, FALSE);
    parentDisabled = true;
  }
  const int savedFlags = m_nFlags & ~WF_CONTINUEMODAL;
  // The press that opened the pop-up may still hold the mouse; the pop-up's widgets need it.
  ::ReleaseCapture();
  try {
    if (m_nFlags & WF_CONTINUEMODAL) {
      RunModalLoop(MLF_SHOWONIDLE);
      ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0,
                     SWP_HIDEWINDOW | SWP_NOACTIVATE | SWP_NOZORDER | SWP_NOMOVE | SWP_NOSIZE);
    }
  } catch (...) {
    m_nModalResult = -1;
  }
  if (parentDisabled)
    ::EnableWindow(parent, TRUE);
  if (parent && ::GetActiveWindow() == m_hWnd)
    ::SetActiveWindow(parent);
  PostModal();
  m_nFlags = savedFlags;
  return m_nModalResult;
}

// The pop-up.

BorderlessPanel::BorderlessPanel(bool modal, const aip::Point& origin, const aip::Size& size)
    : modal_(modal), origin_(origin), size_(size)
{
  if (UiGlobals* globals = qorpuiBorderlessPanel_detail::uiGlobals()) {
    globals->borderlessPanels.pushBack(this);
    createWindow();
  }
}

BorderlessPanel::~BorderlessPanel()
{
  populate(nullptr);
  if (UiGlobals* globals = qorpuiBorderlessPanel_detail::uiGlobals()) {
    globals->borderlessPanels.remove(this);
    // No other pop-up closes this one through its link any more.
    for (BorderlessPanel* other : globals->borderlessPanels)
      if (other->linkedPanel() == this)
        other->setLinkedPanel(nullptr);
  }
  if (dialog_ && dialog_->GetSafeHwnd())
    dialog_->ShowWindow(SW_HIDE);
  delete window_;
  window_ = nullptr;
  if (dialog_) {
    dialog_->owner = nullptr;
    if (dialog_->GetSafeHwnd())
      dialog_->DestroyWindow();
    delete dialog_;
    dialog_ = nullptr;
  }
}

double BorderlessPanel::now()
{
  return plat::presentSecondsSince1970(true);
}

double BorderlessPanel::scale() const
{
  aip::Illustrator* app = aip::Illustrator::instance();
  if (!app || !app->isUIScaled() || !window_)
    return 1.0;
  const double step = window_->dpiStep();
  return step > 1.01 && step < 1.49 ? app->snapUIScaleFactor() : step;
}

void BorderlessPanel::createWindow()
{
  using namespace qorpuiBorderlessPanel_detail;
  UiGlobals* globals = uiGlobals();
  HWND owner = nullptr;
  if (modal_ && globals->modalDialogShowing) {
    owner = ::GetActiveWindow();
  } else {
    PlatformWindow main = nullptr;
    if (aip::contextSuite && aip::contextSuite->getMainWindow(&main) == 0)
      owner = reinterpret_cast<HWND>(main);
  }
  dialog_ = new WinMfcBorderlessPanel(CWnd::FromHandle(owner));
  dialog_->owner = this;
  if (!dialog_->Create(20, CWnd::FromHandle(owner)))
    return;
  ::SetWindowLongW(dialog_->m_hWnd, GWL_STYLE, static_cast<LONG>(WS_POPUP));
  ::SetWindowTextW(dialog_->m_hWnd, u"");

  aip::Illustrator* app = aip::Illustrator::instance();
  const int32_t language = app ? app->appLanguage() : 0;
  const int points = (language == 8 || language == 9 || language == 10) ? 10 : 9;
  HDC dc = ::GetDC(dialog_->m_hWnd);
  const int dpi = dc ? Widget::fontDpi(dc) : 96;
  ::ReleaseDC(dialog_->m_hWnd, dc);
  font_.CreateFont(-::MulDiv(points, dpi, 72), 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, u"Tahoma");
  dialog_->SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(static_cast<HFONT>(font_)), TRUE);

  auto* view = new WinMfcView();
  if (!view->CreateEx(WS_EX_COMPOSITED, nullptr, u"", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 1, 1,
                      round(size_.width - 2), round(size_.height - 2), dialog_->m_hWnd, nullptr)) {
    delete view;
    return;
  }
  window_ = new Window(view);
  window_->setKind(-1);
  view->windowLink = window_;
  const double s = scale();
  ::SetWindowPos(dialog_->m_hWnd, nullptr, 0, 0, round(size_.width * s), round(size_.height * s),
                 SWP_NOZORDER | SWP_NOACTIVATE);
  view->MoveWindow(1, 1, round((size_.width - 2) * s), round((size_.height - 2) * s), TRUE);
}

void BorderlessPanel::show()
{
  if (!dialog_ || !dialog_->GetSafeHwnd())
    return;
  // A close still waiting from an earlier deactivation is not for the pop-up shown now.
  plat::cancelScheduledCallback(dialog_->closeTimer);
  dialog_->closeTimer = 0;
  if (modal_) {
    dialog_->DoModal();
  } else {
    dialog_->ShowWindow(SW_SHOW);
    ::SetActiveWindow(dialog_->m_hWnd);
  }
}

void BorderlessPanel::close()
{
  if (!dialog_ || !dialog_->GetSafeHwnd())
    return;
  if (modal_)
    dialog_->EndDialog(0);
  else
    dialog_->ShowWindow(SW_HIDE);
}

bool BorderlessPanel::isVisible() const
{
  return dialog_ && dialog_->GetSafeHwnd() && dialog_->IsWindowVisible();
}

aip::Point BorderlessPanel::origin() const
{
  if (!dialog_ || !dialog_->GetSafeHwnd())
    return origin_;
  RECT r;
  dialog_->GetWindowRect(&r);
  return aip::Point(r.left, r.top);
}

void BorderlessPanel::setOrigin(const aip::Point& origin)
{
  using qorpuiBorderlessPanel_detail::round;
  origin_ = origin;
  if (dialog_ && dialog_->GetSafeHwnd())
    ::SetWindowPos(dialog_->m_hWnd, nullptr, round(origin.x), round(origin.y), 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void BorderlessPanel::setSize(const aip::Size& size)
{
  using qorpuiBorderlessPanel_detail::round;
  size_ = size;
  if (!dialog_ || !dialog_->GetSafeHwnd())
    return;
  const double s = scale();
  ::SetWindowPos(dialog_->m_hWnd, nullptr, 0, 0, round(size.width * s), round(size.height * s),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  if (window_ && window_->nativeWindow())
    window_->nativeWindow()->MoveWindow(1, 1, round(size.width * s - 2), round(size.height * s - 2), TRUE);
}

void BorderlessPanel::clearGroups()
{
  // A tab order lets its widgets go when it is deleted.
  for (TabOrder* order : mirrorTabOrders_)
    delete order;
  mirrorTabOrders_.clear();
  for (RadioButtonGroup* group : mirrorRadioGroups_) {
    if (utils::List<RadioButton*>* buttons = group->buttons())
      while (!buttons->isEmpty())
        group->remove(buttons->front());
    delete group;
  }
  mirrorRadioGroups_.clear();
}

Widget* BorderlessPanel::sourceOf(const Widget* mirror) const
{
  for (const auto& pair : mirrors_)
    if (pair.first == mirror)
      return pair.second;
  return nullptr;
}

Widget* BorderlessPanel::mirrorOf(const Widget* source) const
{
  for (const auto& pair : mirrors_)
    if (pair.second == source)
      return pair.first;
  return nullptr;
}

void BorderlessPanel::populate(Panel* source)
{
  using namespace qorpuiBorderlessPanel_detail;
  if (!window_)
    return;
  source_ = source;
  clearGroups();
  for (auto& pair : mirrors_) {
    window_->removeWidget(pair.first);
    if (pair.second)
      delete pair.first;
  }
  mirrors_.clear();
  if (!source || !source->window() || !source->window()->widgets() || source->window()->widgets()->isEmpty())
    return;
  for (Widget* widget : *source->window()->widgets()) {
    const MirrorKind* row = widget ? mirrorKind(widget->kind()) : nullptr;
    if (!row || !castsToKind(widget))
      continue;
    Widget* mirror = widget->clone();
    if (!mirror)
      continue;
    if (row->attach)
      row->attach(this, mirror);
    mirrors_.emplace_back(mirror, widget);
  }
  for (auto& pair : mirrors_) {
    pair.first->offsetBy(3.0, 3.0);
    window_->addWidget(pair.first);
  }
  synchronize(false);
}

void BorderlessPanel::synchronize(bool afterEvent)
{
  using namespace qorpuiBorderlessPanel_detail;
  clearGroups();
  std::vector<std::pair<RadioButtonGroup*, std::vector<RadioButton*>>> groups;
  std::vector<std::pair<TabOrder*, std::vector<Widget*>>> orders;
  auto collect = [](auto& lists, auto* key, auto* member) {
    for (auto& entry : lists)
      if (entry.first == key) {
        entry.second.push_back(member);
        return;
      }
    lists.push_back({key, {member}});
  };
  for (auto& pair : mirrors_) {
    Widget *mirror = pair.first, *source = pair.second;
    const MirrorKind* row = mirrorKind(source->kind());
    if (!row || !castsToKind(mirror) || !castsToKind(source) || mirror->kind() != source->kind())
      continue;
    aip::Rect frame = source->frame();
    frame.origin.x += 3.0;
    frame.origin.y += 3.0;
    mirror->setFrame(frame);
    if (source->kind() == LabelWidgetKind) {
      auto *m = dynamic_cast<Label*>(mirror), *s = dynamic_cast<Label*>(source);
      copyText(m, s);
      copyCommon(m, s);
      copyTextStyle(m, s);
      copyImages(m, s);
      if (m->attachedPanel() != s->attachedPanel())
        m->setAttachedPanel(s->attachedPanel());
      // A label tied to a field is tied to the field's mirror.
      if (s->attachedTextField())
        m->setAttachedTextField(dynamic_cast<TextField*>(mirrorOf(s->attachedTextField())));
      else if (s->attachedTextView())
        m->setAttachedTextView(dynamic_cast<TextView*>(mirrorOf(s->attachedTextView())));
    } else if (row->copy) {
      row->copy(mirror, source);
    }
    if (source->kind() == RadioButtonWidgetKind)
      if (RadioButtonGroup* group = dynamic_cast<RadioButton*>(source)->group())
        collect(groups, group, dynamic_cast<RadioButton*>(mirror));
    if (TabOrder* order = source->tabOrder())
      collect(orders, order, mirror);
  }
  if (afterEvent && source_) {
    const aip::Size panelSize = source_->size();
    setSize(aip::Size(panelSize.width + 6.0, panelSize.height + 6.0));
    setOrigin(origin());
  }
  for (auto& entry : groups) {
    auto* group = new RadioButtonGroup();
    for (RadioButton* button : entry.second)
      group->add(button);
    mirrorRadioGroups_.push_back(group);
  }
  for (auto& entry : orders) {
    auto* order = new TabOrder();
    for (Widget* widget : entry.second)
      order->append(widget);
    mirrorTabOrders_.push_back(order);
  }
}

// Forwarding.

void BorderlessPanel::forwardClick()
{
  UiGlobals* globals = qorpuiBorderlessPanel_detail::uiGlobals();
  Widget* mirror = globals ? globals->clickWidget : nullptr;
  Widget* source = mirror ? sourceOf(mirror) : nullptr;
  if (!source || source->kind() != mirror->kind())
    return;
  bool closeAfter = false;
  switch (source->kind()) {
  case ButtonWidgetKind: {
    auto* button = dynamic_cast<Button*>(source);
    if (!button)
      return;
    const int32_t style = dynamic_cast<Button*>(mirror)->style();
    closeAfter = style == 1 || style == 2;
    button->fireClick();
    break;
  }
  case CheckboxWidgetKind: {
    auto* box = dynamic_cast<Checkbox*>(source);
    if (!box)
      return;
    box->setState(dynamic_cast<Checkbox*>(mirror)->state());
    box->fireClick();
    break;
  }
  case LabelWidgetKind: {
    auto* label = dynamic_cast<Label*>(source);
    if (!label)
      return;
    if (!label->attachedPanel())
      label->fireClick();
    break;
  }
  case RadioButtonWidgetKind: {
    auto* radio = dynamic_cast<RadioButton*>(source);
    if (!radio)
      return;
    radio->setState(dynamic_cast<RadioButton*>(mirror)->state());
    radio->fireClick();
    break;
  }
  default:
    return;
  }
  synchronize(true);
  if (closeAfter)
    close();
}

void BorderlessPanel::forwardValueChanged()
{
  UiGlobals* globals = qorpuiBorderlessPanel_detail::uiGlobals();
  Widget* mirror = globals ? globals->valueChangedWidget : nullptr;
  Widget* source = mirror ? sourceOf(mirror) : nullptr;
  if (!source || source->kind() != mirror->kind())
    return;
  switch (source->kind()) {
  case ColorWellWidgetKind: {
    auto* well = dynamic_cast<ColorWell*>(source);
    well->setColor(dynamic_cast<ColorWell*>(mirror)->color());
    well->fireValueChanged();
    break;
  }
  case ListViewWidgetKind:
  case PopupMenuWidgetKind: {
    auto* entries = dynamic_cast<EntriesWidget*>(source);
    entries->setSelectedIndex(dynamic_cast<EntriesWidget*>(mirror)->selectedIndex());
    dynamic_cast<ValueChangedWidget*>(source)->fireValueChanged();
    break;
  }
  case HierarchicalViewWidgetKind: {
    auto* tree = dynamic_cast<HierarchicalView*>(source);
    tree->setSelectedIndexPath(dynamic_cast<HierarchicalView*>(mirror)->selectedIndexPath());
    tree->fireValueChanged();
    break;
  }
  case TextFieldWidgetKind:
  case TextViewWidgetKind:
    source->setText(mirror->text());
    dynamic_cast<ValueChangedWidget*>(source)->fireValueChanged();
    break;
  default:
    return;
  }
  synchronize(true);
}

void BorderlessPanel::forwardValueChanging()
{
  UiGlobals* globals = qorpuiBorderlessPanel_detail::uiGlobals();
  Widget* mirror = globals ? globals->valueChangingWidget : nullptr;
  Widget* source = mirror ? sourceOf(mirror) : nullptr;
  if (!source || source->kind() != mirror->kind())
    return;
  if (source->kind() == SliderWidgetKind) {
    auto* slider = dynamic_cast<Slider*>(source);
    slider->setValue(dynamic_cast<Slider*>(mirror)->value());
    slider->fireValueChanging();
    synchronize(true);
    return;
  }
  if (source->kind() != TextFieldWidgetKind && source->kind() != TextViewWidgetKind)
    return;
  // The mirror's caret stays where the user typed.
  DWORD start = 0, end = 0;
  HWND edit = mirror->hasControl() ? mirror->control()->m_hWnd : nullptr;
  if (edit)
    ::SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  source->setText(mirror->text());
  dynamic_cast<ValueChangingWidget*>(source)->fireValueChanging();
  synchronize(true);
  if (edit && ::IsWindow(edit)) {
    ::SendMessageW(edit, EM_SETSEL, start, end);
    ::SendMessageW(edit, EM_SCROLLCARET, 0, 0);
  }
}

void BorderlessPanel::forwardStepUp()
{
  UiGlobals* globals = qorpuiBorderlessPanel_detail::uiGlobals();
  Widget* mirror = globals ? globals->clickWidget : nullptr;
  auto* source = dynamic_cast<Stepper*>(mirror ? sourceOf(mirror) : nullptr);
  if (!source)
    return;
  if (utils::Callback* callback = source->upCallback())
    callback->execute();
  synchronize(true);
}

void BorderlessPanel::forwardStepDown()
{
  UiGlobals* globals = qorpuiBorderlessPanel_detail::uiGlobals();
  Widget* mirror = globals ? globals->clickWidget : nullptr;
  auto* source = dynamic_cast<Stepper*>(mirror ? sourceOf(mirror) : nullptr);
  if (!source)
    return;
  if (utils::Callback* callback = source->downCallback())
    callback->execute();
  synchronize(true);
}

void BorderlessPanel::forwardMouse(Widget* fired, int event)
{
  auto* mirror = dynamic_cast<CustomWidget*>(fired);
  auto* source = dynamic_cast<CustomWidget*>(fired ? sourceOf(fired) : nullptr);
  if (!mirror || !source)
    return;
  source->copyMouseState(*mirror);
  switch (event) {
  case 0:
    source->fireMouseEnter();
    break;
  case 1:
    source->handleMouseMove();
    break;
  case 2:
    source->fireMouseLeave();
    break;
  case 3:
    source->handleMouseDown();
    break;
  case 4:
    source->handleMouseDrag();
    break;
  case 5:
    source->handleMouseUp();
    break;
  default:
    break;
  }
  synchronize(true);
}

void BorderlessPanel::forwardMouseEnter()
{
  UiGlobals* g = qorpuiBorderlessPanel_detail::uiGlobals();
  forwardMouse(g ? g->mouseEnterWidget : nullptr, 0);
}

void BorderlessPanel::forwardMouseMove()
{
  UiGlobals* g = qorpuiBorderlessPanel_detail::uiGlobals();
  forwardMouse(g ? g->mouseMoveWidget : nullptr, 1);
}

void BorderlessPanel::forwardMouseLeave()
{
  UiGlobals* g = qorpuiBorderlessPanel_detail::uiGlobals();
  forwardMouse(g ? g->mouseLeaveWidget : nullptr, 2);
}

void BorderlessPanel::forwardMouseDown()
{
  UiGlobals* g = qorpuiBorderlessPanel_detail::uiGlobals();
  forwardMouse(g ? g->mouseDownWidget : nullptr, 3);
}

void BorderlessPanel::forwardMouseDrag()
{
  UiGlobals* g = qorpuiBorderlessPanel_detail::uiGlobals();
  forwardMouse(g ? g->mouseDragWidget : nullptr, 4);
}

void BorderlessPanel::forwardMouseUp()
{
  UiGlobals* g = qorpuiBorderlessPanel_detail::uiGlobals();
  forwardMouse(g ? g->mouseUpWidget : nullptr, 5);
}

void BorderlessPanel::forwardDraw()
{
  UiGlobals* globals = qorpuiBorderlessPanel_detail::uiGlobals();
  auto* mirror = dynamic_cast<CustomWidget*>(globals ? globals->drawWidget : nullptr);
  auto* source = dynamic_cast<CustomWidget*>(mirror ? sourceOf(mirror) : nullptr);
  if (!source)
    return;
  source->copyMouseState(*mirror);
  if (source->isDrawing() || !source->drawCallback() || !source->hasControl() || !mirror->drawingContext())
    return;
  // The source draws on its own control; its pixels go into the mirror's drawing context.
  HWND control = source->control()->m_hWnd;
  HDC sourceDc = ::GetWindowDC(control);
  CDC dc(sourceDc);
  source->drawOn(&dc);
  RECT r;
  ::GetClientRect(control, &r);
  ::BitBlt(mirror->drawingContext()->GetSafeHdc(), 0, 0, r.right - r.left, r.bottom - r.top, sourceDc, 0, 0, SRCCOPY);
  ::ReleaseDC(control, sourceDc);
}

void closeAllBorderlessPanels()
{
  if (UiGlobals* globals = qorpuiBorderlessPanel_detail::uiGlobals())
    for (BorderlessPanel* panel : globals->borderlessPanels)
      panel->close();
}

}  // namespace pui
}  // namespace qor
