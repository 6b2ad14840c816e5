#include "SceneTestSpooler.h"

#include "support/spooler_TestCupsd.h"

#include <cups/cups.h>

#include <QDebug>
#include <QFile>

SceneTestSpooler::SceneTestSpooler(QObject *parent) : QObject(parent) {}

SceneTestSpooler::~SceneTestSpooler()
{
    stop();
}

bool SceneTestSpooler::available() const
{
    QString why;
    return TestCupsd::isInstalled(&why);
}

QString SceneTestSpooler::unavailableReason() const
{
    QString why;
    TestCupsd::isInstalled(&why);
    return why;
}

bool SceneTestSpooler::start()
{
    if (m_cupsd)
        return true;
    auto cupsd = std::make_unique<TestCupsd>();
    QString error;
    if (!cupsd->start(&error)) {
        qWarning().noquote() << "private cupsd did not start:" << error;
        return false;
    }
    qputenv("CUPS_SERVER", QFile::encodeName(cupsd->server()));
    cupsSetServer(nullptr); // forget the server libcups settled on: read CUPS_SERVER again
    m_cupsd = std::move(cupsd);
    return true;
}

bool SceneTestSpooler::addRawQueue(const QString &name, const QString &deviceUri)
{
    QString error;
    if (!m_cupsd || !m_cupsd->addRawQueue(name, deviceUri, &error)) {
        qWarning().noquote() << "queue not added:" << error;
        return false;
    }
    return true;
}

bool SceneTestSpooler::removeQueue(const QString &name)
{
    QString error;
    if (!m_cupsd || !m_cupsd->removeQueue(name, &error)) {
        qWarning().noquote() << "queue not removed:" << error;
        return false;
    }
    return true;
}

QStringList SceneTestSpooler::jobNames(const QString &queue) const
{
    return m_cupsd ? m_cupsd->jobNames(queue) : QStringList();
}

void SceneTestSpooler::stop()
{
    if (!m_cupsd)
        return;
    m_cupsd->stop();
    m_cupsd.reset();
    qunsetenv("CUPS_SERVER");
    cupsSetServer(nullptr);
}
