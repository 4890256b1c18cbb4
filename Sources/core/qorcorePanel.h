// The client handle of a floating host panel (window type 30): the client fills it with widgets, shows
// and hides it, sizes it and registers callbacks for its visibility and size. Besides the window
// registry, the panel map leads from a platform panel to the container of the handles that own it.
#pragma once

#include <cstdint>
#include <string>

#include "core/qorcoreCallback.h"
#include "core/qorcoreImageIDs.h"
#include "core/qorcoreRect.h"
#include "core/qorcoreSize.h"
#include "core/qorcoreWindow.h"
#include "hostapi/HostTypes.h"

namespace qor {
namespace pui {
class Panel;
}
namespace core {

class Panel : public Window
{
public:
  // An empty handle.
  Panel();
  // A hidden host panel. Icon ids left 0 at scales 1, 1.5 and 2 become the default icons 2501, 2502
  // and 2503.
  Panel(const std::string& title, const Size& size, bool resizableHorizontally, bool resizableVertically,
        const ImageIDs& icons);
  // The handle of a platform panel: shares the container mapped to it when there is one.
  explicit Panel(pui::Panel* platform);
  // Shares the other handle's container.
  Panel(const Panel& other);
  ~Panel() override;

  Window* clone() const override;
  bool isVisible() const override;
  void show() override;
  bool addWidget(const Widget& widget) override;
  bool removeWidget(const Widget& widget) override;
  // Redraws the panel's widgets and rebuilds the host's flyout menu.
  void update() override;
  virtual Panel& operator=(const Panel& other);
  // Destroys the platform panel and the host's; every handle of it becomes empty.
  virtual void destroy();
  virtual PanelRef hostPanel() const;
  virtual void hide();
  virtual void setShown(bool shown);
  // In units.
  virtual Rect frame() const;
  virtual void setFrame(const Rect& frame);
  virtual void setSize(const Size& size);
  virtual void setHeight(double height);
  virtual Size minimumSize() const;
  // Only for a resizable panel.
  virtual void setMinimumSize(const Size& size);
  virtual Size maximumSize() const;
  virtual void setMaximumSize(const Size& size);
  // The flyout menu given to the panel, owned by the window; null while it has none.
  virtual Flyout* flyout() const;
  // Keeps a copy of the flyout (replacing an earlier one) and builds the host's flyout menu from its
  // entries; the marks the flyout took before now show there.
  virtual void setFlyout(const Flyout& flyout);
  // The stored callbacks stay the panel's; the setters give the panel a clone.
  virtual Callback* shownCallback() const;
  virtual void setShownCallback(const Callback& callback);
  virtual Callback* hiddenCallback() const;
  virtual void setHiddenCallback(const Callback& callback);
  virtual Callback* resizeCallback() const;
  virtual void setResizeCallback(const Callback& callback);

  // The platform panel, or null.
  pui::Panel* platformPanel() const;
};

}  // namespace core
}  // namespace qor
