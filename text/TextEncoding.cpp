#include "text/TextEncoding.h"

#include <QDebug>
#include <QTextCodec>

namespace TextEncoding {

QByteArray gbk(const QString &text)
{
    static QTextCodec *const codec = QTextCodec::codecForName("GBK");
    if (!codec) {
        qDebug() << "GBK编码器不可用，使用UTF-8编码";
        return text.toUtf8();
    }
    return codec->fromUnicode(text);
}

QString servingCodePage(const QString &name)
{
    if (name == QLatin1String("IBM860") || name == QLatin1String("IBM863") || name == QLatin1String("IBM865"))
        return QStringLiteral("IBM850");
    return name;
}

bool isCodePage437(const QString &name)
{
    return name == QLatin1String("CP437") || name == QLatin1String("IBM437");
}

} // namespace TextEncoding
