#include "json/qorjsonNode.h"

#include <cfloat>
#include <cmath>
#include <locale>
#include <sstream>

namespace qor {
namespace json {

Node::Node(int32_t type, const std::string &name) : type_(type), name_(name) {
    if (type == String)
        new (&text_) std::string();
    else if (type == Array)
        new (&elements_) ElementVector();
    else if (type == Object)
        new (&members_) MemberMap();
}

const std::string &Node::textRef() const {
    static const std::string none;
    return type_ == String ? text_ : none;
}

bool Node::hasChildren() const {
    return (type_ == Array && !elements_.empty()) || (type_ == Object && !members_.empty());
}

// Node is final, so every allocation has its size.
__attribute__((noinline)) void *Node::operator new(size_t) { return BlockPool<sizeof(Node)>::allocate(); }

// Kept out of line: inlined into the new-expressions below, g++ takes the pool's free for a mismatch.
void Node::operator delete(void *p) { BlockPool<sizeof(Node)>::deallocate(p); }

// Takes every child out of n, releasing n's reference to each; children whose count reaches 0 are
// queued rather than destroyed here, so destroying a deep tree never recurses.
void Node::drainChildren(Node *n, std::vector<Node *> &doomed) {
    auto drop = [&](Node *c) {
        if (c == n || !c) return;
        if (c->parent_ == n) c->parent_ = nullptr;
        --c->holders_;
        if (--c->refs_ <= 0) doomed.push_back(c);
    };
    if (n->type_ == Object) {
        for (auto &kv : n->members_) drop(kv.second);
        n->members_.clear();
    } else if (n->type_ == Array) {
        for (auto it = n->elements_.rbegin(); it != n->elements_.rend(); ++it) drop(*it);
        n->elements_.clear();
    }
}

Node::~Node() {
    std::vector<Node *> doomed;
    drainChildren(this, doomed);
    while (!doomed.empty()) {
        Node *n = doomed.back();
        doomed.pop_back();
        drainChildren(n, doomed);
        delete n;
    }
    if (type_ == String)
        text_.~basic_string();
    else if (type_ == Array)
        elements_.~ElementVector();
    else if (type_ == Object)
        members_.~MemberMap();
}

// GCC 12 can take the class's own delete, used if a constructor throws, for a mismatch with the
// pool's global new once both are inlined; they do pair.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"

Node *Node::create(int32_t type, const std::string &name) { return new Node(type, name); }

Node *Node::createBool(const std::string &name, bool value) {
    Node *n = new Node(Bool, name);
    n->bool_ = value;
    return n;
}

Node *Node::createDouble(const std::string &name, double value) {
    Node *n = new Node(Number, name);
    n->real_value_ = value;
    n->real_ = true;
    return n;
}

Node *Node::createInt64(const std::string &name, int64_t value) {
    Node *n = new Node(Number, name);
    n->int_ = value;
    return n;
}

Node *Node::createString(const std::string &name, const std::string &value) {
    Node *n = new Node(String, name);
    n->text_ = value;
    return n;
}

#pragma GCC diagnostic pop

Node *Node::retain(Node *node) {
    if (node) ++node->refs_;
    return node;
}

void Node::release(Node *node) {
    if (node && --node->refs_ <= 0) delete node;
}

Node *Node::parent() const { return retain(parent_); }

bool Node::setBool(bool value) {
    if (type_ != Bool) return false;
    bool_ = value;
    return true;
}

int64_t Node::int64Value() const {
    if (type_ == Bool) return bool_ ? 1 : 0;
    if (type_ != Number) return 0;
    if (!real_) return int_;
    double x = real_value_;
    if (std::isnan(x)) return 0;
    x = x >= 0 ? std::floor(x + 0.5) : std::ceil(x - 0.5);
    // Saturate: converting a double outside the int64 range is undefined.
    if (x >= 9223372036854775808.0) return INT64_MAX;
    if (x < -9223372036854775808.0) return INT64_MIN;
    return static_cast<int64_t>(x);
}

double Node::doubleValue() const {
    if (type_ == Bool) return bool_ ? 1.0 : 0.0;
    if (type_ != Number) return 0.0;
    return real_ ? real_value_ : static_cast<double>(int_);
}

bool Node::setInt64(int64_t value) {
    if (type_ != Number) return false;
    int_ = value;
    real_ = false;
    return true;
}

bool Node::setDouble(double value) {
    if (type_ != Number) return false;
    if (std::isnan(value))
        value = 0.0;
    else if (std::isinf(value))
        value = value > 0 ? DBL_MAX : -DBL_MAX;
    real_value_ = value;
    real_ = true;
    return true;
}

bool Node::setString(const std::string &value) {
    if (type_ != String) return false;
    text_ = value;
    return true;
}

std::string Node::valueAsString() const {
    switch (type_) {
    case Bool:
        return bool_ ? "true" : "false";
    case Number:
        if (real_) {
            std::ostringstream s;
            s.imbue(std::locale::classic());
            s << real_value_;
            return s.str();
        }
        return std::to_string(int_);
    case String:
        return text_;
    default:
        return std::string();
    }
}

uint32_t Node::elementCount() const { return type_ == Array ? static_cast<uint32_t>(elements_.size()) : 0; }

Node *Node::elementAt(uint32_t index) const {
    if (type_ != Array || index >= elements_.size()) return nullptr;
    return retain(elements_[index]);
}

const Node::ElementVector *Node::elements() const { return type_ == Array ? &elements_ : nullptr; }

bool Node::wouldCycle(const Node *child) const {
    if (child == this) return true;
    // A node without children is nobody's ancestor.
    if (!child->hasChildren()) return false;
    // Upward along parent links first. The walk sees every ancestor only while each node on the way
    // is held by exactly the container its link names; otherwise search child's subtree for this node.
    bool exact = true;
    for (const Node *n = this; n; n = n->parent_) {
        if (n == child) return true;
        if (n->holders_ > 1 || (n->holders_ == 1 && !n->parent_)) exact = false;
    }
    if (exact) return false;
    std::vector<const Node *> todo{child};
    std::vector<const Node *> seen;
    while (!todo.empty()) {
        const Node *n = todo.back();
        todo.pop_back();
        if (n == this) return true;
        if (n->holders_ > 1) {
            bool visited = false;
            for (const Node *s : seen) visited = visited || s == n;
            if (visited) continue;
            seen.push_back(n);
        }
        if (n->type_ == Object)
            for (const auto &kv : n->members_) todo.push_back(kv.second);
        else if (n->type_ == Array)
            for (const Node *e : n->elements_) todo.push_back(e);
    }
    return false;
}

void Node::adopt(Node *child) {
    retain(child);
    child->parent_ = this;
    ++child->holders_;
}

void Node::detach(Node *child) {
    if (child->parent_ == this) child->parent_ = nullptr;
    --child->holders_;
    release(child);
}

bool Node::appendElement(Node *child) {
    if (type_ != Array || !child || wouldCycle(child)) return false;
    elements_.push_back(child);
    adopt(child);
    return true;
}

bool Node::insertElementAt(uint32_t index, Node *child) {
    if (type_ != Array || !child || index > elements_.size() || wouldCycle(child)) return false;
    elements_.insert(elements_.begin() + index, child);
    adopt(child);
    return true;
}

bool Node::removeElementAt(uint32_t index) {
    if (type_ != Array || index >= elements_.size()) return false;
    Node *child = elements_[index];
    elements_.erase(elements_.begin() + index);
    detach(child);
    return true;
}

Node *Node::member(const std::string &name) const {
    if (type_ != Object) return nullptr;
    auto it = members_.find(name);
    return it == members_.end() ? nullptr : retain(it->second);
}

const Node::MemberMap *Node::members() const { return type_ == Object ? &members_ : nullptr; }

bool Node::addMember(Node *child) {
    if (type_ != Object || !child || wouldCycle(child)) return false;
    if (!members_.emplace(child->name_, child).second) return false;
    adopt(child);
    return true;
}

bool Node::removeMember(Node *child) {
    if (type_ != Object || !child) return false;
    auto it = members_.find(child->name_);
    if (it == members_.end() || it->second != child) {
        // A renamed member still sits under the key it was added with.
        it = members_.begin();
        while (it != members_.end() && it->second != child) ++it;
        if (it == members_.end()) return false;
    }
    members_.erase(it);
    detach(child);
    return true;
}

} // namespace json
} // namespace qor
