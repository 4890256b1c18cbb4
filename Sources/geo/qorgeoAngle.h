// An angle in radians, unbounded, with unit conversions, arithmetic, comparisons that treat the
// circle as closed, normalisation into fixed ranges, quadrants, snapping and snapped trigonometry.
#pragma once

namespace qor {
namespace geo {

class Angle {
public:
    // Unit codes; any other code counts as radians.
    enum Unit { Radians = 1, Degrees = 2, Gradians = 3, Turns = 4 };

    Angle() : angle_(0.0) {}
    Angle(double value, int unit);
    Angle(const Angle& other) : angle_(other.angle_) {}

    static Angle pi();
    static Angle twoPi();
    static Angle zero();

    virtual ~Angle() = default;
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
    // Multiply and divide the turns of the two normalised angles.
    virtual Angle operator*(const Angle& other) const;
    virtual Angle operator/(const Angle& other) const;
    virtual Angle& operator=(const Angle& other);
    virtual Angle& operator+=(const Angle& other);
    virtual Angle& operator-=(const Angle& other);
    virtual Angle& operator*=(const Angle& other);
    virtual Angle& operator/=(const Angle& other);
    virtual double radians() const;
    virtual double degrees() const;
    virtual double gradians() const;
    virtual double turns() const;
    virtual double value(int unit) const;
    virtual void setValue(double value, int unit);

    Angle operator-() const { return unary(); }

    Angle normalized() const;                                  // 0 .. 2 pi
    Angle normalizedSigned() const;                            // -pi .. pi
    Angle normalizedToRange(double bound1, double bound2) const;
    Angle normalizedTo() const;                                // 0 .. pi
    Angle normalizedToRightHalf() const;                       // -pi/2 .. pi/2
    Angle normalizedToLeftHalf() const;                        // pi/2 .. 3 pi/2
    Angle normalizedToLowerHalf() const;                       // pi .. 2 pi
    Angle snappedTo45() const;
    Angle bisector(const Angle& other) const;
    Angle distanceTo(const Angle& other) const;
    bool isFirstQuadrant() const;
    bool isSecondQuadrant() const;
    bool isThirdQuadrant() const;
    bool isFourthQuadrant() const;
    int quadrant() const;
    double sin(double tolerance) const;
    double cos(double tolerance) const;
    double tan(double tolerance) const;

private:
    static double normalizeRadians(double x);
    static double normalizeRadiansSigned(double x);
    static Angle fromRadians(double radians);
    double angle_;
};

}  // namespace geo
}  // namespace qor
