// The client handle of an artboard. Handles share one record per artboard index (whatever document
// they were made in), kept in the artboard registry of CoreGlobals.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "aip/qoraipArtboard.h"
#include "core/qorcoreArtboardPoint.h"
#include "core/qorcoreArtboardRect.h"

namespace qor {
namespace core {

class Art;

class __IntArtboardData {
public:
    virtual ~__IntArtboardData() { delete impl; }
    int32_t count = 0;
    // The registry key; -2 in a record that is not registered.
    int32_t key = -2;
    aip::Artboard* impl = nullptr;
};

class Artboard {
public:
    // Joins or creates the record of the implementation's index; an implementation the record does not
    // take is deleted and the pointer nulled.
    explicit Artboard(aip::Artboard*& impl);
    static Artboard ArtboardCopy(const Artboard& other);
    Artboard(const Artboard& other);

    virtual ~Artboard();
    virtual Artboard& assign(const Artboard& other);
    virtual bool isEmpty() const;
    // Whether the artboard exists: the host gives properties for its index.
    virtual bool valid() const;
    virtual bool deleteArtboard();
    virtual bool equals(const Artboard& other) const;
    virtual bool notEquals(const Artboard& other) const;
    virtual ArtboardRect bounds() const;
    virtual void setBounds(const ArtboardRect& bounds);
    virtual ArtboardPoint rulerOrigin() const;
    virtual void setRulerOrigin(const ArtboardPoint& origin);
    virtual std::string name() const;
    virtual void setName(const std::string& name);
    virtual bool isActive() const;
    // New handles of the art whose bounds overlap this artboard, in layer order and depth first inside
    // each layer; groups are entered, never listed themselves, and a group outside is not entered.
    virtual std::vector<std::unique_ptr<Art>> art() const;

    __IntArtboardData* data() const { return data_; }

private:
    Artboard() = default;
    void release();

    __IntArtboardData* data_ = nullptr;
};

Artboard wrapArtboard(aip::Artboard* impl);

}  // namespace core
}  // namespace qor
