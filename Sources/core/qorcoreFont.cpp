#include "core/qorcoreFont.h"

#include <cmath>
#include <limits>
#include <utility>

#include "aip/qoraipHostRefs.h"
#include "aip/qoraipPlatformServices.h"
#include "core/qorcoreCoreGlobals.h"
#include "core/qorcoreTypeface.h"
#include "plat/qorplatStrings.h"
#include "pui/qorpuiBasePlugin.h"
#include "pui/qorpuiUiGlobals.h"
#include "utils/qorutilsStrings.h"

namespace qor {
namespace core {

namespace qorcoreFont_detail {

// Host word to client value; a word not listed gives 0.
using KindTable = std::initializer_list<std::pair<int32_t, int32_t>>;

const KindTable kind1Values = {{0, 10}, {1, 20}};
const KindTable kind2Values = {{0, 10}, {1, 20}, {2, 30}};
// In the client enumeration's order: the host's 25 sits between its 2 and 3, its 32 comes last.
const KindTable kind3Values = {{-2, 10}, {0, 20},  {1, 30},  {2, 40},  {25, 50},  {3, 60},  {4, 70},
                               {5, 80},  {6, 90},  {7, 100}, {29, 110}, {81, 120}, {85, 130}, {32, 140}};
const KindTable kind9Values = {{0, 10}, {1, 20}, {2, 30}, {3, 40}};

int32_t kindOf(const KindTable& table, int32_t word)
{
  for (const auto& entry : table)
    if (entry.first == word)
      return entry.second;
  return 0;
}

// The size as a whole character height, cut toward zero; sizes beyond the integers are cut to them.
int wholeSize(double size)
{
  if (std::isnan(size))
    return 0;
  if (size >= double(std::numeric_limits<int>::max()))
    return std::numeric_limits<int>::max();
  if (size <= -double(std::numeric_limits<int>::max()))
    return -std::numeric_limits<int>::max();
  return int(size);
}

CoreGlobals* coreGlobals()
{
  pui::BasePlugin* plugin = pui::BasePlugin::instance();
  UiGlobals* ui = plugin ? plugin->uiGlobals() : nullptr;
  return ui ? ui->coreGlobals : nullptr;
}

} // namespace qorcoreFont_detail

Font::Font(aip::Font* impl) : impl_(impl ? aip::Font::getOrCreate(impl->key()) : nullptr) {}

Font::Font(const Font& other) : impl_(aip::retain(other.impl_)) {}

Font::~Font() { aip::Font::resetRef(impl_); }

Font& Font::operator=(const Font& other)
{
  if (&other != this)
    aip::reassign(impl_, other.impl_);
  return *this;
}

bool Font::operator==(const Font& other) const { return impl_ == other.impl_; }
bool Font::operator!=(const Font& other) const { return !(*this == other); }
FontKey Font::key() const { return impl_ ? impl_->key() : nullptr; }

Font::Info Font::info() const
{
  using namespace qorcoreFont_detail;
  Info result;
  if (!impl_)
    return result;
  FontInfoRecord record{};
  const int32_t* word = impl_->info(&record)->words;
  result.kind1 = kindOf(kind1Values, word[1]);
  result.kind2 = kindOf(kind2Values, word[2]);
  result.kind3 = kindOf(kind3Values, word[3]);
  result.flag4 = word[4] != 0;
  result.flag5 = word[5] != 0;
  result.flag7 = word[7] != 0;
  result.flag8 = word[8] != 0;
  result.kind9 = kindOf(kind9Values, word[9]);
  result.flag10 = word[10] != 0;
  result.flag11 = word[11] != 0;
  result.flag12 = word[12] != 0;
  result.flag13 = word[13] != 0;
  result.flag14 = word[14] != 0;
  return result;
}

bool Font::typeface(Typeface& typeface, int32_t& style) const
{
  TypefaceKey key = nullptr;
  int16_t hostStyle = 0;
  if (!impl_ || !impl_->typeface(key, hostStyle))
    return false;
  typeface = Typeface(key);
  style = hostStyle;
  return true;
}

bool Font::position28() const { return impl_ && impl_->position28(); }
std::string Font::fullName() const { return impl_ ? impl_->fullName() : std::string(); }
std::string Font::faceName() const { return impl_ ? impl_->faceName() : std::string(); }
std::string Font::position50() const { return impl_ ? impl_->position50() : std::string(); }

HFONT Font::createPlatformFont(double size) const
{
  using namespace qorcoreFont_detail;
  CoreGlobals* globals = coreGlobals();
  if (!aip::platform::schedulerWindow() || !globals)
    return nullptr;
  // The size is the character height in logical units: no resolution factor applies.
  const int height = -wholeSize(size);
  const std::string full = fullName();
  auto cached = globals->fontCache.find(full);
  if (cached != globals->fontCache.end() && cached->second) {
    LOGFONTW copy = *cached->second;
    copy.lfWidth = 0;
    copy.lfHeight = height;
    return CreateFontIndirectW(&copy);
  }
  const CStringW face = plat::utf8ToWideString(faceName());
  const std::string lower = utils::utf8ToLower(full);
  const bool italic = utils::countOccurrences(lower, "italic") != 0;
  const bool bold = utils::countOccurrences(lower, "bold") != 0;
  auto create = [&](int weight, DWORD slanted) {
    return CreateFontW(height, 0, 0, 0, weight, slanted, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, face.GetString());
  };
  HFONT font = create(bold ? FW_BOLD : FW_NORMAL, italic ? 1 : 0);
  return font ? font : create(FW_NORMAL, 0);
}

Font wrapFont(aip::Font* impl) { return Font(impl); }

aip::Font* implPointer(const Font& font) { return font.impl(); }

} // namespace core
} // namespace qor
