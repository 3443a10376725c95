#pragma once

#include <QString>
#include <QVector>

// One page of the wizard and the state of the footer's buttons while it shows.
struct PageEntry {
    QString name; // page file, "pCheck.qml"
    bool headerVisible = true;
    int section = 0; // 0 the check section, 1 the installation section
    bool backEnabled = false;
    bool backVisible = false;
    QString backText;
    bool nextEnabled = false;
    bool nextVisible = false;
    QString nextText; // translated
};

// The pages of a mode in their order, with the button texts in the current language:
// the software-only list (isSWOA), the other-device list (isOtherDev) or the full list.
QVector<PageEntry> buildPageList(bool isSWOA, bool isOtherDev);
