// The registry rules that the gradient, pattern, art-style, layer and artboard handles share: a handle
// joins the record registered for its host object or registers a fresh one, and the last handle to let go
// removes the record from the registry and deletes it. A Record has `count` and `impl` fields and a key
// that its KeyRule names.
#pragma once

#include "utils/qorutilsMap.h"

namespace qor {
namespace core {

// The default key rule: the record's `key` field, where a null (zero) key means "not registered".
template <class Record, class Key>
struct SharedRecordKey {
    static Key& of(Record& r) { return r.key; }
    static const Key& of(const Record& r) { return r.key; }
    static bool registrable(const Key& key) { return key != Key(); }
};

template <class Record, class Key, class KeyRule = SharedRecordKey<Record, Key>>
class SharedRecord {
public:
    using Registry = utils::Map<Key, Record*>;

    // The handle's record for the key: the registered one (count + 1; an implementation other than its
    // own is deleted and the pointer nulled, and the fresh record is deleted), or the fresh record, which
    // then takes the key and the implementation and is registered.
    template <class Impl>
    static Record* join(Registry& registry, Record* fresh, Key key, Impl*& impl)
    {
        Record* found = nullptr;
        if (registry.get(key, found) && found) {
            delete fresh;
            ++found->count;
            if (found->impl != impl) {
                delete impl;
                impl = nullptr;
            }
            return found;
        }
        KeyRule::of(*fresh) = key;
        fresh->impl = impl;
        registry.insert(key, fresh);
        return fresh;
    }

    // The record of a copied handle: the other's, shared, or a fresh unregistered one with count 0.
    static Record* share(Record* other)
    {
        if (!other)
            return new Record();
        ++other->count;
        return other;
    }

    // Handles without records are equal; with one missing, unequal. With both, implementations missing on
    // both sides are equal, on one side unequal; otherwise this implementation's host object must be the
    // other record's key.
    template <class HostKeyOf>
    static bool equals(const Record* mine, const Record* theirs, HostKeyOf hostKeyOf)
    {
        if (!mine || !theirs)
            return !mine && !theirs;
        if (!mine->impl)
            return !theirs->impl;
        if (!theirs->impl)
            return false;
        return hostKeyOf(mine->impl) == KeyRule::of(*theirs);
    }

    // One share fewer; at 0 or below the record leaves the registry and is deleted.
    static void release(Registry& registry, Record* data)
    {
        if (!data || --data->count > 0)
            return;
        Record* registered = nullptr;
        const Key& key = KeyRule::of(*data);
        if (KeyRule::registrable(key) && registry.get(key, registered) && registered == data)
            registry.remove(key);
        delete data;
    }

    // Points `mine` at `theirs`: nothing without a registry or when either record is missing. The new
    // share is taken first, so two handles of one record can be assigned to each other.
    static void assign(Registry* registry, Record*& mine, Record* theirs)
    {
        if (!registry || !mine || !theirs)
            return;
        ++theirs->count;
        release(*registry, mine);
        mine = theirs;
    }
};

}  // namespace core
}  // namespace qor
