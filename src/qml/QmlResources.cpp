#include "qml/QmlResources.h"

#include "qml/AccessibleState.h"

#include <QFontDatabase>
#include <QResource>

void initQmlResources()
{
    Q_INIT_RESOURCE(nova_qml);
    Q_INIT_RESOURCE(nova_qml_images);
    AccessibleState::registerType();
}

namespace {

const char *const sideFiles[] = { "/general_assets.rcc", "/fonts.rcc", "/bg.rcc" };
const char *const baseFile = "/base.rcc";
const char *const developmentBase = "/../../NovaBaseLib/base.rcc";
const char *const developmentFonts = "/../../NovaBaseLib/fonts.rcc";
const char *const fallbackFiles[] = { baseFile, developmentBase, developmentFonts };

bool registerFile(const QString &folder, const char *file)
{
    return QResource::registerResource(folder + QLatin1String(file));
}

} // namespace

bool registerExternalResources(const QString &programFolder)
{
    for (const char *file : sideFiles)
        registerFile(programFolder, file);
    if (registerFile(programFolder, baseFile))
        return true;
    const bool registered = registerFile(programFolder, developmentBase);
    registerFile(programFolder, developmentFonts);
    return registered;
}

void registerFonts()
{
    for (const char *weight : { "Light", "Regular", "Medium" }) {
        const QString face = QStringLiteral(":/fonts/Roboto-%1.ttf").arg(QLatin1String(weight));
        if (QFontDatabase::addApplicationFont(face) < 0)
            qWarning("Cannot load the font %s", qUtf8Printable(face));
    }
}

void unregisterExternalResources(const QString &programFolder)
{
    for (const char *file : sideFiles)
        QResource::unregisterResource(programFolder + QLatin1String(file));
    for (const char *file : fallbackFiles)
        QResource::unregisterResource(programFolder + QLatin1String(file));
}
