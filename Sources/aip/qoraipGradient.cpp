#include "aip/qoraipGradient.h"

#include "aip/qoraipArtSuites.h"
#include "aip/qoraipHostStrings.h"
#include "aip/qoraipSuite.h"
#include "aip/qoraipSuitePointers.h"
#include "geo/qorgeoNumeric.h"

namespace qor {
namespace aip {

Gradient::Stop::Stop() : position1(0.0), position2(0.0), color(), opacity(1.0) {}

Gradient::Stop::Stop(double position1_, double position2_, const ArtColor& color_, double opacity_)
    : position1(geo::clamp(position1_, 0.0, 1.0)), position2(geo::clamp(position2_, 0.0, 1.0)), color(color_),
      opacity(geo::clamp(opacity_, 0.0, 1.0))
{
}

GradientStopRecord Gradient::Stop::toHostRecord() const
{
    GradientStopRecord r{};
    r.position1 = geo::clamp(position1 * 100.0, 0.0, 100.0);
    r.position2 = geo::clamp(position2 * 100.0, 0.0, 100.0);
    r.color = color.hostColor();
    r.opacity = geo::clamp(opacity, 0.0, 1.0);
    return r;
}

Gradient::Stop Gradient::Stop::fromHostRecord(const GradientStopRecord& record)
{
    return Stop(record.position1 / 100.0, record.position2 / 100.0, ArtColor(record.color), record.opacity);
}

void Gradient::acquireSuites()
{
    acquireSuite(gradientSuite, kGradientSuiteName, kGradientSuiteVersion);
    acquireSuite(unicodeStringSuite, kUnicodeStringSuiteName, kUnicodeStringSuiteVersion);
}

Gradient::Gradient(GradientHandle gradient) : valid_(true), gradient_(nullptr)
{
    acquireSuites();
    gradient_ = gradient;
}

Gradient::Gradient(const Gradient& other) : valid_(true), gradient_(nullptr)
{
    acquireSuites();
    valid_ = other.valid_;
    gradient_ = other.gradient_;
}

GradientHandle Gradient::hostHandle() const { return gradient_; }

Gradient* Gradient::clone() const { return new Gradient(*this); }

bool Gradient::dispose()
{
    if (!valid_ || !gradientSuite || gradientSuite->disposeGradient(gradient_) != 0)
        return false;
    valid_ = false;
    return true;
}

bool Gradient::validate()
{
    if (!valid_ || !gradientSuite)
        return false;
    valid_ = gradientSuite->isGradientValid(gradient_) != 0;
    return valid_;
}

int32_t Gradient::type() const
{
    int16_t type = -1;
    if (!valid_ || !gradientSuite || gradientSuite->getGradientType(gradient_, &type) != 0)
        return 0;
    return type == 0 ? 10 : type == 1 ? 20 : 0;
}

void Gradient::setType(int32_t type)
{
    if (!valid_ || !gradientSuite || (type != 10 && type != 20))
        return;
    gradientSuite->setGradientType(gradient_, type == 10 ? 0 : 1);
}

std::string Gradient::name() const
{
    if (!valid_ || !gradientSuite)
        return std::string();
    ai::HostUnicodeString text;
    gradientSuite->getGradientName(gradient_, text.resetAndGetAddress());
    return hostStringToUtf8(text);
}

void Gradient::setName(const std::string& name)
{
    if (!valid_ || !gradientSuite)
        return;
    ai::HostUnicodeString text = utf8ToHostString(name);
    gradientSuite->setGradientName(gradient_, text.handle());
}

int16_t Gradient::stopCount() const
{
    int16_t count = 0;
    if (!valid_ || !gradientSuite || gradientSuite->countGradientStops(gradient_, &count) != 0)
        return 0;
    return count;
}

bool Gradient::inRange(int16_t index, bool endAllowed) const
{
    int16_t count = stopCount();
    return index >= 0 && (index < count || (endAllowed && index == count));
}

bool Gradient::stopAt(int16_t index, Stop& out) const
{
    GradientStopRecord record{};
    if (!valid_ || !gradientSuite || !inRange(index, false) ||
        gradientSuite->getGradientStop(gradient_, index, &record) != 0)
        return false;
    out = Stop::fromHostRecord(record);
    return true;
}

bool Gradient::setStop(int16_t index, const Stop& stop)
{
    if (!valid_ || !gradientSuite || !inRange(index, false))
        return false;
    GradientStopRecord record = stop.toHostRecord();
    return gradientSuite->setGradientStop(gradient_, index, &record) == 0;
}

bool Gradient::insertStop(int16_t index, Stop& out)
{
    GradientStopRecord record{};
    if (!valid_ || !gradientSuite || !inRange(index, true) ||
        gradientSuite->insertGradientStop(gradient_, index, &record) != 0)
        return false;
    out = Stop::fromHostRecord(record);
    return true;
}

bool Gradient::removeStop(int16_t index, Stop& out)
{
    GradientStopRecord record{};
    if (!valid_ || !gradientSuite || !inRange(index, false) ||
        gradientSuite->removeGradientStop(gradient_, index, &record) != 0)
        return false;
    out = Stop::fromHostRecord(record);
    return true;
}

bool Gradient::colorAt(double t, ArtColor& out) const
{
    ColorRecord record{};
    if (!valid_ || !gradientSuite ||
        gradientSuite->getGradientColorAt(gradient_, geo::clamp(t, 0.0, 1.0) * 100.0, &record) != 0)
        return false;
    out = ArtColor(record);
    return true;
}

}  // namespace aip
}  // namespace qor
