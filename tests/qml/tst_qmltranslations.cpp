// Translations: one built file per language of the table, complete sources for all of
// them (US English word for word the source texts), packed fonts that can show them, pages that follow a
// language change, and right-to-left layout when the root asks for it.

#include "QmlHarness.h"

#include <QDir>
#include <QFile>
#include <QQuickItem>
#include <QRawFont>
#include <QRegularExpression>
#include <QTest>
#include <QTranslator>
#include <QXmlStreamReader>

namespace {

struct Message {
    QString context;
    QString source;
    QString translation;
    bool unfinished;
};

// The messages of the translation source of language `code`.
QList<Message> readTs(const QString &code)
{
    QList<Message> messages;
    QFile file(QStringLiteral(NOVA_TRANSLATIONS_DIR "/Tundra_OOBE_") + code + QStringLiteral(".ts"));
    if (!file.open(QIODevice::ReadOnly))
        return messages;
    QXmlStreamReader xml(&file);
    QString context;
    Message current;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("source")) {
            current = { context, xml.readElementText(), {}, false };
        } else if (xml.name() == QLatin1String("translation")) {
            current.unfinished = xml.attributes().value(QLatin1String("type")) == QLatin1String("unfinished");
            current.translation = xml.readElementText();
            messages << current;
        }
    }
    return messages;
}

// Placeholders and tags (links with their targets) that a translation must keep.
QStringList markers(const QString &text)
{
    QStringList found;
    static const QRegularExpression marker(QStringLiteral("%\\d|<[^>]*>"));
    auto it = marker.globalMatch(text);
    while (it.hasNext())
        found << it.next().captured();
    found.sort();
    return found;
}

} // namespace

class TestQmlTranslations : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QmlHarness::registerBuiltResources(); }

    void everyLanguageHasABuiltTranslation()
    {
        const QString folder = qEnvironmentVariable("NOVA_BIN_DIR") + QStringLiteral("/Language");
        for (const QString &code : LanguageStandIn::codes()) {
            QTranslator translator;
            QVERIFY2(translator.load(QStringLiteral("Tundra_OOBE_") + code, folder), qPrintable(code));
        }
    }

    void translationsAreCompleteAndKeepTheirMarkers_data()
    {
        QTest::addColumn<QString>("code");
        for (const QString &code : LanguageStandIn::codes())
            QTest::newRow(qPrintable(code)) << code;
    }

    void translationsAreCompleteAndKeepTheirMarkers()
    {
        QFETCH(QString, code);
        const QList<Message> messages = readTs(code);
        QVERIFY(messages.size() > 80);
        for (const Message &message : messages) {
            const QString where = message.context + QStringLiteral(": ") + message.source;
            QVERIFY2(!message.unfinished && !message.translation.isEmpty(), qPrintable(where));
            QVERIFY2(markers(message.source) == markers(message.translation), qPrintable(where));
            if (code == QLatin1String("us"))
                QCOMPARE(message.translation, message.source);
        }
    }

    // The packed faces are cut down at build time: each must still hold every character of
    // the translations it shows and of the language names. A Chinese, Japanese or Korean
    // face shows its own language and the names of all four; the Roboto weights show
    // every other language and the other names.
    void packedFacesCoverTheirTranslationsAndTheLanguageNames_data()
    {
        QTest::addColumn<QString>("face");
        QTest::addColumn<QStringList>("codes");
        QTest::addColumn<QStringList>("names");
        const QStringList cjk
            = { QStringLiteral("zh-CN"), QStringLiteral("zh-TW"), QStringLiteral("ja"), QStringLiteral("ko") };
        QTest::newRow("sc") << QStringLiteral("NotoSansCJKsc-Regular.otf") << QStringList { cjk.at(0) } << cjk;
        QTest::newRow("tc") << QStringLiteral("NotoSansCJKtc-Regular.otf") << QStringList { cjk.at(1) } << cjk;
        QTest::newRow("jp") << QStringLiteral("NotoSansCJKjp-Regular.otf") << QStringList { cjk.at(2) } << cjk;
        QTest::newRow("kr") << QStringLiteral("NotoSansCJKkr-Regular.otf") << QStringList { cjk.at(3) } << cjk;
        QStringList western = LanguageStandIn::codes();
        for (const QString &code : cjk)
            western.removeOne(code);
        for (const char *weight : { "Light", "Regular", "Medium" })
            QTest::newRow(weight) << QStringLiteral("Roboto-%1.ttf").arg(QLatin1String(weight)) << western << western;
    }

    void packedFacesCoverTheirTranslationsAndTheLanguageNames()
    {
        QFETCH(QString, face);
        QFETCH(QStringList, codes);
        QFETCH(QStringList, names);
        QFile file(QStringLiteral(":/fonts/") + face);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QRawFont font(file.readAll(), 16);
        QVERIFY(font.isValid());

        QString text;
        for (const QString &code : codes) {
            for (const Message &message : readTs(code))
                text += message.translation;
        }
        static const QRegularExpression tag(QStringLiteral("<[^>]*>"));
        const QStringList displayNames = LanguageStandIn::displayNames();
        for (const QString &code : names)
            text += QString(displayNames.at(LanguageStandIn::rowOf(code))).remove(tag);
        for (const uint character : text.toUcs4()) {
            if (!QChar::isSpace(character))
                QVERIFY2(font.supportsCharacter(character),
                    qPrintable(QStringLiteral("U+%1").arg(character, 4, 16, QLatin1Char('0'))));
        }
    }

    void pagesFollowTheChosenLanguage()
    {
        QmlHarness harness;
        QObject *root = harness.root();
        QObject *next = harness.find(QStringLiteral("pageFooter"))->property("nextBtn").value<QObject *>();
        QVERIFY(visibleText(harness.page(), QStringLiteral("Health and safety")));

        callQml(root, "applyLanguage", LanguageStandIn::rowOf(QStringLiteral("de")));
        QVERIFY(visibleText(harness.page(), QStringLiteral("Gesundheit und Sicherheit")));
        QCOMPARE(next->property("text").toString(), QStringLiteral("VERSTANDEN"));

        callQml(root, "applyLanguage", LanguageStandIn::rowOf(QStringLiteral("zh-CN")));
        QQuickItem *title = visibleText(harness.page(), QStringLiteral("健康与安全"));
        QVERIFY(title);
        QCOMPARE(title->property("font").value<QFont>().family(), QStringLiteral("Noto Sans CJK SC"));

        callQml(root, "applyLanguage", LanguageStandIn::rowOf(QStringLiteral("ja")));
        harness.load(QStringLiteral("pLegal.qml"));
        QVERIFY(visibleText(harness.page(), QStringLiteral("NOVA へようこそ")));
    }

    void rightToLeftWhenTheRootSaysSo()
    {
        QmlHarness harness({ { QStringLiteral("bIsLangAr"), true } });
        QObject *page = harness.load(QStringLiteral("pDriver.qml"));
        const auto items = page->findChildren<QQuickItem *>();
        const bool rtlParagraph = std::any_of(items.cbegin(), items.cend(), [](QQuickItem *item) {
            return item->inherits("QQuickText")
                && item->property("text").toString().contains(QLatin1String("<p dir=\"rtl\">"));
        });
        QVERIFY(rtlParagraph);
        // The footer's buttons move to the left edge.
        auto *next = harness.find(QStringLiteral("pageFooter"))->property("nextBtn").value<QQuickItem *>();
        QVERIFY(next->mapToScene(QPointF()).x() < harness.window()->width() / 2);
    }
};

QTEST_MAIN(TestQmlTranslations)
#include "tst_qmltranslations.moc"
