// Geometry on the join's path, each beside a plain inline computation of the same formula over the
// same inputs; the program ends with a table of the ratios (framework time / inline time).
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "aip/qoraipArtboardPoint.h"
#include "core/qorcoreAngle.h"
#include "core/qorcoreArtboardPoint.h"
#include "core/qorcorePoint.h"
#include "geo/qorgeoAngle.h"
#include "geo/qorgeoNumeric.h"

namespace {

constexpr size_t kCount = 1024;  // a power of two, so i & (kCount - 1) walks the inputs
constexpr double kTwoPi = 6.283185307179586;

struct Inputs {
    std::vector<double> x, y, angle;
    Inputs()
    {
        std::mt19937_64 rng(42);
        std::uniform_real_distribution<double> coord(-500, 500), turn(-4 * kTwoPi, 4 * kTwoPi);
        for (size_t i = 0; i < kCount; ++i) {
            x.push_back(coord(rng));
            y.push_back(coord(rng));
            angle.push_back(turn(rng));
        }
    }
};

const Inputs& inputs()
{
    static Inputs in;
    return in;
}

// --- normalisation into 0 .. 2 pi ---

inline double inlineNormalize(double x)
{
    if (x == 0.0)
        return 0.0;
    while (x < 0)
        x += kTwoPi;
    if (std::fabs(x - kTwoPi) <= std::fmax(std::fabs(x), kTwoPi) * 2.220446049250313e-15)
        return kTwoPi;
    while (x > kTwoPi)
        x -= kTwoPi;
    return x;
}

void Normalize_Inline(benchmark::State& state)
{
    const Inputs& in = inputs();
    size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(inlineNormalize(in.angle[i++ & (kCount - 1)]));
    }
}
BENCHMARK(Normalize_Inline);

void Normalize_GeoAngle(benchmark::State& state)
{
    const Inputs& in = inputs();
    size_t i = 0;
    for (auto _ : state) {
        qor::geo::Angle a(in.angle[i++ & (kCount - 1)], qor::geo::Angle::Radians);
        benchmark::DoNotOptimize(a.normalized().radians());
    }
}
BENCHMARK(Normalize_GeoAngle);

void Normalize_CoreAngle(benchmark::State& state)
{
    const Inputs& in = inputs();
    std::vector<qor::core::Angle> angles;
    for (double a : in.angle)
        angles.emplace_back(a, 1);
    size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(angles[i++ & (kCount - 1)].normalized().radians());
    }
}
BENCHMARK(Normalize_CoreAngle);

// --- direction between two points ---

void AngleTo_Inline(benchmark::State& state)
{
    const Inputs& in = inputs();
    size_t i = 0;
    for (auto _ : state) {
        size_t a = i++ & (kCount - 1), b = (a + 1) & (kCount - 1);
        benchmark::DoNotOptimize(-std::atan2(in.y[b] - in.y[a], in.x[b] - in.x[a]));
    }
}
BENCHMARK(AngleTo_Inline);

template <typename P>
std::vector<P> makePoints()
{
    const Inputs& in = inputs();
    std::vector<P> points;
    for (size_t i = 0; i < kCount; ++i)
        points.emplace_back(in.x[i], in.y[i]);
    return points;
}

template <typename P>
void AngleTo_Client(benchmark::State& state)
{
    std::vector<P> points = makePoints<P>();
    size_t i = 0;
    for (auto _ : state) {
        size_t a = i++ & (kCount - 1), b = (a + 1) & (kCount - 1);
        benchmark::DoNotOptimize(points[a].angleTo(points[b]).radians());
    }
}
BENCHMARK_TEMPLATE(AngleTo_Client, qor::core::Point);
BENCHMARK_TEMPLATE(AngleTo_Client, qor::core::ArtboardPoint);
BENCHMARK_TEMPLATE(AngleTo_Client, qor::aip::ArtboardPoint);

// --- distance ---

