#include "DrmConnector.h"

#include <QFile>
#include <QSet>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <mutex>
#include <unistd.h>
#include <xf86drm.h>
#include <xf86drmMode.h>

namespace platform {

namespace {

void logNoAccessOnce(const QString &cardNode, int error)
{
    static std::mutex mutex;
    static QSet<QString> logged;
    const std::lock_guard lock(mutex);
    if (logged.contains(cardNode))
        return;
    logged.insert(cardNode);
    qInfo("[Hardware] No access to the DRM device %s (%s): no display is found in direct mode",
        qUtf8Printable(cardNode), std::strerror(error));
}

bool hasNonDesktop(int fd, quint32 connectorId)
{
    drmModeObjectProperties *properties = drmModeObjectGetProperties(fd, connectorId, DRM_MODE_OBJECT_CONNECTOR);
    if (!properties)
        return false;
    bool nonDesktop = false;
    for (quint32 i = 0; i < properties->count_props; ++i) {
        drmModePropertyRes *property = drmModeGetProperty(fd, properties->props[i]);
        const bool found = property && std::strcmp(property->name, "non-desktop") == 0;
        drmModeFreeProperty(property);
        if (found) {
            nonDesktop = properties->prop_values[i] != 0;
            break;
        }
    }
    drmModeFreeObjectProperties(properties);
    return nonDesktop;
}

} // namespace

QHash<QString, bool> nonDesktopConnectors(const QString &cardNode)
{
    const int fd = ::open(QFile::encodeName(cardNode).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        logNoAccessOnce(cardNode, errno);
        return {};
    }
    QHash<QString, bool> connectors;
    if (drmModeRes *resources = drmModeGetResources(fd)) {
        for (int i = 0; i < resources->count_connectors; ++i) {
            // The current state only: probing the outputs again is the compositor's job.
            drmModeConnector *connector = drmModeGetConnectorCurrent(fd, resources->connectors[i]);
            if (!connector)
                continue;
            const char *type = drmModeGetConnectorTypeName(connector->connector_type);
            const QString name = QString::fromLatin1(type ? type : "Unknown") + QLatin1Char('-')
                + QString::number(connector->connector_type_id);
            connectors.insert(name, hasNonDesktop(fd, connector->connector_id));
            drmModeFreeConnector(connector);
        }
        drmModeFreeResources(resources);
    }
    ::close(fd);
    return connectors;
}

} // namespace platform
