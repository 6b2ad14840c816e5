#pragma once

#include "commands/PictureOptions.h"

class ConfigManager;

// The picture conversion choices as printtest.ini keeps them (see
// ConfigManager::hasLogoConversion), read and written for the logo load, the
// test picture and the preview alike.
namespace PictureSettings {

// The stored choices; the conversion of earlier versions when none are stored.
// An unknown method name counts as floyd-steinberg (with a warning on the debug
// channel); brightness and contrast are clamped to -100..100.
PictureOptions stored(const ConfigManager &config);

// Writes the choices; nothing is written when exactly these are stored.
void store(ConfigManager &config, const PictureOptions &options);

} // namespace PictureSettings
