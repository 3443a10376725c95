#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

class QThread;

#include <mutex>

// Records every log message (the text as logged, without decoration) while it lives,
// from any thread, and restores the previous handler afterwards. Tests assert the
// exact log lines with it. Captures may nest: each sees every message.
class LogCapture {
public:
    LogCapture();
    ~LogCapture();
    LogCapture(const LogCapture &) = delete;
    LogCapture &operator=(const LogCapture &) = delete;

    QStringList lines() const;
    // Lines of one level (QtDebugMsg, QtWarningMsg, ...).
    QStringList lines(QtMsgType type) const;
    bool contains(const QString &line) const { return lines().contains(line); }
    int count(const QString &line) const { return lines().count(line); }
    // Lines that start with prefix, in order.
    QStringList startingWith(const QString &prefix) const;
    // The thread that logged the first line starting with prefix; null for none.
    QThread *threadOf(const QString &prefix) const;
    void clear();

private:
    struct Line {
        QtMsgType type;
        QString text;
        QThread *thread;
    };

    static void handler(QtMsgType type, const QMessageLogContext &context, const QString &message);

    mutable std::mutex m_mutex;
    QList<Line> m_lines;
};

// Whether the expected lines occur in this order among lines (others may lie between);
// the first one that does not goes to *missing.
bool linesInOrder(const QStringList &lines, const QStringList &expected, QString *missing);
