// A screen colour stored as an object with the real members "__r", "__g", "__b" and "__o" (opacity).
#pragma once

#include "aip/qoraipColor.h"
#include "aip/qoraipPersistentFields.h"

namespace qor {
namespace aip {

class PersistentColor : public PersistentFields {
public:
    explicit PersistentColor(json::Node *adopted);
    PersistentColor(const Color &value, const std::string &key);

    virtual Color value() const;
    virtual bool setValue(const Color &value);

private:
    void refresh();
    Color cached_;
};

} // namespace aip
} // namespace qor
