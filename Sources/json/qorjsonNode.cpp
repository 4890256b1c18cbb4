#include "json/qorjsonNode.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <locale>
#include <sstream>

namespace qor {
namespace json {

Node::Node(int32_t type, std::string_view name) : holders_(0), type_(static_cast<uint32_t>(type)), real_(0), name_(name) {
    if (type == String)
        new (&text_) Text();
    else if (type == Array)
        new (&elements_) ElementVector();
    else if (type == Object)
        new (&members_) MemberMap();
    else
        int_ = 0;
}

bool Node::hasChildren() const {
    return (type_ == Array && !elements_.empty()) || (type_ == Object && !members_.empty());
}

// Node is final, so every allocation has its size.
void *Node::operator new(size_t) { return Arena::allocate(sizeof(Node)); }

void Node::operator delete(void *p) { Arena::deallocate(p, sizeof(Node)); }

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
        for (const Member &m : n->members_.items_) drop(m.second);
        n->members_.items_.clear();
    } else if (n->type_ == Array) {
        for (size_t i = n->elements_.size(); i-- > 0;) drop(n->elements_[i]);
        n->elements_.clear();
    }
}

Node::~Node() {
    if (hasChildren()) {
        std::vector<Node *> doomed;
        drainChildren(this, doomed);
        while (!doomed.empty()) {
            Node *n = doomed.back();
            doomed.pop_back();
            drainChildren(n, doomed);
            delete n;
        }
    }
    if (type_ == String)
        text_.~Text();
    else if (type_ == Array)
        elements_.~ElementVector();
    else if (type_ == Object)
        members_.~MemberMap();
}

// GCC 12 can take the class's own delete, used if a constructor throws, for a mismatch with the
// arena's allocation once both are inlined; they do pair.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"

Node *Node::create(int32_t type, const std::string &name) { return new Node(type, name); }

Node *Node::createBool(const std::string &name, bool value) {
    Node *n = new Node(Bool, name);
    n->int_ = value ? 1 : 0;
    return n;
}

Node *Node::createDouble(const std::string &name, double value) {
    Node *n = new Node(Number, name);
    n->real_value_ = value;
    n->real_ = 1;
    return n;
}

Node *Node::createInt64(const std::string &name, int64_t value) {
    Node *n = new Node(Number, name);
    n->int_ = value;
    return n;
}

Node *Node::createString(const std::string &name, const std::string &value) {
    Node *n = new Node(String, name);
    n->text_.assign(value);
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
    int_ = value ? 1 : 0;
    return true;
}

int64_t Node::int64Value() const {
    if (type_ == Bool) return int_ != 0 ? 1 : 0;
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
    if (type_ == Bool) return int_ != 0 ? 1.0 : 0.0;
    if (type_ != Number) return 0.0;
    return real_ ? real_value_ : static_cast<double>(int_);
}

bool Node::setInt64(int64_t value) {
    if (type_ != Number) return false;
    int_ = value;
    real_ = 0;
    return true;
}

bool Node::setDouble(double value) {
    if (type_ != Number) return false;
    if (std::isnan(value))
        value = 0.0;
    else if (std::isinf(value))
        value = value > 0 ? DBL_MAX : -DBL_MAX;
    real_value_ = value;
    real_ = 1;
    return true;
}

bool Node::setString(const std::string &value) {
    if (type_ != String) return false;
    text_.assign(value);
    return true;
}

std::string Node::valueAsString() const {
    switch (type_) {
    case Bool:
        return int_ != 0 ? "true" : "false";
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
            for (const Member &m : n->members_.items_) todo.push_back(m.second);
        else if (n->type_ == Array)
            for (const Node *e : n->elements_) todo.push_back(e);
    }
    return false;
}

bool Node::canAccept(const Node *child) const {
    return child && child->holders_ < maxHolders && !wouldCycle(child);
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
    if (type_ != Array || !canAccept(child)) return false;
    elements_.emplaceBack(child);
    adopt(child);
    return true;
}

bool Node::insertElementAt(uint32_t index, Node *child) {
    if (type_ != Array || index > elements_.size() || !canAccept(child)) return false;
    elements_.emplaceAt(index, child);
    adopt(child);
    return true;
}

bool Node::removeElementAt(uint32_t index) {
    if (type_ != Array || index >= elements_.size()) return false;
    Node *child = elements_[index];
    elements_.eraseAt(index);
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
    if (type_ != Object || !canAccept(child)) return false;
    std::string_view key = child->name_.view();
    auto at = members_.lower_bound(key);
    if (at != members_.end() && at->first.view() == key) return false;
    members_.items_.emplaceAt(static_cast<size_t>(at - members_.begin()), key, child);
    adopt(child);
    return true;
}

bool Node::removeMember(Node *child) {
    if (type_ != Object || !child) return false;
    auto it = members_.find(child->name_.view());
    if (it == members_.end() || it->second != child) {
        // A renamed member still sits under the key it was added with.
        it = members_.begin();
        while (it != members_.end() && it->second != child) ++it;
        if (it == members_.end()) return false;
    }
    members_.items_.eraseAt(static_cast<size_t>(it - members_.begin()));
    detach(child);
    return true;
}

void Node::takeReadChildren(Node **children, size_t count) {
    for (size_t i = 0; i < count; ++i) {
        children[i]->parent_ = this;
        children[i]->holders_ = 1;
    }
    if (type_ == Array) {
        elements_.reserve(count);
        for (size_t i = 0; i < count; ++i) elements_.emplaceBack(children[i]);
        return;
    }
    auto byName = [](const Node *a, const Node *b) { return a->name_.view() < b->name_.view(); };
    // Members mostly arrive in order already; a stable sort keeps the first of equal names first.
    bool sorted = true;
    for (size_t i = 1; i < count && sorted; ++i) sorted = byName(children[i - 1], children[i]);
    if (!sorted) {
        if (count <= 32) {
            for (size_t i = 1; i < count; ++i) {
                Node *c = children[i];
                size_t j = i;
                for (; j > 0 && byName(c, children[j - 1]); --j) children[j] = children[j - 1];
                children[j] = c;
            }
        } else {
            std::stable_sort(children, children + count, byName);
        }
    }
    auto &items = members_.items_;
    items.reserve(count);
    for (size_t i = 0; i < count; ++i) {
        Node *c = children[i];
        if (!items.empty() && items.back().first.view() == c->name_.view()) {
            c->parent_ = nullptr;
            c->holders_ = 0;
            release(c);
            continue;
        }
        items.emplaceBack(c->name_.view(), c);
    }
}

} // namespace json
} // namespace qor
