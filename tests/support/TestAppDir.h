#pragma once

#include "app/base/AppPaths.h"

#include <QFile>
#include <QString>
#include <QTemporaryDir>

// A temporary application folder that the logger and the stores use in place of
// the executable's folder. Create it before the first log line of the process.
class TestAppDir
{
public:
    TestAppDir() { AppPaths::setDirectory(m_dir.path()); }
    ~TestAppDir() { AppPaths::setDirectory(QString()); }

    QString path() const { return m_dir.path(); }
    QString filePath(const QString &name) const { return m_dir.filePath(name); }

    static QByteArray readAll(const QString &path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

private:
    QTemporaryDir m_dir;
};
