// The host's notifier subscriptions ("AI Notifier Suite"): a list in subscription order. A notification
// reaches the plug-in once per active subscription of its type, in that order.
#pragma once

#include "hostapi/HostTypes.h"
#include "hostsimApp.h"

#include <string>
#include <vector>

namespace hostsim {

class Notifiers : public Area
{
public:
  explicit Notifiers(HostApp& app);

  struct Subscription
  {
    NotifierHandle handle = nullptr;
    std::string name; // as the plug-in passed it (platform encoding)
    std::string type;
    bool active = true;
  };

  Subscription* find(NotifierHandle handle);
  const std::vector<Subscription>& subscriptions() const { return subscriptions_; }
  // Active subscriptions of a type, in subscription order.
  std::vector<const Subscription*> active(const std::string& type) const;
  // Test hook: the next addNotifier calls fail.
  void refuseAdds(bool refuse) { refuseAdds_ = refuse; }

  NotifierHandle add(const std::string& name, const std::string& type);
  // One ("AI Notifier", "AI Notify") call per active subscription of the type; a type nobody ever
  // subscribed to gets one call with a null subscription handle.
  void notify(const char* type, const void* data);

  int reportOrder() const override { return 310; }
  void report(std::ostream& out) const override;

private:
  HostApp& app_;
  std::vector<Subscription> subscriptions_;
  bool refuseAdds_ = false;
};

} // namespace hostsim
