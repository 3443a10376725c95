// The shared style's pure functions on the real QML engine: the WCAG contrast of the
// colour pairs the components show (a regression below the minimum fails), the
// plain text read to assistive technology, the links found in a rich text and the
// picture folder for a device pixel ratio.

#include "QmlHarness.h"

#include <QJSValue>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QTest>

namespace {

// Calls function of Style.js (from base.rcc) with the arguments.
QVariant style(QQmlEngine &engine, const QString &function, const QVariantList &arguments)
{
    QQmlComponent component(&engine);
    component.setData("import QtQml 2.15\nimport \"qrc:/Style.js\" as Style\n"
                      "QtObject { function call(name, args) { var f = Style[name];"
                      " return typeof f === \"function\" ? f.apply(null, args) : f } }",
        QUrl(QStringLiteral("qrc:/style-test.qml")));
    std::unique_ptr<QObject> object(component.create());
    if (!object) {
        qWarning() << component.errors();
        return QVariant();
    }
    QVariant result;
    QMetaObject::invokeMethod(object.get(), "call", Q_RETURN_ARG(QVariant, result), Q_ARG(QVariant, function),
        Q_ARG(QVariant, QVariant(arguments)));
    return result.value<QJSValue>().isUndefined() ? result : result.value<QJSValue>().toVariant();
}

} // namespace

