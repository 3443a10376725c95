#pragma once

#include <QObject>

class GraphicsChecker;

// Tries once a second, from the first headset page on, to switch the graphics driver
// into direct mode for the headset's display, until that succeeds or the final page
// comes. Lives on the user-interface thread.
class NOVAControl : public QObject {
    Q_OBJECT

public:
    explicit NOVAControl(GraphicsChecker *graphicsChecker, QObject *parent = nullptr);

    bool isTimerRunning() const { return m_timerId != 0; }
    bool isDirectModeEnabled() const { return m_done; }

public slots:
    void loadedPHead01();
    void loadedPFinal01();

protected:
    void timerEvent(QTimerEvent *event) override;

private:
    void stopTimer();

    GraphicsChecker *const m_graphicsChecker;
    int m_timerId = 0;
    bool m_done = false;
};
