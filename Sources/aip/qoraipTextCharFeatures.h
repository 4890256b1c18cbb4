// The reference-counted implementation objects of engine feature sets (character and paragraph): every
// attribute is read, written and cleared at its positions of the suite, by its kind of value.
#pragma once

#include <vector>

#include "aip/qoraipTextObject.h"

namespace qor {
namespace aip {

class ArtColor;
class Font;
class TextCharFeatures;
class TextTabStopSet;

// The operations both feature sets share. Plain getters store the engine's value whether or not the
// attribute is assigned and return the assigned flag.
template <class Derived, class W, AteFirstSuite First, utils::Map<typename W::RefType, Derived*> PluginGlobals::*Registry>
class TextFeatures : public TextObject<Derived, W, First, Registry>
{
public:
  using TextObject<Derived, W, First, Registry>::TextObject;

  // A new object the engine makes from this one, one count for the caller; null for none.
  Derived* position4() const
  {
    W made = this->wrapper_.position4();
    return made.isNull() ? nullptr : Derived::getOrCreate(made.ref());
  }
  bool getReal(int pos, double& out) const
  {
    bool assigned = false;
    out = double(this->wrapper_.template get<float>(pos, &assigned));
    return assigned;
  }
  void setReal(int pos, double value) { this->wrapper_.template set<float>(pos, float(value)); }
  bool getBool(int pos, bool& out) const
  {
    bool assigned = false;
    out = this->wrapper_.template get<bool8>(pos, &assigned) != 0;
    return assigned;
  }
  void setBool(int pos, bool value) { this->wrapper_.template set<bool8>(pos, bool8(value ? 1 : 0)); }
  bool getInt(int pos, int32_t& out) const
  {
    bool assigned = false;
    out = this->wrapper_.template get<int32_t>(pos, &assigned);
    return assigned;
  }
  void setInt(int pos, int32_t value) { this->wrapper_.template set<int32_t>(pos, value); }
  void clear(int pos) { this->wrapper_.clear(pos); }
};

class TextCharFeatures : public TextFeatures<TextCharFeatures, ATE::ICharFeatures, AteFirstSuite::paint,
                                             &PluginGlobals::charFeaturesWrappers>
{
public:
  static TextCharFeatures* getTextCharFeatures(const AteCharFeaturesRef& ref) { return getOrCreate(ref); }
  explicit TextCharFeatures(const AteCharFeaturesRef& ref) : TextFeatures(ref) {}
  ATE::ICharFeatures ateCharFeatures() const { return wrapper(); }

  // The font with one count for the caller; false when unassigned, null or not a font of the host.
  bool getFont(int pos, Font*& out) const;
  // Nothing for a null font or one without an engine font.
  void setFont(int pos, const Font* font);
  // The colour of a paint; false when unassigned, null, or when the host cannot convert it.
  bool getPaint(int pos, ArtColor& out) const;
  // Nothing when the host cannot make a paint of the colour.
  void setPaint(int pos, const ArtColor* color);
  // The reals of an array; the caller's vector is replaced only when the attribute is assigned and
  // the whole array was read.
  bool getRealArray(int pos, std::vector<double>& out) const;
  // At most six values reach the engine.
  void setRealArray(int pos, const std::vector<double>& values);

private:
  friend class TextObject;
  ~TextCharFeatures() = default;
};

class TextParaFeatures : public TextFeatures<TextParaFeatures, ATE::IParaFeatures, AteFirstSuite::none,
                                             &PluginGlobals::paraFeaturesWrappers>
{
public:
  static TextParaFeatures* getTextParaFeatures(const AteParaFeaturesRef& ref) { return getOrCreate(ref); }
  explicit TextParaFeatures(const AteParaFeaturesRef& ref) : TextFeatures(ref) {}
  ATE::IParaFeatures ateParaFeatures() const { return wrapper(); }

  // Object attributes: one count for the caller, or false.
  bool getTabStops(TextTabStopSet*& out) const;
  void setTabStops(const TextTabStopSet* stops);
  bool getCharFeatures(TextCharFeatures*& out) const;
  void setCharFeatures(const TextCharFeatures* features);

private:
  friend class TextObject;
  ~TextParaFeatures() = default;
};

}  // namespace aip
}  // namespace qor
