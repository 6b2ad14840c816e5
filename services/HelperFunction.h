#pragma once

#include <QObject>

class BarcodeImageProvider;

// Text and image helpers for the scenes: code-page conversion and barcode previews.
class HelperFunction : public QObject
{
    Q_OBJECT
public:
    explicit HelperFunction(QObject *parent = nullptr) : QObject(parent) {}
    void setImageProvider(BarcodeImageProvider *provider) { m_provider = provider; }

    // The decoded message for a real-time status reply (empty for an empty payload).
    Q_INVOKABLE QString decodeStatusReply(const QString &cmd, const QString &payload) const;

private:
    BarcodeImageProvider *m_provider = nullptr;
};
