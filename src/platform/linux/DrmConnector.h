#pragma once

#include <QHash>
#include <QString>

namespace platform {

// The connectors of a DRM card device node ("/dev/dri/card0") by the name sysfs gives
// them after the card's ("HDMI-A-1"), each with its "non-desktop" property: set for
// head-mounted displays, which the desktop leaves alone so that a headset runtime can
// lease them. Empty when the node cannot be opened (no DRM device, or no access to it:
// the node needs the video group), which is logged once per node.
QHash<QString, bool> nonDesktopConnectors(const QString &cardNode);

} // namespace platform
