// Dialogs of the Windows layer: modal loops answered by the test hook, the rule that ends an
// unanswered loop, nesting, dialog keys and WM_GETDLGCODE, owner-drawn buttons, and the GDI records
// with the fixed text metric.
#include "win/Afx.h"
#include "win/WinTest.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace test_dialogs {

// A dialog from the built-in template with an OK and a Cancel push button and a text-like control
// that wants every key.
class TestDialog : public CDialog
{
public:
  TestDialog() : CDialog(20) {}
  CButton ok, cancel;
  CWnd* greedy = nullptr;
  BOOL OnInitDialog() override
  {
    ok.Create(u"OK", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, RECT{10, 10, 60, 30}, this, IDOK);
    cancel.Create(u"Cancel", WS_CHILD | WS_VISIBLE | WS_TABSTOP, RECT{70, 10, 120, 30}, this, IDCANCEL);
    return TRUE;
  }
};

std::vector<UINT> greedyKeys;
LRESULT CALLBACK greedyProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
  if (message == WM_GETDLGCODE)
    return DLGC_WANTALLKEYS | DLGC_WANTCHARS;
  if (message == WM_KEYDOWN)
    greedyKeys.push_back(static_cast<UINT>(wParam));
  return DefWindowProcW(window, message, wParam, lParam);
}

class Dialogs : public ::testing::Test
{
protected:
  void TearDown() override { qorwin::resetState(); }
};

TEST_F(Dialogs, TheHookAnswersTheLoopWithKeysOrAClick)
{
  struct Case
  {
    const char* what;
    std::function<void(HWND dialog, TestDialog& d)> answer;
    INT_PTR result;
  } cases[] = {
      {"Enter presses the default button", [](HWND, TestDialog&) { qorwin::postKey(VK_RETURN); }, IDOK},
      {"Esc cancels", [](HWND, TestDialog&) { qorwin::postKey(VK_ESCAPE); }, IDCANCEL},
      {"a click on Cancel", [](HWND, TestDialog& d) { qorwin::click(d.cancel.m_hWnd, 5, 5); }, IDCANCEL},
      {"a click on OK", [](HWND, TestDialog& d) { SendMessageW(d.ok.m_hWnd, BM_CLICK, 0, 0); }, IDOK},
      {"closing the window", [](HWND dialog, TestDialog&) { PostMessageW(dialog, WM_CLOSE, 0, 0); }, IDCANCEL},
  };
  for (const Case& c : cases) {
    TestDialog dialog;
    ASSERT_TRUE(dialog.Create(20));
    HWND seen = nullptr;
    bool visibleInHook = false;
    qorwin::setModalHook([&](HWND window) {
      seen = window;
      visibleInHook = IsWindowVisible(window);
      c.answer(window, dialog);
    });
    HWND handle = dialog.m_hWnd;
    EXPECT_EQ(dialog.DoModal(), c.result) << c.what;
    EXPECT_EQ(seen, handle) << c.what;
    EXPECT_TRUE(visibleInHook) << c.what;
    EXPECT_FALSE(IsWindow(handle)) << c.what;
    EXPECT_EQ(qorwin::debugOutput().find("nothing left to do"), std::string::npos) << c.what;
  }
}

TEST_F(Dialogs, AnUnansweredLoopEndsWithCancelAndSaysSo)
{
  TestDialog dialog;
  EXPECT_EQ(dialog.DoModal(), IDCANCEL);
  EXPECT_NE(qorwin::debugOutput().find("Modal loop of \"Dialog\" has nothing left to do: ended with IDCANCEL"),
            std::string::npos);
  EXPECT_EQ(qorwin::modalDepth(), 0);
}