class TestQmlStyle : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QmlHarness::registerBuiltResources(); }

    void contrastRatioFollowsWcag_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::addColumn<double>("ratio");
        QTest::newRow("black on white") << "#000000"
                                        << "#ffffff" << 21.0;
        QTest::newRow("either order") << "#ffffff"
                                      << "#000000" << 21.0;
        QTest::newRow("a colour on itself") << "#3f4756"
                                            << "#3f4756" << 1.0;
        QTest::newRow("mid grey just under 4.5") << "#777777"
                                                 << "#ffffff" << 4.48;
        QTest::newRow("pure red") << "#ff0000"
                                  << "#ffffff" << 4.0;
    }

    void contrastRatioFollowsWcag()
    {
        QFETCH(QString, first);
        QFETCH(QString, second);
        QFETCH(double, ratio);
        QQmlEngine engine;
        QCOMPARE(qRound(style(engine, QStringLiteral("contrastRatio"), { first, second }).toDouble() * 100),
            qRound(ratio * 100));
    }

    // Text at least 4.5:1 on what it is shown on (all the wizard's texts are below the
    // large-text size but the titles), the focus ring 3:1.
    void colourPairsKeepTheirContrast_data()
    {
        QTest::addColumn<QString>("foreground");
        QTest::addColumn<QString>("background");
        QTest::addColumn<double>("minimum");
        for (const char *text : { "C1", "C2", "C3", "C4", "C5", "C8", "C9" }) {
            for (const char *surface : { "surface", "background" })
                QTest::addRow("%s on %s", text, surface) << text << surface << 4.5;
        }
        QTest::newRow("C7 (small print) on surface") << "C7"
                                                     << "surface" << 4.5;
        QTest::newRow("C1 on the current language's tint") << "C1"
                                                           << "tint" << 4.5;
        QTest::newRow("C9 on the current language's tint") << "C9"
                                                           << "tint" << 4.5;
        for (const char *accent : { "accent", "accentHover", "accentPressed" })
            QTest::addRow("C6 on %s (primary button)", accent) << "C6" << accent << 4.5;
        QTest::newRow("focus ring on surface") << "focus"
                                               << "surface" << 3.0;
        QTest::newRow("focus ring on background") << "focus"
                                                  << "background" << 3.0;
    }

    void colourPairsKeepTheirContrast()
    {
        QFETCH(QString, foreground);
        QFETCH(QString, background);
        QFETCH(double, minimum);
        QQmlEngine engine;
        const auto colour = [&](const QString &name) {
            return name.startsWith(QLatin1Char('C')) ? style(engine, QStringLiteral("color"), { name }).toString()
                                                     : style(engine, name, {}).toString();
        };
        const QString fg = colour(foreground);
        const QString bg = colour(background);
        QVERIFY2(fg.startsWith(QLatin1Char('#')) && bg.startsWith(QLatin1Char('#')), qPrintable(fg + bg));
        const double ratio = style(engine, QStringLiteral("contrastRatio"), { fg, bg }).toDouble();
        QVERIFY2(ratio >= minimum, qPrintable(QStringLiteral("%1 on %2: %3:1").arg(fg, bg).arg(ratio, 0, 'f', 2)));
    }

    void plainTextIsWhatAReaderHears_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("plain");
        QTest::newRow("plain") << "Health and safety"
                               << "Health and safety";
        QTest::newRow("span marker of a dialog button") << "QUIT SETUP<span id=\"common-01\"></span>"
                                                        << "QUIT SETUP";
        QTest::newRow("link style sheet and a link")
            << "<style>a { color: #007999; }</style>See <a href=\"https://x.test\">qt.io</a>."
            << "See qt.io.";
        QTest::newRow("entities") << "Tom &amp; Jerry &lt;3 &#169; &#x4e2d; &nbsp;"
                                  << "Tom & Jerry <3 \u00a9 \u4e2d";
        QTest::newRow("unknown entity kept") << "a &bogus; b"
                                             << "a &bogus; b";
        QTest::newRow("line breaks and paragraphs") << "<p dir=\"rtl\">one<br/>two</p>three"
                                                    << "one two three";
        QTest::newRow("bold") << "version <b>431.60</b> or later"
                              << "version 431.60 or later";
        QTest::newRow("empty") << ""
                               << "";
    }

    void plainTextIsWhatAReaderHears()
    {
        QFETCH(QString, text);
        QFETCH(QString, plain);
        QQmlEngine engine;
        QCOMPARE(style(engine, QStringLiteral("plain"), { text }).toString(), plain);
    }

    void linksAreFoundInTheirOrder_data()
    {
        QTest::addColumn<QString>("html");
        QTest::addColumn<QStringList>("links");
        QTest::newRow("none") << "No link here." << QStringList();
        QTest::newRow("the terms") << "accept the <a href=\"u/eula\">EULA</a>, <a href=\"u/terms\">terms of use</a>"
                                      " and <a href='u/privacy'>privacy policy</a>."
                                   << QStringList { QStringLiteral("u/eula EULA"),
                                          QStringLiteral("u/terms terms of use"),
                                          QStringLiteral("u/privacy privacy policy") };
        QTest::newRow("other attributes and markup in the label")
            << "<a target=\"_blank\" href=\"https://h.test/a?x=1&y=2\"><span style=\"color:#007999\">FAQ</span></a>"
            << QStringList { QStringLiteral("https://h.test/a?x=1&y=2 FAQ") };
        QTest::newRow("an anchor without href") << "<a name=\"top\">top</a>" << QStringList();
    }

    void linksAreFoundInTheirOrder()
    {
        QFETCH(QString, html);
        QFETCH(QStringList, links);
        QQmlEngine engine;
        QStringList found;
        for (const QVariant &link : style(engine, QStringLiteral("links"), { html }).toList()) {
            const QVariantMap map = link.toMap();
            found << map.value(QStringLiteral("href")).toString() + QLatin1Char(' ')
                    + map.value(QStringLiteral("label")).toString();
        }
        QCOMPARE(found, links);
    }

    void picturesFollowTheDevicePixelRatio_data()
    {
        QTest::addColumn<double>("ratio");
        QTest::addColumn<QString>("folder");
        QTest::newRow("1") << 1.0 << "@1x";
        QTest::newRow("window 1.5") << 1.5 << "@1.5x";
        QTest::newRow("window 1 x QT_SCALE_FACTOR 1.25") << 1.25 << "@1.5x";
        QTest::newRow("window 1 x QT_SCALE_FACTOR 2") << 2.0 << "@2x";
        QTest::newRow("window 1.5 x QT_SCALE_FACTOR 1.5") << 2.25 << "@2x";
        QTest::newRow("below 1") << 0.75 << "@1x";
    }

    void picturesFollowTheDevicePixelRatio()
    {
        QFETCH(double, ratio);
        QFETCH(QString, folder);
        QQmlEngine engine;
        QCOMPARE(style(engine, QStringLiteral("scaleFolder"), { ratio }).toString(), folder);
    }
};

QTEST_MAIN(TestQmlStyle)
#include "tst_qmlstyle.moc"
