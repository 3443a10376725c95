#pragma once

#include "LanguageStandIn.h"

#include <QQmlApplicationEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QVariant>

// Loads the wizard's window the way the program does: compiled-in pages, the
// external resource files of a program folder, "langProp", then the root
// properties the native side sets after loading.
class QmlHarness {
public:
    // Registers the resources of NOVA_BIN_DIR once per process.
    static void registerBuiltResources();

    explicit QmlHarness(const QVariantMap &rootProperties = {});

    bool isLoaded() const { return m_root != nullptr; }
    QObject *root() const { return m_root; }
    QQuickWindow *window() const;
    QObject *find(const QString &objectName) const;
    // The loaded page (the page loader's item).
    QObject *page() const;
    QString currentPage() const;
    // Loads a page through the page loader's "load" function.
    QObject *load(const QString &pageName);

    LanguageStandIn language;
    QQmlApplicationEngine engine;

private:
    QObject *m_root = nullptr;
};

// A visible text item below `item` whose text is exactly `text`.
QQuickItem *visibleText(QObject *item, const QString &text);

// Calls a QML function by name with QVariant arguments, as the native side does.
template<typename... Args> QVariant callQml(QObject *object, const char *function, const Args &...args)
{
    QVariant result;
    QMetaObject::invokeMethod(object, function, Q_RETURN_ARG(QVariant, result), Q_ARG(QVariant, QVariant(args))...);
    return result;
}
