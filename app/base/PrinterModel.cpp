#include "app/base/PrinterModel.h"

namespace PrinterModel {

bool hasVendorSettings(Model model)
{
    return model == ConfigManager::L7N;
}

bool hasOwnCharacterSetCommand(Model model)
{
    return model == ConfigManager::L7S;
}

WebForm webForm(const QString &modelName)
{
    if (modelName == QLatin1String("KVZ-L7N"))
        return WebForm::Full;
    if (modelName == QLatin1String("KVZ-L7K") || modelName == QLatin1String("KVZ-L7W"))
        return WebForm::MacDhcpFlag;
    if (modelName == QLatin1String("KVZ-L7S"))
        return WebForm::MacFirst;
    return WebForm::None;
}

} // namespace PrinterModel
