// The platform half of every widget: keeps the widget's state until its control exists, then forwards
// every change to the control; converts frames between units and pixels, hands out control ids, sets
// the control's font and shows delayed tooltips.
#pragma once

#include <cstdint>
#include <mutex>
#include <string>

#include "aip/qoraipPoint.h"
#include "aip/qoraipRect.h"
#include "aip/qoraipSize.h"
#include "utils/qorutilsList.h"
#include "win/Afx.h"

namespace qor {
namespace pui {

class TabOrder;
class Window;

// The kind code of a platform widget.
enum WidgetKind : int32_t
{
  BoxWidgetKind = 10,
  ButtonWidgetKind = 20,
  CheckboxWidgetKind = 30,
  ColumnViewWidgetKind = 40,
  ComboBoxWidgetKind = 50,
  ColorWellWidgetKind = 60,
  CustomWidgetKind = 70,
  HierColumnViewWidgetKind = 75,
  HierarchicalViewWidgetKind = 80,
  LabelWidgetKind = 90,
  ListViewWidgetKind = 100,
  PopupMenuWidgetKind = 110,
  RadioButtonWidgetKind = 120,
  SliderWidgetKind = 130,
  StepperWidgetKind = 140,
  TextFieldWidgetKind = 150,
  TextViewWidgetKind = 160,
  WebViewWidgetKind = 180
};

class Widget
{
public:
  // One pending or shown tooltip; its widget is null once the widget is gone.
  class _TooltipDataWin
  {
  public:
    bool fired = false;
    bool cancelled = false;
    aip::Point position;
    Widget* widget = nullptr;

    // Run by the scheduler: shows the tooltip unless it was cancelled or already shown.
    void show();
  };

  Widget(int32_t kind, const aip::Rect& frame, const std::string& text);
  Widget(const Widget&) = delete;
  Widget& operator=(const Widget&) = delete;
  virtual ~Widget();

  virtual Widget* clone() const = 0;
  virtual int32_t kind() const;
  virtual CWnd* control() const;
  virtual Window* window() const;
  virtual uint16_t id();
  virtual aip::Rect frame() const;
  virtual void setFrame(const aip::Rect& frame);
  virtual void setOrigin(const aip::Point& origin);
  virtual void offsetBy(double dx, double dy);
  virtual std::string text();
  virtual void setText(const std::string& text);
  virtual bool enabled() const;
  virtual void setEnabled(bool enabled);
  virtual bool visible() const;
  virtual void setVisible(bool visible);
  virtual void setPosition(const aip::Point& origin);
  virtual void setSize(const aip::Size& size);
  virtual void setWidth(double width);
  virtual void setHeight(double height);
  virtual bool hasFocus() const;
  virtual void focus();
  virtual void focusHostWindow();
  virtual void redraw();
  virtual TabOrder* tabOrder() const;
  virtual std::string tooltip() const;
  virtual void setTooltip(const std::string& tooltip);
  virtual uint16_t controlId();
  // The control's rectangle in units of the window's scale, inset included; the widget's own window
  // when none is given.
  virtual aip::Rect unadjustedFrame(Window* window = nullptr) const;
  virtual void updateFont();
  virtual void setWindow(Window* window);
  virtual void detach();
  virtual void update();
  virtual int32_t fontPointSize() const;
  virtual void createControl(Window* window);
  virtual double uiScale(Window* window) const;

  // Whether the native control exists (it may be gone with its window while the object stays).
  bool hasControl() const;
  bool controlCreated() const { return controlCreated_; }
  const aip::Rect& inset() const { return inset_; }
  // Set and cleared by the tab order that lists the widget.
  void setTabOrder(TabOrder* tabOrder) { tabOrder_ = tabOrder; }
  // Forgets the window, which is going away.
  void forgetWindow() { window_ = nullptr; }

  // Called by the controls' mouse handlers.
  static void scheduleTooltip(Widget* widget);
  static void cancelTooltip(Widget* widget);
  static aip::Point cursorScreenPosition();

  // The dots per inch that fonts are made for on a device context: 96 when the host does not scale
  // its interface, else the display's, with the host's snap factor between 1.01 and 1.49 times 96.
  static int fontDpi(HDC dc);
  // The scale of a window for the mouse and the tooltips: 1, or the window's DPI step when the host
  // scales its interface, with the snap factor for steps strictly between 1.01 and 1.49.
  static double windowScale(Window* window);

protected:
  // Takes ownership of the native control.
  void setControl(CWnd* control);
  // Lets go of the native control without deleting it (a control that deletes itself with its window).
  void forgetControl() { control_ = nullptr; }
  void setInset(const aip::Rect& inset) { inset_ = inset; }
  void markControlCreated() { controlCreated_ = true; }
  // The stored rectangle (inset included) in pixels of a window's scale.
  RECT pixelFrame(Window* window) const;
  // Makes the widget's font of a face at fontPointSize for the control's display and sends it to the
  // control; nothing without a window and a control.
  void makeControlFont(const char16_t* face, bool italic);

private:
  void setStoredText(const std::string& text);

  CWnd* control_ = nullptr;
  uint16_t controlId_ = 0;
  int32_t kind_ = 0;
  Window* window_ = nullptr;
  aip::Rect frame_;
  std::string text_;
  bool enabled_ = true;
  bool visible_ = true;
  std::string tooltip_;
  aip::Rect inset_;
  TabOrder* tabOrder_ = nullptr;
  bool controlCreated_ = false;
  uint32_t creatingThread_ = 0;
  CFont font_;
  utils::List<_TooltipDataWin*>* tooltipRecords_ = nullptr;
  // The cached text may be read from another thread.
  mutable std::mutex textLock_;
};

}  // namespace pui
}  // namespace qor
