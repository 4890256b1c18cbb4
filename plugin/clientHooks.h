// The client hooks the entry point calls: set-up after the facade exists and before its start-up
// phase, destruction after its shutdown phase and before the facade goes.
#pragma once

namespace qor {
namespace core {
class Plugin;
}
}  // namespace qor
namespace panel {
class Plugin;
}

// Creates the client's plug-in object and registers its four lifecycle callbacks.
bool clientSetupHook(qor::core::Plugin* facade);
void clientDestroyHook(qor::core::Plugin* facade);
// The client's plug-in object while it exists.
panel::Plugin* clientPlugin();
