#include "CliOperations.h"

#include "commands/OperationRanges.h"
#include "device/CommunicationInterface.h"

#include <QJsonObject>
#include <QMetaObject>

namespace {
// QMetaMethod::invoke takes at most ten arguments.
constexpr int MaxArguments = 10;

bool toBool(const QString &text, bool *ok)
{
    const QString t = text.trimmed().toLower();
    *ok = true;
    if (t == QLatin1String("true") || t == QLatin1String("1") || t == QLatin1String("yes") || t == QLatin1String("on"))
        return true;
    if (t == QLatin1String("false") || t == QLatin1String("0") || t == QLatin1String("no") || t == QLatin1String("off"))
        return false;
    *ok = false;
    return false;
}

int toInt(const QString &text, bool *ok)
{
    // Base 0: 0x1B is hexadecimal, everything else decimal (no octal surprises).
    const QString t = text.trimmed();
    if (t.startsWith(QLatin1String("0x"), Qt::CaseInsensitive) || t.startsWith(QLatin1String("-0x"), Qt::CaseInsensitive))
        return t.toInt(ok, 16);
    return t.toInt(ok, 10);
}
} // namespace

QString CliOperations::Operation::signature() const
{
    QStringList parts;
    for (const Parameter &p : parameters)
        parts.append(p.type + QLatin1Char(' ') + p.name);
    QString text = name + QLatin1Char('(') + parts.join(QStringLiteral(", ")) + QLatin1Char(')');
    if (returnType != QLatin1String("void"))
        text += QStringLiteral(" -> ") + returnType;
    return text;
}

QList<CliOperations::Operation> CliOperations::all()
{
    QList<Operation> list;
    const QMetaObject &meta = CommunicationInterface::staticMetaObject;
    for (int i = meta.methodOffset(); i < meta.methodCount(); ++i) {
        const QMetaMethod m = meta.method(i);
        if (m.methodType() != QMetaMethod::Method || m.access() != QMetaMethod::Public)
            continue;
        Operation op;
        op.name = QString::fromLatin1(m.name());
        op.returnType = QString::fromLatin1(m.typeName());
        const QList<QByteArray> types = m.parameterTypes();
        const QList<QByteArray> names = m.parameterNames();
        for (int p = 0; p < types.size(); ++p)
            op.parameters.append({QString::fromLatin1(types.at(p)), QString::fromLatin1(names.value(p))});
        op.method = m;
        list.append(op);
    }
    return list;
}

const CliOperations::Operation *CliOperations::find(const QString &name)
{
    static const QList<Operation> operations = all();
    for (const Operation &op : operations) {
        if (op.name == name)
            return &op;
    }
    return nullptr;
}

QString CliOperations::typeHint(const QString &type)
{
    if (type == QLatin1String("int"))
        return tr("整数，如 3 或 0x1B");
    if (type == QLatin1String("bool"))
        return tr("true/false、1/0、yes/no 或 on/off");
    if (type == QLatin1String("QString"))
        return tr("文本");
    if (type == QLatin1String("QStringList"))
        return tr("用逗号分隔的文本");
    if (type == QLatin1String("QList<int>"))
        return tr("用逗号分隔的整数");
    return type;
}

QString CliOperations::note(const QString &name)
{
    // The window passes the logo list's index and the size choice counted from 1.
    if (name == QLatin1String("setPrintLogoClicked"))
        return tr("modeNum 1 到 4: 正常、倍宽、倍高、倍宽倍高；logoNum 从 0 起: 0 打印 logo 1");
    return QString();
}

bool CliOperations::convert(const QString &type, const QString &text, QVariant *value)
{
    bool ok = false;
    if (type == QLatin1String("int")) {
        const int v = toInt(text, &ok);
        *value = QVariant::fromValue(v);
    } else if (type == QLatin1String("bool")) {
        const bool v = toBool(text, &ok);
        *value = QVariant::fromValue(v);
    } else if (type == QLatin1String("QString")) {
        *value = QVariant::fromValue(text);
        ok = true;
    } else if (type == QLatin1String("QStringList")) {
        *value = QVariant::fromValue(text.isEmpty() ? QStringList() : text.split(QLatin1Char(',')));
        ok = true;
    } else if (type == QLatin1String("QList<int>")) {
        QList<int> list;
        ok = true;
        if (!text.trimmed().isEmpty()) {
            for (const QString &item : text.split(QLatin1Char(','))) {
                list.append(toInt(item, &ok));
                if (!ok)
                    break;
            }
        }
        *value = QVariant::fromValue(list);
    }
    return ok;
}

