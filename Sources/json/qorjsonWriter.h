// JSON text out of a node tree: the compact form, and the indented form (tabs, "\r\n") used for files.
#pragma once

#include <cstdint>
#include <string>

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
    // removed; more decimals only where 15 would not read back as the same double.
    static void appendNumber(double value, std::string &out);
    // A string or name in quotes, in the plain form when that reads back unchanged, else the escaped form.
    static void appendString(const std::string &text, std::string &out);

private:
    // Fixed notation with exactly 15 decimals of a non-integral finite double; returns the end.
    static char *fixed15(double value, char *buf);
    void appendScalar(const Node *node, std::string &out) const;
    bool indented_;
};

} // namespace json
} // namespace qor
