// The common ground of the stored host values: a JSON object viewed through a dictionary, with one
// persistent number or text per member of the encoding. Wrapping an object adds the members it lacks
// with their defaults; a member stored with the wrong JSON kind reads as its default.
#pragma once

#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "plat/qorplatPersistentData.h"

namespace qor {
namespace plat {
class PersistentDictionary;
}
namespace aip {

class PersistentFields : public plat::PersistentData {
public:
    ~PersistentFields() override;

protected:
    enum class FieldKind { Real, Integer, Text };
    struct Field {
        const char *key;
        FieldKind kind;
        double number;
        const char *text;
    };
    static Field real(const char *key, double fallback) { return {key, FieldKind::Real, fallback, ""}; }
    static Field integer(const char *key, int64_t fallback) {
        return {key, FieldKind::Integer, static_cast<double>(fallback), ""};
    }
    static Field text(const char *key, const char *fallback = "") { return {key, FieldKind::Text, 0.0, fallback}; }

    PersistentFields(json::Node *adopted, plat::PersistentDataType kind, std::initializer_list<Field> fields);

    double realAt(size_t i) const;
    int64_t integerAt(size_t i) const;
    std::string textAt(size_t i) const;
    // Each write answers whether the value reached the stored object (a member of the wrong kind is
    // left as it is, and the write goes nowhere).
    bool setRealAt(size_t i, double value);
    bool setIntegerAt(size_t i, int64_t value);
    bool setTextAt(size_t i, const std::string &value);
    size_t fieldCount() const { return fields_.size(); }

private:
    bool attached(size_t i) const;
    std::unique_ptr<plat::PersistentDictionary> view_;
    std::vector<std::string> keys_;
    std::vector<std::unique_ptr<plat::PersistentData>> fields_;
};

} // namespace aip
} // namespace qor
