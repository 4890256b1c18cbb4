// Junctate on drawings of 1,000, 10,000 and 100,000 short open strokes whose ends meet in chains (with
// near misses: gaps just beyond the distance and turns just beyond the angle), run through the
// plug-in's driver in the simulated host, and Assimilate with a tenth of them selected. Each run
// reports the time per path; the plain scan, which offers every path to every other, runs at the
// smaller sizes as the baseline (Junctate of 100,000 would take most of an hour). The program ends
// with a table of the times per path and their ratios.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "aip/qoraipSuitePointers.h"
#include "hostsimApp.h"
#include "hostsimWorkspace.h"
#include "panelJoin.h"
#include "panelJoinDrivers.h"

namespace joinBench {

constexpr double kDistance = 0.05;
constexpr double kAngle = 120;
constexpr double kPi = 3.141592653589793;

std::string num(double v)
{
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.9g", v);
  return buf;
}

// Chains of 1 to 12 strokes, each chain in its own square so that chains never touch. A stroke has 2 to
// 4 anchors (sometimes a curve); the next stroke of a chain starts within the distance of its end, is
// written backwards half of the time, and one junction in eight is a near miss. Paths are shuffled.
std::string drawing(int strokes)
{
  std::mt19937 rng(20261211u + static_cast<unsigned>(strokes));
  std::uniform_real_distribution<double> unit(0, 1);
  auto uniform = [&](double lo, double hi) { return lo + (hi - lo) * unit(rng); };
  const int perRow = static_cast<int>(std::ceil(std::sqrt(strokes / 6.0)));
  std::vector<std::string> paths;
  paths.reserve(strokes);
  int chain = 0;
  while (static_cast<int>(paths.size()) < strokes) {
    double x = (chain % perRow) * 300.0 + 150, y = (chain / perRow) * 300.0 + 150;
    double heading = uniform(-kPi, kPi);
    int length = std::min(1 + static_cast<int>(rng() % 12), strokes - static_cast<int>(paths.size()));
    for (int s = 0; s < length; ++s) {
      if (s > 0) {
        // The junction: within the distance, or a near miss in gap or in turn.
        int kind = static_cast<int>(rng() % 8);
        double gap = kind == 0 ? kDistance * 1.5 : uniform(0, kDistance * 0.6);
        double turn = kind == 1 ? (kAngle + 5) * kPi / 180 : uniform(-1, 1);
        double dir = uniform(-kPi, kPi);
        x += gap * std::cos(dir);
        y += gap * std::sin(dir);
        heading += turn * (rng() % 2 ? 1 : -1);
      }
      int anchors = 2 + static_cast<int>(rng() % 3);
      std::vector<double> xs{x}, ys{y};
      bool curved = rng() % 3 == 0;
      for (int a = 1; a < anchors; ++a) {
        if (a > 1)
          heading += uniform(-0.4, 0.4);
        xs.push_back(xs.back() + 3 * std::cos(heading));
        ys.push_back(ys.back() + 3 * std::sin(heading));
      }
      x = xs.back();
      y = ys.back();
      if (rng() % 2) {
        std::reverse(xs.begin(), xs.end());
        std::reverse(ys.begin(), ys.end());
      }
      std::string d = "M" + num(xs[0]) + " " + num(ys[0]);
      for (size_t a = 1; a < xs.size(); ++a) {
        if (curved) {
          // Handles along the chord keep the end tangents of a straight stroke, bent in the middle.
          double dx = xs[a] - xs[a - 1], dy = ys[a] - ys[a - 1];
          d += " C" + num(xs[a - 1] + dx / 3 - dy / 4) + " " + num(ys[a - 1] + dy / 3 + dx / 4) + " " +
               num(xs[a] - dx / 3 - dy / 4) + " " + num(ys[a] - dy / 3 + dx / 4) + " " + num(xs[a]) + " " +
               num(ys[a]);
        } else {
          d += " L" + num(xs[a]) + " " + num(ys[a]);
        }
      }
      paths.push_back(d);
    }
    ++chain;
  }
  std::shuffle(paths.begin(), paths.end(), rng);
  std::string svg = "<svg xmlns='http://www.w3.org/2000/svg'><g id='layer'>";
  for (size_t i = 0; i < paths.size(); ++i)
    svg += "<path id='p" + std::to_string(i) + "' d='" + paths[i] + "'/>";
  return svg + "</g></svg>";
}

const std::string& drawingOf(int strokes)
{
  static std::map<int, std::string> drawings;
  std::string& text = drawings[strokes];
  if (text.empty())
    text = drawing(strokes);
  return text;
}

// Junctate with every path selected; Assimilate with every tenth path selected.
void join(benchmark::State& state, bool assimilate, bool plain)
{
  panel::plainJoinScan = plain;
  const int strokes = static_cast<int>(state.range(0));
  const std::string& text = drawingOf(strokes);
  hostsim::Workspace& workspace = hostsim::Workspace::instance();
  size_t left = 0;
  for (auto _ : state) {
    state.PauseTiming();
    std::string error;
    hostsim::Document* doc = workspace.openSvgText(text, "bench", error);
    if (!doc || !workspace.select({}, error)) {
      state.SkipWithError(error.c_str());
      break;
    }
    if (assimilate) {
      int k = 0;
      doc->forEachArt([&k](hostsim::Art* a) {
        if (a->type == hostsim::Art::kPath && k++ % 10)
          a->attrs &= ~(hostsim::Art::kSelected | hostsim::Art::kFullySelected);
      });
    }
    state.ResumeTiming();
    if (assimilate)
      panel::runAssimilate(kDistance, kAngle, 30, 0.0001);
    else
      panel::runJunctate(kDistance, kAngle, 30, 0.0001);
    state.PauseTiming();
    left = 0;
    doc->forEachArt([&left](hostsim::Art* a) { left += a->type == hostsim::Art::kPath; });
    workspace.close(doc);
    state.ResumeTiming();
  }
  state.counters["paths"] = strokes;
  state.counters["left"] = static_cast<double>(left);
  state.counters["per_path"] =
      benchmark::Counter(strokes, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
  panel::plainJoinScan = false;
}

// Keeps each run's time per path, in microseconds.
class Collector : public benchmark::ConsoleReporter {
public:
  std::map<std::string, double> perPath;
  void ReportRuns(const std::vector<Run>& runs) override
  {
    for (const Run& r : runs) {
      auto counter = r.counters.find("per_path");
      if (r.run_type == Run::RT_Iteration && counter != r.counters.end())
        perPath[r.benchmark_name()] = counter->second.value * 1e6;
    }
    ConsoleReporter::ReportRuns(runs);
  }
};

}  // namespace joinBench

extern "C" int32_t PluginMain(const char* caller, const char* selector, void* message);

int main(int argc, char** argv)
{
  using namespace joinBench;
  setenv("QOR_STARTUP_LOG", "/dev/null", 1);
  hostsim::HostApp app;
  app.connect(&PluginMain, "/plug-ins/Junctate.aip");
  app.startup();
  panel::userSuite = qor::aip::userSuite;
  auto add = [](const char* name, bool assimilate, bool plain, std::vector<int> sizes) {
    benchmark::internal::Benchmark* b = benchmark::RegisterBenchmark(name, join, assimilate, plain);
    for (int n : sizes)
      b->Arg(n);
    b->Unit(benchmark::kMillisecond)->UseRealTime();
    if (plain)
      b->Iterations(1);
  };
  add("junctate", false, false, {1000, 10000, 100000});
  add("junctate_plain_scan", false, true, {1000, 10000});
  add("assimilate", true, false, {10000, 100000});
  add("assimilate_plain_scan", true, true, {10000});
  benchmark::Initialize(&argc, argv);
  Collector collector;
  benchmark::RunSpecifiedBenchmarks(&collector);
  auto& t = collector.perPath;
  std::printf("\n%-12s %8s %14s %14s %8s\n", "command", "paths", "indexed us", "plain us", "ratio");
  for (const char* command : {"junctate", "assimilate"}) {
    for (int n : {1000, 10000, 100000}) {
      double indexed = t[std::string(command) + "/" + std::to_string(n) + "/real_time"];
      double plain = t[std::string(command) + "_plain_scan/" + std::to_string(n) + "/iterations:1/real_time"];
      if (indexed > 0 || plain > 0)
        std::printf("%-12s %8d %14.2f %14.2f %8.1f\n", command, n, indexed, plain,
                    indexed > 0 && plain > 0 ? plain / indexed : 0.0);
    }
  }
  double small = t["junctate/1000/real_time"], large = t["junctate/100000/real_time"];
  if (small > 0 && large > 0)
    std::printf("Junctate, indexed time per path at 100,000 / at 1,000: %.2f\n", large / small);
  panel::userSuite = nullptr;
  app.shutdown();
  return 0;
}
