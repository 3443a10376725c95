// nova-test-helper: holds platform objects in a second process for the tests.
//   hold-mutex NAME          takes the mutex, prints "locked" (or "refused", exit 1), then waits to be killed
//   try-mutex NAME           exit 0 when the mutex could be taken, 1 when it is held
//   hold-event NAME 0|1      creates the event, prints "created" or "existed", then waits to be killed
//   set-event NAME           opens the event and sets it; exit 1 when it does not exist
//   reg-write KEY PREFIX N   writes the values PREFIX0..PREFIX<N-1> = 0..N-1
//   sleep                    waits to be killed

#include "platform/NamedEvent.h"
#include "platform/NamedMutex.h"
#include "platform/Registry.h"

#include <QCoreApplication>
#include <QThread>

#include <cstdio>

namespace {

[[noreturn]] void waitToBeKilled()
{
    std::fflush(stdout);
    for (;;)
        QThread::sleep(60);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    const QString verb = args.value(0);
    const QString name = args.value(1);

    if (verb == QLatin1String("hold-mutex") || verb == QLatin1String("try-mutex")) {
        platform::NamedMutex mutex(name);
        const bool locked = mutex.tryLock();
        if (verb == QLatin1String("try-mutex"))
            return locked ? 0 : 1;
        std::puts(locked ? "locked" : "refused");
        if (!locked)
            return 1;
        waitToBeKilled();
    }
    if (verb == QLatin1String("hold-event")) {
        platform::NamedEvent event(name);
        if (!event.create(args.value(2) == QLatin1String("1")))
            return 1;
        std::puts(event.alreadyExisted() ? "existed" : "created");
        waitToBeKilled();
    }
    if (verb == QLatin1String("set-event")) {
        platform::NamedEvent event(name);
        return event.open() && event.set() ? 0 : 1;
    }
    if (verb == QLatin1String("reg-write")) {
        const QString prefix = args.value(2);
        const int count = args.value(3).toInt();
        for (int i = 0; i < count; ++i) {
            if (!platform::Registry::write(name, prefix + QString::number(i), i))
                return 1;
        }
        return 0;
    }
    if (verb == QLatin1String("sleep"))
        waitToBeKilled();
    std::fprintf(stderr, "nova-test-helper: unknown command\n");
    return 2;
}
