// The client's handles of character and paragraph inspectors of the text engine: for each attribute,
// the values it takes over the inspected text, made from the inspector tables. An empty handle calls
// nothing and returns an empty vector.
#pragma once

#include <vector>

#include "aip/qoraipTextRangeValues.h"
#include "core/qorcoreArtColor.h"
#include "core/qorcoreFont.h"
#include "core/qorcoreTextHandle.h"

namespace qor {
namespace core {

// The client's element type of each element array.
template <AteSuiteIndex ArraySuite> struct InspectorElement { using type = int32_t; };
template <> struct InspectorElement<kAteSuiteArrayReal> { using type = double; };
template <> struct InspectorElement<kAteSuiteArrayBool> { using type = bool; };
template <> struct InspectorElement<kAteSuiteArrayFontRef> { using type = Font; };
template <> struct InspectorElement<kAteSuiteArrayApplicationPaintRef> { using type = ArtColor; };
template <> struct InspectorElement<kAteSuiteArrayArrayReal> { using type = std::vector<double>; };

#define QOR_TEXT_INSPECT_DECL(pos, attr, arraySuite, name)                                                 \
  virtual std::vector<InspectorElement<kAteSuite##arraySuite>::type> name() const;

class TextCharInspector : public TextHandle<aip::TextCharInspector>
{
public:
  using TextHandle::TextHandle;
  using TextHandle::operator=;
  virtual std::unique_ptr<ATE::ICharInspector> ateCharInspector() const { return handOut(); }

  QOR_ATE_CHAR_INSPECTOR(QOR_TEXT_INSPECT_DECL)
};

class TextParaInspector : public TextHandle<aip::TextParaInspector>
{
public:
  using TextHandle::TextHandle;
  using TextHandle::operator=;
  virtual std::unique_ptr<ATE::IParaInspector> ateParaInspector() const { return handOut(); }

  QOR_ATE_PARA_INSPECTOR(QOR_TEXT_INSPECT_DECL)
};

#undef QOR_TEXT_INSPECT_DECL

TextCharInspector wrapTextCharInspector(aip::TextCharInspector* impl);
TextParaInspector wrapTextParaInspector(aip::TextParaInspector* impl);

}  // namespace core
}  // namespace qor
