// The text format: what the reader accepts, what the writer prints, and that every string and every
// finite double survives a write and a read.
#include "json/qorjsonNode.h"
#include "json/qorjsonReader.h"
#include "json/qorjsonWriter.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstring>
#include <random>

using qor::json::Node;
using qor::json::NodePtr;
using qor::json::parseJson;
using qor::json::writeJson;

namespace {
const char *const kRejected = "<null>";

std::string readBack(const std::string &text) {
    NodePtr n(parseJson(text));
    return n ? writeJson(n.get(), false, 0) : kRejected;
}

struct ParseCase {
    std::string text;
    std::string compact; // kRejected when the reader must refuse the text
    const char *why;
};
} // namespace

TEST(JsonReader, AcceptsTheLenientFormAndRefusesWhatItMust) {
    const ParseCase cases[] = {
        {"  42  ", "42", "number with spaces"},
        {"-.5", "-0.5", "leading point"},
        {"TRUE", "true", "any-case literal"},
        {"Null", "null", "any-case null"},
        {"[]", "[]", "empty array"},
        {"[ ]", "[]", "empty array with space"},
        {"{ }", "{}", "empty object with space"},
        {"[1,]", "[1]", "trailing comma"},
        {"{\"a\":1,}", "{\"a\":1}", "trailing comma in object"},
        {"{\"a\" 1}", "{\"a\":1}", "colon left out"},
        {"{\"a\":1,\"a\":2}", "{\"a\":1}", "first of two equal keys wins"},
        {"{\"a\":{\"b\":[1,{\"c\":true}]},\"d\":\"x\\\"y\"}", "{\"a\":{\"b\":[1,{\"c\":true}]},\"d\":\"x\\\"y\"}",
         "nested tree reads and writes back"},
        {"{\"p\":\"C:\\new\"}", "{\"p\":\"C:\\new\"}", "other backslashes stay"},
        {"[-]", "[0]", "lone minus is 0"},
        {"[.]", "[0]", "lone point is 0"},
        {"[1.2.3]", "[1.2]", "second point ends the conversion"},
        {"[1] x ,", "[1]", "non-token characters after the root are skipped"},
        {"\"abc", "\"abc\"", "unclosed top-level string runs to the end"},
        {"[\"\xff\xfe\xc3\"]", "[\"\xff\xfe\xc3\"]", "invalid UTF-8 passes through"},
        {"1e5", kRejected, "exponent at top level"},
        {"[1e-5]", kRejected, "exponent in a container"},
        {"{\"pDist\":5e-2,}", kRejected, "exponent before a trailing comma"},
        {"{\"a\":2E3}", kRejected, "capital exponent in an object"},
        {"nul", kRejected, "short literal"},
        {"true x", kRejected, "text after a literal"},
        {"[1 2]", kRejected, "two values without a comma"},
        {"{\"a\":1 2}", kRejected, "two member values"},
        {"{\"a\":1", kRejected, "unclosed object"},
        {"", kRejected, "empty"},
        {" \r\n\t", kRejected, "only whitespace"},
        {"\xef\xbb\xbf{}", kRejected, "byte-order mark"},
        {"[NaN]", kRejected, "NaN"},
        {"[inf]", kRejected, "inf"},
        {"-inf", kRejected, "negative inf at top level"},
        {"[t", kRejected, "literal cut at the end"},
        {"{\"a\":fals", kRejected, "literal cut at the end in an object"},
        {"[1]2", kRejected, "value after the root"},
        {"[]{}", kRejected, "container after the root"},
        {"[]\"s\"", kRejected, "string after the root"},
        {"[1]]", kRejected, "closing bracket after the root"},
        {"{:1}", kRejected, "colon without a key"},
        {"[1}", kRejected, "mismatched bracket"},
        {"[\"abc", kRejected, "unclosed string in a container"},
    };
    for (const ParseCase &c : cases) EXPECT_EQ(readBack(c.text), c.compact) << c.why;
}

