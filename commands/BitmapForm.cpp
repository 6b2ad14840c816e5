#include "commands/BitmapForm.h"

#include "app/base/ConfigManager.h"
#include "commands/LogoCommands.h"

#include <QDebug>

void BitmapForm::loadImages()
{
    if (m_imagePaths.isEmpty())
        return;
    m_logoData.clear();
    ConfigManager *config = ConfigManager::getInstance();
    for (int i = 0; i < m_imagePaths.size(); ++i) {
        m_logoData += LogoCommands::defineLogo(i + 1, m_imagePaths.at(i), config->getLogoMaxWidth(),
                                               config->getLogoMaxHeight());
    }
}

void BitmapForm::sendImages()
{
    qDebug() << "imgDataArray.size():" << m_logoData.size();
    if (!m_logoData.isEmpty())
        emit sigSendData(m_type, m_logoData);
}

void BitmapForm::sendPrintLogo()
{
    emit sigSendData(m_type, LogoCommands::printLogo(m_logoNumber, m_logoMode));
}
