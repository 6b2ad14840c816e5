#include "platform/SerialByIdNames.h"

#include <QDir>
#include <QFileInfo>

SerialByIdNames::SerialByIdNames(QString directory) : m_directory(std::move(directory)) {}

QList<SerialByIdNames::Alias> SerialByIdNames::aliases() const
{
    QList<Alias> result;
    const QDir dir(m_directory);
    if (m_directory.isEmpty() || !dir.exists())
        return result;
    const QFileInfoList entries = dir.entryInfoList(QDir::Files | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    for (const QFileInfo &entry : entries) {
        // A dangling link names an adapter that has just gone.
        const QString target = entry.canonicalFilePath();
        if (target.isEmpty())
            continue;
        result.append(Alias{entry.absoluteFilePath(), target});
    }
    return result;
}
