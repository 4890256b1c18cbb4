#include "core/qorcoreArtboard.h"

#include "core/qorcoreCoreGlobals.h"
#include "core/qorcoreHandleGlobals.h"

namespace qor {
namespace core {

Artboard::Artboard(aip::Artboard*& impl) : data_(new __IntArtboardData())
{
    data_->count = 1;
    CoreGlobals* globals = handleGlobals();
    if (!globals || !impl)
        return;
    __IntArtboardData* found = nullptr;
    if (globals->artboardRegistry.get(impl->index(), found) && found) {
        delete data_;
        data_ = found;
        ++found->count;
        if (found->impl != impl) {
            delete impl;
            impl = nullptr;
        }
        return;
    }
    data_->key = impl->index();
    data_->impl = impl;
    globals->artboardRegistry.insert(data_->key, data_);
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
    CoreGlobals* globals = handleGlobals();
    if (!globals || !data_)
        return;
    if (--data_->count <= 0) {
        __IntArtboardData* registered = nullptr;
        if (data_->key != -2 && globals->artboardRegistry.get(data_->key, registered) && registered == data_)
            globals->artboardRegistry.remove(data_->key);
        delete data_;
    }
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
    if (&other == this || !handleGlobals() || !data_ || !other.data_)
        return *this;
    __IntArtboardData* incoming = other.data_;
    ++incoming->count;
    release();
    data_ = incoming;
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

}  // namespace core
}  // namespace qor
