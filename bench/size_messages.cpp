// Measures "Size:" progress messages per second through a real pipe into NovaParser,
// counted when its signals (showInstallInfo, reportDownload, reportSpeed) have been
// delivered to a receiver in the main thread, as a manager receives them. Prints the
// rate with the parser's log lines written to a file and with them dropped, next to the
// bare SOCK_SEQPACKET exchange rate of the same messages.
// Usage: size_messages [messages]   (runs in a private sandbox machine)

#include "BareSeqPacket.h"
#include "BenchSetup.h"

#include "install/NovaParser.h"
#include "install/PipeThreadWin.h"
#include "platform/NamedPipe.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QMutex>
#include <QTime>

#include <cstdio>

namespace {

QFile *logFile = nullptr;

// Writes each line as the wizard's log does: "[time] text (level)".
void writeToFile(QtMsgType, const QMessageLogContext &, const QString &message)
{
    static QMutex mutex;
    const QByteArray line = QStringLiteral("[%1] %2 (D)\n")
                                .arg(QTime::currentTime().toString(QStringLiteral("hh:mm:ss.zzz")), message)
                                .toUtf8();
    QMutexLocker lock(&mutex);
    logFile->write(line);
}

void dropAll(QtMsgType, const QMessageLogContext &, const QString &) { }

double parserRate(int messages)
{
    const QString pipe = PipeThreadWin::pathFor(QStringLiteral("bench_size"));
    NovaParser parser(QStringLiteral("NOVA Sw"), QStringLiteral("NOVA Tundra Software"), 0, 0, false, false);
    PipeThreadWin thread(pipe, &parser);
    QObject receiver;
    int delivered = 0;
    QObject::connect(&parser, &NovaParser::reportDownload, &receiver, [](qint64) {});
    QObject::connect(&parser, &NovaParser::reportSpeed, &receiver, [](double) {});
    QObject::connect(&parser, &NovaParser::showInstallInfo, &receiver,
        [&delivered, messages](const QString &, const QString &, double, double, double, bool, bool) {
            // The first message brings one more (sizes not known yet).
            if (++delivered == messages + 1)
                QCoreApplication::quit();
        });
    thread.start();
    while (!thread.isServing())
        QThread::usleep(100);

    const qint64 step = 65536;
    QThread *sender = QThread::create([&pipe, messages, step] {
        QByteArray reply;
        for (int i = 0; i < messages; ++i) {
            const QByteArray message
                = "Size:" + QByteArray::number(i * step) + '/' + QByteArray::number((messages + 1) * step);
            platform::NamedPipeClient(pipe, 5000).call(message, &reply);
        }
    });
    QElapsedTimer timer;
    timer.start();
    sender->start();
    QCoreApplication::exec();
    const double seconds = timer.nsecsElapsed() / 1e9;
    sender->wait();
    delete sender;
    thread.closePipe();
    thread.wait();
    return messages / seconds;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int messages = countArgument(argc, argv, 20000);
    const BenchMachine machine;

    const double bare = bareSeqPacketRate(
        messages, QFile::encodeName(machine.filePath(QStringLiteral("bare.sock"))), "Size:1048576/2097152");
    QFile log(machine.filePath(QStringLiteral("bench.log")));
    if (!log.open(QIODevice::WriteOnly))
        qFatal("cannot open the log file");
    logFile = &log;
    qInstallMessageHandler(writeToFile);
    const double logged = parserRate(messages);
    qInstallMessageHandler(dropAll);
    const double quiet = parserRate(messages);
    qInstallMessageHandler(nullptr);

    std::printf("messages per run:                    %d\n", messages);
    std::printf("bare SOCK_SEQPACKET:                 %.0f exchanges/s\n", bare);
    std::printf("into NovaParser, log to a file:      %.0f messages/s (%.2f of bare)\n", logged, logged / bare);
    std::printf("into NovaParser, log dropped:        %.0f messages/s (%.2f of bare)\n", quiet, quiet / bare);
    return 0;
}
