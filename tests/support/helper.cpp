// nova-test-helper: holds platform objects in a second process for the tests.
//   hold-mutex NAME          takes the mutex, prints "locked" (or "refused", exit 1), then waits to be killed
//   try-mutex NAME           exit 0 when the mutex could be taken, 1 when it is held
//   hold-event NAME 0|1      creates the event, prints "created" or "existed", then waits to be killed
//   set-event NAME           opens the event and sets it; exit 1 when it does not exist
//   reg-write KEY PREFIX N   writes the values PREFIX0..PREFIX<N-1> = 0..N-1
//   reg-write-crash KEY PREFIX N kill|abort   the same, then dies by SIGKILL or abort()
//   reg-read KEY NAME        prints the value; exit 1 when there is none
//   sleep                    waits to be killed
//   flock PATH               holds an exclusive flock on the file, prints "locked", waits to be killed
//   mkdir PATH               makes the folder (mode 0777 before the umask)
//   symlink TARGET PATH      makes PATH a link to TARGET
// A first argument "--uid N" (as root) makes the helper run as that user and group.

#include "platform/NamedEvent.h"
#include "platform/NamedMutex.h"
#include "platform/Registry.h"

#include <QCoreApplication>
#include <QFile>
#include <QThread>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <grp.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

[[noreturn]] void waitToBeKilled()
{
    std::fflush(stdout);
    for (;;)
        QThread::sleep(60);
}

// Drops every privilege for those of uid (its group being the same number).
bool becomeUser(uid_t uid)
{
    return ::setgroups(0, nullptr) == 0 && ::setresgid(uid, uid, uid) == 0 && ::setresuid(uid, uid, uid) == 0;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    if (args.value(0) == QLatin1String("--uid")) {
        if (!becomeUser(args.value(1).toUInt())) {
            std::perror("nova-test-helper: cannot change the user");
            return 2;
        }
        args = args.mid(2);
    }
    const QString verb = args.value(0);
    const QString name = args.value(1);
    const QByteArray path = QFile::encodeName(name);

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
    if (verb == QLatin1String("reg-write") || verb == QLatin1String("reg-write-crash")) {
        const QString prefix = args.value(2);
        const int count = args.value(3).toInt();
        for (int i = 0; i < count; ++i) {
            if (!platform::Registry::write(name, prefix + QString::number(i), i))
                return 1;
        }
        if (verb == QLatin1String("reg-write"))
            return 0;
        if (args.value(4) == QLatin1String("abort"))
            std::abort();
        ::kill(::getpid(), SIGKILL);
    }
    if (verb == QLatin1String("reg-read")) {
        const QVariant value = platform::Registry::read(name, args.value(2));
        std::puts(qUtf8Printable(value.toString()));
        return value.isValid() ? 0 : 1;
    }
    if (verb == QLatin1String("sleep"))
        waitToBeKilled();
    if (verb == QLatin1String("flock")) {
        const int fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC);
        if (fd < 0 || ::flock(fd, LOCK_EX) != 0)
            return 1;
        std::puts("locked");
        waitToBeKilled();
    }
    if (verb == QLatin1String("mkdir"))
        return ::mkdir(path.constData(), 0777) == 0 ? 0 : 1;
    if (verb == QLatin1String("symlink"))
        return ::symlink(path.constData(), QFile::encodeName(args.value(2)).constData()) == 0 ? 0 : 1;
    std::fprintf(stderr, "nova-test-helper: unknown command\n");
    return 2;
}
