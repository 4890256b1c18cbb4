// JSON text out of a node tree: the compact form, and the indented form (tabs, "\r\n") used for files.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace qor {
namespace json {

class Node;

// The text of node at the given depth (0 for a whole document); "" for a null node.
std::string writeJson(const Node *node, bool indented, uint32_t depth);

class Writer {
public:
    explicit Writer(bool indented) : indented_(indented) {}
    void write(const Node *node, uint32_t depth, std::string &out) const;

    // A number as the format writes it: fixed notation, at most 15 decimals, trailing zeros and point
    // removed; more decimals only where 15 would not read back as the same double. Writes at most
    // maxNumber characters at to and returns their end.
    static constexpr size_t maxNumber = 400;
    static char *formatNumber(double value, char *to);

private:
    class Output;
    static void appendString(std::string_view text, Output &out);
    void appendScalar(const Node *node, Output &out) const;
    bool indented_;
};

} // namespace json
} // namespace qor
