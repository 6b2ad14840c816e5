#include "transport/usb/USBHotSwapping.h"

#include "platform/UdevDeviceChangeSource.h"

USBHotSwapping::USBHotSwapping(QObject *associated, DeviceChangeSource *source, QObject *parent)
    : QObject(parent), m_associated(associated), m_source(source)
{
    qRegisterMetaType<uint16_t>("uint16_t");
    if (!m_source)
        m_source = new UdevDeviceChangeSource();
    m_source->setParent(this);
    connect(m_source, &DeviceChangeSource::deviceChanged, this, &USBHotSwapping::handleDeviceEvent);
}

USBHotSwapping::~USBHotSwapping() = default;

void USBHotSwapping::handleDeviceEvent(quint32 code, const QString &name, bool deviceInterface)
{
    if (!m_debouncer.accept(code))
        return;
    if ((code == DeviceArrival || code == DeviceRemoveComplete) && deviceInterface)
        emit sigDeviceChanges(uint16_t(code), name);
}
