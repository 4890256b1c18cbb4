#include "geo/qorgeoTransformMatrix.h"

#include "geo/qorgeoNumeric.h"

namespace qor {
namespace geo {

void TransformMatrix::setIdentity()
{
    a = 1.0;
    b = 0.0;
    c = 0.0;
    d = 1.0;
    tx = 0.0;
    ty = 0.0;
}

bool TransformMatrix::isIdentity() const
{
    return *this == TransformMatrix();
}

void TransformMatrix::setTranslation(double x, double y)
{
    tx = x;
    ty = -y;
}

void TransformMatrix::setRotation(const Angle& angle)
{
    double cs = angle.cos(1e-10);
    double sn = angle.sin(1e-10);
    a = cs;
    b = sn;
    c = -sn;
    d = cs;
}

void TransformMatrix::setScale(double sx, double sy)
{
    a = sx;
    d = sy;
}

void TransformMatrix::postTranslate(double dx, double dy)
{
    TransformMatrix m;
    m.tx = dx;
    m.ty = -dy;
    postMultiply(m);
}

void TransformMatrix::postRotate(const Angle& angle)
{
    TransformMatrix m;
    m.setRotation(angle);
    postMultiply(m);
}

void TransformMatrix::postScale(double sx, double sy)
{
    TransformMatrix m;
    m.a = sx;
    m.d = sy;
    postMultiply(m);
}

void TransformMatrix::postMultiply(const TransformMatrix& other)
{
    *this *= other;
}

double TransformMatrix::determinant() const
{
    return d * a - c * b;
}

bool TransformMatrix::isSingular() const
{
    return approxEqual(determinant(), 0.0, 1e-6);
}

bool TransformMatrix::invert(TransformMatrix& out) const
{
    out.setIdentity();
    if (isSingular())
        return false;
    double det = determinant();
    TransformMatrix r(d / det, -(b / det), -(c / det), a / det, (c * ty - d * tx) / det, (tx * b - a * ty) / det);
    out = r;
    return true;
}

bool TransformMatrix::operator==(const TransformMatrix& o) const
{
    return a == o.a && b == o.b && c == o.c && d == o.d && tx == o.tx && ty == o.ty;
}

bool TransformMatrix::operator!=(const TransformMatrix& other) const
{
    return !(*this == other);
}

TransformMatrix& TransformMatrix::operator=(const TransformMatrix& o)
{
    a = o.a;
    b = o.b;
    c = o.c;
    d = o.d;
    tx = o.tx;
    ty = o.ty;
    return *this;
}

TransformMatrix TransformMatrix::operator*(const TransformMatrix& B) const
{
    const TransformMatrix& A = *this;
    return TransformMatrix(A.b * B.c + A.a * B.a, A.b * B.d + A.a * B.b, B.c * A.d + A.c * B.a, A.d * B.d + A.c * B.b,
                           A.ty * B.c + A.tx * B.a + B.tx, A.ty * B.d + A.tx * B.b + B.ty);
}

TransformMatrix& TransformMatrix::operator*=(const TransformMatrix& other)
{
    return *this = *this * other;
}

}  // namespace geo
}  // namespace qor
