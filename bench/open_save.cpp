// Opening and saving the drawing of 100,000 chained strokes (chainedStrokes.h) in the simulated host:
// the reader from SVG text to a document, and the writer from the document back to SVG text.
// Each is printed in milliseconds beside the baseline, the times measured on the same machine (8 cores,
// otherwise idle) before any work on their speed, and the speed-up. The best of three repetitions
// counts, as a busy machine only ever makes a run slower.
#include "chainedStrokes.h"
#include "hostsimApp.h"
#include "hostsimSvg.h"
#include "hostsimWorkspace.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

namespace openSaveBench {

constexpr int kStrokes = 100000;

const std::string& text()
{
  return chainedStrokes::drawing(kStrokes);
}

hostsim::Document* openDrawing()
{
  std::string error;
  hostsim::Document* doc = hostsim::Workspace::instance().openSvgText(text(), "bench", error);
  if (!doc) {
    std::fprintf(stderr, "open_save: %s\n", error.c_str());
    std::exit(1);
  }
  return doc;
}

void open(benchmark::State& state)
{
  for (auto _ : state) {
    hostsim::Document* doc = openDrawing();
    state.PauseTiming();
    hostsim::Workspace::instance().close(doc);
    state.ResumeTiming();
  }
}

void save(benchmark::State& state)
{
  hostsim::Document* doc = openDrawing();
  size_t bytes = 0;
  for (auto _ : state)
    benchmark::DoNotOptimize(bytes = hostsim::Svg::write(*doc).size());
  hostsim::Workspace::instance().close(doc);
  state.counters["bytes"] = static_cast<double>(bytes);
}

// Keeps each benchmark's best time per iteration over its repetitions, in milliseconds.
class Collector : public benchmark::ConsoleReporter {
public:
  std::map<std::string, double> ms;
  void ReportRuns(const std::vector<Run>& runs) override
  {
    for (const Run& r : runs) {
      if (r.run_type != Run::RT_Iteration)
        continue;
      auto it = ms.emplace(r.run_name.function_name, r.GetAdjustedRealTime()).first;
      it->second = std::min(it->second, r.GetAdjustedRealTime());
    }
    ConsoleReporter::ReportRuns(runs);
  }
};

// The baseline: milliseconds, best of three.
struct Before
{
  const char* name;
  double ms;
};
const Before kBefore[] = {
    {"open", 321},
    {"save", 97},
};

}  // namespace openSaveBench

extern "C" int32_t PluginMain(const char* caller, const char* selector, void* message);

int main(int argc, char** argv)
{
  using namespace openSaveBench;
  text();
  setenv("QOR_STARTUP_LOG", "/dev/null", 1);
  hostsim::HostApp app;
  app.connect(&PluginMain, "/plug-ins/Junctate.aip");
  app.startup();
  // A closed document stays allocated in the workspace: a few runs of the opening are enough.
  benchmark::RegisterBenchmark("open", open)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3)->Repetitions(3);
  benchmark::RegisterBenchmark("save", save)->Unit(benchmark::kMillisecond)->UseRealTime()->Repetitions(3);
  benchmark::Initialize(&argc, argv);
  Collector collector;
  benchmark::RunSpecifiedBenchmarks(&collector);
  auto& t = collector.ms;
  std::printf("\n%d chained strokes, %zu bytes\n%-6s %9s %9s %9s\n", kStrokes, text().size(), "", "ms", "before",
              "speed-up");
  double now = 0, then = 0;
  for (const Before& b : kBefore) {
    const double ms = t[b.name];
    if (ms <= 0)
      continue;
    std::printf("%-6s %9.1f %9.1f %9.2f\n", b.name, ms, b.ms, b.ms / ms);
    now += ms;
    then += b.ms;
  }
  if (now > 0)
    std::printf("open + save: %.1f ms, before %.1f ms: %.2f times as fast\n", now, then, then / now);
  app.shutdown();
  return 0;
}
