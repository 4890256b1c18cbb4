// A persistent JSON object: named persistent values with typed get and get-or-create operations.
// Every lookup goes through member() and every store through add(), so a subclass that recognises
// more kinds changes what all the typed getters find.
#pragma once

#include "plat/qorplatPersistentData.h"

namespace qor {
namespace plat {

class PersistentArray;
class PersistentBool;
class PersistentNumber;
class PersistentString;

class PersistentDictionary : public PersistentData {
public:
    explicit PersistentDictionary(json::Node *adopted);
    // A new object named key holding the values (by node, first of equal keys wins); values may be null.
    PersistentDictionary(const PersistentDataVector *values, const std::string &key);

    virtual bool add(PersistentData *value);
    virtual PersistentData *member(const std::string &key);
    virtual PersistentData *take(const std::string &key);
    virtual PersistentArray *getArray(const std::string &key);
    virtual PersistentArray *getOrCreateArray(const std::string &key, const PersistentDataVector *values);
    virtual PersistentBool *getBool(const std::string &key);
    virtual PersistentBool *getOrCreateBool(const std::string &key, bool value);
    virtual PersistentDictionary *getDictionary(const std::string &key);
    virtual PersistentDictionary *getOrCreateDictionary(const std::string &key, const PersistentDataVector *values);
    virtual PersistentNumber *getNumber(const std::string &key);
    virtual PersistentNumber *getOrCreateNumber(const std::string &key, int64_t value);
    virtual PersistentNumber *getOrCreateNumber(const std::string &key, double value);
    virtual PersistentString *getString(const std::string &key);
    virtual PersistentString *getOrCreateString(const std::string &key, const std::string &value);

protected:
    PersistentDictionary(json::Node *adopted, PersistentDataType kind);
    void addAll(const PersistentDataVector *values);

    // Keeps value only when it has the kind and the class; otherwise deletes it.
    template <class T>
    static T *keep(PersistentData *value, PersistentDataType kind) {
        T *typed = value && value->kind() == kind ? dynamic_cast<T *>(value) : nullptr;
        if (!typed) delete value;
        return typed;
    }
    // A new value offered to add(), which refuses a key already taken; returned either way.
    template <class T>
    T *stored(T *made) {
        add(made);
        return made;
    }
    // The member key when it is a T, else a new T made from value and offered to add().
    template <class T, class V>
    T *getOrCreateOf(const std::string &key, const V &value, PersistentDataType kind) {
        T *found = keep<T>(member(key), kind);
        return found ? found : stored<T>(new T(value, key));
    }
};

} // namespace plat
} // namespace qor
