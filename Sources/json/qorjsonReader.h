// JSON text into a node tree: the system's lenient reader (any-case literals, optional colons,
// trailing commas, skipped stray characters), bounded in depth and never reading past the text.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace qor {
namespace json {

class Node;

// The root with one reference for the caller, or null when the text is not accepted.
Node *parseJson(const std::string &text);
// The same; on failure *error (when given) says why and where.
Node *parseJson(const std::string &text, std::string *error);

class Reader {
public:
    // Deeper nesting is refused: the documents this system writes are a few levels deep.
    static constexpr size_t maxDepth = 512;

    explicit Reader(const std::string &text) : text_(text) {}
    Node *parse(std::string *error);

private:
    enum State : uint8_t {
        Top,
        ObjectState,
        ObjectBody,
        Key,
        KeyText,
        Value,
        ArrayState,
        ArrayBody,
        NullToken,
        BoolToken,
        NumberToken,
        StringToken
    };

    static bool isTokenState(uint8_t s) { return s >= NullToken; }
    static bool isSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f'; }
    bool restIsSpace(size_t from) const;
    bool literalFollows(size_t at, const char *rest) const;
    // The string whose opening quote is at quote; returns the index of its closing quote, or the size
    // of the text when it has none.
    size_t scanString(size_t quote, bool escaped, std::string &body) const;
    size_t numberEnd(size_t from) const;
    Node *makeNumber(size_t from, size_t end) const;
    Node *parseContainers(size_t pos);
    void place(Node *value);
    // Handles an opening quote; returns the index of the closing quote (or the end of the text).
    size_t openString(size_t quote, bool escaped);
    void popName();
    bool fail(const char *why, size_t at);

    const std::string &text_;
    std::string *error_ = nullptr;
    std::vector<uint8_t> states_;
    std::vector<Node *> containers_;
    // Values read but not yet given to their container, which takes them all when it closes; starts_
    // holds where each open container's values begin.
    std::vector<Node *> pending_;
    std::vector<size_t> starts_;
    std::vector<std::string> names_;
    Node *root_ = nullptr;
    bool rootClosed_ = false;
};

} // namespace json
} // namespace qor
