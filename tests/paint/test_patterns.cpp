// Patterns and symbols of the simulated document: shared records across both kinds, kinds through the
// entry lookups, definition art, tile bounds, host checks and symbol instances.
#include "core/qorcoreArt.h"
#include "core/qorcoreSymbol.h"
#include "hostsimContainers.h"
#include "hostsimDocument.h"
#include "hostsimHandles.h"
#include "hostsimPaint.h"
#include "hostsimSvg.h"
#include "hostsimWorkspace.h"
#include "paintFixture.h"

namespace patternsTest {

using painttest::Paint;
using qor::core::Art;
using qor::core::Pattern;
using qor::core::Symbol;

class Patterns : public Paint {
protected:
  void SetUp() override
  {
    Paint::SetUp();
    doc = open("<path id='def' d='M0 0 L10 0 L10 20 Z'/><path id='target' d='M100 100 L110 100'/>");
    ASSERT_TRUE(doc);
    pattern = doc->make<hostsim::Pattern>(doc);
    pattern->name = "Dots";
    pattern->art = doc->findById("def");
    symbol = doc->make<hostsim::Symbol>(doc);
    symbol->name = "Star";
    symbol->art = doc->findById("def");
  }
  Pattern patternHandle() const
  {
    return qor::core::wrapPattern(new qor::aip::Pattern(pattern->handle()));
  }
  Symbol symbolHandle() const
  {
    return qor::core::wrapSymbol(new qor::aip::Symbol(static_cast<SymbolHandle>(symbol->handle())));
  }

