// The typed get and get-or-create operations that a preference document, a dictionary preference and an
// array preference share: one implementation over the container's host-aware store, addressed by member
// name or by element index.
//
// A get finds a value only when it is stored with the kind's persistent kind and its handle has the kind's
// code (so a stored style is seen only by that style's getter). A get-or-create of a plain kind makes the
// value from the default when the get finds nothing and offers it to the container; when another kind holds
// the place, the value stays outside and the answer is still true. The style get-or-create is refused when
// anything holds the place.
#pragma once

#include "core/qorcorePrefData.h"

#include <cstdint>
#include <string>
#include <vector>

namespace qor {
namespace core {

class ArrayPref;
class ArtboardPoint;
class ArtboardPointPref;
class ArtboardRect;
class ArtboardRectPref;
class ArtColor;
class ArtColorPref;
class BoolPref;
class Color;
class ColorPref;
class DictionaryPref;
class Font;
class FontPref;
class NumberPref;
class Point;
class PointPref;
class Rect;
class RectPref;
class Size;
class SizePref;
class StringPref;
class TransformMatrix;
class TransformMatrixPref;

template <class Store, class Key> class PrefGetters
{
public:
  virtual ~PrefGetters() = default;

  virtual bool getArray(const Key& key, ArrayPref& out);
  virtual bool getOrCreateArray(const Key& key, const std::vector<PrefData*>* elements, ArrayPref& out);
  virtual bool getArtboardPoint(const Key& key, ArtboardPointPref& out);
  virtual bool getOrCreateArtboardPoint(const Key& key, const ArtboardPoint& value, ArtboardPointPref& out);
  virtual bool getArtboardRect(const Key& key, ArtboardRectPref& out);
  virtual bool getOrCreateArtboardRect(const Key& key, const ArtboardRect& value, ArtboardRectPref& out);
  virtual bool getArtColor(const Key& key, ArtColorPref& out);
  virtual bool getOrCreateArtColor(const Key& key, const ArtColor& value, ArtColorPref& out);
  virtual bool getBool(const Key& key, BoolPref& out);
  virtual bool getOrCreateBool(const Key& key, bool value, BoolPref& out);
  virtual bool getColor(const Key& key, ColorPref& out);
  virtual bool getOrCreateColor(const Key& key, const Color& value, ColorPref& out);
  virtual bool getDictionary(const Key& key, DictionaryPref& out);
  virtual bool getOrCreateDictionary(const Key& key, const std::vector<PrefData*>* members,
                                     DictionaryPref& out);
  virtual bool getFont(const Key& key, FontPref& out);
  // An empty font stores the host's default font.
  virtual bool getOrCreateFont(const Key& key, const Font& font, double size, FontPref& out);
  virtual bool getTransformMatrix(const Key& key, TransformMatrixPref& out);
  virtual bool getOrCreateTransformMatrix(const Key& key, const TransformMatrix& value,
                                          TransformMatrixPref& out);
  virtual bool getNumber(const Key& key, NumberPref& out);
  virtual bool getOrCreateNumber(const Key& key, int64_t value, NumberPref& out);
  virtual bool getOrCreateNumber(const Key& key, double value, NumberPref& out);
  virtual bool getPoint(const Key& key, PointPref& out);
  virtual bool getOrCreatePoint(const Key& key, const Point& value, PointPref& out);
  virtual bool getRect(const Key& key, RectPref& out);
  virtual bool getOrCreateRect(const Key& key, const Rect& value, RectPref& out);
  virtual bool getSize(const Key& key, SizePref& out);
  virtual bool getOrCreateSize(const Key& key, const Size& value, SizePref& out);
  virtual bool getString(const Key& key, StringPref& out);
  virtual bool getOrCreateString(const Key& key, const std::string& value, StringPref& out);

protected:
  PrefGetters() = default;
  PrefGetters(const PrefGetters&) = default;
  PrefGetters& operator=(const PrefGetters&) = default;

  // The container's store, or null when the handle is empty.
  virtual Store* getterStore() const = 0;

  template <class Out, class Ask> bool answer(PrefDataType code, Out& out, Ask ask);

  // The style kinds: a stored dictionary whose handle has the style's code.
  template <class Out> bool getStyle(const Key& key, PrefDataType code, Out& out);
  // A new style value (Out built from the default and the member name, "" for an element) is placed
  // only where nothing is stored yet.
  template <class Out, class Default>
  bool getOrCreateStyle(const Key& key, const Default& value, PrefDataType code, Out& out);
};

} // namespace core
} // namespace qor
