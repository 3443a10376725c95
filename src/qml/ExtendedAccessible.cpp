#include "qml/ExtendedAccessible.h"

#include "qml/AccessibleState.h"

#include <QQuickItem>
#include <QQuickWindow>

ExtendedAccessible::ExtendedAccessible(QQuickItem *item)
    : QAccessibleObject(item)
{
}

QAccessibleInterface *ExtendedAccessible::create(const QString &, QObject *object)
{
    auto *item = qobject_cast<QQuickItem *>(object);
    return item && AccessibleState::of(item) ? new ExtendedAccessible(item) : nullptr;
}

QQuickItem *ExtendedAccessible::item() const
{
    return static_cast<QQuickItem *>(object());
}

QObject *ExtendedAccessible::standard() const
{
    for (QObject *child : item()->children()) {
        if (qstrcmp(child->metaObject()->className(), "QQuickAccessibleAttached") == 0)
            return child;
    }
    return nullptr;
}

QVariant ExtendedAccessible::standardProperty(const char *name) const
{
    QObject *attached = standard();
    return attached ? attached->property(name) : QVariant();
}

AccessibleState *ExtendedAccessible::extension() const
{
    return AccessibleState::of(item());
}

QWindow *ExtendedAccessible::window() const
{
    return item()->window();
}

QRect ExtendedAccessible::rect() const
{
    if (!item()->window())
        return QRect();
    return QRect(item()->mapToGlobal(QPointF()).toPoint(), QSize(qRound(item()->width()), qRound(item()->height())));
}

// The nearest ancestor that assistive technology knows, as Qt Quick's own items find it.
QAccessibleInterface *ExtendedAccessible::parent() const
{
    QQuickWindow *window = item()->window();
    for (QQuickItem *ancestor = item()->parentItem(); ancestor; ancestor = ancestor->parentItem()) {
        if (window && ancestor == window->contentItem())
            break;
        if (QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(ancestor))
            return accessible;
    }
    return window ? QAccessible::queryAccessibleInterface(window) : nullptr;
}

QAccessible::Role ExtendedAccessible::role() const
{
    bool ok = false;
    const int role = standardProperty("role").toInt(&ok);
    return ok ? QAccessible::Role(role) : QAccessible::Client;
}

QAccessible::State ExtendedAccessible::state() const
{
    QAccessible::State state;
    QQuickItem *quickItem = item();
    state.invisible = !quickItem->window() || !quickItem->window()->isVisible() || !quickItem->isVisible()
        || qFuzzyIsNull(quickItem->opacity());
    state.disabled = !quickItem->isEnabled();
    state.focusable = quickItem->activeFocusOnTab() || standardProperty("focusable").toBool();
    state.focused = quickItem->hasActiveFocus();
    if (AccessibleState *extra = extension(); extra && extra->expandable()) {
        state.expandable = true;
        state.expanded = extra->expanded();
        state.collapsed = !extra->expanded();
    }
    return state;
}

QString ExtendedAccessible::text(QAccessible::Text type) const
{
    switch (type) {
    case QAccessible::Name:
        return standardProperty("name").toString();
    case QAccessible::Description:
        return standardProperty("description").toString();
    case QAccessible::Value: {
        AccessibleState *extra = extension();
        return extra && extra->hasValue() ? QString::number(extra->value(), 'f', 0) : QString();
    }
    default:
        return QString();
    }
}

void *ExtendedAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::ActionInterface)
        return static_cast<QAccessibleActionInterface *>(this);
    AccessibleState *extra = extension();
    if (type == QAccessible::ValueInterface && extra && extra->hasValue())
        return static_cast<QAccessibleValueInterface *>(this);
    return QAccessibleObject::interface_cast(type);
}

QStringList ExtendedAccessible::actionNames() const
{
    if (role() == QAccessible::ProgressBar || state().disabled)
        return {};
    return { pressAction() };
}

void ExtendedAccessible::doAction(const QString &actionName)
{
    // The item's "Accessible.onPressAction" handler acts, as for Qt Quick's own items.
    if (actionName == pressAction() && standard())
        QMetaObject::invokeMethod(standard(), "pressAction");
}

QVariant ExtendedAccessible::currentValue() const
{
    AccessibleState *extra = extension();
    return extra ? QVariant(extra->value()) : QVariant();
}

QVariant ExtendedAccessible::maximumValue() const
{
    AccessibleState *extra = extension();
    return extra ? QVariant(extra->maximum()) : QVariant();
}

QVariant ExtendedAccessible::minimumValue() const
{
    AccessibleState *extra = extension();
    return extra ? QVariant(extra->minimum()) : QVariant();
}
