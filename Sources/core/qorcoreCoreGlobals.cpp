#include "core/qorcoreCoreGlobals.h"

#include "core/qorcoreIllustrator.h"

CoreGlobals::CoreGlobals() = default;
// The client's host-application singleton lives as long as the globals that hold it.
CoreGlobals::~CoreGlobals()
{
  delete coreIllustrator;
}

bool CoreGlobals::registriesEmpty() const
{
  return prefsRegistry.isEmpty() && prefRegistry.isEmpty() && widgetGroupRegistry.isEmpty() &&
         radioGroupRegistry.isEmpty() && tabOrderRegistry.isEmpty() && cursorRegistry.isEmpty() &&
         widgetRegistry.isEmpty() && windowRegistry.isEmpty() && listEntryRegistry.isEmpty() &&
         columnEntryRegistry.isEmpty() && treeEntryRegistry.isEmpty() && treeColumnEntryRegistry.isEmpty() &&
         menuItemRegistry.isEmpty() && timerRegistry.isEmpty() && pluginRegistry.isEmpty() &&
         documentRegistry.isEmpty() && layerRegistry.isEmpty() && notifierRegistry.isEmpty() &&
         annotatorRegistry.isEmpty() && artRegistry.isEmpty() && artboardRegistry.isEmpty() &&
         artStyleRegistry.isEmpty() && docViewRegistry.isEmpty() && gradientRegistry.isEmpty() &&
         patternRegistry.isEmpty() && toolRegistry.isEmpty() && menuGroupRegistry.isEmpty() && panelMap.empty();
}
