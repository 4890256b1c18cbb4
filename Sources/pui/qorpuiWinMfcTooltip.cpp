#include "pui/qorpuiWinMfcTooltip.h"

#include "aip/qoraipHostStrings.h"
#include "pui/qorpuiWidget.h"

namespace qor {
namespace pui {

BEGIN_MESSAGE_MAP(WinMfcTooltip, CDialog)
ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

WinMfcTooltip::WinMfcTooltip(CWnd* parent) : CDialog(20, parent) {}

WinMfcTooltip::~WinMfcTooltip() = default;

BOOL WinMfcTooltip::OnEraseBkgnd(CDC* dc)
{
  // Grey 0.25 of each channel, truncated to 63.
  const COLORREF grey = RGB(63, 63, 63);
  RECT box;
  dc->GetClipBox(&box);
  CBrush background(RGB(241, 242, 248));
  CBrush frame(grey);
  dc->FillRect(&box, background);
  dc->FrameRect(&box, frame);
  if (!widget_)
    return TRUE;
  CFont font;
  font.CreateFont(-::MulDiv(8, Widget::fontDpi(dc->m_hDC), 72), 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0,
                  0, 0, u"Tahoma");
  int oldMode = dc->SetBkMode(TRANSPARENT);
  HGDIOBJ oldFont = dc->SelectObject(font.m_hObject);
  COLORREF oldColor = dc->SetTextColor(grey);
  RECT text{box.left + 6, box.top + 4, box.right - 6, box.bottom - 4};
  std::u16string tip = aip::utf8ToWStringViaHost(widget_->tooltip());
  ::DrawTextExW(dc->m_hDC, &tip[0], -1, &text, DT_CALCRECT | DT_NOPREFIX | DT_WORDBREAK, nullptr);
  ::DrawTextExW(dc->m_hDC, &tip[0], -1, &text, DT_NOPREFIX | DT_WORDBREAK, nullptr);
  dc->SetTextColor(oldColor);
  dc->SelectObject(oldFont);
  dc->SetBkMode(oldMode);
  return TRUE;
}

}  // namespace pui
}  // namespace qor
