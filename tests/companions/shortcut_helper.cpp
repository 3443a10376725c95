// nova-shortcut-helper: finds its launcher and puts the desktop shortcut to it, as the
// wizard does. Exit 0 when the shortcut was written.

#include "companions/ShortCut.h"

#include <QCoreApplication>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    ShortCut shortcut;
    return shortcut.createShortcut() ? 0 : 1;
}
