#pragma once

#include <QElapsedTimer>
#include <QRect>
#include <QString>
#include <QtGlobal>

struct xcb_connection_t;
class QDeadlineTimer;

// Watches an X display for the first frame a program draws: the first drawing that
// leaves a pixel other than black on the screen. The bench paints the root window black,
// so with one program at a time on the display anything else was drawn by it.
class FirstFrame {
public:
    // Connects to the display (":N").
    explicit FirstFrame(const QString &display);
    ~FirstFrame();
    FirstFrame(const FirstFrame &) = delete;
    FirstFrame &operator=(const FirstFrame &) = delete;

    // False when the display or its damage extension is out of reach; errorString says why.
    bool isValid() const { return m_damage != 0; }
    QString errorString() const { return m_error; }

    // Waits until the previous program's windows are gone, paints the screen black and
    // forgets the drawing so far: the start line for the next program.
    bool clear(int timeoutMs);
    // Waits up to timeoutMs for drawing that leaves a non-black pixel; answers the
    // nanoseconds from started to the arrival of that drawing's notice, or -1.
    qint64 waitForDrawing(const QElapsedTimer &started, int timeoutMs);

private:
    bool fail(const QString &error);
    // Waits until the connection has something to read; false at the deadline.
    bool waitForInput(const QDeadlineTimer &deadline) const;
    bool hasWindows() const;
    // Whether a pixel of the screen's area is not black.
    bool showsColour(const QRect &area) const;

    xcb_connection_t *m_connection = nullptr;
    quint32 m_root = 0;
    quint8 m_depth = 0;
    QRect m_screen;
    quint8 m_damageEvent = 0;
    quint32 m_damage = 0;
    QString m_error;
};
