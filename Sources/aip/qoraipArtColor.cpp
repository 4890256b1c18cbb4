#include "aip/qoraipArtColor.h"

#include "aip/qoraipArtSuites.h"
#include "aip/qoraipHostStrings.h"
#include "aip/qoraipSuite.h"
#include "aip/qoraipSuitePointers.h"

namespace qor {
namespace aip {

void ArtColor::acquireSuites()
{
    acquireSuite(customColorSuite, kCustomColorSuiteName, kCustomColorSuiteVersion);
    acquireSuite(colorConversionSuite, kColorConversionSuiteName, kColorConversionSuiteVersion);
}

ArtColor::ArtColor()
{
    acquireSuites();
    record_.kind = kNoneColor;
}

ArtColor::ArtColor(const ColorRecord& host) : record_(host) { acquireSuites(); }

ArtColor ArtColor::ArtColorGray(double gray)
{
    ArtColor c;
    c.record_.kind = kGrayColor;
    c.record_.gray.gray = gray;
    return c;
}

ArtColor ArtColor::ArtColorRGB(double red, double green, double blue)
{
    ArtColor c;
    c.record_.kind = kThreeColor;
    c.record_.rgb = {red, green, blue};
    return c;
}

ArtColor ArtColor::ArtColorCMYK(double cyan, double magenta, double yellow, double black)
{
    ArtColor c;
    c.record_.kind = kFourColor;
    c.record_.cmyk = {cyan, magenta, yellow, black};
    return c;
}

int32_t ArtColor::kindFlags() const
{
    switch (record_.kind) {
    case kGrayColor:
        return 1;
    case kThreeColor:
        return 2;
    case kFourColor:
        return 4;
    case kPatternColor:
        return 1048576;
    case kGradientColor:
        return 2097152;
    case kCustomColor: {
        CustomColorRecord def{};
        if (customColorSuite)
            customColorSuite->getCustomColorDefinition(record_.custom.color, &def);
        return def.kind == 1 ? 1024 : def.kind == 2 ? 4096 : def.kind == 0 ? 2048 : 4;
    }
    default:
        return 0;
    }
}

const ColorRecord& ArtColor::hostColor() const { return record_; }

bool ArtColor::setCustom(const std::string& name, double tint, uint16_t flags)
{
    if (name.empty())
        return false;
    for (const char* reserved : {"All", "None", "Cyan", "Magenta", "Yellow", "Black"})
        if (name == reserved)
            return false;
    CustomColorRecord def{};
    def.flags = flags;
    switch (record_.kind) {
    case kGrayColor:
        def.kind = 1;
        def.values[0] = def.values[1] = def.values[2] = 1 - record_.gray.gray;
        break;
    case kThreeColor:
        def.kind = 1;
        def.values[0] = record_.rgb.red;
        def.values[1] = record_.rgb.green;
        def.values[2] = record_.rgb.blue;
        break;
    case kFourColor:
        def.kind = 0;
        def.values[0] = record_.cmyk.cyan;
        def.values[1] = record_.cmyk.magenta;
        def.values[2] = record_.cmyk.yellow;
        def.values[3] = record_.cmyk.black;
        break;
    case kCustomColor:
        if (customColorSuite)
            customColorSuite->getCustomColorDefinition(record_.custom.color, &def);
        def.flags = flags;
        break;
    default:
        return false;
    }
    if (!customColorSuite)
        return false;
    CustomColorHandle handle = nullptr;
    ai::HostUnicodeString text = utf8ToHostString(name);
    // A refused creation leaves the colour as it was instead of a spot colour without a colour behind it.
    if (customColorSuite->newCustomColor(&def, text.handle(), &handle) != 0 || !handle)
        return false;
    record_.kind = kCustomColor;
    record_.custom = {handle, tint};
    return true;
}

std::string ArtColor::customName() const
{
    if (record_.kind != kCustomColor || !customColorSuite)
        return std::string();
    ai::HostUnicodeString text;
    customColorSuite->getCustomColorName(record_.custom.color, text.resetAndGetAddress());
    return hostStringToUtf8(text);
}

}  // namespace aip
}  // namespace qor
