#include "aip/qoraipTransformMatrix.h"

namespace qor {
namespace aip {

RealMatrix& TransformMatrix::toHostMatrix(RealMatrix& out) const
{
    out.a = a;
    out.b = b;
    out.c = c;
    out.d = d;
    out.tx = tx;
    out.ty = ty;
    return out;
}

}  // namespace aip
}  // namespace qor
