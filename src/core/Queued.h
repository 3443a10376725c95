#pragma once

#include <QMetaObject>
#include <QObject>

#include <utility>

#if defined(__SANITIZE_THREAD__)
#include <sanitizer/tsan_interface.h>
#endif

// Queues a function to the thread of a context object, behind the events already queued
// there: how a worker hands its findings to their owner. The function and its captures
// cross threads through Qt's event queue, whose lock ThreadSanitizer cannot see when Qt
// itself is not built with it; under that sanitizer the hand-over is therefore announced
// to it, so that what the sender wrote before queueing is known to come before the call.
namespace Queued {

namespace detail {

template<typename Function> class HandedOver {
public:
    explicit HandedOver(Function function)
        : m_function(std::move(function))
    {
    }
    // Qt moves the function into the queued call object; the last move is the one whose
    // address the call runs from.
    HandedOver(HandedOver &&other) noexcept
        : m_function(std::move(other.m_function))
    {
#if defined(__SANITIZE_THREAD__)
        __tsan_release(this);
#endif
    }
    void operator()()
    {
#if defined(__SANITIZE_THREAD__)
        __tsan_acquire(this);
#endif
        m_function();
    }

private:
    Function m_function;
};

} // namespace detail

// False when context is null (nothing is queued).
template<typename Function> bool call(QObject *context, Function function)
{
    return QMetaObject::invokeMethod(context, detail::HandedOver<Function>(std::move(function)), Qt::QueuedConnection);
}

} // namespace Queued
