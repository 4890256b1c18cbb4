#include "aip/qoraipArtStyle.h"

#include "aip/qoraipArtSuites.h"
#include "aip/qoraipHostStrings.h"
#include "aip/qoraipSuite.h"
#include "aip/qoraipSuitePointers.h"

namespace qor {
namespace aip {

namespace qoraipArtStyle_detail {

// Host bit → framework bit, beyond the six low bits that keep their values.
const int32_t kFlagMap[][2] = {{0x100, 0x40},  {0x200, 0x80},    {0x40, 0x100},
                               {0x80, 0x200},  {0x10000, 0x400}, {0x20000, 0x800}};

}  // namespace qoraipArtStyle_detail

ArtStyle::ArtStyle(ArtStyleHandle style) : valid_(1), style_(style)
{
    acquireSuite(artStyleSuite, kArtStyleSuiteName, kArtStyleSuiteVersion);
    acquireSuite(unicodeStringSuite, kUnicodeStringSuiteName, kUnicodeStringSuiteVersion);
}

ArtStyleHandle ArtStyle::hostHandle() const { return style_; }

bool ArtStyle::valid()
{
    if (!valid_ || !artStyleSuite)
        return false;
    valid_ = artStyleSuite->isArtStyleValid(style_) ? 1 : 0;
    return valid_ != 0;
}

std::string ArtStyle::name() const
{
    if (!valid_ || !artStyleSuite)
        return std::string();
    ai::HostUnicodeString text;
    bool8 isEmpty = 1;
    artStyleSuite->getArtStyleName(style_, text.resetAndGetAddress(), &isEmpty);
    return isEmpty ? std::string() : hostStringToUtf8(text);
}

void ArtStyle::setName(const std::string& name)
{
    if (!valid_ || !artStyleSuite)
        return;
    ai::HostUnicodeString text = utf8ToHostString(name);
    artStyleSuite->setArtStyleName(style_, text.handle());
}

int32_t ArtStyle::translateFlags(int32_t hostFlags)
{
    int32_t flags = hostFlags & 0x3F;
    for (const auto& bit : qoraipArtStyle_detail::kFlagMap)
        if (hostFlags & bit[0])
            flags |= bit[1];
    return flags;
}

int32_t ArtStyle::styleFlags() const
{
    if (!valid_ || !artStyleSuite)
        return 0;
    return translateFlags(artStyleSuite->getArtStyleFlags(style_, -1));
}

int32_t ArtStyle::styleType() const
{
    if (!valid_ || !artStyleSuite)
        return 0;
    int16_t type = 0;
    artStyleSuite->getArtStyleType(style_, &type);
    return type == 1 ? 10 : type == 2 ? 20 : 0;
}

}  // namespace aip
}  // namespace qor
