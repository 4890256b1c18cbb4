// A persistent JSON number, readable and writable as a 64-bit integer or as a double.
#pragma once

#include "plat/qorplatPersistentData.h"

namespace qor {
namespace plat {

class PersistentNumber : public PersistentData {
public:
    PersistentNumber(double value, const std::string &key);
    PersistentNumber(int64_t value, const std::string &key);
    explicit PersistentNumber(json::Node *adopted);

    virtual int64_t int64Value() const;
    virtual bool setInt64(int64_t value);
    virtual double doubleValue() const;
    virtual bool setDouble(double value);

    // NaN becomes 0, the infinities the largest finite doubles.
    static double sanitize(double value);
};

} // namespace plat
} // namespace qor
