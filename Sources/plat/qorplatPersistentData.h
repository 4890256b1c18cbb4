// A typed view of one JSON node: the base of every persistent value. It owns one counted reference to
// its node and a kind code; changes go straight into the node, so a member of a document changes the
// document.
#pragma once

#include <cstdint>
#include <string>

#include "json/qorjsonNode.h"
#include "utils/qorutilsVector.h"

namespace qor {
namespace plat {

// Kind codes of persistent values; there are no codes 110 and 120.
enum class PersistentDataType : int32_t {
    Array = 10,
    ArtboardPoint = 20,
    ArtboardRect = 30,
    ArtColor = 40,
    Bool = 50,
    Color = 60,
    Dictionary = 70,
    Font = 80,
    Matrix = 90,
    Number = 100,
    Point = 130,
    Rect = 140,
    Size = 150,
    String = 160,
    Preferences = 1000
};

class PersistentData {
public:
    virtual ~PersistentData();
    virtual PersistentDataType kind() const;
    virtual std::string key() const;
    virtual void setKey(const std::string &key);
    // The node with one reference for the caller.
    virtual json::NodePtr node() const;

    // The node without a reference (the object keeps its own).
    json::Node *nodeRef() const { return node_; }

    // A plain value of the class that matches the node's JSON kind; adopts the reference. Null (and the
    // reference released) for a Null node or no node.
    static PersistentData *wrap(json::Node *adopted);

    PersistentData(const PersistentData &) = delete;
    PersistentData &operator=(const PersistentData &) = delete;

protected:
    PersistentData(json::Node *adopted, PersistentDataType kind) : node_(adopted), kind_(kind) {}

private:
    json::Node *node_;
    PersistentDataType kind_;
};

using PersistentDataVector = utils::Vector<PersistentData *>;

} // namespace plat
} // namespace qor
