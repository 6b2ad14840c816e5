#pragma once

#include <QList>
#include <QMetaMethod>
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

    static QList<Call> all();
    static bool invoke(QObject *target, const Call &call);
};
