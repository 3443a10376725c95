#include "QmlHarness.h"

#include "qml/QmlResources.h"

#include <QQmlContext>

void QmlHarness::registerBuiltResources()
{
    static const bool registered = [] {
        initQmlResources();
        const bool registered = registerExternalResources(qEnvironmentVariable("NOVA_BIN_DIR"));
        registerFonts();
        return registered;
    }();
    Q_UNUSED(registered)
}

QmlHarness::QmlHarness(const QVariantMap &rootProperties)
{
    engine.rootContext()->setContextProperty(QStringLiteral("langProp"), &language);
    engine.load(QUrl(QStringLiteral("qrc:/main.qml")));
    if (engine.rootObjects().isEmpty())
        return;
    m_root = engine.rootObjects().constFirst();
    language.setRoot(m_root);
    m_root->setProperty("languages", LanguageStandIn::displayNames());
    m_root->setProperty("defaultLangIndex", LanguageStandIn::rowOf(QStringLiteral("us")));
    for (auto it = rootProperties.cbegin(); it != rootProperties.cend(); ++it)
        m_root->setProperty(it.key().toUtf8().constData(), it.value());
}

QQuickWindow *QmlHarness::window() const
{
    return qobject_cast<QQuickWindow *>(m_root);
}

QObject *QmlHarness::find(const QString &objectName) const
{
    return m_root ? m_root->findChild<QObject *>(objectName) : nullptr;
}

QObject *QmlHarness::page() const
{
    QObject *loader = find(QStringLiteral("pageLoader"));
    return loader ? loader->property("item").value<QObject *>() : nullptr;
}

QString QmlHarness::currentPage() const
{
    return m_root ? m_root->property("currentPage").toString() : QString();
}

QObject *QmlHarness::load(const QString &pageName)
{
    callQml(find(QStringLiteral("pageLoader")), "load", pageName);
    return page();
}

QQuickItem *visibleText(QObject *item, const QString &text)
{
    const auto items = item->findChildren<QQuickItem *>();
    for (QQuickItem *candidate : items) {
        if (candidate->inherits("QQuickText") && candidate->property("text").toString() == text
            && candidate->isVisible())
            return candidate;
    }
    return nullptr;
}
