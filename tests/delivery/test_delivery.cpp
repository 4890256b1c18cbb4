// Asynchronous results reach the running plug-in: callbacks scheduled on other threads run on the host's
// UI thread when the host pumps, inside the host's application context; and the module the host loaded
// has its own scheduler window, named for its load and owned by the module, whose requests from other
// threads are carried out on the UI thread; once the host unloads the module, nothing of the Windows
// layer points into it any more.
#include "aip/qoraipScheduledCallbackHelper.h"
#include "hostsimContext.h"
#include "hostsimPluginModule.h"
#include "lifecycle/lifecycleTestSupport.h"
#include "win/WinTest.h"
#include "win/Windows.h"

#include <atomic>
#include <gtest/gtest.h>
#include <link.h>
#include <memory>
#include <string>
#include <thread>
#include <vector>

namespace test_delivery {

// Records, on the thread it runs on, that thread and the host's application-context depth.
class Probe : public qor::utils::Callback
{
public:
  struct Run
  {
    DWORD thread;
    size_t contextDepth;
  };
  Probe(hostsim::HostApp& app, std::vector<Run>* runs) : app(app), runs(runs) {}
  void execute() override { runs->push_back({GetCurrentThreadId(), app.area<hostsim::Context>().depth()}); }
  Callback* clone() const override { return new Probe(app, runs); }

private:
  hostsim::HostApp& app;
  std::vector<Run>* runs;
};

class InProcess : public lifecycletest::StartedPlugin
{
};

TEST_F(InProcess, CallbacksScheduledByWorkersRunOnTheUiThreadInsideTheHostsContext)
{
  const DWORD ui = GetCurrentThreadId();
  const int pushesBefore = app.area<hostsim::Context>().pushes();
  std::vector<Probe::Run> runs;
  std::atomic<int> scheduled{0};
  std::vector<std::thread> workers;
  for (int w = 0; w < 3; ++w)
    workers.emplace_back([&, w] {
      for (int i = 0; i < 4; ++i)
        scheduled += qor::aip::scheduleCallback(new Probe(app, &runs), 0.01 * (w + i)) != 0;
    });
  for (auto& worker : workers)
    worker.join();
  EXPECT_EQ(scheduled, 12);
  // Nothing runs until the host pumps.
  EXPECT_TRUE(runs.empty());
  EXPECT_TRUE(qorwin::pumpUntil([&] { return runs.size() == 12; })) << runs.size() << " ran";
  for (const Probe::Run& run : runs) {
    EXPECT_EQ(run.thread, ui);
    EXPECT_EQ(run.contextDepth, 1u);
  }
  EXPECT_EQ(app.area<hostsim::Context>().pushes() - pushesBefore, 12);
  EXPECT_EQ(app.area<hostsim::Context>().depth(), 0u);
}

class LoadedModule : public ::testing::Test
{
protected:
  void SetUp() override
  {
    ASSERT_TRUE(module.isLoaded()) << module.error();
    app.connect(module.entry(), module.path());
  }
  void TearDown() override
  {
    app.applicationShutdown();
    app.shutdown();
  }

  // The module's base address, as the Windows layer reports the allocation holding its entry point.
  HINSTANCE moduleInstance() const
  {
    MEMORY_BASIC_INFORMATION info{};
    if (!VirtualQuery(reinterpret_cast<LPCVOID>(module.entry()), &info, sizeof info))
      return nullptr;
    return static_cast<HINSTANCE>(info.AllocationBase);
  }
  // The message-only windows of a class made by the module.
  std::vector<HWND> moduleMessageWindows() const
  {
    std::vector<HWND> found;
    for (HWND w = FindWindowExW(HWND_MESSAGE, nullptr, nullptr, nullptr); w;
         w = FindWindowExW(HWND_MESSAGE, w, nullptr, nullptr))
      if (reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(w, GWL_HINSTANCE)) == moduleInstance())
        found.push_back(w);
    return found;
  }

  lifecycletest::StartupLogFile log;
  hostsim::PluginModule module{QOR_PLUGIN_MODULE};
  hostsim::HostApp app;
};

