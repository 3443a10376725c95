#include "install/SizeParser.h"

SizeParser::SizeParser(QObject *parent)
    : ResultParser("SizeParser", QLatin1String("TotalSize:"), parent)
{
}

void SizeParser::handleResult(const QString &value)
{
    const qint64 size = value.toLongLong(); // not a number: 0
    if (size < 0) {
        qWarning("[SizeParser] ERROR: Size is %lld when returning. Something went wrong", size);
        reportError();
    } else {
        qDebug("[SizeParser] Return total size %lld", size);
        if (claimOutcome())
            emit checkFinished(size);
    }
}
