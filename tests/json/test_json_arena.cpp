// The chunk allocator under the nodes: blocks never overlap, and chunks go back once all their blocks
// are freed, whichever thread frees them.
#include "json/qorjsonArena.h"

#include <gtest/gtest.h>

#include <cstring>
#include <thread>
#include <vector>

using qor::json::Arena;

TEST(JsonArena, BlocksDoNotOverlapAndChunksComeBackWhenFreedOnAnotherThread) {
    const size_t sizes[] = {48, 16, 24, 100, 8, 2048, 4000};
    for (int round = 0; round < 3; ++round) {
        std::vector<std::pair<unsigned char *, size_t>> blocks;
        std::thread maker([&] {
            for (size_t i = 0; i < 60000; ++i) {
                size_t n = sizes[i % 7];
                auto *p = static_cast<unsigned char *>(Arena::carve(n));
                std::memset(p, static_cast<int>(i & 0xff), n);
                blocks.emplace_back(p, n);
            }
        });
        maker.join(); // the maker's chunk in use is sealed as it exits
        EXPECT_GT(Arena::chunksHeld(), 20);
        std::thread freer([&] {
            for (size_t i = 0; i < blocks.size(); ++i) {
                auto [p, n] = blocks[i];
                for (size_t k = 0; k < n; ++k)
                    if (p[k] != static_cast<unsigned char>(i & 0xff)) {
                        ADD_FAILURE() << "block " << i << " overwritten";
                        break;
                    }
                Arena::giveBack(p, n);
            }
        });
        freer.join();
        // Only the few spare chunks kept for reuse remain.
        EXPECT_LE(Arena::chunksHeld(), 16) << "round " << round;
    }
}

TEST(JsonArena, ChunkInUseIsStartedOverOnceEmpty) {
    const int64_t before = Arena::chunksHeld();
    std::vector<void *> blocks;
    for (int round = 0; round < 50; ++round) {
        for (int i = 0; i < 2000; ++i) blocks.push_back(Arena::carve(48));
        for (void *p : blocks) Arena::giveBack(p, 48);
        blocks.clear();
    }
    // 50 rounds of 96 KB each fit in a handful of chunks.
    EXPECT_LE(Arena::chunksHeld(), before + 3);
}
