#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QTranslator>

// The wizard's 18 user-interface languages. Chooses the initial language (registry, else
// the system locale), loads the wizard's translation for a chosen row, and records the
// choice for the companion applications, for SteamVR and for the pages. Published to
// QML as "langProp"; the language selector passes the row index of the choice.
class Language : public QObject {
    Q_OBJECT
    // Always empty; pages append it to translated texts so that QML evaluates them
    // again after a language change.
    Q_PROPERTY(QString emptyString READ emptyString NOTIFY languageChanged)

public:
    // translationFolder holds the "Tundra_OOBE_<code>.qm" files.
    explicit Language(
        bool isCN, const QString &translationFolder = defaultTranslationFolder(), QObject *parent = nullptr);

    // The program's folder followed by "/Language".
    static QString defaultTranslationFolder();

    // Publishes the language list and the initial choice on the main window.
    void setRootObject(QObject *root);

    // The Steam name of the chosen language, for the Steam installer's command line.
    QString steamLang() const { return m_steamLang; }
    QString emptyString() const { return QString(); }

    Q_INVOKABLE void setOtherAppLang(int index);
    Q_INVOKABLE void setSteamLang(int index);
    Q_INVOKABLE void setOOBELang(int index);
    Q_INVOKABLE void setStyledTextLang(int index);
    Q_INVOKABLE QString getLocaleLang(int index) const;

signals:
    // After every attempt to change the translation.
    void languageChanged();

private:
    static int initialIndex(bool isCN);
    void updateLangAr();

    const QString m_translationFolder;
    const int m_initialIndex;
    QString m_steamLang;
    QString m_loadedLang; // code of the installed translation, empty when none
    QTranslator m_translator;
    QPointer<QObject> m_root;
};