TEST(JsonReader, NumbersKeepTheirKindAndOutOfRangeValuesStayValues) {
    struct Case {
        std::string text;
        bool real;
        double value;
    } cases[] = {
        {"4.0", true, 4.0},
        {"42", false, 42},
        {"-9223372036854775808", false, -9223372036854775808.0},
        // Integers beyond int64 become reals instead of saturating.
        {"99999999999999999999", true, 1e20},
        {"-99999999999999999999", true, -1e20},
        {"1" + std::string(400, '0'), true, DBL_MAX},
        {"-1" + std::string(400, '0') + ".5", true, -DBL_MAX},
        {"0." + std::string(400, '0') + "1", true, 0.0},
    };
    for (const Case &c : cases) {
        NodePtr n(parseJson(c.text));
        ASSERT_TRUE(n) << c.text;
        EXPECT_EQ(n->type(), qor::json::Number);
        EXPECT_EQ(n->isReal(), c.real) << c.text;
        EXPECT_EQ(n->doubleValue(), c.value) << c.text;
    }
}

TEST(JsonReader, ReportsWhyATextIsRefused) {
    std::string error;
    EXPECT_EQ(parseJson("{\"a\":1 2}", &error), nullptr);
    EXPECT_NE(error.find("does not match"), std::string::npos) << error;
    EXPECT_EQ(parseJson("[1]2", &error), nullptr);
    EXPECT_NE(error.find("after the end"), std::string::npos) << error;
    EXPECT_EQ(parseJson("7e3", &error), nullptr);
    EXPECT_NE(error.find("exponent"), std::string::npos) << error;
}

TEST(JsonReader, NestingIsBounded) {
    const size_t limit = qor::json::Reader::maxDepth;
    EXPECT_NE(readBack(std::string(limit, '[') + std::string(limit, ']')), kRejected);
    EXPECT_EQ(readBack(std::string(limit + 1, '[') + std::string(limit + 1, ']')), kRejected);
    EXPECT_EQ(readBack(std::string(100000, '[') + std::string(100000, ']')), kRejected);
    EXPECT_EQ(readBack(std::string(100000, '{')), kRejected);
    std::string objects;
    for (int i = 0; i < 100000; ++i) objects += "{\"a\":";
    EXPECT_EQ(readBack(objects), kRejected);
}

TEST(JsonWriter, IndentedFormIsExact) {
    NodePtr root(parseJson("{\"Prefs\":{\"b\":[true],\"a\":1}}"));
    ASSERT_TRUE(root);
    EXPECT_EQ(writeJson(root.get(), true, 0),
              "{\r\n\t\"Prefs\":\r\n\t{\r\n\t\t\"a\":1,\r\n\t\t\"b\":\r\n\t\t[\r\n\t\t\ttrue\r\n\t\t]\r\n\t}\r\n}");
    NodePtr arrays(parseJson("[[],{\"k\":null}]"));
    EXPECT_EQ(writeJson(arrays.get(), true, 0), "[\r\n\t\r\n\t[\r\n\r\n\t],\r\n\t\r\n\t{\r\n\t\t\"k\":null\r\n\t}\r\n]");
    NodePtr empty(Node::create(qor::json::Object, ""));
    EXPECT_EQ(writeJson(empty.get(), true, 0), "{\r\n\r\n}");
    EXPECT_EQ(writeJson(nullptr, true, 0), "");
}

TEST(JsonWriter, NumbersUseFixedNotationWithoutTrailingZeros) {
    struct Case {
        double value;
        const char *text;
    } cases[] = {
        {1, "1"},
        {0.5, "0.5"},
        {0.0001, "0.0001"},
        {0.05, "0.05"},
        {-2.25, "-2.25"},
        {2.0, "2"},
        {-0.0, "-0"},
        {120.0, "120"},
        // Fifteen decimals are kept wherever they read back exactly, even when longer than needed.
        {100000.1, "100000.100000000005821"},
        // Where fifteen decimals would lose the value, as many as it needs.
        {1.0 / 3.0, "0.3333333333333333"},
        {1e-20, "0.00000000000000000001"},
        {1e20, "100000000000000000000"},
        {std::nan(""), "0"},
        {-HUGE_VAL, "-179769313486231570814527423731704356798070567525844996598917476803157260780028538760589558632766878171540458953514382464234321326889464182768467546703537516986049910576551282076245490090389328944075868508455133942304583236903222948165808559332123348274797826204144723168738177180919299881250404026184124858368"},
    };
    for (const Case &c : cases) {
        NodePtr n(Node::createDouble("", c.value));
        EXPECT_EQ(writeJson(n.get(), false, 0), c.text) << c.value;
    }
    // Integers travel through their double.
    NodePtr big(Node::createInt64("", (int64_t(1) << 53) + 1));
    EXPECT_EQ(writeJson(big.get(), false, 0), "9007199254740992");
}

