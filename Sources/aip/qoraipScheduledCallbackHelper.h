// A client callback scheduled onto the UI thread: it runs inside the host's application context.
#pragma once

#include "utils/qorutilsCallback.h"

namespace qor {
namespace aip {

class ScheduledCallbackHelper
{
public:
  // Takes the callback over.
  explicit ScheduledCallbackHelper(qor::utils::Callback* callback);
  ScheduledCallbackHelper(const ScheduledCallbackHelper&) = delete;
  ScheduledCallbackHelper& operator=(const ScheduledCallbackHelper&) = delete;
  virtual ~ScheduledCallbackHelper();

  // Runs the client callback between a push and a pop of the host's application context.
  void run();

  qor::utils::Callback* callback;
};

// Schedules a client callback (taken over) to run once on the UI thread after delay seconds, inside the
// host's application context. Returns the timer id, or 0 for a null callback or when nothing was scheduled.
unsigned int scheduleCallback(qor::utils::Callback* callback, double delay);

} // namespace aip
} // namespace qor
