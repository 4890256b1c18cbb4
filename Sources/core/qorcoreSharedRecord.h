// The registry rules that the gradient, pattern and art-style handles share: a handle joins the record
// registered for its host object or registers a fresh one, and the last handle to let go removes the
// record from the registry and deletes it. A Record has `count`, `key` and `impl` fields.
#pragma once

#include "utils/qorutilsMap.h"

namespace qor {
namespace core {

template <class Record, class Key>
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
        fresh->key = key;
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
        return hostKeyOf(mine->impl) == theirs->key;
    }

    // One share fewer; at 0 or below the record leaves the registry and is deleted.
    static void release(Registry& registry, Record* data)
    {
        if (!data || --data->count > 0)
            return;
        Record* registered = nullptr;
        if (data->key && registry.get(data->key, registered) && registered == data)
            registry.remove(data->key);
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
