#include "aip/qoraipArtboard.h"

#include "aip/qoraipArtSuites.h"
#include "aip/qoraipDocument.h"
#include "aip/qoraipHostStrings.h"
#include "aip/qoraipSuite.h"
#include "aip/qoraipSuitePointers.h"

namespace qor {
namespace aip {

Artboard::Artboard(int32_t index) : index_(index)
{
    acquireSuite(artboardSuite, kArtboardSuiteName, kArtboardSuiteVersion);
    acquireSuite(unicodeStringSuite, kUnicodeStringSuiteName, kUnicodeStringSuiteVersion);
}

Artboard* Artboard::clone() const { return new Artboard(index_); }

int32_t Artboard::index() const { return index_; }

ai::HostArtboardProperties Artboard::properties() const
{
    ai::HostArtboardProperties props;
    if (!valid_ || !artboardSuite)
        return props;
    ai::HostArtboardList list;
    // A refused read (an index past the end of the list) gives no properties at all, so that callers
    // asking whether the artboard exists are told the truth.
    if (!list.ok() || artboardSuite->getArtboardProperties(list.holder(), index_, props.holder()) != 0)
        props.dispose();
    return props;
}

bool Artboard::deleteArtboard()
{
    if (!valid_ || !artboardSuite)
        return false;
    ai::HostArtboardList list;
    if (!list.ok() || artboardSuite->deleteArtboard(list.holder(), index_) != 0)
        return false;
    valid_ = false;
    return true;
}

bool Artboard::equals(const Artboard* other) const { return valid_ && other && other->index() == index_; }

ArtboardRect Artboard::bounds() const
{
    if (!valid_ || !artboardSuite)
        return ArtboardRect();
    double s = Document::currentScaleFactor();
    ai::HostArtboardProperties props = properties();
    RealRect r{0, 0, 0, 0};
    if (!props.isNull())
        artboardSuite->getArtboardBounds(props.holder(), &r);
    r = {r.left * s, r.top * s, r.right * s, r.bottom * s};
    return ArtboardRect(r);
}

void Artboard::setBounds(const ArtboardRect& bounds)
{
    if (!valid_ || !artboardSuite)
        return;
    bool hasDocument = false;
    double s = Document::currentScaleFactor(hasDocument);
    ArtboardRect copy(bounds);
    if (hasDocument && s != 0)
        copy = ArtboardRect(copy.origin.x / s, copy.origin.y / s, copy.size.width / s, copy.size.height / s);
    ai::HostArtboardProperties props = properties();
    if (props.isNull())
        return;
    RealRect host;
    copy.toHostRect(host);
    artboardSuite->setArtboardBounds(props.holder(), &host);
}

ArtboardPoint Artboard::rulerOrigin() const
{
    if (!valid_ || !artboardSuite)
        return ArtboardPoint();
    double s = Document::currentScaleFactor();
    ai::HostArtboardProperties props = properties();
    RealPoint p{0, 0};
    if (!props.isNull())
        artboardSuite->getArtboardRulerOrigin(props.holder(), &p);
    return ArtboardPoint(p.h * s, p.v * s);
}

void Artboard::setRulerOrigin(const ArtboardPoint& origin)
{
    if (!valid_ || !artboardSuite)
        return;
    bool hasDocument = false;
    double s = Document::currentScaleFactor(hasDocument);
    ArtboardPoint copy(origin);
    if (hasDocument && s != 0)
        copy = ArtboardPoint(copy.x / s, copy.y / s);
    RealPoint host = copy.toHostPoint();
    host.v = -host.v;
    ai::HostArtboardProperties props = properties();
    if (!props.isNull())
        artboardSuite->setArtboardRulerOrigin(props.holder(), &host);
}

std::string Artboard::name() const
{
    if (!valid_ || !artboardSuite)
        return std::string();
    ai::HostArtboardProperties props = properties();
    ai::HostUnicodeString text;
    if (!props.isNull())
        artboardSuite->getArtboardName(props.holder(), text.resetAndGetAddress());
    return hostStringToUtf8(text);
}

void Artboard::setName(const std::string& name)
{
    if (!valid_ || !artboardSuite)
        return;
    ai::HostArtboardProperties props = properties();
    if (!props.isNull())
        artboardSuite->setArtboardName(props.holder(), utf8ToHostString(name).handle());
}

bool Artboard::isActive() const
{
    if (!valid_ || !artboardSuite)
        return false;
    ai::HostArtboardList list;
    int32_t active = -1;
    return list.ok() && artboardSuite->getActiveArtboardIndex(list.holder(), &active) == 0 && active == index_;
}

}  // namespace aip
}  // namespace qor
