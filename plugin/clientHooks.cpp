// The client's two hooks: the entry point calls them to create and destroy the client's plug-in
// object around the facade's life.
#include "clientHooks.h"

#include "core/qorcoreCallback.h"
#include "core/qorcorePlugin.h"
#include "panelPlugin.h"

namespace clientHooks_detail {
panel::Plugin* clientPlugin = nullptr;
}

bool clientSetupHook(qor::core::Plugin* facade)
{
  using Handler = qor::core::__Callback<panel::Plugin>;
  panel::Plugin* client = new panel::Plugin(facade);
  clientHooks_detail::clientPlugin = client;
  facade->setStartupCallback(Handler(client, &panel::Plugin::onStartup));
  facade->setPostStartupCallback(Handler(client, &panel::Plugin::onPostStartup));
  facade->setPreShutdownCallback(Handler(client, &panel::Plugin::onPreShutdown));
  facade->setShutdownCallback(Handler(client, &panel::Plugin::onShutdown));
  return true;
}

void clientDestroyHook(qor::core::Plugin*)
{
  delete clientHooks_detail::clientPlugin;
  clientHooks_detail::clientPlugin = nullptr;
}

panel::Plugin* clientPlugin()
{
  return clientHooks_detail::clientPlugin;
}
