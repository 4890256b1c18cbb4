// Reading and writing a 5 MB JSON document with the framework's reader and writer and with
// nlohmann-json in the same run; prints how many times faster ours is at each (above 1: ours faster).
#include "json/qorjsonNode.h"
#include "json/qorjsonReader.h"
#include "json/qorjsonWriter.h"

#include <benchmark/benchmark.h>
#include <nlohmann/json.hpp>

#include <cstdio>
#include <map>
#include <random>
#include <string>

namespace benchjson_detail {

// A deterministic document of records like the ones preference files and POST bodies hold, in text
// that both readers take the same way (plain strings, fixed-notation numbers).
std::string makeDocument(size_t targetBytes) {
    std::mt19937 rng(7);
    std::string words[] = {"alpha", "Bravo", "charlie delta", "echo-foxtrot", "golf_hotel", "india", "juliett kilo lima"};
    std::string out = "{\"records\":[";
    for (int i = 0; out.size() < targetBytes; ++i) {
        if (i) out += ',';
        out += "{\"id\":" + std::to_string(i);
        out += ",\"name\":\"" + words[rng() % 7] + " " + std::to_string(rng() % 1000) + "\"";
        out += ",\"enabled\":" + std::string(rng() % 2 ? "true" : "false");
        out += ",\"ratio\":" + std::to_string((rng() % 100000) / 1000.0).substr(0, 6);
        out += ",\"offset\":-" + std::to_string(rng() % 5000) + "." + std::to_string(rng() % 100);
        out += ",\"tags\":[\"" + words[rng() % 7] + "\",\"" + words[rng() % 7] + "\"]";
        out += ",\"point\":{\"__x\":" + std::to_string(rng() % 800) + ".5,\"__y\":" + std::to_string(rng() % 600) + ".25}";
        out += ",\"samples\":[";
        for (int k = 0; k < 8; ++k) out += (k ? "," : "") + std::to_string(rng() % 100000);
        out += "],\"note\":null}";
    }
    out += "]}";
    return out;
}

const std::string &document() {
    static const std::string text = makeDocument(5 * 1024 * 1024);
    return text;
}

void readOurs(benchmark::State &state) {
    for (auto _ : state) {
        qor::json::Node *n = qor::json::parseJson(document());
        benchmark::DoNotOptimize(n);
        qor::json::Node::release(n);
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(document().size()));
}

void readNlohmann(benchmark::State &state) {
    for (auto _ : state) {
        nlohmann::json j = nlohmann::json::parse(document());
        benchmark::DoNotOptimize(j);
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(document().size()));
}

void writeOurs(benchmark::State &state) {
    qor::json::NodePtr tree(qor::json::parseJson(document()));
    for (auto _ : state) {
        std::string text = qor::json::writeJson(tree.get(), false, 0);
        benchmark::DoNotOptimize(text);
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(document().size()));
}

void writeNlohmann(benchmark::State &state) {
    nlohmann::json j = nlohmann::json::parse(document());
    for (auto _ : state) {
        std::string text = j.dump();
        benchmark::DoNotOptimize(text);
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(document().size()));
}

class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run> &runs) override {
        for (const Run &r : runs)
            if (r.run_type == Run::RT_Iteration) {
                // Names carry options after a "/" (such as the minimum time).
                std::string name = r.benchmark_name();
                times[name.substr(0, name.find('/'))] = r.GetAdjustedRealTime();
            }
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> times;
};

} // namespace benchjson_detail

BENCHMARK(benchjson_detail::readOurs)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(benchjson_detail::readNlohmann)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(benchjson_detail::writeOurs)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(benchjson_detail::writeNlohmann)->Unit(benchmark::kMillisecond)->MinTime(2.0);

int main(int argc, char **argv) {
    benchmark::Initialize(&argc, argv);
    benchjson_detail::RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    auto &t = reporter.times;
    std::printf("document: %zu bytes\n", benchjson_detail::document().size());
    if (t.count("benchjson_detail::readOurs") && t.count("benchjson_detail::readNlohmann"))
        std::printf("read:  ours is %.2fx nlohmann-json\n",
                    t["benchjson_detail::readNlohmann"] / t["benchjson_detail::readOurs"]);
    if (t.count("benchjson_detail::writeOurs") && t.count("benchjson_detail::writeNlohmann"))
        std::printf("write: ours is %.2fx nlohmann-json\n",
                    t["benchjson_detail::writeNlohmann"] / t["benchjson_detail::writeOurs"]);
    benchmark::Shutdown();
    return 0;
}
