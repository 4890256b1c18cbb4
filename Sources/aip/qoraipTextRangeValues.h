// The reference-counted implementation objects of engine inspectors (character and paragraph): each
// getter reads one element array of the engine in full.
#pragma once

#include <vector>

#include "aip/qoraipTextObject.h"

namespace qor {
namespace aip {

template <class Derived, class W, AteFirstSuite First, utils::Map<typename W::RefType, Derived*> PluginGlobals::*Registry>
class TextInspector : public TextObject<Derived, W, First, Registry>
{
public:
  using TextObject<Derived, W, First, Registry>::TextObject;

  // The elements of the array at the position, each made into a value by convert(element, out) (false
  // leaves the element out). A count of 0 or less is an empty array.
  template <class Array, class T, class Convert> std::vector<T> values(int pos, Convert convert) const
  {
    Array array = this->wrapper_.template getArray<Array>(pos);
    std::vector<T> out;
    if (array.isNull())
      return out;
    int32_t n = array.getSize();
    for (int32_t i = 0; i < n; ++i) {
      T value{};
      if (convert(array.item(i), value))
        out.push_back(std::move(value));
    }
    return out;
  }
};

class TextCharInspector : public TextInspector<TextCharInspector, ATE::ICharInspector, AteFirstSuite::paint,
                                               &PluginGlobals::charInspectorWrappers>
{
public:
  static TextCharInspector* getTextCharInspector(const AteCharInspectorRef& ref) { return getOrCreate(ref); }
  explicit TextCharInspector(const AteCharInspectorRef& ref) : TextInspector(ref) {}
  ATE::ICharInspector ateCharInspector() const { return wrapper(); }

private:
  friend class TextObject;
  ~TextCharInspector() = default;
};

class TextParaInspector : public TextInspector<TextParaInspector, ATE::IParaInspector, AteFirstSuite::none,
                                               &PluginGlobals::paraInspectorWrappers>
{
public:
  static TextParaInspector* getTextParaInspector(const AteParaInspectorRef& ref) { return getOrCreate(ref); }
  explicit TextParaInspector(const AteParaInspectorRef& ref) : TextInspector(ref) {}
  ATE::IParaInspector ateParaInspector() const { return wrapper(); }

private:
  friend class TextObject;
  ~TextParaInspector() = default;
};

}  // namespace aip
}  // namespace qor
