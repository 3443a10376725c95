#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <QtGlobal>

// The count a benchmark takes as its first argument (at least 1), or fallback when
// none is given.
inline int countArgument(int argc, char *argv[], int fallback)
{
    return argc > 1 ? qMax(1, QByteArray(argv[1]).toInt()) : fallback;
}

// A private sandbox machine for one benchmark run: every machine-wide place of the
// platform layer lives in a temporary folder that goes away with this object.
class BenchMachine {
public:
    BenchMachine() { qputenv("NOVA_MACHINE_ROOT", QFile::encodeName(m_folder.path())); }

    QString filePath(const QString &name) const { return m_folder.filePath(name); }

private:
    QTemporaryDir m_folder;
};
