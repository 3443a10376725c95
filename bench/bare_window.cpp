// A bare Qt Quick window with one Text item, the yardstick for the wizard's start-up:
// like the wizard, it tells the pipe named by its "DONE:<pipe>" argument when its
// window first becomes active.

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
                    "Window { visible: true; width: 640; height: 480; Text { text: \"Hello\" } }");
    auto *window = qobject_cast<QQuickWindow *>(engine.rootObjects().value(0));
    if (!window)
        return 1;
    QObject::connect(window, &QWindow::activeChanged, window, [window, pipe] {
        if (!window->isActive())
            return;
        QByteArray reply;
        platform::NamedPipeClient(pipe, 500).call("DONE", &reply);
    });
    window->requestActivate();
    return app.exec();
}
