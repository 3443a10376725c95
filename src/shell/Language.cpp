#include "shell/Language.h"

#include "core/QmlNames.h"
#include "core/Utils.h"
#include "platform/Registry.h"

#include <QCoreApplication>
#include <QLocale>
#include <QStringList>

#include <iterator>

using platform::Registry;

namespace {

struct LanguageRow {
    const char *steamName;
    const char *code;
    const char *displayName; // UTF-8
    const char *fontFace;
    const char *locale;
    const char *webLocale;
};

// The row number is the index QML passes.
constexpr LanguageRow Rows[] = {
    { "czech", "cs", "Čeština", "Roboto", "cs_CZ", "eu" },
    { "danish", "da", "Dansk", "Roboto", "da_DK", "eu" },
    { "german", "de", "Deutsch", "Roboto", "de_DE", "de" },
    { "english", "us", "English", "Roboto", "en_US", "us" },
    { "french", "fr", "Français", "Roboto", "fr_FR", "fr" },
    { "spanish", "es", "Español", "Roboto", "es_ES", "eu" },
    { "spanish", "es-US", "Español (Latinoamérica)", "Roboto", "es_LA", "eu" },
    { "finnish", "fi", "Suomi", "Roboto", "fi_FI", "eu" },
    { "italian", "it", "Italiano", "Roboto", "it_IT", "eu" },
    { "japanese", "ja", "日本語", "Noto Sans CJK TC Regular", "ja_JP", "jp" },
    { "koreana", "ko", "한국어", "Noto Sans CJK TC Regular", "ko_KR", "kr" },
    { "norwegian", "nb", "Norsk bokmål", "Roboto", "nb_NO", "eu" },
    { "dutch", "nl", "Nederlands", "Roboto", "nl_NL", "eu" },
    { "polish", "pl", "Polski", "Roboto", "pl_PL", "eu" },
    { "russian", "ru", "Русский", "Arial Narrow", "ru_RU", "ru" },
    { "swedish", "sv", "Svenska", "Roboto", "sv_SE", "eu" },
    { "schinese", "zh-CN", "简体中文", "Noto Sans CJK TC Regular", "zh_CN", "cn" },
    { "tchinese", "zh-TW", "繁體中文", "Noto Sans CJK TC Regular", "zh_TW", "tw" },
};
constexpr int RowCount = int(std::size(Rows));

const QString FilePrefix = QStringLiteral("Tundra_OOBE_");

// The row of a QML index, or null (with a warning) for an index outside the table.
const LanguageRow *rowAt(int index)
{
    if (index >= 0 && index < RowCount)
        return &Rows[index];
    qWarning("[Language] WARNING: Invalid language index %d, ignored.", index);
    return nullptr;
}

// The first row whose locale is `locale`, or -1.
int indexOfLocale(const QString &locale)
{
    for (int i = 0; i < RowCount; ++i) {
        if (locale == QLatin1String(Rows[i].locale))
            return i;
    }
    return -1;
}

QString registryLanguage()
{
    const QString user = Registry::read(Utils::RegUserSettings, Utils::ValueLanguage).toString();
    return user.isEmpty() ? Registry::read(Utils::RegKeltNova, Utils::ValueLanguage).toString() : user;
}

} // namespace

Language::Language(bool isCN, const QString &translationFolder, QObject *parent)
    : QObject(parent)
    , m_translationFolder(translationFolder)
    , m_initialIndex(initialIndex(isCN))
    , m_steamLang(QLatin1String(Rows[m_initialIndex].steamName))
{
}

QString Language::defaultTranslationFolder()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/Language");
}

int Language::initialIndex(bool isCN)
{
    const QString defaultLocale = isCN ? QStringLiteral("zh_CN") : QStringLiteral("en_US");
    qDebug("[Language] Default language: %s", qUtf8Printable(defaultLocale));
    const int defaultIndex = indexOfLocale(defaultLocale);

    QString locale = registryLanguage();
    if (locale.isEmpty()) {
        locale = QLocale().name();
        qDebug("[Language] No language setting in registry. Find Locale setting: %s", qUtf8Printable(locale));
    } else {
        qDebug("[Language] Found language %s from registry", qUtf8Printable(locale));
        // Other applications of the product line store Latin American Spanish as "es_US".
        if (locale.compare(QLatin1String("es_US"), Qt::CaseInsensitive) == 0)
            locale = QStringLiteral("es_LA");
    }

    int index = indexOfLocale(locale);
    if (index < 0) {
        qDebug("[Language] Cannot find a match for %s", qUtf8Printable(locale));
        index = defaultIndex;
    }
    qDebug("[Language] Initial language is set as [%s, %d]", Rows[index].locale, index);
    return index;
}

