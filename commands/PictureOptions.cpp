#include "commands/PictureOptions.h"

#include <QtGlobal>

namespace {

struct MethodEntry
{
    PictureOptions::Method method;
    const char *name;
};

const MethodEntry kMethods[] = {
    {PictureOptions::Threshold, "threshold"},
    {PictureOptions::FloydSteinberg, "floyd-steinberg"},
    {PictureOptions::Atkinson, "atkinson"},
    {PictureOptions::Bayer, "bayer"},
};

} // namespace

PictureOptions PictureOptions::earlierVersions()
{
    PictureOptions options;
    options.method = FloydSteinberg;
    options.earlierPixelReading = true;
    return options;
}

QString PictureOptions::methodName(Method method)
{
    for (const MethodEntry &entry : kMethods) {
        if (entry.method == method)
            return QLatin1String(entry.name);
    }
    return QString();
}

bool PictureOptions::methodFromName(const QString &name, Method *method)
{
    for (const MethodEntry &entry : kMethods) {
        if (name == QLatin1String(entry.name)) {
            *method = entry.method;
            return true;
        }
    }
    return false;
}

QStringList PictureOptions::methodNames()
{
    QStringList names;
    for (const MethodEntry &entry : kMethods)
        names << QLatin1String(entry.name);
    return names;
}

int PictureOptions::clampAdjustment(int value)
{
    return qBound(MinAdjustment, value, MaxAdjustment);
}

bool PictureOptions::sameChoices(const PictureOptions &other) const
{
    return method == other.method && brightness == other.brightness && contrast == other.contrast
           && invert == other.invert;
}

bool PictureOptions::operator==(const PictureOptions &other) const
{
    return sameChoices(other) && earlierPixelReading == other.earlierPixelReading;
}
