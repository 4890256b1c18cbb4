#include "core/qorcoreSymbol.h"

#include "aip/qoraipArt.h"
#include "aip/qoraipArtSuites.h"
#include "aip/qoraipSuite.h"
#include "core/qorcoreArt.h"
#include "core/qorcoreEnumConverters.h"
#include "core/qorcoreIntArtData.h"

namespace qor {
namespace core {

namespace qorcoreSymbol_detail {

inline aip::Art* implOf(const Art* art) { return art && art->data() ? art->data()->impl : nullptr; }

}  // namespace qorcoreSymbol_detail

Symbol::Symbol(aip::Symbol*& impl) : Pattern(Unfilled())
{
    aip::acquireSuite(aip::symbolSuite, kSymbolSuiteName, kSymbolSuiteVersion);
    aip::Pattern* held = impl;
    join(held);
    if (!held)
        impl = nullptr;
}

Symbol wrapSymbol(aip::Symbol* impl)
{
    aip::Symbol* held = impl;
    Symbol s(held);
    if (held && s.data()->impl != held)
        delete held;
    return s;
}

Symbol::Symbol(const Symbol& other) : Pattern(other) {}

// Releases the share here; the pattern destructor then finds nothing left.
Symbol::~Symbol() { release(); }

aip::Symbol* Symbol::symbolImpl() const { return dynamic_cast<aip::Symbol*>(impl()); }

bool Symbol::dispose() { return symbolImpl() && symbolImpl()->dispose(); }
bool Symbol::isValid() const { return symbolImpl() && symbolImpl()->validate(); }

std::unique_ptr<Art> Symbol::art() const { return symbolImpl() ? adoptArt(symbolImpl()->art()) : nullptr; }

void Symbol::setArt(const Art& art)
{
    if (symbolImpl())
        symbolImpl()->setArt(qorcoreSymbol_detail::implOf(&art));
}

bool Symbol::hostFlag() const
{
    aip::Symbol* s = symbolImpl();
    return s && aip::symbolSuite && aip::symbolSuite->symbolFlag52(s->symbolHandle()) != 0;
}

bool Symbol::hostCheck(const Art* art) const
{
    aip::Symbol* s = symbolImpl();
    return s && aip::symbolSuite &&
           aip::symbolSuite->symbolCheck48(s->symbolHandle(), art ? art->hostHandle() : nullptr) == 0;
}

Symbol& Symbol::assignSymbol(const Symbol& other)
{
    assign(other);
    return *this;
}

bool Symbol::equalsSymbol(const Symbol& other) const
{
    if (!data_ || !other.data_)
        return !data_ && !other.data_;
    aip::Symbol* mine = symbolImpl();
    aip::Symbol* theirs = other.symbolImpl();
    if (!mine)
        return !theirs;
    if (!theirs)
        return false;
    return mine->hostHandle() == other.data_->key;
}

bool Symbol::notEqualsSymbol(const Symbol& other) const { return !equalsSymbol(other); }

std::unique_ptr<Art> Symbol::placeInstance(const ArtboardPoint& position, int32_t paintOrder, const Art* relative)
{
    aip::Symbol* s = symbolImpl();
    if (!s)
        return nullptr;
    return adoptArt(s->placeInstance(aip::ArtboardPoint(position.x, position.y), paintOrderToHost(paintOrder),
                                     qorcoreSymbol_detail::implOf(relative)));
}

}  // namespace core
}  // namespace qor
