#include "json/qorjsonWriter.h"

#include "json/qorjsonNode.h"

#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstring>

namespace qor {
namespace json {

std::string writeJson(const Node *node, bool indented, uint32_t depth) {
    std::string out;
    if (node) Writer(indented).write(node, depth, out);
    return out;
}

char *Writer::fixed15(double v, char *buf) {
    // The exact value rounded to 15 decimals, half to even, as printf's "%.15f" gives it. v is not
    // integral here, so v = m * 2^e with e < 0 and m * 10^15 fits in 128 bits.
    int exp2 = 0;
    double frac = std::frexp(std::fabs(v), &exp2);
    uint64_t m = static_cast<uint64_t>(std::ldexp(frac, 53));
    int shift = 53 - exp2;
    using u128 = unsigned __int128;
    const uint64_t scale = 1000000000000000ULL;
    u128 p = static_cast<u128>(m) * scale;
    u128 q = 0;
    if (shift < 128) {
        q = p >> shift;
        u128 rem = p - (q << shift);
        u128 half = static_cast<u128>(1) << (shift - 1);
        if (rem > half || (rem == half && (q & 1))) ++q;
    }
    char *out = buf;
    if (std::signbit(v)) *out++ = '-';
    out = std::to_chars(out, out + 32, static_cast<uint64_t>(q / scale)).ptr;
    *out++ = '.';
    uint64_t f = static_cast<uint64_t>(q % scale);
    for (int i = 14; i >= 0; --i) {
        out[i] = static_cast<char>('0' + f % 10);
        f /= 10;
    }
    return out + 15;
}

void Writer::appendNumber(double v, std::string &out) {
    if (std::isnan(v))
        v = 0.0;
    else if (std::isinf(v))
        v = v > 0 ? DBL_MAX : -DBL_MAX;
    char buf[512];
    if (v == std::trunc(v)) {
        if (v == 0.0) {
            out += std::signbit(v) ? "-0" : "0";
            return;
        }
        // Integral: the exact digits, no point.
        auto r = std::fabs(v) < 9.0e15 ? std::to_chars(buf, buf + sizeof buf, static_cast<int64_t>(v))
                                       : std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, 0);
        out.append(buf, r.ptr);
        return;
    }
    char *end = fixed15(v, buf);
    while (end > buf && end[-1] == '0') --end;
    if (end > buf && end[-1] == '.') --end;
    // Fifteen decimals lose digits only below 8 (above it a double's spacing exceeds 1e-15).
    if (std::fabs(v) < 8.0) {
        double back = 0.0;
        std::from_chars(buf, end, back);
        if (back != v) end = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed).ptr;
    }
    out.append(buf, end);
}

void Writer::appendString(const std::string &text, std::string &out) {
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
        out += '"';
        if (!quotes) {
            out.append(p, n);
        } else {
            size_t from = 0;
            for (size_t i = 0; i < n; ++i)
                if (p[i] == '"') {
                    out.append(p + from, i - from);
                    out += "\\\"";
                    from = i + 1;
                }
            out.append(p + from, n - from);
        }
        out += '"';
        return;
    }
    static const char hex[] = "0123456789abcdef";
    out += "\\\"";
    for (unsigned char c : text) {
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default:
            if (c < 0x20) {
                out += "\\u00";
                out += hex[c >> 4];
                out += hex[c & 15];
            } else {
                out += static_cast<char>(c);
            }
        }
    }
    out += '"';
}

void Writer::appendScalar(const Node *n, std::string &out) const {
    switch (n->type()) {
    case Null: out += "null"; break;
    case Bool: out += n->boolValue() ? "true" : "false"; break;
    case Number: appendNumber(n->doubleValue(), out); break;
    case String: appendString(n->textRef(), out); break;
    default: break;
    }
}

void Writer::write(const Node *root, uint32_t depth, std::string &out) const {
    // An explicit stack, so that a tree of any depth is written without deep recursion.
    struct Frame {
        const Node *node;
        uint32_t depth;
        Node::MemberMap::const_iterator member;
        size_t element;
        bool first;
    };
    std::vector<Frame> stack;
    auto tabs = [&out](uint32_t d) { out.append(d, '\t'); };
    auto open = [&](const Node *n, uint32_t d) {
        int32_t t = n->type();
        if (t != Array && t != Object) {
            appendScalar(n, out);
            return;
        }
        if (indented_ && d > 0) {
            out += "\r\n";
            tabs(d);
        }
        out += t == Array ? '[' : '{';
        if (indented_) out += "\r\n";
        Frame f{n, d, {}, 0, true};
        if (t == Object) f.member = n->members()->begin();
        stack.push_back(f);
    };
    open(root, depth);
    while (!stack.empty()) {
        Frame &f = stack.back();
        const Node *child = nullptr;
        if (f.node->type() == Array) {
            const auto *els = f.node->elements();
            if (f.element < els->size()) child = (*els)[f.element++];
        } else if (f.member != f.node->members()->end()) {
            child = f.member->second;
            ++f.member;
        }
        if (!child) {
            bool array = f.node->type() == Array;
            if (indented_) {
                out += "\r\n";
                tabs(f.depth);
            }
            out += array ? ']' : '}';
            stack.pop_back();
            continue;
        }
        if (!f.first) {
            out += ',';
            if (indented_) out += "\r\n";
        }
        f.first = false;
        uint32_t d = f.depth + 1;
        if (indented_) tabs(d);
        if (f.node->type() == Object) {
            appendString(child->nameRef(), out);
            out += ':';
        }
        open(child, d); // may grow the stack: f is not used after this
    }
}

} // namespace json
} // namespace qor
