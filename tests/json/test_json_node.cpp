// Nodes: values, containers, ownership and the safety of parent links.
#include "json/qorjsonNode.h"
#include "json/qorjsonWriter.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>

using qor::json::Node;
using qor::json::NodePtr;

namespace {
std::string compact(const Node *n) { return qor::json::writeJson(n, false, 0); }
} // namespace

TEST(JsonNode, NumberViewsRoundHalvesAwayFromZeroAndSaturate) {
    struct Case {
        double in;
        int64_t out;
    } cases[] = {{2.5, 3},
                 {-2.5, -3},
                 {2.4, 2},
                 {-2.4, -2},
                 {1e300, INT64_MAX},
                 {-1e300, INT64_MIN},
                 {9223372036854775807.0, INT64_MAX},
                 {std::numeric_limits<double>::quiet_NaN(), 0}};
    for (const Case &c : cases) {
        NodePtr n(Node::createDouble("x", c.in));
        EXPECT_EQ(n->int64Value(), c.out) << c.in;
    }
    NodePtr t(Node::createBool("", true));
    EXPECT_EQ(t->int64Value(), 1);
    EXPECT_EQ(t->doubleValue(), 1.0);
    NodePtr s(Node::createString("", "5"));
    EXPECT_EQ(s->doubleValue(), 0.0);
    EXPECT_EQ(s->int64Value(), 0);
    NodePtr a(Node::create(qor::json::Array, ""));
    EXPECT_EQ(a->valueAsString(), "");
}

TEST(JsonNode, SettersKeepKindAndSwitchRealFlag) {
    NodePtr n(Node::createInt64("", 7));
    EXPECT_TRUE(n->setDouble(2.5));
    EXPECT_EQ(n->int64Value(), 3);
    EXPECT_TRUE(n->setInt64(7));
    EXPECT_FALSE(n->isReal());
    EXPECT_EQ(n->doubleValue(), 7.0);
    EXPECT_TRUE(n->setDouble(std::nan("")));
    EXPECT_EQ(n->doubleValue(), 0.0);
    EXPECT_TRUE(n->setDouble(HUGE_VAL));
    EXPECT_EQ(n->doubleValue(), 1.7976931348623157e308);
    EXPECT_TRUE(n->setDouble(-HUGE_VAL));
    EXPECT_EQ(n->doubleValue(), -1.7976931348623157e308);
    EXPECT_FALSE(n->setString("x"));
    EXPECT_FALSE(n->setBool(true));
    NodePtr s(Node::createString("", "a"));
    EXPECT_FALSE(s->setInt64(1));
    EXPECT_FALSE(s->setDouble(1));
    EXPECT_TRUE(s->setString("b"));
    EXPECT_EQ(s->valueAsString(), "b");
}

TEST(JsonNode, ValueAsStringUsesSixSignificantDigits) {
    struct Case {
        double in;
        const char *out;
    } cases[] = {{0.1, "0.1"}, {2.0, "2"}, {1234567.0, "1.23457e+06"}, {1e-7, "1e-07"}};
    for (const Case &c : cases) {
        NodePtr n(Node::createDouble("", c.in));
        EXPECT_EQ(n->valueAsString(), c.out);
    }
    NodePtr i(Node::createInt64("", -42));
    EXPECT_EQ(i->valueAsString(), "-42");
}

TEST(JsonNode, MembersAreOrderedByUnsignedBytesAndFirstNameWins) {
    NodePtr o(Node::create(qor::json::Object, ""));
    for (const char *k : {"b", "B", "a", "__vs", "\xc3\xa9"}) {
        NodePtr m(Node::createInt64(k, 1));
        EXPECT_TRUE(o->addMember(m.get()));
    }
    EXPECT_EQ(compact(o.get()), "{\"B\":1,\"__vs\":1,\"a\":1,\"b\":1,\"\xc3\xa9\":1}");
    NodePtr dup(Node::createInt64("a", 2));
    EXPECT_FALSE(o->addMember(dup.get()));
    NodePtr a(o->member("a"));
    EXPECT_EQ(a->int64Value(), 1);
    // Same name, different node: not removed.
    EXPECT_FALSE(o->removeMember(dup.get()));
    EXPECT_TRUE(o->removeMember(a.get()));
    EXPECT_EQ(o->member("a"), nullptr);
    EXPECT_EQ(a->parent(), nullptr);
}

