// The client matrix: six public cached coefficients over one owned aip::TransformMatrix.
#pragma once

#include "aip/qoraipTransformMatrix.h"
#include "core/qorcoreAngle.h"

namespace qor {
namespace core {

class TransformMatrix {
public:
    TransformMatrix();
    TransformMatrix(const TransformMatrix& other);
    explicit TransformMatrix(const geo::TransformMatrix& impl);

    virtual ~TransformMatrix();
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
    // On a singular receiver: false, and out keeps its values.
    virtual bool invert(TransformMatrix& out) const;
    virtual bool operator==(const TransformMatrix& other) const;
    virtual bool operator!=(const TransformMatrix& other) const;
    virtual TransformMatrix& operator=(const TransformMatrix& other);
    virtual TransformMatrix operator*(const TransformMatrix& other) const;
    virtual TransformMatrix& operator*=(const TransformMatrix& other);

    double a, b, c, d, tx, ty;

private:
    friend aip::TransformMatrix* transformMatrixImpl(const TransformMatrix& matrix);
    aip::TransformMatrix* sync() const;
    void readBack();
    aip::TransformMatrix* impl_;
};

aip::TransformMatrix* transformMatrixImpl(const TransformMatrix& matrix);
TransformMatrix wrapTransformMatrix(const geo::TransformMatrix& impl);

}  // namespace core
}  // namespace qor
