#include "fleet/TargetFile.h"

#include "platform/DeviceNodeAccess.h"
#include "platform/AtomicFileWriter.h"
#include "text/DottedQuad.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QTextCodec>

namespace {

bool isBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

// Splits a line into words: blanks separate them, double quotes keep blanks
// and # inside a word, \" and \\ inside quotes stand for " and \. A # at the
// start of a word ends the line.
bool splitWords(const QString &text, QStringList *words, QString *error)
{
    QString word;
    bool inWord = false;
    bool quoted = false;
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (quoted) {
            if (c == QLatin1Char('\\') && i + 1 < text.size()
                && (text.at(i + 1) == QLatin1Char('"') || text.at(i + 1) == QLatin1Char('\\'))) {
                word += text.at(++i);
            } else if (c == QLatin1Char('"')) {
                quoted = false;
            } else {
                word += c;
            }
            continue;
        }
        if (isBlank(c)) {
            if (inWord)
                words->append(word);
            word.clear();
            inWord = false;
            continue;
        }
        if (c == QLatin1Char('#') && !inWord)
            break;
        inWord = true;
        if (c == QLatin1Char('"'))
            quoted = true;
        else
            word += c;
    }
    if (quoted) {
        *error = TargetFile::tr("引号没有结束");
        return false;
    }
    if (inWord)
        words->append(word);
    return true;
}

bool allDigits(const QString &text)
{
    if (text.isEmpty())
        return false;
    for (const QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    }
    return true;
}

bool isLabelName(const QString &name)
{
    static const QRegularExpression re(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*$"));
    return re.match(name).hasMatch();
}

// A label value written back: quoted when it would not read back as one word.
QString quotedValue(const QString &value)
{
    bool plain = !value.isEmpty();
    for (const QChar c : value) {
        if (isBlank(c) || c == QLatin1Char('"') || c == QLatin1Char('#') || c == QLatin1Char('\\'))
            plain = false;
    }
    if (plain)
        return value;
    QString out = QStringLiteral("\"");
    for (const QChar c : value) {
        if (c == QLatin1Char('"') || c == QLatin1Char('\\'))
            out += QLatin1Char('\\');
        out += c;
    }
    return out + QLatin1Char('"');
}

} // namespace

QStringList TargetFile::reservedLabels()
{
    return {QStringLiteral("target"), QStringLiteral("transport"), QStringLiteral("model"), QStringLiteral("mac"),
            QStringLiteral("state"),  QStringLiteral("kind"),      QStringLiteral("instance"), QStringLiteral("job")};
}

QString TargetFile::lineMessage(const QString &path, int line, const QString &message)
{
    return tr("%1 第 %2 行: %3").arg(path).arg(line).arg(message);
}

bool TargetFile::parseTarget(const QString &written, PrinterTarget *target, QString *error)
{
    const int colon = written.indexOf(QLatin1Char(':'));
    if (colon <= 0) {
        *error = tr("目标应写作 tcp:地址、usb:节点、serial:路径[:波特率] 或 queue:名称: %1").arg(written);
        return false;
    }
    const QString kind = written.left(colon);
    QString value = written.mid(colon + 1);
    PrinterTarget t;
    if (kind == QLatin1String("tcp"))
        t.transport = PrinterTarget::Transport::Tcp;
    else if (kind == QLatin1String("usb"))
        t.transport = PrinterTarget::Transport::Usb;
    else if (kind == QLatin1String("serial"))
        t.transport = PrinterTarget::Transport::Serial;
    else if (kind == QLatin1String("queue"))
        t.transport = PrinterTarget::Transport::Queue;
    else {
        *error = tr("未知的传输方式: %1（应为 tcp、usb、serial 或 queue）").arg(kind);
        return false;
    }
    if (value.isEmpty()) {
        *error = tr("%1 需要一个值").arg(kind + QLatin1Char(':'));
        return false;
    }
    switch (t.transport) {
    case PrinterTarget::Transport::Tcp:
        if (!DottedQuad::isValid(value)) {
            *error = tr("不是 IPv4 地址: %1").arg(value);
            return false;
        }
        break;
    case PrinterTarget::Transport::Serial: {
        const int last = value.lastIndexOf(QLatin1Char(':'));
        if (last > 0 && allDigits(value.mid(last + 1))) {
            const int baud = value.mid(last + 1).toInt();
            if (!PrinterTarget::serialSpeeds().contains(baud)) {
                *error = tr("不支持的波特率: %1").arg(value.mid(last + 1));
                return false;
            }
            t.baud = baud;
            value = value.left(last);
        }
        Q_FALLTHROUGH();
    }
    case PrinterTarget::Transport::Usb:
        if (!value.startsWith(QLatin1Char('/'))) {
            *error = tr("设备路径必须是绝对路径: %1").arg(value);
            return false;
        }
        // A node that is not there yet may come with its printer; a file never
        // becomes one.
        *error = DeviceNodeAccess::notADeviceProblem(value);
        if (!error->isEmpty())
            return false;
        break;
    case PrinterTarget::Transport::Queue:
        break;
    }
    t.address = value;
    *target = t;
    return true;
}

