#include "core/qorcoreNumberPref.h"

#include "plat/qorplatPersistentNumber.h"

namespace qor {
namespace core {

namespace qorcoreNumberPref_detail {
plat::PersistentNumber *number(const PrefData &p) { return dynamic_cast<plat::PersistentNumber *>(prefDataImpl(p)); }
} // namespace qorcoreNumberPref_detail

int64_t NumberPref::int64Value() const {
    auto *n = qorcoreNumberPref_detail::number(*this);
    return n ? n->int64Value() : 0;
}
bool NumberPref::setInt64(int64_t value) {
    auto *n = qorcoreNumberPref_detail::number(*this);
    return n && n->setInt64(value);
}
double NumberPref::doubleValue() const {
    auto *n = qorcoreNumberPref_detail::number(*this);
    return n ? n->doubleValue() : 0.0;
}
bool NumberPref::setDouble(double value) {
    auto *n = qorcoreNumberPref_detail::number(*this);
    return n && n->setDouble(value);
}

} // namespace core
} // namespace qor
