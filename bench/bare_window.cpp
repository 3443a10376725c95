// A bare Qt Quick window with one Text item, the yardstick for the wizard's start-up.
// It has the wizard's window size at scale 1 (1200 x 675), so both hold and draw as many
// pixels, and it tells the pipe named by its "DONE:<pipe>" argument that its window first
// became active through a queued call, as the wizard does: both report after the
// window-system events of the showing, whose exposure draws the first frame. Without the
// argument it only shows the window.

#include "platform/NamedPipe.h"

#include <QGuiApplication>
#include <QQmlApplicationEngine>
#include <QQuickWindow>

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    const QString pipe = app.arguments().value(1).section(QLatin1Char(':'), 1);
    QQmlApplicationEngine engine;
    engine.loadData("import QtQuick 2.15\nimport QtQuick.Window 2.15\n"
                    "Window { visible: true; width: 1200; height: 675; Text { text: \"Hello\" } }");
    auto *window = qobject_cast<QQuickWindow *>(engine.rootObjects().value(0));
    if (!window)
        return 1;
    if (pipe.isEmpty())
        return app.exec();
    const auto reportActive = [window, pipe] {
        if (!window->isActive())
            return;
        QByteArray reply;
        platform::NamedPipeClient(pipe, 500).call("DONE", &reply);
    };
    QObject::connect(window, &QWindow::activeChanged, window, reportActive, Qt::QueuedConnection);
    window->requestActivate();
    return app.exec();
}
