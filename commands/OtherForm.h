#pragma once

#include "app/base/PrinterModel.h"
#include "commands/CommType.h"

#include <QByteArray>
#include <QObject>
#include <QString>

#include <functional>

// Printer parameters. Commands that exist only in one model's command set take
// the current model from the source they were handed, at every build, and
// send nothing to other models.
class OtherForm : public QObject
{
    Q_OBJECT
public:
    using ModelSource = std::function<PrinterModel::Model()>;

    // Without a source every printer counts as a standard one.
    explicit OtherForm(CommType type, ModelSource model = {}) : m_type(type), m_model(std::move(model)) {}

    void setInternationalCharacter(int v) { m_internationalCharacter = v; }
    void setPrintMode(int v) { m_printMode = v; }
    void setBuzzerSwitch(int v) { m_buzzerSwitch = v; }
    void setKnifeSwitch(int v) { m_knifeSwitch = v; }
    void setErrorBeep(int v) { m_errorBeep = v; }
    void setAlignment(int v) { m_alignment = v; }
    void setRotate90(bool v) { m_rotate90 = v; }
    void setInversion(bool v) { m_inversion = v; }
    void setCharSize(int width, int height)
    {
        m_charWidth = width;
        m_charHeight = height;
    }
    void setNegative(bool v) { m_negative = v; }
    void setLeftMargin(int low, int high)
    {
        m_leftMarginL = low;
        m_leftMarginH = high;
    }
    void setPrintArea(int low, int high)
    {
        m_printAreaL = low;
        m_printAreaH = high;
    }
    void setUnit(int x, int y)
    {
        m_unitX = x;
        m_unitY = y;
    }
    void setDensity(int v) { m_density = v; }
    void setPaperSize(int v) { m_paperSize = v; }
    void setPaperGap(int v) { m_paperGap = v; }
    void setPrintSpeed(int v) { m_printSpeed = v; }
    void setPeripherals(bool knife, bool buzzer, bool cashBox)
    {
        m_enableKnife = knife;
        m_enableBuzzer = buzzer;
        m_enableCashBox = cashBox;
    }
    void setPrintModelName(const QString &v) { m_printModelName = v; }

    void sendInternationalCharacter();
    void sendPrintMode();
    void sendBuzzerSwitch();
    void sendKnifeSwitch();
    void sendErrorBeep();
    void sendAlignment();
    void sendRotate90();
    void sendInversion();
    void sendCharSize();
    void sendNegative();
    void sendLeftMargin();
    void sendPrintArea();
    void sendUnit();
    void sendDensity();
    void sendPaperSize();
    void sendPaperGap();
    void sendPrintSpeed();
    void sendPeripherals();
    void sendPrintModel();
    void sendUsbUpgradeMode();
    void sendRestoreFactorySettings();

signals:
    void sigSendData(CommType type, QByteArray dataArray);

private:
    // Emits the bytes; an empty command (not for this model) is not emitted.
    void send(const QByteArray &bytes);
    PrinterModel::Model currentModel() const;

    CommType m_type;
    ModelSource m_model;
    int m_internationalCharacter = 0;
    int m_printMode = 0;
    int m_buzzerSwitch = 0;
    int m_knifeSwitch = 0;
    int m_errorBeep = 0;
    int m_alignment = 0;
    bool m_rotate90 = false;
    bool m_inversion = false;
    int m_charWidth = 0;
    int m_charHeight = 0;
    bool m_negative = false;
    int m_leftMarginL = 0;
    int m_leftMarginH = 0;
    int m_printAreaL = 0;
    int m_printAreaH = 0;
    int m_unitX = 0;
    int m_unitY = 0;
    int m_density = 0;
    int m_paperSize = 0;
    int m_paperGap = 0;
    int m_printSpeed = 0;
    bool m_enableKnife = false;
    bool m_enableBuzzer = false;
    bool m_enableCashBox = false;
    QString m_printModelName;
};
