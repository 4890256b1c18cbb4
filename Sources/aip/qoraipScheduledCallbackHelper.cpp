#include "aip/qoraipScheduledCallbackHelper.h"

#include "aip/qoraipIllustrator.h"
#include "plat/qorplatCallbackScheduler.h"

namespace qor {
namespace aip {

namespace qoraipScheduledCallbackHelper_detail {

// The wrapper the scheduler holds. It owns its helper (and so the client callback), so the helper is
// deleted exactly once: when the scheduler deletes the wrapper after running it, or on cancelling.
class OwningHelperCallback : public qor::utils::__Callback<ScheduledCallbackHelper>
{
public:
  explicit OwningHelperCallback(ScheduledCallbackHelper* helper)
      : qor::utils::__Callback<ScheduledCallbackHelper>(helper, &ScheduledCallbackHelper::run), helper(helper)
  {
  }
  ~OwningHelperCallback() override { delete helper; }
  qor::utils::Callback* clone() const override
  {
    return new OwningHelperCallback(
        new ScheduledCallbackHelper(helper->callback ? helper->callback->clone() : nullptr));
  }

private:
  ScheduledCallbackHelper* helper;
};

} // namespace qoraipScheduledCallbackHelper_detail

ScheduledCallbackHelper::ScheduledCallbackHelper(qor::utils::Callback* callback) : callback(callback) {}

ScheduledCallbackHelper::~ScheduledCallbackHelper()
{
  delete callback;
}

void ScheduledCallbackHelper::run()
{
  if (!callback)
    return;
  Illustrator* host = Illustrator::instance();
  struct Context
  {
    Illustrator* host;
    ~Context()
    {
      if (host)
        host->popAppContext();
    }
  } context{host};
  if (host)
    host->pushAppContext();
  callback->execute();
}

unsigned int scheduleCallback(qor::utils::Callback* callback, double delay)
{
  if (!callback)
    return 0;
  auto* helper = new ScheduledCallbackHelper(callback);
  return qor::plat::scheduleMainThreadCallback(
      new qoraipScheduledCallbackHelper_detail::OwningHelperCallback(helper), delay);
}

} // namespace aip
} // namespace qor
