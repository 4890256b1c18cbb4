#include "pui/qorpuiWinMfcView.h"

#include "aip/qoraipColor.h"
#include "aip/qoraipIllustrator.h"
#include "pui/qorpuiWindow.h"
#include "pui/qorpuiWindowLists.h"

namespace qor {
namespace pui {

BEGIN_MESSAGE_MAP(WinMfcView, CWnd)
ON_WM_DRAWITEM()
ON_WM_ERASEBKGND()
ON_WM_LBUTTONDOWN()
ON_WM_PAINT()
END_MESSAGE_MAP()

WinMfcView::~WinMfcView() = default;

BOOL WinMfcView::OnEraseBkgnd(CDC* dc)
{
  RECT box;
  dc->GetClipBox(&box);
  aip::Color color;
  if (aip::Illustrator* app = aip::Illustrator::instance()) {
    aip::ThemeColor theme = app->themeColor(10, 10);
    color = aip::Color(theme.red, theme.green, theme.blue, theme.alpha);
  }
  CBrush brush(color.toInt());
  HGDIOBJ old = dc->SelectObject(brush.m_hObject);
  dc->PatBlt(box.left, box.top, box.right - box.left, box.bottom - box.top, PATCOPY);
  dc->SelectObject(old);
  return TRUE;
}

void WinMfcView::OnLButtonDown(UINT, CPoint)
{
  Default();
  if (windowLink && windowLink->kind() != -1)
    closeAllBorderlessPanels();
}

void WinMfcView::PostNcDestroy()
{
  delete this;
}

}  // namespace pui
}  // namespace qor