TEST_F(LoadedModule, ItsSchedulerWindowCarriesOutRequestsFromOtherThreadsOnTheUiThread)
{
  ASSERT_NE(moduleInstance(), nullptr);
  EXPECT_TRUE(moduleMessageWindows().empty());
  app.startup();
  std::vector<HWND> windows = moduleMessageWindows();
  ASSERT_EQ(windows.size(), 1u);
  HWND scheduler = windows.front();
  WCHAR className[64] = {};
  EXPECT_EQ(GetClassNameW(scheduler, className, 64), 40);
  EXPECT_EQ(GetWindowThreadProcessId(scheduler, nullptr), GetCurrentThreadId());

  // What a worker thread of the module posts to have a callback's timer set: the id and the delay.
  const UINT setTimer = RegisterWindowMessageW(u"QorPluginSchedulerSetTimer");
  std::thread worker([&] { EXPECT_TRUE(PostMessageW(scheduler, setTimer, 4242, 30)); });
  worker.join();
  UINT elapse = 0;
  EXPECT_FALSE(qorwin::timerInfo(scheduler, 4242, &elapse, nullptr));
  // The host pumps after each call it makes, even one the plug-in ignores.
  app.sendInterface("Reload");
  ASSERT_TRUE(qorwin::timerInfo(scheduler, 4242, &elapse, nullptr));
  EXPECT_EQ(elapse, 30u);
  // The timer fires once on the UI thread and is gone: the module's timer procedure ran.
  qorwin::advance(30);
  EXPECT_FALSE(qorwin::timerInfo(scheduler, 4242, &elapse, nullptr));
}

// The address range of the loaded object holding an address.
struct ModuleRange
{
  uintptr_t probe = 0;
  uintptr_t low = UINTPTR_MAX;
  uintptr_t high = 0;

  static int visit(dl_phdr_info* info, size_t, void* data)
  {
    auto* range = static_cast<ModuleRange*>(data);
    uintptr_t low = UINTPTR_MAX, high = 0;
    for (int i = 0; i < info->dlpi_phnum; ++i) {
      const ElfW(Phdr)& segment = info->dlpi_phdr[i];
      if (segment.p_type != PT_LOAD)
        continue;
      low = std::min<uintptr_t>(low, info->dlpi_addr + segment.p_vaddr);
      high = std::max<uintptr_t>(high, info->dlpi_addr + segment.p_vaddr + segment.p_memsz);
    }
    if (range->probe < low || range->probe >= high)
      return 0;
    range->low = low;
    range->high = high;
    return 1;
  }
  explicit ModuleRange(const void* address) : probe(reinterpret_cast<uintptr_t>(address))
  {
    dl_iterate_phdr(&ModuleRange::visit, this);
  }
  bool holds(const void* address) const
  {
    auto a = reinterpret_cast<uintptr_t>(address);
    return a >= low && a < high;
  }
};

// A host that loads the module, runs it, shuts it down and unloads it: every window, timer and window
// class the module made is gone by then, as their procedures would point into unloaded code.
TEST(UnloadedModule, LeavesNoWindowTimerOrClassOfItsOwn)
{
  lifecycletest::StartupLogFile log;
  auto module = std::make_unique<hostsim::PluginModule>(QOR_PLUGIN_MODULE);
  ASSERT_TRUE(module->isLoaded()) << module->error();
  const ModuleRange range(reinterpret_cast<const void*>(module->entry()));
  ASSERT_TRUE(range.holds(reinterpret_cast<const void*>(module->entry())));
  hostsim::HostApp app;
  app.connect(module->entry(), module->path());
  app.startup();
  app.applicationStarted();

  auto windowsIntoModule = [&] {
    std::vector<HWND> found;
    for (HWND parent : {HWND_MESSAGE, HWND(nullptr)})
      for (HWND w = FindWindowExW(parent, nullptr, nullptr, nullptr); w;
           w = FindWindowExW(parent, w, nullptr, nullptr))
        if (range.holds(reinterpret_cast<const void*>(GetWindowLongPtrW(w, GWLP_WNDPROC))))
          found.push_back(w);
    return found;
  };
  std::vector<HWND> running = windowsIntoModule();
  ASSERT_EQ(running.size(), 1u) << "the scheduler's window";
  HWND scheduler = running.front();
  WCHAR className[64] = {};
  ASSERT_GT(GetClassNameW(scheduler, className, 64), 0);
  HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(scheduler, GWL_HINSTANCE));
  // A callback still waiting for its timer when the host shuts the plug-in down.
  const UINT setTimer = RegisterWindowMessageW(u"QorPluginSchedulerSetTimer");
  EXPECT_TRUE(PostMessageW(scheduler, setTimer, 4343, 60000));
  app.sendInterface("Reload");
  ASSERT_TRUE(qorwin::timerInfo(scheduler, 4343, nullptr, nullptr));

  app.applicationShutdown();
  app.shutdown();
  module.reset();

  EXPECT_TRUE(windowsIntoModule().empty());
  EXPECT_FALSE(IsWindow(scheduler));
  EXPECT_FALSE(qorwin::timerInfo(scheduler, 4343, nullptr, nullptr));
  WNDCLASSEXW cls{};
  cls.cbSize = sizeof cls;
  EXPECT_FALSE(GetClassInfoExW(instance, className, &cls));
}

} // namespace test_delivery
