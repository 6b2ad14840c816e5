#include "app/base/PrinterModel.h"

namespace PrinterModel {

Model fromName(const QString &name)
{
    if (name.isEmpty())
        return ConfigManager::Unknown;
    const QString lower = name.toLower();
    if (lower.contains(QLatin1String("l7n")))
        return ConfigManager::L7N;
    if (lower.contains(QLatin1String("l7s")))
        return ConfigManager::L7S;
    return ConfigManager::Standard;
}

QString shortName(Model model)
{
    switch (model) {
    case ConfigManager::Standard: return QStringLiteral("Standard");
    case ConfigManager::L7N: return QStringLiteral("L7N");
    case ConfigManager::L7S: return QStringLiteral("L7S");
    default: return QStringLiteral("Unknown");
    }
}

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
