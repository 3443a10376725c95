// The packed faces on a machine without such fonts of its own (fontconfig sees DejaVu
// only): the three Roboto weights are there before any window, and the window loads a
// Chinese, Japanese or Korean face when the language or the language selector needs one,
// and not before.

#include "QmlHarness.h"

#include <QFontDatabase>
#include <QTest>

namespace {

bool hasFamily(const QString &family)
{
    return QFontDatabase().families().contains(family);
}

} // namespace

class TestQmlFonts : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QmlHarness::registerBuiltResources(); }

    // Cut-down faces keep their typographic family: all three are weights of "Roboto",
    // where a face known only by its own name ("Roboto Light") would never be chosen.
    void robotoHasItsThreeWeightsBeforeAnyWindow()
    {
        const QFontDatabase fonts;
        for (const char *style : { "Light", "Regular", "Medium" })
            QVERIFY2(fonts.styles(QStringLiteral("Roboto")).contains(QLatin1String(style)), style);
    }

    // First: a loaded font stays for the rest of the process.
    void aWesternLanguageLoadsNoCjkFace()
    {
        QmlHarness harness;
        QVERIFY(harness.isLoaded());
        for (const char *face : { "SC", "TC", "JP", "KR" })
            QVERIFY2(!hasFamily(QStringLiteral("Noto Sans CJK ") + QLatin1String(face)), face);
        QCOMPARE(harness.root()->property("styledTextFamily").toString(), QStringLiteral("Roboto"));
    }

    void theLanguageSelectorBringsAFaceForTheNames()
    {
        QmlHarness harness;
        harness.load(QStringLiteral("pLegal.qml"));
        QVERIFY(hasFamily(QStringLiteral("Noto Sans CJK TC")));
    }

    void aCjkLanguageGetsItsOwnFace()
    {
        QmlHarness harness;
        callQml(harness.root(), "applyLanguage", LanguageStandIn::rowOf(QStringLiteral("ko")));
        QCOMPARE(harness.root()->property("styledTextFamily").toString(), QStringLiteral("Noto Sans CJK KR"));
        QVERIFY(hasFamily(QStringLiteral("Noto Sans CJK KR")));
    }
};

QTEST_MAIN(TestQmlFonts)
#include "tst_qmlfonts.moc"
