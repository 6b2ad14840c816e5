#pragma once

#include <QProcessEnvironment>
#include <QString>

// Where the program keeps its folders. A portable copy (its folder writable and
// not under /usr) keeps "configFile" and "LogFile" beside the executable. An
// installed copy uses the desktop's places: "configFile" under
// $XDG_CONFIG_HOME/QuillmarkSystem (default ~/.config) and "LogFile" under
// $XDG_STATE_HOME/QuillmarkSystem (default ~/.local/state). Tests point both at
// a temporary directory before anything reads them.
class AppPaths
{
public:
    static constexpr const char *FolderName = "QuillmarkSystem";

    // The folder that holds "configFile" (and the relative picture paths of the
    // configuration files): the override when one is set, else as above.
    static QString directory();
    // The folder for the dated log files.
    static QString logDirectory();
    // Overrides both folders (directory() and directory() + "/LogFile"); an
    // empty path removes the override.
    static void setDirectory(const QString &path);

    // The choice itself, for an executable in appDir: the configuration base
    // and the log folder.
    static bool isPortable(const QString &appDir, bool appDirWritable);
    static QString baseDirectoryFor(const QString &appDir, bool appDirWritable, const QProcessEnvironment &env);
    static QString logDirectoryFor(const QString &appDir, bool appDirWritable, const QProcessEnvironment &env);

private:
    static QString applicationDirectory();
    static bool applicationDirectoryWritable(const QString &appDir);
};
