#pragma once

#include "app/base/ConfigManager.h"

#include <QString>

// Which of the maker's commands and web forms each printer model takes. The
// models themselves, and the model a name stands for, are ConfigManager's,
// which keeps the current one. Encoders are handed the model; they never look
// it up.
namespace PrinterModel {

using Model = ConfigManager::DeviceModel;

// The maker's 1F 1B settings: print mode, buzzer and knife switches, error
// beep, density, machine model, USB upgrade mode and factory reset.
bool hasVendorSettings(Model model);
// The international character set by 1F 1B 1F FF n instead of ESC R n.
bool hasOwnCharacterSetCommand(Model model);

// The layout of the network form the printer's web server takes, by the exact
// model name the LAN search reports ("KVZ-L7N"; another case is no match).
enum class WebForm {
    None,         // no form for this model
    Full,         // KVZ-L7N: addresses, DHCP 0/1 and the printing settings
    MacDhcpFlag,  // KVZ-L7K, KVZ-L7W: addresses, dhcpy/dhcpn and the MAC address
    MacFirst,     // KVZ-L7S: the MAC address first, then addresses and dhcpn
};
WebForm webForm(const QString &modelName);

} // namespace PrinterModel
