// BaseDeviceManager: the operations of the page for Chinese-character mode, character formats and user-defined characters.
#include "device/BaseDeviceManager.h"

#include "commands/CharacterCommands.h"
#include "commands/CharacterForm.h"
#include "commands/HanziForm.h"

namespace {

QString joinedCodes(const QList<int> &codes)
{
    QString text;
    for (int code : codes)
        text += QString::number(code);
    return text;
}

} // namespace

void BaseDeviceManager::setHanziModeClicked(bool checkHanziMode)
{
    if (!builderReady(m_hanziForm))
        return;
    m_hanziForm->setHanziMode(checkHanziMode);
    m_hanziForm->sendHanziMode();
    logAction(tr("%1 启用中文设置 选择: %2 "), checkHanziMode);
}

void BaseDeviceManager::setHanziCharClicked(bool checkWidthDouble, bool checkHeightDouble, bool checkUnderline)
{
    if (!builderReady(m_hanziForm))
        return;
    m_hanziForm->setFormat(checkWidthDouble, checkHeightDouble, checkUnderline);
    m_hanziForm->sendFormat();
    logAction(tr("%1 倍宽、倍高、下划线 倍宽: %2 倍高: %3 下划线: %4"), checkWidthDouble, checkHeightDouble, checkUnderline);
}

void BaseDeviceManager::setHanziMarginClicked(int editLeftMargin, int editRightMargin)
{
    if (!builderReady(m_hanziForm))
        return;
    m_hanziForm->setMargins(editLeftMargin, editRightMargin);
    m_hanziForm->sendMargins();
    logAction(tr("%1 设置左右间距 左间距: %2 右间距: %3 "), editLeftMargin, editRightMargin);
}

void BaseDeviceManager::setRightSpaceClicked(int spinRightSpace)
{
    if (!builderReady(m_characterForm))
        return;
    m_characterForm->setRightSpace(spinRightSpace);
    m_characterForm->sendRightSpace();
    logAction(tr("%1 设置字符右间距 英寸: %2 "), spinRightSpace);
}

void BaseDeviceManager::setCharPrintModeClicked(int cmbAsc2Font, bool checkBold, bool checkHeightDouble, bool checkWidthDouble, bool checkUnderLine)
{
    if (!builderReady(m_characterForm))
        return;
    m_characterForm->setPrintMode(cmbAsc2Font, checkBold, checkHeightDouble, checkWidthDouble, checkUnderLine);
    m_characterForm->sendPrintMode();
    logAction(tr("%1 选择打印模式 Asc2: %2 加粗: %3 倍宽: %4 倍高: %5 下划线: %6"), cmbAsc2Font, checkBold, checkHeightDouble, checkWidthDouble, checkUnderLine);
}

void BaseDeviceManager::setCheckUseCustomCharClicked(bool checked)
{
    if (!builderReady(m_characterForm))
        return;
    m_characterForm->setUseCustomChar(checked);
    m_characterForm->sendUseCustomChar();
    logAction(tr("%1 用户自定义字符 选择: %2 "), checked);
}

void BaseDeviceManager::setCustomCharPrintClicked(int hexValue)
{
    if (!builderReady(m_characterForm))
        return;
    m_characterForm->setPrintChar(hexValue);
    m_characterForm->sendPrintChar();
    logAction(tr("%1 自定义字符单个打印 选择: %2 "), hexValue);
}

void BaseDeviceManager::setCustomCharDeleteClicked(int hexValue)
{
    if (!builderReady(m_characterForm))
        return;
    m_characterForm->setDeleteChar(hexValue);
    m_characterForm->sendDeleteChar();
    logAction(tr("%1 自定义字符单个删除 字符: %2 "), hexValue);
}

void BaseDeviceManager::setClearAllCustomCharClicked(const QList<int> &hexValue)
{
    if (!builderReady(m_characterForm))
        return;
    m_characterForm->setDeleteList(hexValue);
    m_characterForm->sendDeleteList();
    logAction(tr("%1 自定义字符单个删除 字符: %2 "), joinedCodes(hexValue));
}

void BaseDeviceManager::setCustomCharClicked(const QString &charData)
{
    const QVector<CustomCharDef> definitions = CharacterCommands::parseDefinitions(charData);
    if (!builderReady(m_characterForm))
        return;
    m_characterForm->setDefinitions(definitions);
    m_characterForm->sendDefinitions();
    QList<int> codes;
    for (const CustomCharDef &def : definitions)
        codes << def.code;
    logAction(tr("%1 自定义字符设置 字符: %2 "), joinedCodes(codes));
}
