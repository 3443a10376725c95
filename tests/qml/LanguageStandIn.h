#pragma once

#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTranslator>

// Stands in for the wizard's language object as the pages see it (context property
// "langProp"): it records the calls the pages make, loads the built translation of
// a row for setOOBELang, and sets the root's "styledTextLang" and "urlLocale".
class LanguageStandIn : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString emptyString READ emptyString NOTIFY languageChanged)
    Q_PROPERTY(QString strF READ strF NOTIFY languageChanged)

public:
    explicit LanguageStandIn(QObject *parent = nullptr);
    ~LanguageStandIn() override;

    QString emptyString() const { return {}; }
    QString strF() const { return QStringLiteral("%"); }
    void setRoot(QObject *root) { m_root = root; }

    // Calls made by QML, in order, as "name(index)".
    QStringList calls;

    // The table's display names, as the root's "languages".
    static QStringList displayNames();
    // The language codes of the rows, in row order ("cs", ..., "zh-TW").
    static QStringList codes();
    static int rowOf(const QString &code);

    Q_INVOKABLE void setOtherAppLang(int index);
    Q_INVOKABLE void setSteamLang(int index);
    Q_INVOKABLE void setOOBELang(int index);
    Q_INVOKABLE void setStyledTextLang(int index);
    Q_INVOKABLE QString getLocaleLang(int index);

signals:
    void languageChanged();

private:
    QPointer<QObject> m_root;
    QTranslator m_translator;
    bool m_installed = false;
};
