#include "aip/qoraipNotifier.h"

#include "utils/qorutilsCallback.h"

namespace qor::aip {

Notifier::Notifier(const std::string& name, const std::string& notifierTypeName, utils::Callback* callback)
    : heldCallback(callback)
{
  const NotifierSuite* suite = msgNotifierSuite();
  if (!suite)
    return;
  std::string hostName = msgToHostDefaultEncoding(name);
  suite->addNotifier(msgPluginRef(), hostName.c_str(), notifierTypeName.c_str(), &handle);
}

Notifier::~Notifier()
{
  if (heldCallback)
    deactivate();
  delete heldCallback;
}

NotifierHandle Notifier::hostHandle() const { return handle; }

void Notifier::fire()
{
  if (heldCallback)
    heldCallback->execute();
}

std::string Notifier::name() const
{
  const char* text = nullptr;
  if (const NotifierSuite* suite = msgNotifierSuite())
    suite->getNotifierName(handle, &text);
  return text ? std::string(text) : std::string();
}

std::string Notifier::notifierTypeName() const
{
  const char* text = nullptr;
  if (const NotifierSuite* suite = msgNotifierSuite())
    suite->getNotifierTypeName(handle, &text);
  return text ? std::string(text) : std::string();
}

bool Notifier::isActive() const
{
  bool8 active = 0;
  if (const NotifierSuite* suite = msgNotifierSuite())
    suite->isNotifierActive(handle, &active);
  return active != 0;
}

void Notifier::setActive(bool active) { active ? activate() : deactivate(); }

void Notifier::activate()
{
  if (const NotifierSuite* suite = msgNotifierSuite())
    suite->setNotifierActive(handle, 1);
}

void Notifier::deactivate()
{
  if (const NotifierSuite* suite = msgNotifierSuite())
    suite->setNotifierActive(handle, 0);
}

utils::Callback* Notifier::callback() const { return heldCallback; }

void Notifier::setCallback(utils::Callback* callback)
{
  if (callback == heldCallback)
    return;
  delete heldCallback;
  heldCallback = callback;
}

} // namespace qor::aip
