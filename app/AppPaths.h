#pragma once

#include <QString>

// Where the program keeps its folders ("configFile", "LogFile"): beside the
// executable. Tests point it at a temporary directory before anything reads it.
class AppPaths
{
public:
    // The application directory, or the override when one is set.
    static QString directory();
    // Overrides the application directory; an empty path removes the override.
    static void setDirectory(const QString &path);
};
