#include "json/qorjsonWriter.h"

#include "json/qorjsonNode.h"

#include <algorithm>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <new>

namespace qor {
namespace json {

// The text being written, in a buffer grown ahead of need (realloc moves large blocks without
// copying), so each piece is a bounds check and a copy; the caller's string receives it at the end.
class Writer::Output {
public:
    explicit Output(std::string &s) : s_(s) {}
    ~Output() {
        s_.append(data_, static_cast<size_t>(p_ - data_));
        std::free(data_);
    }
    char *reserve(size_t n) {
        if (static_cast<size_t>(end_ - p_) < n) grow(n);
        return p_;
    }
    void commit(char *to) { p_ = to; }
    void put(char c) {
        reserve(1);
        *p_++ = c;
    }
    void put(const char *d, size_t n) {
        reserve(n);
        std::memcpy(p_, d, n);
        p_ += n;
    }
    void put(std::string_view v) { put(v.data(), v.size()); }
    void tabs(uint32_t n) {
        reserve(n);
        std::memset(p_, '\t', n);
        p_ += n;
    }

private:
    void grow(size_t n) {
        size_t used = static_cast<size_t>(p_ - data_);
        size_t cap = std::max(2 * static_cast<size_t>(end_ - data_), used + n + 4096);
        char *grown = static_cast<char *>(std::realloc(data_, cap));
        if (!grown) throw std::bad_alloc();
        data_ = grown;
        p_ = grown + used;
        end_ = grown + cap;
    }
    std::string &s_;
    char *data_ = nullptr;
    char *p_ = nullptr;
    char *end_ = nullptr;
};

std::string writeJson(const Node *node, bool indented, uint32_t depth) {
    std::string out;
    if (node) Writer(indented).write(node, depth, out);
    return out;
}

char *Writer::formatNumber(double v, char *to) {
    if (std::isnan(v))
        v = 0.0;
    else if (std::isinf(v))
        v = v > 0 ? DBL_MAX : -DBL_MAX;
    char *const limit = to + maxNumber;
    const double a = std::fabs(v);
    if (v == std::trunc(v)) {
        if (v == 0.0) {
            if (std::signbit(v)) *to++ = '-';
            *to++ = '0';
            return to;
        }
        // Integral: the exact digits, no point.
        return a < 9.0e15 ? std::to_chars(to, limit, static_cast<int64_t>(v)).ptr
                          : std::to_chars(to, limit, v, std::chars_format::fixed, 0).ptr;
    }
    if (a < 8.0) {
        // Below 8 a double's spacing is under 1e-15, so at most one 15-decimal number reads back as v:
        // when that one exists it is the shortest form, and otherwise the shortest form is what is
        // written anyway.
        return std::to_chars(to, limit, v, std::chars_format::fixed).ptr;
    }
    // From 8 up, the exact value rounded to 15 decimals, half to even (as printf's "%.15f"), trailing
    // zeros removed. Here v = m * 2^-s with 0 < s <= 49, so the fraction times 10^15 fits in 128 bits.
    uint64_t bits = 0;
    std::memcpy(&bits, &a, sizeof bits);
    const uint64_t m = (bits & ((uint64_t(1) << 52) - 1)) | (uint64_t(1) << 52);
    const int s = 1075 - static_cast<int>(bits >> 52);
    const uint64_t scale = 1000000000000000ULL;
    uint64_t whole = m >> s;
    using u128 = unsigned __int128;
    const u128 p = static_cast<u128>(m & ((uint64_t(1) << s) - 1)) * scale;
    uint64_t frac = static_cast<uint64_t>(p >> s);
    const u128 rem = p & ((static_cast<u128>(1) << s) - 1);
    const u128 half = static_cast<u128>(1) << (s - 1);
    if (rem > half || (rem == half && (frac & 1))) ++frac;
    if (frac == scale) {
        ++whole;
        frac = 0;
    }
    if (v < 0) *to++ = '-';
    to = std::to_chars(to, limit, whole).ptr;
    if (frac == 0) return to;
    *to++ = '.';
    int digits = 15;
    while (frac % 10 == 0) {
        frac /= 10;
        --digits;
    }
    for (int i = digits - 1; i >= 0; --i) {
        to[i] = static_cast<char>('0' + frac % 10);
        frac /= 10;
    }
    return to + digits;
}

void Writer::appendString(std::string_view text, Output &out) {
    // The plain form escapes only the quote. It cannot carry a trailing backslash (the closing quote
    // would read as escaped) nor line breaks (the file layer rewrites them), so such texts take the
    // escaped form: a backslash before the opening quote, and backslash escapes inside.
    const size_t n = text.size();
    const char *p = text.data();
    size_t quotes = 0;
    bool plain = n == 0 || p[n - 1] != '\\';
    for (size_t i = 0; i < n && plain; ++i) {
        unsigned char c = static_cast<unsigned char>(p[i]);
        if (c <= '"') {
            if (c == '"')
                ++quotes;
            else if (c < 0x20 && c != '\t')
                plain = false;
        }
    }
    if (plain) {
        char *to = out.reserve(n + quotes + 2);
        *to++ = '"';
        if (!quotes) {
            std::memcpy(to, p, n);
            to += n;
        } else {
            for (size_t i = 0; i < n; ++i) {
                if (p[i] == '"') *to++ = '\\';
                *to++ = p[i];
            }
        }
        *to++ = '"';
        out.commit(to);
        return;
    }
    static const char hex[] = "0123456789abcdef";
    char *to = out.reserve(6 * n + 3);
    *to++ = '\\';
    *to++ = '"';
    for (unsigned char c : text) {
        switch (c) {
        case '"': *to++ = '\\'; *to++ = '"'; break;
        case '\\': *to++ = '\\'; *to++ = '\\'; break;
        case '\n': *to++ = '\\'; *to++ = 'n'; break;
        case '\r': *to++ = '\\'; *to++ = 'r'; break;
        case '\t': *to++ = '\\'; *to++ = 't'; break;
        default:
            if (c < 0x20) {
                std::memcpy(to, "\\u00", 4);
                to[4] = hex[c >> 4];
                to[5] = hex[c & 15];
                to += 6;
            } else {
                *to++ = static_cast<char>(c);
            }
        }
    }
    *to++ = '"';
    out.commit(to);
}

void Writer::appendScalar(const Node *n, Output &out) const {
    switch (n->type()) {
    case Null: out.put("null", 4); break;
    case Bool: n->boolValue() ? out.put("true", 4) : out.put("false", 5); break;
    case Number: {
        char *to = out.reserve(maxNumber);
        int64_t i = n->isReal() ? 0 : n->int64Value();
        // An integer that its double holds exactly prints as the double would.
        if (!n->isReal() && i > -9007199254740992LL && i < 9007199254740992LL)
            out.commit(std::to_chars(to, to + maxNumber, i).ptr);
        else
            out.commit(formatNumber(n->doubleValue(), to));
        break;
    }
    case String: appendString(n->textRef(), out); break;
    default: break;
    }
}

void Writer::write(const Node *root, uint32_t depth, std::string &text) const {
    Output out(text);
    // An explicit stack, so that a tree of any depth is written without deep recursion.
    struct Frame {
        const Node *node;
        uint32_t depth;
        MemberMap::const_iterator member;
        size_t element;
        bool first;
    };
    std::vector<Frame> stack;
    auto open = [&](const Node *n, uint32_t d) {
        int32_t t = n->type();
        if (t != Array && t != Object) {
            appendScalar(n, out);
            return;
        }
        if (indented_ && d > 0) {
            out.put("\r\n", 2);
            out.tabs(d);
        }
        out.put(t == Array ? '[' : '{');
        if (indented_) out.put("\r\n", 2);
        Frame f{n, d, {}, 0, true};
        // Children are visited in key order, not in the order they lie in memory: ask for all of them
        // at once rather than waiting for each in turn.
        if (t == Object) {
            f.member = n->members()->begin();
            for (const auto &m : *n->members()) __builtin_prefetch(m.second);
        } else {
            const auto *els = n->elements();
            for (size_t i = 0, k = std::min<size_t>(els->size(), 16); i < k; ++i) __builtin_prefetch((*els)[i]);
        }
        stack.push_back(f);
    };
    open(root, depth);
    while (!stack.empty()) {
        Frame &f = stack.back();
        const Node *child = nullptr;
        if (f.node->type() == Array) {
            const auto *els = f.node->elements();
            if (f.element + 16 < els->size()) __builtin_prefetch((*els)[f.element + 16]);
            if (f.element < els->size()) child = (*els)[f.element++];
        } else if (f.member != f.node->members()->end()) {
            child = f.member->second;
            ++f.member;
        }
        if (!child) {
            bool array = f.node->type() == Array;
            if (indented_) {
                out.put("\r\n", 2);
                out.tabs(f.depth);
            }
            out.put(array ? ']' : '}');
            stack.pop_back();
            continue;
        }
        if (!f.first) {
            out.put(',');
            if (indented_) out.put("\r\n", 2);
        }
        f.first = false;
        uint32_t d = f.depth + 1;
        if (indented_) out.tabs(d);
        if (f.node->type() == Object) {
            appendString(child->nameRef(), out);
            out.put(':');
        }
        open(child, d); // may grow the stack: f is not used after this
    }
}

} // namespace json
} // namespace qor
