#pragma once

#include "LogCapture.h"
#include "QmlHarness.h"
#include "SandboxMachine.h"
#include "TestPc.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QObject>
#include <QTest>

#include <memory>

// The frame of the page-flow tests: the built resources once, and for each test a new
// sandbox machine whose user is an administrator and whose compatibility list server
// refuses at once (the installed list counts). A test fails when a connection between
// the managers and the window could not be made, or a QML function was not found.
class WizardTest : public QObject {
    Q_OBJECT

protected slots:
    void initTestCase() { QmlHarness::registerBuiltResources(); }
    void init()
    {
        m_wiring = std::make_unique<LogCapture>();
        m_machine = std::make_unique<SandboxMachine>();
        m_machine->writeProfile({ { QStringLiteral("administrator"), true },
            { QStringLiteral("compatibilityListUrl"), TestPc::RefusedListUrl } });
    }
    void cleanup()
    {
        m_machine.reset();
        const QStringList lines = m_wiring->lines();
        m_wiring.reset();
        for (const QString &line : lines) {
            if (line.contains(QLatin1String("QObject::connect:")) || line.contains(QLatin1String("No such method"))
                || line.startsWith(QLatin1String("[Wiring] ERROR")))
                QFAIL(qPrintable(line));
        }
    }

protected:
    // The stand-in programs started so far, as "program argument ...", in order.
    QStringList peerStarts() const { return m_machine->peerStarts(); }

    std::unique_ptr<SandboxMachine> m_machine;

private:
    std::unique_ptr<LogCapture> m_wiring;
};
