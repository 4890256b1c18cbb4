#include "hostsimTheme.h"

#include "hostapi/UserInterfaceThemeSuite.h"

namespace hostsim {

void Theme::setDark(bool dark)
{
  if (dark == dark_)
    return;
  dark_ = dark;
  if (app_.isConnected())
    app_.sendNotification("AI UI Brightness Changed Notifier");
}

bool Theme::color(int32_t panelFlag, int32_t item, ThemeColorRecord& color) const
{
  // Grey levels of items -1 ... 4. Dialogs and panels share them, as the host's own windows do, so a
  // control that paints with the dialog's colours sits on the same grey as the view around it. Item 1
  // is the text on a control's face (a group box's title), so it stands off item 0.
  static const double light[6] = {0.97, 0.94, 0.20, 0.10, 0.60, 0.80};
  static const double dark[6] = {0.12, 0.20, 0.80, 0.90, 0.45, 0.30};
  if ((panelFlag != 0 && panelFlag != 1) || item < -1 || item > 4)
    return false;
  double grey = (dark_ ? dark : light)[item + 1];
  color = {1.0, grey, grey, grey};
  return true;
}

namespace hostsimTheme_detail {

HostErr getThemeColor(int32_t panelFlag, int32_t item, ThemeColorRecord* inOutColor)
{
  if (!inOutColor)
    return kHostErrBadParameter;
  return HostApp::instance().area<Theme>().color(panelFlag, item, *inOutColor) ? kHostNoErr
                                                                               : kHostErrBadParameter;
}

int32_t isDarkUI()
{
  return HostApp::instance().area<Theme>().isDark() ? 1 : 0;
}

void install(HostApp& app)
{
  app.area<Theme>();
  auto& suite = app.publishSuite<UserInterfaceThemeSuite>(kUserInterfaceThemeSuiteName,
                                                          kUserInterfaceThemeSuiteVersion);
  suite.getThemeColor = &getThemeColor;
  suite.isDarkUI = &isDarkUI;
}

const AreaInstaller installer(10, &install);

} // namespace hostsimTheme_detail

} // namespace hostsim