TEST(JsonNode, RenamedMemberKeepsItsKeyButWritesItsNewNameAndCanBeRemoved) {
    NodePtr o(Node::create(qor::json::Object, ""));
    NodePtr m(Node::createInt64("old", 1));
    o->addMember(m.get());
    m->setName("new");
    EXPECT_EQ(o->member("new"), nullptr);
    NodePtr again(o->member("old"));
    EXPECT_EQ(again.get(), m.get());
    EXPECT_EQ(compact(o.get()), "{\"new\":1}");
    EXPECT_TRUE(o->removeMember(m.get()));
    EXPECT_EQ(o->members()->size(), 0u);
}

TEST(JsonNode, ArraysRefuseOutOfRangeAndCycles) {
    NodePtr arr(Node::create(qor::json::Array, ""));
    NodePtr e(Node::createInt64("", 1));
    EXPECT_TRUE(arr->appendElement(e.get()));
    EXPECT_EQ(arr->elementAt(1), nullptr);
    EXPECT_FALSE(arr->removeElementAt(1));
    EXPECT_FALSE(arr->appendElement(arr.get()));
    EXPECT_FALSE(arr->appendElement(nullptr));

    NodePtr root(Node::create(qor::json::Object, ""));
    NodePtr mid(Node::create(qor::json::Object, "mid"));
    NodePtr leaf(Node::create(qor::json::Object, "leaf"));
    root->addMember(mid.get());
    mid->addMember(leaf.get());
    EXPECT_FALSE(leaf->addMember(mid.get()));
    EXPECT_FALSE(leaf->addMember(root.get()));
    EXPECT_FALSE(mid->addMember(mid.get()));
    EXPECT_EQ(e->refCount(), 2);
    EXPECT_TRUE(arr->removeElementAt(0));
    EXPECT_EQ(e->refCount(), 1);
}

TEST(JsonNode, NodeHeldByTwoContainersCannotFormACycle) {
    // X is held by A and B; its parent link names only B, so the upward walk alone misses A.
    NodePtr a(Node::create(qor::json::Array, ""));
    NodePtr b(Node::create(qor::json::Array, ""));
    NodePtr x(Node::create(qor::json::Array, ""));
    ASSERT_TRUE(a->appendElement(x.get()));
    ASSERT_TRUE(b->appendElement(x.get()));
    EXPECT_FALSE(x->appendElement(a.get()));
    // Removing X from B clears its link although A still holds it.
    ASSERT_TRUE(b->removeElementAt(0));
    EXPECT_FALSE(x->appendElement(a.get()));
    EXPECT_TRUE(x->appendElement(b.get()));
}

TEST(JsonNode, ChildOutlivingItsContainerLosesTheParentLink) {
    NodePtr child(Node::createInt64("c", 1));
    NodePtr other(Node::create(qor::json::Object, ""));
    {
        NodePtr o(Node::create(qor::json::Object, ""));
        o->addMember(child.get());
        other->addMember(child.get());
        o->addMember(NodePtr(Node::createInt64("d", 2)).get());
    }
    // The destroyed container was not the last to accept it: the link to "other" stays.
    NodePtr p(child->parent());
    EXPECT_EQ(p.get(), other.get());
    p.reset();
    other.reset();
    EXPECT_EQ(child->parent(), nullptr);
    EXPECT_EQ(child->refCount(), 1);
}

TEST(JsonNode, VeryDeepTreesAreWrittenAndFreedWithoutRecursion) {
    Node *root = Node::create(qor::json::Array, "");
    Node *cur = root;
    for (int i = 0; i < 200000; ++i) {
        Node *next = Node::create(qor::json::Array, "");
        cur->appendElement(next);
        Node::release(next);
        cur = next;
    }
    std::string text = qor::json::writeJson(root, false, 0);
    EXPECT_EQ(text.size(), 2u * 200001u);
    Node::release(root);
}
