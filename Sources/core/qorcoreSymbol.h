// The client handle of a symbol of the host document: a pattern handle whose record holds an
// aip::Symbol, with the symbol's own definition art, validity, disposal and instance placement.
#pragma once

#include "aip/qoraipSymbol.h"
#include "core/qorcoreArtboardPoint.h"
#include "core/qorcorePattern.h"

namespace qor {
namespace core {

class Symbol : public Pattern {
public:
    explicit Symbol(aip::Symbol*& impl);
    Symbol(const Symbol& other);
    Symbol& operator=(const Symbol& other) { return assignSymbol(other); }

    ~Symbol() override;
    bool dispose() override;
    bool isValid() const override;
    std::unique_ptr<Art> art() const override;
    void setArt(const Art& art) override;
    bool hostFlag() const override;
    bool hostCheck(const Art* art) const override;
    virtual Symbol& assignSymbol(const Symbol& other);
    // As equals, but an implementation that is not a symbol counts as none.
    virtual bool equalsSymbol(const Symbol& other) const;
    virtual bool notEqualsSymbol(const Symbol& other) const;
    // A new instance at the position by the client paint order, relative to the art or to nothing.
    virtual std::unique_ptr<Art> placeInstance(const ArtboardPoint& position, int32_t paintOrder,
                                               const Art* relative);

private:
    aip::Symbol* symbolImpl() const;
};

// Takes the implementation over (deleting it when the handle does not keep it).
Symbol wrapSymbol(aip::Symbol* impl);

}  // namespace core
}  // namespace qor
