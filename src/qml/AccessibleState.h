#pragma once

#include <QObject>
#include <QtQml>

// What a Qt Quick item cannot tell assistive technology through "Accessible" in Qt
// 5.15: whether it expands (a combo box's list) and a value with its range (a progress
// bar). Used as an attached object ("AccessibleState.expanded: open") on instances of
// components defined in QML; such an item is exposed by ExtendedAccessible.
class AccessibleState : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool expandable READ expandable WRITE setExpandable NOTIFY stateChanged)
    Q_PROPERTY(bool expanded READ expanded WRITE setExpanded NOTIFY stateChanged)
    Q_PROPERTY(bool hasValue READ hasValue WRITE setHasValue NOTIFY valueChanged)
    Q_PROPERTY(qreal value READ value WRITE setValue NOTIFY valueChanged)
    Q_PROPERTY(qreal minimum READ minimum WRITE setMinimum NOTIFY valueChanged)
    Q_PROPERTY(qreal maximum READ maximum WRITE setMaximum NOTIFY valueChanged)

public:
    explicit AccessibleState(QObject *item);

    static AccessibleState *qmlAttachedProperties(QObject *item);
    // The attached object of item, when its QML sets one.
    static AccessibleState *of(QObject *item);
    // Registers the attached type (import NovaAccessibility 1.0).
    static void registerType();

    bool expandable() const { return m_expandable; }
    void setExpandable(bool expandable);
    bool expanded() const { return m_expanded; }
    void setExpanded(bool expanded);
    bool hasValue() const { return m_hasValue; }
    void setHasValue(bool hasValue);
    qreal value() const { return m_value; }
    void setValue(qreal value);
    qreal minimum() const { return m_minimum; }
    void setMinimum(qreal minimum);
    qreal maximum() const { return m_maximum; }
    void setMaximum(qreal maximum);

signals:
    void stateChanged();
    void valueChanged();

private:
    void notifyState();
    void notifyValue();

    bool m_expandable = false;
    bool m_expanded = false;
    bool m_hasValue = false;
    qreal m_value = 0;
    qreal m_minimum = 0;
    qreal m_maximum = 100;
};

QML_DECLARE_TYPEINFO(AccessibleState, QML_HAS_ATTACHED_PROPERTIES)
