#include "core/qorcoreGradient.h"

#include "aip/qoraipArtSuites.h"
#include "aip/qoraipSuite.h"
#include "core/qorcoreCoreGlobals.h"
#include "core/qorcoreHandleGlobals.h"
#include "core/qorcoreSharedRecord.h"
#include "geo/qorgeoNumeric.h"

namespace qor {
namespace core {

namespace qorcoreGradient_detail {

using Records = SharedRecord<__IntGradientData, void*>;

inline Records::Registry* registry()
{
    CoreGlobals* globals = handleGlobals();
    return globals ? &globals->gradientRegistry : nullptr;
}

inline void copyStop(const aip::Gradient::Stop& from, Gradient::Stop& to)
{
    to.position1 = from.position1;
    to.position2 = from.position2;
    to.color = ArtColor(from.color);
    to.opacity = from.opacity;
}

}  // namespace qorcoreGradient_detail

Gradient::Stop::Stop(double position1_, double position2_, const ArtColor& color_, double opacity_)
    : position1(geo::clamp(position1_, 0.0, 1.0)), position2(geo::clamp(position2_, 0.0, 1.0)), color(color_),
      opacity(geo::clamp(opacity_, 0.0, 1.0))
{
}

Gradient::Gradient(aip::Gradient*& impl) : data_(new __IntGradientData())
{
    using namespace qorcoreGradient_detail;
    data_->count = 1;
    Records::Registry* records = registry();
    if (!records || !impl || !impl->hostHandle())
        return;
    data_ = Records::join(*records, data_, static_cast<void*>(impl->hostHandle()), impl);
}

Gradient wrapGradient(aip::Gradient* impl)
{
    aip::Gradient* held = impl;
    Gradient g(held);
    if (held && g.data()->impl != held)
        delete held;
    return g;
}

Gradient::Gradient(const Gradient& other) : data_(qorcoreGradient_detail::Records::share(other.data_)) {}

Gradient::~Gradient()
{
    using namespace qorcoreGradient_detail;
    if (Records::Registry* records = registry()) {
        Records::release(*records, data_);
        data_ = nullptr;
    }
}

Gradient& Gradient::assign(const Gradient& other)
{
    if (&other != this)
        qorcoreGradient_detail::Records::assign(qorcoreGradient_detail::registry(), data_, other.data_);
    return *this;
}

bool Gradient::dispose() { return impl() && impl()->dispose(); }
void* Gradient::hostHandle() const { return impl() ? static_cast<void*>(impl()->hostHandle()) : nullptr; }
bool Gradient::isEmpty() const { return !impl() || !impl()->hostHandle(); }
bool Gradient::isValid() const { return impl() && impl()->validate(); }

int32_t Gradient::type() const
{
    int32_t t = impl() ? impl()->type() : 0;
    return t == 10 || t == 20 ? t : 0;
}

void Gradient::setType(int32_t type)
{
    if (impl() && (type == 10 || type == 20))
        impl()->setType(type);
}

bool Gradient::equals(const Gradient& other) const
{
    return qorcoreGradient_detail::Records::equals(
        data_, other.data_, [](const aip::Gradient* impl) { return static_cast<void*>(impl->hostHandle()); });
}

bool Gradient::notEquals(const Gradient& other) const { return !equals(other); }

std::string Gradient::name() const { return impl() ? impl()->name() : std::string(); }

void Gradient::setName(const std::string& name)
{
    if (impl())
        impl()->setName(name);
}

int16_t Gradient::stopCount() const { return impl() ? impl()->stopCount() : 0; }

std::unique_ptr<Gradient::Stop> Gradient::stopAt(int16_t index) const
{
    aip::Gradient::Stop stop;
    if (!impl() || !impl()->stopAt(index, stop))
        return nullptr;
    auto out = std::make_unique<Stop>();
    qorcoreGradient_detail::copyStop(stop, *out);
    return out;
}

bool Gradient::setStop(int16_t index, const Stop& stop)
{
    if (!impl())
        return false;
    return impl()->setStop(
        index, aip::Gradient::Stop(stop.position1, stop.position2, *implPointer(stop.color), stop.opacity));
}

bool Gradient::insertStop(int16_t index, Stop& out)
{
    aip::Gradient::Stop stop;
    if (!impl() || !impl()->insertStop(index, stop))
        return false;
    qorcoreGradient_detail::copyStop(stop, out);
    return true;
}

bool Gradient::removeStop(int16_t index, Stop& out)
{
    aip::Gradient::Stop stop;
    if (!impl() || !impl()->removeStop(index, stop))
        return false;
    qorcoreGradient_detail::copyStop(stop, out);
    return true;
}

bool Gradient::colorAt(double t, ArtColor& out) const
{
    aip::ArtColor colour;
    if (!impl() || !impl()->colorAt(t, colour))
        return false;
    out = ArtColor(colour);
    return true;
}

}  // namespace core
}  // namespace qor
