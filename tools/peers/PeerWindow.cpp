#include "PeerWindow.h"

// Placeholder until the X11 window lands: nothing is shown.
struct PeerWindow::Connection { };

PeerWindow::PeerWindow(const QString &) { }

PeerWindow::~PeerWindow() = default;

bool PeerWindow::isShown() const
{
    return false;
}