bool CliOperations::prepare(const QString &name, const QStringList &arguments, Call *call, QString *error)
{
    const Operation *op = find(name);
    if (!op) {
        *error = tr("未知的操作: %1（quillmark ops 列出所有操作）").arg(name);
        return false;
    }
    if (arguments.size() != op->parameters.size()) {
        *error = tr("操作 %1 需要 %2 个参数，收到 %3 个；参数: %4")
                     .arg(op->name)
                     .arg(op->parameters.size())
                     .arg(arguments.size())
                     .arg(op->signature());
        return false;
    }
    if (op->parameters.size() > MaxArguments) {
        *error = tr("操作 %1 的参数太多，无法调用").arg(op->name);
        return false;
    }
    call->operation = *op;
    call->arguments.clear();
    for (int i = 0; i < arguments.size(); ++i) {
        const Parameter &p = op->parameters.at(i);
        QVariant value;
        if (!convert(p.type, arguments.at(i), &value)) {
            *error = tr("参数 %1 (%2) 的值无效: \"%3\"，应为%4；参数: %5")
                         .arg(p.name, p.type, arguments.at(i), typeHint(p.type), op->signature());
            return false;
        }
        // The window's controls cannot go beyond these limits; neither can a script.
        const OperationRanges::Range range = OperationRanges::of(op->name, i);
        if (p.type == QLatin1String("int") && !range.contains(value.toInt())) {
            *error = tr("参数 %1 (%2) 的值超出范围: \"%3\"，应为 %4 到 %5；参数: %6")
                         .arg(p.name, p.type, arguments.at(i))
                         .arg(range.min)
                         .arg(range.max)
                         .arg(op->signature());
            return false;
        }
        call->arguments.append(value);
    }
    return true;
}

bool CliOperations::make(const QString &name, const QVariantList &values, Call *call)
{
    const Operation *op = find(name);
    if (!op || op->parameters.size() != values.size() || values.size() > MaxArguments)
        return false;
    call->operation = *op;
    call->arguments.clear();
    for (int i = 0; i < values.size(); ++i) {
        QVariant value = values.at(i);
        const int type = QMetaType::type(op->parameters.at(i).type.toLatin1().constData());
        if (value.userType() != type && !value.convert(type))
            return false;
        call->arguments.append(value);
    }
    return true;
}

bool CliOperations::invoke(QObject *target, const Call &call, QVariant *result)
{
    QGenericArgument args[MaxArguments];
    QVariantList values = call.arguments; // data() needs non-const storage
    QList<QByteArray> typeNames;
    for (const Parameter &p : call.operation.parameters)
        typeNames.append(p.type.toLatin1());
    for (int i = 0; i < values.size(); ++i)
        args[i] = QGenericArgument(typeNames.at(i).constData(), values[i].data());

    const QByteArray returnType = call.operation.returnType.toLatin1();
    QVariant returned;
    QGenericReturnArgument ret;
    if (returnType != "void") {
        returned = QVariant(QMetaType::type(returnType.constData()), nullptr);
        ret = QGenericReturnArgument(returnType.constData(), returned.data());
    }
    const bool ok = call.operation.method.invoke(target, Qt::DirectConnection, ret, args[0], args[1], args[2],
                                                 args[3], args[4], args[5], args[6], args[7], args[8], args[9]);
    if (result)
        *result = returned;
    return ok;
}

QJsonArray CliOperations::toJson(const QList<Operation> &operations)
{
    QJsonArray array;
    for (const Operation &op : operations) {
        QJsonArray params;
        for (const Parameter &p : op.parameters)
            params.append(QJsonObject{{QStringLiteral("name"), p.name}, {QStringLiteral("type"), p.type}});
        QJsonObject entry{{QStringLiteral("name"), op.name},
                          {QStringLiteral("returns"), op.returnType},
                          {QStringLiteral("parameters"), params}};
        const QString text = note(op.name);
        if (!text.isEmpty())
            entry.insert(QStringLiteral("note"), text);
        array.append(entry);
    }
    return array;
}
