#include "core/Wiring.h"

namespace {

QByteArray describe(const QObject *object)
{
    if (!object)
        return QByteArrayLiteral("(missing object)");
    const QString name = object->objectName();
    return name.isEmpty() ? QByteArray(object->metaObject()->className()) : name.toUtf8();
}

// SIGNAL() and SLOT() codes: what QObject::connect expects before a signature.
constexpr char SlotCode = '1';
constexpr char SignalCode = '2';

} // namespace

namespace Wiring {

bool connect(
    const QObject *sender, const char *signal, const QObject *receiver, const char *method, Qt::ConnectionType type)
{
    if (sender && receiver) {
        const QByteArray normalised = QMetaObject::normalizedSignature(method);
        const int index = receiver->metaObject()->indexOfMethod(normalised.constData());
        const char code = index >= 0 && receiver->metaObject()->method(index).methodType() == QMetaMethod::Signal
            ? SignalCode
            : SlotCode;
        const QByteArray normalisedSignal = QMetaObject::normalizedSignature(signal);
        const QByteArray signalText = SignalCode + normalisedSignal;
        const QByteArray methodText = code + normalised;
        if (QObject::connect(sender, signalText.constData(), receiver, methodText.constData(), type))
            return true;
        // A unique connection that exists already is refused, and that is no fault.
        if ((type & Qt::UniqueConnection) && index >= 0
            && sender->metaObject()->indexOfSignal(normalisedSignal.constData()) >= 0
            && QMetaObject::checkConnectArgs(normalisedSignal.constData(), normalised.constData()))
            return true;
    }
    reportFailure(sender, signal, receiver, method);
    return false;
}

void reportFailure(const QObject *sender, const QByteArray &signal, const QObject *receiver, const QByteArray &method)
{
    qCritical("[Wiring] ERROR: Cannot connect %s %s to %s %s", describe(sender).constData(), signal.constData(),
        describe(receiver).constData(), method.constData());
}

} // namespace Wiring
