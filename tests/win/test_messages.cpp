// Messages, registered messages and timers on the layer's clock.
#include "win/WinTest.h"
#include "win/Windows.h"

#include <gtest/gtest.h>
#include <vector>

namespace test_messages {

struct Seen
{
  HWND window;
  UINT message;
  WPARAM wParam;
  DWORD time;
};
std::vector<Seen> seen;

LRESULT CALLBACK recordingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
  if (message >= WM_USER || message == WM_TIMER)
    seen.push_back({window, message, wParam, GetTickCount()});
  return DefWindowProcW(window, message, wParam, lParam);
}

void CALLBACK timerProc(HWND window, UINT message, UINT_PTR id, DWORD time)
{
  seen.push_back({window, message, id, time});
}

// Registered at load, before main: the registry must already work then.
const UINT registeredAtLoad = RegisterWindowMessageW(u"QorPluginComboSelEndOK");

class Messages : public ::testing::Test
{
protected:
  HWND window = nullptr;
  void SetUp() override
  {
    seen.clear();
    WNDCLASSEXW cls{};
    cls.cbSize = sizeof cls;
    cls.lpfnWndProc = recordingProc;
    cls.lpszClassName = u"Recording";
    ASSERT_NE(RegisterClassExW(&cls), 0);
    window = CreateWindowExW(0, u"Recording", u"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    ASSERT_NE(window, nullptr);
  }
  void TearDown() override { qorwin::resetState(); }
};

TEST_F(Messages, PostedMessagesRunInOrderWhenPumpedAndSentOnesAtOnce)
{
  PostMessageW(window, WM_USER + 1, 1, 0);
  PostMessageW(window, WM_USER + 2, 2, 0);
  SendMessageW(window, WM_USER + 3, 3, 0);
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].message, static_cast<UINT>(WM_USER + 3));
  EXPECT_EQ(qorwin::pump(), 2);
  ASSERT_EQ(seen.size(), 3u);
  EXPECT_EQ(seen[1].message, static_cast<UINT>(WM_USER + 1));
  EXPECT_EQ(seen[2].message, static_cast<UINT>(WM_USER + 2));
  EXPECT_EQ(qorwin::pump(), 0);
}

