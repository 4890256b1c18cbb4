#include "core/qorcoreDispatcher.h"

#include <cmath>
#include <memory>

#include "aip/qoraipEventDispatcher.h"
#include "aip/qoraipNotifier.h"
#include "aip/qoraipTimer.h"
#include "core/qorcoreAnnotator.h"
#include "core/qorcoreCallback.h"
#include "core/qorcoreMessage.h"
#include "core/qorcoreMsgEnv.h"
#include "core/qorcoreNotifier.h"
#include "core/qorcoreTimer.h"
#include "utils/qorutilsCallback.h"

namespace qor::core {

namespace qorcoreDispatcher_detail {

const char* const kCustomNotifierPrefix = "__QOR_CORE_CUSTOM_NOTIFIER_";
const char* const kArtboardTimerSuffix = " __QOR_CORE_ARTBOARD_TIMER";

bool isArtboardKind(NotifierType type)
{
  return type == ArtboardsAddedNotifierType || type == ArtboardsRemovedNotifierType ||
         type == ArtboardsChangedNotifierType || type == CurrentArtboardChangedNotifierType;
}

bool rectsEqualWithin(const RealRect& a, const RealRect& b, double tolerance)
{
  return std::fabs(a.left - b.left) < tolerance && std::fabs(a.top - b.top) < tolerance &&
         std::fabs(a.right - b.right) < tolerance && std::fabs(a.bottom - b.bottom) < tolerance;
}

bool pointsEqualWithin(const RealPoint& a, const RealPoint& b, double tolerance)
{
  return std::fabs(a.h - b.h) < tolerance && std::fabs(a.v - b.v) < tolerance;
}

Message* buildMessage(__IntDispatcherData& data, MessageType type, void* record)
{
  int32_t t = type;
  if (t == 10)
    return new ActionMessage(type, record);
  if (t == 20 || t == 30) {
    auto* host = static_cast<const aip::AnnotationMsgRecord*>(record);
    for (auto& entry : data.annotatorsByName)
      if (entry.second && entry.second->hostHandle() == host->annotator)
        return new AnnotatorMessage(*entry.second, type, record);
    return nullptr;
  }
  if (t >= 40 && t <= 70)
    return new ClipboardMessage(type, record);
  if (t >= 80 && t <= 110)
    return new FileFormatMessage(type, record);
  if (t == 120 || t == 130)
    return new FilterMessage(type, record);
  if (t >= 140 && t <= 160)
    return new LayerListMessage(type, record);
  switch (t) {
  case 170:
    return new LiveEffectEditParamsMessage(type, record);
  case 180:
    return new LiveEffectGoMessage(type, record);
  case 190:
    return new LiveEffectInterpolateMessage(type, record);
  case 200:
    return new LiveEffectInputMessage(type, record);
  case 210:
    return new LiveEffectConvertColorSpaceMessage(type, record);
  case 220:
    return new LiveEffectScaleParamsMessage(type, record);
  case 230:
    return new LiveEffectMergeMessage(type, record);
  case 240:
    return new LiveEffectGetSVGFilterMessage(type, record);
  case 250:
    return new LiveEffectAdjustColorsMessage(type, record);
  case 260:
    return new LiveEffectIsCompatibleMessage(type, record);
  default:
    break;
  }
  if (t == 270 || t == 280) {
    MenuItem item(static_cast<const aip::MenuMsgRecord*>(record)->menuItem);
    return new MenuMessage(item, type, record);
  }
  if (t >= 300 && t <= 380)
    return new ObjectSetMessage(type, record);
  if (t >= 390 && t <= 490)
    return new CustomArtMessage(type, record);
  if (t >= 500 && t <= 530)
    return new PreferencesMessage(type, record);
  if (t == 540) {
    auto* host = static_cast<const aip::TimerMsgRecord*>(record);
    for (auto& entry : data.timersByName)
      if (entry.second && !entry.second->isEmpty() && entry.second->hostHandle() == host->timer)
        return new TimerMessage(*entry.second, type, record);
    return nullptr;
  }
  if (t >= 550 && t <= 670) {
    Tool tool(static_cast<const aip::ToolMsgRecord*>(record)->tool);
    delete data.lastToolMessage;
    data.lastToolMessage = nullptr;
    data.lastToolMessage = new ToolMessage(tool, type, record);
    return new ToolMessage(tool, type, record);
  }
  if (t >= 680 && t <= 790)
    return new ToolboxMessage(type, record);
  if (t == 800)
    return new TransformAgainMessage(type, record);
  if (t >= 810 && t <= 830)
    return new WorkspaceMessage(type, record);
  if (t >= 840 && t <= 860)
    return new PluginMessage(type, record);
  if (t >= 870 && t <= 940)
    return new AdapterMessage(type, record);
  if (t == 950 || t == 960)
    return new PropertiesMessage(type, record);
  return nullptr;
}

// Holds what one dispatch set up and takes it down again on every way out, exceptions included.
class DispatchScope
{
public:
  DispatchScope(CoreGlobals& globals, __IntDispatcherData& data, MessageType type)
      : globals(globals), data(data), wasDispatching(globals.dispatching), outer(data.currentMessage),
        outermost(data.depth == 0)
  {
    globals.dispatching = true;
    DispatchStackEntry entry;
    entry.type = type;
    globals.dispatchStack.push_back(entry);
    ++data.depth;
    if (outermost) {
      delete data.retainedMessage;
      data.retainedMessage = nullptr;
      data.currentMessage = nullptr;
      outer = nullptr;
    }
  }

