#include "core/qorcorePattern.h"

#include "aip/qoraipArt.h"
#include "aip/qoraipArtSuites.h"
#include "aip/qoraipSuite.h"
#include "core/qorcoreArt.h"
#include "core/qorcoreCoreGlobals.h"
#include "core/qorcoreHandleGlobals.h"
#include "core/qorcoreIntArtData.h"
#include "core/qorcoreSharedRecord.h"

namespace qor {
namespace core {

namespace qorcorePattern_detail {

using Records = SharedRecord<__IntPatternData, void*>;

inline Records::Registry* registry()
{
    CoreGlobals* globals = handleGlobals();
    return globals ? &globals->patternRegistry : nullptr;
}

}  // namespace qorcorePattern_detail

Pattern::Pattern(Unfilled) : data_(new __IntPatternData()) { data_->count = 1; }

Pattern::Pattern(aip::Pattern*& impl) : Pattern(Unfilled())
{
    if (handleGlobals())
        aip::acquireSuite(aip::patternSuite, kPatternSuiteName, kPatternSuiteVersion);
    join(impl);
}

void Pattern::join(aip::Pattern*& impl)
{
    using namespace qorcorePattern_detail;
    Records::Registry* records = registry();
    if (!records || !impl || !impl->hostHandle())
        return;
    data_ = Records::join(*records, data_, impl->hostHandle(), impl);
}

Pattern wrapPattern(aip::Pattern* impl)
{
    aip::Pattern* held = impl;
    Pattern p(held);
    if (held && p.data()->impl != held)
        delete held;
    return p;
}

Pattern::Pattern(const Pattern& other) : data_(qorcorePattern_detail::Records::share(other.data_)) {}

Pattern Pattern::PatternEmpty() { return Pattern(Unfilled()); }

void Pattern::release()
{
    using namespace qorcorePattern_detail;
    if (Records::Registry* records = registry()) {
        Records::release(*records, data_);
        data_ = nullptr;
    }
}

Pattern::~Pattern() { release(); }

Pattern& Pattern::assign(const Pattern& other)
{
    if (&other != this)
        qorcorePattern_detail::Records::assign(qorcorePattern_detail::registry(), data_, other.data_);
    return *this;
}

std::unique_ptr<Art> Pattern::adoptArt(aip::Art* impl)
{
    if (!impl)
        return nullptr;
    aip::Art* held = impl;
    Art art = Art::ArtFromImpl(held);
    if (held && (!art.data() || art.data()->impl != held))
        delete held;
    return std::make_unique<Art>(art);
}

bool Pattern::dispose() { return impl() && impl()->dispose(); }
void* Pattern::hostHandle() const { return impl() ? impl()->hostHandle() : nullptr; }
bool Pattern::isEmpty() const { return !impl() || !impl()->hostHandle(); }
bool Pattern::isValid() const { return impl() && impl()->validate(); }

int32_t Pattern::kind() const
{
    int32_t k = impl() ? impl()->kind() : 0;
    return k == 10 || k == 20 || k == 30 ? k : 0;
}

bool Pattern::equals(const Pattern& other) const
{
    return qorcorePattern_detail::Records::equals(data_, other.data_,
                                                  [](const aip::Pattern* impl) { return impl->hostHandle(); });
}

bool Pattern::notEquals(const Pattern& other) const { return !equals(other); }

std::unique_ptr<Art> Pattern::art() const { return impl() ? adoptArt(impl()->art()) : nullptr; }

void Pattern::setArt(const Art& art)
{
    if (impl())
        impl()->setArt(art.data() ? art.data()->impl : nullptr);
}

std::string Pattern::name() const { return impl() ? impl()->name() : std::string(); }

void Pattern::setName(const std::string& name)
{
    if (impl())
        impl()->setName(name);
}

ArtboardRect Pattern::tileBounds() const
{
    return impl() ? ArtboardRect(impl()->tileBounds()) : ArtboardRect(aip::ArtboardRect(0, 0, 0, 0));
}

bool Pattern::hostFlag() const
{
    if (!impl() || !aip::patternSuite)
        return false;
    PatternHandle one[1] = {static_cast<PatternHandle>(impl()->hostHandle())};
    return aip::patternSuite->patternFlag17(one, 0) != 0;
}

bool Pattern::hostCheck(const Art*) const
{
    if (!impl() || !aip::patternSuite)
        return false;
    return aip::patternSuite->patternCheck15(static_cast<PatternHandle>(impl()->hostHandle())) == 0;
}

}  // namespace core
}  // namespace qor
