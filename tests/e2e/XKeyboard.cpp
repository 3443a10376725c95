#include "XKeyboard.h"

#include <QProcess>
#include <QRegularExpression>

namespace {

constexpr int KeysTimeoutMs = 10000;
// Time between two keys, so that a key's effect (a page loaded) comes before the next.
constexpr int KeyDelayMs = 100;
constexpr int TypeDelayMs = 30;

} // namespace

XKeyboard::XKeyboard(const QString &display)
    : m_display(display)
{
}

bool XKeyboard::focusWindowOf(qint64 pid, int timeoutMs)
{
    // Qt's hidden helper windows are not mapped, so the first one listed is the
    // program's window.
    return focusFirstFound({ QStringLiteral("--pid"), QString::number(pid) }, timeoutMs);
}

bool XKeyboard::focusWindowNamed(const QString &title, int timeoutMs)
{
    return focusFirstFound({ QStringLiteral("--name"), QRegularExpression::escape(title) }, timeoutMs);
}

bool XKeyboard::focusFirstFound(const QStringList &search, int timeoutMs)
{
    // --sync waits until a mapped window that matches exists.
    QByteArray windows;
    if (!xdotool(QStringList { QStringLiteral("search"), QStringLiteral("--sync"), QStringLiteral("--onlyvisible") }
                + search,
            timeoutMs, &windows))
        return false;
    const QString window = QString::fromLatin1(windows.split('\n').value(0).trimmed());
    return xdotool({ QStringLiteral("windowfocus"), QStringLiteral("--sync"), window }, timeoutMs);
}

bool XKeyboard::press(const QStringList &keys)
{
    return xdotool(QStringList { QStringLiteral("key"), QStringLiteral("--delay"), QString::number(KeyDelayMs) } + keys,
        KeysTimeoutMs + keys.size() * KeyDelayMs);
}

bool XKeyboard::type(const QString &text)
{
    return xdotool({ QStringLiteral("type"), QStringLiteral("--delay"), QString::number(TypeDelayMs), text },
        KeysTimeoutMs + text.size() * TypeDelayMs);
}

bool XKeyboard::xdotool(const QStringList &arguments, int timeoutMs, QByteArray *output)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DISPLAY"), m_display);
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral("xdotool"), arguments);
    if (!process.waitForStarted()) {
        m_error = QStringLiteral("cannot start xdotool: ") + process.errorString();
        return false;
    }
    const bool finished = process.waitForFinished(timeoutMs);
    if (!finished) {
        process.kill();
        process.waitForFinished();
    }
    if (!finished || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        m_error = QStringLiteral("xdotool ") + arguments.join(QLatin1Char(' ')) + QStringLiteral(" failed: ")
            + (finished ? QString::fromLocal8Bit(process.readAllStandardError()).trimmed()
                        : QStringLiteral("no answer in %1 ms").arg(timeoutMs));
        return false;
    }
    if (output)
        *output = process.readAllStandardOutput();
    return true;
}
