// The client screen colour: public cached red, green, blue and alpha over one owned aip::Color (the
// value-type pattern). Client code may write the channels directly; every later operation sees them.
#pragma once

#include "aip/qoraipColor.h"

namespace qor {
namespace core {

class Color {
public:
    Color();
    Color(const Color& other);
    explicit Color(const aip::Color& impl);
    static Color black();
    static Color red();

    virtual ~Color();
    virtual void lighten(double x);
    virtual void darken(double x);
    // Copies the cached channels only.
    virtual Color& operator=(const Color& other);
    // Relative per channel: unequal when |a - b| > max(|a|, |b|) × 10 × DBL_EPSILON.
    virtual bool operator==(const Color& other) const;
    virtual bool operator!=(const Color& other) const;

    double r;
    double g;
    double b;
    double a;

private:
    friend aip::Color* colorImpl(const Color& color);
    aip::Color* sync() const;
    void readBack();
    aip::Color* impl_;
};

// The implementation with the cached channels written into it.
aip::Color* colorImpl(const Color& color);
Color wrapColor(const aip::Color& impl);

}  // namespace core
}  // namespace qor
