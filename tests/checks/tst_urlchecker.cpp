#include "LogCapture.h"
#include "LoopbackHttpServer.h"
#include "SandboxMachine.h"

#include "checks/ProductSite.h"
#include "checks/UrlChecker.h"

#include <QDesktopServices>
#include <QElapsedTimer>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QTest>
#include <QUrl>

#include <memory>

namespace {

const QString StatusLine = QStringLiteral("[UrlChecker] onNetReplied() reply status: %1 error: %2");
const QString SupportLine = QStringLiteral("[UrlChecker] Encounter url 404 or 301, direct to default support page.");

QString openLine(const QString &url)
{
    return QStringLiteral("[UrlChecker] openUrl ") + url;
}

} // namespace

// Every case runs in a sandbox machine whose product site is the loopback server, so
// the support page is that server's "/support/" and opened pages land in the record.
class TestUrlChecker : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(m_server.listen()); }
    void init()
    {
        m_server.answer(200, QByteArray());
        m_machine = std::make_unique<SandboxMachine>();
        m_machine->writeProfile({ { QStringLiteral("productSite"), m_server.url(QString()) } });
    }
    void cleanup() { m_machine.reset(); }

    // Only a page that is gone (404) or moved for good (301) leads to the support page;
    // redirects are never followed, and every other answer opens the link itself.
    void theAnswerDecidesWhatOpens_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("location");
        QTest::addColumn<bool>("toSupport");
        QTest::addColumn<QString>("error");
        QTest::newRow("200 opens the link") << "/ok" << 200 << QByteArray() << false << "NoError";
        QTest::newRow("404 opens the support page") << "/gone" << 404 << QByteArray() << true << "ContentNotFoundError";
        QTest::newRow("301 opens the support page") << "/moved" << 301 << QByteArray("/elsewhere") << true << "NoError";
        QTest::newRow("302 opens the link") << "/found" << 302 << QByteArray("/elsewhere") << false << "NoError";
        QTest::newRow("500 opens the link") << "/broken" << 500 << QByteArray() << false << "InternalServerError";
    }
    void theAnswerDecidesWhatOpens()
    {
        QFETCH(QString, path);
        QFETCH(int, status);
        QFETCH(QByteArray, location);
        QFETCH(bool, toSupport);
        QFETCH(QString, error);
        LoopbackHttpServer::Headers headers;
        if (!location.isEmpty())
            headers.append({ "Location", m_server.url(QString::fromLatin1(location)).toLatin1() });
        m_server.answerPath(path, status, "page", headers);
        const QString link = m_server.url(path);
        LogCapture log;
        UrlChecker checker;

        checker.onOpenUrlLink(link);

        const QString opened = toSupport ? m_server.url(QStringLiteral("/support/")) : link;
        QTRY_COMPARE_WITH_TIMEOUT(openedUrls(), QStringList { opened }, 10000);
        QStringList expected { QStringLiteral("[UrlChecker] onOpenUrlLink url:") + link,
            QStringLiteral("[UrlChecker] onNetReplied"), StatusLine.arg(status).arg(error) };
        expected << (toSupport ? SupportLine : openLine(link));
        QString missing;
        QVERIFY2(linesInOrder(log.lines(), expected, &missing), qPrintable(missing));
        QVERIFY(!m_server.requestedPaths().contains(QStringLiteral("/elsewhere")));
        QTRY_VERIFY_WITH_TIMEOUT(checker.findChildren<QNetworkReply *>().isEmpty(), 5000);
    }

    // Without network the link opens unchecked, as it does when the server stays silent
    // past the time limit: a check never keeps the user from the page.
    void anUncheckableLinkOpensItself_data()
    {
        QTest::addColumn<QString>("link");
        QTest::newRow("host not found") << "http://nonexistent.invalid/";
        QTest::newRow("server never answers") << "";
    }
    void anUncheckableLinkOpensItself()
    {
        QFETCH(QString, link);
        if (link.isEmpty()) {
            m_server.stayQuiet();
            link = m_server.url(QStringLiteral("/silent"));
        }
        LogCapture log;
        UrlChecker checker;
        checker.setTransferTimeout(500);
        QElapsedTimer timer;
        timer.start();

        checker.onOpenUrlLink(link);

        QTRY_COMPARE_WITH_TIMEOUT(openedUrls(), QStringList { link }, 15000);
        QVERIFY2(timer.elapsed() < 5000, "the check outlasted its limit");
        const QStringList status = log.startingWith(StatusLine.arg(0).arg(QString()));
        QCOMPARE(status.size(), 1);
        QVERIFY2(status.first().endsWith(QLatin1String("HostNotFoundError"))
                || status.first().endsWith(QLatin1String("OperationCanceledError")),
            qPrintable(status.first()));
        QVERIFY(log.contains(openLine(link)));
    }

    // The network manager comes with the first web link, not with the checker: a mail
    // address does not make one either.
    void theNetworkManagerWaitsForTheFirstWebLink()
    {
        UrlChecker checker;
        checker.setTransferTimeout(500);
        checker.onOpenUrlLink(QStringLiteral("mailto:help@keltnova.example"));
        QVERIFY(checker.findChildren<QNetworkAccessManager *>().isEmpty());

        const QString link = m_server.url(QStringLiteral("/ok"));
        checker.onOpenUrlLink(link);
        QCOMPARE(checker.findChildren<QNetworkAccessManager *>().size(), 1);
        QCOMPARE(checker.findChild<QNetworkAccessManager *>()->transferTimeout(), 500);
        QTRY_COMPARE_WITH_TIMEOUT(openedUrls().last(), link, 10000);
    }

    // Each answer opens the link asked for last, whichever request it answers.
    void twoQuickRequestsBothOpenTheLastLink()
    {
        m_server.answerPath(QStringLiteral("/first"), 200, "first");
        m_server.answerPath(QStringLiteral("/second"), 200, "second");
        const QString second = m_server.url(QStringLiteral("/second"));
        const int requests = m_server.requests();
        UrlChecker checker;

        checker.onOpenUrlLink(m_server.url(QStringLiteral("/first")));
        checker.onOpenUrlLink(second);

        QTRY_COMPARE_WITH_TIMEOUT(openedUrls(), (QStringList { second, second }), 10000);
        QCOMPARE(m_server.requests(), requests + 2);
    }

    // Only web pages are checked over the network: a mail address opens at once, and a
    // local file is neither read nor opened.
    void otherAddressesAreNotFetched_data()
    {
        QTest::addColumn<QString>("link");
        QTest::addColumn<QStringList>("opened");
        QTest::newRow("mailto") << "mailto:help@keltnova.example"
                                << QStringList { QStringLiteral("mailto:help@keltnova.example") };
        QTest::newRow("local file") << "file:///etc/passwd" << QStringList();
    }
    void otherAddressesAreNotFetched()
    {
        QFETCH(QString, link);
        QFETCH(QStringList, opened);
        UrlChecker checker;
        const int requests = m_server.requests();

        checker.onOpenUrlLink(link);

        QCOMPARE(openedUrls(), opened);
        QVERIFY(checker.findChildren<QNetworkReply *>().isEmpty());
        QCOMPARE(m_server.requests(), requests);
    }

    // Pages that open web addresses through QDesktopServices (Qt.openUrlExternally) reach
    // the same browser call once the checker handles their schemes, unchecked.
    void desktopServicesOpenThroughTheChecker()
    {
        const int requests = m_server.requests();
        UrlChecker checker;
        for (const char *scheme : { "http", "https" })
            QDesktopServices::setUrlHandler(QLatin1String(scheme), &checker, "openExternally");
        const bool openedHttps = QDesktopServices::openUrl(QUrl(QStringLiteral("https://drivers.example/get?id=1 2")));
        const bool openedHttp = QDesktopServices::openUrl(QUrl(QStringLiteral("http://drivers.example/")));
        for (const char *scheme : { "http", "https" })
            QDesktopServices::unsetUrlHandler(QLatin1String(scheme));
        QVERIFY(openedHttps && openedHttp);
        QCOMPARE(openedUrls(),
            (QStringList {
                QStringLiteral("https://drivers.example/get?id=1%202"), QStringLiteral("http://drivers.example/") }));
        QCOMPARE(m_server.requests(), requests);
    }

    // (The cases above run with a profile that names the loopback server.)
    void productSiteComesFromTheSandboxProfile_data()
    {
        QTest::addColumn<QJsonObject>("profile");
        QTest::addColumn<QString>("site");
        QTest::newRow("no profile value") << QJsonObject() << "https://www.keltnova.example";
        QTest::newRow("trailing slash") << QJsonObject {
            { QStringLiteral("productSite"), QStringLiteral("http://127.0.0.1:1234/") }
        } << "http://127.0.0.1:1234";
    }
    void productSiteComesFromTheSandboxProfile()
    {
        QFETCH(QJsonObject, profile);
        QFETCH(QString, site);
        m_machine->writeProfile(profile);
        QCOMPARE(productSite(), site);
        QCOMPARE(supportPage(), site + QStringLiteral("/support/"));
    }

private:
    QStringList openedUrls() const { return m_machine->openedUrls(); }

    LoopbackHttpServer m_server;
    std::unique_ptr<SandboxMachine> m_machine;
};

QTEST_GUILESS_MAIN(TestUrlChecker)
#include "tst_urlchecker.moc"
