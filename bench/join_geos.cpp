// Junctate against GEOS line merging (GEOSLineMerge_r) of the same strokes: 1,000, 10,000 and 100,000
// short straight strokes chained end to end (chainedStrokes.h), every junction exact (distance 0, any
// turn: angle 180), so that both sides must find the same chains. The join runs through the plug-in's
// driver in the simulated host on a freshly opened drawing (opening is not timed); GEOS merges a
// collection built beforehand from the opened drawing's own paths. Both results are compared (the
// number of lines and the end anchors of every line) before the table of the two times and their ratio
// is printed. GEOS is linked into this program only, never into the product.
#include <benchmark/benchmark.h>
#include <geos_c.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "aip/qoraipSuitePointers.h"
#include "hostsimApp.h"
#include "hostsimDocument.h"
#include "hostsimWorkspace.h"
#include "chainedStrokes.h"
#include "panelJoinDrivers.h"

namespace joinGeosBench {

constexpr double kDistance = 0;
constexpr double kAngle = 180;
const int kSizes[] = {1000, 10000, 100000};

using Ends = std::vector<std::pair<std::pair<double, double>, std::pair<double, double>>>;

// Each line's two end points, the smaller first, sorted: equal for the same chains found.
void addEnds(Ends& ends, double x0, double y0, double x1, double y1)
{
  auto p = std::make_pair(x0, y0), q = std::make_pair(x1, y1);
  ends.emplace_back(std::min(p, q), std::max(p, q));
}

hostsim::Document* open(int strokes)
{
  std::string error;
  hostsim::Document* doc = hostsim::Workspace::instance().openSvgText(chainedStrokes::drawing(strokes), "bench", error);
  if (!doc || !hostsim::Workspace::instance().select({}, error)) {
    std::fprintf(stderr, "join_geos: %s\n", error.c_str());
    std::exit(1);
  }
  return doc;
}

template <class F> void forEachPath(hostsim::Document* doc, F&& f)
{
  doc->forEachArt([&f](hostsim::Art* a) {
    if (a->type == hostsim::Art::kPath && !a->segments.empty())
      f(*a);
  });
}

std::map<int, Ends> joinEnds, geosEnds;
GEOSContextHandle_t geos = nullptr;

void junctate(benchmark::State& state)
{
  const int strokes = static_cast<int>(state.range(0));
  hostsim::Workspace& workspace = hostsim::Workspace::instance();
  for (auto _ : state) {
    state.PauseTiming();
    hostsim::Document* doc = open(strokes);
    state.ResumeTiming();
    panel::runJunctate(kDistance, kAngle, 30, 0.0001);
    state.PauseTiming();
    Ends ends;
    forEachPath(doc, [&ends](const hostsim::Art& a) {
      // A chain that came round to its start is closed: both its ends are its first anchor.
      const hostsim::Segment& last = a.closed ? a.segments.front() : a.segments.back();
      addEnds(ends, a.segments.front().p.h, a.segments.front().p.v, last.p.h, last.p.v);
    });
    std::sort(ends.begin(), ends.end());
    joinEnds[strokes] = std::move(ends);
    workspace.close(doc);
    state.ResumeTiming();
  }
  state.counters["lines"] = static_cast<double>(joinEnds[strokes].size());
}

void geosMerge(benchmark::State& state)
{
  const int strokes = static_cast<int>(state.range(0));
  hostsim::Document* doc = open(strokes);
  std::vector<GEOSGeometry*> lines;
  forEachPath(doc, [&lines](const hostsim::Art& a) {
    std::vector<double> xy;
    for (const hostsim::Segment& s : a.segments) {
      xy.push_back(s.p.h);
      xy.push_back(s.p.v);
    }
    GEOSCoordSequence* seq =
        GEOSCoordSeq_copyFromBuffer_r(geos, xy.data(), static_cast<unsigned>(a.segments.size()), 0, 0);
    lines.push_back(GEOSGeom_createLineString_r(geos, seq));
  });
  hostsim::Workspace::instance().close(doc);
  GEOSGeometry* collection = GEOSGeom_createCollection_r(geos, GEOS_MULTILINESTRING, lines.data(),
                                                         static_cast<unsigned>(lines.size()));
  GEOSGeometry* merged = nullptr;
  for (auto _ : state) {
    merged = GEOSLineMerge_r(geos, collection);
    state.PauseTiming();
    Ends ends;
    for (int i = 0, n = GEOSGetNumGeometries_r(geos, merged); i < n; ++i) {
      const GEOSCoordSequence* seq = GEOSGeom_getCoordSeq_r(geos, GEOSGetGeometryN_r(geos, merged, i));
      unsigned size = 0;
      GEOSCoordSeq_getSize_r(geos, seq, &size);
      double x0, y0, x1, y1;
      GEOSCoordSeq_getXY_r(geos, seq, 0, &x0, &y0);
      GEOSCoordSeq_getXY_r(geos, seq, size - 1, &x1, &y1);
      addEnds(ends, x0, y0, x1, y1);
    }
    std::sort(ends.begin(), ends.end());
    geosEnds[strokes] = std::move(ends);
    GEOSGeom_destroy_r(geos, merged);
    state.ResumeTiming();
  }
  GEOSGeom_destroy_r(geos, collection);
  state.counters["lines"] = static_cast<double>(geosEnds[strokes].size());
}

// Keeps each run's time per iteration, in milliseconds.
class Collector : public benchmark::ConsoleReporter {
public:
  std::map<std::string, double> ms;
  void ReportRuns(const std::vector<Run>& runs) override
  {
    for (const Run& r : runs) {
      if (r.run_type == Run::RT_Iteration)
        ms[r.benchmark_name()] = r.GetAdjustedRealTime();
    }
    ConsoleReporter::ReportRuns(runs);
  }
};

}  // namespace joinGeosBench

extern "C" int32_t PluginMain(const char* caller, const char* selector, void* message);

int main(int argc, char** argv)
{
  using namespace joinGeosBench;
  setenv("QOR_STARTUP_LOG", "/dev/null", 1);
  hostsim::HostApp app;
  app.connect(&PluginMain, "/plug-ins/Junctate.aip");
  app.startup();
  panel::userSuite = qor::aip::userSuite;
  geos = GEOS_init_r();
  for (int n : kSizes) {
    benchmark::RegisterBenchmark("junctate", junctate)->Arg(n)->Unit(benchmark::kMillisecond)->UseRealTime();
    benchmark::RegisterBenchmark("geos_linemerge", geosMerge)->Arg(n)->Unit(benchmark::kMillisecond)->UseRealTime();
  }
  benchmark::Initialize(&argc, argv);
  Collector collector;
  benchmark::RunSpecifiedBenchmarks(&collector);
  auto& t = collector.ms;
  int status = 0;
  std::printf("\n%8s %12s %12s %8s %8s %10s\n", "strokes", "join ms", "GEOS ms", "lines", "same", "join/GEOS");
  for (int n : kSizes) {
    double join = t["junctate/" + std::to_string(n) + "/real_time"];
    double merge = t["geos_linemerge/" + std::to_string(n) + "/real_time"];
    if (join <= 0 || merge <= 0)
      continue;
    bool same = joinEnds[n] == geosEnds[n];
    status |= !same;
    std::printf("%8d %12.3f %12.3f %8zu %8s %10.2f\n", n, join, merge, joinEnds[n].size(), same ? "yes" : "NO",
                join / merge);
  }
  GEOS_finish_r(geos);
  panel::userSuite = nullptr;
  app.shutdown();
  return status;
}
