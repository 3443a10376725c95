// nova-pipe: talks to named pipes from the command line.
//   nova-pipe send NAME MESSAGE [--timeout MS]   one message, prints the reply (as CallNamedPipe)
//   nova-pipe serve NAME [--count N]             prints each message and replies "OK";
//                                                ends on "PipeStop" or after N messages
// NAME is "\\.\pipe\NAME" or the bare short name.

#include "platform/NamedPipe.h"

#include <QCoreApplication>
#include <QTextStream>

namespace {

constexpr const char *Usage = "usage: nova-pipe send NAME MESSAGE [--timeout MS]\n"
                              "       nova-pipe serve NAME [--count N]\n";
constexpr int DefaultTimeoutMs = 5000;
// A connected client that stays silent this long is dropped.
constexpr int ReadTimeoutMs = 5000;

// Reads "--option N" pairs after the fixed arguments; false on anything else.
bool parseNumber(const QStringList &rest, const QString &option, int *value)
{
    if (rest.isEmpty())
        return true;
    bool ok = false;
    if (rest.size() != 2 || rest.at(0) != option)
        return false;
    *value = rest.at(1).toInt(&ok);
    return ok && *value > 0;
}

int send(const QString &pipe, const QString &message, int timeoutMs, QTextStream &out, QTextStream &err)
{
    platform::NamedPipeClient client(pipe, timeoutMs);
    QByteArray reply;
    const auto status = client.call(message.toUtf8(), &reply);
    if (status != platform::NamedPipeClient::Status::Ok) {
        err << "nova-pipe: call to " << pipe << " failed (step " << int(status) << "): " << client.errorString()
            << '\n';
        return 1;
    }
    out << QString::fromUtf8(reply) << '\n';
    return 0;
}

int serve(const QString &pipe, int count, QTextStream &out, QTextStream &err)
{
    platform::NamedPipeServer server(pipe);
    if (!server.listen()) {
        err << "nova-pipe: " << server.errorString() << '\n';
        return 1;
    }
    out << "listening " << pipe << Qt::endl;
    for (int served = 0; count <= 0 || served < count;) {
        if (!server.waitForClient()) {
            err << "nova-pipe: " << server.errorString() << '\n';
            return 1;
        }
        QByteArray message;
        if (!server.readMessage(&message, ReadTimeoutMs))
            continue;
        server.writeReply(QByteArrayLiteral("OK"));
        server.disconnectClient();
        ++served;
        const QString text = platform::pipeMessageText(message);
        out << text << Qt::endl;
        if (text == QLatin1String("PipeStop"))
            break;
    }
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    const QStringList arguments = app.arguments().mid(1);
    const QString verb = arguments.value(0);
    int number = 0;
    if (verb == QLatin1String("send") && arguments.size() >= 3) {
        number = DefaultTimeoutMs;
        if (parseNumber(arguments.mid(3), QStringLiteral("--timeout"), &number))
            return send(arguments.at(1), arguments.at(2), number, out, err);
    } else if (verb == QLatin1String("serve") && arguments.size() >= 2) {
        if (parseNumber(arguments.mid(2), QStringLiteral("--count"), &number))
            return serve(arguments.at(1), number, out, err);
    }
    err << "nova-pipe: bad arguments\n" << Usage;
    return 2;
}
