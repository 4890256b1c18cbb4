// The host-facing implementation of one symbol of the host document: a pattern whose definition art,
// validity and disposal go through the host's symbol suite, and whose instances can be placed.
#pragma once

#include <cstdint>

#include "aip/qoraipArtboardPoint.h"
#include "aip/qoraipPattern.h"

namespace qor {
namespace aip {

class Symbol : public Pattern {
public:
    explicit Symbol(SymbolHandle symbol);
    Symbol(const Symbol& other);

    ~Symbol() override = default;
    Pattern* clone() const override;
    bool dispose() override;
    bool validate() override;
    Art* art() const override;
    void setArt(const Art* art) override;
    // A new instance at the position (artboard coordinates) by the host paint order, relative to the art
    // or to nothing; owned by the caller, or null.
    virtual Art* placeInstance(const ArtboardPoint& position, int32_t paintOrder, const Art* relative);

    SymbolHandle symbolHandle() const { return static_cast<SymbolHandle>(handle_); }
};

}  // namespace aip
}  // namespace qor
