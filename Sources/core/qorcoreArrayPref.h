// The preference handle of an ordered list of preference values of any kinds (a JSON array): list
// operations by index, and the typed get and get-or-create operations addressed by index.
#pragma once

#include "core/qorcorePrefGetters.h"
#include "core/qorcorePrefHandle.h"

#include <memory>
#include <string>
#include <vector>

namespace qor {
namespace aip {
class PersistentArray;
}
namespace core {

class ArrayPref : public PrefHandle<ArrayPref>, public PrefGetters<aip::PersistentArray, uint32_t>
{
public:
  // An empty handle that wrapPrefData fills.
  struct Empty
  {
  };
  explicit ArrayPref(Empty) {}
  // A new array named name holding the values of elements in order (null entries, empty handles and a
  // value that would contain the array left out). Empty when the plug-in's globals are not reachable.
  explicit ArrayPref(const std::vector<PrefData*>* elements = nullptr,
                     const std::string& name = std::string());
  ArrayPref(const ArrayPref& other) = default;
  ArrayPref& operator=(const ArrayPref& other) = default;
  using PrefData::operator=;

  virtual uint32_t count() const;
  // The element as a new handle of its class (deleting what out held); false, out untouched, past the end.
  virtual bool elementAt(uint32_t index, std::unique_ptr<PrefData>& out) const;
  // Afterwards pref and the array share the element.
  virtual bool append(const PrefData& pref);
  virtual bool removeLast(std::unique_ptr<PrefData>& out);
  // The value ends at index, the elements from there on moving one place back; index count appends,
  // and an index beyond count is refused.
  virtual bool insertAt(uint32_t index, const PrefData& pref);
  virtual bool removeAt(uint32_t index, std::unique_ptr<PrefData>& out);
  // Removes every element, last first; handles taken from elements keep their values.
  virtual void clear();

protected:
  aip::PersistentArray* getterStore() const override;
};

} // namespace core
} // namespace qor
