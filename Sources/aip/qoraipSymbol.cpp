#include "aip/qoraipSymbol.h"

#include "aip/qoraipArt.h"
#include "aip/qoraipArtSuites.h"
#include "aip/qoraipDocument.h"
#include "aip/qoraipSuite.h"

namespace qor {
namespace aip {

Symbol::Symbol(SymbolHandle symbol) : Pattern(symbol)
{
    acquireSuite(symbolSuite, kSymbolSuiteName, kSymbolSuiteVersion);
}

Symbol::Symbol(const Symbol& other) : Pattern(other)
{
    acquireSuite(symbolSuite, kSymbolSuiteName, kSymbolSuiteVersion);
}

Pattern* Symbol::clone() const { return new Symbol(*this); }

bool Symbol::dispose()
{
    if (!valid_ || !symbolSuite || symbolSuite->disposeSymbol(symbolHandle()) != 0)
        return false;
    valid_ = false;
    return true;
}

bool Symbol::validate()
{
    if (!valid_ || !symbolSuite)
        return false;
    valid_ = symbolSuite->isSymbolValid(symbolHandle()) != 0;
    return valid_;
}

Art* Symbol::art() const
{
    ArtHandle art = nullptr;
    if (!valid_ || !symbolSuite || symbolSuite->getSymbolArt(symbolHandle(), &art) != 0 || !art)
        return nullptr;
    return new Art(art);
}

void Symbol::setArt(const Art* art)
{
    if (!valid_ || !symbolSuite || !art)
        return;
    symbolSuite->setSymbolArt(symbolHandle(), art->hostHandle(), 0);
}

Art* Symbol::placeInstance(const ArtboardPoint& position, int32_t paintOrder, const Art* relative)
{
    if (!valid_ || !symbolSuite)
        return nullptr;
    bool hasDocument = false;
    double scale = Document::currentScaleFactor(hasDocument);
    ArtboardPoint at = position;
    if (hasDocument && scale != 0.0) {
        at.x /= scale;
        at.y /= scale;
    }
    ArtHandle instance = nullptr;
    if (symbolSuite->placeSymbolInstance(symbolHandle(), at.toHostPoint(), paintOrder,
                                         relative ? relative->hostHandle() : nullptr, &instance) != 0 ||
        !instance)
        return nullptr;
    return new Art(instance);
}

}  // namespace aip
}  // namespace qor
