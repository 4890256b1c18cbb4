#include "aip/qoraipTextRange.h"

#include <algorithm>
#include <limits>
#include <new>
#include <vector>

#include "aip/qoraipHostRefs.h"
#include "aip/qoraipHostStrings.h"
#include "aip/qoraipPluginGlobals.h"
#include "aip/qoraipTextEngineSuites.h"
#include "aip/qoraipTextCharFeatures.h"
#include "aip/qoraipTextRangeValues.h"
#include "aip/qoraipTextPara.h"
#include "aip/qoraipTextRangeSet.h"
#include "aip/qoraipTextStory.h"
#include "aip/qoraipTextStyleSet.h"
#include "utils/qorutilsStrings.h"

namespace qor {
namespace aip {

TextRange* TextRange::getTextRange(const AteTextRangeRef& ref)
{
  if (!ref || !wrapperGlobals())
    return nullptr;
  acquireTextEngineSuites(AteFirstSuite::textFrame);
  PluginGlobals* globals = wrapperGlobals();
  if (!globals)
    return nullptr;
  TextRange* found = nullptr;
  if (globals->textRangeWrappers.get(ref, found) && found) {
    found->retain();
    return found;
  }
  TextRange* created = new TextRange(ref);
  created->retain();
  return created;
}

TextRange::TextRange(const AteTextRangeRef& ref)
{
  // The engine's count never drops on the way: add (assignment), release (temporary), add.
  {
    ATE::ITextRange adopted(ref);
    range_ = adopted;
  }
  if (const AteTextRangeSuite* suite = ateSuite<AteTextRangeSuite>(kAteSuiteTextRange))
    suite->addRef(ref);
  if (PluginGlobals* globals = wrapperGlobals())
    globals->textRangeWrappers.insert(range_.ref(), this);
}

TextRange::~TextRange()
{
  if (PluginGlobals* globals = wrapperGlobals())
    globals->textRangeWrappers.remove(range_.ref());
}

void TextRange::release()
{
  if (--count_ < 1)
    delete this;
}

ATE::ITextRange TextRange::ateTextRange() const { return range_; }

int32_t TextRange::start() const { return range_.getStart(); }
void TextRange::setStart(int32_t start) { range_.setStart(start); }
int32_t TextRange::end() const { return range_.getEnd(); }
void TextRange::setEnd(int32_t end) { range_.setEnd(end); }
int32_t TextRange::size() const { return range_.getCharacterCount(); }
void TextRange::setRange(int32_t start, int32_t end) { range_.setRange(start, end); }
int32_t TextRange::position37(int32_t value) const { return range_.position37(value); }

void TextRange::position36(int32_t engineValue) { range_.position36(engineValue); }
void TextRange::position48(int32_t engineValue) { range_.position48(engineValue); }

TextRange* TextRange::position38() const
{
  ATE::ITextRange range = range_.position38();
  return range.isNull() ? nullptr : getTextRange(range.ref());
}

// The engine takes zero-terminated UTF-16, converted through a host string.
bool TextRange::position18(const std::string& utf8) { return range_.position18(utf8ToHostString(utf8).toWString().c_str()); }
bool TextRange::position19(const std::string& utf8) { return range_.position19(utf8ToHostString(utf8).toWString().c_str()); }
void TextRange::position39(const std::string& utf8) { range_.position39(utf8ToHostString(utf8).toWString().c_str()); }
void TextRange::position40(const std::string& utf8) { range_.position40(utf8ToHostString(utf8).toWString().c_str()); }

void TextRange::position41(const TextRange* other)
{
  if (other)
    range_.position41(other->ateTextRange());
}

void TextRange::position42(const TextRange* other)
{
  if (other)
    range_.position42(other->ateTextRange());
}

void TextRange::position20() { range_.position20(); }
void TextRange::position21() { range_.position21(); }
void TextRange::position30() { range_.position30(); }
void TextRange::position33() { range_.position33(); }
void TextRange::position49() { range_.position49(); }
void TextRange::position50() { range_.position50(); }
bool TextRange::position24() const { return range_.position24(); }
bool TextRange::position25() const { return range_.position25(); }
void TextRange::position46(bool flag) { range_.position46(flag); }

std::string TextRange::contents(const std::string& lineEnding) const
{
  // A negative count is read as an empty range, and the count copied is kept within the buffer, so
  // the terminator never lands outside it.
  int32_t n = std::max(range_.getCharacterCount(), int32_t(0));
  if (n == std::numeric_limits<int32_t>::max())
    throw std::bad_alloc();
  std::vector<char16_t> buffer(size_t(n) + 1);
  int32_t copied = range_.getContents(buffer.data(), n);
  buffer[size_t(std::clamp(copied, int32_t(0), n))] = 0;
  std::string text = hostStringToUtf8(ai::HostUnicodeString(buffer.data()));
  return utils::replaceAll(utils::replaceAll(text, "\r\n", "\r"), "\r", lineEnding);
}


TextStory* TextRange::story() const { return objectOf<TextStory>(range_.getStory()); }

void TextRange::setStory(const TextStory* story)
{
  if (story)
    range_.setStory(story->ateStory());
}

TextRangeSet* TextRange::rangeSet9() const { return objectOf<TextRangeSet>(range_.getRangeSet9()); }
utils::Vector<TextArt*>* TextRange::textFrames() const { return walkFrames(range_.getTextFramesIterator()); }
utils::Vector<TextPara*>* TextRange::paragraphs() const { return walkParagraphs(range_.getParagraphsIterator()); }
utils::Vector<TextWord*>* TextRange::words() const { return walkWords(range_.getWordsIterator()); }
utils::Vector<TextRange*>* TextRange::runs() const { return walkRuns(range_.getTextRunsIterator()); }
TextCharInspector* TextRange::charInspector() const { return objectOf<TextCharInspector>(range_.getCharInspector()); }
TextParaInspector* TextRange::paraInspector() const { return objectOf<TextParaInspector>(range_.getParaInspector()); }
TextCharStyleSet* TextRange::charStyleSet() const { return objectOf<TextCharStyleSet>(range_.getCharStyles()); }
TextParaStyleSet* TextRange::paraStyleSet() const { return objectOf<TextParaStyleSet>(range_.getParaStyles()); }
TextCharFeatures* TextRange::charFeatures22() const { return objectOf<TextCharFeatures>(range_.getCharFeatures(22)); }
TextParaFeatures* TextRange::paraFeatures23() const { return objectOf<TextParaFeatures>(range_.getParaFeatures(23)); }
TextCharFeatures* TextRange::charFeatures26() const { return objectOf<TextCharFeatures>(range_.getCharFeatures(26)); }
TextParaFeatures* TextRange::paraFeatures27() const { return objectOf<TextParaFeatures>(range_.getParaFeatures(27)); }

void TextRange::position28(const TextCharFeatures* features)
{
  if (features)
    range_.setCharFeatures(28, features->ateCharFeatures());
}

void TextRange::position29(const TextCharFeatures* features)
{
  if (features)
    range_.setCharFeatures(29, features->ateCharFeatures());
}

void TextRange::position31(const TextParaFeatures* features)
{
  if (features)
    range_.setParaFeatures(31, features->ateParaFeatures());
}

void TextRange::position32(const TextParaFeatures* features)
{
  if (features)
    range_.setParaFeatures(32, features->ateParaFeatures());
}

}  // namespace aip
}  // namespace qor
