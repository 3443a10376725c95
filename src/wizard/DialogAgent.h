#pragma once

#include "core/QmlNames.h"
#include "core/WorkerThread.h"

#include <QObject>
#include <QPointer>
#include <QString>

class CPageManager;

// Lets the terms page ("pInit03") ask the user to accept the terms through the page
// manager's blocking dialog "Init03Info1", waited for on a thread of its own, and ends
// the wizard when the user declines while the page still shows.
class CDialogAgent : public QObject {
    Q_OBJECT

public:
    CDialogAgent(QObject *root, CPageManager *pageManager, QObject *parent = nullptr);
    ~CDialogAgent() override;

signals:
    void showDialog(const QString &dialogName, const QString &strTitle, const QString &strDesc,
        const QString &strNegative, const QString &strPositive);

public slots:
    void onSendResult(const QString &dialogName, bool bResult);
    void askToAcceptPInit03();
    void loadedPInit03();

private:
    // "pageFooter" below the root, any other object in the current page; logs a miss.
    QObject *findQmlObject(const QString &name) const;

    QObject *m_root;
    QPointer<CPageManager> m_pageManager;
    const QString m_pageName = QLatin1String(QmlNames::pInit03);
    const QString m_dialogId = QStringLiteral("Init03Info1");
    WorkerThread m_thread { "[CDialogAgent]" };
};
