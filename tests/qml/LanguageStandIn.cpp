#include "LanguageStandIn.h"

#include <QCoreApplication>
#include <QVariant>

#include <iterator>

namespace {

struct Row {
    const char *code;
    const char *display;
    const char *locale;
    const char *webLocale;
};

const Row rows[] = {
    { "cs", "Čeština", "cs_CZ", "eu" },
    { "da", "Dansk", "da_DK", "eu" },
    { "de", "Deutsch", "de_DE", "de" },
    { "us", "English", "en_US", "us" },
    { "fr", "Français", "fr_FR", "fr" },
    { "es", "Español", "es_ES", "eu" },
    { "es-US", "Español (Latinoamérica)", "es_LA", "eu" },
    { "fi", "Suomi", "fi_FI", "eu" },
    { "it", "Italiano", "it_IT", "eu" },
    { "ja", "日本語", "ja_JP", "jp" },
    { "ko", "한국어", "ko_KR", "kr" },
    { "nb", "Norsk bokmål", "nb_NO", "eu" },
    { "nl", "Nederlands", "nl_NL", "eu" },
    { "pl", "Polski", "pl_PL", "eu" },
    { "ru", "Русский", "ru_RU", "ru" },
    { "sv", "Svenska", "sv_SE", "eu" },
    { "zh-CN", "简体中文", "zh_CN", "cn" },
    { "zh-TW", "繁體中文", "zh_TW", "tw" },
};

const Row &row(int index)
{
    return rows[qBound(0, index, int(std::size(rows)) - 1)];
}

} // namespace

LanguageStandIn::LanguageStandIn(QObject *parent)
    : QObject(parent)
{
}

LanguageStandIn::~LanguageStandIn()
{
    if (m_installed)
        QCoreApplication::removeTranslator(&m_translator);
}

QStringList LanguageStandIn::displayNames()
{
    QStringList names;
    for (const Row &r : rows)
        names << QStringLiteral("<font face=\"Roboto\">%1</font>").arg(QString::fromUtf8(r.display));
    return names;
}

QStringList LanguageStandIn::codes()
{
    QStringList codes;
    for (const Row &r : rows)
        codes << QLatin1String(r.code);
    return codes;
}

int LanguageStandIn::rowOf(const QString &code)
{
    for (int i = 0; i < int(std::size(rows)); ++i) {
        if (code == QLatin1String(rows[i].code))
            return i;
    }
    return -1;
}

void LanguageStandIn::setOtherAppLang(int index)
{
    calls << QStringLiteral("setOtherAppLang(%1)").arg(index);
}

void LanguageStandIn::setSteamLang(int index)
{
    calls << QStringLiteral("setSteamLang(%1)").arg(index);
}

void LanguageStandIn::setOOBELang(int index)
{
    calls << QStringLiteral("setOOBELang(%1)").arg(index);
    if (m_installed)
        QCoreApplication::removeTranslator(&m_translator);
    const QString folder = qEnvironmentVariable("NOVA_BIN_DIR") + QStringLiteral("/Language");
    m_installed = m_translator.load(QStringLiteral("Tundra_OOBE_") + QLatin1String(row(index).code), folder)
        && QCoreApplication::installTranslator(&m_translator);
    emit languageChanged();
}

void LanguageStandIn::setStyledTextLang(int index)
{
    calls << QStringLiteral("setStyledTextLang(%1)").arg(index);
    const QString code = QLatin1String(row(index).code);
    static const QStringList ownFonts = { QStringLiteral("zh-TW"), QStringLiteral("zh-CN"), QStringLiteral("ja"),
        QStringLiteral("ko"), QStringLiteral("ru") };
    if (m_root) {
        m_root->setProperty("styledTextLang", QVariant(ownFonts.contains(code) ? code : QString()));
        m_root->setProperty("urlLocale", QVariant(QString::fromLatin1(row(index).webLocale)));
    }
}

QString LanguageStandIn::getLocaleLang(int index)
{
    calls << QStringLiteral("getLocaleLang(%1)").arg(index);
    return QLatin1String(row(index).locale);
}
