// Publishes the document suites of the simulated host in the application and ties the document model's
// lifetime to the application's.
#include "hostsimApp.h"
#include "hostsimDocumentSuites.h"
#include "hostsimWorkspace.h"

#include <cstring>
#include <ostream>

namespace hostsim {

// The document model as an area of the application: when the application goes, its documents close.
class DocumentModel : public Area {
public:
  explicit DocumentModel(HostApp&) {}
  ~DocumentModel() override
  {
    Workspace::instance().detachHost();
    DocumentSuites::setStringSuite(nullptr);
  }
  int reportOrder() const override { return 600; }
  void report(std::ostream& out) const override
  {
    const auto& docs = Workspace::instance().documents();
    out << "documents: " << docs.size() << "\n";
    for (const auto& d : docs) {
      size_t paths = 0, selected = 0;
      d->forEachArt([&](Art* a) {
        if (a->type == Art::kPath)
          ++paths;
        if (!a->layer && (a->attrs & Art::kSelected))
          ++selected;
      });
      out << "  " << d->name << ": " << d->allLayers().size() << " layers, " << paths << " paths, " << selected
          << " selected\n";
    }
  }
};

namespace hostsimDocumentModel_detail {

// Copies the implemented positions of a model table into the published one. Slots are copied as bytes:
// reading a suite's members through another function-pointer type would let the optimiser drop the
// stores that cleared positions in the model (the application's own entries would then be overwritten).
template <class Suite>
void fill(HostApp& app, const char* name, int32_t version, const Suite& model)
{
  Suite& published = app.publishSuite<Suite>(name, version);
  auto* to = reinterpret_cast<unsigned char*>(&published);
  const auto* from = reinterpret_cast<const unsigned char*>(&model);
  for (size_t offset = 0; offset < sizeof(Suite); offset += sizeof(HostStubProc)) {
    HostStubProc slot = nullptr;
    std::memcpy(&slot, from + offset, sizeof slot);
    if (slot)
      std::memcpy(to + offset, &slot, sizeof slot);
  }
}

void install(HostApp& app)
{
  app.area<DocumentModel>();
  DocumentSuites::setStringSuite(&app.publishSuite<UnicodeStringSuite>(kUnicodeStringSuiteName,
                                                                          kUnicodeStringSuiteVersion));
  fill(app, kArtSuiteName, kArtSuiteVersion, DocumentSuites::art());
  fill(app, kPathSuiteName, kPathSuiteVersion, DocumentSuites::path());
  fill(app, kPathStyleSuiteName, kPathStyleSuiteVersion, DocumentSuites::pathStyle());
  fill(app, kBlendStyleSuiteName, kBlendStyleSuiteVersion, DocumentSuites::blendStyle());
  fill(app, kGroupSuiteName, kGroupSuiteVersion, DocumentSuites::group());
  fill(app, kPluginGroupSuiteName, kPluginGroupSuiteVersion, DocumentSuites::pluginGroup());
  fill(app, kExpandSuiteName, kExpandSuiteVersion, DocumentSuites::expand());
  fill(app, kTransformArtSuiteName, kTransformArtSuiteVersion, DocumentSuites::transformArt());
  fill(app, kMatchingArtSuiteName, kMatchingArtSuiteVersion, DocumentSuites::matchingArt());
  fill(app, kMdMemorySuiteName, kMdMemorySuiteVersion, DocumentSuites::mdMemory());
  fill(app, kIsolationModeSuiteName, kIsolationModeSuiteVersion, DocumentSuites::isolationMode());
  fill(app, kLayerSuiteName, kLayerSuiteVersion, DocumentSuites::layer());
  // The application's document list answers for the current document and the list of views.
  DocumentSuite document = DocumentSuites::document();
  document.getCurrentDocument = nullptr;
  fill(app, kDocumentSuiteName, kDocumentSuiteVersion19, document);
  DocumentViewSuite views = DocumentSuites::documentView();
  views.countViews = nullptr;
  views.getNthView = nullptr;
  fill(app, kDocumentViewSuiteName, kDocumentViewSuiteVersion, views);
  fill(app, kArtboardSuiteName, kArtboardSuiteVersion, DocumentSuites::artboard());
  fill(app, kDictionarySuiteName, kDictionarySuiteVersion, DocumentSuites::dictionary());
  fill(app, kDictionaryIteratorSuiteName, kDictionaryIteratorSuiteVersion, DocumentSuites::dictionaryIterator());
  fill(app, kArraySuiteName, kArraySuiteVersion, DocumentSuites::array());
  fill(app, kEntrySuiteName, kEntrySuiteVersion, DocumentSuites::entry());
  fill(app, kUIDSuiteName, kUIDSuiteVersion, DocumentSuites::uid());
  fill(app, kUIDREFSuiteName, kUIDREFSuiteVersion, DocumentSuites::uidref());
  fill(app, kUIDUtilsSuiteName, kUIDUtilsSuiteVersion, DocumentSuites::uidUtils());
  fill(app, kGradientSuiteName, kGradientSuiteVersion, DocumentSuites::gradient());
  fill(app, kPatternSuiteName, kPatternSuiteVersion, DocumentSuites::pattern());
  fill(app, kSymbolSuiteName, kSymbolSuiteVersion, DocumentSuites::symbol());
  fill(app, kCustomColorSuiteName, kCustomColorSuiteVersion, DocumentSuites::customColor());
  fill(app, kColorConversionSuiteName, kColorConversionSuiteVersion, DocumentSuites::colorConversion());
  fill(app, kArtStyleSuiteName, kArtStyleSuiteVersion, DocumentSuites::artStyle());
  fill(app, kArtStyleParserSuiteName, kArtStyleParserSuiteVersion, DocumentSuites::artStyleParser());
  fill(app, kRealBezierSuiteName, kRealBezierSuiteVersion, DocumentSuites::realBezier());
}

const AreaInstaller installer(50, &install);

} // namespace hostsimDocumentModel_detail

} // namespace hostsim
