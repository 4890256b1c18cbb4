// The client handle of a pattern of the host document: a shared record per host object (registered in
// the pattern map of CoreGlobals, which symbols share) that owns the aip::Pattern or aip::Symbol.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "aip/qoraipPattern.h"
#include "core/qorcoreArtboardRect.h"

namespace qor {
namespace core {

class Art;

class __IntPatternData {
public:
    virtual ~__IntPatternData() { delete impl; }
    int32_t count = 0;
    // The registry key; null while unregistered.
    void* key = nullptr;
    aip::Pattern* impl = nullptr;
};

class Pattern {
public:
    // Joins or creates the record of the implementation's host object; an implementation the record does
    // not take is deleted and the pointer nulled. Without globals or a host handle the handle stays empty
    // and the implementation with the caller.
    explicit Pattern(aip::Pattern*& impl);
    Pattern(const Pattern& other);
    static Pattern PatternEmpty();
    Pattern& operator=(const Pattern& other) { return assign(other); }

    virtual ~Pattern();
    virtual Pattern& assign(const Pattern& other);
    virtual bool dispose();
    virtual void* hostHandle() const;
    virtual bool isEmpty() const;
    virtual bool isValid() const;
    // 10, 20 or 30; 0 otherwise.
    virtual int32_t kind() const;
    virtual bool equals(const Pattern& other) const;
    virtual bool notEquals(const Pattern& other) const;
    // The definition art, or null.
    virtual std::unique_ptr<Art> art() const;
    virtual void setArt(const Art& art);
    virtual std::string name() const;
    virtual void setName(const std::string& name);
    virtual ArtboardRect tileBounds() const;
    virtual bool hostFlag() const;
    // The pattern form ignores the art.
    virtual bool hostCheck(const Art* art) const;

    __IntPatternData* data() const { return data_; }

protected:
    // An empty handle for a derived handle to fill.
    struct Unfilled {};
    explicit Pattern(Unfilled);
    aip::Pattern* impl() const { return data_ ? data_->impl : nullptr; }
    void join(aip::Pattern*& impl);
    void release();
    // A new client art over an implementation art (which it takes over), or null.
    static std::unique_ptr<Art> adoptArt(aip::Art* impl);

    __IntPatternData* data_ = nullptr;
};

// Takes the implementation over (deleting it when the handle does not keep it).
Pattern wrapPattern(aip::Pattern* impl);

}  // namespace core
}  // namespace qor
