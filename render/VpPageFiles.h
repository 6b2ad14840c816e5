#pragma once

#include "render/VpStreamRenderer.h"

#include <QByteArray>
#include <QJsonArray>
#include <QString>

// A byte stream drawn into PNG files, one per cut: OUT.png gives OUT-1.png,
// OUT-2.png, ... Each page is written as soon as it is finished, so a long
// stream never holds more than one page in memory. The call behind quillmark
// render, for anything else that wants pictures of what it sends.
class VpPageFiles
{
public:
    struct Result
    {
        VpStreamRenderer::Result render; // the listing; pages are in files
        // One entry per page: width, height, and file once it is written.
        QJsonArray pages;
        // The first file that could not be written, and why; after it the
        // pages are only counted.
        QString failedFile;
        QString failure;

        bool written() const { return failedFile.isEmpty(); }
    };

    // The file of page `number` (from 1) for the output name given: OUT.png
    // gives OUT-1.png, a name without ".png" gets "-1.png" appended.
    static QString pageFileName(const QString &output, int number);

    static Result write(const QByteArray &bytes, const VpStreamRenderer::Options &options, const QString &output);
};
