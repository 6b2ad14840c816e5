#include "commands/BitmapForm.h"

#include "app/base/ConfigManager.h"
#include "commands/LogoCommands.h"
#include "commands/PictureSettings.h"

#include <QDebug>

QByteArray BitmapForm::logoData() const
{
    takeConversion();
    return m_logoData;
}

void BitmapForm::loadImages()
{
    if (m_imagePaths.isEmpty())
        return;
    if (!m_followsChoices) {
        // Pictures once loaded follow the conversion choices, so that what is
        // sent matches the preview made with the same choices.
        m_followsChoices = true;
        connect(ConfigManager::getInstance(), &ConfigManager::logoConversionChanged, this, [this] {
            if (!m_imagePaths.isEmpty())
                startConversion();
        });
    }
    startConversion();
}

void BitmapForm::startConversion()
{
    // A conversion not started yet is dropped; one running ends unheard.
    m_conversion.cancel();
    const ConfigManager *config = ConfigManager::getInstance();
    const QStringList paths = m_imagePaths;
    const int maxWidth = config->getLogoMaxWidth();
    const int maxHeight = config->getLogoMaxHeight();
    const PictureOptions options = PictureSettings::stored(*config);
    m_conversion = m_handOff.run([paths, maxWidth, maxHeight, options] {
        return LogoCommands::defineLogos(paths, maxWidth, maxHeight, options);
    });
}

void BitmapForm::takeConversion() const
{
    // A default QFuture counts as cancelled: nothing is being converted.
    if (m_conversion.isCanceled())
        return;
    m_logoData = m_conversion.result();
    m_handOff.take();
    m_conversion = QFuture<QByteArray>();
}

void BitmapForm::sendImages()
{
    const QByteArray data = logoData();
    qDebug() << "imgDataArray.size():" << data.size();
    if (!data.isEmpty())
        emit sigSendData(m_type, data);
}

void BitmapForm::sendPrintLogo()
{
    emit sigSendData(m_type, LogoCommands::printLogo(m_logoNumber, m_logoMode));
}
