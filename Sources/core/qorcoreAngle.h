// The client angle: owns one geo::Angle and forwards to it (no cached fields).
#pragma once

#include "geo/qorgeoAngle.h"

namespace qor {
namespace core {

class Angle {
public:
    Angle();
    Angle(double value, int unit);
    Angle(const Angle& other);
    explicit Angle(const geo::Angle& impl);
    static Angle pi();
    static Angle zero();

    virtual ~Angle();
    virtual bool equalsWithin(const Angle& other, const Angle& tolerance) const;
    virtual bool operator==(const Angle& other) const;
    virtual bool operator!=(const Angle& other) const;
    virtual bool operator<(const Angle& other) const;
    virtual bool operator<=(const Angle& other) const;
    virtual bool operator>(const Angle& other) const;
    virtual bool operator>=(const Angle& other) const;
    virtual Angle operator-(const Angle& other) const;
    virtual Angle unary() const;
    virtual Angle operator+(const Angle& other) const;
    // By a double: scales the radians. By an angle: multiplies the turns of the normalised operands.
    virtual Angle operator*(double factor) const;
    virtual Angle operator*(const Angle& other) const;
    virtual Angle operator/(double divisor) const;
    virtual Angle operator/(const Angle& other) const;
    virtual Angle& operator=(const Angle& other);
    virtual Angle& operator+=(const Angle& other);
    virtual Angle& operator-=(const Angle& other);
    virtual Angle& operator*=(double factor);
    virtual Angle& operator*=(const Angle& other);
    virtual Angle& operator/=(double divisor);
    virtual Angle& operator/=(const Angle& other);
    virtual double radians() const;
    virtual double degrees() const;
    virtual double gradians() const;
    virtual double turns() const;
    virtual double value(int unit) const;
    virtual void setValue(double value, int unit);
    virtual Angle normalized() const;
    virtual Angle normalizedSigned() const;
    virtual Angle snappedTo45() const;
    virtual Angle normalizedTo() const;
    virtual Angle normalizedToLeftHalf() const;
    virtual Angle normalizedToLowerHalf() const;
    virtual Angle normalizedToRightHalf() const;
    virtual Angle bisector(const Angle& other) const;
    virtual Angle distanceTo(const Angle& other) const;
    virtual bool isFirstQuadrant() const;
    virtual bool isSecondQuadrant() const;
    virtual bool isThirdQuadrant() const;
    virtual bool isFourthQuadrant() const;
    virtual int quadrant() const;
    virtual double sin(double tolerance) const;
    virtual double cos(double tolerance) const;
    virtual double tan(double tolerance) const;

    Angle operator-() const { return unary(); }

private:
    friend geo::Angle* implPointer(const Angle& angle);
    // Held by value: angles are made and dropped by the million in path geometry.
    mutable geo::Angle impl_;
};

// The implementation, for the layers below; no cache to write.
geo::Angle* implPointer(const Angle& angle);
Angle wrapAngle(const geo::Angle& impl);

}  // namespace core
}  // namespace qor
