#include "core/qorcoreUID.h"

#include "aip/qoraipArt.h"
#include "aip/qoraipHostRefs.h"
#include "core/qorcoreArt.h"

namespace qor {
namespace core {

UID::UID(aip::UID* impl) : impl_(impl ? aip::UID::getOrCreate(impl->hostHandle()) : nullptr) {}

UID::UID(const UID& other) : impl_(aip::retain(other.impl_)) {}

UID::~UID() { aip::releaseHeld(impl_); }

UID& UID::operator=(const UID& other)
{
  if (&other != this)
    aip::reassign(impl_, other.impl_);
  return *this;
}

bool UID::operator==(const UID& other) const { return impl_ == other.impl_; }
bool UID::operator!=(const UID& other) const { return !(*this == other); }
UIDHandle UID::hostHandle() const { return impl_ ? impl_->hostHandle() : nullptr; }
bool UID::isEmpty() const { return !impl_; }

Art* UID::art() const
{
  aip::Art* a = impl_ ? impl_->artObject() : nullptr;
  return a ? new Art(wrapArt(a)) : nullptr;
}

std::string UID::name() const { return impl_ ? impl_->unescapeUIDName() : std::string(); }

UID wrapUID(aip::UID* impl) { return UID(impl); }

} // namespace core
} // namespace qor
