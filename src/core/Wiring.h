#pragma once

#include <QByteArray>
#include <QMetaMethod>
#include <QObject>

#include <type_traits>

// Checked connections between the managers and between them and the QML window. A
// connection that cannot be made (an object that was not found, a signal or method
// that is not there) is logged as critical, naming both ends, instead of leaving a
// dead wire that only Qt's own warning mentions.
namespace Wiring {

// By signature ("jumpNext()", "setBackStatus(bool,bool,QString)"): for QML objects, whose
// signals and functions are known by name only. method may be a slot, a function or a
// signal of receiver (then the signal is forwarded).
bool connect(const QObject *sender, const char *signal, const QObject *receiver, const char *method,
    Qt::ConnectionType type = Qt::AutoConnection);

// Logs the failed connection; signal and method as far as they are known.
void reportFailure(const QObject *sender, const QByteArray &signal, const QObject *receiver, const QByteArray &method);

// By member pointers, checked at compile time; what can still fail is an end that is
// missing.
template<typename Sender, typename Signal, typename Receiver, typename Slot,
    std::enable_if_t<std::is_member_function_pointer_v<Signal>, bool> = true>
bool connect(const Sender *sender, Signal signal, const Receiver *receiver, Slot slot,
    Qt::ConnectionType type = Qt::AutoConnection)
{
    if (sender && receiver) {
        // A unique connection that exists already is refused, and that is no fault.
        if (QObject::connect(sender, signal, receiver, slot, type) || (type & Qt::UniqueConnection))
            return true;
    }
    reportFailure(sender, QMetaMethod::fromSignal(signal).methodSignature(), receiver, QByteArray());
    return false;
}

} // namespace Wiring
