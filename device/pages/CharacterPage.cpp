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
    setAndSend(m_hanziForm, &HanziForm::setHanziMode, &HanziForm::sendHanziMode, tr("%1 启用中文设置 选择: %2 "),
               checkHanziMode);
}

void BaseDeviceManager::setHanziCharClicked(bool checkWidthDouble, bool checkHeightDouble, bool checkUnderline)
{
    setAndSend(m_hanziForm, &HanziForm::setFormat, &HanziForm::sendFormat,
               tr("%1 倍宽、倍高、下划线 倍宽: %2 倍高: %3 下划线: %4"), checkWidthDouble, checkHeightDouble,
               checkUnderline);
}

void BaseDeviceManager::setHanziMarginClicked(int editLeftMargin, int editRightMargin)
{
    setAndSend(m_hanziForm, &HanziForm::setMargins, &HanziForm::sendMargins, tr("%1 设置左右间距 左间距: %2 右间距: %3 "),
               editLeftMargin, editRightMargin);
}

void BaseDeviceManager::setRightSpaceClicked(int spinRightSpace)
{
    setAndSend(m_characterForm, &CharacterForm::setRightSpace, &CharacterForm::sendRightSpace,
               tr("%1 设置字符右间距 英寸: %2 "), spinRightSpace);
}

void BaseDeviceManager::setCharPrintModeClicked(int cmbAsc2Font, bool checkBold, bool checkHeightDouble, bool checkWidthDouble, bool checkUnderLine)
{
    setAndSend(m_characterForm, &CharacterForm::setPrintMode, &CharacterForm::sendPrintMode,
               tr("%1 选择打印模式 Asc2: %2 加粗: %3 倍宽: %4 倍高: %5 下划线: %6"), cmbAsc2Font, checkBold,
               checkHeightDouble, checkWidthDouble, checkUnderLine);
}

void BaseDeviceManager::setCheckUseCustomCharClicked(bool checked)
{
    setAndSend(m_characterForm, &CharacterForm::setUseCustomChar, &CharacterForm::sendUseCustomChar,
               tr("%1 用户自定义字符 选择: %2 "), checked);
}

void BaseDeviceManager::setCustomCharPrintClicked(int hexValue)
{
    setAndSend(m_characterForm, &CharacterForm::setPrintChar, &CharacterForm::sendPrintChar,
               tr("%1 自定义字符单个打印 选择: %2 "), hexValue);
}

void BaseDeviceManager::setCustomCharDeleteClicked(int hexValue)
{
    setAndSend(m_characterForm, &CharacterForm::setDeleteChar, &CharacterForm::sendDeleteChar,
               tr("%1 自定义字符单个删除 字符: %2 "), hexValue);
}

void BaseDeviceManager::setClearAllCustomCharClicked(const QList<int> &hexValue)
{
    run(m_characterForm,
        [&](CharacterForm &f) {
            f.setDeleteList(hexValue);
            f.sendDeleteList();
        },
        tr("%1 自定义字符单个删除 字符: %2 "), joinedCodes(hexValue));
}

void BaseDeviceManager::setCustomCharClicked(const QString &charData)
{
    // Parsed first, also without a printer: the parser reports bad definitions.
    const QVector<CustomCharDef> definitions = CharacterCommands::parseDefinitions(charData);
    QList<int> codes;
    for (const CustomCharDef &def : definitions)
        codes << def.code;
    run(m_characterForm,
        [&](CharacterForm &f) {
            f.setDefinitions(definitions);
            f.sendDefinitions();
        },
        tr("%1 自定义字符设置 字符: %2 "), joinedCodes(codes));
}
