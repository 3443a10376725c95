// libFuzzer target: feeds random messages to every pipe parser, directly and through a
// served pipe. An input is one flag byte (parser options, process events) followed by
// messages separated by '\n'; the pipe gets the whole input as one message.

#include "install/AccountParser.h"
#include "install/DownloadParser.h"
#include "install/GuideParser.h"
#include "install/NovaParser.h"
#include "install/PipeThreadWin.h"
#include "install/SizeParser.h"
#include "install/SteamParser.h"
#include "platform/NamedPipe.h"

#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

void dropMessages(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "%s\n", qUtf8Printable(message));
        std::abort();
    }
}

// One parser of every kind, with the options of the flag byte.
class ParserSet : public MessageParser {
public:
    explicit ParserSet(quint8 flags)
        : m_flags(flags)
        , m_nova(QStringLiteral("NOVA Sw"), QStringLiteral("Software"), (flags >> 3) & 3, (flags >> 5) & 3, flags & 1,
              flags & 2)
        , m_guide(flags & 4)
    {
    }

    // Every parser sees every message, also after its run has ended.
    bool parseMessage(const QString &message) override
    {
        bool stop = false;
        for (MessageParser *parser : { static_cast<MessageParser *>(&m_nova), static_cast<MessageParser *>(&m_steam),
                 static_cast<MessageParser *>(&m_size), static_cast<MessageParser *>(&m_download),
                 static_cast<MessageParser *>(&m_account), static_cast<MessageParser *>(&m_guide) })
            stop = parser->parseMessage(message) || stop;
        return stop;
    }

    // The child process ends, as the flag byte and code say.
    void processEnds(int code)
    {
        if (!(m_flags & 0x80))
            return;
        const auto status = code & 1 ? QProcess::CrashExit : QProcess::NormalExit;
        m_nova.onProcError(QProcess::ProcessError(code % 6));
        m_nova.onProcFinished(code, status);
        m_size.onProcFinished(code, status);
        m_download.onProcError(QProcess::ProcessError(code % 6));
        m_account.onProcFinished(code, status);
    }

private:
    quint8 m_flags;
    NovaParser m_nova;
    SteamParser m_steam;
    SizeParser m_size;
    DownloadParser m_download;
    AccountParser m_account;
    GuideParser m_guide;
};

// A pipe server that lives across inputs, started again whenever a message ended it.
class Server {
public:
    const QString path = PipeThreadWin::pathFor(QStringLiteral("fuzz_pipe"));

    void ensureServing(quint8 flags)
    {
        if (m_thread && m_thread->isServing())
            return;
        if (m_thread && !m_thread->wait(10000))
            std::abort();
        m_thread.reset(); // before the parser it uses
        m_parser = std::make_unique<ParserSet>(flags);
        m_thread = std::make_unique<PipeThreadWin>(path, m_parser.get());
        m_thread->start();
        for (int i = 0; i < 10000 && !m_thread->isServing(); ++i)
            QThread::usleep(100);
    }

private:
    std::unique_ptr<ParserSet> m_parser;
    std::unique_ptr<PipeThreadWin> m_thread;
};

Server *server = nullptr;

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    static QTemporaryDir machine;
    qputenv("NOVA_MACHINE_ROOT", QFile::encodeName(machine.path()));
    qInstallMessageHandler(dropMessages);
    server = new Server;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    const quint8 flags = data[0];
    const QByteArray input(reinterpret_cast<const char *>(data) + 1, int(size) - 1);

    ParserSet parsers(flags);
    const QList<QByteArray> messages = input.split('\n');
    for (const QByteArray &message : messages)
        parsers.parseMessage(QString::fromUtf8(message));
    parsers.processEnds(messages.size());

    server->ensureServing(flags);
    QByteArray reply;
    platform::NamedPipeClient(server->path, 2000).call(input, &reply);
    return 0;
}