TEST(JsonWriter, StringsAndNamesEscapeWhatTheFormatCannotCarry) {
    struct Case {
        std::string text;
        const char *written;
    } cases[] = {
        {"\"hi\"", "\"\\\"hi\\\"\""},
        {"C:\\new", "\"C:\\new\""},
        {"tab\there", "\"tab\there\""},
        {"ends with \\", "\\\"ends with \\\\\""},
        {"line\nbreak\r", "\\\"line\\nbreak\\r\""},
        {"bell\x07", "\\\"bell\\u0007\""},
    };
    for (const Case &c : cases) {
        NodePtr n(Node::createString("", c.text));
        std::string text = writeJson(n.get(), false, 0);
        EXPECT_EQ(text, c.written);
        NodePtr back(parseJson(text));
        ASSERT_TRUE(back) << text;
        EXPECT_EQ(back->textRef(), c.text);
        // The same text as a member name and as a member value, in both forms.
        NodePtr o(Node::create(qor::json::Object, ""));
        o->addMember(NodePtr(Node::createString(c.text, c.text)).get());
        o->addMember(NodePtr(Node::createInt64("z", 1)).get());
        for (bool indented : {false, true}) {
            NodePtr ob(parseJson(writeJson(o.get(), indented, 0)));
            ASSERT_TRUE(ob) << writeJson(o.get(), indented, 0);
            NodePtr m(ob->member(c.text));
            ASSERT_TRUE(m) << writeJson(o.get(), indented, 0);
            EXPECT_EQ(m->textRef(), c.text);
            EXPECT_EQ(ob->members()->size(), 2u);
        }
    }
}

TEST(JsonWriter, EveryFiniteDoubleAndEveryStringSurvives) {
    std::mt19937_64 rng(20261210);
    NodePtr arr(Node::create(qor::json::Array, ""));
    std::vector<double> values{DBL_MIN, -DBL_MIN, 4.9e-324, DBL_MAX, 9223372036854775808.0, -9223372036854775808.0,
                               0.1 + 0.2, 7.999999999999999, 1.0 / 65536};
    for (int i = 0; i < 4000; ++i) {
        uint64_t bits = rng();
        double d;
        std::memcpy(&d, &bits, sizeof d);
        if (std::isfinite(d)) values.push_back(d);
        values.push_back(std::ldexp(static_cast<double>(rng() % 1000000), -static_cast<int>(rng() % 40)));
    }
    std::vector<std::string> strings{"", "\\", "\\\\", "\"", "\\\"", "a\\\"", "\"\\", "\r\n", "\\u0041"};
    for (int i = 0; i < 500; ++i) {
        std::string s(rng() % 12, ' ');
        for (char &ch : s) ch = "\\\"\r\n\ta\x01\xff/u0"[rng() % 12];
        strings.push_back(s);
    }
    for (double d : values) arr->appendElement(NodePtr(Node::createDouble("", d)).get());
    for (const std::string &s : strings) arr->appendElement(NodePtr(Node::createString("", s)).get());
    for (bool indented : {false, true}) {
        NodePtr back(parseJson(writeJson(arr.get(), indented, 0)));
        ASSERT_TRUE(back);
        ASSERT_EQ(back->elementCount(), values.size() + strings.size());
        for (size_t i = 0; i < values.size(); ++i) {
            NodePtr e(back->elementAt(static_cast<uint32_t>(i)));
            EXPECT_EQ(e->doubleValue(), values[i]) << i;
        }
        for (size_t i = 0; i < strings.size(); ++i) {
            NodePtr e(back->elementAt(static_cast<uint32_t>(values.size() + i)));
            EXPECT_EQ(e->textRef(), strings[i]) << i;
        }
    }
}
