#include "commands/PictureSettings.h"

#include "app/base/ConfigManager.h"

#include <QDebug>

namespace PictureSettings {

PictureOptions stored(const ConfigManager &config)
{
    if (!config.hasLogoConversion())
        return PictureOptions::earlierVersions();
    PictureOptions options;
    const QString name = config.getLogoDither();
    if (!name.isEmpty() && !PictureOptions::methodFromName(name, &options.method))
        qWarning() << "unknown picture conversion method in printtest.ini:" << name;
    options.brightness = PictureOptions::clampAdjustment(config.getLogoBrightness());
    options.contrast = PictureOptions::clampAdjustment(config.getLogoContrast());
    options.invert = config.getLogoInvert();
    return options;
}

void store(ConfigManager &config, const PictureOptions &options)
{
    config.setLogoConversion(PictureOptions::methodName(options.method),
                             PictureOptions::clampAdjustment(options.brightness),
                             PictureOptions::clampAdjustment(options.contrast), options.invert);
}

} // namespace PictureSettings
