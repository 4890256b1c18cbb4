#include "core/qorcoreTextCharFeatures.h"

#include <iterator>

#include "aip/qoraipArtColor.h"
#include "aip/qoraipFont.h"
#include "aip/qoraipTextTabStop.h"
#include "core/qorcoreEnumConverters.h"
#include "core/qorcoreTextTabStop.h"

namespace qor {
namespace core {

namespace qorcoreTextCharFeatures_detail {

using namespace textattr;

// Client value and engine value of the character attribute 39, in pairs.
constexpr int32_t kE59[][2] = {
    {10, 35},  {20, 39},  {30, 34},  {40, 51},  {50, 8},   {60, 20},  {70, 17},  {80, 29},  {90, 31},  {100, 22},
    {110, 16}, {120, 43}, {130, 0},  {140, 14}, {150, 45}, {160, 40}, {170, 41}, {180, 1},  {190, 2},  {200, 3},
    {210, 42}, {220, 44}, {230, 25}, {240, 53}, {250, 32}, {260, 49}, {270, 28}, {280, 27}, {290, 7},  {300, 30},
    {310, 57}, {320, 48}, {330, 37}, {340, 36}, {350, 58}, {360, 50}, {370, 9},  {380, 54}, {390, 23}, {400, 10},
    {410, 11}, {420, 52}, {430, 24}, {440, 18}, {450, 21}, {460, 38}, {470, 33}, {480, 12}, {490, 13}, {500, 55},
    {510, 56}, {520, 46}, {530, 26}, {540, 19}, {550, 47}};

// Engine values that read as another client value than the one writing them.
constexpr int32_t kE59ReadOnly[][2] = {{210, 4}, {210, 5}, {220, 6}, {120, 15}};

bool e59ToEngine(int32_t client, int32_t& engine)
{
  for (const auto& pair : kE59)
    if (pair[0] == client) {
      engine = pair[1];
      return true;
    }
  return false;
}

bool e59ToClient(int32_t engine, int32_t& client)
{
  for (const auto& pair : kE59)
    if (pair[1] == engine) {
      client = pair[0];
      return true;
    }
  for (const auto& pair : kE59ReadOnly)
    if (pair[1] == engine) {
      client = pair[0];
      return true;
    }
  return false;
}

// Plain values: the engine's value is stored whether or not assigned.
template <class Impl> bool get(Impl& impl, int pos, Real, Plain, double& out) { return impl.getReal(pos, out); }
template <class Impl> void set(Impl& impl, int pos, Real, Plain, double v) { impl.setReal(pos, v); }
template <class Impl, class C> bool get(Impl& impl, int pos, Bool, C, bool& out) { return impl.getBool(pos, out); }
template <class Impl, class C> void set(Impl& impl, int pos, Bool, C, bool v) { impl.setBool(pos, v); }
template <class Impl> bool get(Impl& impl, int pos, Int, Plain, int32_t& out) { return impl.getInt(pos, out); }
template <class Impl> void set(Impl& impl, int pos, Int, Plain, int32_t v) { impl.setInt(pos, v); }

// Enumerations: the out parameter changes only when assigned.
template <class Impl, class Convert> bool getEnum(Impl& impl, int pos, int32_t& out, Convert toClient)
{
  int32_t engine = 0;
  if (!impl.getInt(pos, engine))
    return false;
  out = toClient(engine);
  return true;
}
template <class Impl> bool get(Impl& i, int p, Int, E4, int32_t& out) { return getEnum(i, p, out, ate0to3ToCore10s); }
template <class Impl> void set(Impl& i, int p, Int, E4, int32_t v) { i.setInt(p, core10sToAte0to3(v)); }
template <class Impl> bool get(Impl& i, int p, Int, E3, int32_t& out) { return getEnum(i, p, out, ate0to2ToCore10s); }
template <class Impl> void set(Impl& i, int p, Int, E3, int32_t v) { i.setInt(p, core10sToAte0to2(v)); }
template <class Impl> bool get(Impl& i, int p, Int, E5, int32_t& out) { return getEnum(i, p, out, ate0to4ToCore10s); }
template <class Impl> void set(Impl& i, int p, Int, E5, int32_t v) { i.setInt(p, core10sToAte0to4(v)); }
template <class Impl> bool get(Impl& i, int p, Int, E3h, int32_t& out) { return getEnum(i, p, out, ate0to2ToCore100s); }
template <class Impl> void set(Impl& i, int p, Int, E3h, int32_t v) { i.setInt(p, core100sToAte0to2(v)); }
template <class Impl> bool get(Impl& i, int p, Int, E2, int32_t& out) { return getEnum(i, p, out, ate0to1ToCore10s); }
template <class Impl> void set(Impl& i, int p, Int, E2, int32_t v) { i.setInt(p, core10sToAte0to1(v)); }
template <class Impl> bool get(Impl& i, int p, Int, Justification, int32_t& out)
{
  return getEnum(i, p, out, ate0to6ToCore100to300);
}
template <class Impl> void set(Impl& i, int p, Int, Justification, int32_t v) { i.setInt(p, core100to300ToAte0to6(v)); }

// Attribute 39 goes through a fresh engine wrapper. Engine values beyond the table read as true with
// the out parameter unchanged; client values beyond it make no call.
bool get(aip::TextCharFeatures& impl, int pos, Int, E59, int32_t& out)
{
  ATE::ICharFeatures fresh = impl.ateCharFeatures();
  bool assigned = false;
  int32_t engine = fresh.get<int32_t>(pos, &assigned);
  if (!assigned)
    return false;
  e59ToClient(engine, out);
  return true;
}
void set(aip::TextCharFeatures& impl, int pos, Int, E59, int32_t v)
{
  int32_t engine = 0;
  if (!e59ToEngine(v, engine))
    return;
  ATE::ICharFeatures fresh = impl.ateCharFeatures();
  fresh.set<int32_t>(pos, engine);
}

template <class Impl> bool get(Impl& impl, int pos, Real, textattr::Angle, core::Angle& out)
{
  double degrees = 0;
  if (!impl.getReal(pos, degrees))
    return false;
  out = core::Angle(degrees, 2);
  return true;
}
template <class Impl> void set(Impl& impl, int pos, Real, textattr::Angle, const core::Angle& v)
{
  impl.setReal(pos, v.degrees());
}

bool get(aip::TextCharFeatures& impl, int pos, textattr::Font, textattr::Font, core::Font& out)
{
  aip::Font* font = nullptr;
  if (!impl.getFont(pos, font))
    return false;
  aip::ObjectRef<aip::Font> held(font);
  out = core::Font(font);
  return true;
}
void set(aip::TextCharFeatures& impl, int pos, textattr::Font, textattr::Font, const core::Font& v)
{
  impl.setFont(pos, implPointer(v));
}

bool get(aip::TextCharFeatures& impl, int pos, Paint, Paint, core::ArtColor& out)
{
  aip::ArtColor color;
  if (!impl.getPaint(pos, color))
    return false;
  out = core::ArtColor(color);
  return true;
}
void set(aip::TextCharFeatures& impl, int pos, Paint, Paint, const core::ArtColor& v)
{
  impl.setPaint(pos, implPointer(v));
}

bool get(aip::TextCharFeatures& impl, int pos, RealArray, RealArray, std::vector<double>& out)
{
  return impl.getRealArray(pos, out);
}
void set(aip::TextCharFeatures& impl, int pos, RealArray, RealArray, const std::vector<double>& v)
{
  impl.setRealArray(pos, v);
}

bool get(aip::TextParaFeatures& impl, int, TabStops, TabStops, core::TextTabStopSet& out)
{
  aip::TextTabStopSet* stops = nullptr;
  if (!impl.getTabStops(stops))
    return false;
  aip::ObjectRef<aip::TextTabStopSet> held(stops);
  out = core::TextTabStopSet(stops);
  return true;
}
void set(aip::TextParaFeatures& impl, int, TabStops, TabStops, const core::TextTabStopSet& v)
{
  impl.setTabStops(implPointer(v));
}

bool get(aip::TextParaFeatures& impl, int, CharFeatures, CharFeatures, core::TextCharFeatures& out)
{
  aip::TextCharFeatures* features = nullptr;
  if (!impl.getCharFeatures(features))
    return false;
  aip::ObjectRef<aip::TextCharFeatures> held(features);
  out = core::TextCharFeatures(features);
  return true;
}
void set(aip::TextParaFeatures& impl, int, CharFeatures, CharFeatures, const core::TextCharFeatures& v)
{
  impl.setCharFeatures(implPointer(v));
}

// Attribute 39's clearer goes through a fresh wrapper too.
void clearAt(aip::TextCharFeatures& impl, int pos)
{
  if (pos == 189) {
    ATE::ICharFeatures fresh = impl.ateCharFeatures();
    fresh.clear(pos);
    return;
  }
  impl.clear(pos);
}
void clearAt(aip::TextParaFeatures& impl, int pos) { impl.clear(pos); }

}  // namespace qorcoreTextCharFeatures_detail

#define QOR_TEXT_ATTR_DEF(Class, G, S, C, kind, conv, name, Name)                                  \
  bool Class::get##Name(textattr::Client<textattr::kind, textattr::conv>::type& out) const                 \
  {                                                                                                        \
    return impl_ && qorcoreTextCharFeatures_detail::get(*impl_, G, textattr::kind(), textattr::conv(), out); \
  }                                                                                                        \
  void Class::set##Name(const textattr::Client<textattr::kind, textattr::conv>::type& value)               \
  {                                                                                                        \
    if (impl_)                                                                                             \
      qorcoreTextCharFeatures_detail::set(*impl_, S, textattr::kind(), textattr::conv(), value);         \
  }                                                                                                        \
  void Class::clear##Name()                                                                                \
  {                                                                                                        \
    if (impl_ && C != 0)                                                                               \
      qorcoreTextCharFeatures_detail::clearAt(*impl_, C);                                              \
  }

#define QOR_CHAR_ATTR_DEF(...) QOR_TEXT_ATTR_DEF(TextCharFeatures, __VA_ARGS__)
#define QOR_PARA_ATTR_DEF(...) QOR_TEXT_ATTR_DEF(TextParaFeatures, __VA_ARGS__)
QOR_ATE_CHAR_FEATURES(QOR_CHAR_ATTR_DEF)
QOR_ATE_PARA_FEATURES(QOR_PARA_ATTR_DEF)
#undef QOR_CHAR_ATTR_DEF
#undef QOR_PARA_ATTR_DEF
#undef QOR_TEXT_ATTR_DEF

std::unique_ptr<TextCharFeatures> TextCharFeatures::position4() const
{
  return impl_ ? handleOf<TextCharFeatures>(impl_->position4()) : nullptr;
}

std::unique_ptr<TextParaFeatures> TextParaFeatures::position4() const
{
  return impl_ ? handleOf<TextParaFeatures>(impl_->position4()) : nullptr;
}

#define QOR_GROUP_CLEAR(C, first, last)                                                                \
  void TextParaFeatures::clearFeature##C()                                                             \
  {                                                                                                        \
    if (impl_)                                                                                             \
      impl_->clear(C);                                                                                 \
  }
QOR_ATE_PARA_GROUP_CLEARS(QOR_GROUP_CLEAR)
#undef QOR_GROUP_CLEAR

TextCharFeatures wrapTextCharFeatures(aip::TextCharFeatures* impl) { return TextCharFeatures(impl); }
TextParaFeatures wrapTextParaFeatures(aip::TextParaFeatures* impl) { return TextParaFeatures(impl); }

}  // namespace core
}  // namespace qor
