#include "UpdaterCommandLine.h"

namespace {

const QLatin1String RegisterTask("-install");
const QLatin1String IgnorePrefix("-IGNORE:");

bool is(const QString &name, const char *expected)
{
    return name.compare(QLatin1String(expected), Qt::CaseInsensitive) == 0;
}

AdditionTask parseAdditionTask(const QString &value)
{
    AdditionTask addition;
    const QStringList words = value.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (const QString &word : words) {
        if (word.startsWith(IgnorePrefix, Qt::CaseInsensitive))
            addition.ignored.append(word.mid(IgnorePrefix.size()));
        else if (addition.task.isEmpty())
            addition.task = word;
        else
            addition.packages.append(word);
    }
    return addition;
}

// Applies one "-Name" or "-Name:value" switch.
void applySwitch(const QString &argument, UpdaterCommandLine *line)
{
    const int colon = argument.indexOf(QLatin1Char(':'));
    const QString name = colon < 0 ? argument : argument.left(colon + 1);
    const QString value = colon < 0 ? QString() : argument.mid(colon + 1);
    if (is(name, "-NP:"))
        line->pipeName = value;
    else if (is(name, "-ExitWhenParentDie:"))
        line->parentPid = qMax<qint64>(0, value.toLongLong());
    else if (is(name, "-NoUI"))
        line->noUI = true;
    else if (is(name, "-OOBE"))
        line->oobe = true;
    else if (is(name, "-CheckTask"))
        line->checkTask = true;
    else if (is(name, "-SkipAdditionTasks"))
        line->skipAdditionTasks = true;
    else if (is(name, "-SelfUpdated"))
        line->selfUpdated = true;
    else if (is(name, "-AdditionTask:"))
        line->additionTasks.append(parseAdditionTask(value));
    else if (is(name, "-IGNORE:"))
        line->ignored.append(value);
    else if (is(name, "-download_type:"))
        line->downloadType = value;
    else if (is(name, "-Location:"))
        line->location = value;
    else
        line->unknownSwitches.append(argument);
}

} // namespace

QString UpdaterCommandLine::job() const
{
    if (task.compare(RegisterTask, Qt::CaseInsensitive) == 0)
        return QLatin1String(Job::Register);
    if (checkTask)
        return QLatin1String(Job::CheckSize);
    if (installs(QStringLiteral("com.kelt.windows.nova_internal.new_updater")))
        return QLatin1String(Job::Updater);
    if (installs(QStringLiteral("com.kelt.windows.nova_internal.steamvr")))
        return QLatin1String(Job::SteamVR);
    if (installs(QStringLiteral("com.kelt.windows.nova_eye.oobe_config")))
        return QLatin1String(Job::Config);
    if (installs(QStringLiteral("com.kelt.windows.nova_eye.hid_manager")))
        return QLatin1String(Job::HidRom);
    if (task == QLatin1String("NOVA_OOBE"))
        return QLatin1String(Job::Guide);
    if (task == QLatin1String("NOVA_SOFTWARE"))
        return QLatin1String(Job::Software);
    return task;
}

UpdaterCommandLine parseUpdaterCommandLine(const QStringList &arguments)
{
    UpdaterCommandLine line;
    if (arguments.isEmpty() || arguments.first().isEmpty()) {
        line.error = QStringLiteral("no task");
        return line;
    }
    line.task = arguments.first();
    for (const QString &argument : arguments.mid(1)) {
        if (argument.startsWith(QLatin1Char('-')))
            applySwitch(argument, &line);
        else
            line.packages.append(argument);
    }
    // The registration call is synchronous and reports through its exit code only.
    if (line.pipeName.isEmpty() && line.job() != QLatin1String(Job::Register))
        line.error = QStringLiteral("no report pipe (-NP:)");
    return line;
}
