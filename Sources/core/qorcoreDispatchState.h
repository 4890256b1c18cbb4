// The dispatcher's per-plug-in state kept in CoreGlobals: one entry per dispatch in progress.
#pragma once

#include "core/qorcoreMessageType.h"
#include "core/qorcoreNotifierType.h"

namespace qor::core {

class NotifyMessage;

struct DispatchStackEntry
{
  MessageType type = NoMessageType;
  NotifierType notifierType = NoNotifierType;
};

} // namespace qor::core
