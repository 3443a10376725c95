#pragma once

#include <QCoreApplication>
#include <QString>

// One dialog of a catalogue as the source writes it: untranslated texts (marked for
// translation where they are written) and what the catalogue needs besides.
template<typename Extra> struct CatalogueRow {
    const char *id;
    const char *page;
    const char *title;
    const char *description;
    const char *negative;
    const char *positive;
    Extra extra;
};

// A catalogue text in the language of the moment; an empty text (no such button) stays
// empty instead of being looked up.
inline QString translatedCatalogueText(const char *context, const char *text)
{
    return *text ? QCoreApplication::translate(context, text) : QString();
}
