// One in-memory JSON value: a reference-counted node that knows its name, kind, value or children,
// and the container that last accepted it. Preference documents, persistent values and POST bodies
// are trees of these.
#pragma once

#include "json/qorjsonBlockPool.h"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace qor {
namespace json {

// Single-bit kind codes.
enum NodeType : int32_t { Null = 1, Bool = 2, Number = 4, String = 8, Array = 16, Object = 32 };

class Node final {
public:
    // Ordered by the unsigned bytes of the keys (std::char_traits<char> compares as unsigned char).
    using MemberMap =
        std::map<std::string, Node *, std::less<std::string>, PoolAllocator<std::pair<const std::string, Node *>>>;
    using ElementVector = std::vector<Node *>;

    static Node *create(int32_t type, const std::string &name);
    static Node *createBool(const std::string &name, bool value);
    static Node *createDouble(const std::string &name, double value);
    static Node *createInt64(const std::string &name, int64_t value);
    static Node *createString(const std::string &name, const std::string &value);

    static Node *retain(Node *node);
    // Destroys the node when its count falls to 0; iterative, so any depth of tree is freed safely.
    static void release(Node *node);

    int32_t type() const { return type_; }
    std::string name() const { return name_; }
    const std::string &nameRef() const { return name_; }
    void setName(const std::string &name) { name_ = name; }
    Node *parent() const;
    int32_t refCount() const { return refs_; }

    bool boolValue() const { return bool_; }
    bool setBool(bool value);
    int64_t int64Value() const;
    double doubleValue() const;
    bool isReal() const { return real_; }
    bool setInt64(int64_t value);
    bool setDouble(double value);
    bool setString(const std::string &value);
    std::string valueAsString() const;
    // The text of a String node; an empty text for every other kind.
    const std::string &textRef() const;

    uint32_t elementCount() const;
    Node *elementAt(uint32_t index) const;
    const ElementVector *elements() const;
    bool appendElement(Node *child);
    bool removeElementAt(uint32_t index);
    // As appendElement, at a position from 0 to the count; the elements from there on move up.
    bool insertElementAt(uint32_t index, Node *child);

    Node *member(const std::string &name) const;
    const MemberMap *members() const;
    bool addMember(Node *child);
    bool removeMember(Node *child);

    virtual ~Node();

    static void *operator new(size_t size);
    static void operator delete(void *p);

    Node(const Node &) = delete;
    Node &operator=(const Node &) = delete;

private:
    friend class Reader;

    Node(int32_t type, const std::string &name);

    // Whether accepting child would make this node its own descendant.
    bool wouldCycle(const Node *child) const;
    void adopt(Node *child);
    void detach(Node *child);
    static void drainChildren(Node *n, std::vector<Node *> &doomed);
    bool hasChildren() const;

    int32_t refs_ = 1;
    int32_t type_;
    // Number of containers currently holding this node; above 1 the parent link names only one of them.
    int32_t holders_ = 0;
    bool bool_ = false;
    bool real_ = false;
    // The integer and the real are never read at the same time: the real flag says which one holds.
    union {
        int64_t int_ = 0;
        double real_value_;
    };
    std::string name_;
    // Only the payload of the node's kind exists: String, Array or Object (none for the others).
    union {
        std::string text_;
        ElementVector elements_;
        MemberMap members_;
    };
    Node *parent_ = nullptr;
};

// Holds one counted reference.
class NodePtr {
public:
    NodePtr() = default;
    explicit NodePtr(Node *adopted) : node_(adopted) {}
    NodePtr(const NodePtr &other) : node_(Node::retain(other.node_)) {}
    NodePtr(NodePtr &&other) noexcept : node_(other.node_) { other.node_ = nullptr; }
    NodePtr &operator=(NodePtr other) noexcept {
        std::swap(node_, other.node_);
        return *this;
    }
    ~NodePtr() { reset(); }

    void reset() {
        if (node_) Node::release(node_);
        node_ = nullptr;
    }
    Node *get() const { return node_; }
    Node *operator->() const { return node_; }
    explicit operator bool() const { return node_ != nullptr; }
    // Hands the reference to the caller.
    Node *detach() {
        Node *n = node_;
        node_ = nullptr;
        return n;
    }

private:
    Node *node_ = nullptr;
};

} // namespace json
} // namespace qor
