#pragma once

#include <QString>
#include <QtGlobal>

#include <vector>

// What the four real-time status replies (the one-byte answers to DLE EOT 1
// to 4) report, bit by bit, in one table: the status page's lines, the faults
// of `quillmark status` and the exporter's printer conditions all read the
// bits through it. An object holds the replies of one printer.
class StatusReply
{
public:
    // The replies in the order of the requests: 0 printer (DLE EOT 1),
    // 1 offline (2), 2 error (3), 3 paper sensor (4).
    static constexpr int StatusCount = 4;
    // Every real-time status byte has bits 1 and 4 set and bits 0 and 7 clear.
    static constexpr quint8 FixedBitsMask = 0x93;
    static constexpr quint8 FixedBitsValue = 0x12;

    enum Condition {
        DrawerClosed,         // printer status bit 2 (set: both drawers closed)
        Offline,              // printer status bit 3
        CoverOpen,            // offline status bit 2
        FeedButton,           // offline status bit 3
        PaperStopped,         // offline status bit 5: printing stopped, paper out
        ErrorOccurred,        // offline status bit 6
        MechanicalError,      // error status bit 2
        CutterError,          // error status bit 3
        UnrecoverableError,   // error status bit 5
        AutoRecoverableError, // error status bit 6 (print head temperature or voltage)
        PaperNearEnd,         // paper sensor bits 2 and 3
        PaperEnd,             // paper sensor bits 5 and 6
        ConditionCount
    };

    struct Bit
    {
        int status;          // 0 to 3, as above
        int bit;             // 0 to 7
        Condition condition;
        bool fault;          // set, the printer cannot print
        // The status page's line for the bit (translation context
        // "RealTimeStatusForm"); null for bits the page does not show.
        const char *whenSet;
        const char *whenClear;
    };

    // Every bit that means something, in the order of the page's lines.
    static const std::vector<Bit> &bits();
    // The translated line of a bit the page shows; empty for the others.
    static QString lineText(const Bit &bit, bool set);
    // Whether byte can be the answer to a real-time status request.
    static bool isStatusByte(quint8 byte);

    // The reply to request status (0 to 3).
    void setByte(int status, quint8 byte);
    bool hasByte(int status) const;
    quint8 byte(int status) const;
    // All four replies are there.
    bool isComplete() const;
    // A bit of the condition is set in a reply that is there.
    bool has(Condition condition) const;

private:
    quint8 m_bytes[StatusCount] = {};
    bool m_have[StatusCount] = {};
};
