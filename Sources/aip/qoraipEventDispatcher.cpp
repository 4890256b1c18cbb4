#include "aip/qoraipEventDispatcher.h"

#include <cmath>
#include <cstring>
#include <ctime>

#include "aip/qoraipAnnotator.h"
#include "aip/qoraipNotifier.h"
#include "aip/qoraipTimer.h"
#include "core/qorcoreAnnotator.h"
#include "utils/qorutilsCallback.h"

namespace qor::aip {

namespace qoraipEventDispatcher_detail {

const char* const kAppStarted = "AI Application Started Notifier";
const char* const kAppShutdown = "AI Application Shutdown Notifier";
const char* const kDocumentChanged = "AI Document Changed Notifier";
const char* const kCurrentLayer = "AI Current Layer Notifier";

bool isApplicationNotifier(const std::string& type) { return type == kAppStarted || type == kAppShutdown; }

bool isDiameterSelector(const std::string& selector)
{
  return selector == "AI Decrease Diameter" || selector == "AI Increase Diameter";
}

// Bytes the host records of the callers that are copied but never read hold beyond their header,
// as the host lays them out on its 32-bit side (the header there is 16 bytes).
size_t opaqueCopySize(const std::string& caller, const std::string& selector)
{
  static const std::map<std::string, size_t> byCaller = {
      {"AI Clipboard", 28}, {"Plugin Command Manager", 36}, {"AI Filter", 24},   {"AI Layer List", 24},
      {"AI Object Set", 48}, {"AI Toolbox", 44},           {"AI Transform Again", 16}, {"Workspace Manager", 32},
  };
  static const std::map<std::string, size_t> liveEffect = {
      {"AI Live Effect Go Live", 32},
      {"AI Live Effect Edit Parameters", 36},
      {"AI Live Effect Interpolate Parameters", 40},
      {"AI Live Effect Input Type", 32},
      {"AI Live Effect Convert Color Space", 28},
      {"AI Live Effect Adjust Colors", 44},
      {"AI Live Effect Scale Parameters", 40},
      {"AI Live Effect Handle Merge", 36},
      {"AI Live Effect Get SVG Filter", 28},
      {"AI Live Effect Is Compatible", 32},
  };
  size_t hostSize = 0;
  if (caller == "AI Live Effect") {
    auto found = liveEffect.find(selector);
    if (found != liveEffect.end())
      hostSize = found->second;
  } else {
    auto found = byCaller.find(caller);
    if (found != byCaller.end())
      hostSize = found->second;
  }
  return hostSize ? sizeof(MessageHeader) + (hostSize - 16) : 0;
}

void* zeroBlock(size_t size)
{
  auto* block = new unsigned char[size];
  std::memset(block, 0, size);
  return block;
}

void copyToolFields(ToolMsgRecord& to, const ToolMsgRecord& from)
{
  to.header = from.header;
  to.tool = from.tool;
  to.cursor = from.cursor;
  to.pressure = from.pressure;
  to.stylusWheel = from.stylusWheel;
  to.tilt = from.tilt;
  to.bearing = from.bearing;
  to.rotation = from.rotation;
}

void copyEventFields(HostEvent& to, const HostEvent& from)
{
  to.what = from.what;
  to.message = from.message;
  to.when = from.when;
  to.whereH = from.whereH;
  to.whereV = from.whereV;
  to.modifiers = from.modifiers;
}

} // namespace qoraipEventDispatcher_detail

EventDispatcher::EventDispatcher()
{
  pluginMessage.header.checkValue = 0x5350436B;
  pluginMessage.header.plugin = msgPluginRef();
  pluginMessage.header.pluginGlobals = nullptr;
  pluginMessage.header.basicSuite = msgHostBasicSuite();
  pluginMessage.pressure = 127;
  pluginMessage.stylusWheel = 127;
  auto* event = new HostEvent{};
  event->when = static_cast<uint32_t>(std::time(nullptr));
  pluginMessage.event = event;
  for (const char* name :
       {"AI Current Language Changed Notifier", "AI UI Brightness Changed Notifier",
        "AI Application Activated Notifier", "AI Application Deactivated Notifier",
        "AI Art Symbol List Changed Notifier", "AI All Plug-ins Started Notifier",
        "AI Art Custom Color Changed Notifier", "AI Edit Transparency Notifier",
        "AI Art Symbol Set Changed Notifier", "AI Art Symbol Set Detailed Change Notifier",
        "AI Begin Import CompFont Notifier", "AI Begin Import Styles Notifier",
        "AI Color Calibration Changed Notifier", "AI Document Closed Notifier",
        "AI End Import CompFont Notifier", "AI End Import Styles Notifier", "AI Font List Changed Notifier",
        "AI Launch Project Bridge Notifier", "AI Menu Changed Notifier", "AI Metadata Sync Notifier",
        "AI Named Style List Changed Notifier", "AI Paint Style Fill Stroke Changed Notifier",
        "AI Paint Style Gradient Stop Changed Notifier", "AI All Plug-ins Stopping Notifier",
        "AI Preference Changed Notifier", "AI Swatch Library Changed Notifier", "AI Tool Selected Notifier",
        "AI Tool Deselected Notifier", "AI Tool Clear State Notifier", "AI Tool Title Changed Notifier",
        "AI Tool Tooltip Changed Notifier", "AI Tool Changed Notifier", "AI User Tool Changed Notifier"})
    noDocumentNotifiers.insert(name);
}

EventDispatcher::~EventDispatcher()
{
  releaseCopy(message.caller, message.selector, message.data);
  message.data = nullptr;
  delete pluginMessage.event;
  pluginMessage.event = nullptr;
  for (auto& entry : subscriptions)
    delete entry.second;
  subscriptions.clear();
  for (auto& entry : annotators)
    delete entry.second;
  annotators.clear();
  // Nothing receives the router's subscriptions any more: silence those without a callback too,
  // which the notifier's own destructor leaves active.
  for (auto& entry : notifiers)
    if (entry.second && !borrowedNotifiers.count(entry.second)) {
      entry.second->deactivate();
      delete entry.second;
    }
  notifiers.clear();
  for (auto& entry : timers)
    delete entry.second;
  timers.clear();
}

std::string EventDispatcher::baseSuffix() const
{
  std::string suffix = msgPluginFileName();
  for (char& c : suffix)
    if (c == ' ')
      c = '_';
  return suffix;
}

// ---- routing ----

int32_t EventDispatcher::routeMessage(const char* callerText, const char* selectorText, void* record)
{
  std::string caller = callerText ? callerText : "";
  std::string selector = selectorText ? selectorText : "";

  // A nested call keeps the outer call's copy and restores it when it is done, so the outer
  // handler and its write-back keep seeing their own record.
  const bool nested = routeDepth > 0;
  Message outer;
  if (nested) {
    outer.caller = message.caller;
    outer.selector = message.selector;
    outer.data = message.data;
  } else {
    releaseCopy(message.caller, message.selector, message.data);
  }
  message.data = nullptr;
  message.caller = caller;
  message.selector = selector;
  message.data = makeCopy(caller, selector, record);
  void* ownCopy = message.data;

  ++routeDepth;
  struct Restore
  {
    EventDispatcher& router;
    bool nested;
    Message& outer;
    void* ownCopy;
    ~Restore()
    {
      --router.routeDepth;
      if (!nested)
        return;
      router.releaseCopy(router.message.caller, router.message.selector, ownCopy);
      router.message.caller = outer.caller;
      router.message.selector = outer.selector;
      router.message.data = outer.data;
    }
  } restore{*this, nested, outer, ownCopy};

  trackView();
  if (caller == "AI Tool" && record)
    trackCursor(record);

  if (caller == "AI Annotation")
    return dispatchAnnotation(record);
  if (caller == "AI Timer" && selector == "AI Go")
    return dispatchTimer(record);
  if (caller == "AI Notifier")
    return dispatchNotification(record);
  return dispatchSubscription(caller, selector, record, ownCopy);
}

void* EventDispatcher::makeCopy(const std::string& caller, const std::string& selector, const void* record)
{
  using namespace qoraipEventDispatcher_detail;
  if (!record)
    return nullptr;
  if (caller == "AI Annotation") {
    auto* copy = static_cast<AnnotationMsgRecord*>(zeroBlock(sizeof(AnnotationMsgRecord)));
    std::memcpy(copy, record, sizeof(AnnotationMsgRecord));
    copy->firstFlag = 0;
    copy->rects = nullptr;
    const auto* host = static_cast<const AnnotationMsgRecord*>(record);
    if (host->rectCount > 0 && host->rects) {
      auto* rects = new RealRect[static_cast<size_t>(host->rectCount)];
      std::memcpy(rects, host->rects, sizeof(RealRect) * static_cast<size_t>(host->rectCount));
      copy->rects = rects;
    }
    return copy;
  }
  if (caller == "AI Tool") {
    const auto* host = static_cast<const ToolMsgRecord*>(record);
    auto* copy = static_cast<ToolMsgRecord*>(zeroBlock(sizeof(ToolMsgRecord)));
    copyToolFields(*copy, *host);
    copyToolFields(pluginMessage, *host);
    delete pluginMessage.event;
    pluginMessage.event = nullptr;
    if (host->event && !isDiameterSelector(selector)) {
      copy->event = new HostEvent{};
      copyEventFields(*copy->event, *host->event);
      pluginMessage.event = new HostEvent{};
      copyEventFields(*pluginMessage.event, *host->event);
    }
    return copy;
  }
  size_t size = 0;
  if (caller == "AI Menu")
    size = sizeof(MenuMsgRecord);
  else if (caller == "AI Notifier")
    size = sizeof(NotifierMsgRecord);
  else if (caller == "AI Timer")
    size = sizeof(TimerMsgRecord);
  else if (caller == "AI Plugin Group")
    size = sizeof(PluginGroupMsgRecord);
  else
    size = opaqueCopySize(caller, selector);
  if (!size)
    return nullptr;
  void* copy = zeroBlock(size);
  std::memcpy(copy, record, size);
  if (caller == "AI Notifier")
    static_cast<NotifierMsgRecord*>(copy)->notifyData = nullptr;
  return copy;
}

void EventDispatcher::releaseCopy(const std::string& caller, const std::string&, void* copy)
{
  if (!copy)
    return;
  if (caller == "AI Annotation")
    delete[] static_cast<AnnotationMsgRecord*>(copy)->rects;
  else if (caller == "AI Tool")
    delete static_cast<ToolMsgRecord*>(copy)->event;
  delete[] static_cast<unsigned char*>(copy);
}

void EventDispatcher::trackView()
{
  double bounds[4];
  if (!msgCurrentViewBounds(bounds))
    return;
  bool same = true;
  for (int i = 0; i < 4; ++i)
    if (!(std::fabs(bounds[i] - viewBounds[i]) < 0.1))
      same = false;
  if (same)
    return;
  for (int i = 0; i < 4; ++i)
    viewBounds[i] = bounds[i];
  core::invalidateAllAnnotations();
}

void EventDispatcher::trackCursor(const void* record)
{
  const auto* tool = static_cast<const ToolMsgRecord*>(record);
  double x = tool->cursor.h;
  double y = -tool->cursor.v;
  if (tool->tool != lastTool) {
    lastTool = tool->tool;
    core::invalidateAllAnnotations();
    return;
  }
  if (std::fabs(x - lastCursor[0]) >= 0.001 || std::fabs(y - lastCursor[1]) >= 0.001) {
    lastCursor[0] = x;
    lastCursor[1] = y;
    core::invalidateAllAnnotations();
  }
}

int32_t EventDispatcher::dispatchAnnotation(const void* record)
{
  const auto* annotation = static_cast<const AnnotationMsgRecord*>(record);
  if (!msgCurrentDocument() || !annotation || (annotation->port && annotation->rectCount < 1))
    return 0;
  auto found = annotators.find(annotation->annotator);
  if (found == annotators.end() || !found->second)
    return 1;
  if (!annotation->port) {
    core::invalidateAllAnnotations();
    return 0;
  }
  const AnnotatorDrawerSuite* drawerSuite = msgAnnotatorDrawerSuite();
  if (!annotation->view || !annotation->drawer)
    return 0;
  // The drawer is only valid during this call: clear it on every way out.
  struct DrawerScope
  {
    EventDispatcher& router;
    const AnnotatorDrawerSuite* suite;
    ~DrawerScope()
    {
      if (suite && router.currentDrawer)
        suite->setDrawLineWidth(router.currentDrawer, 1.0);
      router.currentDrawer = nullptr;
    }
  } scope{*this, drawerSuite};
  currentDrawer = annotation->drawer;
  core::setAnnotationDrawFont(0);
  core::setAnnotationDrawColor(0.0, 0.0, 0.0, 1.0);
  if (drawerSuite)
    drawerSuite->setDrawLineWidth(currentDrawer, 1.0);
  found->second->draw();
  return 0;
}

int32_t EventDispatcher::dispatchTimer(const void* record)
{
  if (!record)
    return 0;
  const auto* timerRecord = static_cast<const TimerMsgRecord*>(record);
  auto found = timers.find(timerRecord->timer);
  if (found == timers.end() || !found->second || !found->second->isActive())
    return 1;
  found->second->fire();
  return 0;
}

int32_t EventDispatcher::dispatchNotification(const void* record)
{
  using namespace qoraipEventDispatcher_detail;
  if (!record)
    return 0;
  const auto* notification = static_cast<const NotifierMsgRecord*>(record);
  std::string name = notification->notifierType ? notification->notifierType : "";
  notifyData.handle = notification->notifier;
  notifyData.name = name;
  notifyData.word = 0;

  DocumentHandle document = msgCurrentDocument();
  if (!document && !noDocumentNotifiers.count(name)) {
    lastDocument = nullptr;
    return 0;
  }
  if (name == kDocumentChanged) {
    if (!lastDocument) {
      if (document)
        lastDocument = document;
    } else if (document) {
      if (document == lastDocument)
        return 0;
      lastDocument = document;
    }
  }
  if (name == kCurrentLayer) {
    LayerHandle layer = document ? msgCurrentLayer() : nullptr;
    if (!document || !layer)
      return 0;
    if (lastLayer && lastLayer == layer)
      return 0;
    lastLayer = layer;
  }
  auto found = notifiers.find(notification->notifier);
  if (found == notifiers.end() || !found->second)
    return 1;
  if (name == "AI Document View Changed Notifier") {
    if (document && msgViewCount() >= 1 && msgHasCurrentView())
      found->second->fire();
  } else if (name == "AI Layer Options Notifier") {
    if (document && msgCurrentLayer())
      found->second->fire();
  } else {
    found->second->fire();
  }
  return 0;
}

int32_t EventDispatcher::dispatchSubscription(const std::string& caller, const std::string& selector,
                                              void* record, void* copy)
{
  using namespace qoraipEventDispatcher_detail;
  auto found = subscriptions.find({caller, selector});
  if (found == subscriptions.end() || !found->second)
    return 1;
  found->second->execute();
  if (!record || !copy)
    return 0;
  // Each call writes back the copy it made itself.
  if (caller == "AI Menu") {
    auto* host = static_cast<MenuMsgRecord*>(record);
    const auto* own = static_cast<const MenuMsgRecord*>(copy);
    host->header = own->header;
    host->menuItem = own->menuItem;
  } else if (caller == "AI Tool") {
    auto* host = static_cast<ToolMsgRecord*>(record);
    const auto* own = static_cast<const ToolMsgRecord*>(copy);
    copyToolFields(*host, *own);
    if (own->event && host->event && !isDiameterSelector(selector))
      copyEventFields(*host->event, *own->event);
  }
  return 0;
}

// ---- subscriptions ----

void EventDispatcher::subscribe(const std::string& caller, const std::string& selector,
                                utils::Callback* callback)
{
  // The callback this replaces has no other owner.
  delete unsubscribe(caller, selector);
  subscriptions[{caller, selector}] = callback;
}

utils::Callback* EventDispatcher::unsubscribe(const std::string& caller, const std::string& selector)
{
  auto found = subscriptions.find({caller, selector});
  if (found == subscriptions.end())
    return nullptr;
  utils::Callback* callback = found->second;
  subscriptions.erase(found);
  return callback;
}

// ---- notifiers ----

void EventDispatcher::addNotifier(Notifier* notifier, Ownership ownership)
{
  if (!notifier)
    return;
  bool borrowed = false;
  Notifier* displaced = removeNotifierByName(notifier->name(), &borrowed);
  discardDisplaced(displaced, borrowed);
  displaced = removeNotifierByType(notifier->notifierTypeName(), &borrowed);
  discardDisplaced(displaced, borrowed);
  if (ownership == Ownership::Borrowed)
    borrowedNotifiers.insert(notifier);
  else
    borrowedNotifiers.erase(notifier);
  notifiers[notifier->hostHandle()] = notifier;
}

// A displaced subscription would still be delivered by the host and could consume a document
// change before its successor sees it: silence it, and delete it when nobody else owns it.
void EventDispatcher::discardDisplaced(Notifier* notifier, bool borrowed)
{
  if (!notifier || borrowed)
    return;
  notifier->deactivate();
  delete notifier;
}

Notifier* EventDispatcher::findNotifierByName(const std::string& name) const
{
  for (const auto& entry : notifiers)
    if (entry.second && entry.second->name() == name)
      return entry.second;
  return nullptr;
}

Notifier* EventDispatcher::findNotifierByType(const std::string& type) const
{
  if (qoraipEventDispatcher_detail::isApplicationNotifier(type))
    return nullptr;
  for (const auto& entry : notifiers)
    if (entry.second && entry.second->notifierTypeName() == type)
      return entry.second;
  return nullptr;
}

// The notifier leaves the map and the borrowed set (its address may come back for another one).
Notifier* EventDispatcher::takeNotifier(Notifier* notifier, const std::string& type, const std::string& name,
                                        bool* borrowed)
{
  for (auto it = notifiers.begin(); it != notifiers.end(); ++it)
    if (it->second == notifier) {
      notifiers.erase(it);
      break;
    }
  bool wasBorrowed = borrowedNotifiers.erase(notifier) > 0;
  if (borrowed)
    *borrowed = wasBorrowed;
  restoreBaseNotifier(type, name);
  return notifier;
}

Notifier* EventDispatcher::removeNotifierByName(const std::string& name, bool* borrowed)
{
  Notifier* found = findNotifierByName(name);
  if (!found)
    return nullptr;
  std::string type = found->notifierTypeName();
  if (qoraipEventDispatcher_detail::isApplicationNotifier(type))
    return nullptr;
  return takeNotifier(found, type, name, borrowed);
}

Notifier* EventDispatcher::removeNotifierByType(const std::string& type, bool* borrowed)
{
  if (qoraipEventDispatcher_detail::isApplicationNotifier(type))
    return nullptr;
  Notifier* found = findNotifierByType(type);
  if (!found)
    return nullptr;
  return takeNotifier(found, type, found->name(), borrowed);
}

void EventDispatcher::restoreBaseNotifier(const std::string& type, const std::string& name)
{
  using namespace qoraipEventDispatcher_detail;
  std::string baseName;
  if (type == kDocumentChanged)
    baseName = "QORDocChangedNotifier" + baseSuffix();
  else if (type == kCurrentLayer)
    baseName = "QORCurrentLayerNotifier" + baseSuffix();
  else
    return;
  if (name == msgToHostDefaultEncoding(baseName))
    return;
  addNotifier(new Notifier(baseName, type, nullptr));
}

// ---- timers ----

void EventDispatcher::addTimer(Timer* timer)
{
  if (!timer)
    return;
  // An earlier timer of the same name is only unlinked: its owner keeps it.
  if (Timer* earlier = findTimerByName(timer->name()))
    removeTimerIfRegistered(earlier);
  timers[timer->hostHandle()] = timer;
}

Timer* EventDispatcher::findTimerByName(const std::string& name) const
{
  for (const auto& entry : timers)
    if (entry.second && entry.second->name() == name)
      return entry.second;
  return nullptr;
}

Timer* EventDispatcher::removeTimerByName(const std::string& name)
{
  Timer* found = findTimerByName(name);
  if (found)
    removeTimerIfRegistered(found);
  return found;
}

bool EventDispatcher::removeTimerIfRegistered(Timer* timer)
{
  for (auto it = timers.begin(); it != timers.end(); ++it)
    if (it->second == timer) {
      timers.erase(it);
      return true;
    }
  return false;
}

// ---- annotators ----

void EventDispatcher::addAnnotator(Annotator* annotator)
{
  if (annotator)
    annotators[annotator->hostHandle()] = annotator;
}

Annotator* EventDispatcher::findAnnotatorByName(const std::string& name) const
{
  for (const auto& entry : annotators)
    if (entry.second && entry.second->name() == name)
      return entry.second;
  return nullptr;
}

Annotator* EventDispatcher::removeAnnotatorByName(const std::string& name)
{
  Annotator* found = findAnnotatorByName(name);
  if (!found)
    return nullptr;
  for (auto it = annotators.begin(); it != annotators.end(); ++it)
    if (it->second == found) {
      annotators.erase(it);
      break;
    }
  return found;
}

} // namespace qor::aip
