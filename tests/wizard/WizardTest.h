#pragma once

#include "QmlHarness.h"
#include "SandboxMachine.h"
#include "TestPc.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QObject>

#include <memory>

// The frame of the page-flow tests: the built resources once, and for each test a new
// sandbox machine whose user is an administrator and whose compatibility list server
// refuses at once (the installed list counts).
class WizardTest : public QObject {
    Q_OBJECT

protected slots:
    void initTestCase() { QmlHarness::registerBuiltResources(); }
    void init()
    {
        m_machine = std::make_unique<SandboxMachine>();
        m_machine->writeProfile({ { QStringLiteral("administrator"), true },
            { QStringLiteral("compatibilityListUrl"), TestPc::RefusedListUrl } });
    }
    void cleanup() { m_machine.reset(); }

protected:
    // The stand-in programs started so far, as "program argument ...", in order.
    QStringList peerStarts() const
    {
        QFile log(m_machine->path(QStringLiteral("peers.log")));
        QStringList starts;
        if (!log.open(QIODevice::ReadOnly))
            return starts;
        while (!log.atEnd()) {
            const QJsonObject start = QJsonDocument::fromJson(log.readLine()).object();
            starts << (QStringList { start.value(QLatin1String("program")).toString() }
                + start.value(QLatin1String("arguments")).toVariant().toStringList())
                          .join(QLatin1Char(' '));
        }
        return starts;
    }

    std::unique_ptr<SandboxMachine> m_machine;
};
