#include "aip/qoraipIllustratorEntry.h"

#include "aip/qoraipArt.h"
#include "aip/qoraipArtSuites.h"
#include "aip/qoraipDocument.h"
#include "aip/qoraipHostRefs.h"
#include "aip/qoraipHostStrings.h"
#include "aip/qoraipIllustratorArray.h"
#include "aip/qoraipIllustratorDictionary.h"
#include "aip/qoraipUID.h"
#include "aip/qoraipSuite.h"
#include "aip/qoraipSuitePointers.h"

namespace qor {
namespace aip {

IllustratorEntry::IllustratorEntry(EntryHandle entry) : entry_(entry)
{
    acquireSuite(entrySuite, kEntrySuiteName, kEntrySuiteVersion);
    registerWrapper(&PluginGlobals::entryWrappers, entry_, this);
}

IllustratorEntry::~IllustratorEntry()
{
    acquireSuite(arraySuite, kArraySuiteName, kArraySuiteVersion);
    acquireSuite(dictionarySuite, kDictionarySuiteName, kDictionarySuiteVersion);
    Document::acquireDocumentSuite();
    acquireSuite(&uidPoolSuite, kUIDPoolSuiteName, kUIDPoolSuiteVersion);
    acquireSuite(uidSuite, kUIDSuiteName, kUIDSuiteVersion);
    acquireSuite(uidrefSuite, kUIDREFSuiteName, kUIDREFSuiteVersion);
    acquireSuite(uidUtilsSuite, kUIDUtilsSuiteName, kUIDUtilsSuiteVersion);
    if (!entry_)
        return;
    unregisterWrapper(&PluginGlobals::entryWrappers, entry_, this);
    if (entrySuite && hostHasDocument()) {
        // The container read consumes one reference of the entry, as every other read does: add it
        // first, so that the final release is the wrapper's own and the entry is not released twice.
        switch (entrySuite->getEntryType(entry_)) {
        case 5: {
            DictHandle dict = nullptr;
            entrySuite->addEntryRef(entry_);
            if (entrySuite->entryToDictionary(entry_, &dict) == 0 && dict && dictionarySuite)
                dictionarySuite->releaseDictionary(dict);
            break;
        }
        case 6: {
            ArrayHandle array = nullptr;
            entrySuite->addEntryRef(entry_);
            if (entrySuite->entryToArray(entry_, &array) == 0 && array && arraySuite)
                arraySuite->releaseArray(array);
            break;
        }
        case 18: {
            UIDRefHandle ref = nullptr;
            entrySuite->addEntryRef(entry_);
            if (entrySuite->entryToUIDRef(entry_, &ref) == 0 && ref && uidrefSuite)
                uidrefSuite->releaseUIDRef(ref);
            break;
        }
        default:
            break;
        }
        entrySuite->releaseEntry(entry_);
    }
    entry_ = nullptr;
}

IllustratorEntry* IllustratorEntry::getOrCreate(EntryHandle entry)
{
    return getOrCreateWrapper(&PluginGlobals::entryWrappers, entry);
}

IllustratorEntry* IllustratorEntry::adopt(EntryHandle entry)
{
    acquireSuite(entrySuite, kEntrySuiteName, kEntrySuiteVersion);
    return adoptHostRef(&PluginGlobals::entryWrappers, entry, [](EntryHandle e) { entrySuite->releaseEntry(e); });
}

IllustratorEntry* IllustratorEntry::fromUID(UID* uid)
{
    if (!uid)
        return nullptr;
    acquireSuite(entrySuite, kEntrySuiteName, kEntrySuiteVersion);
    acquireSuite(&uidPoolSuite, kUIDPoolSuiteName, kUIDPoolSuiteVersion);
    acquireSuite(uidSuite, kUIDSuiteName, kUIDSuiteVersion);
    acquireSuite(uidrefSuite, kUIDREFSuiteName, kUIDREFSuiteVersion);
    acquireSuite(uidUtilsSuite, kUIDUtilsSuiteName, kUIDUtilsSuiteVersion);
    UIDRefHandle ref = uid->newReference();
    if (!ref || !entrySuite)
        return nullptr;
    IllustratorEntry* entry = adopt(entrySuite->entryFromUIDRef(ref));
    uidrefSuite->releaseUIDRef(ref);
    return entry;
}

IllustratorEntry* IllustratorEntry::fromArt(Art* art)
{
    if (!art)
        return nullptr;
    UID* uid = art->uid();
    if (!uid)
        return nullptr;
    IllustratorEntry* entry = fromUID(uid);
    uid->release();
    return entry;
}

void IllustratorEntry::release()
{
    if (--count_ <= 0)
        delete this;
}

int32_t IllustratorEntry::type() const
{
    return entrySuite && entry_ ? entrySuite->getEntryType(entry_) : 0;
}

bool IllustratorEntry::asBool() const
{
    bool8 value = 0;
    if (type() != 2)
        return false;
    entrySuite->addEntryRef(entry_);
    return entrySuite->entryToBoolean(entry_, &value) == 0 && value;
}

int64_t IllustratorEntry::asInteger() const
{
    int32_t value = 0;
    if (type() != 1)
        return 0;
    entrySuite->addEntryRef(entry_);
    return entrySuite->entryToInteger(entry_, &value) == 0 ? static_cast<int64_t>(value) : 0;
}

double IllustratorEntry::asReal() const
{
    double value = 0;
    if (type() != 3)
        return 0;
    entrySuite->addEntryRef(entry_);
    return entrySuite->entryToReal(entry_, &value) == 0 ? value : 0;
}

std::string IllustratorEntry::asString() const
{
    int32_t t = type();
    if (t == 4) {
        const char* bytes = nullptr;
        entrySuite->addEntryRef(entry_);
        return entrySuite->entryToByteString(entry_, &bytes) == 0 && bytes ? std::string(bytes) : std::string();
    }
    if (t == 26) {
        ai::HostUnicodeString text;
        entrySuite->addEntryRef(entry_);
        entrySuite->entryToUnicodeString(entry_, text.resetAndGetAddress());
        return hostStringToUtf8(text);
    }
    return std::string();
}

IllustratorDictionary* IllustratorEntry::asDictionary() const
{
    DictHandle dict = nullptr;
    if (type() != 5)
        return nullptr;
    entrySuite->addEntryRef(entry_);
    if (entrySuite->entryToDictionary(entry_, &dict) != 0 || !dict)
        return nullptr;
    return IllustratorDictionary::adopt(dict);
}

IllustratorArray* IllustratorEntry::asArray() const
{
    ArrayHandle array = nullptr;
    if (type() != 6)
        return nullptr;
    entrySuite->addEntryRef(entry_);
    if (entrySuite->entryToArray(entry_, &array) != 0 || !array)
        return nullptr;
    return IllustratorArray::adopt(array);
}

UID* IllustratorEntry::uid() const
{
    UIDRefHandle ref = nullptr;
    if (type() != 18)
        return nullptr;
    acquireSuite(uidrefSuite, kUIDREFSuiteName, kUIDREFSuiteVersion);
    entrySuite->addEntryRef(entry_);
    if (entrySuite->entryToUIDRef(entry_, &ref) != 0 || !ref)
        return nullptr;
    UID* result = UID::fromReference(ref);
    // The reference object was only the way to the id.
    if (uidrefSuite)
        uidrefSuite->releaseUIDRef(ref);
    return result;
}

Art* IllustratorEntry::art() const
{
    UID* id = uid();
    if (!id)
        return nullptr;
    Art* result = id->artObject();
    id->release();
    return result;
}

}  // namespace aip
}  // namespace qor
