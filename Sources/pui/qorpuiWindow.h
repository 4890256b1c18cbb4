// The platform view of one window's content area: its native content window, the widgets placed in
// it, its kind (1 host panel, 2 modal dialog, -1 borderless panel) and its DPI step.
#pragma once

#include <cstdint>

#include "aip/qoraipRect.h"
#include "utils/qorutilsList.h"
#include "win/Afx.h"

namespace qor {
namespace pui {

class Widget;

class Window
{
public:
  explicit Window(CWnd* nativeWindow);
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;
  // Detaches the listed widgets (which stay alive) and destroys the native window.
  virtual ~Window();

  virtual CWnd* nativeWindow() const;
  virtual aip::Rect screenFrame() const;
  virtual void addWidget(Widget* widget);
  virtual void removeWidget(Widget* widget);
  virtual utils::List<Widget*>* widgets() const;
  virtual int32_t kind() const;
  virtual void updateWidgets();
  virtual bool isShown() const;
  virtual void redrawWidgets();
  // LOGPIXELSY / 96 snapped to 2, 1.5, 1.25 or 1.
  virtual double dpiStep() const;

  void setKind(int32_t kind) { kind_ = kind; }

private:
  utils::List<Widget*>* widgets_;
  CWnd* nativeWindow_;
  int32_t kind_ = 0;
};

}  // namespace pui
}  // namespace qor
