#pragma once

#include <QObject>
#include <QString>

class BIService;

// Performs the orderly shutdown and starts the hardware guide program at the end of
// the wizard, listening on a reply pipe for the guide's "DONE" and "GUIDE_CLOSE".
class Closer : public QObject {
    Q_OBJECT

public:
    // root: the QML root window; biService: the analytics, whose session the guide
    // continues (none: an empty session id).
    explicit Closer(QObject *root, BIService *biService = nullptr, QObject *parent = nullptr);

    // The guide's registry key for a product, below the main key.
    static QString guideKey(const QString &productName);

signals:
    void closeWindow();
    void closeBIService();
    void releaseAppLock();
    void killUpdaterProc();
    void guideStarted();
    void prepareToQuit(const QString &strReason);
    void writeNovaportReg();

public slots:
    // Starts the guide; with an empty bgiPipeName the wizard quits once the guide is up.
    bool startGuide(const QString &bgiPipeName);
    void closing();

private:
    QObject *m_root;
    BIService *m_biService;
    // The guide's end and the wizard's own quit may both ask; the program closes once.
    bool m_closed = false;
};
