#include "aip/qoraipIllustratorEntry.h"

#include "aip/qoraipArtSuites.h"
#include "aip/qoraipBasePlugin.h"
#include "aip/qoraipDocument.h"
#include "aip/qoraipHostStrings.h"
#include "aip/qoraipPluginGlobals.h"
#include "aip/qoraipSuite.h"
#include "aip/qoraipSuitePointers.h"

namespace qor {
namespace aip {

namespace qoraipIllustratorEntry_detail {
PluginGlobals* globals()
{
    BasePlugin* plugin = BasePlugin::instance();
    return plugin ? plugin->globals() : nullptr;
}

bool hostHasDocument()
{
    DocumentHandle doc = nullptr;
    return documentSuite && documentSuite->getCurrentDocument(&doc) == 0 && doc;
}
}  // namespace qoraipIllustratorEntry_detail

IllustratorEntry::IllustratorEntry(EntryHandle entry) : entry_(entry)
{
    acquireSuite(entrySuite, kEntrySuiteName, kEntrySuiteVersion);
    if (PluginGlobals* g = qoraipIllustratorEntry_detail::globals(); g && entry_)
        g->entryWrappers.insert(entry_, this);
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
    if (PluginGlobals* g = qoraipIllustratorEntry_detail::globals())
        g->entryWrappers.remove(entry_);
    if (entrySuite && qoraipIllustratorEntry_detail::hostHasDocument()) {
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
    PluginGlobals* g = qoraipIllustratorEntry_detail::globals();
    if (!entry || !g)
        return nullptr;
    IllustratorEntry* found = nullptr;
    if (g->entryWrappers.get(entry, found) && found) {
        found->retain();
        return found;
    }
    IllustratorEntry* created = new IllustratorEntry(entry);
    created->retain();
    return created;
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

}  // namespace aip
}  // namespace qor
