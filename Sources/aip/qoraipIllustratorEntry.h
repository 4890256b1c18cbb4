// One wrapper per host entry reference, counted by the handles and holders that use it and registered
// in the plug-in globals; its typed readers add one host reference before each read, which the read
// consumes.
#pragma once

#include <cstdint>
#include <string>

#include "hostapi/HostApi.h"

namespace qor {
namespace aip {

class Art;
class IllustratorArray;
class IllustratorDictionary;
class UID;

class IllustratorEntry {
public:
    // Wraps a host reference this wrapper now owns; count 0.
    explicit IllustratorEntry(EntryHandle entry);
    IllustratorEntry(const IllustratorEntry&) = delete;
    IllustratorEntry& operator=(const IllustratorEntry&) = delete;
    virtual ~IllustratorEntry();

    // The registered wrapper with one more count, else a new wrapper with count 1; null for a null
    // reference or without the plug-in's globals.
    static IllustratorEntry* getOrCreate(EntryHandle entry);
    // A reference just received from the host, with one count for the caller.
    static IllustratorEntry* adopt(EntryHandle entry);
    // A new entry naming a unique id, or the id of an art; one count for the caller, or null.
    static IllustratorEntry* fromUID(UID* uid);
    static IllustratorEntry* fromArt(Art* art);
    void retain() { ++count_; }
    // Count - 1; destroyed at 0 or below.
    void release();

    EntryHandle hostHandle() const { return entry_; }
    int32_t count() const { return count_; }
    int32_t type() const;
    bool asBool() const;
    int64_t asInteger() const;
    double asReal() const;
    std::string asString() const;
    // Nested containers and the unique id, each with one count for the caller, or null.
    IllustratorDictionary* asDictionary() const;
    IllustratorArray* asArray() const;
    UID* uid() const;
    // A new art implementation for the art the unique id names, owned by the caller, or null.
    Art* art() const;

private:
    EntryHandle entry_;
    int32_t count_ = 0;
};

}  // namespace aip
}  // namespace qor
