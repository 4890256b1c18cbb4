// A persistent JSON array: ordered persistent values with typed get and get-or-create by index.
#pragma once

#include "plat/qorplatPersistentData.h"

namespace qor {
namespace plat {

class PersistentBool;
class PersistentDictionary;
class PersistentNumber;
class PersistentString;

class PersistentArray : public PersistentData {
public:
    explicit PersistentArray(json::Node *adopted);
    PersistentArray(const PersistentDataVector *values, const std::string &key);

    virtual uint32_t count() const;
    virtual PersistentData *elementAt(uint32_t index);
    virtual bool append(PersistentData *value);
    virtual PersistentData *removeLast();
    virtual bool insertAt(uint32_t index, PersistentData *value);
    virtual PersistentData *removeAt(uint32_t index);
    virtual void clear();
    virtual PersistentArray *getArray(uint32_t index);
    virtual PersistentArray *getOrCreateArray(uint32_t index, const PersistentDataVector *values);
    virtual PersistentBool *getBool(uint32_t index);
    virtual PersistentBool *getOrCreateBool(uint32_t index, bool value);
    virtual PersistentDictionary *getDictionary(uint32_t index);
    virtual PersistentDictionary *getOrCreateDictionary(uint32_t index, const PersistentDataVector *values);
    virtual PersistentNumber *getNumber(uint32_t index);
    virtual PersistentNumber *getOrCreateNumber(uint32_t index, int64_t value);
    virtual PersistentNumber *getOrCreateNumber(uint32_t index, double value);
    virtual PersistentString *getString(uint32_t index);
    virtual PersistentString *getOrCreateString(uint32_t index, const std::string &value);

protected:
    template <class T>
    static T *keep(PersistentData *value, PersistentDataType kind) {
        T *typed = value && value->kind() == kind ? dynamic_cast<T *>(value) : nullptr;
        if (!typed) delete value;
        return typed;
    }
    template <class T>
    T *inserted(uint32_t index, T *made) {
        insertAt(index, made);
        return made;
    }
    // The element at index when it is a T, else a new T made from value and inserted there.
    template <class T, class V>
    T *getOrCreateAt(uint32_t index, const V &value, PersistentDataType kind) {
        T *found = keep<T>(elementAt(index), kind);
        return found ? found : inserted<T>(index, new T(value, std::string()));
    }
};

} // namespace plat
} // namespace qor
