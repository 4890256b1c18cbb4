// The client handle of one typed preference value. Handles share a counted record that owns the
// persistent value and a reference to its JSON node; writing through any handle changes the node, so
// a member of a preference document is saved with the document.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "json/qorjsonNode.h"
#include "plat/qorplatPersistentData.h"

struct CoreGlobals;

namespace qor {
namespace plat {
class PersistentDictionary;
}
namespace core {

enum class PrefDataType : int32_t {
    None = 0,
    Array = 10,
    ArtboardPoint = 20,
    ArtboardRect = 30,
    ArtColor = 40,
    Bool = 50,
    Color = 60,
    DashStyle = 70,
    DashStyleMap = 80,
    Dictionary = 90,
    FillStyle = 100,
    FillStyleMap = 110,
    Font = 120,
    Number = 130,
    PathStyle = 150,
    PathStyleMap = 160,
    Point = 170,
    Rect = 180,
    Size = 190,
    String = 200,
    StrokeStyle = 210,
    StrokeStyleMap = 220,
    TransformMatrix = 230
};

class PrefData;
PrefData *wrapPrefData(plat::PersistentData *&value);

class __IntPrefData {
public:
    virtual ~__IntPrefData();
    int32_t refCount = 0;
    json::Node *node = nullptr;
    plat::PersistentData *value = nullptr;
};

class PrefData {
public:
    PrefData();
    PrefData(const PrefData &other);
    virtual ~PrefData();

    virtual PrefData &operator=(const PrefData &other);
    virtual PrefData *clone() const = 0;
    virtual bool isEmpty() const;
    virtual bool operator==(const PrefData &other) const;
    virtual bool operator!=(const PrefData &other) const;
    virtual PrefDataType dataType() const;
    virtual std::string key() const;
    virtual void setKey(const std::string &key);
    virtual std::string toJSON() const;

    // A handle of the class that matches the JSON text's value, or null.
    static std::unique_ptr<PrefData> fromJSON(const std::string &json);

    // The core globals when the plug-in's chain reaches them, else null.
    static CoreGlobals *reachableGlobals();

protected:
    template <class Store, class Key>
    friend class PrefGetters;

    // The persistent values of the non-null, non-empty handles, in order.
    static plat::PersistentDataVector valuesOf(const std::vector<PrefData *> *handles);
    // Wraps an owned persistent value and, when the handle has the code, shares it into out.
    template <class Out>
    static bool assignWrapped(plat::PersistentData *owned, PrefDataType code, Out &out) {
        std::unique_ptr<PrefData> handle(wrapPrefData(owned));
        delete owned; // still set only when no handle class took it
        const Out *typed = handle && handle->dataType() == code ? dynamic_cast<const Out *>(handle.get()) : nullptr;
        if (!typed) return false;
        out = *typed;
        return true;
    }
    // Hands a new heap handle for an owned value to out (deleting what out held); false without one.
    static bool handOut(plat::PersistentData *owned, std::unique_ptr<PrefData> &out);

    // Takes the value over: a new record holding it and a reference to its node, registered.
    void adoptValue(plat::PersistentData *value);
    // For a fresh handle: shares the record already registered for the value's node (the value is then
    // deleted unless the record holds it), else adopts the value as adoptValue does. Without the
    // globals or a node the value is deleted and the handle stays empty.
    void adoptShared(plat::PersistentData *value);
    plat::PersistentData *value() const { return data_ ? data_->value : nullptr; }
    void dropRecord();

private:
    friend plat::PersistentData *prefDataImpl(const PrefData &pref);
    friend PrefData *wrapPrefData(plat::PersistentData *&value);
    __IntPrefData *data_;
};

// The record's persistent value, or null; no reference is taken.
plat::PersistentData *prefDataImpl(const PrefData &pref);

// A new heap handle of the class matching the value's kind, taking the value over (the holder is then
// null); null, with the value left to the caller, for a kind without a handle class in this build.
PrefData *wrapPrefData(plat::PersistentData *&value);

// Style recognisers over a persistent dictionary (member presence only; a colour member may be an
// art colour or a colour object).
bool isDashStyleMapDict(plat::PersistentDictionary *dict);
bool isDashStyleDict(plat::PersistentDictionary *dict);
bool isFillStyleMapDict(plat::PersistentDictionary *dict);
bool isFillStyleDict(plat::PersistentDictionary *dict);
bool isStrokeStyleMapDict(plat::PersistentDictionary *dict);
bool isStrokeStyleDict(plat::PersistentDictionary *dict);
bool isPathStyleMapDict(plat::PersistentDictionary *dict);
bool isPathStyleDict(plat::PersistentDictionary *dict);

} // namespace core
} // namespace qor