void Distance_Inline(benchmark::State& state)
{
    const Inputs& in = inputs();
    size_t i = 0;
    for (auto _ : state) {
        size_t a = i++ & (kCount - 1), b = (a + 1) & (kCount - 1);
        double dx = in.x[b] - in.x[a], dy = in.y[b] - in.y[a];
        benchmark::DoNotOptimize(std::sqrt(dx * dx + dy * dy));
    }
}
BENCHMARK(Distance_Inline);

template <typename P>
void Distance_Client(benchmark::State& state)
{
    std::vector<P> points = makePoints<P>();
    size_t i = 0;
    for (auto _ : state) {
        size_t a = i++ & (kCount - 1), b = (a + 1) & (kCount - 1);
        benchmark::DoNotOptimize(points[a].distanceTo(points[b]));
    }
}
BENCHMARK_TEMPLATE(Distance_Client, qor::core::Point);
BENCHMARK_TEMPLATE(Distance_Client, qor::core::ArtboardPoint);
BENCHMARK_TEMPLATE(Distance_Client, qor::aip::ArtboardPoint);

// --- equality within a tolerance ---

void EqualsWithin_Inline(benchmark::State& state)
{
    const Inputs& in = inputs();
    size_t i = 0;
    for (auto _ : state) {
        size_t a = i++ & (kCount - 1), b = (a + 1) & (kCount - 1);
        benchmark::DoNotOptimize(std::fabs(in.x[b] - in.x[a]) < 300.0 && std::fabs(in.y[b] - in.y[a]) < 300.0);
    }
}
BENCHMARK(EqualsWithin_Inline);

template <typename P>
void EqualsWithin_Client(benchmark::State& state)
{
    std::vector<P> points = makePoints<P>();
    size_t i = 0;
    for (auto _ : state) {
        size_t a = i++ & (kCount - 1), b = (a + 1) & (kCount - 1);
        benchmark::DoNotOptimize(points[a].equalsWithin(points[b], 300.0));
    }
}
BENCHMARK_TEMPLATE(EqualsWithin_Client, qor::core::Point);
BENCHMARK_TEMPLATE(EqualsWithin_Client, qor::core::ArtboardPoint);
BENCHMARK_TEMPLATE(EqualsWithin_Client, qor::aip::ArtboardPoint);

void EqualsWithin_GeoAngle(benchmark::State& state)
{
    const Inputs& in = inputs();
    qor::geo::Angle tolerance(0.01, 1);
    size_t i = 0;
    for (auto _ : state) {
        size_t a = i++ & (kCount - 1), b = (a + 1) & (kCount - 1);
        qor::geo::Angle x(in.angle[a], 1), y(in.angle[b], 1);
        benchmark::DoNotOptimize(x.equalsWithin(y, tolerance));
    }
}
BENCHMARK(EqualsWithin_GeoAngle);

void EqualsWithin_AngleInline(benchmark::State& state)
{
    const Inputs& in = inputs();
    size_t i = 0;
    for (auto _ : state) {
        size_t a = i++ & (kCount - 1), b = (a + 1) & (kCount - 1);
        double x = inlineNormalize(in.angle[a]), y = inlineNormalize(in.angle[b]);
        benchmark::DoNotOptimize(std::fabs(y - x) < 0.01 || std::fabs(y - (x + kTwoPi)) < 0.01 ||
                                 std::fabs(y - (x - kTwoPi)) < 0.01 || std::fabs(y + kTwoPi - x) < 0.01 ||
                                 std::fabs(y - kTwoPi - x) < 0.01);
    }
}
BENCHMARK(EqualsWithin_AngleInline);

// --- polar offset ---

inline double snap(double v)
{
    return std::fabs(v) < 1e-10 ? 0.0 : v;
}

