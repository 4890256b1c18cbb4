#include "core/qorcorePrefGetters.h"

#include "aip/qoraipPersistentArray.h"
#include "aip/qoraipPersistentArtColor.h"
#include "aip/qoraipPersistentArtboardPoint.h"
#include "aip/qoraipPersistentArtboardRect.h"
#include "aip/qoraipPersistentColor.h"
#include "aip/qoraipPersistentDictionary.h"
#include "aip/qoraipPersistentFont.h"
#include "aip/qoraipPersistentMatrix.h"
#include "aip/qoraipPersistentPoint.h"
#include "aip/qoraipPersistentRect.h"
#include "aip/qoraipPersistentSize.h"
#include "aip/qoraipPreferences.h"
#include "core/qorcoreArrayPref.h"
#include "core/qorcoreArtColorPref.h"
#include "core/qorcoreArtboardPointPref.h"
#include "core/qorcoreArtboardRectPref.h"
#include "core/qorcoreBoolPref.h"
#include "core/qorcoreColorPref.h"
#include "core/qorcoreDictionaryPref.h"
#include "core/qorcoreFontPref.h"
#include "core/qorcoreNumberPref.h"
#include "core/qorcorePointPref.h"
#include "core/qorcoreRectPref.h"
#include "core/qorcoreSizePref.h"
#include "core/qorcoreStringPref.h"
#include "core/qorcoreTransformMatrixPref.h"
#include "plat/qorplatPersistentBool.h"
#include "plat/qorplatPersistentNumber.h"
#include "plat/qorplatPersistentString.h"

