// The framework windows the UI layer tracks in its globals, as far as the lifecycle needs them:
// each adds itself to its list when built and removes itself when destroyed.
#pragma once

#include "pui/qorpuiBorderlessPanel.h"
#include "pui/qorpuiModalDialog.h"

namespace qor {
namespace pui {

void adjustBorderlessPanelsBrightness();
void adjustFloatingDialogsBrightness();
void adjustControlBarsBrightness();
// Destroys the tooltip window shared by all widgets, when it exists.
void destroySharedTooltip();

}  // namespace pui
}  // namespace qor
