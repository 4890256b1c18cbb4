// A compact vector (16 bytes) for the children of JSON containers, with arena storage. Its elements
// are relocated with memmove, which suits node pointers and (text, node) member entries.
#pragma once

#include "json/qorjsonArena.h"

#include <cstdint>
#include <cstring>
#include <new>
#include <stdexcept>
#include <utility>

namespace qor {
namespace json {

template <class T>
class Vector {
public:
    using value_type = T;
    using const_iterator = const T *;

    Vector() = default;
    Vector(const Vector &) = delete;
    Vector &operator=(const Vector &) = delete;
    ~Vector() {
        clear();
        if (data_) Arena::deallocate(data_, cap_ * sizeof(T));
    }

    size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }
    const T *begin() const { return data_; }
    const T *end() const { return data_ + size_; }
    T *begin() { return data_; }
    T *end() { return data_ + size_; }
    const T &operator[](size_t i) const { return data_[i]; }
    T &operator[](size_t i) { return data_[i]; }
    const T &back() const { return data_[size_ - 1]; }

    void reserve(size_t n) {
        if (n <= cap_) return;
        if (n > UINT32_MAX) throw std::length_error("JSON container too large");
        T *grown = static_cast<T *>(Arena::allocate(n * sizeof(T)));
        if (size_) std::memcpy(static_cast<void *>(grown), static_cast<const void *>(data_), size_ * sizeof(T));
        if (data_) Arena::deallocate(data_, cap_ * sizeof(T));
        data_ = grown;
        cap_ = static_cast<uint32_t>(n);
    }
    template <class... A>
    T &emplaceAt(size_t index, A &&...args) {
        if (size_ == cap_) reserve(cap_ ? 2 * size_t(cap_) : 4);
        T *at = data_ + index;
        if (index < size_) std::memmove(static_cast<void *>(at + 1), static_cast<const void *>(at), (size_ - index) * sizeof(T));
        new (at) T(std::forward<A>(args)...);
        ++size_;
        return *at;
    }
    template <class... A>
    T &emplaceBack(A &&...args) {
        return emplaceAt(size_, std::forward<A>(args)...);
    }
    void eraseAt(size_t index) {
        T *at = data_ + index;
        at->~T();
        std::memmove(static_cast<void *>(at), static_cast<const void *>(at + 1), (size_ - index - 1) * sizeof(T));
        --size_;
    }
    void clear() {
        for (uint32_t i = 0; i < size_; ++i) data_[i].~T();
        size_ = 0;
    }

private:
    T *data_ = nullptr;
    uint32_t size_ = 0;
    uint32_t cap_ = 0;
};

} // namespace json
} // namespace qor
