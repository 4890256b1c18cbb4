// The tooltip window all widgets share: a borderless pop-up that paints the tooltip text of one widget
// on a light background inside a grey frame.
#pragma once

#include "win/Afx.h"

namespace qor {
namespace pui {

class Widget;

class WinMfcTooltip : public CDialog
{
  DECLARE_MESSAGE_MAP()
public:
  explicit WinMfcTooltip(CWnd* parent);
  ~WinMfcTooltip() override;

  void setWidget(Widget* widget) { widget_ = widget; }
  Widget* widget() const { return widget_; }

  afx_msg BOOL OnEraseBkgnd(CDC* dc);

private:
  Widget* widget_ = nullptr;
};

}  // namespace pui
}  // namespace qor
