#pragma once

#include <QMetaObject>
#include <QObject>
#include <QVariant>

// Calls of QML functions by name. QML functions take and return `var`, so every
// argument goes as a QVariant. A missing object is no call (false); a missing function
// is reported by Qt itself.
namespace QmlCall {

// Runs the function now, on the calling thread (the object's own).
template<typename... Args> bool call(QObject *object, const char *function, const Args &...args)
{
    QVariant ignored;
    return object
        && QMetaObject::invokeMethod(
            object, function, Q_RETURN_ARG(QVariant, ignored), Q_ARG(QVariant, QVariant::fromValue(args))...);
}

// Queues the function to the object's thread; for callers on other threads.
template<typename... Args> bool post(QObject *object, const char *function, const Args &...args)
{
    return object
        && QMetaObject::invokeMethod(
            object, function, Qt::QueuedConnection, Q_ARG(QVariant, QVariant::fromValue(args))...);
}

} // namespace QmlCall
