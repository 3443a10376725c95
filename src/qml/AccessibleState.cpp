#include "qml/AccessibleState.h"

#include "qml/ExtendedAccessible.h"

#include <QAccessible>
#include <QTimer>

// Qt Quick may have made the item's interface while its component was being created,
// before this object was attached: once creation is over, that one is dropped, and the
// next query makes the extended one.
AccessibleState::AccessibleState(QObject *item)
    : QObject(item)
{
    QTimer::singleShot(0, this, [item] {
        QAccessibleInterface *made = QAccessible::queryAccessibleInterface(item);
        if (made && !dynamic_cast<ExtendedAccessible *>(made))
            QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
    });
}

AccessibleState *AccessibleState::of(QObject *item)
{
    return qobject_cast<AccessibleState *>(qmlAttachedPropertiesObject<AccessibleState>(item, false));
}

// The factory goes in with the first attached object, after Qt Quick's own (installed
// as its library loads): the last one installed is asked first, and Qt Quick's answers
// for every accessible item.
AccessibleState *AccessibleState::qmlAttachedProperties(QObject *item)
{
    static const bool installed = [] {
        QAccessible::installFactory(&ExtendedAccessible::create);
        return true;
    }();
    Q_UNUSED(installed)
    return new AccessibleState(item);
}

void AccessibleState::registerType()
{
    qmlRegisterUncreatableType<AccessibleState>(
        "NovaAccessibility", 1, 0, "AccessibleState", QStringLiteral("AccessibleState is an attached property"));
}

void AccessibleState::setExpandable(bool expandable)
{
    if (m_expandable == expandable)
        return;
    m_expandable = expandable;
    notifyState();
}

void AccessibleState::setExpanded(bool expanded)
{
    if (m_expanded == expanded)
        return;
    m_expanded = expanded;
    notifyState();
}

void AccessibleState::setHasValue(bool hasValue)
{
    if (m_hasValue == hasValue)
        return;
    m_hasValue = hasValue;
    emit valueChanged();
}

void AccessibleState::setValue(qreal value)
{
    if (qFuzzyCompare(m_value, value))
        return;
    m_value = value;
    notifyValue();
}

void AccessibleState::setMinimum(qreal minimum)
{
    if (qFuzzyCompare(m_minimum, minimum))
        return;
    m_minimum = minimum;
    notifyValue();
}

void AccessibleState::setMaximum(qreal maximum)
{
    if (qFuzzyCompare(m_maximum, maximum))
        return;
    m_maximum = maximum;
    notifyValue();
}

void AccessibleState::notifyState()
{
    emit stateChanged();
    if (!QAccessible::isActive())
        return;
    QAccessible::State changed;
    changed.expanded = true;
    changed.collapsed = true;
    QAccessibleStateChangeEvent event(parent(), changed);
    QAccessible::updateAccessibility(&event);
}

void AccessibleState::notifyValue()
{
    emit valueChanged();
    if (!m_hasValue || !QAccessible::isActive())
        return;
    QAccessibleValueChangeEvent event(parent(), m_value);
    QAccessible::updateAccessibility(&event);
}
