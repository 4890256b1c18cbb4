// The client's handles of character and paragraph feature sets of the text engine. Every attribute has
// a getter (false when unassigned), a setter and a clearer, made from the attribute tables: one
// mechanism per kind of value and conversion serves them all. An empty handle calls nothing: getters
// return false and leave their out parameter alone.
#pragma once

#include <vector>

#include "aip/qoraipTextCharFeatures.h"
#include "core/qorcoreAngle.h"
#include "core/qorcoreArtColor.h"
#include "core/qorcoreFont.h"
#include "core/qorcoreTextHandle.h"

namespace qor {
namespace core {

class TextCharFeatures;
class TextTabStopSet;

// Kinds of engine value and client conversions of the attribute tables.
namespace textattr {
struct Real {};
struct Bool {};
struct Int {};
struct Font {};
struct Paint {};
struct RealArray {};
struct TabStops {};
struct CharFeatures {};
struct Plain {};
struct E4 {};
struct E3 {};
struct E5 {};
struct E3h {};
struct E59 {};
struct Angle {};
struct Justification {};
struct E2 {};

// The client's type of an attribute.
template <class Kind, class Conv> struct Client;
template <class Conv> struct Client<Real, Conv> { using type = double; };
template <> struct Client<Real, Angle> { using type = core::Angle; };
template <class Conv> struct Client<Bool, Conv> { using type = bool; };
template <class Conv> struct Client<Int, Conv> { using type = int32_t; };
template <class Conv> struct Client<Font, Conv> { using type = core::Font; };
template <class Conv> struct Client<Paint, Conv> { using type = core::ArtColor; };
template <class Conv> struct Client<RealArray, Conv> { using type = std::vector<double>; };
template <class Conv> struct Client<TabStops, Conv> { using type = core::TextTabStopSet; };
template <class Conv> struct Client<CharFeatures, Conv> { using type = core::TextCharFeatures; };
}  // namespace textattr

#define QOR_TEXT_ATTR_DECL(G, S, C, kind, conv, name, Name)                                       \
  virtual bool get##Name(textattr::Client<textattr::kind, textattr::conv>::type& out) const;               \
  virtual void set##Name(const textattr::Client<textattr::kind, textattr::conv>::type& value);             \
  virtual void clear##Name();

class TextCharFeatures : public TextHandle<aip::TextCharFeatures>
{
public:
  using TextHandle::TextHandle;
  using TextHandle::operator=;
  virtual std::unique_ptr<ATE::ICharFeatures> ateCharFeatures() const { return handOut(); }

  // A new handle of a separate engine object made from this one; null for an empty handle or none.
  virtual std::unique_ptr<TextCharFeatures> position4() const;

  QOR_ATE_CHAR_FEATURES(QOR_TEXT_ATTR_DECL)
};

// The reals 19 to 27 have no clearer of their own: clearFeature101, 102 and 103 clear them in threes;
// paraAttribute32 has none.
class TextParaFeatures : public TextHandle<aip::TextParaFeatures>
{
public:
  using TextHandle::TextHandle;
  using TextHandle::operator=;
  virtual std::unique_ptr<ATE::IParaFeatures> ateParaFeatures() const { return handOut(); }

  virtual std::unique_ptr<TextParaFeatures> position4() const;

  QOR_ATE_PARA_FEATURES(QOR_TEXT_ATTR_DECL)
  virtual void clearFeature101();
  virtual void clearFeature102();
  virtual void clearFeature103();
};

#undef QOR_TEXT_ATTR_DECL

TextCharFeatures wrapTextCharFeatures(aip::TextCharFeatures* impl);
TextParaFeatures wrapTextParaFeatures(aip::TextParaFeatures* impl);

}  // namespace core
}  // namespace qor
