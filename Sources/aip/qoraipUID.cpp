#include "aip/qoraipUID.h"

#include <cstdio>
#include <functional>

#include "aip/qoraipArt.h"
#include "aip/qoraipArtSuites.h"
#include "aip/qoraipDocument.h"
#include "aip/qoraipHostRefs.h"
#include "aip/qoraipHostStrings.h"
#include "aip/qoraipSuite.h"
#include "aip/qoraipSuitePointers.h"
#include "utils/qorutilsStrings.h"

namespace qor {
namespace aip {

namespace qoraipUID_detail {

// The characters that unique-id names escape, in the order the table is filled: ASCII punctuation from
// "!" to "~" except the colon and the underscore, then typographic and mathematical characters.
// Digits and the underscore are replaced separately, after the table.
constexpr uint32_t escapedCodePoints[] = {
    0x21,   0x22,   0x23,   0x24,   0x25,   0x26,   0x27,   0x28,   0x29,   0x2A,   0x2B,   0x2C,   0x2D,
    0x2E,   0x2F,   0x3B,   0x3C,   0x3D,   0x3E,   0x3F,   0x40,   0x5B,   0x5C,   0x5D,   0x5E,   0x60,
    0x7B,   0x7C,   0x7D,   0x7E,   0x2020, 0xB0,   0xA2,   0xA3,   0xA7,   0x2022, 0xB6,   0xAE,   0xA9,
    0x2122, 0xB4,   0xA8,   0x2260, 0x221E, 0xB1,   0x2264, 0x2265, 0xA5,   0xB5,   0x2202, 0x2211, 0x220F,
    0x222B, 0xAA,   0xBA,   0xBF,   0xA1,   0xAC,   0x221A, 0x2248, 0x2206, 0xAB,   0xBB,   0x2026, 0x2013,
    0x2014, 0x201C, 0x201D, 0x2018, 0x2019, 0xF7,   0x25CA, 0x2044, 0x20AC, 0x2039, 0x203A, 0xFB01, 0xFB02,
    0x2021, 0x201A, 0x201E, 0x2030, 0xF8FF, 0x2C6,  0x2DC,  0xAF,   0x2D8,  0x2D9,  0x2DA,  0xB8,   0x2DD,
    0x2DB,  0x2C7,  0xA4,   0xA6,   0xB2,   0xB3,   0xB9,   0xBC,   0xBD,   0xBE,   0xD7,   0xB7,
};
static_assert(sizeof(escapedCodePoints) / sizeof(escapedCodePoints[0]) == 103);

// Replaced after the table, in this order.
constexpr const char* digitEscapes[][2] = {
    {"_x39_", "9"}, {"_x38_", "8"}, {"_x37_", "7"}, {"_x36_", "6"}, {"_x35_", "5"},
    {"_x34_", "4"}, {"_x32_", "2"}, {"_x31_", "1"}, {"_x30_", "0"}, {"_x33_", "3"},
};

std::string utf8Of(uint32_t cp)
{
  std::string s;
  if (cp < 0x80) {
    s += static_cast<char>(cp);
  } else if (cp < 0x800) {
    s += static_cast<char>(0xC0 | (cp >> 6));
    s += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    s += static_cast<char>(0xE0 | (cp >> 12));
    s += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    s += static_cast<char>(0x80 | (cp & 0x3F));
  }
  return s;
}

std::string escapeOf(uint32_t cp)
{
  char text[16];
  std::snprintf(text, sizeof text, "_x%X_", static_cast<unsigned>(cp));
  return text;
}

void acquireUIDSuites()
{
  acquireSuite(&uidPoolSuite, kUIDPoolSuiteName, kUIDPoolSuiteVersion);
  acquireSuite(uidSuite, kUIDSuiteName, kUIDSuiteVersion);
  acquireSuite(uidrefSuite, kUIDREFSuiteName, kUIDREFSuiteVersion);
  acquireSuite(uidUtilsSuite, kUIDUtilsSuiteName, kUIDUtilsSuiteVersion);
}

// The document scope around unique-id work: the outermost scope caches the current document, nested
// scopes count; a scope that could not find a document is not counted and closes nothing.
class DocumentScope
{
public:
  DocumentScope() : globals(wrapperGlobals())
  {
    if (!globals)
      return;
    if (globals->uidScopeDocument) {
      ++globals->uidScopeDepth;
      opened = true;
      return;
    }
    Document::acquireDocumentSuite();
    DocumentHandle doc = nullptr;
    if (documentSuite && documentSuite->getCurrentDocument(&doc) == 0) {
      globals->uidScopeDocument = doc;
      ++globals->uidScopeDepth;
      opened = true;
    } else {
      globals->uidScopeDocument = nullptr;
    }
  }
  DocumentScope(const DocumentScope&) = delete;
  DocumentScope& operator=(const DocumentScope&) = delete;
  ~DocumentScope()
  {
    if (!opened)
      return;
    if (--globals->uidScopeDepth < 1) {
      globals->uidScopeDepth = 0;
      globals->uidScopeDocument = nullptr;
    }
  }
  bool hasDocument() const { return globals && globals->uidScopeDocument; }

private:
  PluginGlobals* globals;
  bool opened = false;
};

} // namespace qoraipUID_detail

UID::UID(UIDHandle uid) : uid_(uid)
{
  registerWrapper(&PluginGlobals::uidWrappers, uid_, this);
}

UID* UID::getOrCreate(UIDHandle uid)
{
  if (!uid)
    return nullptr;
  qoraipUID_detail::DocumentScope scope;
  if (!wrapperGlobals() || !scope.hasDocument())
    return nullptr;
  qoraipUID_detail::acquireUIDSuites();
  return getOrCreateWrapper(&PluginGlobals::uidWrappers, uid);
}

UID* UID::adopt(UIDHandle uid)
{
  return adoptHostRef(&PluginGlobals::uidWrappers, uid, [](UIDHandle u) { uidSuite->releaseUID(u); });
}

UID* UID::fromHost(const std::function<HostErr(UIDHandle*)>& ask)
{
  qoraipUID_detail::DocumentScope scope;
  if (!wrapperGlobals() || !scope.hasDocument())
    return nullptr;
  qoraipUID_detail::acquireUIDSuites();
  UIDHandle uid = nullptr;
  if (ask(&uid) != 0 || !uid)
    return nullptr;
  return adopt(uid);
}

UID* UID::fromArt(ArtHandle art)
{
  if (!art)
    return nullptr;
  return fromHost([art](UIDHandle* out) {
    return uidUtilsSuite ? uidUtilsSuite->getArtUID(art, 1, out) : kHostErrNotImplemented;
  });
}

UID* UID::fromReference(UIDRefHandle ref)
{
  if (!ref)
    return nullptr;
  return fromHost([ref](UIDHandle* out) {
    return uidrefSuite ? uidrefSuite->getUIDOfRef(ref, out) : kHostErrNotImplemented;
  });
}

void UID::release()
{
  if (--count_ <= 0) {
    unregister();
    delete this;
  }
}

void UID::unregister()
{
  if (!uid_)
    return;
  // Without a document the host reference cannot be given back; the wrapper still leaves the registry,
  // so that no entry points at a deleted wrapper.
  qoraipUID_detail::DocumentScope scope;
  unregisterWrapper(&PluginGlobals::uidWrappers, uid_, this);
  if (scope.hasDocument() && uidSuite)
    uidSuite->releaseUID(uid_);
  uid_ = nullptr;
}

UIDRefHandle UID::newReference() const
{
  qoraipUID_detail::DocumentScope scope;
  UIDRefHandle ref = nullptr;
  if (!scope.hasDocument() || !uidSuite || uidSuite->newUIDRef(uid_, &ref) != 0)
    return nullptr;
  return ref;
}

ArtHandle UID::art() const
{
  qoraipUID_detail::DocumentScope scope;
  if (!scope.hasDocument())
    return nullptr;
  UIDRefHandle ref = newReference();
  if (!ref)
    return nullptr;
  ArtHandle art = nullptr;
  HostErr err = uidUtilsSuite ? uidUtilsSuite->getArtOfUIDRef(ref, &art) : kHostErrNotImplemented;
  uidrefSuite->releaseUIDRef(ref);
  return err == 0 ? art : nullptr;
}

Art* UID::artObject() const
{
  ArtHandle a = art();
  return a ? new Art(a) : nullptr;
}

void UID::buildEscapeTable()
{
  PluginGlobals* g = wrapperGlobals();
  if (!g || g->uidNameEscapeTable)
    return;
  g->uidNameEscapeTable = new utils::Map<std::string, std::string>();
  for (uint32_t cp : qoraipUID_detail::escapedCodePoints)
    g->uidNameEscapeTable->insert(qoraipUID_detail::utf8Of(cp), qoraipUID_detail::escapeOf(cp));
}

std::string UID::unescapeUIDName() const
{
  PluginGlobals* g = wrapperGlobals();
  if (!g)
    return std::string();
  buildEscapeTable();
  ai::HostUnicodeString name;
  if (uidSuite && uid_)
    uidSuite->getUIDName(uid_, name.resetAndGetAddress());
  std::string text = hostStringToUtf8(name);
  // Rows in key order: ASCII characters first. Each step works on the previous one's result.
  for (const auto& row : *g->uidNameEscapeTable)
    text = utils::replaceAll(text, row.second, row.first);
  for (const auto& digit : qoraipUID_detail::digitEscapes)
    text = utils::replaceAll(text, digit[0], digit[1]);
  return utils::replaceAll(text, "_x5F_", "_");
}

} // namespace aip
} // namespace qor
