// How a chart's parts ask their panel to repaint. Parts hold their panel by a
// pointer to its class without knowing it; the panel's own code defines this.
#pragma once

namespace kel {

class TCustomKelPanel;

// Requests a repaint of panel; does nothing when panel is null.
void RepaintPanel(TCustomKelPanel* panel);

}  // namespace kel
