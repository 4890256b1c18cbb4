#include "aip/qoraipPattern.h"

#include "aip/qoraipArt.h"
#include "aip/qoraipArtSuites.h"
#include "aip/qoraipDocument.h"
#include "aip/qoraipHostStrings.h"
#include "aip/qoraipSuite.h"
#include "aip/qoraipSuitePointers.h"

namespace qor {
namespace aip {

namespace qoraipPattern_detail {

using Lookup = EntryHandle (*EntrySuite::*)(PatternHandle);
using Conversion = HostErr (*EntrySuite::*)(EntryHandle, void**);

struct KindStep
{
    Conversion convert;
    int32_t kind;
};

struct KindLookup
{
    Lookup lookup;
    KindStep steps[3];
};

// Each lookup answers an entry only for objects of its own sort; the conversion order differs by lookup.
const KindLookup kKindLookups[] = {
    {&EntrySuite::entryLookupA,
     {{&EntrySuite::entryConvertKind20, 20}, {&EntrySuite::entryConvertKind10, 10}, {&EntrySuite::entryConvertKind30, 30}}},
    {&EntrySuite::entryLookupB,
     {{&EntrySuite::entryConvertKind30, 30}, {&EntrySuite::entryConvertKind10, 10}, {&EntrySuite::entryConvertKind20, 20}}},
    {&EntrySuite::entryLookupC,
     {{&EntrySuite::entryConvertKind30, 30}, {&EntrySuite::entryConvertKind20, 20}, {&EntrySuite::entryConvertKind10, 10}}},
};

}  // namespace qoraipPattern_detail

void Pattern::acquireSuites()
{
    acquireSuite(artSuite, kArtSuiteName, kArtSuiteVersion);
    acquireSuite(entrySuite, kEntrySuiteName, kEntrySuiteVersion);
    acquireSuite(patternSuite, kPatternSuiteName, kPatternSuiteVersion);
    acquireSuite(unicodeStringSuite, kUnicodeStringSuiteName, kUnicodeStringSuiteVersion);
}

Pattern::Pattern(void* handle) : valid_(true), handle_(nullptr)
{
    acquireSuites();
    handle_ = handle;
}

Pattern::Pattern(const Pattern& other) : valid_(true), handle_(nullptr)
{
    acquireSuites();
    valid_ = other.valid_;
    handle_ = other.handle_;
}

void* Pattern::hostHandle() const { return handle_; }

Pattern* Pattern::clone() const { return new Pattern(*this); }

bool Pattern::dispose()
{
    if (!valid_ || !patternSuite || patternSuite->disposePattern(static_cast<PatternHandle>(handle_)) != 0)
        return false;
    valid_ = false;
    return true;
}

bool Pattern::validate()
{
    if (!valid_ || !patternSuite)
        return false;
    valid_ = patternSuite->isPatternValid(static_cast<PatternHandle>(handle_)) != 0;
    return valid_;
}

int32_t Pattern::kind() const
{
    using namespace qoraipPattern_detail;
    if (!valid_ || !entrySuite)
        return 0;
    PatternHandle h = static_cast<PatternHandle>(handle_);
    for (const KindLookup& lookup : kKindLookups) {
        EntryHandle entry = (entrySuite->*lookup.lookup)(h);
        if (!entry)
            continue;
        int32_t found = 0;
        for (const KindStep& step : lookup.steps) {
            void* value = nullptr;
            entrySuite->addEntryRef(entry);
            if ((entrySuite->*step.convert)(entry, &value) == 0 && value) {
                found = step.kind;
                break;
            }
        }
        entrySuite->releaseEntry(entry);
        if (found)
            return found;
    }
    return 0;
}

Art* Pattern::art() const
{
    ArtHandle art = nullptr;
    if (!valid_ || !patternSuite || patternSuite->getPatternArt(static_cast<PatternHandle>(handle_), &art) != 0 ||
        !art)
        return nullptr;
    return new Art(art);
}

void Pattern::setArt(const Art* art)
{
    if (!valid_ || !patternSuite || !art)
        return;
    patternSuite->setPatternArt(static_cast<PatternHandle>(handle_), art->hostHandle());
}

std::string Pattern::name() const
{
    if (!valid_ || !patternSuite)
        return std::string();
    ai::HostUnicodeString text;
    if (patternSuite->getPatternName(static_cast<PatternHandle>(handle_), text.resetAndGetAddress()) != 0)
        return std::string();
    return hostStringToUtf8(text);
}

void Pattern::setName(const std::string& name)
{
    if (!valid_ || !patternSuite)
        return;
    ai::HostUnicodeString text = utf8ToHostString(name);
    patternSuite->setPatternName(static_cast<PatternHandle>(handle_), text.handle());
}

ArtboardRect Pattern::tileBounds() const
{
    RealRect r{0, 0, 0, 0};
    if (!valid_ || !patternSuite || patternSuite->getPatternTileBounds(static_cast<PatternHandle>(handle_), &r) != 0)
        return ArtboardRect();
    double scale = Document::currentScaleFactor();
    r = RealRect{r.left * scale, r.top * scale, r.right * scale, r.bottom * scale};
    return ArtboardRect(r);
}

}  // namespace aip
}  // namespace qor
