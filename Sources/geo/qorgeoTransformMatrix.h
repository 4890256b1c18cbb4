// A 2-D affine matrix (a, b, c, d, tx, ty) in the row-vector convention: (x, y) maps to
// (a·x + c·y + tx, b·x + d·y + ty); A × B applies A first. Translations negate their y argument.
#pragma once

#include "geo/qorgeoAngle.h"

namespace qor {
namespace geo {

class TransformMatrix {
public:
    TransformMatrix() : a(1.0), b(0.0), c(0.0), d(1.0), tx(0.0), ty(0.0) {}
    TransformMatrix(double a_, double b_, double c_, double d_, double tx_, double ty_)
        : a(a_), b(b_), c(c_), d(d_), tx(tx_), ty(ty_)
    {
    }
    TransformMatrix(const TransformMatrix& other) = default;

    virtual ~TransformMatrix() = default;
    virtual void setIdentity();
    virtual bool isIdentity() const;
    virtual void setTranslation(double x, double y);
    virtual void setRotation(const Angle& angle);
    virtual void setScale(double sx, double sy);
    virtual void postTranslate(double dx, double dy);
    virtual void postRotate(const Angle& angle);
    virtual void postScale(double sx, double sy);
    virtual void postMultiply(const TransformMatrix& other);
    virtual double determinant() const;
    virtual bool isSingular() const;
    virtual bool invert(TransformMatrix& out) const;
    virtual bool operator==(const TransformMatrix& other) const;
    virtual bool operator!=(const TransformMatrix& other) const;
    virtual TransformMatrix& operator=(const TransformMatrix& other);
    virtual TransformMatrix operator*(const TransformMatrix& other) const;
    virtual TransformMatrix& operator*=(const TransformMatrix& other);

    double a, b, c, d, tx, ty;
};

}  // namespace geo
}  // namespace qor
