#include "aip/qoraipTextCharFeatures.h"

#include <algorithm>

#include "aip/qoraipArtColor.h"
#include "aip/qoraipFont.h"
#include "aip/qoraipTextTabStop.h"

namespace qor {
namespace aip {

namespace qoraipTextCharFeatures_detail {

// "AIATE Paint Suite" position, or null: its failures are no errors.
template <class Fn> Fn paintFunction(int pos)
{
  const HostStubProc* table = ATE::suiteTable(kAteSuiteAiatePaint);
  return table && table[pos] ? ATE::slotAs<Fn>(table[pos]) : nullptr;
}

}  // namespace qoraipTextCharFeatures_detail

using qoraipTextCharFeatures_detail::paintFunction;

bool TextCharFeatures::getFont(int pos, Font*& out) const
{
  bool assigned = false;
  ATE::IFont font = wrapper_.getObject<ATE::IFont>(pos, &assigned);
  if (!assigned || font.isNull() || !font.ref())
    return false;
  out = Font::fromATEFont(font.ref());
  return out != nullptr;
}

void TextCharFeatures::setFont(int pos, const Font* font)
{
  if (!font)
    return;
  AteFontRef ref = font->toATEFont();
  if (!ref)
    return;
  // The wrapper takes the reference over; the setter's by-value wrapper releases it after the call.
  wrapper_.setObject(pos, ATE::IFont(ref));
}

bool TextCharFeatures::getPaint(int pos, ArtColor& out) const
{
  bool assigned = false;
  ATE::IApplicationPaint paint = wrapper_.getObject<ATE::IApplicationPaint>(pos, &assigned);
  if (!assigned || paint.isNull())
    return false;
  auto toRecord = paintFunction<HostErr (*)(AteApplicationPaintRef, ColorRecord*)>(0);
  ColorRecord record{};
  if (!toRecord || toRecord(paint.ref(), &record) != 0)
    return false;
  out = ArtColor(record);
  return true;
}

void TextCharFeatures::setPaint(int pos, const ArtColor* color)
{
  if (!color)
    return;
  auto toPaint = paintFunction<HostErr (*)(const ColorRecord*, AteApplicationPaintRef*)>(4);
  ColorRecord record = color->hostColor();
  AteApplicationPaintRef ref = nullptr;
  if (!toPaint || toPaint(&record, &ref) != 0 || !ref)
    return;
  ATE::IApplicationPaint adopted(ref);
  if (!adopted.isNull())
    wrapper_.setObject(pos, adopted);
}

bool TextCharFeatures::getRealArray(int pos, std::vector<double>& out) const
{
  bool assigned = false;
  ATE::IArrayReal array = wrapper_.getObject<ATE::IArrayReal>(pos, &assigned);
  if (!assigned || array.isNull())
    return false;
  // Read in full before the caller's vector changes: a failing element leaves it as it was.
  std::vector<double> values;
  for (int32_t i = 0, n = array.getSize(); i < n; ++i)
    values.push_back(double(array.item(i)));
  out = std::move(values);
  return true;
}

void TextCharFeatures::setRealArray(int pos, const std::vector<double>& values)
{
  AteRealArrayRecord record{};
  record.count = int16_t(std::min(values.size(), size_t(6)));
  for (int i = 0; i < record.count; ++i)
    record.values[i] = float(values[size_t(i)]);
  auto toArray = paintFunction<HostErr (*)(const AteRealArrayRecord*, AteArrayRealRef*)>(7);
  AteArrayRealRef ref = nullptr;
  if (!toArray || toArray(&record, &ref) != 0 || !ref)
    return;
  ATE::IArrayReal adopted(ref);
  if (!adopted.isNull())
    wrapper_.setObject(pos, adopted);
}

bool TextParaFeatures::getTabStops(TextTabStopSet*& out) const
{
  bool assigned = false;
  ATE::ITabStops stops = wrapper_.getObject<ATE::ITabStops>(31, &assigned);
  if (!assigned || stops.isNull())
    return false;
  out = TextTabStopSet::getTextTabStopSet(stops.ref());
  return out != nullptr;
}

void TextParaFeatures::setTabStops(const TextTabStopSet* stops)
{
  if (stops)
    wrapper_.setObject(72, stops->ateTabStops());
}

bool TextParaFeatures::getCharFeatures(TextCharFeatures*& out) const
{
  bool assigned = false;
  ATE::ICharFeatures features = wrapper_.getObject<ATE::ICharFeatures>(42, &assigned);
  if (!assigned || features.isNull())
    return false;
  out = TextCharFeatures::getTextCharFeatures(features.ref());
  return out != nullptr;
}

void TextParaFeatures::setCharFeatures(const TextCharFeatures* features)
{
  if (features)
    wrapper_.setObject(83, features->ateCharFeatures());
}

}  // namespace aip
}  // namespace qor
