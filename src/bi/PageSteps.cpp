#include "bi/PageSteps.h"

#include <QDebug>

void PageSteps::start(const QString &page)
{
    qDebug("[BIService] setRecordStepStart+ %s", qUtf8Printable(page));
    if (hasOpen()) {
        qDebug("[BIService]setRecordStepStart() previous page: %s is not record done", qUtf8Printable(m_open.page));
        finish(QStringLiteral("next"), 0);
    }
    m_open = { page, QDateTime::currentDateTimeUtc(), QDateTime(), BINull, 0 };
    qDebug("[BIService] setRecordStepStart-");
}

void PageSteps::end(const QString &page, const QString &how, int helpClicks)
{
    qDebug("[BIService] setRecordStepEnd+ %s", qUtf8Printable(page));
    if (!hasOpen()) {
        qDebug("[BIService]setRecordStepEnd() mRecordStep is NULL");
        return;
    }
    if (page != m_open.page) {
        qDebug("[BIService]setRecordStepEnd() page name %s is not same with %s", qUtf8Printable(page),
            qUtf8Printable(m_open.page));
        return;
    }
    finish(how, helpClicks);
    qDebug("[BIService] setRecordStepEnd-");
}

bool PageSteps::endOpen(const QString &how)
{
    if (!hasOpen())
        return false;
    finish(how, 0);
    return true;
}

void PageSteps::finish(const QString &how, int helpClicks)
{
    m_open.end = QDateTime::currentDateTimeUtc();
    m_open.how = how;
    m_open.helpClicks = helpClicks;
    m_finished.append(m_open);
    m_open = BIPageRecord();
}

QList<BIPageRecord> PageSteps::takeFinished()
{
    return std::exchange(m_finished, {});
}
