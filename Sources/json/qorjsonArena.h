// Bump allocation for JSON nodes and their child vectors: each thread carves blocks in order out of
// 64 KB chunks, and a chunk goes back to the heap once every block in it has been freed. A document
// read in one go thus lies contiguous in memory, and allocating a block costs a pointer bump.
// Sanitizer builds use plain new and delete, so use-after-free of a node is still caught there.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <new>

#if defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(thread_sanitizer)
#define QOR_JSON_PLAIN_ALLOCATION 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
#define QOR_JSON_PLAIN_ALLOCATION 1
#endif

namespace qor {
namespace json {

class Arena {
public:
    static constexpr size_t chunkSize = size_t(1) << 16;
    // Larger blocks come from the heap directly.
    static constexpr size_t largest = 2048;

    static void *allocate(size_t bytes) {
#ifdef QOR_JSON_PLAIN_ALLOCATION
        return ::operator new(bytes);
#else
        return carve(bytes);
#endif
    }

    // bytes is the size given to allocate. A block may be freed on any thread.
    static void deallocate(void *p, size_t bytes) {
#ifdef QOR_JSON_PLAIN_ALLOCATION
        (void)bytes;
        ::operator delete(p);
#else
        giveBack(p, bytes);
#endif
    }

    // The chunk allocation itself, whatever the build.
    static void *carve(size_t bytes) {
        if (bytes > largest) return ::operator new(bytes);
        bytes = (bytes + 7) & ~size_t(7);
        Local &l = local();
        if (static_cast<size_t>(l.end - l.next) < bytes) l.refill();
        char *p = l.next;
        l.next += bytes;
        ++l.allocs;
        return p;
    }
    static void giveBack(void *p, size_t bytes) {
        if (bytes > largest) {
            ::operator delete(p);
            return;
        }
        Chunk *c = reinterpret_cast<Chunk *>(reinterpret_cast<uintptr_t>(p) & ~(chunkSize - 1));
        if (c->live.fetch_sub(1, std::memory_order_acq_rel) == 1) release(c);
    }
    // Chunks obtained from the heap and not yet returned to it, for tests.
    static int64_t chunksHeld();

private:
    // The live count of a chunk in use is biased by `open`, so that frees never reach 0 before the
    // owning thread has stopped allocating from it and added its real number of blocks.
    static constexpr int64_t open = int64_t(1) << 48;
    struct alignas(64) Chunk {
        std::atomic<int64_t> live;
    };
    struct Local {
        Chunk *chunk = nullptr;
        char *next = nullptr;
        char *end = nullptr;
        int64_t allocs = 0;
        void refill();
        void seal();
    };
    // Trivial, so the allocation path needs no guard for thread-local construction; the chunk in use
    // is sealed at thread exit by a separate object that refill sets up.
    static Local &local() {
        static thread_local Local l;
        return l;
    }
    struct Sealer;
    static void release(Chunk *c);
};

// Allocator for the standard containers inside nodes.
template <class T>
struct ArenaAllocator {
    using value_type = T;
    ArenaAllocator() = default;
    template <class U>
    ArenaAllocator(const ArenaAllocator<U> &) {}
    T *allocate(size_t n) { return static_cast<T *>(Arena::allocate(n * sizeof(T))); }
    void deallocate(T *p, size_t n) { Arena::deallocate(p, n * sizeof(T)); }
    template <class U>
    bool operator==(const ArenaAllocator<U> &) const { return true; }
    template <class U>
    bool operator!=(const ArenaAllocator<U> &) const { return false; }
};

} // namespace json
} // namespace qor
