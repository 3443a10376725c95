#pragma once

#include <QObject>
#include <QPointer>
#include <QStringList>

// A small page flow in place of the native one, for tests that walk several pages:
// it moves through a page list on the loader's jumpNext/jumpBack, sets the footer
// like the native page flow does, shows dialogs by id with their id as title, and
// goes on when "CH001" or "DR001" is confirmed.
class PageFlowStandIn : public QObject {
    Q_OBJECT

public:
    struct Page {
        QString name;
        bool backOn;
        bool nextOn;
        bool nextShown;
        QString nextText;
    };

    PageFlowStandIn(QObject *root, const QList<Page> &pages);

    int index() const { return m_index; }
    QStringList dialogs;
    QStringList quitReasons;

private slots:
    void jumpNext() { jumpTo(m_index + 1); }
    void jumpBack() { jumpTo(m_index - 1); }
    void setBackStatus(bool enabled, bool visible, const QString &text);
    void setNextStatus(bool enabled, bool visible, const QString &text);
    void showDialog(const QString &id);
    void positivePressed();
    void prepareToQuit(const QString &reason) { quitReasons << reason; }

private:
    void jumpTo(int index);

    QPointer<QObject> m_loader;
    QPointer<QObject> m_footer;
    QList<Page> m_pages;
    int m_index = 0;
};
