#pragma once

#include <QMetaType>
#include <QString>
#include <QStringList>

// How a picture becomes printer dots (logos and the test picture): the
// dithering method, brightness and contrast and inversion.
//
// Method names are stable lower-case words, the same in printtest.ini and on
// the command line: "threshold" (a dot where the grey is darker than the
// middle), "floyd-steinberg" and "atkinson" (error diffusion), "bayer"
// (ordered, 8 x 8 matrix).
struct PictureOptions
{
    enum Method { Threshold, FloydSteinberg, Atkinson, Bayer };

    // Brightness and contrast run from -100 to 100; 0 leaves the picture as
    // it is. Brightness 100 makes everything paper, -100 everything a dot;
    // contrast 100 leaves only black and white, -100 only middle grey.
    static constexpr int MinAdjustment = -100;
    static constexpr int MaxAdjustment = 100;

    Method method = FloydSteinberg;
    int brightness = 0;
    int contrast = 0;
    bool invert = false;
    // How earlier versions read the pixels, kept for a printtest.ini that holds
    // no conversion keys: transparency is ignored (the colour stored behind a
    // transparent pixel prints, and that is black once the picture has been
    // scaled), and a picture that is already 1 bit is taken as it is. Off in
    // every choice a person makes: transparent parts then print as paper.
    bool earlierPixelReading = false;

    // The conversion of earlier versions, byte for byte: Floyd-Steinberg on
    // the unchanged greys with the earlier pixel reading.
    static PictureOptions earlierVersions();

    static QString methodName(Method method);
    // False (and *method untouched) for a name that is none of methodNames().
    static bool methodFromName(const QString &name, Method *method);
    static QStringList methodNames();
    static int clampAdjustment(int value);

    // Same choices, whatever the pixel reading.
    bool sameChoices(const PictureOptions &other) const;
    bool operator==(const PictureOptions &other) const;
    bool operator!=(const PictureOptions &other) const { return !(*this == other); }
};

Q_DECLARE_METATYPE(PictureOptions)
