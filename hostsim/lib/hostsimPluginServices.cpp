#include "hostsimPluginServices.h"

#include "hostapi/CursorSnapSuite.h"
#include "hostapi/PluginGroupSuite.h"
#include "hostapi/PluginSuite.h"
#include "hostapi/UndoSuite.h"

#include <ostream>

namespace hostsim {

void PluginServices::report(std::ostream& out) const
{
  for (const ArtGroup& group : artGroups)
    out << "Plug-in art group: " << group.name << "\n";
}

namespace hostsimPluginServices_detail {

PluginServices& services()
{
  return HostApp::instance().area<PluginServices>();
}

bool isOurPlugin(PluginRef plugin)
{
  return plugin && plugin == HostApp::instance().pluginRef();
}

HostErr getPluginOptions(PluginRef plugin, int32_t* outOptions)
{
  if (!isOurPlugin(plugin) || !outOptions)
    return kHostErrBadParameter;
  *outOptions = services().pluginOptions;
  return kHostNoErr;
}

HostErr setPluginOptions(PluginRef plugin, int32_t options)
{
  if (!isOurPlugin(plugin))
    return kHostErrBadParameter;
  services().pluginOptions = options;
  return kHostNoErr;
}

HostErr undoCurrentContext()
{
  ++services().undoCount;
  return kHostNoErr;
}

HostErr setUndoContextKind(int32_t kind)
{
  if (kind < 0 || kind > 2)
    return kHostErrBadParameter;
  services().undoKinds.push_back(kind);
  return kHostNoErr;
}

HostErr addPluginArtGroup(PluginRef plugin, const char* name, const PluginGroupDescription* description,
                          int32_t options, PluginGroupHandle* outGroup)
{
  if (!isOurPlugin(plugin) || !name || !description || !outGroup)
    return kHostErrBadParameter;
  for (const auto& group : services().artGroups)
    if (group.name == name)
      return kHostErrBadParameter;
  PluginServices::ArtGroup group;
  group.handle = HostApp::instance().mintHandle<PluginGroupHandle>();
  group.name = name;
  group.description = description->description ? description->description : "";
  group.majorVersion = description->majorVersion;
  group.minorVersion = description->minorVersion;
  group.options = options;
  services().artGroups.push_back(group);
  *outGroup = group.handle;
  return kHostNoErr;
}

int32_t customSnapConstraintsActive(DocViewHandle view)
{
  return view ? services().customSnapConstraints : 0;
}

HostErr trackSnappedCursor(DocViewHandle view, const RealPoint* cursor, const HostEvent*,
                           const char* controlString, RealPoint* outPoint)
{
  if (!view || !cursor || !outPoint)
    return kHostErrBadParameter;
  services().snapControlStrings.push_back(controlString ? controlString : "");
  *outPoint = *cursor;
  return kHostNoErr;
}

void install(HostApp& app)
{
  app.area<PluginServices>();
  auto& plugin = app.publishSuite<PluginSuite>(kPluginSuiteName, kPluginSuiteVersion);
  plugin.getPluginOptions = &getPluginOptions;
  plugin.setPluginOptions = &setPluginOptions;
  auto& undo = app.publishSuite<UndoSuite>(kUndoSuiteName, kUndoSuiteVersion);
  undo.undoCurrentContext = &undoCurrentContext;
  undo.setUndoContextKind = &setUndoContextKind;
  auto& groups = app.publishSuite<PluginGroupSuite>(kPluginGroupSuiteName, kPluginGroupSuiteVersion);
  groups.addPluginArtGroup = &addPluginArtGroup;
  auto& snap = app.publishSuite<CursorSnapSuite>(kCursorSnapSuiteName, kCursorSnapSuiteVersion);
  snap.customSnapConstraintsActive = &customSnapConstraintsActive;
  snap.trackSnappedCursor = &trackSnappedCursor;
}

const AreaInstaller installer(10, &install);

} // namespace hostsimPluginServices_detail

} // namespace hostsim
