#include "Roles.h"

#include "platform/Registry.h"

#include <cstdio>

int runGetReg(const QStringList &arguments, const Scenario &)
{
    if (arguments.size() != 3) {
        std::fprintf(stderr, "GetReg: expected <hive> <key> <value name>\n");
        return -1;
    }
    const QVariant value
        = platform::Registry::read(arguments.at(0) + QLatin1Char('\\') + arguments.at(1), arguments.at(2));
    // The exit code keeps only eight bits on Linux, too few for a process or user id:
    // the whole number is printed as well.
    bool ok = false;
    const qlonglong number = value.toLongLong(&ok);
    std::printf("%lld\n", ok ? number : -1LL);
    return ok ? int(number) : -1;
}
