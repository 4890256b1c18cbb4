#include "plat/qorplatPersistentNumber.h"

#include <cfloat>
#include <cmath>

namespace qor {
namespace plat {

double PersistentNumber::sanitize(double value) {
    if (std::isnan(value)) return 0.0;
    if (value > DBL_MAX) return DBL_MAX;
    if (value < -DBL_MAX) return -DBL_MAX;
    return value;
}

PersistentNumber::PersistentNumber(double value, const std::string &key)
    : PersistentData(json::Node::createDouble(key, sanitize(value)), PersistentDataType::Number) {}

PersistentNumber::PersistentNumber(int64_t value, const std::string &key)
    : PersistentData(json::Node::createInt64(key, value), PersistentDataType::Number) {}

PersistentNumber::PersistentNumber(json::Node *adopted) : PersistentData(adopted, PersistentDataType::Number) {}

int64_t PersistentNumber::int64Value() const { return nodeRef() ? nodeRef()->int64Value() : 0; }

bool PersistentNumber::setInt64(int64_t value) { return nodeRef() && nodeRef()->setInt64(value); }

double PersistentNumber::doubleValue() const { return nodeRef() ? nodeRef()->doubleValue() : 0.0; }

bool PersistentNumber::setDouble(double value) { return nodeRef() && nodeRef()->setDouble(sanitize(value)); }

} // namespace plat
} // namespace qor
