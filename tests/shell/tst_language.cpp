#include "LogCapture.h"
#include "SandboxMachine.h"

#include "platform/Registry.h"
#include "shell/Language.h"

#include <QQmlComponent>
#include <QQmlContext>
#include <QQmlEngine>
#include <QSignalSpy>
#include <QTest>

#include <memory>

using platform::Registry;

namespace {

const QString UserKey = QStringLiteral("HKEY_CURRENT_USER\\Software\\KELT\\KELT Nova");
const QString MachineKey = QStringLiteral("HKEY_LOCAL_MACHINE\\Software\\KeltNova");
const QString ValueName = QStringLiteral("Language");

// The main window's language properties, and a translated text as the pages bind it.
const QByteArray RootQml = "import QtQml 2.15\n"
                           "QtObject {\n"
                           "    property var languages: [\"\"]\n"
                           "    property int defaultLangIndex: 0\n"
                           "    property string styledTextLang: \"\"\n"
                           "    property string urlLocale: \"us\"\n"
                           "    property bool bIsLangAr: false\n"
                           "    property string title: qsTranslate(\"Probe\", \"Welcome\") + langProp.emptyString\n"
                           "}\n";

} // namespace

class TestLanguage : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        m_machine = std::make_unique<SandboxMachine>();
        m_translations = std::make_unique<QTemporaryDir>();
        QVERIFY(QFile::copy(QStringLiteral(TEST_QM_FILE), translationFile(QStringLiteral("de"))));
        QLocale::setDefault(QLocale(QStringLiteral("en_US")));
    }
    void cleanup()
    {
        m_root.reset();
        m_engine.reset();
        m_language.reset();
        m_translations.reset();
        m_machine.reset();
    }

    void initialLanguage_data()
    {
        QTest::addColumn<bool>("isCN");
        QTest::addColumn<QString>("userValue");
        QTest::addColumn<QString>("machineValue");
        QTest::addColumn<QString>("systemLocale");
        QTest::addColumn<QString>("line"); // the line that tells how the choice was made
        QTest::addColumn<int>("index");
        const QString none;
        QTest::newRow("system locale in no row")
            << false << none << none << QStringLiteral("en_GB") << QStringLiteral("Cannot find a match for en_GB") << 3;
        QTest::newRow("system locale in no row, China mode")
            << true << none << none << QStringLiteral("en_GB") << QStringLiteral("Cannot find a match for en_GB") << 16;
        QTest::newRow("system locale in a row")
            << false << none << none << QStringLiteral("ja_JP")
            << QStringLiteral("No language setting in registry. Find Locale setting: ja_JP") << 9;
        QTest::newRow("user value before machine value")
            << false << QStringLiteral("de_DE") << QStringLiteral("fr_FR") << QStringLiteral("ja_JP")
            << QStringLiteral("Found language de_DE from registry") << 2;
        QTest::newRow("machine value without user value")
            << false << none << QStringLiteral("fr_FR") << QStringLiteral("ja_JP")
            << QStringLiteral("Found language fr_FR from registry") << 4;
        QTest::newRow("es_US is Latin American Spanish")
            << false << QStringLiteral("ES_us") << none << QStringLiteral("en_US")
            << QStringLiteral("Found language ES_us from registry") << 6;
        QTest::newRow("registry value compared exactly")
            << false << QStringLiteral("de_de") << none << QStringLiteral("ja_JP")
            << QStringLiteral("Cannot find a match for de_de") << 3;
    }
    void initialLanguage()
    {
        QFETCH(bool, isCN);
        QFETCH(QString, userValue);
        QFETCH(QString, machineValue);
        QFETCH(QString, systemLocale);
        QFETCH(QString, line);
        QFETCH(int, index);
        if (!userValue.isEmpty())
            QVERIFY(Registry::write(UserKey, ValueName, userValue));
        if (!machineValue.isEmpty())
            QVERIFY(Registry::write(MachineKey, ValueName, machineValue));
        QLocale::setDefault(QLocale(systemLocale));

        LogCapture log;
        createLanguage(isCN);
        QVERIFY(log.contains(QStringLiteral("[Language] ") + line));
        QCOMPARE(log.lines().last(),
            QStringLiteral("[Language] Initial language is set as [%1, %2]")
                .arg(m_language->getLocaleLang(index))
                .arg(index));
        QVERIFY(attachRoot());
        QCOMPARE(m_root->property("defaultLangIndex").toInt(), index);
    }

    void attachingTheRootPublishesTheLanguages()
    {
        QLocale::setDefault(QLocale(QStringLiteral("ja_JP")));
        createLanguage();
        QVERIFY(attachRoot());
        const QStringList languages = m_root->property("languages").toStringList();
        QCOMPARE(languages.size(), 18);
        QCOMPARE(languages.at(1), QStringLiteral("<font face=\"Roboto\">Dansk</font>"));
        QCOMPARE(languages.at(9), QString::fromUtf8("<font face=\"Noto Sans CJK TC Regular\">日本語</font>"));
        QCOMPARE(m_root->property("styledTextLang").toString(), QStringLiteral("ja"));
        QCOMPARE(m_root->property("urlLocale").toString(), QStringLiteral("jp"));
        QCOMPARE(m_root->property("bIsLangAr").toBool(), false);
        // Nothing chosen yet: the Steam installer gets the initial row's language.
        QCOMPARE(m_language->steamLang(), QStringLiteral("japanese"));
        m_language->setSteamLang(10);
        QCOMPARE(m_language->steamLang(), QStringLiteral("koreana"));
    }

    void styledTextFollowsTheRow_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("styled");
        QTest::addColumn<QString>("urlLocale");
        QTest::newRow("Czech") << 0 << QString() << QStringLiteral("eu");
        QTest::newRow("Japanese") << 9 << QStringLiteral("ja") << QStringLiteral("jp");
        QTest::newRow("traditional Chinese") << 17 << QStringLiteral("zh-TW") << QStringLiteral("tw");
    }
    void styledTextFollowsTheRow()
    {
        QFETCH(int, index);
        QFETCH(QString, styled);
        QFETCH(QString, urlLocale);
        createLanguage();
        QVERIFY(attachRoot());
        LogCapture log;
        m_language->setStyledTextLang(index);
        QCOMPARE(m_root->property("styledTextLang").toString(), styled);
        QCOMPARE(m_root->property("urlLocale").toString(), urlLocale);
        QCOMPARE(log.lines(), QStringList { QStringLiteral("[Language] Set url locale:") + urlLocale });
    }

    void sameTranslationIsLoadedOnce()
    {
        createLanguage();
        QVERIFY(attachRoot());
        QSignalSpy changed(m_language.get(), &Language::languageChanged);
        LogCapture log;
        m_language->setOOBELang(2);
        const QString file = m_translations->path() + QStringLiteral("/Tundra_OOBE_de");
        QCOMPARE(log.lines(),
            (QStringList { QStringLiteral("[Language] setOOBELang() Set to: de"),
                QStringLiteral("[Language] setOOBELang: de"), QStringLiteral("[Language] language file path: ") + file,
                QStringLiteral("[Language] load translation file: ") + file }));
        QCOMPARE(changed.count(), 1);
        QCOMPARE(m_root->property("title").toString(), QStringLiteral("Willkommen"));

        log.clear();
        m_language->setOOBELang(2);
        QCOMPARE(
            log.lines().last(), QStringLiteral("[Language] The selected language is the same with current language"));
        QCOMPARE(changed.count(), 1);
    }

    void missingTranslationShowsSourceTextsAndIsRetried()
    {
        createLanguage();
        QVERIFY(attachRoot());
        m_language->setOOBELang(2);
        QSignalSpy changed(m_language.get(), &Language::languageChanged);
        LogCapture log;

        m_language->setOOBELang(4); // no French file
        QCOMPARE(log.lines(QtWarningMsg),
            QStringList { QStringLiteral("[Language] ERROR: Cannot find the translation file!") });
        QCOMPARE(changed.count(), 1);
        QCOMPARE(m_root->property("title").toString(), QStringLiteral("Welcome"));

        QVERIFY(QFile::copy(translationFile(QStringLiteral("de")), translationFile(QStringLiteral("fr"))));
        m_language->setOOBELang(4);
        QCOMPARE(changed.count(), 2);
        QCOMPARE(log.lines(QtWarningMsg).size(), 1);
        QCOMPARE(m_root->property("title").toString(), QStringLiteral("Willkommen"));
    }

    void otherAppLanguageGoesToBothRegistryPlaces()
    {
        createLanguage();
        LogCapture log;
        m_language->setOtherAppLang(6);
        QCOMPARE(Registry::read(MachineKey, ValueName).toString(), QStringLiteral("es_LA"));
        QCOMPARE(Registry::read(UserKey, ValueName).toString(), QStringLiteral("es_LA"));
        QCOMPARE(QCoreApplication::organizationName(), QStringLiteral("KELT"));
        QCOMPARE(QCoreApplication::applicationName(), QStringLiteral("KELT Nova"));
        QCOMPARE(log.lines(),
            (QStringList { QStringLiteral("[Language] setOtherAppLang() Set registry: es_LA"),
                QStringLiteral("[Language] Set registry to current user.") }));

        // The next start begins with that choice.
        Language next(false, m_translations->path());
        QVERIFY(log.contains(QStringLiteral("[Language] Initial language is set as [es_LA, 6]")));
    }

    void indexOutsideTheTableIsIgnored()
    {
        createLanguage();
        QVERIFY(attachRoot());
        QSignalSpy changed(m_language.get(), &Language::languageChanged);
        LogCapture log;
        m_language->setOOBELang(18);
        m_language->setStyledTextLang(-1);
        m_language->setOtherAppLang(99);
        QCOMPARE(m_language->getLocaleLang(18), QString());
        QCOMPARE(log.lines(QtWarningMsg).size(), 4);
        QCOMPARE(changed.count(), 0);
        QCOMPARE(m_root->property("urlLocale").toString(), QStringLiteral("us"));
        QVERIFY(!Registry::read(MachineKey, ValueName).isValid());
    }

private:
    QString translationFile(const QString &code) const
    {
        return m_translations->filePath(QStringLiteral("Tundra_OOBE_") + code + QStringLiteral(".qm"));
    }

    void createLanguage(bool isCN = false) { m_language = std::make_unique<Language>(isCN, m_translations->path()); }

    // The language published as "langProp", as start-up does, and the root handed to it.
    bool attachRoot()
    {
        m_engine = std::make_unique<QQmlEngine>();
        m_engine->rootContext()->setContextProperty(QStringLiteral("langProp"), m_language.get());
        QQmlComponent component(m_engine.get());
        component.setData(RootQml, QUrl(QStringLiteral("qrc:/main.qml")));
        m_root.reset(component.create());
        if (!m_root) {
            qWarning("%s", qPrintable(component.errorString()));
            return false;
        }
        m_language->setRootObject(m_root.get());
        return true;
    }

    std::unique_ptr<SandboxMachine> m_machine;
    std::unique_ptr<QTemporaryDir> m_translations;
    std::unique_ptr<Language> m_language;
    std::unique_ptr<QQmlEngine> m_engine;
    std::unique_ptr<QObject> m_root;
};

QTEST_GUILESS_MAIN(TestLanguage)
#include "tst_language.moc"
