#include "hostsimAnnotations.h"

#include "hostapi/AnnotatorDrawerSuite.h"
#include "hostapi/AnnotatorSuite.h"
#include "hostapi/MessageRecords.h"
#include "hostapi/ToolSuite.h"

namespace hostsim {

namespace hostsimAnnotations_detail {

Annotations& area() { return HostApp::instance().area<Annotations>(); }

HostErr invalidateAnnotationRect(DocViewHandle view, const IntRect* rect)
{
  if (!view || !rect)
    return kHostErrBadParameter;
  area().invalidations.push_back({view, *rect});
  return kHostNoErr;
}

HostErr record(AnnotatorDrawer drawer, const char* what, double value)
{
  if (!drawer)
    return kHostErrBadParameter;
  Annotations::DrawerCall call;
  call.drawer = drawer;
  call.what = what;
  call.value = value;
  area().drawerCalls.push_back(call);
  return kHostNoErr;
}

HostErr setDrawColor(AnnotatorDrawer drawer, const Rgb16Color* color)
{
  if (!drawer || !color)
    return kHostErrBadParameter;
  Annotations::DrawerCall call;
  call.drawer = drawer;
  call.what = "color";
  call.color = *color;
  area().drawerCalls.push_back(call);
  return kHostNoErr;
}

HostErr setDrawLineWidth(AnnotatorDrawer drawer, double width) { return record(drawer, "lineWidth", width); }
HostErr setDrawFontSize(AnnotatorDrawer drawer, double points) { return record(drawer, "fontSize", points); }
HostErr setDrawOpacity(AnnotatorDrawer drawer, double opacity) { return record(drawer, "opacity", opacity); }

HostErr setDrawFont(AnnotatorDrawer drawer, FontKey font)
{
  if (!drawer)
    return kHostErrBadParameter;
  Annotations::DrawerCall call;
  call.drawer = drawer;
  call.what = "font";
  call.font = font;
  area().drawerCalls.push_back(call);
  return kHostNoErr;
}

HostErr setToolOptions(ToolHandle tool, int32_t options)
{
  if (!tool)
    return kHostErrBadParameter;
  area().toolOptions[tool] = options;
  return kHostNoErr;
}

HostErr getSelectedTool(ToolHandle* outTool)
{
  if (!outTool || area().refuseSelectedToolQuery)
    return kHostErrBadParameter;
  *outTool = area().selectedTool;
  return kHostNoErr;
}

HostErr selectTool(ToolHandle tool)
{
  if (!tool)
    return kHostErrBadParameter;
  area().selectedTool = tool;
  return kHostNoErr;
}

void install(HostApp& app)
{
  AnnotatorSuite& annotators = app.publishSuite<AnnotatorSuite>(kAnnotatorSuiteName, kAnnotatorSuiteVersion);
  annotators.invalidateAnnotationRect = &invalidateAnnotationRect;
  AnnotatorDrawerSuite& drawer =
      app.publishSuite<AnnotatorDrawerSuite>(kAnnotatorDrawerSuiteName, kAnnotatorDrawerSuiteVersion);
  drawer.setDrawColor = &setDrawColor;
  drawer.setDrawLineWidth = &setDrawLineWidth;
  drawer.setDrawFontSize = &setDrawFontSize;
  drawer.setDrawFont = &setDrawFont;
  drawer.setDrawOpacity = &setDrawOpacity;
  ToolSuite& tools = app.publishSuite<ToolSuite>(kToolSuiteName, kToolSuiteVersion);
  tools.setToolOptions = &setToolOptions;
  tools.getSelectedTool = &getSelectedTool;
  tools.selectTool = &selectTool;
}

const AreaInstaller installer(330, &install);

} // namespace hostsimAnnotations_detail

HostErr Annotations::send(const char* selector, AnnotationMessage& record)
{
  return app_.callPlugin("AI Annotation", selector, &record);
}

} // namespace hostsim
