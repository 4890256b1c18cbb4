// The byte string of a JSON name or text value in 16 bytes: up to 15 bytes in place, longer texts in
// arena storage. Texts are moved by copying their bytes, so containers may relocate them with memmove.
#pragma once

#include "json/qorjsonArena.h"

#include <cstdint>
#include <cstring>
#include <stdexcept>
#include <string>
#include <string_view>

namespace qor {
namespace json {

class Text {
public:
    Text() { clearBytes(); }
    explicit Text(std::string_view v) { init(v); }
    Text(const Text &other) { init(other.view()); }
    Text &operator=(const Text &other) {
        if (this != &other) assign(other.view());
        return *this;
    }
    ~Text() { freeHeap(); }

    void assign(std::string_view v) {
        if (isHeap() && v.data() >= heap_.ptr && v.data() < heap_.ptr + heap_.size) {
            Text copy(v); // v lies inside this text
            swapBytes(copy);
            return;
        }
        freeHeap();
        init(v);
    }
    std::string_view view() const {
        return isHeap() ? std::string_view(heap_.ptr, heap_.size)
                        : std::string_view(bytes_, static_cast<unsigned char>(bytes_[15]));
    }
    size_t size() const { return view().size(); }
    bool empty() const { return size() == 0; }
    operator std::string_view() const { return view(); }
    operator std::string() const { return std::string(view()); }
    bool operator==(std::string_view v) const { return view() == v; }
    bool operator!=(std::string_view v) const { return view() != v; }

private:
    static constexpr unsigned char heapTag = 0x80;
    bool isHeap() const { return static_cast<unsigned char>(bytes_[15]) == heapTag; }
    void clearBytes() { std::memset(bytes_, 0, sizeof bytes_); }
    void init(std::string_view v) {
        clearBytes();
        if (v.size() <= 15) {
            if (!v.empty()) std::memcpy(bytes_, v.data(), v.size());
            bytes_[15] = static_cast<char>(v.size());
            return;
        }
        if (v.size() > UINT32_MAX) throw std::length_error("JSON text too long");
        char *p = static_cast<char *>(Arena::allocate(v.size()));
        std::memcpy(p, v.data(), v.size());
        heap_.ptr = p;
        heap_.size = static_cast<uint32_t>(v.size());
        bytes_[15] = static_cast<char>(heapTag);
    }
    void freeHeap() {
        if (isHeap()) Arena::deallocate(heap_.ptr, heap_.size);
    }
    void swapBytes(Text &other) {
        char tmp[16];
        std::memcpy(tmp, bytes_, 16);
        std::memcpy(bytes_, other.bytes_, 16);
        std::memcpy(other.bytes_, tmp, 16);
    }

    struct Heap {
        char *ptr;
        uint32_t size;
    };
    union {
        char bytes_[16];
        Heap heap_;
    };
};

} // namespace json
} // namespace qor
