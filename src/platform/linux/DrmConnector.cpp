#include "DrmConnector.h"

#include <QFile>
#include <QVector>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace platform {

namespace {

// The two mode-setting requests of the kernel's DRM interface (include/uapi/drm/
// drm_mode.h) that read an object's properties. Declared here because Debian ships the
// DRM headers only with libdrm's development package; the layout is kernel ABI.
struct ObjectProperties {
    quint64 propsPtr;
    quint64 propValuesPtr;
    quint32 countProps;
    quint32 objId;
    quint32 objType;
};

struct PropertyInfo {
    quint64 valuesPtr;
    quint64 enumBlobPtr;
    quint32 propId;
    quint32 flags;
    char name[32];
    quint32 countValues;
    quint32 countEnumBlobs;
};

static_assert(sizeof(ObjectProperties) == 32 && sizeof(PropertyInfo) == 64, "DRM ioctl layout");

constexpr unsigned long ObjGetProperties = _IOWR('d', 0xB9, ObjectProperties);
constexpr unsigned long GetProperty = _IOWR('d', 0xAA, PropertyInfo);
constexpr quint32 ObjectConnector = 0xc0c0c0c0;

int request(int fd, unsigned long code, void *argument)
{
    int result;
    do {
        result = ::ioctl(fd, code, argument);
    } while (result == -1 && errno == EINTR);
    return result;
}

} // namespace

bool isNonDesktopConnector(const QString &cardNode, quint32 connectorId)
{
    const int fd = ::open(QFile::encodeName(cardNode).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    bool nonDesktop = false;
    ObjectProperties object {};
    object.objId = connectorId;
    object.objType = ObjectConnector;
    if (request(fd, ObjGetProperties, &object) == 0 && object.countProps > 0) {
        QVector<quint32> ids(int(object.countProps));
        QVector<quint64> values(int(object.countProps));
        object.propsPtr = quint64(quintptr(ids.data()));
        object.propValuesPtr = quint64(quintptr(values.data()));
        if (request(fd, ObjGetProperties, &object) == 0) {
            const int count = qMin(int(object.countProps), ids.size());
            for (int i = 0; i < count; ++i) {
                PropertyInfo property {};
                property.propId = ids.at(i);
                if (request(fd, GetProperty, &property) == 0
                    && std::strncmp(property.name, "non-desktop", sizeof(property.name)) == 0) {
                    nonDesktop = values.at(i) != 0;
                    break;
                }
            }
        }
    }
    ::close(fd);
    return nonDesktop;
}

} // namespace platform
