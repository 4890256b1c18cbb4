// What the wrappers of counted host references (dictionaries, arrays, entries, unique ids) share: the
// plug-in globals that hold their registries, whether the host has a current document, the
// one-wrapper-per-reference lookup, and reals made safe for the host.
#pragma once

#include "aip/qoraipPluginGlobals.h"
#include "hostapi/HostApi.h"

namespace qor {
namespace aip {

// The base layer's globals, or null when the plug-in object or its globals are gone.
PluginGlobals* wrapperGlobals();

// Whether the host reports a non-null current document; host references are released only then.
bool hostHasDocument();

// NaN becomes 0, the infinities and everything beyond the largest float are cut to it.
double safeHostReal(double value);

// One more count of a counted wrapper; null passes through.
template <class Wrapper> Wrapper* retain(Wrapper* wrapper)
{
  if (wrapper)
    wrapper->retain();
  return wrapper;
}

// A holder's counted wrapper replaced by another: the incoming one is retained before the held one is
// released, so that holding the same wrapper twice is safe.
template <class Wrapper> void reassign(Wrapper*& held, Wrapper* incoming)
{
  retain(incoming);
  if (held)
    held->release();
  held = incoming;
}

template <class Wrapper> void releaseHeld(Wrapper*& held)
{
  if (held)
    held->release();
  held = nullptr;
}

// The registered wrapper of a host reference with one more count, else a new wrapper (which registers
// itself) with count 1; null for a null reference or without the plug-in's globals.
template <class Wrapper, class Handle>
Wrapper* getOrCreateWrapper(utils::Map<Handle, Wrapper*> PluginGlobals::*registry, Handle ref)
{
  PluginGlobals* g = wrapperGlobals();
  if (!ref || !g)
    return nullptr;
  Wrapper* found = nullptr;
  if ((g->*registry).get(ref, found) && found) {
    found->retain();
    return found;
  }
  Wrapper* created = new Wrapper(ref);
  created->retain();
  return created;
}

// A host reference just handed out: when a wrapper of it is registered already, that wrapper holds a
// reference of its own, so this one is given back at once.
template <class Wrapper, class Handle, class ReleaseFn>
Wrapper* adoptHostRef(utils::Map<Handle, Wrapper*> PluginGlobals::*registry, Handle ref, ReleaseFn giveBack)
{
  PluginGlobals* g = wrapperGlobals();
  if (!ref || !g)
    return nullptr;
  Wrapper* found = nullptr;
  if ((g->*registry).get(ref, found) && found)
    giveBack(ref);
  return getOrCreateWrapper(registry, ref);
}

// Registers or unregisters a wrapper under its reference while the globals exist.
template <class Wrapper, class Handle>
void registerWrapper(utils::Map<Handle, Wrapper*> PluginGlobals::*registry, Handle ref, Wrapper* wrapper)
{
  if (PluginGlobals* g = wrapperGlobals(); g && ref)
    (g->*registry).insert(ref, wrapper);
}

template <class Wrapper, class Handle>
void unregisterWrapper(utils::Map<Handle, Wrapper*> PluginGlobals::*registry, Handle ref, Wrapper* wrapper)
{
  PluginGlobals* g = wrapperGlobals();
  Wrapper* found = nullptr;
  if (g && ref && (g->*registry).get(ref, found) && found == wrapper)
    (g->*registry).remove(ref);
}

} // namespace aip
} // namespace qor
