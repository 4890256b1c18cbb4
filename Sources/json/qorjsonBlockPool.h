// Fixed-size block pool for JSON nodes and member-map entries: freed blocks are kept for reuse, so
// reading a document again does not go back to the system for memory. Sanitizer builds use plain
// new and delete, so use-after-free of a node is still caught there.
#pragma once

#include <cstddef>
#include <mutex>
#include <new>
#include <vector>

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

template <size_t Size>
class BlockPool {
public:
    static constexpr size_t blockSize = (Size + 15) / 16 * 16;

    static void *allocate() {
#ifdef QOR_JSON_PLAIN_ALLOCATION
        return ::operator new(blockSize);
#else
        FreeBlock *&head = freeList();
        if (!head) refill(head);
        FreeBlock *b = head;
        head = b->next;
        return b;
#endif
    }

    static void deallocate(void *p) {
#ifdef QOR_JSON_PLAIN_ALLOCATION
        ::operator delete(p);
#else
        // A block freed on another thread joins that thread's list; slabs are never returned.
        auto *b = static_cast<FreeBlock *>(p);
        b->next = freeList();
        freeList() = b;
#endif
    }

private:
    struct FreeBlock {
        FreeBlock *next;
    };

    static FreeBlock *&freeList() {
        thread_local FreeBlock *head = nullptr;
        return head;
    }

    static void refill(FreeBlock *&head) {
        constexpr size_t count = 1024;
        char *slab = static_cast<char *>(::operator new(blockSize * count));
        {
            static std::mutex mutex;
            static std::vector<char *> *slabs = new std::vector<char *>; // kept to the end of the process
            std::lock_guard<std::mutex> lock(mutex);
            slabs->push_back(slab);
        }
        for (size_t i = count; i-- > 0;) {
            auto *b = reinterpret_cast<FreeBlock *>(slab + i * blockSize);
            b->next = head;
            head = b;
        }
    }
};

// Allocator for node-based containers: single objects come from the pool.
template <class T>
struct PoolAllocator {
    using value_type = T;
    PoolAllocator() = default;
    template <class U>
    PoolAllocator(const PoolAllocator<U> &) {}
    T *allocate(size_t n) {
        if (n == 1) return static_cast<T *>(BlockPool<sizeof(T)>::allocate());
        return static_cast<T *>(::operator new(n * sizeof(T)));
    }
    void deallocate(T *p, size_t n) {
        if (n == 1)
            BlockPool<sizeof(T)>::deallocate(p);
        else
            ::operator delete(p);
    }
    template <class U>
    bool operator==(const PoolAllocator<U> &) const { return true; }
    template <class U>
    bool operator!=(const PoolAllocator<U> &) const { return false; }
};

} // namespace json
} // namespace qor
