#pragma once

#include <QString>

// Registers the window, pages, components and images compiled into the program
// (needed because they live in a static library), and the attached type
// AccessibleState.
void initQmlResources();

// Registers the external resource files of the program folder, in this order and
// with an empty mount point: "general_assets.rcc", "fonts.rcc", "bg.rcc", "base.rcc".
// When base.rcc cannot be registered, the copies of a development tree,
// "<folder>/../../NovaBaseLib/base.rcc" and ".../fonts.rcc", are registered instead.
// Returns whether a base.rcc was registered.
bool registerExternalResources(const QString &programFolder);

// Adds the Roboto faces of the registered fonts.rcc to the application's fonts, so the
// window's texts find them as the QML loads. Needs the application object.
void registerFonts();

// Undoes registerExternalResources (for tests that load several layouts).
void unregisterExternalResources(const QString &programFolder);
