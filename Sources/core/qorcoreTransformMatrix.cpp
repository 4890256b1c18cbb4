#include "core/qorcoreTransformMatrix.h"

namespace qor {
namespace core {

TransformMatrix::TransformMatrix()
    : a(1.0), b(0.0), c(0.0), d(1.0), tx(0.0), ty(0.0), impl_(new aip::TransformMatrix())
{
}

TransformMatrix::TransformMatrix(const TransformMatrix& o)
    : a(1.0), b(0.0), c(0.0), d(1.0), tx(0.0), ty(0.0), impl_(new aip::TransformMatrix(o.a, o.b, o.c, o.d, o.tx, o.ty))
{
    readBack();
}

TransformMatrix::TransformMatrix(const geo::TransformMatrix& impl)
    : a(1.0), b(0.0), c(0.0), d(1.0), tx(0.0), ty(0.0), impl_(new aip::TransformMatrix(impl))
{
    readBack();
}

TransformMatrix::~TransformMatrix()
{
    delete impl_;
    impl_ = nullptr;
}

aip::TransformMatrix* TransformMatrix::sync() const
{
    impl_->a = a;
    impl_->b = b;
    impl_->c = c;
    impl_->d = d;
    impl_->tx = tx;
    impl_->ty = ty;
    return impl_;
}

void TransformMatrix::readBack()
{
    a = impl_->a;
    b = impl_->b;
    c = impl_->c;
    d = impl_->d;
    tx = impl_->tx;
    ty = impl_->ty;
}

void TransformMatrix::setIdentity()
{
    sync()->setIdentity();
    readBack();
}

bool TransformMatrix::isIdentity() const
{
    return sync()->isIdentity();
}

void TransformMatrix::setTranslation(double x, double y)
{
    sync()->setTranslation(x, y);
    readBack();
}

void TransformMatrix::setRotation(const Angle& angle)
{
    sync()->setRotation(*implPointer(angle));
    readBack();
}

void TransformMatrix::setScale(double sx, double sy)
{
    sync()->setScale(sx, sy);
    readBack();
}

void TransformMatrix::postTranslate(double dx, double dy)
{
    sync()->postTranslate(dx, dy);
    readBack();
}

void TransformMatrix::postRotate(const Angle& angle)
{
    sync()->postRotate(*implPointer(angle));
    readBack();
}

void TransformMatrix::postScale(double sx, double sy)
{
    sync()->postScale(sx, sy);
    readBack();
}

void TransformMatrix::postMultiply(const TransformMatrix& other)
{
    aip::TransformMatrix* o = other.sync();
    sync()->postMultiply(*o);
    readBack();
}

double TransformMatrix::determinant() const
{
    return sync()->determinant();
}

bool TransformMatrix::isSingular() const
{
    return sync()->isSingular();
}

bool TransformMatrix::invert(TransformMatrix& out) const
{
    if (!sync()->invert(*out.impl_))
        return false;
    out.readBack();
    return true;
}

bool TransformMatrix::operator==(const TransformMatrix& other) const
{
    aip::TransformMatrix* o = other.sync();
    return *sync() == *o;
}

bool TransformMatrix::operator!=(const TransformMatrix& other) const
{
    aip::TransformMatrix* o = other.sync();
    return *sync() != *o;
}

TransformMatrix& TransformMatrix::operator=(const TransformMatrix& o)
{
    if (this != &o) {
        a = o.a;
        b = o.b;
        c = o.c;
        d = o.d;
        tx = o.tx;
        ty = o.ty;
    }
    return *this;
}

TransformMatrix TransformMatrix::operator*(const TransformMatrix& other) const
{
    aip::TransformMatrix* o = other.sync();
    return TransformMatrix(*sync() * *o);
}

TransformMatrix& TransformMatrix::operator*=(const TransformMatrix& other)
{
    aip::TransformMatrix* o = other.sync();
    *sync() *= *o;
    readBack();
    return *this;
}

aip::TransformMatrix* transformMatrixImpl(const TransformMatrix& matrix)
{
    return matrix.sync();
}

TransformMatrix wrapTransformMatrix(const geo::TransformMatrix& impl)
{
    return TransformMatrix(impl);
}

}  // namespace core
}  // namespace qor
