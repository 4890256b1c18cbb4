// An artboard of the current document by its index in the artboard list, with its bounds, ruler
// origin and name read and written through a properties object.
#pragma once

#include <cstdint>
#include <string>

#include "aip/qoraipArtboardPoint.h"
#include "aip/qoraipArtboardRect.h"
#include "sdk/qoraiHostArtboardList.h"

namespace qor {
namespace aip {

class Artboard {
public:
    explicit Artboard(int32_t index);
    Artboard(const Artboard&) = delete;
    Artboard& operator=(const Artboard&) = delete;

    virtual ~Artboard() = default;
    virtual Artboard* clone() const;
    virtual int32_t index() const;
    // The artboard's properties; null inside when the host could not give them (an index past the end).
    virtual ai::HostArtboardProperties properties() const;
    virtual bool deleteArtboard();
    virtual bool equals(const Artboard* other) const;
    virtual ArtboardRect bounds() const;
    virtual void setBounds(const ArtboardRect& bounds);
    virtual ArtboardPoint rulerOrigin() const;
    virtual void setRulerOrigin(const ArtboardPoint& origin);
    virtual std::string name() const;
    virtual void setName(const std::string& name);
    virtual bool isActive() const;

private:
    bool valid_ = true;
    int32_t index_;
};

}  // namespace aip
}  // namespace qor
