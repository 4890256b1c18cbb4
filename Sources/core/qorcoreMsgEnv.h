// How the message and registration classes reach the core globals, the dispatcher and the router.
#pragma once

#include "aip/qoraipMsgEnv.h"
#include "core/qorcoreCoreGlobals.h"

namespace qor::core {

class Dispatcher;

// The core globals through the plug-in instance and its UI globals; null when a link is missing.
CoreGlobals* msgCoreGlobals();
// The plug-in's dispatcher; null before the facade exists.
Dispatcher* msgDispatcher();
inline aip::EventDispatcher* msgRouter() { return aip::msgRouter(); }

} // namespace qor::core
