// Gradients of the simulated document through the client handle: type codes, stops with their percent
// positions and clamping, index checks, the colour at a location, shared records and disposal.
#include "core/qorcoreGradient.h"
#include "hostsimDocument.h"
#include "hostsimPaint.h"
#include "paintFixture.h"

namespace gradientsTest {

using painttest::Paint;
using qor::core::ArtColor;
using qor::core::Gradient;

class Gradients : public Paint {
protected:
  // A two-stop gradient, white at 0 % to black at 100 %.
  hostsim::Gradient* makeGradient()
  {
    hostsim::Document* doc = open("");
    hostsim::Gradient* g = doc->make<hostsim::Gradient>(doc);
    g->name = "Ramp";
    hostsim::GradientStop a, b;
    a.position1 = 0;
    a.color.kind = kGrayColor;
    b.position1 = 100;
    b.color.kind = kGrayColor;
    b.color.values[0] = 1;
    g->stops = {a, b};
    return g;
  }
  static Gradient handleOf(hostsim::Gradient* g)
  {
    return qor::core::wrapGradient(new qor::aip::Gradient(static_cast<GradientHandle>(g->handle())));
  }
};

TEST_F(Gradients, TypeNameAndTypeCodes)
{
  hostsim::Gradient* host = makeGradient();
  Gradient g = handleOf(host);
  EXPECT_EQ(g.name(), "Ramp");
  g.setName("Ramp 2");
  EXPECT_EQ(host->name, "Ramp 2");
  EXPECT_EQ(g.type(), 10);
  g.setType(20);
  EXPECT_EQ(host->type, 1);
  g.setType(15);
  EXPECT_EQ(host->type, 1) << "only 10 and 20 are passed on";
  host->type = 2;
  EXPECT_EQ(g.type(), 0);
  EXPECT_TRUE(g.isValid());
  EXPECT_FALSE(g.isEmpty());
}

TEST_F(Gradients, StopsInPercentAndIndexChecks)
{
  hostsim::Gradient* host = makeGradient();
  Gradient g = handleOf(host);
  ASSERT_EQ(g.stopCount(), 2);
  EXPECT_EQ(g.stopAt(-1), nullptr);
  EXPECT_EQ(g.stopAt(2), nullptr);

  host->stops[1].position1 = 40;
  std::unique_ptr<Gradient::Stop> stop = g.stopAt(1);
  ASSERT_TRUE(stop);
  EXPECT_DOUBLE_EQ(stop->position1, 0.4);
  EXPECT_EQ(stop->color, ArtColor(1.0));

  Gradient::Stop clamped(1.5, -0.2, ArtColor(qor::aip::ArtColor::ArtColorRGB(0, 0.5, 1)), 2);
  EXPECT_EQ(clamped.position1, 1.0);
  EXPECT_EQ(clamped.position2, 0.0);
  EXPECT_EQ(clamped.opacity, 1.0);

  Gradient::Stop written(0.25, 0.5, ArtColor(qor::aip::ArtColor::ArtColorRGB(0, 0.5, 1)), 0.5);
  ASSERT_TRUE(g.setStop(0, written));
  EXPECT_EQ(host->stops[0].position1, 25);
  EXPECT_EQ(host->stops[0].position2, 50);
  EXPECT_EQ(host->stops[0].opacity, 0.5);
  std::unique_ptr<Gradient::Stop> back = g.stopAt(0);
  ASSERT_TRUE(back);
  EXPECT_EQ(back->color, written.color) << "the colour survives the host record";
  EXPECT_FALSE(g.setStop(2, written));

  Gradient::Stop inserted;
  ASSERT_TRUE(g.insertStop(2, inserted)) << "inserting at the count appends";
  EXPECT_EQ(g.stopCount(), 3);
  EXPECT_FALSE(g.insertStop(4, inserted));
  Gradient::Stop removed;
  ASSERT_TRUE(g.removeStop(0, removed));
  EXPECT_DOUBLE_EQ(removed.position1, 0.25);
  EXPECT_EQ(g.stopCount(), 2);
  Gradient::Stop untouched(0.7, 0.7, ArtColor(), 0.7);
  EXPECT_FALSE(g.removeStop(5, untouched));
  EXPECT_EQ(untouched.position1, 0.7) << "a refused index leaves the out stop alone";
}

TEST_F(Gradients, ColourAtALocationIsClamped)
{
  hostsim::Gradient* host = makeGradient();
  Gradient g = handleOf(host);
  ArtColor colour;
  ASSERT_TRUE(g.colorAt(2, colour));
  EXPECT_EQ(host->lastColorLocation, 100);
  EXPECT_EQ(colour, ArtColor(1.0));
  ASSERT_TRUE(g.colorAt(0.5, colour));
  EXPECT_EQ(host->lastColorLocation, 50);
  EXPECT_EQ(colour, ArtColor(0.5));
  host->stops.clear();
  ArtColor kept(0.3);
  EXPECT_FALSE(g.colorAt(0.5, kept));
  EXPECT_EQ(kept, ArtColor(0.3));
}

TEST_F(Gradients, HandlesShareOneRecordPerHostGradient)
{
  hostsim::Gradient* host = makeGradient();
  Gradient a = handleOf(host);
  qor::aip::Gradient* second = new qor::aip::Gradient(static_cast<GradientHandle>(host->handle()));
  Gradient b(second);
  EXPECT_EQ(second, nullptr) << "the duplicate implementation was deleted";
  EXPECT_EQ(a.data(), b.data());
  EXPECT_TRUE(a.equals(b));
  EXPECT_EQ(qor::core::handleGlobals()->gradientRegistry.size(), 1u);

  Gradient c = b;
  EXPECT_EQ(c.data()->count, 3);
  c = a;
  EXPECT_EQ(c.data()->count, 3) << "assigning within one record keeps the count";

  qor::aip::Gradient* none = nullptr;
  Gradient empty(none);
  EXPECT_TRUE(empty.isEmpty());
  EXPECT_FALSE(empty.equals(a));
  EXPECT_EQ(empty.name(), "");
  EXPECT_EQ(empty.stopAt(0), nullptr);
}

TEST_F(Gradients, DisposedGradientAnswersEmpty)
{
  hostsim::Gradient* host = makeGradient();
  Gradient g = handleOf(host);
  Gradient other = g;
  ASSERT_TRUE(g.dispose());
  EXPECT_EQ(other.name(), "");
  EXPECT_EQ(other.stopCount(), 0);
  EXPECT_FALSE(other.isValid());
  EXPECT_FALSE(g.dispose());
}

TEST_F(Gradients, GradientColourStyle)
{
  hostsim::Gradient* host = makeGradient();
  ColorRecord r{};
  r.kind = kGradientColor;
  r.gradient.gradient = static_cast<GradientHandle>(host->handle());
  r.gradient.origin = {10, 20};
  r.gradient.angle = 90;
  r.gradient.length = 5;
  r.gradient.matrix = {2, 0, 0, 2, 1, 1};
  r.gradient.highlightAngle = 45;
  ArtColor colour{qor::aip::ArtColor(r)};
  ArtColor::GradientStyle style = colour.gradientStyle();
  ASSERT_TRUE(style.gradient);
  EXPECT_EQ(style.gradient->name(), "Ramp");
  EXPECT_EQ(style.origin.x, 10);
  EXPECT_EQ(style.origin.y, -20) << "artboard orientation";
  EXPECT_DOUBLE_EQ(style.angle.radians(), M_PI / 2);
  EXPECT_DOUBLE_EQ(style.highlightAngle.degrees(), 45);
  EXPECT_EQ(style.length, 5);
  EXPECT_EQ(qor::core::transformMatrixImpl(style.matrix)->a, 2);

  EXPECT_EQ(ArtColor(0.5).gradientStyle().gradient, nullptr);
  EXPECT_EQ(colour.patternStyle().pattern, nullptr);
}

} // namespace gradientsTest