  hostsim::Document* doc = nullptr;
  hostsim::Pattern* pattern = nullptr;
  hostsim::Symbol* symbol = nullptr;
};

TEST_F(Patterns, KindsByTheEntryLookups)
{
  hostsim::Counted::resetAudit();
  EXPECT_EQ(patternHandle().kind(), 20);
  EXPECT_EQ(symbolHandle().kind(), 30);
  hostsim::Gradient* gradient = doc->make<hostsim::Gradient>(doc);
  EXPECT_EQ(qor::core::wrapPattern(new qor::aip::Pattern(gradient->handle())).kind(), 10) << "the third lookup";
  ArtHandle art = static_cast<ArtHandle>(doc->findById("def")->handle());
  EXPECT_EQ(qor::core::wrapPattern(new qor::aip::Pattern(art)).kind(), 0) << "no lookup answers";
  EXPECT_EQ(hostsim::Counted::auditFailures(), 0) << "every entry reference was balanced";
}

TEST_F(Patterns, PatternAndSymbolHandlesShareOneRecord)
{
  Pattern asPattern = qor::core::wrapPattern(new qor::aip::Pattern(symbol->handle()));
  qor::aip::Symbol* impl = new qor::aip::Symbol(static_cast<SymbolHandle>(symbol->handle()));
  Symbol asSymbol(impl);
  EXPECT_EQ(impl, nullptr) << "the second implementation was deleted";
  EXPECT_EQ(asPattern.data(), asSymbol.data());
  EXPECT_TRUE(asPattern.equals(asSymbol));
  EXPECT_EQ(qor::core::handleGlobals()->patternRegistry.size(), 1u);

  // The record holds a plain pattern implementation: the symbol forms see no symbol.
  EXPECT_EQ(asSymbol.art(), nullptr);
  EXPECT_FALSE(asSymbol.isValid());
  EXPECT_TRUE(asSymbol.equalsSymbol(symbolHandle())) << "the same record: both count as having none";
  hostsim::Symbol* otherHost = doc->make<hostsim::Symbol>(doc);
  Symbol other = qor::core::wrapSymbol(new qor::aip::Symbol(static_cast<SymbolHandle>(otherHost->handle())));
  EXPECT_FALSE(asSymbol.equalsSymbol(other)) << "none against a real symbol";
  EXPECT_FALSE(other.equalsSymbol(asSymbol));
  EXPECT_FALSE(other.equals(asSymbol)) << "different host objects";
  EXPECT_EQ(asPattern.name(), "Star") << "names are read through the pattern suite for symbols too";
  EXPECT_EQ(asPattern.art(), nullptr) << "the pattern suite has no definition for a symbol";
}

TEST_F(Patterns, DefinitionArtNameAndValidity)
{
  Pattern p = patternHandle();
  EXPECT_TRUE(p.isValid());
  EXPECT_FALSE(p.isEmpty());
  std::unique_ptr<Art> art = p.art();
  ASSERT_TRUE(art);
  EXPECT_EQ(art->hostHandle(), static_cast<ArtHandle>(doc->findById("def")->handle()));
  Art target(static_cast<ArtHandle>(doc->findById("target")->handle()));
  p.setArt(target);
  EXPECT_EQ(pattern->art, doc->findById("target"));
  p.setName("Stripes");
  EXPECT_EQ(pattern->name, "Stripes");
  EXPECT_TRUE(p.hostFlag());
  EXPECT_TRUE(p.hostCheck(nullptr));

  Symbol s = symbolHandle();
  std::unique_ptr<Art> definition = s.art();
  ASSERT_TRUE(definition);
  EXPECT_TRUE(definition->equals(Art(static_cast<ArtHandle>(doc->findById("def")->handle()))));
  s.setArt(target);
  EXPECT_EQ(symbol->art, doc->findById("target"));
  EXPECT_TRUE(s.hostCheck(&target));
  EXPECT_EQ(symbol->lastCheckedArt, target.hostHandle()) << "the symbol form passes the art";
  EXPECT_TRUE(s.hostCheck(nullptr));
  EXPECT_EQ(symbol->lastCheckedArt, nullptr);
  EXPECT_TRUE(s.hostFlag());

  ASSERT_TRUE(s.dispose());
  EXPECT_FALSE(s.isValid());
  EXPECT_EQ(s.name(), "") << "a disposed object answers empty";
  EXPECT_EQ(s.kind(), 0);
}

TEST_F(Patterns, TileBoundsInArtboardOrientation)
{
  pattern->tile = {0, 100, 50, 20};
  qor::core::ArtboardRect r = patternHandle().tileBounds();
  EXPECT_EQ(r.origin.x, 0);
  EXPECT_EQ(r.origin.y, -100);
  EXPECT_EQ(r.size.width, 50);
  EXPECT_EQ(r.size.height, 80);
  Pattern empty = Pattern::PatternEmpty();
  qor::core::ArtboardRect none = empty.tileBounds();
  EXPECT_EQ(none.origin.x, 0);
  EXPECT_EQ(none.size.width, 0);
  EXPECT_TRUE(empty.isEmpty());
  EXPECT_FALSE(empty.equals(patternHandle()));
  EXPECT_TRUE(empty.equals(Pattern::PatternEmpty()));
}

TEST_F(Patterns, SymbolInstancesArePlacedAtThePosition)
{
  Symbol s = symbolHandle();
  std::unique_ptr<Art> instance = s.placeInstance(qor::core::ArtboardPoint(50, -60), 150, nullptr);
  ASSERT_TRUE(instance);
  EXPECT_EQ(instance->type(), qor::core::ArtTypeSymbolInstance);
  hostsim::Art* placed = hostsim::lookup<hostsim::Art>(instance->hostHandle());
  ASSERT_TRUE(placed && placed->result);
  hostsim::Rect box;
  placed->result->bounds(box);
  EXPECT_DOUBLE_EQ((box.left + box.right) / 2, 50);
  EXPECT_DOUBLE_EQ((box.top + box.bottom) / 2, 60) << "host orientation";

  Art target(static_cast<ArtHandle>(doc->findById("target")->handle()));
  std::unique_ptr<Art> above = s.placeInstance(qor::core::ArtboardPoint(0, 0), 100, &target);
  ASSERT_TRUE(above);
  EXPECT_EQ(hostsim::lookup<hostsim::Art>(above->hostHandle())->parent, doc->findById("target")->parent)
      << "placed beside the relative art";
}

} // namespace patternsTest

namespace patternsTest {

TEST_F(Patterns, SavedInstancesKeepTheirPlacedGeometry)
{
  Symbol s = symbolHandle();
  std::unique_ptr<Art> instance = s.placeInstance(qor::core::ArtboardPoint(50, -60), 150, nullptr);
  ASSERT_TRUE(instance);
  std::string svg = hostsim::Svg::write(*doc);
  EXPECT_NE(svg.find("<use href=\"#symbol-1\" transform=\"matrix(1 0 0 1 45 -70)\""), std::string::npos)
      << "the placement, in SVG orientation: " << svg;

  std::string error;
  hostsim::Document* again = hostsim::Workspace::instance().openSvgText(svg, "again", error);
  ASSERT_TRUE(again) << error;
  int instances = 0;
  again->forEachArt([&](hostsim::Art* a) {
    hostsim::Rect box;
    if (a->type == hostsim::Art::kSymbolInstance && a->bounds(box)) {
      ++instances;
      EXPECT_EQ(a->symbol->name, "Star");
      EXPECT_DOUBLE_EQ((box.left + box.right) / 2, 50);
      EXPECT_DOUBLE_EQ((box.top + box.bottom) / 2, 60);
    }
  });
  EXPECT_EQ(instances, 1);
}

} // namespace patternsTest
