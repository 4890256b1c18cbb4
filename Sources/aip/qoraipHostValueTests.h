// Recognising stored host values: an object is of a kind when every member of that kind's encoding is
// present, whatever the members hold. Null or a non-object passes no test.
#pragma once

namespace qor {
namespace json {
class Node;
}
namespace aip {

bool isArtboardPointObject(const json::Node *node);
bool isArtboardRectObject(const json::Node *node);
bool isArtColorObject(const json::Node *node);
bool isColorObject(const json::Node *node);
bool isFontObject(const json::Node *node);
bool isMatrixObject(const json::Node *node);
bool isPointObject(const json::Node *node);
bool isRectObject(const json::Node *node);
bool isSizeObject(const json::Node *node);
// Whether any of the nine tests passes.
bool isHostValueObject(const json::Node *node);

} // namespace aip
} // namespace qor
