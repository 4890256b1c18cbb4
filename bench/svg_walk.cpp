// Opening, walking and saving a drawing of 100,000 open paths in the simulated host, each phase as a
// ratio to a bare parse (and a bare write) of the same file by pugixml in the same run. The walk reads
// every path's segments through the plug-in's art handles (started in-process in the simulated host).
// The open and save ratios are also set against those of the reader and writer before they were made
// faster (id indexes made on demand, attributes sorted out with fewer comparisons, room for path data
// given at once): recorded here from runs like this one on the same machine, the bare parse and write
// being the yardstick that keeps runs on a busy or a different machine comparable. The speed-up printed
// is the recorded ratio over the one measured now.
#include "core/qorcoreArt.h"
#include "core/qorcoreCurrentDocument.h"
#include "core/qorcoreLayer.h"
#include "hostsimApp.h"
#include "hostsimDocumentSuites.h"
#include "hostsimSvg.h"
#include "hostsimWorkspace.h"

#include <benchmark/benchmark.h>
#include <pugixml.hpp>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace svgWalkBench {

const std::string& drawing()
{
  static const std::string text = [] {
    std::string s = "<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 1000 1000\">\n<g id=\"layer\">\n";
    // Integers and halves: the written file spells every number as the input does.
    auto n = [](double v) {
      char buf[32];
      std::snprintf(buf, sizeof buf, "%g", v);
      return std::string(buf);
    };
    for (int i = 0; i < 100000; ++i) {
      double x = i % 1000, y = (i / 1000) * 10.0;
      s += "<path id=\"p" + std::to_string(i) + "\" d=\"M" + n(x) + " " + n(y) + " C" + n(x + 1) + " " +
           n(y + 2.5) + " " + n(x + 3) + " " + n(y + 2.5) + " " + n(x + 4) + " " + n(y) + " L" + n(x + 5) + " " +
           n(y + 5) + "\" stroke=\"black\" fill=\"none\"/>\n";
    }
    s += "</g>\n</svg>\n";
    return s;
  }();
  return text;
}

hostsim::Document* openDrawing()
{
  std::string error;
  hostsim::Document* doc = hostsim::Workspace::instance().openSvgText(drawing(), "bench", error);
  if (!doc)
    std::fprintf(stderr, "svg_walk: %s\n", error.c_str());
  return doc;
}

// Every path of every layer, its segments read in one call per path, through the art handles.
double walk(hostsim::Document*)
{
  qor::core::CurrentDocument doc;
  double sum = 0;
  std::unique_ptr<qor::core::Layer> first = doc.firstLayer();
  if (!first)
    return 0;
  qor::core::Layer::Iterator layers;
  first->begin(layers);
  for (; !layers.atEnd(); layers.next()) {
    std::unique_ptr<qor::core::Layer> layer(layers.layer());
    std::unique_ptr<qor::core::Art> group(layer->firstArt());
    std::unique_ptr<qor::core::Art> child(group ? group->firstChild() : nullptr);
    if (!child)
      continue;
    qor::core::Art::Iterator arts;
    child->begin(arts);
    for (; !arts.atEnd(); arts.next()) {
      std::unique_ptr<qor::core::Art> art(arts.art());
      if (art->type() != qor::core::ArtTypePath)
        continue;
      qor::core::Art::Path* path = art->path();
      for (const qor::core::ArtboardSegPoint& s : path->segments(0, path->segmentCount()))
        sum += s.anchor.x;
    }
  }
  return sum;
}

void pugiParse(benchmark::State& state)
{
  for (auto _ : state) {
    pugi::xml_document xml;
    benchmark::DoNotOptimize(xml.load_buffer(drawing().data(), drawing().size()));
  }
}

void pugiWrite(benchmark::State& state)
{
  pugi::xml_document xml;
  xml.load_buffer(drawing().data(), drawing().size());
  for (auto _ : state) {
    std::ostringstream out;
    xml.save(out, "  ");
    benchmark::DoNotOptimize(out.str().size());
  }
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

void walkPaths(benchmark::State& state)
{
  hostsim::Document* doc = openDrawing();
  for (auto _ : state)
    benchmark::DoNotOptimize(walk(doc));
  hostsim::Workspace::instance().close(doc);
}

void save(benchmark::State& state)
{
  hostsim::Document* doc = openDrawing();
  for (auto _ : state)
    benchmark::DoNotOptimize(hostsim::Svg::write(*doc).size());
  hostsim::Workspace::instance().close(doc);
}

// Keeps each benchmark's time per iteration.
class Collector : public benchmark::ConsoleReporter {
public:
  std::map<std::string, double> seconds;
  void ReportRuns(const std::vector<Run>& runs) override
  {
    for (const Run& r : runs)
      if (r.run_type == Run::RT_Iteration)
        seconds[r.benchmark_name()] = r.GetAdjustedRealTime() / 1e9;
    ConsoleReporter::ReportRuns(runs);
  }
};

} // namespace svgWalkBench

extern "C" int32_t PluginMain(const char* caller, const char* selector, void* message);

int main(int argc, char** argv)
{
  using namespace svgWalkBench;
  drawing();
  setenv("QOR_STARTUP_LOG", "/dev/null", 1);
  hostsim::HostApp app;
  app.connect(&PluginMain, "/plug-ins/Junctate.aip");
  app.startup();
  benchmark::RegisterBenchmark("pugixml_parse", pugiParse)->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("pugixml_write", pugiWrite)->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("open", open)->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("walk", walkPaths)->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("save", save)->Unit(benchmark::kMillisecond);
  benchmark::Initialize(&argc, argv);
  Collector collector;
  benchmark::RunSpecifiedBenchmarks(&collector);
  auto& t = collector.seconds;
  double parse = t["pugixml_parse"], write = t["pugixml_write"];
  if (parse > 0 && write > 0) {
    std::printf("\n100,000 open paths, %zu bytes\n", drawing().size());
    constexpr double openBefore = 12.8, saveBefore = 5.0;
    std::printf("open / bare parse   %6.2f   before %5.2f   speed-up %5.2f\n", t["open"] / parse, openBefore,
                openBefore / (t["open"] / parse));
    std::printf("walk / bare parse   %6.2f\n", t["walk"] / parse);
    std::printf("save / bare write   %6.2f   before %5.2f   speed-up %5.2f\n", t["save"] / write, saveBefore,
                saveBefore / (t["save"] / write));
    std::printf("open+walk+save / (bare parse + bare write)   %6.2f\n",
                (t["open"] + t["walk"] + t["save"]) / (parse + write));
  }
  app.shutdown();
  return 0;
}
