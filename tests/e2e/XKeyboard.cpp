#include "XKeyboard.h"

#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QVector>

#include <xcb/xcb.h>

#include <memory>

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
    if (!bindMissingCharacters(text))
        return false;
    return xdotool({ QStringLiteral("type"), QStringLiteral("--delay"), QString::number(TypeDelayMs), text },
        KeysTimeoutMs + text.size() * TypeDelayMs);
}

// xdotool types a character that no key makes by binding it to a spare key, pressing
// that and unbinding it at once; a program that reads the changed keymap only after the
// unbinding (on a loaded machine) gets no character. So such characters are bound here
// first, for the display's lifetime, and xdotool finds them on a key like any other.
bool XKeyboard::bindMissingCharacters(const QString &text)
{
    QSet<xcb_keysym_t> wanted;
    for (const uint character : text.toUcs4()) {
        // Latin-1 keysyms are the characters themselves; the others are 0x1000000 + code.
        if (character > 0x7e)
            wanted.insert(character <= 0xff ? character : 0x1000000 + character);
    }
    if (wanted.isEmpty())
        return true;

    const QByteArray displayName = m_display.toLocal8Bit();
    std::unique_ptr<xcb_connection_t, decltype(&xcb_disconnect)> connection(
        xcb_connect(displayName.constData(), nullptr), &xcb_disconnect);
    if (xcb_connection_has_error(connection.get())) {
        m_error = QStringLiteral("cannot connect to display ") + m_display;
        return false;
    }
    const xcb_setup_t *setup = xcb_get_setup(connection.get());
    const int keycodes = setup->max_keycode - setup->min_keycode + 1;
    std::unique_ptr<xcb_get_keyboard_mapping_reply_t, decltype(&free)> mapping(
        xcb_get_keyboard_mapping_reply(
            connection.get(), xcb_get_keyboard_mapping(connection.get(), setup->min_keycode, keycodes), nullptr),
        &free);
    if (!mapping) {
        m_error = QStringLiteral("cannot read the keymap of display ") + m_display;
        return false;
    }
    const int perKey = mapping->keysyms_per_keycode;
    const xcb_keysym_t *keysyms = xcb_get_keyboard_mapping_keysyms(mapping.get());
    QList<xcb_keycode_t> spare;
    for (int key = 0; key < keycodes; ++key) {
        const xcb_keysym_t *first = keysyms + key * perKey;
        bool unused = true;
        for (int level = 0; level < perKey; ++level) {
            wanted.remove(first[level]);
            unused = unused && first[level] == 0;
        }
        if (unused)
            spare.append(xcb_keycode_t(setup->min_keycode + key));
    }

    for (const xcb_keysym_t keysym : qAsConst(wanted)) {
        if (spare.isEmpty()) {
            m_error = QStringLiteral("no spare key left on display ") + m_display;
            return false;
        }
        // The same character with and without Shift.
        QVector<xcb_keysym_t> levels(perKey, 0);
        levels[0] = keysym;
        if (perKey > 1)
            levels[1] = keysym;
        const xcb_void_cookie_t cookie = xcb_change_keyboard_mapping_checked(
            connection.get(), 1, spare.takeFirst(), xcb_keycode_t(perKey), levels.constData());
        if (std::unique_ptr<xcb_generic_error_t, decltype(&free)> error(
                xcb_request_check(connection.get(), cookie), &free);
            error) {
            m_error
                = QStringLiteral("cannot bind a key on display %1 (X error %2)").arg(m_display).arg(error->error_code);
            return false;
        }
    }
    return true;
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
