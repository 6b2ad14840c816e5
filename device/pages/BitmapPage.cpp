// BaseDeviceManager: the operations of the page for bitmaps and stored logos.
#include "device/BaseDeviceManager.h"

#include "commands/BitmapForm.h"
#include "device/pages/PageChoice.h"

#include <QDebug>

void BaseDeviceManager::setLoadClickedMultiple(const QStringList &imagePaths)
{
    if (!builderReady(m_bitmapForm))
        return;
    qDebug() << "vecImagePaths:" << imagePaths;
    m_bitmapForm->setImagePaths(imagePaths);
    m_bitmapForm->loadImages();
    const QString tmpl = tr("%1 位图加载[%2/%3] 图片路径: %4  ");
    for (int i = 0; i < imagePaths.size(); ++i)
        logAction(tmpl, i + 1, int(imagePaths.size()), imagePaths.at(i));
}

void BaseDeviceManager::setPrintClicked()
{
    if (!builderReady(m_bitmapForm))
        return;
    m_bitmapForm->sendImages();
    logAction(tr("%1 设置图像"));
}

void BaseDeviceManager::setPrintLogoClicked(int modeNum, int logoNum)
{
    if (!builderReady(m_bitmapForm))
        return;
    m_bitmapForm->setLogoMode(oneBasedChoice(modeNum, 4));
    m_bitmapForm->setLogoNumber(logoNum + 1);
    m_bitmapForm->sendPrintLogo();
    logAction(tr("%1 位图设置 模式: %2 logo序号: %3 "), modeNum, logoNum + 1);
}
