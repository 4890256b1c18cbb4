// Converters between the framework's codes and the host's.
#include <gtest/gtest.h>

#include "core/qorcoreArt.h"
#include "core/qorcoreEnumConverters.h"
#include "core/qorcoreHitData.h"

namespace messagesTest_converters {

using namespace qor::core;

TEST(EnumConverters, ArtTypes)
{
  EXPECT_EQ(artTypeFromHost(1), 100);
  EXPECT_EQ(artTypeFromHost(7), 200);
  EXPECT_EQ(artTypeFromHost(15), 360);
  for (int32_t v : {0, 4, 5, 6, 8, 16})
    EXPECT_EQ(artTypeFromHost(v), 0) << v;
  EXPECT_EQ(artTypeMaskToHostList(0x3), (std::vector<int32_t>{1, 2}));
  EXPECT_EQ(artTypeMaskToHostList(0x418), (std::vector<int32_t>{7, 9, 15}));
  EXPECT_TRUE(artTypeMaskToHostList(0x800).empty());
  EXPECT_TRUE(artTypeMaskToHostList(0).empty());
  EXPECT_EQ(artTypeMaskToHostList(-1), (std::vector<int32_t>{-1}));
  EXPECT_EQ(artTypeMaskToHostList(-2), (std::vector<int32_t>{2, 3, 7, 9, 10, 11, 12, 13, 14, 15}));
}

TEST(EnumConverters, AttributeBits)
{
  EXPECT_EQ(artAttributesToHost(0x6), 0xA);
  EXPECT_EQ(artAttributesToHost(0x1000), 0);
  EXPECT_EQ(artMatchAttributesToHost(0x1000), 0x40);
  // The twenty rows are a permutation of the lowest twenty bits.
  EXPECT_EQ(artMatchAttributesToHost(0xFFFFF), 0xFFFFF);
  EXPECT_EQ(artMatchAttributesToHost(0x400), 0x40000);
}

TEST(EnumConverters, NamedOptionBitsBecomeTheHostsBits)
{
  const struct
  {
    int32_t client, host;
    const char* what;
  } attributes[] = {{ArtAttributeSelected, 0x1, "selected"},       {ArtAttributeFullySelected, 0x8, "fully selected"},
                    {ArtAttributeLocked, 0x2, "locked"},           {ArtAttributeHidden, 0x4, "hidden"},
                    {ArtAttributeClipMask, 0x1000, "clipping mask"}, {ArtAttribute80, 0x10000, "0x80"},
                    {ArtAttribute400, 0x40000, "0x400"}};
  for (const auto& a : attributes)
    EXPECT_EQ(artAttributesToHost(a.client), a.host) << a.what;
  EXPECT_EQ(artAttributesToHost(ArtAttributeSelected | ArtAttributeFullySelected), 0x9) << "the select mask";

  EXPECT_EQ(expandOptionsToHost(ExpandOption1 | ExpandOption40), 0x41) << "low bits unchanged";
  EXPECT_EQ(expandOptionsToHost(ExpandOption80), 0x4000);
  EXPECT_EQ(expandOptionsToHost(ExpandOption100), 0x8000);
  EXPECT_EQ(expandOptionsToHost(ExpandOption200), 0x10000);
  EXPECT_EQ(expandOptionsToHost(ExpandOptions(0x400)), 0) << "other bits dropped";

  EXPECT_EQ(transformOptionsToHost(TransformOption8), 0x400);
  EXPECT_EQ(transformOptionsToHost(TransformOption10), 0x8);
  EXPECT_EQ(transformOptionsToHost(TransformOption1 | TransformOption80), 0x81);
  EXPECT_EQ(transformOptionsToHost(TransformOptions(0x100)), 0) << "other bits dropped";

  // The whole request values pass as they are; other requests keep only their named bits.
  for (HitRequest whole : {HitAllPoints, HitPointsAndSegments, HitAllButGuides, HitAll})
    EXPECT_EQ(hitTypeFromHost(whole), whole);
  EXPECT_EQ(hitTypeFromHost(HitAnchorPoints | HitGuides | HitRequest(0x20)), HitAnchorPoints | HitGuides);
  EXPECT_EQ(HitAllPoints, HitAnchorPoints | HitInHandles | HitOutHandles);
  EXPECT_EQ(HitPointsAndSegments, HitAnchorPoints | HitSegments);
}

TEST(EnumConverters, HitTypesAndOrders)
{
  EXPECT_EQ(hitTypeFromHost(0x1F), 0x1F);
  EXPECT_EQ(hitTypeFromHost(0x20), 0);
  EXPECT_EQ(hitTypeFromHost(0x10001), 0x10001);
  EXPECT_EQ(hitTypeFromHost(-65537), -65537);
  EXPECT_EQ(hitTypeToHost(-1), -1);
  EXPECT_EQ(hitTypeToHost(7), 7);
  EXPECT_EQ(hitTypeToHost(0x3F), 0x1F);
  EXPECT_EQ(paintOrderToHost(100), 1);
  EXPECT_EQ(paintOrderToHost(150), 6);
  EXPECT_EQ(paintOrderToHost(140), 5);
  EXPECT_EQ(paintOrderToHost(0), 5);
  for (int32_t v : {1, 0, 10})
    EXPECT_EQ(refPointToImpl(v), 1) << v;
  EXPECT_EQ(refPointToImpl(5), 5);
  EXPECT_EQ(refPointToImpl(9), 9);
}

TEST(EnumConverters, TextEngineFamilies)
{
  EXPECT_EQ(ate0to2ToCore100s(0), 100);
  EXPECT_EQ(ate0to2ToCore100s(7), 100);
  EXPECT_EQ(ate0to2ToCore100s(2), 120);
  EXPECT_EQ(core100sToAte0to2(120), 2);
  EXPECT_EQ(core100sToAte0to2(100), 0);
  EXPECT_EQ(ate0to2ToCore10s(7), 0);
  EXPECT_EQ(ate0to2ToCore10s(0), 10);
  EXPECT_EQ(core10sToAte0to2(10), 0);
  EXPECT_EQ(core10sToAte0to2(30), 2);
  EXPECT_EQ(ate0to3ToCore10s(3), 40);
  EXPECT_EQ(core10sToAte0to3(40), 3);
  EXPECT_EQ(ate0to4ToCore10s(4), 50);
  EXPECT_EQ(core10sToAte0to4(50), 4);
  EXPECT_EQ(core10sToAte0to1(10), 0);
  EXPECT_EQ(core10sToAte0to1(30), 0);
  EXPECT_EQ(core10sToAte0to1(20), 1);
  EXPECT_EQ(ate0to6ToCore100to300(3), 200);
  EXPECT_EQ(ate0to6ToCore100to300(0), 100);
  EXPECT_EQ(core100to300ToAte0to6(300), 6);
  EXPECT_EQ(core100to300ToAte0to6(100), 0);
}

} // namespace messagesTest_converters
