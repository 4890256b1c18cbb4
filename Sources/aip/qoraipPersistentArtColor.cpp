#include "aip/qoraipPersistentArtColor.h"

namespace qor {
namespace aip {

namespace qoraipPersistentArtColor_detail {
enum Field : size_t { C1, C2, C3, C4, Type, Flags, Name, Tint, CustomType };
} // namespace qoraipPersistentArtColor_detail

PersistentArtColor::PersistentArtColor(json::Node *adopted)
    : PersistentFields(adopted, plat::PersistentDataType::ArtColor,
                       {real("__c1", 0.0), real("__c2", 0.0), real("__c3", 0.0), real("__c4", 0.0),
                        integer("__type", kNoneColor), integer("__customFlags", 1), text("__customName"),
                        real("__customTint", 1.0), integer("__customType", 0)}) {
    refresh();
}

PersistentArtColor::PersistentArtColor(const ArtColor &value, const std::string &key)
    : PersistentArtColor(json::Node::create(json::Object, key)) {
    setValue(value);
}

ArtColor PersistentArtColor::value() const { return cached_; }

void PersistentArtColor::refresh() {
    using namespace qoraipPersistentArtColor_detail;
    const int32_t type = static_cast<int32_t>(integerAt(Type));
    const double c1 = realAt(C1), c2 = realAt(C2), c3 = realAt(C3), c4 = realAt(C4);
    switch (type) {
    case kGrayColor: cached_ = ArtColor::ArtColorGray(c1); break;
    case kFourColor: cached_ = ArtColor::ArtColorCMYK(c1, c2, c3, c4); break;
    case kThreeColor: cached_ = ArtColor::ArtColorRGB(c1, c2, c3); break;
    case labType: cached_ = ArtColor::ArtColorLab(c1, c2, c3); break;
    case hsbType: cached_ = ArtColor::ArtColorHSB(c1, c2, c3); break;
    case kCustomColor: {
        const int64_t model = integerAt(CustomType);
        if (model == 0)
            cached_ = ArtColor::ArtColorCMYK(c1, c2, c3, c4);
        else if (model == 1)
            cached_ = ArtColor::ArtColorRGB(c1, c2, c3);
        else if (model == 2)
            cached_ = ArtColor::ArtColorLab(c1, c2, c3);
        else
            break;
        cached_.setCustom(textAt(Name), realAt(Tint), static_cast<uint16_t>(integerAt(Flags)));
        break;
    }
    default: break;
    }
}

bool PersistentArtColor::setValue(const ArtColor &value) {
    using namespace qoraipPersistentArtColor_detail;
    bool all = true;
    auto real = [&](size_t i, double v) { all = setRealAt(i, v) && all; };
    auto integer = [&](size_t i, int64_t v) { all = setIntegerAt(i, v) && all; };
    for (size_t i = C1; i <= C4; ++i) real(i, 0.0);
    integer(Flags, 1);
    all = setTextAt(Name, std::string()) && all;
    real(Tint, 1.0);
    integer(CustomType, 0);
    const ColorRecord record = value.hostColor();
    integer(Type, record.kind);
    double v[4] = {0.0, 0.0, 0.0, 0.0};
    switch (value.kindFlags()) {
    case ArtColor::KindGray: real(C1, record.gray.gray); break;
    case ArtColor::KindRGB:
        real(C1, record.rgb.red);
        real(C2, record.rgb.green);
        real(C3, record.rgb.blue);
        break;
    case ArtColor::KindCMYK:
        real(C1, record.cmyk.cyan);
        real(C2, record.cmyk.magenta);
        real(C3, record.cmyk.yellow);
        real(C4, record.cmyk.black);
        break;
    case ArtColor::KindLab:
        integer(Type, labType);
        value.labComponents(v[0], v[1], v[2]);
        for (size_t i = 0; i < 3; ++i) real(C1 + i, v[i]);
        break;
    case ArtColor::KindHSB:
        integer(Type, hsbType);
        value.hsbComponents(v[0], v[1], v[2]);
        for (size_t i = 0; i < 3; ++i) real(C1 + i, v[i]);
        break;
    case ArtColor::KindCustomRGB:
    case ArtColor::KindCustomCMYK:
    case ArtColor::KindCustomLab: {
        const int32_t flags = value.kindFlags();
        integer(Flags, value.customFlags());
        all = setTextAt(Name, value.customName()) && all;
        real(Tint, record.custom.tint);
        integer(CustomType, flags == ArtColor::KindCustomRGB ? 1 : flags == ArtColor::KindCustomCMYK ? 0 : 2);
        size_t n = 3;
        if (flags == ArtColor::KindCustomRGB)
            value.rgbComponents(v[0], v[1], v[2]);
        else if (flags == ArtColor::KindCustomLab)
            value.labComponents(v[0], v[1], v[2]);
        else {
            value.cmykComponents(v[0], v[1], v[2], v[3]);
            n = 4;
        }
        for (size_t i = 0; i < n; ++i) real(C1 + i, v[i]);
        break;
    }
    default: break;
    }
    refresh();
    return all;
}

} // namespace aip
} // namespace qor
