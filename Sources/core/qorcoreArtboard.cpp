#include "core/qorcoreArtboard.h"

#include "core/qorcoreArt.h"
#include "core/qorcoreCurrentDocument.h"
#include "core/qorcoreIllustrator.h"
#include "core/qorcoreLayer.h"

#include "core/qorcoreCoreGlobals.h"
#include "core/qorcoreHandleGlobals.h"
#include "core/qorcoreSharedRecord.h"

namespace qor {
namespace core {

namespace qorcoreArtboard_detail {

// Artboards are registered by index; −2 marks a record that is not registered (0 is a real index).
struct ArtboardKey {
    static int32_t& of(__IntArtboardData& r) { return r.key; }
    static const int32_t& of(const __IntArtboardData& r) { return r.key; }
    static bool registrable(int32_t key) { return key != -2; }
};

using Records = SharedRecord<__IntArtboardData, int32_t, ArtboardKey>;

}  // namespace qorcoreArtboard_detail

Artboard::Artboard(aip::Artboard*& impl) : data_(new __IntArtboardData())
{
    using namespace qorcoreArtboard_detail;
    data_->count = 1;
    CoreGlobals* globals = handleGlobals();
    if (!globals || !impl)
        return;
    data_ = Records::join(globals->artboardRegistry, data_, impl->index(), impl);
}

Artboard wrapArtboard(aip::Artboard* impl)
{
    aip::Artboard* held = impl;
    Artboard a(held);
    if (held && a.data()->impl != held)
        delete held;
    return a;
}

Artboard Artboard::ArtboardCopy(const Artboard& other) { return Artboard(other); }

Artboard::Artboard(const Artboard& other)
{
    if (other.data_) {
        data_ = other.data_;
        ++data_->count;
    } else {
        data_ = new __IntArtboardData();
        data_->count = 1;
    }
}

void Artboard::release()
{
    if (CoreGlobals* globals = handleGlobals())
        qorcoreArtboard_detail::Records::release(globals->artboardRegistry, data_);
}

Artboard::~Artboard()
{
    if (!handleGlobals())
        return;
    release();
    data_ = nullptr;
}

Artboard& Artboard::assign(const Artboard& other)
{
    CoreGlobals* globals = handleGlobals();
    qorcoreArtboard_detail::Records::assign(globals ? &globals->artboardRegistry : nullptr, data_, other.data_);
    return *this;
}

bool Artboard::isEmpty() const { return !data_ || !data_->impl; }

bool Artboard::valid() const
{
    return !isEmpty() && !data_->impl->properties().isNull();
}

bool Artboard::deleteArtboard() { return !isEmpty() && data_->impl->deleteArtboard(); }

bool Artboard::equals(const Artboard& other) const
{
    if (!data_)
        return !other.data_;
    if (!other.data_)
        return false;
    if (!data_->impl)
        return !other.data_->impl;
    if (!other.data_->impl)
        return false;
    return data_->impl->equals(other.data_->impl);
}

bool Artboard::notEquals(const Artboard& other) const { return !equals(other); }

ArtboardRect Artboard::bounds() const
{
    return isEmpty() ? ArtboardRect() : ArtboardRect(data_->impl->bounds());
}

void Artboard::setBounds(const ArtboardRect& bounds)
{
    if (isEmpty())
        return;
    data_->impl->setBounds(aip::ArtboardRect::fromEdges(bounds.left(), bounds.top(), bounds.right(), bounds.bottom()));
}

ArtboardPoint Artboard::rulerOrigin() const
{
    if (isEmpty())
        return ArtboardPoint(0, 0);
    aip::ArtboardPoint p = data_->impl->rulerOrigin();
    return ArtboardPoint(p.x, p.y);
}

void Artboard::setRulerOrigin(const ArtboardPoint& origin)
{
    if (!isEmpty())
        data_->impl->setRulerOrigin(aip::ArtboardPoint(origin.x, origin.y));
}

std::string Artboard::name() const { return isEmpty() ? std::string() : data_->impl->name(); }

void Artboard::setName(const std::string& name)
{
    if (!isEmpty())
        data_->impl->setName(name);
}

bool Artboard::isActive() const { return !isEmpty() && data_->impl->isActive(); }

namespace qorcoreArtboard_detail {

void collect(const Art& art, const ArtboardRect& bounds, std::vector<std::unique_ptr<Art>>& out)
{
    if (!art.bounds66().overlaps(bounds))
        return;
    if (art.type() != ArtTypeGroup) {
        out.push_back(std::make_unique<Art>(art));
        return;
    }
    std::unique_ptr<Art> first(art.firstChild());
    if (!first)
        return;
    Art::Iterator it;
    for (first->begin(it); !it.atEnd(); it.next()) {
        std::unique_ptr<Art> child(it.art());
        if (child)
            collect(*child, bounds, out);
    }
}

}  // namespace qorcoreArtboard_detail

std::vector<std::unique_ptr<Art>> Artboard::art() const
{
    std::vector<std::unique_ptr<Art>> found;
    Illustrator* host = Illustrator::instance();
    CurrentDocument* document = host ? host->currentDocument() : nullptr;
    if (!data_ || !data_->impl || !document)
        return found;
    const ArtboardRect board = bounds();
    const int32_t layers = document->layerCount();
    for (int32_t index = 0; index < layers; ++index) {
        std::unique_ptr<Layer> layer = document->layerAt(index);
        std::unique_ptr<Art> group(layer ? layer->firstArt() : nullptr);
        if (group)
            qorcoreArtboard_detail::collect(*group, board, found);
    }
    return found;
}

}  // namespace core
}  // namespace qor
