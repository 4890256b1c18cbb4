#include "core/qorcoreAiEntry.h"

#include "aip/qoraipArt.h"
#include "aip/qoraipHostRefs.h"
#include "aip/qoraipIllustratorArray.h"
#include "aip/qoraipIllustratorDictionary.h"
#include "aip/qoraipUID.h"
#include "core/qorcoreAiArray.h"
#include "core/qorcoreAiDictionary.h"
#include "core/qorcoreArt.h"
#include "core/qorcoreUID.h"

namespace qor {
namespace core {
namespace ai {

namespace qorcoreAiEntry_detail {
// Host entry type to client kind.
constexpr int32_t kinds[][2] = {
    {1, EntryKindInteger}, {2, EntryKindBool},       {3, EntryKindReal},   {4, EntryKindString},
    {26, EntryKindString}, {5, EntryKindDictionary}, {6, EntryKindArray},  {7, EntryKindOther50},
    {21, EntryKindOther130}, {17, EntryKindUID},     {18, EntryKindUID},
};
} // namespace qorcoreAiEntry_detail

int32_t entryKindFromHost(int32_t hostType)
{
  for (const auto& row : qorcoreAiEntry_detail::kinds)
    if (row[0] == hostType)
      return row[1];
  return EntryKindNone;
}

Entry::Entry(aip::IllustratorEntry* wrapper)
    : wrapper_(wrapper ? aip::IllustratorEntry::getOrCreate(wrapper->hostHandle()) : nullptr)
{
}

Entry::Entry(const Entry& other) : wrapper_(aip::retain(other.wrapper_)) {}
Entry::~Entry() { aip::releaseHeld(wrapper_); }

Entry& Entry::assign(const Entry& other)
{
  if (&other != this)
    aip::reassign(wrapper_, other.wrapper_);
  return *this;
}

bool Entry::equals(const Entry& other) const { return wrapper_ == other.wrapper_; }
bool Entry::notEquals(const Entry& other) const { return !equals(other); }
bool Entry::isEmpty() const { return !wrapper_; }
EntryHandle Entry::hostHandle() const { return wrapper_ ? wrapper_->hostHandle() : nullptr; }
int32_t Entry::kind() const { return wrapper_ ? entryKindFromHost(wrapper_->type()) : EntryKindNone; }

bool Entry::asArray(Array& out) const
{
  return kind() == EntryKindArray && handOut(wrapper_->asArray(), out);
}

bool Entry::asBool(bool& out) const
{
  if (kind() != EntryKindBool)
    return false;
  out = wrapper_->asBool();
  return true;
}

bool Entry::asDictionary(Dictionary& out) const
{
  return kind() == EntryKindDictionary && handOut(wrapper_->asDictionary(), out);
}

bool Entry::asInteger(int64_t& out) const
{
  if (kind() != EntryKindInteger)
    return false;
  out = wrapper_->asInteger();
  return true;
}

bool Entry::asReal(double& out) const
{
  if (kind() != EntryKindReal)
    return false;
  out = wrapper_->asReal();
  return true;
}

bool Entry::asString(std::string& out) const
{
  if (kind() != EntryKindString)
    return false;
  out = wrapper_->asString();
  return true;
}

bool Entry::asUID(UID& out) const
{
  return kind() == EntryKindUID && handOut(wrapper_->uid(), out);
}

bool Entry::asArt(Art& out) const
{
  return kind() == EntryKindUID && assignFromImpl(out, wrapper_->art());
}

Entry wrapAiEntry(aip::IllustratorEntry* wrapper) { return Entry(wrapper); }

} // namespace ai
} // namespace core
} // namespace qor
