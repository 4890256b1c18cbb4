#include "core/qorcoreArtStyle.h"

#include "aip/qoraipArtSuites.h"
#include "aip/qoraipSuite.h"
#include "core/qorcoreCoreGlobals.h"
#include "core/qorcoreHandleGlobals.h"
#include "core/qorcoreSharedRecord.h"

namespace qor {
namespace core {

namespace qorcoreArtStyle_detail {

using Records = SharedRecord<__IntArtStyleData, ArtStyleHandle>;

inline Records::Registry* registry()
{
    CoreGlobals* globals = handleGlobals();
    return globals ? &globals->artStyleRegistry : nullptr;
}

}  // namespace qorcoreArtStyle_detail

__IntArtStyleData::~__IntArtStyleData()
{
    if (parser && aip::artStyleParserSuite)
        aip::artStyleParserSuite->disposeStyleParser(parser);
    parser = nullptr;
    delete impl;
}

ArtStyle::ArtStyle(aip::ArtStyle* impl) : data_(new __IntArtStyleData())
{
    using namespace qorcoreArtStyle_detail;
    const ArtStyleParserSuite*& parsers = aip::artStyleParserSuite;
    aip::acquireSuite(parsers, kArtStyleParserSuiteName, kArtStyleParserSuiteVersion);
    data_->count = 1;
    Records::Registry* records = registry();
    if (!records || !impl || !impl->hostHandle()) {
        delete impl;
        return;
    }
    __IntArtStyleData* fresh = data_;
    data_ = Records::join(*records, fresh, impl->hostHandle(), impl);
    if (data_ != fresh || !parsers)
        return;
    // The parser reflects the style as it is now; a later change of the host style is not seen.
    StyleParser parser = nullptr;
    if (parsers->newStyleParser(&parser) != 0 || !parser)
        return;
    if (parsers->parseArtStyle(parser, data_->key) != 0 || !parsers->isParserUsable(parser)) {
        parsers->disposeStyleParser(parser);
        return;
    }
    data_->parser = parser;
}

ArtStyle wrapArtStyle(aip::ArtStyle* impl) { return ArtStyle(impl); }

ArtStyle::ArtStyle(const ArtStyle& other) : data_(qorcoreArtStyle_detail::Records::share(other.data_)) {}

ArtStyle::~ArtStyle()
{
    using namespace qorcoreArtStyle_detail;
    if (Records::Registry* records = registry()) {
        Records::release(*records, data_);
        data_ = nullptr;
    }
}

ArtStyle& ArtStyle::operator=(const ArtStyle& other)
{
    if (&other != this)
        qorcoreArtStyle_detail::Records::assign(qorcoreArtStyle_detail::registry(), data_, other.data_);
    return *this;
}

bool ArtStyle::operator==(const ArtStyle& other) const
{
    if (!data_ || !other.data_)
        return !data_ && !other.data_;
    if (data_->impl && other.data_->impl)
        return data_->impl->hostHandle() == other.data_->impl->hostHandle();
    return !data_->impl && !other.data_->impl;
}

bool ArtStyle::operator!=(const ArtStyle& other) const { return !(*this == other); }

ArtStyleHandle ArtStyle::hostHandle() const { return impl() ? impl()->hostHandle() : nullptr; }
bool ArtStyle::valid() const { return impl() && impl()->valid(); }
std::string ArtStyle::name() const { return impl() ? impl()->name() : std::string(); }

void ArtStyle::setName(const std::string& name)
{
    if (impl())
        impl()->setName(name);
}

bool ArtStyle::hostQuery() const
{
    if (!impl() || !aip::artStyleSuite)
        return true;
    return aip::artStyleSuite->artStyleQuery(impl()->hostHandle()) != 0;
}

int32_t ArtStyle::styleType() const
{
    int32_t type = impl() ? impl()->styleType() : 0;
    return type == 10 || type == 20 ? type : 0;
}

int32_t ArtStyle::styleFlags() const { return impl() ? impl()->styleFlags() : 0; }

bool ArtStyle::parserQuery(bool8 (*ArtStyleParserSuite::*query)(StyleParser)) const
{
    return parser() && aip::artStyleParserSuite && (aip::artStyleParserSuite->*query)(parser()) != 0;
}

bool ArtStyle::parserQueryA() const { return parserQuery(&ArtStyleParserSuite::parserQueryA); }
bool ArtStyle::parserQueryB() const { return parserQuery(&ArtStyleParserSuite::parserQueryB); }
bool ArtStyle::parserQueryC() const { return parserQuery(&ArtStyleParserSuite::parserQueryC); }
bool ArtStyle::parserQueryD() const { return parserQuery(&ArtStyleParserSuite::parserQueryD); }

int32_t ArtStyle::parserCount(int32_t (*ArtStyleParserSuite::*count)(StyleParser)) const
{
    if (!parser() || !aip::artStyleParserSuite)
        return -1;
    return (aip::artStyleParserSuite->*count)(parser());
}

int32_t ArtStyle::paintFieldCount() const { return parserCount(&ArtStyleParserSuite::countPaintFields); }
int32_t ArtStyle::effectCountA() const { return parserCount(&ArtStyleParserSuite::countEffectsA); }
int32_t ArtStyle::effectCountB() const { return parserCount(&ArtStyleParserSuite::countEffectsB); }

template <class Data, class Handle>
std::unique_ptr<ArtStyle::Part<Data>> ArtStyle::wrapPart(HostErr result, Handle handle) const
{
    if (result != 0 || !handle)
        return nullptr;
    Data* data = new Data();
    data->style = impl()->hostHandle();
    data->part = handle;
    return std::make_unique<Part<Data>>(data);
}

template <class Data, class Handle>
std::unique_ptr<ArtStyle::Part<Data>>
ArtStyle::part(HostErr (*ArtStyleParserSuite::*get)(StyleParser, int32_t, Handle*), int32_t index) const
{
    if (!parser() || !aip::artStyleParserSuite)
        return nullptr;
    Handle handle = nullptr;
    HostErr result = (aip::artStyleParserSuite->*get)(parser(), index, &handle);
    return wrapPart<Data>(result, handle);
}

template <class Data, class Handle>
std::unique_ptr<ArtStyle::Part<Data>> ArtStyle::part(HostErr (*ArtStyleParserSuite::*get)(StyleParser, Handle*)) const
{
    if (!parser() || !aip::artStyleParserSuite)
        return nullptr;
    Handle handle = nullptr;
    HostErr result = (aip::artStyleParserSuite->*get)(parser(), &handle);
    return wrapPart<Data>(result, handle);
}

std::unique_ptr<ArtStyle::PaintField> ArtStyle::paintFieldAt(int32_t index) const
{
    return part<__IntArtStylePaintFieldData>(&ArtStyleParserSuite::getPaintField, index);
}

std::unique_ptr<ArtStyle::PaintField> ArtStyle::designatedPaintFieldA() const
{
    return part<__IntArtStylePaintFieldData>(&ArtStyleParserSuite::getDesignatedPaintFieldA);
}

std::unique_ptr<ArtStyle::PaintField> ArtStyle::designatedPaintFieldB() const
{
    return part<__IntArtStylePaintFieldData>(&ArtStyleParserSuite::getDesignatedPaintFieldB);
}

std::unique_ptr<ArtStyle::Effect> ArtStyle::effectAtA(int32_t index) const
{
    return part<__IntArtStyleEffectData>(&ArtStyleParserSuite::getEffectA, index);
}

std::unique_ptr<ArtStyle::Effect> ArtStyle::effectAtB(int32_t index) const
{
    return part<__IntArtStyleEffectData>(&ArtStyleParserSuite::getEffectB, index);
}

std::unique_ptr<ArtStyle::BlendField> ArtStyle::blendField() const
{
    return part<__IntArtStyleBlendFieldData>(&ArtStyleParserSuite::getBlendField);
}

}  // namespace core
}  // namespace qor