TEST_F(Messages, PeekFiltersByWindowAndRange)
{
  HWND other = CreateWindowExW(0, u"Recording", u"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
  PostMessageW(other, WM_USER + 1, 0, 0);
  PostMessageW(window, WM_USER + 5, 0, 0);
  PostThreadMessageW(GetCurrentThreadId(), WM_APP, 0, 0);
  MSG msg;
  ASSERT_TRUE(PeekMessageW(&msg, window, 0, 0, PM_NOREMOVE));
  EXPECT_EQ(msg.message, static_cast<UINT>(WM_USER + 5));
  ASSERT_TRUE(PeekMessageW(&msg, nullptr, WM_APP, WM_APP, PM_REMOVE));
  EXPECT_EQ(msg.hwnd, nullptr);
  EXPECT_FALSE(PeekMessageW(&msg, nullptr, WM_APP, WM_APP, PM_REMOVE));
  ASSERT_TRUE(PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(msg.hwnd, other);
  // A message posted to a window that is gone is not delivered.
  DestroyWindow(window);
  EXPECT_EQ(DispatchMessageW(&msg), 0);
  ASSERT_TRUE(PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(DispatchMessageW(&msg), 0);
  EXPECT_TRUE(seen.size() == 1u && seen[0].window == other);
}

TEST_F(Messages, QuitEndsTheMessageLoop)
{
  PostMessageW(window, WM_USER, 0, 0);
  PostQuitMessage(3);
  MSG msg;
  int loops = 0;
  while (GetMessageW(&msg, nullptr, 0, 0)) {
    DispatchMessageW(&msg);
    ++loops;
  }
  EXPECT_EQ(loops, 1);
  EXPECT_EQ(msg.message, static_cast<UINT>(WM_QUIT));
  EXPECT_EQ(msg.wParam, 3u);
}

TEST_F(Messages, RegisteredMessagesAreStableIdsAboveTheSystemRange)
{
  EXPECT_GE(registeredAtLoad, 0xC000u);
  EXPECT_EQ(RegisterWindowMessageW(u"QorPluginComboSelEndOK"), registeredAtLoad);
  EXPECT_EQ(RegisterWindowMessageA("qorplugincomboselendok"), registeredAtLoad);
  UINT other = RegisterWindowMessageW(u"Another");
  EXPECT_NE(other, registeredAtLoad);
  EXPECT_GE(other, 0xC000u);
  EXPECT_EQ(RegisterWindowMessageW(u""), 0u);
  EXPECT_EQ(RegisterWindowMessageW(nullptr), 0u);
  qorwin::resetState();
  EXPECT_EQ(RegisterWindowMessageW(u"Another"), other);
}

TEST_F(Messages, TimersFireOnlyWhenTheClockReachesThem)
{
  ASSERT_EQ(SetTimer(window, 7, 30, nullptr), 7u);
  EXPECT_EQ(qorwin::pump(), 0);
  qorwin::advanceClock(29);
  EXPECT_EQ(qorwin::pump(), 0);
  qorwin::advanceClock(1);
  EXPECT_EQ(qorwin::pump(), 1);
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].message, static_cast<UINT>(WM_TIMER));
  EXPECT_EQ(seen[0].wParam, 7u);
  EXPECT_EQ(seen[0].time, 30u);
  // A periodic timer fires once per interval as the clock steps through it.
  seen.clear();
  qorwin::advance(100);
  ASSERT_EQ(seen.size(), 3u);
  EXPECT_EQ(seen[0].time, 60u);
  EXPECT_EQ(seen[2].time, 120u);
  EXPECT_EQ(qorwin::now(), 130u);
  EXPECT_TRUE(KillTimer(window, 7));
  EXPECT_FALSE(KillTimer(window, 7));
  qorwin::advance(1000);
  EXPECT_EQ(seen.size(), 3u);
}

TEST_F(Messages, TimersWithProceduresAndResetting)
{
  // Below the system minimum an interval becomes 10 ms; the interval asked for is kept.
  ASSERT_EQ(SetTimer(window, 1, 1, timerProc), 1u);
  UINT elapse = 0;
  ASSERT_TRUE(qorwin::timerInfo(window, 1, &elapse, nullptr));
  EXPECT_EQ(elapse, 1u);
  qorwin::advance(9);
  EXPECT_TRUE(seen.empty());
  qorwin::advance(1);
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].message, static_cast<UINT>(WM_TIMER));
  // Setting the same id again restarts it with the new interval.
  ASSERT_EQ(SetTimer(window, 1, 50, timerProc), 1u);
  qorwin::advance(49);
  EXPECT_EQ(seen.size(), 1u);
  qorwin::advance(1);
  EXPECT_EQ(seen.size(), 2u);
  // Thread timers get fresh ids and run their procedure with no window.
  UINT_PTR a = SetTimer(nullptr, 0, 20, timerProc);
  UINT_PTR b = SetTimer(nullptr, 0, 20, timerProc);
  EXPECT_NE(a, 0u);
  EXPECT_NE(a, b);
  KillTimer(window, 1);
  seen.clear();
  qorwin::advance(20);
  ASSERT_EQ(seen.size(), 2u);
  EXPECT_EQ(seen[0].window, nullptr);
  EXPECT_EQ(seen[0].wParam, a);
  EXPECT_EQ(seen[1].wParam, b);
  EXPECT_EQ(SetTimer(reinterpret_cast<HWND>(0x1234), 1, 10, nullptr), 0u);
}

TEST_F(Messages, ATimerKilledBeforeDispatchDoesNotRun)
{
  SetTimer(window, 2, 10, timerProc);
  qorwin::advanceClock(10);
  MSG msg;
  ASSERT_TRUE(PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE));
  KillTimer(window, 2);
  DispatchMessageW(&msg);
  EXPECT_TRUE(seen.empty());
}

TEST(DebugOutput, WritesReachTheSinkUntilCleared)
{
  OutputDebugStringA("General plugin error: 1398097477\n");
  OutputDebugStringW(u"\u00e9\n");
  OutputDebugStringA(nullptr);
  EXPECT_EQ(qorwin::debugOutput(), "General plugin error: 1398097477\n\xc3\xa9\n");
  qorwin::clearDebugOutput();
  EXPECT_EQ(qorwin::debugOutput(), "");
}

} // namespace test_messages
