// The UI-thread callback scheduler: delays, ids, cancelling, and callbacks handed over by worker threads.
#include "aip/qoraipScheduledCallbackHelper.h"
#include "plat/qorplatCallbackScheduler.h"
#include "win/WinTest.h"

#include <atomic>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <set>
#include <thread>
#include <vector>

namespace test_scheduler {

using qor::plat::cancelScheduledCallback;
using qor::plat::scheduleMainThreadCallback;

std::atomic<int> alive{0};

// Counts its runs, the threads it ran on, and its own lifetime.
class Probe : public qor::utils::Callback
{
public:
  explicit Probe(std::vector<DWORD>* runs) : runs(runs) { ++alive; }
  ~Probe() override { --alive; }
  void execute() override { runs->push_back(GetCurrentThreadId()); }
  Callback* clone() const override { return new Probe(runs); }

private:
  std::vector<DWORD>* runs;
};

class Scheduler : public ::testing::Test
{
protected:
  std::vector<DWORD> runs;
  void SetUp() override
  {
    alive = 0;
    qor::plat::createCallbackWindow();
    ASSERT_NE(qor::plat::callbackWindow(), nullptr);
  }
  UINT elapseOf(unsigned int id)
  {
    UINT elapse = 0;
    EXPECT_TRUE(qorwin::timerInfo(qor::plat::callbackWindow(), id, &elapse, nullptr));
    return elapse;
  }
};

TEST_F(Scheduler, TheWindowIsAHiddenMessageOnlyWindowNamedByADigest)
{
  HWND window = qor::plat::callbackWindow();
  qor::plat::createCallbackWindow();
  EXPECT_EQ(qor::plat::callbackWindow(), window);
  WCHAR name[64];
  ASSERT_EQ(GetClassNameW(window, name, 64), 40);
  for (int i = 0; i < 40; ++i)
    EXPECT_TRUE((name[i] >= u'0' && name[i] <= u'9') || (name[i] >= u'a' && name[i] <= u'f'));
  EXPECT_EQ(FindWindowExW(HWND_MESSAGE, nullptr, name, nullptr), window);
  EXPECT_FALSE(IsWindowVisible(window));
  uint32_t ui = 0;
  ASSERT_TRUE(qor::plat::findMainThreadId(ui));
  EXPECT_EQ(ui, GetCurrentThreadId());
}

TEST_F(Scheduler, DelaysBecomeWholeMillisecondsAndIdsCount)
{
  struct
  {
    double delay;
    UINT ms;
  } cases[] = {{0, 1},
               {5e-7, 1},
               {-5e-7, 1},
               {-2.5, 2500},
               {0.0015, 1},
               {0.25, 250},
               {std::numeric_limits<double>::quiet_NaN(), 1}};
  unsigned int expectedId = 1;
  for (auto& c : cases) {
    SCOPED_TRACE(c.delay);
    unsigned int id = scheduleMainThreadCallback(new Probe(&runs), c.delay);
    EXPECT_EQ(id, expectedId++);
    EXPECT_EQ(elapseOf(id), c.ms);
    EXPECT_TRUE(cancelScheduledCallback(id));
  }
  EXPECT_EQ(scheduleMainThreadCallback(nullptr, 1), 0u);
  EXPECT_EQ(qor::aip::scheduleCallback(nullptr, 1), 0u);
}

TEST_F(Scheduler, ACallbackRunsOnceWhenItsTimeComesAndIsDeleted)
{
  unsigned int id = scheduleMainThreadCallback(new Probe(&runs), 0.5);
  qorwin::advance(499);
  EXPECT_TRUE(runs.empty());
  qorwin::advance(1);
  EXPECT_EQ(runs.size(), 1u);
  EXPECT_EQ(alive, 0);
  qorwin::advance(5000);
  EXPECT_EQ(runs.size(), 1u);
  EXPECT_FALSE(qorwin::timerInfo(qor::plat::callbackWindow(), id, nullptr, nullptr));
  EXPECT_FALSE(cancelScheduledCallback(id)); // already ran
}

TEST_F(Scheduler, ACancelledCallbackNeverRuns)
{
  unsigned int id = scheduleMainThreadCallback(new Probe(&runs), 0.1);
  EXPECT_TRUE(cancelScheduledCallback(id));
  EXPECT_EQ(alive, 0);
  EXPECT_TRUE(cancelScheduledCallback(id)); // the entry stays until the timer fires
  qorwin::advance(100);
  EXPECT_TRUE(runs.empty());
  EXPECT_FALSE(cancelScheduledCallback(id));
  EXPECT_FALSE(cancelScheduledCallback(0));
  EXPECT_FALSE(cancelScheduledCallback(999));
}

// Schedules a probe from inside its own run.
class Rescheduler : public qor::utils::Callback
{
public:
  explicit Rescheduler(std::vector<DWORD>* runs, unsigned int* next) : runs(runs), next(next) {}
  void execute() override { *next = scheduleMainThreadCallback(new Probe(runs), 0.05); }
  Callback* clone() const override { return new Rescheduler(runs, next); }

private:
  std::vector<DWORD>* runs;
  unsigned int* next;
};

TEST_F(Scheduler, ACallbackMayScheduleAnother)
{
  unsigned int next = 0;
  unsigned int first = scheduleMainThreadCallback(new Rescheduler(&runs, &next), 0.01);
  qorwin::advance(10);
  EXPECT_EQ(next, first + 1);
  EXPECT_TRUE(runs.empty());
  qorwin::advance(50);
  EXPECT_EQ(runs.size(), 1u);
}

TEST_F(Scheduler, TheClientEntryRunsAndDeletesTheClientsCallback)
{
  unsigned int id = qor::aip::scheduleCallback(new Probe(&runs), 0);
  EXPECT_NE(id, 0u);
  qorwin::advance(10);
  EXPECT_EQ(runs.size(), 1u);
  EXPECT_EQ(alive, 0);
  // Cancelled, the wrapper takes the client's callback with it.
  id = qor::aip::scheduleCallback(new Probe(&runs), 0);
  EXPECT_TRUE(cancelScheduledCallback(id));
  EXPECT_EQ(alive, 0);
}

TEST_F(Scheduler, CallbacksFromWorkerThreadsRunOnTheUiThread)
{
  const DWORD ui = GetCurrentThreadId();
  std::vector<std::vector<DWORD>> perWorker(4);
  std::vector<unsigned int> ids[4];
  std::atomic<int> cancelled{0};
  std::vector<std::thread> workers;
  for (int w = 0; w < 4; ++w)
    workers.emplace_back([&, w] {
      uint32_t mainThread = 0;
      EXPECT_TRUE(qor::plat::findMainThreadId(mainThread));
      EXPECT_EQ(mainThread, ui);
      for (int i = 0; i < 10; ++i) {
        unsigned int id = scheduleMainThreadCallback(new Probe(&perWorker[w]), 0.02 * i);
        EXPECT_NE(id, 0u);
        ids[w].push_back(id);
      }
      // Cancelled before the UI thread has even set its timer.
      if (cancelScheduledCallback(scheduleMainThreadCallback(new Probe(&perWorker[w]), 0)))
        ++cancelled;
    });
  auto ran = [&] {
    size_t n = 0;
    for (auto& r : perWorker)
      n += r.size();
    return n;
  };
  EXPECT_TRUE(qorwin::pumpUntil([&] { return ran() == 40 && cancelled == 4; }, 60000))
      << ran() << " ran, " << cancelled << " cancelled";
  for (auto& t : workers)
    t.join();
  qorwin::advance(1000);
  EXPECT_EQ(ran(), 40u);
  for (auto& r : perWorker)
    for (DWORD thread : r)
      EXPECT_EQ(thread, ui);
  std::set<unsigned int> unique;
  for (auto& list : ids)
    unique.insert(list.begin(), list.end());
  EXPECT_EQ(unique.size(), 40u);
  EXPECT_EQ(alive, 0);
}

TEST(SchedulerWithoutWindow, SchedulingFailsAndDeletesTheCallback)
{
  std::vector<DWORD> runs;
  alive = 0;
  EXPECT_EQ(scheduleMainThreadCallback(new Probe(&runs), 0), 0u);
  EXPECT_EQ(alive, 0);
  uint32_t id = 0;
  EXPECT_TRUE(qor::plat::findMainThreadId(id)); // the process's first thread
  EXPECT_EQ(id, static_cast<uint32_t>(GetCurrentProcessId()));
}

TEST(SystemQuestions, DigestsVersionAndModifierKeys)
{
  EXPECT_EQ(qor::plat::sha1Hex(""), "da39a3ee5e6b4b0d3255bfef95601890afd80709");
  EXPECT_EQ(qor::plat::sha1Hex("abc"), "a9993e364706816aba3e25717850c26c9cd0d89d");
  EXPECT_EQ(qor::plat::sha1Hex(std::string("a\0b", 3)), "4a3dec2d1f8245280855c42db0ee4239f917fdb8");

  EXPECT_EQ(qor::plat::osVersionCode(), 100000u);
  qorwin::setSystemVersion(6, 1, 1);
  EXPECT_EQ(qor::plat::osVersionCode(), 60101u);
  qorwin::setSystemVersion(5, 0, 0);
  EXPECT_EQ(qor::plat::osVersionCode(), 50100u);

  EXPECT_EQ(qor::plat::modifierKeyMask(), 0u);
  qorwin::setKeyDown(VK_SHIFT, true);
  qorwin::setKeyDown(VK_CONTROL, true);
  EXPECT_EQ(qor::plat::modifierKeyMask(), 5u);
}

} // namespace test_scheduler
