#pragma once

#include <QAccessibleObject>

class AccessibleState;
class QQuickItem;

// The accessible interface of an item with an AccessibleState: role, name,
// description and press action from its "Accessible" properties, as Qt Quick's own
// interface gives them, plus the expanded state and the value interface. The item is
// a leaf: its name says all its parts say.
class ExtendedAccessible : public QAccessibleObject,
                           public QAccessibleActionInterface,
                           public QAccessibleValueInterface {
public:
    explicit ExtendedAccessible(QQuickItem *item);

    // Creates the interface of an item that has an AccessibleState (for QAccessible::installFactory).
    static QAccessibleInterface *create(const QString &className, QObject *object);

    QWindow *window() const override;
    QRect rect() const override;
    QAccessibleInterface *parent() const override;
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QAccessible::Role role() const override;
    QAccessible::State state() const override;
    QString text(QAccessible::Text type) const override;
    void setText(QAccessible::Text, const QString &) override { }
    void *interface_cast(QAccessible::InterfaceType type) override;

    QStringList actionNames() const override;
    void doAction(const QString &actionName) override;
    QStringList keyBindingsForAction(const QString &) const override { return {}; }

    QVariant currentValue() const override;
    void setCurrentValue(const QVariant &) override { }
    QVariant maximumValue() const override;
    QVariant minimumValue() const override;
    QVariant minimumStepSize() const override { return 0; }

private:
    QQuickItem *item() const;
    // Qt Quick's attached "Accessible" object of the item (its role, name, ...).
    QObject *standard() const;
    QVariant standardProperty(const char *name) const;
    AccessibleState *extension() const;
};
