#pragma once

#include "commands/PictureOptions.h"

// Conversion choices as a person makes them (transparent parts print as
// paper), for the picture tests' tables.
namespace PictureChoices {

inline PictureOptions chosen(PictureOptions::Method method, int brightness = 0, int contrast = 0, bool invert = false)
{
    PictureOptions o;
    o.method = method;
    o.brightness = brightness;
    o.contrast = contrast;
    o.invert = invert;
    return o;
}

} // namespace PictureChoices
