#include "wizard/PageList.h"

#include <QCoreApplication>

namespace {

struct PageState {
    const char *name;
    int section;
    bool back; // enabled and shown
    bool nextEnabled;
    bool nextVisible;
    const char *nextText;
};

const char *const NextText = QT_TRANSLATE_NOOP("CPageManager", "NEXT");
const char *const InstallText = QT_TRANSLATE_NOOP("CPageManager", "INSTALL");

const PageState States[] = {
    { "pLegal.qml", 0, false, false, false, "" },
    { "pDotNet.qml", 0, true, true, true, NextText },
    { "pHealth.qml", 0, false, true, true, QT_TRANSLATE_NOOP("CPageManager", "I UNDERSTAND") },
    { "pCheck.qml", 0, true, true, true, NextText },
    { "pDriver.qml", 0, true, true, true, NextText },
    { "pFolder.qml", 1, true, true, true, InstallText },
    { "pInstall.qml", 1, false, false, false, NextText },
    { "pComplete.qml", 1, false, true, true, QT_TRANSLATE_NOOP("CPageManager", "OK") },
};

// In the short lists the folder page is the first step: no way back, and Next waits
// until the folder's size is known.
const PageState ShortListFolder = { "pFolder.qml", 1, false, false, true, InstallText };

const char *const SoftwareOnlyPages[] = { "pLegal.qml", "pDotNet.qml", "pFolder.qml", "pInstall.qml", "pComplete.qml" };
const char *const OtherDevicePages[] = { "pFolder.qml", "pInstall.qml", "pComplete.qml" };
const char *const FullPages[]
    = { "pHealth.qml", "pCheck.qml", "pDriver.qml", "pFolder.qml", "pInstall.qml", "pComplete.qml" };

const PageState &stateOf(const char *name, bool shortList)
{
    if (shortList && qstrcmp(name, ShortListFolder.name) == 0)
        return ShortListFolder;
    for (const PageState &state : States) {
        if (qstrcmp(name, state.name) == 0)
            return state;
    }
    Q_UNREACHABLE();
}

PageEntry entryOf(const PageState &state)
{
    PageEntry entry;
    entry.name = QLatin1String(state.name);
    entry.section = state.section;
    entry.backEnabled = state.back;
    entry.backVisible = state.back;
    entry.nextEnabled = state.nextEnabled;
    entry.nextVisible = state.nextVisible;
    entry.nextText = *state.nextText ? QCoreApplication::translate("CPageManager", state.nextText) : QString();
    return entry;
}

template<size_t N> QVector<PageEntry> listOf(const char *const (&names)[N], bool shortList)
{
    QVector<PageEntry> pages;
    pages.reserve(int(N));
    for (const char *name : names)
        pages.append(entryOf(stateOf(name, shortList)));
    return pages;
}

} // namespace

QVector<PageEntry> buildPageList(bool isSWOA, bool isOtherDev)
{
    if (isSWOA)
        return listOf(SoftwareOnlyPages, true);
    if (isOtherDev)
        return listOf(OtherDevicePages, true);
    return listOf(FullPages, false);
}
