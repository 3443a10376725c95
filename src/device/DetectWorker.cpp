#include "device/DetectWorker.h"

#include "checks/GraphicsChecker.h"
#include "platform/Devices.h"
#include "platform/Hardware.h"
#include "platform/Machine.h"

namespace {

using namespace platform;

const QString HubId = QStringLiteral("VID_0BB4&PID_2134");
const QString KeltMcuId = QStringLiteral("VID_0BB4&PID_2C87");
const QString ValveMcu1Id = QStringLiteral("VID_28DE&PID_2000&MI_00");
const QString ValveMcu2Id = QStringLiteral("VID_28DE&PID_2000&MI_01");
const QString ControllerId = QStringLiteral("VID_28DE&PID_2101");
const QString MonitorIds[] = { QStringLiteral("TSB8888"), QStringLiteral("ZephAA01") };

constexpr qint32 HidPresent = 3;

bool contains(const QString &path, const QString &id)
{
    return path.contains(id, Qt::CaseInsensitive);
}

bool allFunctionsPresent(const DEVICE_INFO &status)
{
    for (const qint32 field :
        { status.dsKeltMcu, status.dsValveMcu1, status.dsValveMcu2, status.dsController1, status.dsController2 }) {
        if (field != HidPresent)
            return false;
    }
    return true;
}

} // namespace

DetectWorker::DetectWorker(GraphicsChecker *graphicsChecker, QObject *parent)
    : QObject(parent)
    , m_graphicsChecker(graphicsChecker)
    , m_hardwareRoot(Machine::hardwareRoot())
{
}

void DetectWorker::onDetectStatus()
{
    m_status = {};
    openHub();
    if (!m_hub.isEmpty()) {
        m_status.dsRootHub = 1;
        readHubPorts();
        readHidInterfaces();
        if (allFunctionsPresent(m_status))
            m_status.dsRootHub = HidPresent;
    }
    readDisplay();
    emit returnStatus(m_status);
}

// The hub is "opened" by name: sysfs answers every question about it without a device
// handle, so nothing is held between passes but the name.
void DetectWorker::openHub()
{
    m_hub.clear();
    const DeviceList<UsbHub> hubs = DeviceReader::usbHubs(m_hardwareRoot);
    if (hubs.error != 0) {
        qWarning("[NovaDetect] SetupDiGetClassDevs failed: 0x%08x", unsigned(hubs.error));
        return;
    }
    for (const UsbHub &hub : hubs.items) {
        // A hub that went away while the list was read has no ids left to compare.
        if (hub.devicePath.isEmpty()) {
            qWarning("[NovaDetect] Error: SetupDiGetInterfaceDeviceDetail failed");
            continue;
        }
        if (contains(hub.devicePath, HubId)) {
            m_hub = hub.name;
            return;
        }
    }
}

void DetectWorker::readHubPorts()
{
    const int ports = DeviceReader::hubPortCount(m_hardwareRoot, m_hub);
    qDebug("[NovaDetect] ulNumOfPorts = %d", ports);
    for (int port = 1; port <= ports; ++port) {
        UsbPortConnection connection;
        int error = 0;
        if (!DeviceReader::hubPortConnection(m_hardwareRoot, m_hub, port, &connection, &error)) {
            qWarning("[NovaDetect] Error: DeviceIoControl failed, 0x%08x", unsigned(error));
            continue;
        }
        if (connection.attached)
            setPortStatus(port, connection.configuration != 0 && connection.interfacesBound ? 1 : 2);
    }
}

void DetectWorker::setPortStatus(int port, qint32 status)
{
    switch (port) {
    case 1:
        m_status.dsValveMcu1 = status;
        m_status.dsValveMcu2 = status;
        break;
    case 5:
        m_status.dsKeltMcu = status;
        break;
    case 6:
        m_status.dsController1 = status;
        break;
    case 7:
        m_status.dsController2 = status;
        break;
    default:
        qWarning("[NovaDetect] Warning: Unknown ConnectionIndex");
    }
}

void DetectWorker::readHidInterfaces()
{
    const DeviceList<QString> interfaces = DeviceReader::hidInterfaces(m_hardwareRoot);
    if (interfaces.error != 0) {
        qWarning("[NovaDetect] SetupDiGetClassDevs failed: 0x%08x", unsigned(interfaces.error));
        return;
    }
    for (const QString &path : interfaces.items) {
        if (contains(path, KeltMcuId))
            m_status.dsKeltMcu = HidPresent;
        else if (contains(path, ValveMcu1Id))
            m_status.dsValveMcu1 = HidPresent;
        else if (contains(path, ValveMcu2Id))
            m_status.dsValveMcu2 = HidPresent;
        else if (contains(path, ControllerId))
            (m_status.dsController1 == HidPresent ? m_status.dsController2 : m_status.dsController1) = HidPresent;
    }
}

void DetectWorker::readDisplay()
{
    for (const DisplayAdapter &adapter : Hardware::displayAdapters()) {
        for (const Monitor &monitor : adapter.monitors) {
            for (const QString &id : MonitorIds) {
                if (contains(monitor.id, id)) {
                    m_status.dsHdmi = 1;
                    return;
                }
            }
        }
    }
    m_status.dsHdmi = m_graphicsChecker && m_graphicsChecker->isDisplayConnected() ? 1 : 0;
}
