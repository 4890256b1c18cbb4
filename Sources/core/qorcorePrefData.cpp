#include "core/qorcorePrefData.h"

#include "aip/qoraipHostValueTests.h"
#include "aip/qoraipPersistentDictionary.h"
#include "core/qorcoreArrayPref.h"
#include "core/qorcoreArtColorPref.h"
#include "core/qorcoreArtboardPointPref.h"
#include "core/qorcoreArtboardRectPref.h"
#include "core/qorcoreBoolPref.h"
#include "core/qorcoreColorPref.h"
#include "core/qorcoreCoreGlobals.h"
#include "core/qorcoreDictionaryPref.h"
#include "core/qorcoreFontPref.h"
#include "core/qorcoreNumberPref.h"
#include "core/qorcorePointPref.h"
#include "core/qorcoreRectPref.h"
#include "core/qorcoreSizePref.h"
#include "core/qorcoreStringPref.h"
#include "core/qorcoreTransformMatrixPref.h"
#include "json/qorjsonReader.h"
#include "json/qorjsonWriter.h"
#include "pui/qorpuiBasePlugin.h"
#include "pui/qorpuiUiGlobals.h"

namespace qor {
namespace core {

__IntPrefData::~__IntPrefData() {
    delete value;
    value = nullptr;
    json::Node::release(node);
    node = nullptr;
}

CoreGlobals *PrefData::reachableGlobals() {
    pui::BasePlugin *plugin = pui::BasePlugin::instance();
    UiGlobals *ui = plugin ? plugin->uiGlobals() : nullptr;
    return ui ? ui->coreGlobals : nullptr;
}

PrefData::PrefData() : data_(new __IntPrefData) { data_->refCount = 1; }

PrefData::PrefData(const PrefData &other) {
    if (other.data_) {
        data_ = other.data_;
        ++data_->refCount;
    } else {
        data_ = new __IntPrefData;
        data_->refCount = 1;
    }
}

void PrefData::dropRecord() {
    CoreGlobals *globals = reachableGlobals();
    if (!data_) return;
    if (!globals) {
        // Without the plug-in nothing registered may be touched; a record that never held a value
        // belongs to no registry, so its last handle still frees it.
        if (!data_->value && !data_->node && --data_->refCount <= 0) {
            delete data_;
            data_ = nullptr;
        }
        return;
    }
    if (--data_->refCount <= 0) {
        // Several records can stand for one node: erase the entry only when it names this record.
        __IntPrefData *registered = nullptr;
        if (data_->node && globals->prefRegistry.get(data_->node, registered) && registered == data_)
            globals->prefRegistry.remove(data_->node);
        delete data_;
    }
    data_ = nullptr;
}

PrefData::~PrefData() { dropRecord(); }

PrefData &PrefData::operator=(const PrefData &other) {
    // An empty handle leaves the target as it was.
    if (&other == this || !reachableGlobals() || !data_ || !other.data_ || !other.data_->value) return *this;
    __IntPrefData *shared = other.data_;
    ++shared->refCount; // before dropping: the two may share one record
    dropRecord();
    data_ = shared;
    return *this;
}

void PrefData::adoptValue(plat::PersistentData *value) {
    CoreGlobals *globals = reachableGlobals();
    if (!data_ || !value) {
        delete value;
        return;
    }
    data_->value = value;
    data_->node = value->node().detach();
    if (globals && data_->node) globals->prefRegistry.insert(data_->node, data_);
}

bool PrefData::isEmpty() const { return !data_ || !data_->value; }

bool PrefData::operator==(const PrefData &other) const {
    if (!data_ || !other.data_) return !data_ && !other.data_;
    if (data_->value && other.data_->value) return data_->node == other.data_->node;
    return !data_->value && !other.data_->value;
}

bool PrefData::operator!=(const PrefData &other) const { return !(*this == other); }

PrefDataType PrefData::dataType() const {
    if (!value()) return PrefDataType::None;
    switch (value()->kind()) {
    case plat::PersistentDataType::Array: return PrefDataType::Array;
    case plat::PersistentDataType::ArtboardPoint: return PrefDataType::ArtboardPoint;
    case plat::PersistentDataType::ArtboardRect: return PrefDataType::ArtboardRect;
    case plat::PersistentDataType::ArtColor: return PrefDataType::ArtColor;
    case plat::PersistentDataType::Bool: return PrefDataType::Bool;
    case plat::PersistentDataType::Color: return PrefDataType::Color;
    case plat::PersistentDataType::Dictionary: return PrefDataType::Dictionary;
    case plat::PersistentDataType::Font: return PrefDataType::Font;
    case plat::PersistentDataType::Matrix: return PrefDataType::TransformMatrix;
    case plat::PersistentDataType::Number: return PrefDataType::Number;
    case plat::PersistentDataType::Point: return PrefDataType::Point;
    case plat::PersistentDataType::Rect: return PrefDataType::Rect;
    case plat::PersistentDataType::Size: return PrefDataType::Size;
    case plat::PersistentDataType::String: return PrefDataType::String;
    default: return PrefDataType::None;
    }
}

std::string PrefData::key() const { return value() ? value()->key() : std::string(); }

void PrefData::setKey(const std::string &key) {
    if (value()) value()->setKey(key);
}

std::string PrefData::toJSON() const { return value() ? json::writeJson(value()->nodeRef(), false, 0) : std::string(); }

std::unique_ptr<PrefData> PrefData::fromJSON(const std::string &text) {
    plat::PersistentData *value = aip::PersistentDictionary::wrapHostAware(json::parseJson(text));
    PrefData *handle = wrapPrefData(value);
    delete value; // left over only when no handle class took it
    return std::unique_ptr<PrefData>(handle);
}

plat::PersistentDataVector PrefData::valuesOf(const std::vector<PrefData *> *handles) {
    plat::PersistentDataVector values;
    if (handles)
        for (PrefData *h : *handles)
            if (h && prefDataImpl(*h)) values.pushBack(prefDataImpl(*h));
    return values;
}

bool PrefData::handOut(plat::PersistentData *owned, std::unique_ptr<PrefData> &out) {
    std::unique_ptr<PrefData> handle(wrapPrefData(owned));
    delete owned;
    if (!handle) return false;
    out = std::move(handle);
    return true;
}

plat::PersistentData *prefDataImpl(const PrefData &pref) { return pref.data_ ? pref.data_->value : nullptr; }

PrefData *wrapPrefData(plat::PersistentData *&value) {
    if (!value || !value->nodeRef()) return nullptr;
    PrefData *handle = nullptr;
    switch (value->kind()) {
    case plat::PersistentDataType::Array: handle = new ArrayPref(ArrayPref::Empty{}); break;
    case plat::PersistentDataType::ArtboardPoint: handle = new ArtboardPointPref; break;
    case plat::PersistentDataType::ArtboardRect: handle = new ArtboardRectPref; break;
    case plat::PersistentDataType::ArtColor: handle = new ArtColorPref; break;
    case plat::PersistentDataType::Bool: handle = new BoolPref; break;
    case plat::PersistentDataType::Color: handle = new ColorPref; break;
    case plat::PersistentDataType::Dictionary: {
        auto *dict = dynamic_cast<plat::PersistentDictionary *>(value);
        // Style values have no handle class in this build; they are not taken for plain dictionaries.
        if (!dict || isDashStyleMapDict(dict) || isDashStyleDict(dict) || isFillStyleMapDict(dict) ||
            isFillStyleDict(dict) || isStrokeStyleMapDict(dict) || isStrokeStyleDict(dict) ||
            isPathStyleMapDict(dict) || isPathStyleDict(dict))
            return nullptr;
        handle = new DictionaryPref(DictionaryPref::Empty{});
        break;
    }
    case plat::PersistentDataType::Font: handle = new FontPref; break;
    case plat::PersistentDataType::Matrix: handle = new TransformMatrixPref; break;
    case plat::PersistentDataType::Number: handle = new NumberPref; break;
    case plat::PersistentDataType::Point: handle = new PointPref; break;
    case plat::PersistentDataType::Rect: handle = new RectPref; break;
    case plat::PersistentDataType::Size: handle = new SizePref; break;
    case plat::PersistentDataType::String: handle = new StringPref; break;
    default: return nullptr;
    }
    handle->adoptValue(value);
    value = nullptr;
    return handle;
}

namespace qorcorePrefData_detail {
bool present(plat::PersistentDictionary *d, std::initializer_list<const char *> keys) {
    for (const char *k : keys)
        if (!std::unique_ptr<plat::PersistentData>(d->member(k))) return false;
    return true;
}
bool colour(plat::PersistentDictionary *d, const char *key) {
    json::NodePtr n(d->nodeRef() ? d->nodeRef()->member(key) : nullptr);
    return aip::isArtColorObject(n.get()) || aip::isColorObject(n.get());
}
bool nested(plat::PersistentDictionary *d, const char *key, bool (*test)(plat::PersistentDictionary *)) {
    json::NodePtr n(d->nodeRef() ? d->nodeRef()->member(key) : nullptr);
    if (!n || n->type() != json::Object) return false;
    aip::PersistentDictionary inner(n.detach());
    return test(&inner);
}
} // namespace qorcorePrefData_detail

bool isDashStyleMapDict(plat::PersistentDictionary *d) {
    return d && qorcorePrefData_detail::present(d, {"__lensKn", "__ctKn", "__offKn"});
}
bool isDashStyleDict(plat::PersistentDictionary *d) {
    return d && qorcorePrefData_detail::present(d, {"__lens", "__ct", "__off"});
}
bool isFillStyleMapDict(plat::PersistentDictionary *d) {
    return d && qorcorePrefData_detail::present(d, {"__colKn", "__oprntKn"});
}
bool isFillStyleDict(plat::PersistentDictionary *d) {
    return d && qorcorePrefData_detail::colour(d, "__col") && qorcorePrefData_detail::present(d, {"__oprnt"});
}
bool isStrokeStyleMapDict(plat::PersistentDictionary *d) {
    return d && qorcorePrefData_detail::nested(d, "__dashKn", &isDashStyleMapDict) &&
           qorcorePrefData_detail::present(d, {"__colKn", "__oprntKn", "__wKn", "__capKn", "__jnKn", "__mlKn"});
}
bool isStrokeStyleDict(plat::PersistentDictionary *d) {
    return d && qorcorePrefData_detail::colour(d, "__col") && qorcorePrefData_detail::nested(d, "__dash", &isDashStyleDict) &&
           qorcorePrefData_detail::present(d, {"__oprnt", "__w", "__cap", "__jn", "__ml"});
}
bool isPathStyleMapDict(plat::PersistentDictionary *d) {
    return d && qorcorePrefData_detail::nested(d, "__fKn", &isFillStyleMapDict) &&
           qorcorePrefData_detail::nested(d, "__sKn", &isStrokeStyleMapDict) &&
           qorcorePrefData_detail::present(d, {"__ufKn", "__usKn", "__eoKn", "__resKn"});
}
bool isPathStyleDict(plat::PersistentDictionary *d) {
    return d && qorcorePrefData_detail::nested(d, "__f", &isFillStyleDict) &&
           qorcorePrefData_detail::nested(d, "__s", &isStrokeStyleDict) &&
           qorcorePrefData_detail::present(d, {"__uf", "__us", "__eo", "__res"});
}

} // namespace core
} // namespace qor
