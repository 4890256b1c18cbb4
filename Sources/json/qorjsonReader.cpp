#include "json/qorjsonReader.h"

#include "json/qorjsonNode.h"

#include <cfloat>
#include <charconv>
#include <cstring>

namespace qor {
namespace json {

Node *parseJson(const std::string &text) { return Reader(text).parse(nullptr); }

Node *parseJson(const std::string &text, std::string *error) { return Reader(text).parse(error); }

bool Reader::fail(const char *why, size_t at) {
    if (error_) *error_ = std::string(why) + " at byte " + std::to_string(at);
    return false;
}

bool Reader::restIsSpace(size_t from) const {
    for (size_t i = from; i < text_.size(); ++i)
        if (!isSpace(text_[i])) return false;
    return true;
}

bool Reader::literalFollows(size_t at, const char *rest) const {
    size_t len = std::strlen(rest);
    if (text_.size() - at < len + 1) return false;
    for (size_t i = 0; i < len; ++i) {
        char c = text_[at + 1 + i];
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        if (c != rest[i]) return false;
    }
    return true;
}

size_t Reader::scanString(size_t quote, bool escaped, std::string &body) const {
    const size_t n = text_.size();
    size_t i = quote + 1;
    body.clear();
    if (!escaped) {
        // Runs to the first quote that does not directly follow a backslash; backslash-quote is a quote,
        // every other backslash stays.
        size_t from = i;
        for (; i < n; ++i) {
            char c = text_[i];
            if (c != '"') continue;
            if (text_[i - 1] != '\\') break;
            body.append(text_, from, i - 1 - from);
            body += '"';
            from = i + 1;
        }
        body.append(text_, from, i - from);
        return i;
    }
    for (; i < n; ++i) {
        char c = text_[i];
        if (c == '"') return i;
        if (c != '\\' || i + 1 >= n) {
            body += c;
            continue;
        }
        char e = text_[++i];
        switch (e) {
        case 'n': body += '\n'; break;
        case 'r': body += '\r'; break;
        case 't': body += '\t'; break;
        case '"': body += '"'; break;
        case '\\': body += '\\'; break;
        case 'u': {
            unsigned v = 0;
            size_t k = 0;
            for (; k < 4 && i + 1 + k < n; ++k) {
                char h = text_[i + 1 + k];
                unsigned d = h >= '0' && h <= '9' ? h - '0' : h >= 'a' && h <= 'f' ? h - 'a' + 10 : h >= 'A' && h <= 'F' ? h - 'A' + 10 : 16;
                if (d == 16) break;
                v = v * 16 + d;
            }
            if (k < 4) {
                body += "\\u";
                break;
            }
            i += 4;
            if (v < 0x80) {
                body += static_cast<char>(v);
            } else if (v < 0x800) {
                body += static_cast<char>(0xC0 | (v >> 6));
                body += static_cast<char>(0x80 | (v & 0x3F));
            } else {
                body += static_cast<char>(0xE0 | (v >> 12));
                body += static_cast<char>(0x80 | ((v >> 6) & 0x3F));
                body += static_cast<char>(0x80 | (v & 0x3F));
            }
            break;
        }
        default:
            body += '\\';
            body += e;
        }
    }
    return n;
}

size_t Reader::numberEnd(size_t from) const {
    size_t i = from + 1;
    while (i < text_.size() && ((text_[i] >= '0' && text_[i] <= '9') || text_[i] == '.')) ++i;
    return i;
}

Node *Reader::makeNumber(size_t from, size_t end) const {
    const char *b = text_.data() + from;
    const char *e = text_.data() + end;
    bool real = std::memchr(b, '.', end - from) != nullptr;
    if (!real) {
        int64_t v = 0;
        auto r = std::from_chars(b, e, v);
        if (r.ec != std::errc::result_out_of_range) return Node::createInt64(std::string(), v);
        // Beyond the int64 range: keep the value as a real instead of saturating (large doubles are
        // written without a point).
    }
    double d = 0.0;
    auto r = std::from_chars(b, e, d);
    if (r.ec == std::errc::result_out_of_range) {
        // Overflow when a non-zero digit stands before the point, else underflow.
        bool negative = *b == '-';
        bool big = false;
        for (const char *p = b; p < e && *p != '.'; ++p) big = big || (*p >= '1' && *p <= '9');
        d = big ? (negative ? -DBL_MAX : DBL_MAX) : (negative ? -0.0 : 0.0);
    } else if (r.ec != std::errc()) {
        d = 0.0; // "." and "-."
    }
    return Node::createDouble(std::string(), d);
}

Node *Reader::parse(std::string *error) {
    error_ = error;
    const size_t n = text_.size();
    size_t pos = 0;
    while (pos < n && (text_[pos] == ' ' || text_[pos] == '\n' || text_[pos] == '\r' || text_[pos] == '\t')) ++pos;
    if (pos >= n) {
        fail("empty text", pos);
        return nullptr;
    }
    char c = text_[pos];
    bool escapedString = c == '\\' && pos + 1 < n && text_[pos + 1] == '"';
    if (c == '"' || escapedString) {
        std::string body;
        size_t close = scanString(pos + escapedString, escapedString, body);
        if (close < n && !restIsSpace(close + 1)) {
            fail("text after the value", close + 1);
            return nullptr;
        }
        return Node::createString(std::string(), body);
    }
    if (c == '-' || c == '.' || (c >= '0' && c <= '9')) {
        size_t end = numberEnd(pos);
        if (!restIsSpace(end)) {
            fail(end < n && (text_[end] == 'e' || text_[end] == 'E') ? "exponents are not supported" : "text after the value", end);
            return nullptr;
        }
        return makeNumber(pos, end);
    }
    const char *literal = nullptr;
    Node *value = nullptr;
    if (c == 'n' || c == 'N') {
        literal = "ull";
        value = Node::create(Null, std::string());
    } else if (c == 't' || c == 'T') {
        literal = "rue";
        value = Node::createBool(std::string(), true);
    } else if (c == 'f' || c == 'F') {
        literal = "alse";
        value = Node::createBool(std::string(), false);
    }
    if (literal) {
        size_t len = std::strlen(literal) + 1;
        if (!literalFollows(pos, literal) || !restIsSpace(pos + len)) {
            Node::release(value);
            fail("misspelt literal or text after it", pos);
            return nullptr;
        }
        return value;
    }
    if (c == '[' || c == '{') return parseContainers(pos);
    if (static_cast<unsigned char>(c) == 0xEF) {
        fail("unexpected byte-order mark", pos);
        return nullptr;
    }
    fail("unexpected character", pos);
    return nullptr;
}

void Reader::place(Node *value) {
    uint8_t own = states_.back();
    uint8_t under = isTokenState(own) && states_.size() > 1 ? states_[states_.size() - 2] : own;
    if (under != ArrayBody && !names_.empty()) value->name_.assign(names_.back());
    pending_.push_back(value);
}

size_t Reader::openString(size_t quote, bool escaped) {
    if (states_.back() == ObjectBody) states_.push_back(Key);
    if (states_.back() == Key) states_.push_back(KeyText);
    if (states_.back() == ArrayBody || states_.back() == Value) states_.push_back(StringToken);
    std::string body;
    size_t close = scanString(quote, escaped, body);
    if (states_.back() == KeyText)
        names_.push_back(std::move(body));
    else
        place(Node::createString(std::string(), body));
    return close;
}

void Reader::popName() {
    if (states_.back() != ArrayBody && !names_.empty()) names_.pop_back();
}

Node *Reader::parseContainers(size_t pos) {
    const size_t n = text_.size();
    states_.push_back(Top);
    bool ok = true;
    while (ok && pos < n) {
        char c = text_[pos];
        bool valueStart = c == '"' || c == '-' || c == '.' || (c >= '0' && c <= '9') || c == 'n' || c == 'N' ||
                          c == 't' || c == 'T' || c == 'f' || c == 'F' || c == '[' || c == '{' ||
                          (c == '\\' && pos + 1 < n && text_[pos + 1] == '"');
        if (rootClosed_ && valueStart) {
            ok = fail("value after the end of the document", pos);
            break;
        }
        switch (c) {
        case '\\':
            // A backslash right before a quote opens the escaped string form.
            pos = pos + 1 < n && text_[pos + 1] == '"' ? openString(pos + 1, true) : pos + 1;
            break;
        case '"':
            if (states_.back() == KeyText || states_.back() == StringToken) {
                states_.pop_back();
                ++pos;
            } else {
                pos = openString(pos, false);
            }
            break;
        case ',':
            if (isTokenState(states_.back())) states_.pop_back();
            if (states_.back() == Value) states_.pop_back();
            if (states_.back() == Key) states_.pop_back();
            popName();
            ++pos;
            break;
        case '-':
        case '.':
        case '0': case '1': case '2': case '3': case '4': case '5': case '6': case '7': case '8': case '9': {
            size_t end = numberEnd(pos);
            // The format has no exponents: "5e-2" must not read as 5 followed by a stray -2.
            if (end < n && (text_[end] == 'e' || text_[end] == 'E')) {
                ok = fail("exponents are not supported", end);
                break;
            }
            states_.push_back(NumberToken);
            place(makeNumber(pos, end));
            pos = end;
            break;
        }
        case ':':
            if (states_.back() != Key) {
                ok = fail("':' not after a key", pos);
                break;
            }
            states_.push_back(Value);
            ++pos;
            break;
        case 'n':
        case 'N':
        case 't':
        case 'T':
        case 'f':
        case 'F': {
            bool isNull = c == 'n' || c == 'N';
            bool isTrue = c == 't' || c == 'T';
            const char *rest = isNull ? "ull" : isTrue ? "rue" : "alse";
            if (!literalFollows(pos, rest)) {
                ok = fail("misspelt literal", pos);
                break;
            }
            states_.push_back(isNull ? NullToken : BoolToken);
            place(isNull ? Node::create(Null, std::string()) : Node::createBool(std::string(), isTrue));
            pos += 1 + std::strlen(rest);
            break;
        }
        case '[':
        case '{': {
            if (containers_.size() >= maxDepth) {
                ok = fail("nesting too deep", pos);
                break;
            }
            bool array = c == '[';
            Node *node = Node::create(array ? Array : Object, std::string());
            if (states_.back() != ArrayBody && !names_.empty()) node->setName(names_.back());
            containers_.push_back(node);
            starts_.push_back(pending_.size());
            if (!root_) root_ = node;
            states_.push_back(array ? ArrayState : ObjectState);
            if (!(pos + 1 < n && text_[pos + 1] == (array ? ']' : '}'))) states_.push_back(array ? ArrayBody : ObjectBody);
            ++pos;
            break;
        }
        case ']':
        case '}': {
            bool array = c == ']';
            if (isTokenState(states_.back())) states_.pop_back();
            if (!array) {
                if (states_.back() == Value) states_.pop_back();
                if (states_.back() == Key) states_.pop_back();
            }
            if (states_.back() == (array ? ArrayBody : ObjectBody)) states_.pop_back();
            if (states_.back() != (array ? ArrayState : ObjectState)) {
                ok = fail("closing bracket does not match", pos);
                break;
            }
            states_.pop_back();
            Node *closed = containers_.back();
            containers_.pop_back();
            size_t start = starts_.back();
            starts_.pop_back();
            closed->takeReadChildren(pending_.data() + start, pending_.size() - start);
            pending_.resize(start);
            if (!containers_.empty())
                pending_.push_back(closed);
            else
                rootClosed_ = true;
            if (!array) popName();
            ++pos;
            break;
        }
        default:
            ++pos;
        }
    }
    if (ok && (states_.size() != 1 || states_.back() != Top)) ok = fail("unexpected end of text", n);
    if (ok) return root_;
    // Values and open containers other than the root are not attached to anything yet.
    for (Node *value : pending_) Node::release(value);
    for (Node *open : containers_)
        if (open != root_) Node::release(open);
    Node::release(root_);
    return nullptr;
}

} // namespace json
} // namespace qor
