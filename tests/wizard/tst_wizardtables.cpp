// The page lists and the two dialog catalogues as built for each mode and language.

#include "wizard/DialogCatalogue.h"
#include "wizard/PageDialogCatalogue.h"
#include "wizard/PageList.h"

#include <QSet>
#include <QTest>
#include <QTranslator>

namespace {

// "name section back next text": back "on" or "off"; next "on", "off" or "shown"
// (shown but disabled).
QString describe(const PageEntry &page)
{
    const QString next = page.nextEnabled ? QStringLiteral("on")
        : page.nextVisible                ? QStringLiteral("shown")
                                          : QStringLiteral("off");
    return QStringList { page.name, QString::number(page.section),
        page.backEnabled && page.backVisible ? QStringLiteral("on") : QStringLiteral("off"), next, page.nextText }
        .join(QLatin1Char(' '))
        .trimmed();
}

template<typename Entry> QStringList idsOf(const QVector<Entry> &catalogue)
{
    QStringList ids;
    for (const Entry &entry : catalogue)
        ids << entry.id;
    return ids;
}

template<typename Entry> Entry entryOf(const QVector<Entry> &catalogue, const QString &id)
{
    const int index = int(idsOf(catalogue).indexOf(id));
    return index < 0 ? Entry() : catalogue.at(index);
}

} // namespace

class TestWizardTables : public QObject {
    Q_OBJECT

private slots:
    void pageListsPerMode_data()
    {
        QTest::addColumn<bool>("isSWOA");
        QTest::addColumn<bool>("isOtherDev");
        QTest::addColumn<QStringList>("pages");
        const QString install = QStringLiteral("pInstall.qml 1 off off NEXT");
        const QString complete = QStringLiteral("pComplete.qml 1 off on OK");
        const QString firstFolder = QStringLiteral("pFolder.qml 1 off shown INSTALL");
        QTest::newRow("full") << false << false
                              << QStringList { QStringLiteral("pHealth.qml 0 off on I UNDERSTAND"),
                                     QStringLiteral("pCheck.qml 0 on on NEXT"),
                                     QStringLiteral("pDriver.qml 0 on on NEXT"),
                                     QStringLiteral("pFolder.qml 1 on on INSTALL"), install, complete };
        QTest::newRow("software only") << true << false
                                       << QStringList { QStringLiteral("pLegal.qml 0 off off"),
                                              QStringLiteral("pDotNet.qml 0 on on NEXT"), firstFolder, install,
                                              complete };
        QTest::newRow("other device") << false << true << QStringList { firstFolder, install, complete };
    }
    void pageListsPerMode()
    {
        QFETCH(bool, isSWOA);
        QFETCH(bool, isOtherDev);
        QFETCH(QStringList, pages);
        QStringList built;
        for (const PageEntry &page : buildPageList(isSWOA, isOtherDev)) {
            QVERIFY(page.headerVisible);
            QVERIFY(page.backText.isEmpty());
            built << describe(page);
        }
        QCOMPARE(built, pages);
    }

    void pageDialogCatalogue()
    {
        const QVector<PageDialogEntry> catalogue = buildPageDialogCatalogue(false);
        const QStringList ids = idsOf(catalogue);
        QCOMPARE(QSet<QString>(ids.cbegin(), ids.cend()).size(), 17);
        for (const PageDialogEntry &entry : catalogue) {
            QCOMPARE(entry.fullWindow, entry.id.startsWith(QLatin1String("Init00Err")));
            QCOMPARE(entry.enhanced, entry.id == QLatin1String("BgdlInfo"));
        }
        QCOMPARE(entryOf(catalogue, QStringLiteral("CommonError")).title, QStringLiteral("Quit NOVA Tundra Setup?"));
        QCOMPARE(entryOf(buildPageDialogCatalogue(true), QStringLiteral("CommonError")).title,
            QStringLiteral("Quit NOVAPORT Setup?"));
        QVERIFY(entryOf(catalogue, QStringLiteral("Init00Err4")).description.endsWith(QLatin1String("</a>")));
        // The download's progress is filled in where the dialog is shown.
        QVERIFY(entryOf(catalogue, QStringLiteral("Sw01Err20")).description.contains(QLatin1String("%1%")));
    }

    void dialogCatalogueFillsItsTexts()
    {
        const QVector<DialogEntry> catalogue = buildDialogCatalogue(QStringLiteral("NOVA 2020"), true, false);
        const QStringList ids = idsOf(catalogue);
        QCOMPARE(QSet<QString>(ids.cbegin(), ids.cend()).size(), ids.size());
        for (const DialogEntry &entry : catalogue) {
            for (const QString &text : { entry.title, entry.description, entry.negative, entry.positive })
                QVERIFY2(
                    !text.contains(QLatin1String("%1")) && !text.contains(QLatin1String("%2")), qPrintable(entry.id));
        }
        QCOMPARE(entryOf(catalogue, QStringLiteral("CO001")).title, QStringLiteral("NOVA 2020 is already running"));
        QVERIFY(entryOf(catalogue, QStringLiteral("HMD001")).description.contains(QLatin1String("USB / DisplayPort")));
        QVERIFY(entryOf(catalogue, QStringLiteral("CO003")).description.endsWith(QLatin1String("</a>")));
        const QString faq = entryOf(catalogue, QStringLiteral("IN013")).description;
        QVERIFY(faq.contains(QLatin1String(
            "/hc/articles/360007712712?utm_source=pcclient&utm_medium=errormessage\" target=\"_blank\">")));
        QVERIFY(faq.contains(QLatin1String("<span style=\"color:#007999\">FAQ</span></a>")));
        // The hardware guide words the quit question for itself.
        QCOMPARE(entryOf(buildDialogCatalogue(QStringLiteral("NOVA 2020"), false, true), QStringLiteral("CO004")).title,
            QStringLiteral("Quit NOVA 2020 Hardware Setup Guide?"));
    }

    void textsFollowTheLanguage()
    {
        QTranslator german;
        QVERIFY(german.load(
            QStringLiteral("Tundra_OOBE_de"), qEnvironmentVariable("NOVA_BIN_DIR") + QStringLiteral("/Language")));
        QCoreApplication::installTranslator(&german);
        const PageEntry health = buildPageList(false, false).constFirst();
        const PageDialogEntry admin = entryOf(buildPageDialogCatalogue(false), QStringLiteral("Init00Err1"));
        const DialogEntry quit
            = entryOf(buildDialogCatalogue(QStringLiteral("NOVA Tundra"), true, false), QStringLiteral("CO004"));
        QCoreApplication::removeTranslator(&german);

        QCOMPARE(health.nextText, QStringLiteral("VERSTANDEN"));
        QCOMPARE(admin.title, QStringLiteral("Als Administrator anmelden"));
        QCOMPARE(quit.title, QStringLiteral("NOVA Tundra Setup beenden?"));
    }
};

QTEST_GUILESS_MAIN(TestWizardTables)
#include "tst_wizardtables.moc"
