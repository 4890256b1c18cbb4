#include "json/qorjsonArena.h"

#include <cstdlib>
#include <mutex>
#include <vector>

namespace qor {
namespace json {

namespace qorjsonArena_detail {
// A few empty chunks are kept for the next document; the rest go back to the heap.
constexpr size_t spareLimit = 16;
std::mutex &spareMutex() {
    static std::mutex *m = new std::mutex; // lives to the end of the process
    return *m;
}
std::vector<void *> &spares() {
    static std::vector<void *> *v = new std::vector<void *>;
    return *v;
}
std::atomic<int64_t> held{0};
} // namespace qorjsonArena_detail

struct Arena::Sealer {
    ~Sealer() { local().seal(); }
};

void Arena::release(Chunk *c) {
    using namespace qorjsonArena_detail;
    c->~Chunk();
    {
        std::lock_guard<std::mutex> lock(spareMutex());
        if (spares().size() < spareLimit) {
            spares().push_back(c);
            return;
        }
    }
    held.fetch_sub(1, std::memory_order_relaxed);
    std::free(c);
}

int64_t Arena::chunksHeld() { return qorjsonArena_detail::held.load(std::memory_order_relaxed); }

void Arena::Local::refill() {
    using namespace qorjsonArena_detail;
    if (chunk && chunk->live.load(std::memory_order_acquire) == open - allocs) {
        // Every block handed out from this chunk is free again: start it over.
        next = reinterpret_cast<char *>(chunk) + sizeof(Chunk);
        allocs = 0;
        return;
    }
    if (chunk) {
        seal();
    } else {
        static thread_local Sealer sealer;
        (void)sealer;
    }
    void *mem = nullptr;
    {
        std::lock_guard<std::mutex> lock(spareMutex());
        if (!spares().empty()) {
            mem = spares().back();
            spares().pop_back();
        }
    }
    if (!mem) {
        mem = std::aligned_alloc(chunkSize, chunkSize);
        if (!mem) throw std::bad_alloc();
        held.fetch_add(1, std::memory_order_relaxed);
    }
    chunk = new (mem) Chunk{};
    chunk->live.store(open, std::memory_order_relaxed);
    next = static_cast<char *>(mem) + sizeof(Chunk);
    end = static_cast<char *>(mem) + chunkSize;
    allocs = 0;
}

// Hands the chunk over to its remaining blocks: the last one freed releases it.
void Arena::Local::seal() {
    if (!chunk) return;
    Chunk *sealed = chunk;
    chunk = nullptr;
    next = end = nullptr;
    if (sealed->live.fetch_add(allocs - open, std::memory_order_acq_rel) + (allocs - open) == 0) release(sealed);
    allocs = 0;
}

} // namespace json
} // namespace qor
