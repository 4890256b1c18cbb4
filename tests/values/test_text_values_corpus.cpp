// Replays the text_values fuzz target's seed corpus through the same checks.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "../../fuzz/text_values_checks.h"

TEST(TextValuesCorpus, EverySeedPassesTheFuzzChecks)
{
  const std::filesystem::path dir = std::filesystem::path(QOR_SOURCE_DIR) / "fuzz" / "corpus" / "text_values";
  size_t seeds = 0;
  for (const auto& entry : std::filesystem::directory_iterator(dir)) {
    std::ifstream in(entry.path(), std::ios::binary);
    // Exactly the seed's bytes on the heap, so the sanitizer sees any read past them.
    std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const char* failed = textValuesFuzz::checkTextValues(bytes.data(), bytes.size());
    EXPECT_EQ(failed, nullptr) << entry.path().filename() << ": " << (failed ? failed : "");
    ++seeds;
  }
  EXPECT_GE(seeds, 15u);
}