void OffsetPolar_Inline(benchmark::State& state)
{
    const Inputs& in = inputs();
    size_t i = 0;
    for (auto _ : state) {
        size_t a = i++ & (kCount - 1);
        double t = in.angle[a];
        double c = snap(std::cos(t)), s = snap(std::sin(t));
        double x = in.x[a] + 10 * c, y = in.y[a] + -(10 * s);
        benchmark::DoNotOptimize(x);
        benchmark::DoNotOptimize(y);
    }
}
BENCHMARK(OffsetPolar_Inline);

template <typename P>
void OffsetPolar_Client(benchmark::State& state)
{
    std::vector<P> points = makePoints<P>();
    std::vector<qor::core::Angle> angles;
    for (double a : inputs().angle)
        angles.emplace_back(a, 1);
    size_t i = 0;
    for (auto _ : state) {
        size_t a = i++ & (kCount - 1);
        P moved = points[a].offsetPolar(10, angles[a]);
        benchmark::DoNotOptimize(moved.x);
        benchmark::DoNotOptimize(moved.y);
    }
}
BENCHMARK_TEMPLATE(OffsetPolar_Client, qor::core::Point);
BENCHMARK_TEMPLATE(OffsetPolar_Client, qor::core::ArtboardPoint);

void OffsetPolar_AipArtboardPoint(benchmark::State& state)
{
    std::vector<qor::aip::ArtboardPoint> points = makePoints<qor::aip::ArtboardPoint>();
    std::vector<qor::geo::Angle> angles;
    for (double a : inputs().angle)
        angles.emplace_back(a, 1);
    size_t i = 0;
    for (auto _ : state) {
        size_t a = i++ & (kCount - 1);
        qor::aip::ArtboardPoint moved = points[a].offsetPolar(10, angles[a]);
        benchmark::DoNotOptimize(moved.x);
        benchmark::DoNotOptimize(moved.y);
    }
}
BENCHMARK(OffsetPolar_AipArtboardPoint);

// Collects each run's time per iteration, then prints the ratios to the inline baselines.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Iteration)
                times_[run.benchmark_name()] = run.GetAdjustedRealTime();
    }
    void Finalize() override
    {
        ConsoleReporter::Finalize();
        const char* rows[][2] = {
            {"Normalize_GeoAngle", "Normalize_Inline"},
            {"Normalize_CoreAngle", "Normalize_Inline"},
            {"AngleTo_Client<qor::core::Point>", "AngleTo_Inline"},
            {"AngleTo_Client<qor::core::ArtboardPoint>", "AngleTo_Inline"},
            {"AngleTo_Client<qor::aip::ArtboardPoint>", "AngleTo_Inline"},
            {"Distance_Client<qor::core::Point>", "Distance_Inline"},
            {"Distance_Client<qor::core::ArtboardPoint>", "Distance_Inline"},
            {"Distance_Client<qor::aip::ArtboardPoint>", "Distance_Inline"},
            {"EqualsWithin_Client<qor::core::Point>", "EqualsWithin_Inline"},
            {"EqualsWithin_Client<qor::core::ArtboardPoint>", "EqualsWithin_Inline"},
            {"EqualsWithin_Client<qor::aip::ArtboardPoint>", "EqualsWithin_Inline"},
            {"EqualsWithin_GeoAngle", "EqualsWithin_AngleInline"},
            {"OffsetPolar_Client<qor::core::Point>", "OffsetPolar_Inline"},
            {"OffsetPolar_Client<qor::core::ArtboardPoint>", "OffsetPolar_Inline"},
            {"OffsetPolar_AipArtboardPoint", "OffsetPolar_Inline"},
        };
        std::printf("\n%-46s %12s %12s %8s\n", "framework / inline", "framework", "inline", "ratio");
        for (auto& row : rows) {
            auto f = times_.find(row[0]), b = times_.find(row[1]);
            if (f == times_.end() || b == times_.end() || b->second <= 0)
                continue;
            std::printf("%-46s %10.2fns %10.2fns %8.2f\n", row[0], f->second, b->second, f->second / b->second);
        }
    }

private:
    std::map<std::string, double> times_;
};

}  // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
