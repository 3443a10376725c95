// nova-reg: queries and edits the registry store, in the manner of reg.exe.
//   nova-reg query  KEY [/v NAME | /ve]
//   nova-reg add    KEY [/v NAME | /ve] [/t REG_SZ|REG_DWORD|REG_QWORD] [/d DATA] [/f]
//   nova-reg delete KEY (/v NAME | /ve) [/f]
//   nova-reg list   KEY
// Sandbox machines are chosen with NOVA_MACHINE_ROOT.

#include "platform/Registry.h"

#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>

namespace {

struct Command {
    QString verb;
    QString key;
    QString name;
    bool hasName = false;
    QString type = QStringLiteral("REG_SZ");
    QString data;
    bool hasData = false;
};

constexpr const char *Usage = "usage: nova-reg query KEY [/v NAME | /ve]\n"
                              "       nova-reg add KEY [/v NAME | /ve] [/t REG_SZ|REG_DWORD|REG_QWORD] [/d DATA] [/f]\n"
                              "       nova-reg delete KEY (/v NAME | /ve) [/f]\n"
                              "       nova-reg list KEY\n";

bool parse(const QStringList &arguments, Command *command, QString *error)
{
    static const QStringList verbs
        = { QStringLiteral("query"), QStringLiteral("add"), QStringLiteral("delete"), QStringLiteral("list") };
    if (arguments.size() < 2 || !verbs.contains(arguments.at(0).toLower())) {
        *error = QStringLiteral("expected a command and a key");
        return false;
    }
    command->verb = arguments.at(0).toLower();
    command->key = arguments.at(1);
    for (int i = 2; i < arguments.size(); ++i) {
        const QString option = arguments.at(i).toLower();
        const bool takesValue
            = option == QLatin1String("/v") || option == QLatin1String("/t") || option == QLatin1String("/d");
        if (takesValue && i + 1 >= arguments.size()) {
            *error = option + QStringLiteral(" needs a value");
            return false;
        }
        if (option == QLatin1String("/v")) {
            command->name = arguments.at(++i);
            command->hasName = true;
        } else if (option == QLatin1String("/ve")) {
            command->name.clear();
            command->hasName = true;
        } else if (option == QLatin1String("/t") && command->verb == QLatin1String("add")) {
            command->type = arguments.at(++i).toUpper();
        } else if (option == QLatin1String("/d") && command->verb == QLatin1String("add")) {
            command->data = arguments.at(++i);
            command->hasData = true;
        } else if (option != QLatin1String("/f") || command->verb == QLatin1String("query")
            || command->verb == QLatin1String("list")) {
            *error = QStringLiteral("unexpected argument ") + arguments.at(i);
            return false;
        }
    }
    if (command->verb == QLatin1String("delete") && !command->hasName) {
        *error = QStringLiteral("delete needs /v NAME or /ve");
        return false;
    }
    if (command->verb == QLatin1String("list") && command->hasName) {
        *error = QStringLiteral("list takes only a key");
        return false;
    }
    return true;
}

// The value to store for "add", or an invalid variant when the data does not fit the type.
QVariant valueFor(const Command &command)
{
    bool ok = true;
    if (command.type == QLatin1String("REG_SZ") || command.type == QLatin1String("REG_EXPAND_SZ"))
        return command.data;
    if (command.type == QLatin1String("REG_DWORD")) {
        const uint number = command.hasData ? command.data.toUInt(&ok, 0) : 0;
        return ok ? QVariant(int(number)) : QVariant();
    }
    if (command.type == QLatin1String("REG_QWORD")) {
        const qulonglong number = command.hasData ? command.data.toULongLong(&ok, 0) : 0;
        return ok ? QVariant(qlonglong(number)) : QVariant();
    }
    return {};
}

QString describe(const QString &name, const QVariant &value)
{
    QString type = QStringLiteral("REG_SZ");
    QString text = value.toString();
    switch (value.userType()) {
    case QMetaType::Int:
        type = QStringLiteral("REG_DWORD");
        text = QStringLiteral("0x") + QString::number(value.toUInt(), 16);
        break;
    case QMetaType::LongLong:
        type = QStringLiteral("REG_QWORD");
        text = QStringLiteral("0x") + QString::number(value.toULongLong(), 16);
        break;
    case QMetaType::QByteArray:
        type = QStringLiteral("REG_BINARY");
        text = QString::fromLatin1(value.toByteArray().toHex().toUpper());
        break;
    default:
        break;
    }
    return QStringLiteral("    ") + (name.isEmpty() ? QStringLiteral("(Default)") : name) + QStringLiteral("    ")
        + type + QStringLiteral("    ") + text;
}

int run(const Command &command, QTextStream &out, QTextStream &err)
{
    using platform::Registry;
    if (command.verb == QLatin1String("add")) {
        const QVariant value = valueFor(command);
        if (!value.isValid()) {
            err << "ERROR: invalid data for " << command.type << ": " << command.data << '\n';
            return 1;
        }
        if (!Registry::write(command.key, command.name, value)) {
            err << "ERROR: cannot write to " << command.key << '\n';
            return 1;
        }
        out << "The operation completed successfully.\n";
        return 0;
    }
    if (command.verb == QLatin1String("delete")) {
        if (!Registry::remove(command.key, command.name)) {
            err << "ERROR: The system was unable to find the specified registry key or value.\n";
            return 1;
        }
        out << "The operation completed successfully.\n";
        return 0;
    }
    const QStringList names = command.hasName ? QStringList { command.name } : Registry::valueNames(command.key);
    if (command.verb == QLatin1String("list")) {
        for (const QString &name : names)
            out << name << '\n';
        return 0;
    }
    QStringList lines;
    for (const QString &name : names) {
        const QVariant value = Registry::read(command.key, name);
        if (value.isValid())
            lines.append(describe(name, value));
    }
    if (lines.isEmpty()) {
        err << "ERROR: The system was unable to find the specified registry key or value.\n";
        return 1;
    }
    out << command.key << '\n' << lines.join(QLatin1Char('\n')) << '\n';
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    Command command;
    QString error;
    if (!parse(app.arguments().mid(1), &command, &error)) {
        err << "nova-reg: " << error << '\n' << Usage;
        return 2;
    }
    return run(command, out, err);
}
