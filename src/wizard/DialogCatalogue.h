#pragma once

#include <QString>
#include <QVector>

// A general message dialog of the wizard.
struct DialogEntry {
    QString id;
    QString page; // the page it belongs to
    QString title;
    QString description;
    QString negative; // empty: no such button
    QString positive;
};

// The general dialogs with their texts in the current language and the product name in
// place of "%1". isSetup false words the quit question for the hardware guide;
// isSWOAOrOtherDev words it for the software-only set-up.
QVector<DialogEntry> buildDialogCatalogue(const QString &productName, bool isSetup, bool isSWOAOrOtherDev);