  // The message of this dispatch becomes the current one; a null one leaves the current message.
  void setMessage(Message* message)
  {
    own.reset(message);
    if (message)
      data.currentMessage = message;
  }

  void beginNotify()
  {
    notifying = true;
    savedBase = data.notifyBase;
    savedCount = data.notifyCount;
    data.notifyBase = globals.preparedNotifyMessages.size();
    data.notifyCount = 0;
  }

  ~DispatchScope()
  {
    if (notifying) {
      // Only this dispatch's own prepared messages go; an outer notify dispatch keeps its own.
      while (globals.preparedNotifyMessages.size() > data.notifyBase) {
        delete globals.preparedNotifyMessages.back();
        globals.preparedNotifyMessages.pop_back();
      }
      data.notifyBase = savedBase;
      data.notifyCount = savedCount;
    }
    globals.dispatchStack.pop_back();
    globals.dispatching = wasDispatching;
    --data.depth;
    if (outermost) {
      data.retainedMessage = own.release();
      if (data.retainedMessage)
        data.currentMessage = data.retainedMessage;
    } else {
      data.currentMessage = outer;
    }
  }

private:
  CoreGlobals& globals;
  __IntDispatcherData& data;
  bool wasDispatching;
  Message* outer;
  bool outermost;
  std::unique_ptr<Message> own;
  bool notifying = false;
  size_t savedBase = 0;
  size_t savedCount = 0;
};

} // namespace qorcoreDispatcher_detail

// ---- Dispatcher ----

namespace qorcoreDispatcher_detail {
Dispatcher* theDispatcher = nullptr;
}

Dispatcher::Dispatcher() : dispatcherData(new __IntDispatcherData())
{
  if (!qorcoreDispatcher_detail::theDispatcher)
    qorcoreDispatcher_detail::theDispatcher = this;
}

Dispatcher::~Dispatcher()
{
  delete dispatcherData;
  dispatcherData = nullptr;
  if (qorcoreDispatcher_detail::theDispatcher == this)
    qorcoreDispatcher_detail::theDispatcher = nullptr;
}

Dispatcher* Dispatcher::instance() { return qorcoreDispatcher_detail::theDispatcher; }

const Message* Dispatcher::currentMessage() const
{
  return dispatcherData ? dispatcherData->currentMessage : nullptr;
}

int32_t Dispatcher::dispatchMessage(MessageType type, void* message)
{
  using namespace qorcoreDispatcher_detail;
  aip::EventDispatcher* router = msgRouter();
  CoreGlobals* globals = msgCoreGlobals();
  if (!dispatcherData || !router || !globals)
    return Handled;
  if (!message)
    return NotDispatched;
  std::string caller, selector;
  if (!messageTypeToCallerSelector(type, caller, selector))
    return NotDispatched;

  if (globals->dispatching) {
    for (auto it = globals->dispatchStack.begin(); it != globals->dispatchStack.end(); ++it) {
      if (it->type != type)
        continue;
      if (type != NotifyMessageType)
        return Refused;
      const char* name = static_cast<const aip::NotifierMsgRecord*>(message)->notifierType;
      if (notifierNameToType(name ? name : "") == it->notifierType)
        return Refused;
    }
  }

  DispatchScope scope(*globals, *dispatcherData, type);

  if (type == MenuGoMessageType) {
    auto* menu = static_cast<MenuMessage*>(buildMessage(*dispatcherData, type, message));
    scope.setMessage(menu);
    const MenuItem* item = menu->menuItem();
    if (item && item->callback())
      item->callback()->execute();
    return Handled;
  }

  if (type == NotifyMessageType) {
    const auto* record = static_cast<const aip::NotifierMsgRecord*>(message);
    globals->dispatchStack.back().notifierType = notifierNameToType(record->notifierType ? record->notifierType : "");
    scope.beginNotify();
    for (auto& entry : dispatcherData->monolithsByType) {
      __IntDispatcherData::__NotifierMonolith* monolith = entry.second;
      if (!monolith || !monolith->hostNotifier || monolith->hostNotifier->hostHandle() != record->notifier)
        continue;
      if (monolith->notifiers)
        for (Notifier* notifier : *monolith->notifiers)
          globals->preparedNotifyMessages.push_back(notifier ? new NotifyMessage(*notifier, type, message)
                                                            : nullptr);
      break;
    }
    dispatcherData->notifyCount = globals->preparedNotifyMessages.size() - dispatcherData->notifyBase;
  } else {
    scope.setMessage(buildMessage(*dispatcherData, type, message));
  }

  int32_t answer = router->routeMessage(caller.c_str(), selector.c_str(), message);
  return answer == 1 ? NotHandled : Handled;
}

int32_t Dispatcher::dispatchCustomMessage(const char* caller, const char* selector, void* message)
{
  aip::EventDispatcher* router = msgRouter();
  if (!dispatcherData || !router)
    return Handled;
  std::string callerText = caller ? caller : "";
  std::string selectorText = selector ? selector : "";
  __IntDispatcherData& data = *dispatcherData;
  // Owned by this call: a nested custom message must not free the outer dispatch's message.
  struct Scope
  {
    __IntDispatcherData& data;
    Message* outer;
    bool outermost;
    std::unique_ptr<Message> own;
    ~Scope()
    {
      --data.depth;
      if (outermost) {
        data.retainedMessage = own.release();
        data.currentMessage = data.retainedMessage;
      } else {
        data.currentMessage = outer;
      }
    }
  } scope{data, data.currentMessage, data.depth == 0, nullptr};
  ++data.depth;
  if (scope.outermost) {
    delete data.retainedMessage;
    data.retainedMessage = nullptr;
  }
  scope.own.reset(new CustomMessage(callerText, selectorText, CustomMessageType, message));
  data.currentMessage = scope.own.get();
  int32_t answer = router->routeMessage(callerText.c_str(), selectorText.c_str(), message);
  return answer == 1 ? NotHandled : Handled;
}

void Dispatcher::registerNotifier(const Notifier& notifier)
{
  using namespace qorcoreDispatcher_detail;
  aip::EventDispatcher* router = msgRouter();
  CoreGlobals* globals = msgCoreGlobals();
  // An empty handle has no type to subscribe to.
  if (!dispatcherData || !router || !globals || notifier.isEmpty())
    return;
  __IntDispatcherData& data = *dispatcherData;
  NotifierType type = notifier.type();
  std::string hostName = notifierTypeToName(type);
  if (hostName.empty())
    hostName = kCustomNotifierPrefix + std::to_string(static_cast<int32_t>(type));

  auto found = data.notifiersByType.find(type);
  std::vector<Notifier*>* list = nullptr;
  if (found != data.notifiersByType.end()) {
    list = found->second;
    for (Notifier* registered : *list)
      if (registered && *registered == notifier)
        return;
  } else {
    list = new std::vector<Notifier*>();
    data.notifiersByType[type] = list;
    globals->notifierDispatchData = &data;
    auto* monolith = new __IntDispatcherData::__NotifierMonolith();
    std::string name = aip::msgPluginName() + " Notifier " + std::to_string(static_cast<int32_t>(type));
    monolith->hostNotifier = new aip::Notifier(
        name, hostName,
        new utils::__Callback<__IntDispatcherData::__NotifierMonolith>(
            monolith, &__IntDispatcherData::__NotifierMonolith::onHostNotify));
    monolith->hostNotifier->activate();
    monolith->notifiers = list;
    router->addNotifier(monolith->hostNotifier, aip::EventDispatcher::Ownership::Borrowed);
    data.monolithsByType[type] = monolith;
  }
  list->push_back(new Notifier(notifier));

  if (isArtboardKind(type)) {
    if (!data.pollTimer) {
      data.pollTimer = new aip::Timer(aip::msgPluginName() + kArtboardTimerSuffix, 0.02,
                                      new utils::__Callback<__IntDispatcherData>(
                                          &data, &__IntDispatcherData::onArtboardPoll));
      data.pollTimer->deactivate();
      router->addTimer(data.pollTimer);
    }
    if (data.polledTypes.insert(type).second)
      data.pollTimer->activate();
  }
}

void Dispatcher::registerTimer(const Timer& timer)
{
  aip::EventDispatcher* router = msgRouter();
  if (!dispatcherData || !router || timer.isEmpty())
    return;
  std::string name = timer.name();
  auto found = dispatcherData->timersByName.find(name);
  if (found != dispatcherData->timersByName.end()) {
    router->removeTimerIfRegistered(found->second->hostTimer());
    delete found->second;
    dispatcherData->timersByName.erase(found);
  }
  auto* kept = new Timer();
  *kept = timer;
  dispatcherData->timersByName[name] = kept;
  router->addTimer(timer.hostTimer());
}

void Dispatcher::unregisterTimer(const Timer& timer)
{
  if (!dispatcherData)
    return;
  for (auto it = dispatcherData->timersByName.begin(); it != dispatcherData->timersByName.end(); ++it)
    if (it->second && it->second->hostTimer() == timer.hostTimer()) {
      Timer* kept = it->second;
      dispatcherData->timersByName.erase(it);
      delete kept;
      return;
    }
}

// ---- __IntDispatcherData ----

__IntDispatcherData::__NotifierMonolith::~__NotifierMonolith() { delete hostNotifier; }

void __IntDispatcherData::__NotifierMonolith::onHostNotify()
{
  CoreGlobals* globals = msgCoreGlobals();
  if (!globals || !globals->notifierDispatchData || !notifiers || notifiers->empty())
    return;
  __IntDispatcherData* data = globals->notifierDispatchData;
  for (size_t i = 0; i < notifiers->size(); ++i) {
    Notifier* notifier = (*notifiers)[i];
    if (!notifier || !notifier->isEnabled() || !notifier->callback() || i >= data->notifyCount)
      continue;
    // Restore the current message however the callback ends.
    struct Restore
    {
      __IntDispatcherData* data;
      Message* saved;
      ~Restore() { data->currentMessage = saved; }
    } restore{data, data->currentMessage};
    data->currentMessage = globals->preparedNotifyMessages[data->notifyBase + i];
    notifier->callback()->execute();
  }
}

__IntDispatcherData::~__IntDispatcherData()
{
  aip::EventDispatcher* router = msgRouter();
  if (pollTimer) {
    pollTimer->deactivate();
    if (router)
      router->removeTimerIfRegistered(pollTimer);
    delete pollTimer;
    pollTimer = nullptr;
  }
  polledTypes.clear();
  polledDocument = nullptr;
  artboardStats.clear();
  if (router) {
    for (auto& entry : timersByName) {
      if (!entry.second)
        continue;
      router->removeTimerIfRegistered(entry.second->hostTimer());
      delete entry.second;
    }
    timersByName.clear();
    for (auto& entry : notifiersByType) {
      for (Notifier* notifier : *entry.second)
        delete notifier;
      delete entry.second;
    }
    notifiersByType.clear();
    for (auto& entry : monolithsByType) {
      // By its own name: whatever else holds the type is not the dispatcher's to take.
      if (entry.second && entry.second->hostNotifier)
        router->removeNotifierByName(entry.second->hostNotifier->name());
      delete entry.second;
    }
    monolithsByType.clear();
    for (auto& entry : annotatorsByName) {
      if (!entry.second)
        continue;
      router->removeAnnotatorByName(entry.second->name());
      delete entry.second;
    }
    annotatorsByName.clear();
  }
  if (CoreGlobals* globals = msgCoreGlobals())
    if (globals->notifierDispatchData == this)
      globals->notifierDispatchData = nullptr;
  delete lastToolMessage;
  delete retainedMessage;
  currentMessage = nullptr;
}

// ---- artboard poll ----

void __IntDispatcherData::raise(NotifierType kind)
{
  auto found = notifiersByType.find(kind);
  if (found == notifiersByType.end() || !found->second)
    return;
  std::vector<Notifier*>* list = found->second;
  for (size_t i = 0; i < list->size(); ++i) {
    Notifier* notifier = (*list)[i];
    if (notifier && notifier->isEnabled() && notifier->callback())
      notifier->callback()->execute();
  }
}

bool __IntDispatcherData::checkAdded()
{
  bool added = false;
  int32_t count = aip::msgArtboardCount();
  for (int32_t i = 0; i < count; ++i) {
    __ArtboardStats stats;
    if (!aip::msgArtboardAt(i, stats.bounds, stats.rulerOrigin, stats.name))
      continue;
    if (artboardStats.count(i))
      continue;
    stats.index = i;
    artboardStats.emplace(i, stats);
    added = true;
  }
  return added;
}

bool __IntDispatcherData::checkRemoved()
{
  bool removed = false;
  for (auto it = artboardStats.begin(); it != artboardStats.end();) {
    bool present = false;
    int32_t count = aip::msgArtboardCount();
    for (int32_t i = 0; i < count && !present; ++i) {
      __ArtboardStats stats;
      if (aip::msgArtboardAt(i, stats.bounds, stats.rulerOrigin, stats.name) && i == it->first)
        present = true;
    }
    if (present) {
      ++it;
    } else {
      it = artboardStats.erase(it);
      removed = true;
    }
  }
  return removed;
}

bool __IntDispatcherData::checkChanged()
{
  using namespace qorcoreDispatcher_detail;
  bool changed = false;
  int32_t count = aip::msgArtboardCount();
  for (int32_t i = 0; i < count; ++i) {
    __ArtboardStats now;
    if (!aip::msgArtboardAt(i, now.bounds, now.rulerOrigin, now.name))
      continue;
    now.index = i;
    auto stored = artboardStats.find(i);
    if (stored == artboardStats.end())
      continue;
    const __ArtboardStats& old = stored->second;
    if (old.index != now.index || !rectsEqualWithin(now.bounds, old.bounds, 0.0001) ||
        !pointsEqualWithin(now.rulerOrigin, old.rulerOrigin, 0.0001) || now.name != old.name) {
      artboardStats.erase(stored);
      artboardStats.emplace(i, now);
      changed = true;
    }
  }
  return changed;
}

bool __IntDispatcherData::checkCurrentChanged()
{
  int32_t index = 0;
  if (!aip::msgCurrentArtboardIndex(index))
    return false;
  bool changed = index != currentArtboardIndex;
  currentArtboardIndex = index;
  return changed;
}

void __IntDispatcherData::onArtboardPoll()
{
  CoreGlobals* globals = msgCoreGlobals();
  if (!globals || !pollTimer || !pollTimer->isActive())
    return;
  if (globals->artboardPollTick < 2) {
    ++globals->artboardPollTick;
    return;
  }
  globals->artboardPollTick = 0;

  DocumentHandle document = aip::msgCurrentDocument();
  if (!document) {
    polledDocument = nullptr;
    currentArtboardIndex = -1;
    artboardStats.clear();
    return;
  }
  if (document != polledDocument) {
    polledDocument = document;
    int32_t index = 0;
    if (aip::msgCurrentArtboardIndex(index))
      currentArtboardIndex = index;
    artboardStats.clear();
    int32_t count = aip::msgArtboardCount();
    for (int32_t i = 0; i < count; ++i) {
      __ArtboardStats stats;
      if (!aip::msgArtboardAt(i, stats.bounds, stats.rulerOrigin, stats.name))
        continue;
      stats.index = i;
      artboardStats.emplace(i, stats);
    }
    return;
  }
  // A callback may close or switch documents: the later checks must not compare another document
  // with this snapshot. The next tick takes a new one.
  auto stillSameDocument = [&]() { return aip::msgCurrentDocument() == document; };
  struct Check
  {
    NotifierType kind;
    bool (__IntDispatcherData::*run)();
  };
  const Check checks[] = {{ArtboardsAddedNotifierType, &__IntDispatcherData::checkAdded},
                          {ArtboardsRemovedNotifierType, &__IntDispatcherData::checkRemoved},
                          {ArtboardsChangedNotifierType, &__IntDispatcherData::checkChanged},
                          {CurrentArtboardChangedNotifierType, &__IntDispatcherData::checkCurrentChanged}};
  for (const Check& check : checks) {
    if (!polledTypes.count(check.kind))
      continue;
    if (!(this->*check.run)())
      continue;
    raise(check.kind);
    if (!stillSameDocument())
      return;
  }
}

} // namespace qor::core
