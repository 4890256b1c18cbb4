// The module's resources as the build installs them beside it: the started plug-in finds each image
// the framework and the client ask for, as a PNG of the size its scale step needs.
#include "core/qorcorePlugin.h"
#include "lifecycleTestSupport.h"

#include <cstdint>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <string>
#include <vector>

namespace test_resources {

const int32_t kPngi = 0x504E4749;

struct ImageSet
{
  const char* label;
  std::vector<int> ids;
  // Pixel sizes by position in the id list, repeated.
  std::vector<std::pair<uint32_t, uint32_t>> sizes;
};

void PrintTo(const ImageSet& set, std::ostream* out)
{
  *out << set.label;
}

// Ids base + offset + scale step, for every offset.
std::vector<int> steps(int base, std::vector<int> offsets)
{
  std::vector<int> ids;
  for (int offset : offsets)
    for (int step = 0; step < 3; ++step)
      ids.push_back(base + offset + step);
  return ids;
}

const std::vector<std::pair<uint32_t, uint32_t>> boxSizes = {{12, 13}, {18, 20}, {24, 26}};
const std::vector<int> boxOffsets = {0, 10, 20, 30, 40, 50, 60, 70, 80, 90, 100, 110};

class ResourceLoading : public lifecycletest::StartedPlugin
{
protected:
  std::vector<char> load(int id)
  {
    std::vector<char> bytes;
    EXPECT_TRUE(qor::core::Plugin::instance()->resourceDataById(kPngi, int16_t(id), bytes)) << id;
    return bytes;
  }
  static uint32_t be32(const std::vector<char>& bytes, size_t at)
  {
    uint32_t value = 0;
    for (size_t i = 0; i < 4; ++i)
      value = (value << 8) | uint8_t(bytes[at + i]);
    return value;
  }
};

class Resources : public ResourceLoading, public ::testing::WithParamInterface<ImageSet>
{
};

TEST_P(Resources, EveryImageLoadsAsAPngOfItsScaleStepsSize)
{
  const ImageSet& set = GetParam();
  for (size_t i = 0; i < set.ids.size(); ++i) {
    std::vector<char> png = load(set.ids[i]);
    ASSERT_GT(png.size(), 24u) << set.ids[i];
    EXPECT_EQ(std::string(png.data(), 8), "\x89PNG\r\n\x1a\n") << set.ids[i];
    auto size = set.sizes[i % set.sizes.size()];
    EXPECT_EQ(be32(png, 16), size.first) << set.ids[i];
    EXPECT_EQ(be32(png, 20), size.second) << set.ids[i];
  }
}

INSTANTIATE_TEST_SUITE_P(
    Sets, Resources,
    ::testing::Values(ImageSet{"checkBoxes", steps(300, boxOffsets), boxSizes},
                      ImageSet{"radioButtons", steps(500, boxOffsets), boxSizes},
                      ImageSet{"alertIcons", {200, 201, 202, 210, 211, 212}, {{30, 30}, {45, 45}, {60, 60}}},
                      ImageSet{"defaultPanelIcons", {2501, 2502, 2503}, {{20, 20}, {30, 30}, {40, 40}}},
                      ImageSet{"panelIcons", {16700, 16701, 16704, 16705}, {{20, 20}, {40, 40}}},
                      ImageSet{"aboutTitle", {16500}, {{300, 104}}}),
    [](const auto& info) { return std::string(info.param.label); });

TEST_F(ResourceLoading, TheBytesAreTheInstalledFilesAndUnknownIdsAreMissing)
{
  std::ifstream file(std::string(QOR_SOURCE_DIR) + "/plugin/resources/504E4749_16700.png", std::ios::binary);
  std::vector<char> source((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  ASSERT_FALSE(source.empty());
  EXPECT_EQ(load(16700), source);
  std::vector<char> none;
  EXPECT_FALSE(qor::core::Plugin::instance()->resourceDataById(kPngi, 16702, none));
  EXPECT_FALSE(qor::core::Plugin::instance()->resourceDataById(0x53564720, 16700, none));
  EXPECT_TRUE(none.empty());
}

} // namespace test_resources
