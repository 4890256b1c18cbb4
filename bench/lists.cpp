// A list view and a tree view of 1,000 to 100,000 entries: filled, placed in a window, scrolled from
// top to bottom a page at a time with every page painted, and a hundred rows selected. The program ends
// with the time per entry at each size and its ratio to the time per entry at 1,000 (about 1 when the
// time grows linearly).
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>

#include "hostsimApp.h"
#include "pui/qorpuiHierarchicalView.h"
#include "pui/qorpuiListView.h"
#include "pui/qorpuiWindow.h"
#include "win/CommCtrl.h"
#include "win/WinTest.h"

namespace listsBench {

// A top-level window the widgets are placed in.
struct Host
{
  Host()
  {
    window.CreateEx(0, WC_DIALOG, u"bench", WS_POPUP | WS_VISIBLE, 0, 0, 400, 400, nullptr, nullptr);
    placed.reset(new qor::pui::Window(&window));
    placed->setKind(2);
  }
  ~Host()
  {
    placed.reset();
    window.DestroyWindow();
  }
  CWnd window;
  std::unique_ptr<qor::pui::Window> placed;
};

// Pages down to the end, painting each page.
void scrollThrough(HWND control)
{
  SCROLLINFO info{sizeof info, SIF_ALL, 0, 0, 0, 0, 0};
  for (;;) {
    qorwin::paint(control);
    GetScrollInfo(control, SB_VERT, &info);
    if (info.nPos + static_cast<int>(info.nPage) > info.nMax)
      break;
    SendMessageW(control, WM_VSCROLL, SB_PAGEDOWN, 0);
  }
}

void listView(benchmark::State& state)
{
  const int n = static_cast<int>(state.range(0));
  for (auto _ : state) {
    Host host;
    auto* list = new qor::pui::ListView(qor::aip::Rect(10, 10, 300, 300));
    qor::pui::EntryVector records;
    for (int i = 0; i < n; ++i)
      records.pushBack(new qor::pui::EntryData<void*>("id" + std::to_string(i), "Entry " + std::to_string(i), nullptr, true));
    list->setEntries(records, true);
    host.placed->addWidget(list);
    HWND control = list->control()->m_hWnd;
    scrollThrough(control);
    for (int k = 0; k < 100; ++k)
      list->setSelectedIndex(static_cast<int32_t>((static_cast<long long>(k) * 7919) % n));
    benchmark::DoNotOptimize(list->selectedIndex());
    host.placed->removeWidget(list);
    delete list;
  }
  state.counters["entries"] = n;
}

void treeView(benchmark::State& state)
{
  const int n = static_cast<int>(state.range(0));
  const int children = 99;
  for (auto _ : state) {
    Host host;
    auto* tree = new qor::pui::HierarchicalView(qor::aip::Rect(10, 10, 300, 300));
    qor::pui::TreeEntryVector top;
    for (int i = 0; i < n; i += children + 1) {
      auto* parent = new qor::pui::TreeEntryData<void*>("p" + std::to_string(i), "Group " + std::to_string(i),
                                                        nullptr, true, true);
      for (int c = 0; c < children && i + 1 + c < n; ++c)
        parent->children()->pushBack(new qor::pui::TreeEntryData<void*>(
            "c" + std::to_string(c), "Item " + std::to_string(i + 1 + c), nullptr, true, false));
      top.pushBack(parent);
    }
    tree->setEntries(top, true);
    host.placed->addWidget(tree);
    scrollThrough(tree->control()->m_hWnd);
    const int groups = static_cast<int>(top.size());
    for (int k = 0; k < 100; ++k)
      tree->setSelectedIndexPath({static_cast<int32_t>((k * 7919) % groups), static_cast<int32_t>(k % 50)});
    benchmark::DoNotOptimize(tree->selectedIndexPath());
    host.placed->removeWidget(tree);
    delete tree;
  }
  state.counters["entries"] = n;
}

class Collector : public benchmark::ConsoleReporter
{
public:
  std::map<std::string, double> perEntry; // microseconds
  void ReportRuns(const std::vector<Run>& runs) override
  {
    for (const Run& r : runs) {
      auto entries = r.counters.find("entries");
      if (r.run_type == Run::RT_Iteration && entries != r.counters.end() && entries->second.value > 0)
        perEntry[r.benchmark_name()] = r.GetAdjustedRealTime() * 1000.0 / entries->second.value;
    }
    ConsoleReporter::ReportRuns(runs);
  }
};

}  // namespace listsBench

extern "C" int32_t PluginMain(const char* caller, const char* selector, void* message);

int main(int argc, char** argv)
{
  using namespace listsBench;
  setenv("QOR_STARTUP_LOG", "/dev/null", 1);
  hostsim::HostApp app;
  app.connect(&PluginMain, "/plug-ins/Junctate.aip");
  app.startup();
  app.applicationStarted();
  for (auto* b : {benchmark::RegisterBenchmark("list_view", listView), benchmark::RegisterBenchmark("tree_view", treeView)})
    b->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime();
  benchmark::Initialize(&argc, argv);
  Collector collector;
  benchmark::RunSpecifiedBenchmarks(&collector);
  std::printf("\n%-10s %8s %16s %10s\n", "widget", "entries", "us per entry", "vs 1,000");
  for (const char* widget : {"list_view", "tree_view"}) {
    const double base = collector.perEntry[std::string(widget) + "/1000/real_time"];
    for (int n : {1000, 10000, 100000}) {
      const double t = collector.perEntry[std::string(widget) + "/" + std::to_string(n) + "/real_time"];
      std::printf("%-10s %8d %16.3f %10.2f\n", widget, n, t, base > 0 ? t / base : 0.0);
    }
  }
  app.applicationShutdown();
  app.shutdown();
  return 0;
}
