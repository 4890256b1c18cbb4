#include "hostsimNotifiers.h"

#include "hostapi/MessageRecords.h"
#include "hostapi/NotifierSuite.h"

#include <ostream>

namespace hostsim {

namespace hostsimNotifiers_detail {

Notifiers& area() { return HostApp::instance().area<Notifiers>(); }

HostErr addNotifier(PluginRef, const char* name, const char* typeName, NotifierHandle* outNotifier)
{
  if (!outNotifier || !name || !typeName)
    return kHostErrBadParameter;
  NotifierHandle handle = area().add(name, typeName);
  if (!handle)
    return kHostErrBadParameter;
  *outNotifier = handle;
  return kHostNoErr;
}

HostErr getNotifierName(NotifierHandle notifier, const char** outName)
{
  Notifiers::Subscription* s = area().find(notifier);
  if (!s || !outName)
    return kHostErrBadParameter;
  *outName = s->name.c_str();
  return kHostNoErr;
}

HostErr getNotifierTypeName(NotifierHandle notifier, const char** outTypeName)
{
  Notifiers::Subscription* s = area().find(notifier);
  if (!s || !outTypeName)
    return kHostErrBadParameter;
  *outTypeName = s->type.c_str();
  return kHostNoErr;
}

HostErr isNotifierActive(NotifierHandle notifier, bool8* outActive)
{
  Notifiers::Subscription* s = area().find(notifier);
  if (!s || !outActive)
    return kHostErrBadParameter;
  *outActive = s->active ? 1 : 0;
  return kHostNoErr;
}

HostErr setNotifierActive(NotifierHandle notifier, bool8 active)
{
  Notifiers::Subscription* s = area().find(notifier);
  if (!s)
    return kHostErrBadParameter;
  s->active = active != 0;
  return kHostNoErr;
}

void install(HostApp& app)
{
  NotifierSuite& suite = app.publishSuite<NotifierSuite>(kNotifierSuiteName, kNotifierSuiteVersion);
  suite.addNotifier = &addNotifier;
  suite.getNotifierName = &getNotifierName;
  suite.getNotifierTypeName = &getNotifierTypeName;
  suite.isNotifierActive = &isNotifierActive;
  suite.setNotifierActive = &setNotifierActive;
  app.area<Notifiers>();
}

const AreaInstaller installer(310, &install);

} // namespace hostsimNotifiers_detail

Notifiers::Notifiers(HostApp& app) : app_(app)
{
  app_.setNotificationSender([this](const char* type, const void* data) { notify(type, data); });
}

NotifierHandle Notifiers::add(const std::string& name, const std::string& type)
{
  if (refuseAdds_)
    return nullptr;
  Subscription s;
  s.handle = app_.mintHandle<NotifierHandle>();
  s.name = name;
  s.type = type;
  subscriptions_.push_back(s);
  return s.handle;
}

Notifiers::Subscription* Notifiers::find(NotifierHandle handle)
{
  if (!handle)
    return nullptr;
  for (Subscription& s : subscriptions_)
    if (s.handle == handle)
      return &s;
  return nullptr;
}

std::vector<const Notifiers::Subscription*> Notifiers::active(const std::string& type) const
{
  std::vector<const Subscription*> result;
  for (const Subscription& s : subscriptions_)
    if (s.active && s.type == type)
      result.push_back(&s);
  return result;
}

void Notifiers::notify(const char* type, const void* data)
{
  // The subscriptions of this moment: callbacks may add more, which this notification does not reach.
  std::vector<NotifierHandle> handles;
  for (const Subscription* s : active(type))
    handles.push_back(s->handle);
  std::string typeName = type;
  bool subscribed = false;
  for (const Subscription& s : subscriptions_)
    subscribed = subscribed || s.type == typeName;
  if (!subscribed) {
    // A plug-in that never subscribed (a stand-in entry point) still gets one call.
    NotifierMessage record{};
    record.notifierType = typeName.c_str();
    record.notifyData = data;
    app_.callPlugin(kNotifierCaller, kNotifySelector, &record);
    return;
  }
  for (NotifierHandle handle : handles) {
    Subscription* s = find(handle);
    if (!s || !s->active)
      continue;
    NotifierMessage record{};
    record.notifier = handle;
    record.notifierType = typeName.c_str();
    record.notifyData = data;
    app_.callPlugin(kNotifierCaller, kNotifySelector, &record);
  }
}

void Notifiers::report(std::ostream& out) const
{
  out << "notifiers:\n";
  for (const Subscription& s : subscriptions_)
    out << "  " << s.name << " -> " << s.type << (s.active ? "" : " (inactive)") << "\n";
}

} // namespace hostsim