void Language::setRootObject(QObject *root)
{
    m_root = root;
    if (!m_root) {
        qWarning("[Language] WARNING: No QML root object to show the languages on.");
        return;
    }
    QStringList names;
    for (const LanguageRow &row : Rows) {
        names.append(QStringLiteral("<font face=\"%1\">%2</font>")
                         .arg(QLatin1String(row.fontFace), QString::fromUtf8(row.displayName)));
    }
    m_root->setProperty(QmlNames::languages, names);
    m_root->setProperty(QmlNames::defaultLangIndex, m_initialIndex);
    setStyledTextLang(m_initialIndex);
    updateLangAr();
}

void Language::setOtherAppLang(int index)
{
    const LanguageRow *row = rowAt(index);
    if (!row)
        return;
    const QString locale = QLatin1String(row->locale);
    Registry::write(Utils::RegKeltNova, Utils::ValueLanguage, locale);
    Registry::flush();
    qDebug("[Language] setOtherAppLang() Set registry: %s",
        qUtf8Printable(Registry::read(Utils::RegKeltNova, Utils::ValueLanguage).toString()));

    qDebug("[Language] Set registry to current user.");
    QCoreApplication::setOrganizationName(QStringLiteral("KELT"));
    QCoreApplication::setApplicationName(QStringLiteral("KELT Nova"));
    // The per-user settings of that organisation and application.
    Registry::write(Utils::RegUserSettings, Utils::ValueLanguage, locale);
    Registry::flush();
}

void Language::setSteamLang(int index)
{
    const LanguageRow *row = rowAt(index);
    if (!row)
        return;
    m_steamLang = QLatin1String(row->steamName);
    qDebug("[Language] setSteamLang() set to: %s", qUtf8Printable(m_steamLang));
}

void Language::setOOBELang(int index)
{
    const LanguageRow *row = rowAt(index);
    if (!row)
        return;
    const QString code = QLatin1String(row->code);
    qDebug("[Language] setOOBELang() Set to: %s", qUtf8Printable(code));

    const QString fileName = FilePrefix + code;
    const QString filePath = m_translationFolder + QLatin1Char('/') + fileName;
    qDebug("[Language] setOOBELang: %s", qUtf8Printable(code));
    qDebug("[Language] language file path: %s", qUtf8Printable(filePath));
    if (code.compare(m_loadedLang, Qt::CaseInsensitive) == 0) {
        qDebug("[Language] The selected language is the same with current language");
        return;
    }

    if (m_translator.load(fileName, m_translationFolder)) {
        qDebug("[Language] load translation file: %s", qUtf8Printable(filePath));
        QCoreApplication::installTranslator(&m_translator);
        m_loadedLang = code;
    } else {
        // The pages go on in their source texts; choosing the row again retries the load.
        qWarning("[Language] ERROR: Cannot find the translation file!");
        QCoreApplication::removeTranslator(&m_translator);
        m_loadedLang.clear();
    }
    updateLangAr();
    emit languageChanged();
}

void Language::setStyledTextLang(int index)
{
    const LanguageRow *row = rowAt(index);
    if (!row)
        return;
    // These scripts need the styled texts' own fonts.
    static const QStringList styledCodes = { QStringLiteral("zh-TW"), QStringLiteral("zh-CN"), QStringLiteral("ja"),
        QStringLiteral("ko"), QStringLiteral("ru") };
    const QString code = QLatin1String(row->code);
    const QString urlLocale = QLatin1String(row->webLocale);
    if (m_root) {
        m_root->setProperty(QmlNames::styledTextLang, styledCodes.contains(code) ? code : QString());
        m_root->setProperty(QmlNames::urlLocale, urlLocale);
    }
    qDebug("[Language] Set url locale:%s", qUtf8Printable(urlLocale));
}

QString Language::getLocaleLang(int index) const
{
    const LanguageRow *row = rowAt(index);
    return row ? QLatin1String(row->locale) : QString();
}

void Language::updateLangAr()
{
    if (m_root)
        m_root->setProperty(QmlNames::bIsLangAr, m_loadedLang == QLatin1String("ar"));
}
