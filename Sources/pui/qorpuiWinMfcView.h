// The content window of modal dialogs and host panels: paints the theme's background, reflects owner
// drawing to its controls, and closes the borderless panels when clicked.
#pragma once

#include "win/Afx.h"

namespace qor {
namespace pui {

class Window;

class WinMfcView : public CWnd
{
  DECLARE_MESSAGE_MAP()
public:
  WinMfcView() = default;
  ~WinMfcView() override;

  // The platform window that wraps this view; null until its owner sets it.
  Window* windowLink = nullptr;

  afx_msg BOOL OnEraseBkgnd(CDC* dc);
  afx_msg void OnLButtonDown(UINT flags, CPoint point);

protected:
  // The view goes with its window.
  void PostNcDestroy() override;
};

}  // namespace pui
}  // namespace qor
