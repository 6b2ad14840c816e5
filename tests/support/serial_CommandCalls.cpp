#include "support/serial_CommandCalls.h"

#include "device/CommunicationInterface.h"

#include <QGenericArgument>
#include <QObject>
#include <QStringList>

namespace {

QList<QVariant> argumentsFor(const QMetaMethod &m, const QString &text)
{
    QList<QVariant> args;
    for (int i = 0; i < m.parameterCount(); ++i) {
        const int type = m.parameterType(i);
        if (type == QMetaType::Int)
            args << QVariant(2);
        else if (type == QMetaType::Bool)
            args << QVariant(true);
        else if (type == QMetaType::QString)
            args << QVariant(text);
        else if (type == QMetaType::QStringList)
            args << QVariant(QStringList());
        else
            args << QVariant(type, nullptr);
    }
    return args;
}

} // namespace

QList<CommandCalls::Call> CommandCalls::all(const QString &text)
{
    static const QByteArrayList connectionOps{"connectDevice", "disconnectDevice", "refreshDeviceList",
                                              "getDeviceList"};
    const QMetaObject &mo = CommunicationInterface::staticMetaObject;
    QList<Call> calls;
    for (int i = mo.methodOffset(); i < mo.methodCount(); ++i) {
        const QMetaMethod m = mo.method(i);
        if (m.methodType() != QMetaMethod::Method || connectionOps.contains(m.name()))
            continue;
        calls.append({m, argumentsFor(m, text)});
    }
    return calls;
}

bool CommandCalls::invoke(QObject *target, const Call &call)
{
    QList<QVariant> values = call.args;
    QGenericArgument a[10];
    for (int i = 0; i < values.size() && i < 10; ++i)
        a[i] = QGenericArgument(values[i].typeName(), values[i].constData());
    QVariant ret(call.method.returnType() == QMetaType::Void ? QVariant() : QVariant(call.method.returnType(), nullptr));
    QGenericReturnArgument r = call.method.returnType() == QMetaType::Void
        ? QGenericReturnArgument()
        : QGenericReturnArgument(ret.typeName(), ret.data());
    return QMetaObject::invokeMethod(target, call.method.name().constData(), Qt::DirectConnection, r, a[0], a[1], a[2],
                                     a[3], a[4], a[5], a[6], a[7], a[8], a[9]);
}
