#include "platform/HardwareParsers.h"

#include <QRegularExpression>

#include <algorithm>

namespace platform {

namespace {

QByteArray hex4(quint16 id)
{
    return QByteArray::number(id, 16).rightJustified(4, '0');
}

// The name on the line that starts at "from" with prefix, or a null array when the
// line does not start so. pci.ids separates an id from its name by two blanks.
QByteArray nameAfter(const QByteArray &text, int from, const QByteArray &prefix)
{
    if (text.mid(from, prefix.size()) != prefix)
        return {};
    const int start = from + prefix.size();
    const int end = text.indexOf('\n', start);
    return text.mid(start, end < 0 ? -1 : end - start).trimmed();
}

} // namespace

PciNames pciNames(const QByteArray &pciIds, quint16 vendorId, quint16 deviceId)
{
    // Vendor lines start in the first column, their devices follow indented by one tab
    // (subsystems by two) until the next line that starts with neither a tab nor '#'.
    const QByteArray vendorLine = hex4(vendorId) + "  ";
    int line = pciIds.startsWith(vendorLine) ? 0 : pciIds.indexOf('\n' + vendorLine);
    if (line < 0)
        return {};
    if (pciIds.at(line) == '\n')
        ++line;
    PciNames names;
    names.vendor = QString::fromUtf8(nameAfter(pciIds, line, vendorLine));
    const QByteArray deviceLine = '\t' + hex4(deviceId) + "  ";
    for (line = pciIds.indexOf('\n', line); line >= 0 && line + 1 < pciIds.size();
         line = pciIds.indexOf('\n', line + 1)) {
        const char first = pciIds.at(line + 1);
        if (first != '\t' && first != '#' && first != '\n')
            break;
        const QByteArray device = nameAfter(pciIds, line + 1, deviceLine);
        if (!device.isNull()) {
            names.device = QString::fromUtf8(device);
            break;
        }
    }
    return names;
}

QString pnpDeviceId(
    quint16 vendorId, quint16 deviceId, quint16 subsystemVendorId, quint16 subsystemDeviceId, quint8 revision)
{
    return QString::asprintf("PCI\\VEN_%04X&DEV_%04X&SUBSYS_%04X%04X&REV_%02X", vendorId, deviceId, subsystemDeviceId,
        subsystemVendorId, revision);
}

QString pnpField(const QString &pnpDeviceId, const QString &marker)
{
    const int start = pnpDeviceId.indexOf(marker);
    if (start < 0)
        return {};
    const int from = start + marker.size();
    const int end = pnpDeviceId.indexOf(QLatin1Char('&'), from);
    return pnpDeviceId.mid(from, end < 0 ? -1 : end - from);
}

QString edidManufacturerLetters(quint16 code)
{
    QString letters;
    for (int shift : { 10, 5, 0 })
        letters.append(QChar(QLatin1Char('A' - 1 + ((code >> shift) & 0x1f))));
    return letters;
}

QString monitorIdFromEdid(const QByteArray &edid)
{
    static const QByteArray header = QByteArray::fromHex("00ffffffffffff00");
    if (edid.size() < 128 || !edid.startsWith(header))
        return {};
    const auto byte = [&edid](int index) { return quint16(quint8(edid.at(index))); };
    const quint16 manufacturer = quint16(byte(8) << 8 | byte(9));
    const quint16 product = quint16(byte(11) << 8 | byte(10));
    return QStringLiteral("MONITOR\\") + edidManufacturerLetters(manufacturer)
        + QString::asprintf("%04X", unsigned(product));
}

QString nvidiaVersionFromProc(const QByteArray &text)
{
    // "NVRM version: NVIDIA UNIX x86_64 Kernel Module  515.76  Mon Sep 12 ..." or
    // "... Open Kernel Module for x86_64  580.95.05  Release Build ...": the first word
    // that starts with a digit and holds a dot.
    static const QRegularExpression version(QStringLiteral("(?:^|\\s)(\\d+\\.[\\d.]+)(?:\\s|$)"));
    const QString firstLine = QString::fromUtf8(text.left(text.indexOf('\n')));
    return version.match(firstLine).captured(1);
}

QString kernelVersionFromRelease(const QByteArray &release)
{
    static const QRegularExpression version(QStringLiteral("^\\d+(?:\\.\\d+)*"));
    return version.match(QString::fromLatin1(release.trimmed())).captured();
}

quint32 nvidiaVersionNumber(const QString &version)
{
    const QStringList parts = version.trimmed().split(QLatin1Char('.'));
    bool majorOk = false;
    const quint32 major = parts.value(0).toUInt(&majorOk);
    if (!majorOk)
        return 0;
    const quint32 minor = parts.size() > 1 ? parts.at(1).toUInt() : 0;
    return major * 100 + qMin(minor, 99u);
}

QList<qint64> memoryBanksFromUdev(const QByteArray &udevData)
{
    static const QRegularExpression size(QStringLiteral("^E:MEMORY_DEVICE_(\\d+)_SIZE=(\\d+)$"));
    static const QRegularExpression absent(QStringLiteral("^E:MEMORY_DEVICE_(\\d+)_PRESENT=0$"));
    QList<QPair<int, qint64>> sizes;
    QList<int> empty;
    for (const QByteArray &raw : udevData.split('\n')) {
        const QString line = QString::fromLatin1(raw.trimmed());
        const QRegularExpressionMatch sizeMatch = size.match(line);
        if (sizeMatch.hasMatch())
            sizes.append({ sizeMatch.captured(1).toInt(), sizeMatch.captured(2).toLongLong() });
        const QRegularExpressionMatch absentMatch = absent.match(line);
        if (absentMatch.hasMatch())
            empty.append(absentMatch.captured(1).toInt());
    }
    std::sort(sizes.begin(), sizes.end());
    QList<qint64> banks;
    for (const auto &slot : qAsConst(sizes)) {
        if (!empty.contains(slot.first) && slot.second > 0)
            banks.append(slot.second);
    }
    return banks;
}

qint64 memTotalFromMeminfo(const QByteArray &meminfo)
{
    for (const QByteArray &line : meminfo.split('\n')) {
        if (line.startsWith("MemTotal:"))
            return line.mid(9).trimmed().split(' ').value(0).toLongLong() * 1024;
    }
    return 0;
}

} // namespace platform
