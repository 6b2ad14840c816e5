// BaseDeviceManager: the operations of the page for bitmaps and stored logos.
#include "device/BaseDeviceManager.h"

#include "commands/BitmapForm.h"
#include "device/pages/PageChoice.h"

#include <QDebug>

void BaseDeviceManager::setLoadClickedMultiple(const QStringList &imagePaths)
{
    // Loading only prepares the pictures in the builder; nothing is sent.
    if (!builderReady(m_bitmapForm))
        return;
    qDebug() << "vecImagePaths:" << imagePaths;
    m_bitmapForm->setImagePaths(imagePaths);
    m_bitmapForm->loadImages();
    // One line per picture.
    const QString tmpl = tr("%1 位图加载[%2/%3] 图片路径: %4  ");
    for (int i = 0; i < imagePaths.size(); ++i)
        logAction(tmpl, i + 1, int(imagePaths.size()), imagePaths.at(i));
}

void BaseDeviceManager::setPrintClicked()
{
    run(m_bitmapForm, &BitmapForm::sendImages, tr("%1 设置图像"));
}

void BaseDeviceManager::setPrintLogoClicked(int modeNum, int logoNum)
{
    run(m_bitmapForm,
        [&](BitmapForm &f) {
            f.setLogoMode(oneBasedChoice(modeNum, 4));
            f.setLogoNumber(logoNum + 1);
            f.sendPrintLogo();
        },
        tr("%1 位图设置 模式: %2 logo序号: %3 "), modeNum, logoNum + 1);
}
