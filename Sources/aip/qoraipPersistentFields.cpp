#include "aip/qoraipPersistentFields.h"

#include "plat/qorplatPersistentDictionary.h"
#include "plat/qorplatPersistentNumber.h"
#include "plat/qorplatPersistentString.h"

namespace qor {
namespace aip {

PersistentFields::PersistentFields(json::Node *adopted, plat::PersistentDataType kind,
                                   std::initializer_list<Field> fields)
    : plat::PersistentData(adopted, kind), view_(new plat::PersistentDictionary(json::Node::retain(adopted))) {
    for (const Field &f : fields) {
        keys_.emplace_back(f.key);
        switch (f.kind) {
        case FieldKind::Real: fields_.emplace_back(view_->getOrCreateNumber(f.key, f.number)); break;
        case FieldKind::Integer:
            fields_.emplace_back(view_->getOrCreateNumber(f.key, static_cast<int64_t>(f.number)));
            break;
        case FieldKind::Text: fields_.emplace_back(view_->getOrCreateString(f.key, f.text)); break;
        }
    }
}

PersistentFields::~PersistentFields() = default;

bool PersistentFields::attached(size_t i) const {
    json::NodePtr stored(nodeRef() ? nodeRef()->member(keys_[i]) : nullptr);
    return stored && fields_[i] && stored.get() == fields_[i]->nodeRef();
}

double PersistentFields::realAt(size_t i) const {
    auto *n = static_cast<plat::PersistentNumber *>(fields_[i].get());
    return n ? n->doubleValue() : 0.0;
}

int64_t PersistentFields::integerAt(size_t i) const {
    auto *n = static_cast<plat::PersistentNumber *>(fields_[i].get());
    return n ? n->int64Value() : 0;
}

std::string PersistentFields::textAt(size_t i) const {
    auto *s = static_cast<plat::PersistentString *>(fields_[i].get());
    return s ? s->value() : std::string();
}

bool PersistentFields::setRealAt(size_t i, double value) {
    auto *n = static_cast<plat::PersistentNumber *>(fields_[i].get());
    return n && n->setDouble(value) && attached(i);
}

bool PersistentFields::setIntegerAt(size_t i, int64_t value) {
    auto *n = static_cast<plat::PersistentNumber *>(fields_[i].get());
    return n && n->setInt64(value) && attached(i);
}

bool PersistentFields::setTextAt(size_t i, const std::string &value) {
    auto *s = static_cast<plat::PersistentString *>(fields_[i].get());
    return s && s->setValue(value) && attached(i);
}

} // namespace aip
} // namespace qor
