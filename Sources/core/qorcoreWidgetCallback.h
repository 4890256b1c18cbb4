// A client callback in the form the platform widgets store: it owns the client's callback, and the
// client handles find that callback again behind what a platform widget holds.
#pragma once

#include "core/qorcoreCallback.h"
#include "utils/qorutilsCallback.h"

namespace qor {
namespace pui {
class ClickWidget;
}
namespace core {

class __IntWidgetCallback : public utils::Callback
{
public:
  // Takes the client callback over.
  explicit __IntWidgetCallback(core::Callback* client) : client(client) {}
  __IntWidgetCallback(const __IntWidgetCallback&) = delete;
  __IntWidgetCallback& operator=(const __IntWidgetCallback&) = delete;
  ~__IntWidgetCallback() override;

  void execute() override;
  utils::Callback* clone() const override;

  core::Callback* const client;
};

// The click operations the button and label handles share; each tolerates a null click part.
class __IntClickPart
{
public:
  static void fireClick(pui::ClickWidget* part);
  static Callback* clickCallback(const pui::ClickWidget* part);
  static void setClickCallback(pui::ClickWidget* part, const Callback& callback);
  static void fireDoubleClick(pui::ClickWidget* part);
  static Callback* doubleClickCallback(const pui::ClickWidget* part);
  static void setDoubleClickCallback(pui::ClickWidget* part, const Callback& callback);
};

// A new platform callback holding a clone of the client's, or null for null.
utils::Callback* platformCallback(const core::Callback* callback);
// The client callback a platform widget stores, or null.
core::Callback* clientCallback(utils::Callback* stored);

}  // namespace core
}  // namespace qor
