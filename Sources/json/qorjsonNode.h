// One in-memory JSON value: a reference-counted node that knows its name, kind, value or children,
// and the container that last accepted it. Preference documents, persistent values and POST bodies
// are trees of these.
#pragma once

#include "json/qorjsonText.h"
#include "json/qorjsonVector.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace qor {
namespace json {

// Single-bit kind codes.
enum NodeType : int32_t { Null = 1, Bool = 2, Number = 4, String = 8, Array = 16, Object = 32 };

class Node;

// One member of an object: its key (the child's name when it was added) and the child.
struct Member {
    Member(std::string_view key, Node *child) : first(key), second(child) {}
    Text first;
    Node *second;
};

// The members of an object, kept sorted by the unsigned bytes of their keys.
class MemberMap {
public:
    using value_type = Member;
    using const_iterator = const Member *;
    using iterator = const_iterator;

    const_iterator begin() const { return items_.begin(); }
    const_iterator end() const { return items_.end(); }
    size_t size() const { return items_.size(); }
    bool empty() const { return items_.empty(); }
    // std::string_view compares through char_traits<char>, that is as unsigned bytes.
    const_iterator lower_bound(std::string_view key) const {
        return std::lower_bound(begin(), end(), key,
                                [](const Member &e, std::string_view k) { return e.first.view() < k; });
    }
    const_iterator upper_bound(std::string_view key) const {
        return std::upper_bound(begin(), end(), key,
                                [](std::string_view k, const Member &e) { return k < e.first.view(); });
    }
    const_iterator find(std::string_view key) const {
        auto it = lower_bound(key);
        return it != end() && it->first.view() == key ? it : end();
    }
    size_t count(std::string_view key) const { return find(key) != end() ? 1 : 0; }

private:
    friend class Node;
    Vector<Member> items_;
};

class Node final {
public:
    using MemberMap = json::MemberMap;
    using ElementVector = Vector<Node *>;

    static Node *create(int32_t type, const std::string &name);
    static Node *createBool(const std::string &name, bool value);
    static Node *createDouble(const std::string &name, double value);
    static Node *createInt64(const std::string &name, int64_t value);
    static Node *createString(const std::string &name, const std::string &value);

    static Node *retain(Node *node);
    // Destroys the node when its count falls to 0; iterative, so any depth of tree is freed safely.
    static void release(Node *node);

    int32_t type() const { return static_cast<int32_t>(type_); }
    std::string name() const { return name_; }
    std::string_view nameRef() const { return name_.view(); }
    void setName(const std::string &name) { name_.assign(name); }
    Node *parent() const;
    int32_t refCount() const { return refs_; }

    bool boolValue() const { return type_ == Bool && int_ != 0; }
    bool setBool(bool value);
    int64_t int64Value() const;
    double doubleValue() const;
    bool isReal() const { return real_; }
    bool setInt64(int64_t value);
    bool setDouble(double value);
    bool setString(const std::string &value);
    std::string valueAsString() const;
    // The text of a String node; an empty text for every other kind.
    std::string_view textRef() const { return type_ == String ? text_.view() : std::string_view(); }

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

    ~Node();

    static void *operator new(size_t size);
    static void operator delete(void *p);

    Node(const Node &) = delete;
    Node &operator=(const Node &) = delete;

private:
    friend class Reader;

    Node(int32_t type, std::string_view name);

    // Whether child may be accepted: not null, not this node or an ancestor of it, and not held by so
    // many containers that the count would overflow.
    bool canAccept(const Node *child) const;
    // Whether accepting child would make this node its own descendant.
    bool wouldCycle(const Node *child) const;
    void adopt(Node *child);
    void detach(Node *child);
    static void drainChildren(Node *n, std::vector<Node *> &doomed);
    bool hasChildren() const;
    // Takes over the creator's reference of each of count freshly read children, in text order; of
    // members with equal names the first stays and the others are released.
    void takeReadChildren(Node **children, size_t count);

    static constexpr uint32_t maxHolders = (uint32_t(1) << 25) - 1;

    int32_t refs_ = 1;
    // Number of containers currently holding this node; above 1 the parent link names only one of them.
    uint32_t holders_ : 25;
    uint32_t type_ : 6;
    uint32_t real_ : 1;
    Node *parent_ = nullptr;
    Text name_;
    // Only the payload of the node's kind exists: a number or bool, a text, elements or members.
    union {
        int64_t int_;
        double real_value_;
        Text text_;
        ElementVector elements_;
        MemberMap members_;
    };
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
