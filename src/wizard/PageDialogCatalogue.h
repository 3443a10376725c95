#pragma once

#include "wizard/DialogCatalogue.h"

#include <QVector>

// A dialog that blocks a worker thread until the user answers it: the texts of a
// general dialog and how the overlay shows it.
struct PageDialogEntry : DialogEntry {
    bool fullWindow = false; // covers the whole window, header and footer included
    bool enhanced = false; // the wider card
};

// The page flow's blocking dialogs with their texts in the current language; in
// software-only mode the quit question names the software-only set-up.
QVector<PageDialogEntry> buildPageDialogCatalogue(bool isSWOA);
