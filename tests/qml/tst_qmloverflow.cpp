// No text overflows its box: in every language and at every scale of the window, on
// every page and in every dialog of both catalogues, each visible one-line text is as
// wide as its text (none is cut short), and every text lies inside the items around it.

#include "QmlHarness.h"

#include "wizard/DialogCatalogue.h"
#include "wizard/PageDialogCatalogue.h"

#include <QQuickItem>
#include <QTest>

namespace {

// The screens on which the window takes scale 1, 1.5 and 2.
const struct {
    const char *scale;
    int width;
    int height;
} Screens[] = { { "1", 1920, 1080 }, { "1.5", 2560, 1440 }, { "2", 3840, 2160 } };
const QStringList Pages { QStringLiteral("pLegal.qml"), QStringLiteral("pHealth.qml"), QStringLiteral("pCheck.qml"),
    QStringLiteral("pDotNet.qml"), QStringLiteral("pDriver.qml"), QStringLiteral("pFolder.qml"),
    QStringLiteral("pInstall.qml"), QStringLiteral("pComplete.qml"), QStringLiteral("pKeltSignin.qml"),
    QStringLiteral("pSignin.qml"), QStringLiteral("pSw01.qml") };

bool shown(const QQuickItem *item)
{
    return item->isVisible() && item->opacity() > 0;
}

// The visible texts of the window that need more room than they have.
QStringList overflowing(const QObject *root)
{
    QStringList found;
    const auto texts = root->findChildren<QQuickItem *>();
    for (const QQuickItem *text : texts) {
        if (!text->inherits("QQuickText") || !shown(text))
            continue;
        const QString content = text->property("text").toString();
        if (content.isEmpty())
            continue;
        // The room the text needs, from where it starts: a text that wraps takes the width
        // it was given, one that does not takes its whole line, elided or not. Every item
        // around it that has a size (its button, the card, the page, the window) must
        // hold that.
        const bool wraps = text->property("wrapMode").toInt() != 0;
        const qreal width = wraps ? text->width() : qMax(text->width(), text->implicitWidth());
        const QRectF needed = text->mapRectToScene(QRectF(0, 0, width, 1));
        if (!wraps && text->implicitWidth() > text->width() + 1) {
            found << QStringLiteral("\"%1\" needs %2 px, has %3")
                         .arg(content)
                         .arg(text->implicitWidth(), 0, 'f', 0)
                         .arg(text->width(), 0, 'f', 0);
            continue;
        }
        for (const QQuickItem *holder = text->parentItem(); holder; holder = holder->parentItem()) {
            if (holder->width() <= 0)
                continue;
            const QRectF room = holder->mapRectToScene(QRectF(0, 0, holder->width(), 1));
            if (needed.left() >= room.left() - 1 && needed.right() <= room.right() + 1)
                continue;
            found << QStringLiteral("\"%1\" needs %2 to %3 px, %4 has %5 to %6")
                         .arg(content)
                         .arg(needed.left(), 0, 'f', 0)
                         .arg(needed.right(), 0, 'f', 0)
                         .arg(QString::fromLatin1(holder->metaObject()->className()))
                         .arg(room.left(), 0, 'f', 0)
                         .arg(room.right(), 0, 'f', 0);
            break;
        }
    }
    return found;
}

// Lays the window out as a frame would: positioners and bindings settle when the
// window polishes its items, which a frame (here the drawing of one) does.
void settle(const QmlHarness &harness)
{
    QCoreApplication::processEvents();
    harness.window()->grabWindow();
}

} // namespace

class TestQmlOverflow : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QmlHarness::registerBuiltResources(); }

    void textsFitTheirBoxes_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<int>("screenWidth");
        QTest::addColumn<int>("screenHeight");
        for (const QString &code : LanguageStandIn::codes()) {
            for (const auto &screen : Screens)
                QTest::addRow("%s at %s", qPrintable(code), screen.scale) << code << screen.width << screen.height;
        }
    }
    void textsFitTheirBoxes()
    {
        QFETCH(QString, code);
        QFETCH(int, screenWidth);
        QFETCH(int, screenHeight);
        QmlHarness harness(
            { { QStringLiteral("primScWidth"), screenWidth }, { QStringLiteral("primScHeight"), screenHeight },
                { QStringLiteral("product_name"), QStringLiteral("NOVA Tundra") } });
        QVERIFY(harness.isLoaded());
        callQml(harness.root(), "applyLanguage", LanguageStandIn::rowOf(code));

        QStringList failures;
        for (const QString &page : Pages) {
            harness.load(page);
            settle(harness);
            for (const QString &failure : overflowing(harness.root()))
                failures << page + QStringLiteral(": ") + failure;
        }
        QObject *loader = harness.find(QStringLiteral("pageLoader"));
        const auto showAll = [&](const auto &catalogue, auto isEnhanced) {
            for (const auto &entry : catalogue) {
                callQml(loader, "showDialogImpl", entry.title, entry.description, entry.negative, entry.positive,
                    isEnhanced(entry), entry.id);
                settle(harness);
                for (const QString &failure : overflowing(harness.root()))
                    failures << entry.id + QStringLiteral(": ") + failure;
                callQml(loader, "closeDialog");
            }
        };
        showAll(buildPageDialogCatalogue(false), [](const PageDialogEntry &entry) { return entry.enhanced; });
        showAll(buildDialogCatalogue(QStringLiteral("NOVA Tundra"), true, false),
            [](const DialogEntry &) { return false; });
        failures.removeDuplicates();
        QVERIFY2(failures.isEmpty(), qPrintable(failures.join(QLatin1Char('\n'))));
    }
};

QTEST_MAIN(TestQmlOverflow)
#include "tst_qmloverflow.moc"
