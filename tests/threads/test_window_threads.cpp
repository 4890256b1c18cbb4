// Windows used from other threads: posts and sends reach the owning thread, timers stay with it.
#include "win/WinTest.h"
#include "win/Windows.h"

#include <atomic>
#include <gtest/gtest.h>
#include <thread>
#include <vector>

namespace test_window_threads {

std::vector<DWORD> handledOn; // touched only by the window's own thread

LRESULT CALLBACK threadRecordingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
  if (message >= WM_USER) {
    handledOn.push_back(GetCurrentThreadId());
    return static_cast<LRESULT>(wParam * 2);
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

class WindowThreads : public ::testing::Test
{
protected:
  HWND window = nullptr;
  void SetUp() override
  {
    handledOn.clear();
    WNDCLASSEXW cls{};
    cls.cbSize = sizeof cls;
    cls.lpfnWndProc = threadRecordingProc;
    cls.lpszClassName = u"ThreadRecording";
    ASSERT_NE(RegisterClassExW(&cls), 0);
    window =
        CreateWindowExW(0, u"ThreadRecording", u"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    ASSERT_NE(window, nullptr);
  }
  void TearDown() override { qorwin::resetState(); }
};

TEST_F(WindowThreads, PostsFromWorkersRunOnTheOwningThread)
{
  const DWORD ui = GetCurrentThreadId();
  std::vector<std::thread> workers;
  for (int i = 0; i < 4; ++i)
    workers.emplace_back([this, i] {
      for (int j = 0; j < 25; ++j)
        PostMessageW(window, WM_USER, static_cast<WPARAM>(i * 100 + j), 0);
    });
  EXPECT_TRUE(qorwin::pumpUntil([] { return handledOn.size() == 100; }));
  for (auto& t : workers)
    t.join();
  for (DWORD id : handledOn)
    EXPECT_EQ(id, ui);
}

TEST_F(WindowThreads, SendFromAWorkerWaitsForTheOwnerAndGetsTheResult)
{
  std::atomic<LRESULT> result{0};
  std::atomic<bool> finished{false};
  std::thread worker([&] {
    result = SendMessageW(window, WM_USER, 21, 0);
    finished = true;
  });
  EXPECT_TRUE(qorwin::pumpUntil([&] { return finished.load(); }));
  worker.join();
  EXPECT_EQ(result.load(), 42);
  ASSERT_EQ(handledOn.size(), 1u);
  EXPECT_EQ(handledOn[0], GetCurrentThreadId());
}

TEST_F(WindowThreads, OnlyTheOwningThreadSetsTheWindowsTimers)
{
  UINT_PTR fromWorker = 1;
  DWORD error = 0;
  std::thread worker([&] {
    fromWorker = SetTimer(window, 9, 10, nullptr);
    error = GetLastError();
  });
  worker.join();
  EXPECT_EQ(fromWorker, 0u);
  EXPECT_EQ(error, static_cast<DWORD>(ERROR_ACCESS_DENIED));
  EXPECT_EQ(SetTimer(window, 9, 10, nullptr), 9u);
}

} // namespace test_window_threads
