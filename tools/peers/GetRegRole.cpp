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
    bool ok = false;
    const int number = value.toInt(&ok);
    return ok ? number : -1;
}