bool TargetFile::parseLine(const QString &text, PrinterTarget *target, QString *error, bool *empty)
{
    for (const QChar c : text) {
        if (c.unicode() < 0x20 && c != QLatin1Char('\t')) {
            *error = tr("行中有控制字符");
            return false;
        }
    }
    QStringList words;
    if (!splitWords(text, &words, error))
        return false;
    *empty = words.isEmpty();
    if (*empty)
        return true;
    if (!parseTarget(words.first(), target, error))
        return false;
    if (words.size() - 1 > MaxLabels) {
        *error = tr("标签太多（最多 %1 个）").arg(MaxLabels);
        return false;
    }
    const QStringList reserved = reservedLabels();
    for (int i = 1; i < words.size(); ++i) {
        const QString &word = words.at(i);
        const int eq = word.indexOf(QLatin1Char('='));
        if (eq < 0) {
            *error = tr("标签应写作 名称=值: %1").arg(word);
            return false;
        }
        const QString name = word.left(eq);
        const QString value = word.mid(eq + 1);
        if (!isLabelName(name)) {
            *error = tr("无效的标签名: %1（字母、数字和 _，不以数字开头）").arg(name);
            return false;
        }
        if (name.startsWith(QLatin1String("__")) || reserved.contains(name)) {
            *error = tr("标签名 %1 是保留的").arg(name);
            return false;
        }
        if (value.size() > MaxLabelValueChars) {
            *error = tr("标签 %1 的值太长（最多 %2 个字符）").arg(name).arg(MaxLabelValueChars);
            return false;
        }
        for (const PrinterTarget::Label &l : qAsConst(target->labels)) {
            if (l.first == name) {
                *error = tr("标签 %1 出现了两次").arg(name);
                return false;
            }
        }
        target->labels.append({name, value});
    }
    return true;
}

TargetFile TargetFile::parse(const QByteArray &bytes)
{
    TargetFile file;
    QHash<QString, int> seen; // identity -> line
    QTextCodec *utf8 = QTextCodec::codecForName("UTF-8");
    int number = 0;
    int start = 0;
    while (start < bytes.size()) {
        int end = bytes.indexOf('\n', start);
        if (end < 0)
            end = bytes.size();
        QByteArray raw = bytes.mid(start, end - start);
        start = end + 1;
        ++number;
        if (raw.endsWith('\r'))
            raw.chop(1);
        auto problem = [&](const QString &message) { file.problems.append({number, message}); };
        if (raw.size() > MaxLineBytes) {
            problem(tr("行太长（最多 %1 字节）").arg(MaxLineBytes));
            continue;
        }
        QTextCodec::ConverterState state;
        const QString text = utf8->toUnicode(raw.constData(), raw.size(), &state);
        if (state.invalidChars > 0 || raw.contains('\0')) {
            problem(tr("不是 UTF-8 文本"));
            continue;
        }
        PrinterTarget target;
        QString error;
        bool empty = false;
        if (!parseLine(text, &target, &error, &empty)) {
            problem(error);
            continue;
        }
        if (empty)
            continue;
        const QString identity = target.identity();
        if (seen.contains(identity)) {
            problem(tr("%1 已在第 %2 行").arg(identity).arg(seen.value(identity)));
            continue;
        }
        if (file.targets.size() >= MaxTargets) {
            problem(tr("目标太多（最多 %1 个）").arg(MaxTargets));
            continue;
        }
        target.line = number;
        seen.insert(identity, number);
        file.targets.append(target);
    }
    return file;
}

bool TargetFile::read(const QString &path, TargetFile *file, QString *error)
{
    QFile f(path);
    if (QFileInfo(path).isDir()) {
        *error = tr("无法读取目标文件 %1: %2").arg(path, tr("是一个文件夹"));
        return false;
    }
    if (!f.open(QIODevice::ReadOnly)) {
        *error = tr("无法读取目标文件 %1: %2").arg(path, f.errorString());
        return false;
    }
    const QByteArray bytes = f.read(MaxFileBytes + 1);
    if (bytes.size() > MaxFileBytes) {
        *error = tr("目标文件 %1 太大（最多 %2 MiB）").arg(path).arg(MaxFileBytes / (1024 * 1024));
        return false;
    }
    *file = parse(bytes);
    return true;
}

QByteArray TargetFile::format(const QList<PrinterTarget> &targets)
{
    QString text;
    for (const PrinterTarget &t : targets) {
        text += quotedValue(t.text());
        for (const PrinterTarget::Label &l : t.labels)
            text += QLatin1Char(' ') + l.first + QLatin1Char('=') + quotedValue(l.second);
        text += QLatin1Char('\n');
    }
    return text.toUtf8();
}

bool TargetFile::write(const QString &path, const QList<PrinterTarget> &targets, QString *error)
{
    QString reason;
    if (!AtomicFileWriter::write(path, format(targets), &reason)) {
        *error = tr("无法写入目标文件 %1: %2").arg(path, reason);
        return false;
    }
    return true;
}
