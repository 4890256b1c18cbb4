#include "support/golden.h"

#include <cstdlib>
#include <filesystem>
#include <sstream>

namespace qortest {

namespace {

int channelDifference(uint32_t a, uint32_t b)
{
  int most = 0;
  for (int shift = 0; shift < 32; shift += 8)
    most = std::max(most, std::abs(static_cast<int>(a >> shift & 0xFF) - static_cast<int>(b >> shift & 0xFF)));
  return most;
}

} // namespace

::testing::AssertionResult matchesGolden(const qorwin::Picture& actual, const std::string& name,
                                         int channelTolerance, int maxDifferent)
{
  const std::string reference = std::string(QOR_SOURCE_DIR) + "/tests/goldens/" + name + ".png";
  if (actual.empty())
    return ::testing::AssertionFailure() << "no picture for " << name;
  const char* update = std::getenv("QOR_UPDATE_GOLDENS");
  if (update && std::string(update) == "1") {
    if (!actual.savePng(reference))
      return ::testing::AssertionFailure() << "cannot write " << reference;
    return ::testing::AssertionSuccess() << "rewrote " << reference;
  }
  qorwin::Picture expected = qorwin::Picture::loadPng(reference);
  int different = 0;
  qorwin::Picture diff = actual;
  const bool sameSize = expected.width == actual.width && expected.height == actual.height;
  for (int y = 0; y < actual.height; ++y)
    for (int x = 0; x < actual.width; ++x) {
      uint32_t a = actual.at(x, y);
      bool differs = !sameSize || channelDifference(a, expected.at(x, y)) > channelTolerance;
      different += differs;
      uint32_t grey = ((a >> 16 & 0xFF) + (a >> 8 & 0xFF) + (a & 0xFF)) / 3 / 3 + 170;
      diff.pixels[static_cast<size_t>(y) * actual.width + x] =
          differs ? 0xFFFF0000u : 0xFF000000u | grey << 16 | grey << 8 | grey;
    }
  if (sameSize && different <= maxDifferent)
    return ::testing::AssertionSuccess();
  const std::string folder = std::string(QOR_GOLDEN_OUTPUT);
  std::filesystem::create_directories(folder);
  const std::string actualFile = folder + "/" + name + ".actual.png", diffFile = folder + "/" + name + ".diff.png";
  actual.savePng(actualFile);
  diff.savePng(diffFile);
  std::ostringstream why;
  if (expected.empty())
    why << "no reference picture " << reference << " (QOR_UPDATE_GOLDENS=1 writes it)";
  else if (!sameSize)
    why << "the picture is " << actual.width << "x" << actual.height << ", the reference " << expected.width << "x"
        << expected.height;
  else
    why << different << " pixels differ from " << reference;
  return ::testing::AssertionFailure() << name << ": " << why.str() << "; see " << actualFile << " and " << diffFile;
}

} // namespace qortest
