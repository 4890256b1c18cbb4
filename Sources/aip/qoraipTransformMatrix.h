// The matrix handed to the host: a geo::TransformMatrix with conversions to and from the host's
// matrix record (the same six values in the same order).
#pragma once

#include "geo/qorgeoTransformMatrix.h"
#include "hostapi/HostRecords.h"

namespace qor {
namespace aip {

class TransformMatrix : public geo::TransformMatrix {
public:
    TransformMatrix() = default;
    TransformMatrix(double a_, double b_, double c_, double d_, double tx_, double ty_)
        : geo::TransformMatrix(a_, b_, c_, d_, tx_, ty_)
    {
    }
    TransformMatrix(const TransformMatrix& other) = default;
    TransformMatrix(const geo::TransformMatrix& other) : geo::TransformMatrix(other) {}
    explicit TransformMatrix(const RealMatrix& host)
        : geo::TransformMatrix(host.a, host.b, host.c, host.d, host.tx, host.ty)
    {
    }
    TransformMatrix& operator=(const TransformMatrix& other) = default;

    RealMatrix& toHostMatrix(RealMatrix& out) const;
};

}  // namespace aip
}  // namespace qor
