#include "aip/qoraipMsgEnv.h"

#include <vector>

#include "aip/qoraipArtSuites.h"
#include "aip/qoraipBasePlugin.h"
#include "aip/qoraipDocument.h"
#include "aip/qoraipIllustrator.h"
#include "aip/qoraipSuite.h"
#include "aip/qoraipSuitePointers.h"
#include "sdk/qoraiHostUnicodeString.h"

namespace qor::aip {

namespace qoraipMsgEnv_detail {
// Suites only the message and registration classes use; the others are the shared variables.
const NotifierSuite* notifierSuite = nullptr;
const TimerSuite* timerSuite = nullptr;
const AnnotatorSuite* annotatorSuite = nullptr;
const AnnotatorDrawerSuite* annotatorDrawerSuite = nullptr;
const ToolSuite* toolSuite = nullptr;
const void* artboardRangeSuite = nullptr;

template <typename Table> const Table* acquired(const Table*& variable, const char* name, int32_t version)
{
  acquireSuite(variable, name, version);
  return variable;
}

// The current document's artboard list, released on every way out.
struct ArtboardList
{
  const ArtboardSuite* suite = nullptr;
  ArtboardListHolder list{};
  bool held = false;

  ArtboardList()
  {
    suite = acquired(qor::aip::artboardSuite, kArtboardSuiteName, kArtboardSuiteVersion);
    if (suite && msgCurrentDocument())
      held = suite->getArtboardList(&list) == 0;
  }
  ~ArtboardList()
  {
    if (held)
      suite->releaseArtboardList(&list);
  }
};
} // namespace qoraipMsgEnv_detail

const NotifierSuite* msgNotifierSuite()
{
  return qoraipMsgEnv_detail::acquired(qoraipMsgEnv_detail::notifierSuite, kNotifierSuiteName,
                                       kNotifierSuiteVersion);
}

const TimerSuite* msgTimerSuite()
{
  return qoraipMsgEnv_detail::acquired(qoraipMsgEnv_detail::timerSuite, kTimerSuiteName, kTimerSuiteVersion);
}

const MenuSuite* msgMenuSuite() { return qoraipMsgEnv_detail::acquired(menuSuite, kMenuSuiteName, kMenuSuiteVersion); }

const UnicodeStringSuite* msgUnicodeStringSuite()
{
  return qoraipMsgEnv_detail::acquired(unicodeStringSuite, kUnicodeStringSuiteName, kUnicodeStringSuiteVersion);
}

const DocumentViewSuite* msgDocumentViewSuite()
{
  return qoraipMsgEnv_detail::acquired(documentViewSuite, kDocumentViewSuiteName, kDocumentViewSuiteVersion);
}

const AnnotatorSuite* msgAnnotatorSuite()
{
  return qoraipMsgEnv_detail::acquired(qoraipMsgEnv_detail::annotatorSuite, kAnnotatorSuiteName,
                                       kAnnotatorSuiteVersion);
}

const AnnotatorDrawerSuite* msgAnnotatorDrawerSuite()
{
  return qoraipMsgEnv_detail::acquired(qoraipMsgEnv_detail::annotatorDrawerSuite, kAnnotatorDrawerSuiteName,
                                       kAnnotatorDrawerSuiteVersion);
}

const ToolSuite* msgToolSuite()
{
  return qoraipMsgEnv_detail::acquired(qoraipMsgEnv_detail::toolSuite, kToolSuiteName, kToolSuiteVersion);
}

const void* msgFileFormatSuite()
{
  acquireSuite(&fileFormatSuite, kFileFormatSuiteName, kFileFormatSuiteVersion);
  return fileFormatSuite;
}

const void* msgArtboardRangeSuite()
{
  acquireSuite(&qoraipMsgEnv_detail::artboardRangeSuite, kArtboardRangeSuiteName, kArtboardRangeSuiteVersion);
  return qoraipMsgEnv_detail::artboardRangeSuite;
}

PluginRef msgPluginRef()
{
  BasePlugin* plugin = BasePlugin::instance();
  return plugin ? plugin->pluginRef() : nullptr;
}

const SpBasicSuite* msgHostBasicSuite() { return hostBasicSuite; }

std::string msgPluginName()
{
  BasePlugin* plugin = BasePlugin::instance();
  return plugin ? plugin->name() : std::string();
}

std::string msgPluginFileName()
{
  BasePlugin* plugin = BasePlugin::instance();
  return plugin ? plugin->fileName() : std::string();
}

EventDispatcher* msgRouter()
{
  BasePlugin* plugin = BasePlugin::instance();
  return plugin ? plugin->eventDispatcher() : nullptr;
}

std::string msgToHostDefaultEncoding(const std::string& utf8)
{
  return ai::HostUnicodeString(utf8, ai::HostUnicodeString::kUtf8).toDefaultString();
}

HostString msgMakeHostString(const std::string& utf8)
{
  const UnicodeStringSuite* suite = msgUnicodeStringSuite();
  HostString text = nullptr;
  if (suite)
    suite->initStringFromBytes(&text, utf8.data(), static_cast<int32_t>(utf8.size()), 1);
  return text;
}

std::string msgHostStringToUtf8(HostString text)
{
  const UnicodeStringSuite* suite = msgUnicodeStringSuite();
  const char16_t* units = nullptr;
  if (!suite || !text)
    return std::string();
  int32_t count = suite->getStringUtf16(text, &units);
  std::string out;
  for (int32_t i = 0; units && i < count; ++i) {
    uint32_t c = units[i];
    if (c >= 0xD800 && c < 0xDC00 && i + 1 < count && units[i + 1] >= 0xDC00 && units[i + 1] < 0xE000)
      c = 0x10000 + ((c - 0xD800) << 10) + (units[++i] - 0xDC00);
    if (c < 0x80) {
      out += static_cast<char>(c);
    } else if (c < 0x800) {
      out += static_cast<char>(0xC0 | (c >> 6));
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
      out += static_cast<char>(0xE0 | (c >> 12));
      out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
      out += static_cast<char>(0xF0 | (c >> 18));
      out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
      out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return out;
}

void msgDestroyHostString(HostString& text)
{
  const UnicodeStringSuite* suite = msgUnicodeStringSuite();
  if (suite && text)
    suite->destroyString(&text);
  text = nullptr;
}

DocumentHandle msgCurrentDocument()
{
  Illustrator* illustrator = Illustrator::instance();
  Document* document = illustrator ? illustrator->currentDocument() : nullptr;
  return document ? document->handle() : nullptr;
}

bool msgCurrentViewBounds(double bounds[4])
{
  const DocumentViewSuite* suite = msgDocumentViewSuite();
  if (!suite || !msgCurrentDocument())
    return false;
  DocViewHandle view = nullptr;
  if (suite->getNthView(0, &view) != 0 || !view)
    return false;
  RealRect rect{};
  suite->getViewBounds(view, &rect);
  bounds[0] = rect.left;
  bounds[1] = -rect.top;
  bounds[2] = rect.right;
  bounds[3] = -rect.bottom;
  return true;
}

LayerHandle msgCurrentLayer()
{
  const LayerSuite* suite =
      qoraipMsgEnv_detail::acquired(layerSuite, kLayerSuiteName, kLayerSuiteVersion);
  LayerHandle layer = nullptr;
  if (!suite || !msgCurrentDocument() || suite->getCurrentLayer(&layer) != 0)
    return nullptr;
  return layer;
}

int32_t msgViewCount()
{
  const DocumentViewSuite* suite = msgDocumentViewSuite();
  int32_t count = 0;
  if (!suite || suite->countViews(&count) != 0)
    return 0;
  return count;
}

bool msgHasCurrentView()
{
  const DocumentViewSuite* suite = msgDocumentViewSuite();
  DocViewHandle view = nullptr;
  return suite && suite->getNthView(0, &view) == 0 && view;
}

int32_t msgArtboardCount()
{
  qoraipMsgEnv_detail::ArtboardList list;
  int32_t count = 0;
  if (!list.held || list.suite->countArtboards(&list.list, &count) != 0)
    return 0;
  return count;
}

bool msgArtboardAt(int32_t index, RealRect& bounds, RealPoint& rulerOrigin, std::string& name)
{
  qoraipMsgEnv_detail::ArtboardList list;
  int32_t count = 0;
  if (!list.held || index < 0 || list.suite->countArtboards(&list.list, &count) != 0 || index >= count)
    return false;
  const ArtboardSuite* suite = list.suite;
  ArtboardPropsHolder props{};
  if (suite->initArtboardProperties(&props) != 0)
    return false;
  suite->getArtboardProperties(&list.list, index, &props);
  bounds = RealRect{};
  rulerOrigin = RealPoint{};
  suite->getArtboardBounds(&props, &bounds);
  suite->getArtboardRulerOrigin(&props, &rulerOrigin);
  HostString hostName = nullptr;
  name.clear();
  if (suite->getArtboardName(&props, &hostName) == 0)
    name = msgHostStringToUtf8(hostName);
  msgDestroyHostString(hostName);
  suite->disposeArtboardProperties(&props);
  return true;
}

bool msgCurrentArtboardIndex(int32_t& index)
{
  qoraipMsgEnv_detail::ArtboardList list;
  int32_t count = 0, active = -1;
  if (!list.held || list.suite->countArtboards(&list.list, &count) != 0 ||
      list.suite->getActiveArtboardIndex(&list.list, &active) != 0 || active < 0 || active >= count)
    return false;
  index = active;
  return true;
}

} // namespace qor::aip
