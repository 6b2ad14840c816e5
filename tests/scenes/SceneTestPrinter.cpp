#include "SceneTestPrinter.h"

#include "VirtualPrinter.h"
#include "VpEventLog.h"
#include "services/PrintPreview.h"
#include "support/PrintedDots.h"
#include "support/tcp_fixtures.h"

#include <QDebug>
#include <QJsonObject>
#include <QQmlEngine>

#include <cstring>

namespace {

QString spacedHex(const QByteArray &bytes)
{
    return QString::fromLatin1(bytes.toHex(' ').toUpper());
}

QVariantList toVariantList(const QList<QJsonObject> &entries)
{
    QVariantList list;
    list.reserve(entries.size());
    for (const QJsonObject &entry : entries)
        list.append(entry.toVariantMap());
    return list;
}

} // namespace

SceneVirtualPrinter::SceneVirtualPrinter(std::unique_ptr<VirtualPrinter> printer, QObject *parent)
    : QObject(parent), m_printer(std::move(printer))
{
}

SceneVirtualPrinter::~SceneVirtualPrinter() = default;

QString SceneVirtualPrinter::address() const { return m_printer->address(); }
int SceneVirtualPrinter::rawPort() const { return m_printer->rawPort(); }
int SceneVirtualPrinter::httpPort() const { return m_printer->httpPort(); }
QString SceneVirtualPrinter::serialPath() const { return m_printer->serialPtyPath(); }
QString SceneVirtualPrinter::usbNodePath() const { return m_printer->usbNodePath(); }
QStringList SceneVirtualPrinter::serviceLines() const { return m_printer->serviceLines(); }

QString SceneVirtualPrinter::receivedHex(const QString &source) const
{
    return spacedHex(m_printer->receivedBytes(source));
}

int SceneVirtualPrinter::receivedCount(const QString &source) const
{
    return m_printer->receivedBytes(source).size();
}

void SceneVirtualPrinter::clearReceived() { m_printer->clearReceivedBytes(); }

QVariantList SceneVirtualPrinter::events(const QString &name) const
{
    return toVariantList(name.isEmpty() ? m_printer->events() : m_printer->events(name));
}

QVariantList SceneVirtualPrinter::eventsSince(int seq) const
{
    return toVariantList(m_printer->eventLog()->entriesSince(seq));
}

int SceneVirtualPrinter::lastEventSeq() const { return int(m_printer->lastEventSeq()); }

QStringList SceneVirtualPrinter::recordedForms() const
{
    QStringList forms;
    for (const QByteArray &form : m_printer->recordedForms())
        forms.append(QString::fromUtf8(form));
    return forms;
}

int SceneVirtualPrinter::pageCount() const { return m_printer->pageFiles().size(); }

QString SceneVirtualPrinter::comparePage(int page, QObject *preview, int previewPage) const
{
    const auto *shown = qobject_cast<PrintPreview *>(preview);
    if (!shown)
        return QStringLiteral("not a print preview");
    const QList<QImage> printed = m_printer->pages();
    const int index = page < 0 ? printed.size() + page : page;
    if (index < 0 || index >= printed.size())
        return QStringLiteral("the printer has %1 pages, no page %2").arg(printed.size()).arg(page);
    const QList<QImage> previews = shown->pageImages();
    if (previewPage < 0 || previewPage >= previews.size())
        return QStringLiteral("the preview has %1 pages, no page %2").arg(previews.size()).arg(previewPage);
    const QImage a = printed.at(index).convertToFormat(QImage::Format_Grayscale8);
    const QImage b = previews.at(previewPage).convertToFormat(QImage::Format_Grayscale8);
    if (a.size() != b.size())
        return QStringLiteral("printed %1 x %2, previewed %3 x %4").arg(a.width()).arg(a.height()).arg(b.width()).arg(b.height());
    int differ = 0;
    for (int y = 0; y < a.height(); ++y)
        differ += memcmp(a.constScanLine(y), b.constScanLine(y), size_t(a.width())) != 0;
    return differ == 0 ? QString() : QStringLiteral("%1 rows differ").arg(differ);
}

QString SceneVirtualPrinter::lastPageDifference(const QVariant &dots, int scale) const
{
    const QList<QImage> pages = m_printer->pages();
    if (pages.isEmpty())
        return QStringLiteral("no page printed");
    return PrintedDots::differences(pages.last(), dots.value<QImage>(), scale,
                                    m_printer->options().paperMm == 58 ? 384 : 576);
}
void SceneVirtualPrinter::flushPage() { m_printer->flushPage(); }

