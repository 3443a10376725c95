#pragma once

#include <QString>

namespace platform {

// The DRM connector property "non-desktop" of a connector of a card device node
// ("/dev/dri/card0"): set for head-mounted displays, which the desktop leaves alone so
// that a headset runtime can lease them. False when the node or the property cannot be
// read.
bool isNonDesktopConnector(const QString &cardNode, quint32 connectorId);

} // namespace platform
