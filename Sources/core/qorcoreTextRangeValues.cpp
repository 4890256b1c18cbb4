#include "core/qorcoreTextRangeValues.h"

#include "aip/qoraipArtColor.h"
#include "aip/qoraipFont.h"
#include "core/qorcoreEnumConverters.h"

namespace qor {
namespace core {

namespace qorcoreTextInspector_detail {

// How the elements of each array suite become client values; false leaves an element out.
template <AteSuiteIndex S> struct Elements;

template <class Array, class T, int32_t (*Convert)(int32_t)> struct EnumElements
{
  using ArrayType = Array;
  static bool convert(int32_t engine, T& out)
  {
    out = Convert(engine);
    return true;
  }
};

int32_t same(int32_t v) { return v; }

template <> struct Elements<kAteSuiteArrayInteger> : EnumElements<ATE::IArrayInteger, int32_t, same> {};
template <> struct Elements<kAteSuiteArrayFontCapsOption>
    : EnumElements<ATE::IArrayFontCapsOption, int32_t, ate0to3ToCore10s> {};
template <> struct Elements<kAteSuiteArrayFontBaselineOption>
    : EnumElements<ATE::IArrayFontBaselineOption, int32_t, ate0to2ToCore10s> {};
template <> struct Elements<kAteSuiteArrayFontOpenTypePositionOption>
    : EnumElements<ATE::IArrayFontOpenTypePositionOption, int32_t, ate0to4ToCore10s> {};
template <> struct Elements<kAteSuiteArrayStrikethroughPosition>
    : EnumElements<ATE::IArrayStrikethroughPosition, int32_t, ate0to2ToCore10s> {};
template <> struct Elements<kAteSuiteArrayUnderlinePosition>
    : EnumElements<ATE::IArrayUnderlinePosition, int32_t, ate0to2ToCore10s> {};
template <> struct Elements<kAteSuiteArrayFigureStyle> : EnumElements<ATE::IArrayFigureStyle, int32_t, ate0to4ToCore10s> {};
template <> struct Elements<kAteSuiteArrayLineCapType> : EnumElements<ATE::IArrayLineCapType, int32_t, ate0to2ToCore100s> {};
template <> struct Elements<kAteSuiteArrayLineJoinType> : EnumElements<ATE::IArrayLineJoinType, int32_t, ate0to2ToCore100s> {};
template <> struct Elements<kAteSuiteArrayParagraphJustification>
    : EnumElements<ATE::IArrayParagraphJustification, int32_t, ate0to6ToCore100to300> {};
template <> struct Elements<kAteSuiteArrayLeadingType> : EnumElements<ATE::IArrayLeadingType, int32_t, ate0to1ToCore10s> {};
template <> struct Elements<kAteSuiteArrayComposerEngine>
    : EnumElements<ATE::IArrayComposerEngine, int32_t, ate0to1ToCore10s> {};

template <> struct Elements<kAteSuiteArrayReal>
{
  using ArrayType = ATE::IArrayReal;
  static bool convert(float v, double& out)
  {
    out = double(v);
    return true;
  }
};

template <> struct Elements<kAteSuiteArrayBool>
{
  using ArrayType = ATE::IArrayBool;
  static bool convert(bool8 v, bool& out)
  {
    out = v != 0;
    return true;
  }
};

template <> struct Elements<kAteSuiteArrayFontRef>
{
  using ArrayType = ATE::IArrayFontRef;
  static bool convert(const ATE::IFont& font, Font& out)
  {
    if (font.isNull() || !font.ref())
      return false;
    aip::ObjectRef<aip::Font> held(aip::Font::fromATEFont(font.ref()));
    if (!held)
      return false;
    out = Font(held.get());
    return true;
  }
};

template <> struct Elements<kAteSuiteArrayApplicationPaintRef>
{
  using ArrayType = ATE::IArrayApplicationPaintRef;
  static bool convert(const ATE::IApplicationPaint& paint, ArtColor& out)
  {
    if (paint.isNull())
      return false;
    const HostStubProc* table = ATE::suiteTable(kAteSuiteAiatePaint);
    if (!table || !table[0])
      return false;
    ColorRecord record{};
    if (ATE::slotAs<HostErr (*)(AteApplicationPaintRef, ColorRecord*)>(table[0])(paint.ref(), &record) != 0)
      return false;
    out = ArtColor(aip::ArtColor(record));
    return true;
  }
};

template <> struct Elements<kAteSuiteArrayArrayReal>
{
  using ArrayType = ATE::IArrayArrayReal;
  static bool convert(const ATE::IArrayReal& array, std::vector<double>& out)
  {
    if (array.isNull())
      return false;
    for (int32_t i = 0, n = array.getSize(); i < n; ++i)
      out.push_back(double(array.item(i)));
    return true;
  }
};

template <AteSuiteIndex S, class Impl> std::vector<typename InspectorElement<S>::type> values(Impl* impl, int pos)
{
  using E = Elements<S>;
  using T = typename InspectorElement<S>::type;
  if (!impl)
    return {};
  return impl->template values<typename E::ArrayType, T>(pos, [](const auto& element, T& out) {
    return E::convert(element, out);
  });
}

}  // namespace qorcoreTextInspector_detail

#define QOR_TEXT_INSPECT_DEF(Class, pos, attr, arraySuite, name)                                           \
  std::vector<InspectorElement<kAteSuite##arraySuite>::type> Class::name() const                           \
  {                                                                                                        \
    return qorcoreTextInspector_detail::values<kAteSuite##arraySuite>(impl_, pos);                         \
  }
#define QOR_CHAR_INSPECT_DEF(...) QOR_TEXT_INSPECT_DEF(TextCharInspector, __VA_ARGS__)
#define QOR_PARA_INSPECT_DEF(...) QOR_TEXT_INSPECT_DEF(TextParaInspector, __VA_ARGS__)
QOR_ATE_CHAR_INSPECTOR(QOR_CHAR_INSPECT_DEF)
QOR_ATE_PARA_INSPECTOR(QOR_PARA_INSPECT_DEF)
#undef QOR_CHAR_INSPECT_DEF
#undef QOR_PARA_INSPECT_DEF
#undef QOR_TEXT_INSPECT_DEF

TextCharInspector wrapTextCharInspector(aip::TextCharInspector* impl) { return TextCharInspector(impl); }
TextParaInspector wrapTextParaInspector(aip::TextParaInspector* impl) { return TextParaInspector(impl); }

}  // namespace core
}  // namespace qor
