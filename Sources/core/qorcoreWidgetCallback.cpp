#include "core/qorcoreWidgetCallback.h"

#include "pui/qorpuiEventWidgets.h"

namespace qor {
namespace core {

__IntWidgetCallback::~__IntWidgetCallback()
{
  delete client;
}

void __IntWidgetCallback::execute()
{
  if (client)
    client->execute();
}

utils::Callback* __IntWidgetCallback::clone() const
{
  return new __IntWidgetCallback(client ? cloneCallback(*client) : nullptr);
}

utils::Callback* platformCallback(const core::Callback* callback)
{
  return callback ? new __IntWidgetCallback(cloneCallback(*callback)) : nullptr;
}

core::Callback* clientCallback(utils::Callback* stored)
{
  auto* adapter = dynamic_cast<__IntWidgetCallback*>(stored);
  return adapter ? adapter->client : nullptr;
}

void __IntClickPart::fireClick(pui::ClickWidget* part)
{
  if (part)
    part->fireClick();
}

Callback* __IntClickPart::clickCallback(const pui::ClickWidget* part)
{
  return part ? clientCallback(part->clickCallback()) : nullptr;
}

void __IntClickPart::setClickCallback(pui::ClickWidget* part, const Callback& callback)
{
  if (part)
    part->setClickCallback(platformCallback(&callback));
}

void __IntClickPart::fireDoubleClick(pui::ClickWidget* part)
{
  if (part)
    part->fireDoubleClick();
}

Callback* __IntClickPart::doubleClickCallback(const pui::ClickWidget* part)
{
  return part ? clientCallback(part->doubleClickCallback()) : nullptr;
}

void __IntClickPart::setDoubleClickCallback(pui::ClickWidget* part, const Callback& callback)
{
  if (part)
    part->setDoubleClickCallback(platformCallback(&callback));
}

}  // namespace core
}  // namespace qor