TEST_F(Dialogs, AnIdleLoopMovesTheClockToTheNextTimerFirst)
{
  // A timer that answers after five seconds of the clock ends the dialog with OK.
  TestDialog dialog;
  ASSERT_TRUE(dialog.Create(20));
  SetTimer(dialog.m_hWnd, 7, 5000, [](HWND window, UINT, UINT_PTR id, DWORD) {
    KillTimer(window, id);
    PostMessageW(window, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
  });
  ULONGLONG start = qorwin::now();
  EXPECT_EQ(dialog.DoModal(), IDOK);
  EXPECT_GE(qorwin::now() - start, 5000u);

  // A timer that never answers does not keep the loop alive beyond a minute of the clock.
  TestDialog idle;
  ASSERT_TRUE(idle.Create(20));
  SetTimer(idle.m_hWnd, 8, 1000, nullptr);
  start = qorwin::now();
  EXPECT_EQ(idle.DoModal(), IDCANCEL);
  EXPECT_LE(qorwin::now() - start, 61000u);
}

TEST_F(Dialogs, NestedLoopsEachGetTheHookAndDisableTheirOwner)
{
  TestDialog outer;
  ASSERT_TRUE(outer.Create(20));
  std::vector<int> depths;
  INT_PTR innerResult = 0;
  bool outerEnabledDuringInner = true;
  qorwin::setModalHook([&](HWND window) {
    depths.push_back(qorwin::modalDepth());
    if (window == outer.m_hWnd) {
      TestDialog inner;
      inner.m_pParentWnd = &outer;
      innerResult = inner.DoModal();
      qorwin::postKey(VK_RETURN);
    } else {
      outerEnabledDuringInner = IsWindowEnabled(outer.m_hWnd) != FALSE;
      qorwin::postKey(VK_ESCAPE);
    }
  });
  EXPECT_EQ(outer.DoModal(), IDOK);
  EXPECT_EQ(innerResult, IDCANCEL);
  EXPECT_EQ(depths, (std::vector<int>{1, 2}));
  EXPECT_FALSE(outerEnabledDuringInner);
}

TEST_F(Dialogs, AControlThatWantsAllKeysKeepsEnterAndEsc)
{
  WNDCLASSEXW cls{};
  cls.cbSize = sizeof cls;
  cls.lpfnWndProc = &greedyProc;
  cls.lpszClassName = u"TestGreedy";
  RegisterClassExW(&cls);
  greedyKeys.clear();
  TestDialog dialog;
  ASSERT_TRUE(dialog.Create(20));
  HWND greedy = CreateWindowExW(0, u"TestGreedy", u"", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 0, 40, 50, 20,
                                dialog.m_hWnd, nullptr, nullptr, nullptr);
  qorwin::setModalHook([&](HWND) {
    SetFocus(greedy);
    qorwin::postKey(VK_RETURN);
    qorwin::postKey(VK_ESCAPE);
  });
  // Neither key ended the dialog: the idle rule did.
  EXPECT_EQ(dialog.DoModal(), IDCANCEL);
  EXPECT_EQ(greedyKeys, (std::vector<UINT>{VK_RETURN, VK_ESCAPE}));
  EXPECT_NE(qorwin::debugOutput().find("nothing left to do"), std::string::npos);
}

TEST_F(Dialogs, TabWalksTheEnabledTabStopsAndWraps)
{
  TestDialog dialog;
  ASSERT_TRUE(dialog.Create(20));
  CButton third;
  third.Create(u"Third", WS_CHILD | WS_VISIBLE | WS_TABSTOP, RECT{130, 10, 180, 30}, &dialog, 3);
  CButton disabled;
  disabled.Create(u"Off", WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_DISABLED, RECT{190, 10, 240, 30}, &dialog, 4);
  std::vector<HWND> focus;
  const std::vector<HWND> expected{dialog.cancel.m_hWnd, third.m_hWnd, dialog.ok.m_hWnd, third.m_hWnd};
  qorwin::setModalHook([&](HWND) {
    SetFocus(dialog.ok.m_hWnd);
    for (int i = 0; i < 3; ++i) {
      qorwin::postKey(VK_TAB);
      qorwin::pump();
      focus.push_back(GetFocus());
    }
    qorwin::setKeyDown(VK_SHIFT, true);
    qorwin::postKey(VK_TAB);
    qorwin::pump();
    focus.push_back(GetFocus());
    qorwin::setKeyDown(VK_SHIFT, false);
    qorwin::postKey(VK_ESCAPE);
  });
  dialog.DoModal();
  EXPECT_EQ(focus, expected);
}

// Owner-drawn buttons.

class DrawItemParent : public CWnd
{
  DECLARE_MESSAGE_MAP()
public:
  std::vector<DRAWITEMSTRUCT> items;
  std::vector<WPARAM> commands;
  afx_msg void OnDrawItem(int, LPDRAWITEMSTRUCT item) { items.push_back(*item); }
  BOOL OnCommand(WPARAM wParam, LPARAM) override
  {
    commands.push_back(wParam);
    return TRUE;
  }
};

BEGIN_MESSAGE_MAP(DrawItemParent, CWnd)
ON_WM_DRAWITEM()
END_MESSAGE_MAP()

TEST_F(Dialogs, AnOwnerDrawnButtonAsksItsParentToDrawAndClicksOnReleaseInside)
{
  DrawItemParent parent;
  ASSERT_TRUE(parent.CreateEx(0, nullptr, u"parent", WS_VISIBLE, 0, 0, 300, 200, nullptr, nullptr));
  CButton button;
  ASSERT_TRUE(button.Create(u"Go", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, RECT{10, 20, 90, 41}, &parent, 6));

  qorwin::paint(parent.m_hWnd);
  ASSERT_EQ(parent.items.size(), 1u);
  const DRAWITEMSTRUCT& first = parent.items[0];
  EXPECT_EQ(first.CtlType, static_cast<UINT>(ODT_BUTTON));
  EXPECT_EQ(first.CtlID, 6u);
  EXPECT_EQ(first.itemAction, static_cast<UINT>(ODA_DRAWENTIRE));
  EXPECT_EQ(first.itemState, 0u);
  EXPECT_EQ(first.rcItem.right, 80);
  EXPECT_EQ(first.rcItem.bottom, 21);

  // A press takes focus and capture; moving off and releasing outside clicks nothing.
  qorwin::mouseDown(button.m_hWnd, 5, 5);
  EXPECT_EQ(GetFocus(), button.m_hWnd);
  EXPECT_EQ(GetCapture(), button.m_hWnd);
  qorwin::mouseUp(button.m_hWnd, 200, 5);
  EXPECT_EQ(GetCapture(), nullptr);
  EXPECT_TRUE(parent.commands.empty());
  qorwin::click(button.m_hWnd, 5, 5);
  EXPECT_EQ(parent.commands, (std::vector<WPARAM>{MAKEWPARAM(6, BN_CLICKED)}));

  EnableWindow(button.m_hWnd, FALSE);
  qorwin::paint(parent.m_hWnd);
  EXPECT_EQ(parent.items.back().itemState, static_cast<UINT>(ODS_DISABLED));
}

// GDI: the fixed text metric and the drawing records.

TEST_F(Dialogs, TextIsMeasuredWithTheFixedMetric)
{
  // Tahoma 9 points at 96 dpi: 6-pixel characters on 14-pixel lines.
  HDC dc = GetDC(nullptr);
  HFONT font = CreateFontW(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, u"Tahoma");
  HGDIOBJ old = SelectObject(dc, font);
  struct Case
  {
    const char16_t* text;
    LONG width;
    UINT format;
    LONG right, bottom;
  } cases[] = {
      {u"Hello world", 1000, DT_SINGLELINE, 66, 14},
      {u"Hello world", 40, DT_WORDBREAK, 30, 28},
      {u"Hello world", 66, DT_WORDBREAK, 66, 14},
      {u"a b c d e f", 24, DT_WORDBREAK, 18, 42},
      {u"Incomprehensibilities here", 30, DT_WORDBREAK, 126, 28}, // a long word keeps its own line
      {u"&File", 100, DT_SINGLELINE, 24, 14},
      {u"&File", 100, DT_SINGLELINE | DT_NOPREFIX, 30, 14},
      {u"a&&b", 100, DT_SINGLELINE, 18, 14},
      {u"one\r\ntwo", 100, 0, 18, 28},
      {u"one\r\ntwo", 100, DT_SINGLELINE, 36, 14},
      {u"", 100, DT_WORDBREAK, 0, 0},
  };
  for (const Case& c : cases) {
    RECT r{0, 0, c.width, 7};
    int height = DrawTextW(dc, c.text, -1, &r, c.format | DT_CALCRECT);
    EXPECT_EQ(r.right, c.right) << std::string(c.text, c.text + std::char_traits<char16_t>::length(c.text));
    EXPECT_EQ(r.bottom, c.bottom) << std::string(c.text, c.text + std::char_traits<char16_t>::length(c.text));
    EXPECT_EQ(height, c.bottom);
  }
  SelectObject(dc, old);
  DeleteObject(font);
  ReleaseDC(nullptr, dc);
}

TEST_F(Dialogs, DrawingIsRecordedWithItsColoursAndTheDisplayDpiIsSettable)
{
  HWND window = CreateWindowExW(0, u"Static", u"", WS_VISIBLE, 0, 0, 100, 50, nullptr, nullptr, nullptr, nullptr);
  HDC dc = GetDC(window);
  EXPECT_EQ(GetDeviceCaps(dc, LOGPIXELSY), 96);
  qorwin::setDisplayDpi(144);
  EXPECT_EQ(GetDeviceCaps(dc, LOGPIXELSY), 144);
  RECT clip;
  EXPECT_EQ(GetClipBox(dc, &clip), SIMPLEREGION);
  EXPECT_EQ(clip.right, 100);
  HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
  RECT box{1, 2, 30, 40};
  FillRect(dc, &box, red);
  FrameRect(dc, &box, static_cast<HBRUSH>(GetStockObject(NULL_BRUSH)));
  SetTextColor(dc, RGB(1, 2, 3));
  SetBkMode(dc, TRANSPARENT);
  RECT text{0, 0, 100, 50};
  DrawTextW(dc, u"Hi", -1, &text, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  ReleaseDC(window, dc);
  DeleteObject(red);

  std::vector<qorwin::DrawRecord> records = qorwin::drawRecords(window);
  ASSERT_EQ(records.size(), 2u); // a null brush draws nothing
  EXPECT_EQ(records[0].op, qorwin::DrawRecord::FillRect);
  EXPECT_EQ(records[0].color, RGB(255, 0, 0));
  EXPECT_EQ(records[0].rect.bottom, 40);
  EXPECT_EQ(records[1].op, qorwin::DrawRecord::Text);
  EXPECT_EQ(records[1].text, u"Hi");
  EXPECT_EQ(records[1].color, RGB(1, 2, 3));
  EXPECT_EQ(records[1].backgroundMode, TRANSPARENT);
  // The system font is 16 pixels high: 8-pixel characters on 19-pixel lines, centred.
  EXPECT_EQ(records[1].rect.left, 42);
  EXPECT_EQ(records[1].rect.top, 15);
}

} // namespace test_dialogs
