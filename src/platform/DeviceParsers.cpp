#include "platform/DeviceParsers.h"

#include <QList>

namespace platform {

HidId hidIdFromUevent(const QByteArray &uevent)
{
    for (const QByteArray &line : uevent.split('\n')) {
        if (!line.startsWith("HID_ID="))
            continue;
        const QList<QByteArray> parts = line.mid(7).trimmed().split(':');
        if (parts.size() != 3)
            return {};
        bool busOk = false, vendorOk = false, productOk = false;
        HidId id;
        const uint bus = parts.at(0).toUInt(&busOk, 16);
        const uint vendor = parts.at(1).toUInt(&vendorOk, 16);
        const uint product = parts.at(2).toUInt(&productOk, 16);
        if (!busOk || !vendorOk || !productOk || bus > 0xffff || vendor > 0xffff || product > 0xffff)
            return {};
        id.valid = true;
        id.bus = quint16(bus);
        id.vendor = quint16(vendor);
        id.product = quint16(product);
        return id;
    }
    return {};
}

int usbPortFromDevpath(const QByteArray &devpath)
{
    const QByteArray text = devpath.trimmed();
    bool ok = false;
    const int port = text.mid(text.lastIndexOf('.') + 1).toInt(&ok);
    return ok && port > 0 ? port : 0;
}

QString usbHubDevicePath(quint16 vendor, quint16 product, const QString &instance)
{
    return QString::asprintf("\\\\?\\USB#VID_%04X&PID_%04X#", vendor, product) + instance
        + QStringLiteral("#{f18a0e88-c30c-11d0-8815-00a0c906bed8}");
}

QString hidDevicePath(quint16 vendor, quint16 product, int interfaceNumber, const QString &instance)
{
    QString path = QString::asprintf("\\\\?\\HID#VID_%04X&PID_%04X", vendor, product);
    if (interfaceNumber >= 0)
        path += QString::asprintf("&MI_%02X", unsigned(interfaceNumber));
    return path + QLatin1Char('#') + instance + QStringLiteral("#{4d1e55b2-f16f-11cf-88cb-001111000030}");
}

} // namespace platform