namespace qor {
namespace core {

namespace qorcorePrefGetters_detail {
// Whether anything is stored under a member name or at an element index, and placing a new value there.
inline bool occupied(plat::PersistentDictionary& store, const std::string& key)
{
  return std::unique_ptr<plat::PersistentData>(store.member(key)) != nullptr;
}
inline bool occupied(plat::PersistentArray& store, uint32_t index)
{
  return index < store.count();
}
inline bool place(plat::PersistentDictionary& store, const std::string&, plat::PersistentData* value)
{
  return store.add(value);
}
inline bool place(plat::PersistentArray& store, uint32_t index, plat::PersistentData* value)
{
  return store.insertAt(index, value);
}
// The name a new value gets: its member name; elements have none.
inline const std::string& nameFor(const std::string& key)
{
  return key;
}
inline std::string nameFor(uint32_t)
{
  return std::string();
}
} // namespace qorcorePrefGetters_detail

// Each getter asks the store and shares the answer into out when its handle has the kind's code.
template <class Store, class Key>
template <class Out, class Ask>
bool PrefGetters<Store, Key>::answer(PrefDataType code, Out& out, Ask ask)
{
  Store* store = getterStore();
  return store && PrefData::assignWrapped(ask(*store), code, out);
}

template <class S, class K> bool PrefGetters<S, K>::getArray(const K& key, ArrayPref& out)
{
  return answer(PrefDataType::Array, out, [&](S& s) { return s.getHostArray(key); });
}
template <class S, class K>
bool PrefGetters<S, K>::getOrCreateArray(const K& key, const std::vector<PrefData*>* elements, ArrayPref& out)
{
  plat::PersistentDataVector values = PrefData::valuesOf(elements);
  return answer(PrefDataType::Array, out, [&](S& s) { return s.getOrCreateHostArray(key, &values); });
}
template <class S, class K> bool PrefGetters<S, K>::getArtboardPoint(const K& key, ArtboardPointPref& out)
{
  return answer(PrefDataType::ArtboardPoint, out, [&](S& s) { return s.getArtboardPoint(key); });
}
template <class S, class K>
bool PrefGetters<S, K>::getOrCreateArtboardPoint(const K& key, const ArtboardPoint& value,
                                                 ArtboardPointPref& out)
{
  return answer(PrefDataType::ArtboardPoint, out,
                [&](S& s) { return s.getOrCreateArtboardPoint(key, *pointImpl(value)); });
}
template <class S, class K> bool PrefGetters<S, K>::getArtboardRect(const K& key, ArtboardRectPref& out)
{
  return answer(PrefDataType::ArtboardRect, out, [&](S& s) { return s.getArtboardRect(key); });
}
template <class S, class K>
bool PrefGetters<S, K>::getOrCreateArtboardRect(const K& key, const ArtboardRect& value,
                                                ArtboardRectPref& out)
{
  return answer(PrefDataType::ArtboardRect, out,
                [&](S& s) { return s.getOrCreateArtboardRect(key, *rectImpl(value)); });
}
template <class S, class K> bool PrefGetters<S, K>::getArtColor(const K& key, ArtColorPref& out)
{
  return answer(PrefDataType::ArtColor, out, [&](S& s) { return s.getArtColor(key); });
}
template <class S, class K>
bool PrefGetters<S, K>::getOrCreateArtColor(const K& key, const ArtColor& value, ArtColorPref& out)
{
  return answer(PrefDataType::ArtColor, out,
                [&](S& s) { return s.getOrCreateArtColor(key, *implPointer(value)); });
}
template <class S, class K> bool PrefGetters<S, K>::getBool(const K& key, BoolPref& out)
{
  return answer(PrefDataType::Bool, out, [&](S& s) { return s.getBool(key); });
}
template <class S, class K> bool PrefGetters<S, K>::getOrCreateBool(const K& key, bool value, BoolPref& out)
{
  return answer(PrefDataType::Bool, out, [&](S& s) { return s.getOrCreateBool(key, value); });
}
template <class S, class K> bool PrefGetters<S, K>::getColor(const K& key, ColorPref& out)
{
  return answer(PrefDataType::Color, out, [&](S& s) { return s.getColor(key); });
}
template <class S, class K>
bool PrefGetters<S, K>::getOrCreateColor(const K& key, const Color& value, ColorPref& out)
{
  return answer(PrefDataType::Color, out, [&](S& s) { return s.getOrCreateColor(key, *colorImpl(value)); });
}
template <class S, class K> bool PrefGetters<S, K>::getDictionary(const K& key, DictionaryPref& out)
{
  return answer(PrefDataType::Dictionary, out, [&](S& s) { return s.getHostDictionary(key); });
}
template <class S, class K>
bool PrefGetters<S, K>::getOrCreateDictionary(const K& key, const std::vector<PrefData*>* members,
                                              DictionaryPref& out)
{
  plat::PersistentDataVector values = PrefData::valuesOf(members);
  return answer(PrefDataType::Dictionary, out,
                [&](S& s) { return s.getOrCreateHostDictionary(key, &values); });
}
template <class S, class K> bool PrefGetters<S, K>::getFont(const K& key, FontPref& out)
{
  return answer(PrefDataType::Font, out, [&](S& s) { return s.getFont(key); });
}
template <class S, class K>
bool PrefGetters<S, K>::getOrCreateFont(const K& key, const Font& font, double size, FontPref& out)
{
  return answer(PrefDataType::Font, out, [&](S& s) { return s.getOrCreateFont(key, implPointer(font), size); });
}
template <class S, class K> bool PrefGetters<S, K>::getTransformMatrix(const K& key, TransformMatrixPref& out)
{
  return answer(PrefDataType::TransformMatrix, out, [&](S& s) { return s.getMatrix(key); });
}
template <class S, class K>
bool PrefGetters<S, K>::getOrCreateTransformMatrix(const K& key, const TransformMatrix& value,
                                                   TransformMatrixPref& out)
{
  return answer(PrefDataType::TransformMatrix, out,
                [&](S& s) { return s.getOrCreateMatrix(key, *transformMatrixImpl(value)); });
}
template <class S, class K> bool PrefGetters<S, K>::getNumber(const K& key, NumberPref& out)
{
  return answer(PrefDataType::Number, out, [&](S& s) { return s.getNumber(key); });
}
template <class S, class K>
bool PrefGetters<S, K>::getOrCreateNumber(const K& key, int64_t value, NumberPref& out)
{
  return answer(PrefDataType::Number, out, [&](S& s) { return s.getOrCreateNumber(key, value); });
}
template <class S, class K>
bool PrefGetters<S, K>::getOrCreateNumber(const K& key, double value, NumberPref& out)
{
  return answer(PrefDataType::Number, out, [&](S& s) { return s.getOrCreateNumber(key, value); });
}
template <class S, class K> bool PrefGetters<S, K>::getPoint(const K& key, PointPref& out)
{
  return answer(PrefDataType::Point, out, [&](S& s) { return s.getPoint(key); });
}
template <class S, class K>
bool PrefGetters<S, K>::getOrCreatePoint(const K& key, const Point& value, PointPref& out)
{
  return answer(PrefDataType::Point, out, [&](S& s) { return s.getOrCreatePoint(key, *pointImpl(value)); });
}
template <class S, class K> bool PrefGetters<S, K>::getRect(const K& key, RectPref& out)
{
  return answer(PrefDataType::Rect, out, [&](S& s) { return s.getRect(key); });
}
template <class S, class K>
bool PrefGetters<S, K>::getOrCreateRect(const K& key, const Rect& value, RectPref& out)
{
  return answer(PrefDataType::Rect, out, [&](S& s) { return s.getOrCreateRect(key, *rectImpl(value)); });
}
template <class S, class K> bool PrefGetters<S, K>::getSize(const K& key, SizePref& out)
{
  return answer(PrefDataType::Size, out, [&](S& s) { return s.getSize(key); });
}
template <class S, class K>
bool PrefGetters<S, K>::getOrCreateSize(const K& key, const Size& value, SizePref& out)
{
  return answer(PrefDataType::Size, out,
                [&](S& s) { return s.getOrCreateSize(key, aip::Size(*pointImpl(value))); });
}
template <class S, class K> bool PrefGetters<S, K>::getString(const K& key, StringPref& out)
{
  return answer(PrefDataType::String, out, [&](S& s) { return s.getString(key); });
}
template <class S, class K>
bool PrefGetters<S, K>::getOrCreateString(const K& key, const std::string& value, StringPref& out)
{
  return answer(PrefDataType::String, out, [&](S& s) { return s.getOrCreateString(key, value); });
}

template <class Store, class Key>
template <class Out>
bool PrefGetters<Store, Key>::getStyle(const Key& key, PrefDataType code, Out& out)
{
  Store* store = getterStore();
  return store && PrefData::assignWrapped(store->getHostDictionary(key), code, out);
}

template <class Store, class Key>
template <class Out, class Default>
bool PrefGetters<Store, Key>::getOrCreateStyle(const Key& key, const Default& value, PrefDataType code,
                                               Out& out)
{
  if (getStyle(key, code, out))
    return true;
  Store* store = getterStore();
  if (!store || qorcorePrefGetters_detail::occupied(*store, key))
    return false;
  out = Out(value, qorcorePrefGetters_detail::nameFor(key));
  // An element index beyond the end leaves the new value outside the array.
  if (prefDataImpl(out))
    qorcorePrefGetters_detail::place(*store, key, prefDataImpl(out));
  return true;
}

template class PrefGetters<aip::Preferences, std::string>;
template class PrefGetters<aip::PersistentDictionary, std::string>;
template class PrefGetters<aip::PersistentArray, uint32_t>;

} // namespace core
} // namespace qor
