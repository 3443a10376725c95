#include "PageFlowStandIn.h"

#include "QmlHarness.h"

PageFlowStandIn::PageFlowStandIn(QObject *root, const QList<Page> &pages)
    : m_loader(root->findChild<QObject *>(QStringLiteral("pageLoader")))
    , m_footer(root->findChild<QObject *>(QStringLiteral("pageFooter")))
    , m_pages(pages)
{
    QObject *dialog = root->findChild<QObject *>(QStringLiteral("pageDialog"));
    connect(m_loader, SIGNAL(jumpNext()), this, SLOT(jumpNext()));
    connect(m_loader, SIGNAL(jumpBack()), this, SLOT(jumpBack()));
    connect(m_loader, SIGNAL(setBackStatus(bool, bool, QString)), this, SLOT(setBackStatus(bool, bool, QString)));
    connect(m_loader, SIGNAL(setNextStatus(bool, bool, QString)), this, SLOT(setNextStatus(bool, bool, QString)));
    connect(root, SIGNAL(showDialog(QString)), this, SLOT(showDialog(QString)));
    connect(root, SIGNAL(prepareToQuit(QString)), this, SLOT(prepareToQuit(QString)));
    connect(dialog, SIGNAL(positivePressed()), this, SLOT(positivePressed()));
    jumpTo(0);
}

void PageFlowStandIn::jumpTo(int index)
{
    if (index < 0 || index >= m_pages.size())
        return;
    m_index = index;
    const Page &page = m_pages.at(index);
    callQml(m_footer, "setBackStatus", page.backOn, page.backOn, QString());
    callQml(m_footer, "setNextStatus", page.nextOn, page.nextShown, page.nextText);
    callQml(m_loader, "load", page.name);
}

void PageFlowStandIn::setBackStatus(bool enabled, bool visible, const QString &text)
{
    callQml(m_footer, "setBackStatus", enabled, visible, text);
}

void PageFlowStandIn::setNextStatus(bool enabled, bool visible, const QString &text)
{
    callQml(m_footer, "setNextStatus", enabled, visible, text);
}

void PageFlowStandIn::showDialog(const QString &id)
{
    dialogs << id;
    callQml(m_loader, "showDialogImpl", id, QStringLiteral("Text of ") + id, QStringLiteral("CANCEL"),
        QStringLiteral("CONTINUE"), false, id);
}

void PageFlowStandIn::positivePressed()
{
    const QString id = dialogs.value(dialogs.size() - 1);
    if (id == QLatin1String("CH001") || id == QLatin1String("DR001"))
        jumpNext();
}
