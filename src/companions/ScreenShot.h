#pragma once

#include "wizard/DialogCatalogue.h"
#include "wizard/PageDialogCatalogue.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <QVector>

class CPageManager;
class DialogManager;

// One picture of the screenshot tour: a page, one of its pop-up states, or a dialog
// shown over it.
struct TourShot {
    enum Kind { Page, Pop1, Pop2, DialogPM, DialogDM };
    int page = 0; // index in the page list
    QString pageName; // "pHealth.qml"
    Kind kind = Page;
    int dialog = 0; // the dialog's position in its catalogue, from 1
    QString dialogId;

    bool operator==(const TourShot &other) const
    {
        return page == other.page && pageName == other.pageName && kind == other.kind && dialog == other.dialog
            && dialogId == other.dialogId;
    }
};

// The screenshot tour of test mode: shows the pages from the current one to the last,
// each with its pop-up states and the dialogs of both catalogues that belong to it, one
// state a second, and saves a picture of the primary screen of each into a folder.
// Walking on past the last page ends the program, as the forced tour does. Lives on the
// user-interface thread.
class ScreenShot : public QObject {
    Q_OBJECT

public:
    // language: the language object, through the methods it offers QML
    // (setOOBELang, setStyledTextLang, getLocaleLang); the tour shoots the language
    // chosen on the window ("defaultLangIndex").
    ScreenShot(QObject *root, CPageManager *pageManager, QObject *language, DialogManager *dialogManager,
        QObject *parent = nullptr);

    // The tour's pictures in order: from page first on, each page, its pop-up states,
    // then the page manager's dialogs and the dialog manager's that name it as their
    // page. Dialogs of pages that the tour does not show go with its first page.
    static QVector<TourShot> tour(const QStringList &pageNames, int first, const QVector<DialogEntry> &pageDialogs,
        const QVector<DialogEntry> &dialogs);
    // "<folder>/<language>-<page number>-<page name>[-Pop1|-Pop2|-DialogPM<n>|-DialogDM<n>].png",
    // the page number counted from 1 and the name without ".qml".
    static QString fileName(const QString &folder, const QString &language, const TourShot &shot);

public slots:
    void onDoScreenshot(const QString &path);
    void onGetScreenshot();

private:
    void registerAnimations();
    // The page the loader shows; null while none is loaded.
    QObject *loadedPage() const;
    void show(const TourShot &shot);
    void hide(const TourShot &shot);
    void save(const TourShot &shot);

    QPointer<QObject> m_root;
    CPageManager *m_pageManager;
    QPointer<QObject> m_language;
    DialogManager *m_dialogManager;
    int m_languageIndex = 0;
    QString m_languageText;
    QString m_folder;
    QTimer m_timer;
    QVector<PageDialogEntry> m_pageDialogs;
    QVector<DialogEntry> m_dialogs;
    QVector<TourShot> m_shots;
    int m_position = -1; // the shot on screen; -1 before the first
};
