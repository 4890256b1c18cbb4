// The common controls of the Windows layer: custom-draw notifications and the trackbar class
// ("msctls_trackbar32").
#pragma once

#include "win/Windows.h"

// Custom drawing: a control asks its parent with NM_CUSTOMDRAW at each stage of its painting, and the
// answer decides what it draws itself and which further stages it reports.
#define NM_FIRST 0u
#define NM_CUSTOMDRAW (NM_FIRST - 12)

#define CDDS_PREPAINT 0x00000001
#define CDDS_POSTPAINT 0x00000002
#define CDDS_PREERASE 0x00000003
#define CDDS_POSTERASE 0x00000004
#define CDDS_ITEM 0x00010000
#define CDDS_ITEMPREPAINT (CDDS_ITEM | CDDS_PREPAINT)
#define CDDS_ITEMPOSTPAINT (CDDS_ITEM | CDDS_POSTPAINT)
#define CDDS_ITEMPREERASE (CDDS_ITEM | CDDS_PREERASE)
#define CDDS_ITEMPOSTERASE (CDDS_ITEM | CDDS_POSTERASE)

#define CDRF_DODEFAULT 0x00000000
#define CDRF_NEWFONT 0x00000002
#define CDRF_SKIPDEFAULT 0x00000004
#define CDRF_NOTIFYPOSTPAINT 0x00000010
#define CDRF_NOTIFYITEMDRAW 0x00000020
#define CDRF_NOTIFYPOSTERASE 0x00000040

#define CDIS_SELECTED 0x0001
#define CDIS_DISABLED 0x0004
#define CDIS_FOCUS 0x0010

struct NMCUSTOMDRAW
{
  NMHDR hdr;
  DWORD dwDrawStage;
  HDC hdc;
  RECT rc;
  DWORD_PTR dwItemSpec;
  UINT uItemState;
  LPARAM lItemlParam;
};
typedef NMCUSTOMDRAW* LPNMCUSTOMDRAW;

// Keys the trackbar moves by.
#ifndef VK_PRIOR
#define VK_PRIOR 0x21
#endif
#ifndef VK_NEXT
#define VK_NEXT 0x22
#endif
#ifndef VK_END
#define VK_END 0x23
#endif
#ifndef VK_HOME
#define VK_HOME 0x24
#endif

// Trackbars. A horizontal trackbar lays its positions along the client width: the thumb's centre goes
// from (thumb width / 2 + 3) at the minimum to the same distance from the right edge at the maximum,
// the thumb being half as wide as its length (TBM_SETTHUMBLENGTH; 20 pixels unless set). A press on
// the thumb drags it; a press beside it moves a page (a fifth of the range) towards the pointer. Every
// move sends WM_HSCROLL (WM_VSCROLL for TBS_VERT) to the parent with the code in the low word and,
// for TB_THUMBTRACK and TB_THUMBPOSITION, the position in the high word; each gesture ends with
// TB_ENDTRACK. The arrow keys move a line (1), Page Up and Down a page, Home and End to the ends.
#define TRACKBAR_CLASSW u"msctls_trackbar32"

#define TBS_AUTOTICKS 0x0001
#define TBS_VERT 0x0002
#define TBS_HORZ 0x0000
#define TBS_NOTICKS 0x0010
#define TBS_FIXEDLENGTH 0x0040
#define TBS_TRANSPARENTBKGND 0x1000

#define TBM_GETPOS (WM_USER)
#define TBM_GETRANGEMIN (WM_USER + 1)
#define TBM_GETRANGEMAX (WM_USER + 2)
#define TBM_SETPOS (WM_USER + 5)
#define TBM_SETRANGE (WM_USER + 6)
#define TBM_SETRANGEMIN (WM_USER + 7)
#define TBM_SETRANGEMAX (WM_USER + 8)
#define TBM_SETPAGESIZE (WM_USER + 21)
#define TBM_GETPAGESIZE (WM_USER + 22)
#define TBM_SETLINESIZE (WM_USER + 23)
#define TBM_GETLINESIZE (WM_USER + 24)
#define TBM_GETTHUMBRECT (WM_USER + 25)
#define TBM_GETCHANNELRECT (WM_USER + 26)
#define TBM_SETTHUMBLENGTH (WM_USER + 27)
#define TBM_GETTHUMBLENGTH (WM_USER + 28)

#define TB_LINEUP 0
#define TB_LINEDOWN 1
#define TB_PAGEUP 2
#define TB_PAGEDOWN 3
#define TB_THUMBPOSITION 4
#define TB_THUMBTRACK 5
#define TB_TOP 6
#define TB_BOTTOM 7
#define TB_ENDTRACK 8

// Custom-draw item specs of a trackbar.
#define TBCD_TICS 0x0001
#define TBCD_THUMB 0x0002
#define TBCD_CHANNEL 0x0003

// Registers the classes of the common controls named by the flags (ICC_BAR_CLASSES: the trackbar).
// Controls made through MFC register their class themselves.
#define ICC_BAR_CLASSES 0x00000004
struct INITCOMMONCONTROLSEX
{
  DWORD dwSize;
  DWORD dwICC;
};
BOOL InitCommonControlsEx(const INITCOMMONCONTROLSEX* controls);