QVariant SceneVirtualPrinter::lastPage() const
{
    const QList<QImage> pages = m_printer->pages();
    return pages.isEmpty() ? QVariant() : QVariant(pages.last());
}
QString SceneVirtualPrinter::control(const QString &line) { return m_printer->control(line); }
bool SceneVirtualPrinter::setFlag(const QString &name, bool on) { return m_printer->setFlag(name, on); }

bool SceneVirtualPrinter::unplug()
{
    QString error;
    const bool ok = m_printer->unplug(&error);
    if (!ok)
        qWarning() << "unplug:" << error;
    return ok;
}

bool SceneVirtualPrinter::replug()
{
    QString error;
    const bool ok = m_printer->replug(&error);
    if (!ok)
        qWarning() << "replug:" << error;
    return ok;
}

void SceneVirtualPrinter::stop() { m_printer->stop(); }

SceneTestPrinter::SceneTestPrinter(const QString &usbRoot, QObject *parent) : QObject(parent), m_usbRoot(usbRoot)
{
    qRegisterMetaType<SceneVirtualPrinter *>("SceneVirtualPrinter*");
}

SceneTestPrinter::~SceneTestPrinter() { stopAll(); }

SceneVirtualPrinter *SceneTestPrinter::start(const QVariantMap &options)
{
    VirtualPrinterOptions o;
    o.address = options.value(QStringLiteral("address"), o.address).toString();
    o.model = options.value(QStringLiteral("model"), o.model).toString();
    o.rawPort = options.value(QStringLiteral("rawPort"), VirtualPrinterOptions::DefaultRawPort).toInt();
    o.httpPort = options.value(QStringLiteral("httpPort"), VirtualPrinterOptions::Off).toInt();
    o.netbiosPort = options.value(QStringLiteral("netbiosPort"), VirtualPrinterOptions::Off).toInt();
    o.netbiosName = options.value(QStringLiteral("netbiosName")).toString();
    if (options.contains(QStringLiteral("mac")))
        o.mac = QByteArray::fromHex(options.value(QStringLiteral("mac")).toString().remove(QLatin1Char(':')).toLatin1());
    o.paperMm = options.value(QStringLiteral("paper"), o.paperMm).toInt();
    o.serialEnabled = options.value(QStringLiteral("serial"), false).toBool();
    if (options.value(QStringLiteral("usb"), false).toBool()) {
        o.usbSysfsRoot = m_usbRoot;
        o.usb.vendorId = options.value(QStringLiteral("usbVid"), o.usb.vendorId).toString();
        o.usb.productId = options.value(QStringLiteral("usbPid"), o.usb.productId).toString();
        o.usb.serial = options.value(QStringLiteral("usbSerial"), o.usb.serial).toString();
    }

    auto printer = std::make_unique<VirtualPrinter>(o);
    QString error;
    if (!printer->start(&error)) {
        qWarning() << "virtual printer did not start:" << error << printer->serviceLines();
        return nullptr;
    }
    for (const QVariant &flag : options.value(QStringLiteral("flags")).toList())
        printer->setFlag(flag.toString(), true);
    auto *handle = new SceneVirtualPrinter(std::move(printer), this);
    QQmlEngine::setObjectOwnership(handle, QQmlEngine::CppOwnership);
    m_printers.push_back(handle);
    return handle;
}

bool SceneTestPrinter::startSilentHost(const QString &address)
{
    auto *port = new TcpFakePrintPort(this);
    auto *web = new TcpFakeWebServer(this);
    web->setMode(TcpFakeWebServer::Mode::Silent);
    m_silentHosts.push_back(port);
    m_silentHosts.push_back(web);
    const QHostAddress host(address);
    if (!port->listen(host) || !web->listen(host)) {
        qWarning() << "silent host did not start on" << address;
        return false;
    }
    return true;
}

void SceneTestPrinter::stopAll()
{
    for (QObject *host : m_silentHosts)
        delete host;
    m_silentHosts.clear();
    for (SceneVirtualPrinter *printer : m_printers) {
        printer->stop();
        delete printer;
    }
    m_printers.clear();
}
