// The reference-counted implementation objects of engine styles and style sets; character and
// paragraph ones have the same shape.
#pragma once

#include "aip/qoraipTextObject.h"
#include "aip/qoraipTextRange.h"

namespace qor {
namespace aip {

template <class Derived, class W, utils::Map<typename W::RefType, Derived*> PluginGlobals::*Registry>
class TextStyle : public TextObject<Derived, W, AteFirstSuite::none, Registry>
{
public:
  using TextObject<Derived, W, AteFirstSuite::none, Registry>::TextObject;
};

class TextCharStyle : public TextStyle<TextCharStyle, ATE::ICharStyle, &PluginGlobals::charStyleWrappers>
{
public:
  static TextCharStyle* getTextCharStyle(const AteCharStyleRef& ref) { return getOrCreate(ref); }
  explicit TextCharStyle(const AteCharStyleRef& ref) : TextStyle(ref) {}
  ATE::ICharStyle ateCharStyle() const { return wrapper(); }

private:
  friend class TextObject;
  ~TextCharStyle() = default;
};

class TextParaStyle : public TextStyle<TextParaStyle, ATE::IParaStyle, &PluginGlobals::paraStyleWrappers>
{
public:
  static TextParaStyle* getTextParaStyle(const AteParaStyleRef& ref) { return getOrCreate(ref); }
  explicit TextParaStyle(const AteParaStyleRef& ref) : TextStyle(ref) {}
  ATE::IParaStyle ateParaStyle() const { return wrapper(); }

private:
  friend class TextObject;
  ~TextParaStyle() = default;
};

template <class Derived, class W, class Style, utils::Map<typename W::RefType, Derived*> PluginGlobals::*Registry>
class TextStyleSet : public TextObject<Derived, W, AteFirstSuite::none, Registry>
{
public:
  using TextObject<Derived, W, AteFirstSuite::none, Registry>::TextObject;

  int32_t size() const { return this->wrapper_.getSize(); }
  void position5() { this->wrapper_.position5(); }
  void position6() { this->wrapper_.position6(); }
  // Nothing for a null range.
  void position7(const TextRange* range)
  {
    if (range)
      this->wrapper_.position7(range->ateTextRange());
  }
  // Nothing for a null style, a negative index or one not below the size.
  void position8(const Style* style, int32_t index)
  {
    if (!style || index < 0 || index >= size())
      return;
    this->wrapper_.position8(style->wrapper(), index);
  }
};

class TextCharStyleSet : public TextStyleSet<TextCharStyleSet, ATE::ICharStyles, TextCharStyle,
                                             &PluginGlobals::charStyleSetWrappers>
{
public:
  static TextCharStyleSet* getTextCharStyleSet(const AteCharStylesRef& ref) { return getOrCreate(ref); }
  explicit TextCharStyleSet(const AteCharStylesRef& ref) : TextStyleSet(ref) {}
  ATE::ICharStyles ateCharStyles() const { return wrapper(); }

private:
  friend class TextObject;
  ~TextCharStyleSet() = default;
};

class TextParaStyleSet : public TextStyleSet<TextParaStyleSet, ATE::IParaStyles, TextParaStyle,
                                             &PluginGlobals::paraStyleSetWrappers>
{
public:
  static TextParaStyleSet* getTextParaStyleSet(const AteParaStylesRef& ref) { return getOrCreate(ref); }
  explicit TextParaStyleSet(const AteParaStylesRef& ref) : TextStyleSet(ref) {}
  ATE::IParaStyles ateParaStyles() const { return wrapper(); }

private:
  friend class TextObject;
  ~TextParaStyleSet() = default;
};

}  // namespace aip
}  // namespace qor
