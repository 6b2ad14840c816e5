#include "platform/DeviceChangeSource.h"

DeviceChangeSource::DeviceChangeSource(QObject *parent) : QObject(parent) {}

DeviceChangeSource::~DeviceChangeSource() = default;
