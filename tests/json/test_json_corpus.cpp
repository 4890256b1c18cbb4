// Replays the fuzzer's seed corpus: no input may crash, and what reads must write back stably.
#include "json/qorjsonNode.h"
#include "json/qorjsonReader.h"
#include "json/qorjsonWriter.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

using qor::json::NodePtr;

TEST(JsonCorpus, EverySeedReadsSafelyAndWritesBackStably) {
    const std::filesystem::path dir = std::filesystem::path(QOR_TEST_DATA) / "json_corpus";
    size_t seeds = 0, accepted = 0;
    for (const auto &entry : std::filesystem::directory_iterator(dir)) {
        std::ifstream in(entry.path(), std::ios::binary);
        std::stringstream buf;
        buf << in.rdbuf();
        const std::string name = entry.path().filename().string();
        ++seeds;
        NodePtr first(qor::json::parseJson(buf.str()));
        // Seeds named bad_* are texts the reader must refuse.
        EXPECT_EQ(static_cast<bool>(first), name.rfind("bad_", 0) != 0) << name;
        if (!first) continue;
        ++accepted;
        std::string compact1 = qor::json::writeJson(first.get(), false, 0);
        NodePtr second(qor::json::parseJson(compact1));
        NodePtr fromIndented(qor::json::parseJson(qor::json::writeJson(first.get(), true, 0)));
        ASSERT_TRUE(second && fromIndented) << name;
        std::string compact2 = qor::json::writeJson(second.get(), false, 0);
        EXPECT_EQ(qor::json::writeJson(fromIndented.get(), false, 0), compact2) << name;
        NodePtr third(qor::json::parseJson(compact2));
        ASSERT_TRUE(third) << name;
        EXPECT_EQ(qor::json::writeJson(third.get(), false, 0), compact2) << name;
    }
    EXPECT_GT(seeds, 10u);
    EXPECT_GT(accepted, 5u);
}
