// The host-facing implementation of one pattern of the host document (a named definition art tiled by
// fills): name, definition art, tile bounds and kind through the host's pattern and entry suites. Symbols
// derive from it and keep its name, tile-bounds and kind operations. Never disposes of the host object
// unless asked to.
#pragma once

#include <string>

#include "aip/qoraipArtboardRect.h"
#include "hostapi/HostApi.h"

namespace qor {
namespace aip {

class Art;

class Pattern {
public:
    // The host handle is a pattern's or, for the derived symbol, a symbol's.
    explicit Pattern(void* handle);
    Pattern(const Pattern& other);
    Pattern& operator=(const Pattern&) = delete;

    virtual ~Pattern() = default;
    virtual void* hostHandle() const;
    virtual Pattern* clone() const;
    virtual bool dispose();
    virtual bool validate();
    // 10, 20 or 30 by the first of the host's entry conversions that accepts the object; 0 when none does.
    virtual int32_t kind() const;
    // The definition art, owned by the caller, or null.
    virtual Art* art() const;
    virtual void setArt(const Art* art);
    virtual std::string name() const;
    virtual void setName(const std::string& name);
    // Scaled by the document scale factor; (0, 0, 0, 0) on a host error.
    virtual ArtboardRect tileBounds() const;

    bool isValidFlag() const { return valid_; }

protected:
    bool valid_;
    void* handle_;

private:
    static void acquireSuites();
};

}  // namespace aip
}  // namespace qor
