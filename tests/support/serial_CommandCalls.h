#pragma once

#include <QList>
#include <QMetaMethod>
#include <QString>
#include <QVariant>

class QObject;

// Every command operation of the command API (connection operations left
// out), each with arguments of the right types, to be run on any manager.
class CommandCalls
{
public:
    struct Call
    {
        QMetaMethod method;
        QList<QVariant> args;
        QByteArray name() const { return method.methodSignature(); }
    };

    // Text arguments are `text`; the default reads as a barcode number.
    static QList<Call> all(const QString &text = QStringLiteral("12345678"));
    static bool invoke(QObject *target, const Call &call);
};
