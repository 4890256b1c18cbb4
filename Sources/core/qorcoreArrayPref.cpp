#include "core/qorcoreArrayPref.h"

#include "aip/qoraipPersistentArray.h"

namespace qor {
namespace core {

ArrayPref::ArrayPref(const std::vector<PrefData*>* elements, const std::string& name)
{
  if (!reachableGlobals())
    return;
  plat::PersistentDataVector values = valuesOf(elements);
  adoptValue(new aip::PersistentArray(&values, name));
}

aip::PersistentArray* ArrayPref::getterStore() const
{
  return stored<aip::PersistentArray>();
}

uint32_t ArrayPref::count() const
{
  return getterStore() ? getterStore()->count() : 0;
}

bool ArrayPref::elementAt(uint32_t index, std::unique_ptr<PrefData>& out) const
{
  return getterStore() && handOut(getterStore()->elementAt(index), out);
}

bool ArrayPref::append(const PrefData& pref)
{
  return getterStore() && getterStore()->append(prefDataImpl(pref));
}

bool ArrayPref::removeLast(std::unique_ptr<PrefData>& out)
{
  return getterStore() && handOut(getterStore()->removeLast(), out);
}

bool ArrayPref::insertAt(uint32_t index, const PrefData& pref)
{
  return getterStore() && getterStore()->insertAt(index, prefDataImpl(pref));
}

bool ArrayPref::removeAt(uint32_t index, std::unique_ptr<PrefData>& out)
{
  return getterStore() && handOut(getterStore()->removeAt(index), out);
}

void ArrayPref::clear()
{
  if (getterStore())
    getterStore()->clear();
}

} // namespace core
} // namespace qor
