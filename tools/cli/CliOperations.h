#pragma once

#include <QCoreApplication>
#include <QJsonArray>
#include <QList>
#include <QMetaMethod>
#include <QString>
#include <QStringList>
#include <QVariant>

// The operations of the command API as the meta-object system describes them
// (every invokable of CommunicationInterface, in declaration order), and calls
// of them by name with text arguments converted to the declared types.
class CliOperations
{
    Q_DECLARE_TR_FUNCTIONS(CliOperations)
public:
    struct Parameter
    {
        QString type;
        QString name;
    };

    struct Operation
    {
        QString name;
        QString returnType; // "void" for none
        QList<Parameter> parameters;
        QMetaMethod method;

        // setBuzzerClicked(int spinBuzzerAlarmTimes, int spinBuzzerAlarmInterval)
        QString signature() const;
    };

    struct Call
    {
        Operation operation;
        QVariantList arguments;
    };

    static QList<Operation> all();
    // Null when there is no operation of that name.
    static const Operation *find(const QString &name);

    // Checks the name and the number of arguments and converts each argument;
    // false with a message naming the expected parameters.
    static bool prepare(const QString &name, const QStringList &arguments, Call *call, QString *error);
    // A call of the operation with values already of the declared types (or
    // convertible to them); false when the name, count or a type does not fit,
    // which is a mistake of the caller, not of the user.
    static bool make(const QString &name, const QVariantList &values, Call *call);
    // One argument as the declared type: int (decimal or 0x hexadecimal),
    // bool (true/false, 1/0, yes/no, on/off), QString, QStringList and
    // QList<int> (items separated by commas).
    static bool convert(const QString &type, const QString &text, QVariant *value);
    // What a parameter of this type accepts, for messages and help.
    static QString typeHint(const QString &type);
    // What the parameter names of an operation do not tell (where choices
    // count from), for the listing; empty for most.
    static QString note(const QString &name);

    // Calls the operation on target; the result (invalid for void) in result.
    static bool invoke(QObject *target, const Call &call, QVariant *result);

    static QJsonArray toJson(const QList<Operation> &operations);
};
