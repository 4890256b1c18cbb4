// The host-facing router: delivers each host call to the annotator, timer or notifier registered
// for its host handle, or to the base layer's (caller, selector) subscriptions; keeps a copy of the
// current host record and the plug-in tool message, and asks for annotation redraws.
#pragma once

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <utility>

#include "aip/qoraipMsgEnv.h"

namespace qor::utils {
class Callback;
}

namespace qor::aip {

class Notifier;
class Timer;
class Annotator;

// The current host message as the router copied it.
class Message
{
public:
  virtual ~Message() = default;

  std::string caller;
  std::string selector;
  void* data = nullptr;
};

// The last notification routed.
class NotifyData
{
public:
  virtual ~NotifyData() = default;

  NotifierHandle handle = nullptr;
  std::string name;
  int32_t word = 0;
};

class EventDispatcher
{
public:
  // Whether the router deletes a notifier it holds when it is displaced or at the router's end.
  enum class Ownership
  {
    Owned,
    Borrowed
  };

  EventDispatcher();
  EventDispatcher(const EventDispatcher&) = delete;
  EventDispatcher& operator=(const EventDispatcher&) = delete;
  ~EventDispatcher();

  // 0 handled (or recognised and needing no handler), 1 when nothing handles the call.
  int32_t routeMessage(const char* caller, const char* selector, void* record);

  void subscribe(const std::string& caller, const std::string& selector, utils::Callback* callback);
  utils::Callback* unsubscribe(const std::string& caller, const std::string& selector);

  void addNotifier(Notifier* notifier, Ownership ownership = Ownership::Owned);
  Notifier* findNotifierByName(const std::string& name) const;
  Notifier* findNotifierByType(const std::string& type) const;
  // The notifier taken out is the caller's; `borrowed` tells whether it was added as borrowed.
  Notifier* removeNotifierByName(const std::string& name, bool* borrowed = nullptr);
  Notifier* removeNotifierByType(const std::string& type, bool* borrowed = nullptr);

  void addTimer(Timer* timer);
  Timer* findTimerByName(const std::string& name) const;
  Timer* removeTimerByName(const std::string& name);
  // Takes the timer out of the map when it is the one registered under its handle.
  bool removeTimerIfRegistered(Timer* timer);

  void addAnnotator(Annotator* annotator);
  Annotator* findAnnotatorByName(const std::string& name) const;
  Annotator* removeAnnotatorByName(const std::string& name);

  const Message& currentHostMessage() const { return message; }
  ToolMsgRecord* pluginMessageData() { return &pluginMessage; }
  const ToolMsgRecord* pluginMessageData() const { return &pluginMessage; }
  AnnotatorDrawer currentAnnotationDrawer() const { return currentDrawer; }
  const NotifyData& lastNotifyData() const { return notifyData; }

private:
  void* makeCopy(const std::string& caller, const std::string& selector, const void* record);
  void releaseCopy(const std::string& caller, const std::string& selector, void* copy);
  void trackView();
  void trackCursor(const void* record);
  int32_t dispatchAnnotation(const void* record);
  int32_t dispatchTimer(const void* record);
  int32_t dispatchNotification(const void* record);
  int32_t dispatchSubscription(const std::string& caller, const std::string& selector, void* record,
                               void* copy);
  void restoreBaseNotifier(const std::string& type, const std::string& name);
  Notifier* takeNotifier(Notifier* notifier, const std::string& type, const std::string& name,
                         bool* borrowed);
  void discardDisplaced(Notifier* notifier, bool borrowed);
  std::string baseSuffix() const;

  std::map<std::pair<std::string, std::string>, utils::Callback*> subscriptions;
  std::map<NotifierHandle, Notifier*> notifiers;
  std::map<TimerHandle, Timer*> timers;
  std::map<AnnotatorHandle, Annotator*> annotators;
  std::set<Notifier*> borrowedNotifiers;
  Message message;
  NotifyData notifyData;
  ToolMsgRecord pluginMessage{};
  AnnotatorDrawer currentDrawer = nullptr;
  std::set<std::string> noDocumentNotifiers;
  DocumentHandle lastDocument = nullptr;
  LayerHandle lastLayer = nullptr;
  double viewBounds[4] = {0, 0, 0, 0};
  ToolHandle lastTool = nullptr;
  double lastCursor[2] = {0, 0};
  int routeDepth = 0;
};

} // namespace qor::aip
