#include "aip/qoraipHostValueTests.h"

#include <initializer_list>

#include "json/qorjsonNode.h"

namespace qor {
namespace aip {

namespace qoraipHostValueTests_detail {
bool hasAll(const json::Node *node, std::initializer_list<const char *> keys) {
    const json::Node::MemberMap *members = node ? node->members() : nullptr;
    if (!members) return false;
    for (const char *k : keys)
        if (!members->count(k)) return false;
    return true;
}
} // namespace qoraipHostValueTests_detail

using qoraipHostValueTests_detail::hasAll;

bool isArtboardPointObject(const json::Node *n) { return hasAll(n, {"__abx", "__aby"}); }
bool isArtboardRectObject(const json::Node *n) { return hasAll(n, {"__aborigin", "__absize"}); }
bool isArtColorObject(const json::Node *n) {
    return hasAll(n, {"__c1", "__c2", "__c3", "__c4", "__type", "__customFlags", "__customName", "__customTint",
                      "__customType"});
}
bool isColorObject(const json::Node *n) { return hasAll(n, {"__r", "__g", "__b", "__o"}); }
bool isFontObject(const json::Node *n) { return hasAll(n, {"__face", "__size"}); }
bool isMatrixObject(const json::Node *n) { return hasAll(n, {"__a", "__b", "__c", "__d", "__tx", "__ty"}); }
bool isPointObject(const json::Node *n) { return hasAll(n, {"__x", "__y"}); }
bool isRectObject(const json::Node *n) { return hasAll(n, {"__origin", "__size"}); }
bool isSizeObject(const json::Node *n) { return hasAll(n, {"__w", "__h"}); }

bool isHostValueObject(const json::Node *n) {
    return isArtboardPointObject(n) || isArtboardRectObject(n) || isArtColorObject(n) || isColorObject(n) ||
           isFontObject(n) || isMatrixObject(n) || isPointObject(n) || isRectObject(n) || isSizeObject(n);
}

} // namespace aip
} // namespace qor
