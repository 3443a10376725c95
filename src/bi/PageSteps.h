#pragma once

#include "bi/BIRecords.h"

#include <QList>
#include <QString>

// The timing of the wizard's pages: at most one page is open; ended pages wait until
// the BI service sends them.
class PageSteps {
public:
    // Opens a record for page (start = now); a page still open is ended with "next".
    void start(const QString &page);
    // Ends the open record of page; nothing happens for another page or none.
    void end(const QString &page, const QString &how, int helpClicks);
    // Ends whatever page is open with how; false when none was.
    bool endOpen(const QString &how);

    bool hasOpen() const { return m_open.start.isValid(); }
    QString openPage() const { return m_open.page; }
    // The ended pages, oldest first; they are handed over once.
    QList<BIPageRecord> takeFinished();

private:
    void finish(const QString &how, int helpClicks);

    BIPageRecord m_open;
    QList<BIPageRecord> m_finished;
};
