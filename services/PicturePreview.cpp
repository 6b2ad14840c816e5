#include "services/PicturePreview.h"

#include "app/base/ConfigManager.h"
#include "commands/LogoCommands.h"
#include "commands/PictureConversion.h"
#include "commands/PictureSettings.h"
#include "commands/TestPrintCommands.h"
#include "services/PicturePreviewProvider.h"

#include <QAtomicInteger>
#include <QDateTime>
#include <QFileInfo>
#include <QQmlEngine>

#include <QDebug>

namespace {

const char *const kQmlModule = "Quillmark.Pictures";
const int kQmlMajor = 1;
const int kQmlMinor = 0;

QString nextPreviewId()
{
    static QAtomicInteger<quint32> counter;
    return QStringLiteral("preview%1").arg(counter.fetchAndAddRelaxed(1) + 1);
}

QString localPath(const QString &pathOrUrl)
{
    if (pathOrUrl.startsWith(QLatin1String("file:")))
        return QUrl(pathOrUrl).toLocalFile();
    return pathOrUrl;
}

} // namespace

struct PicturePreview::Job
{
    quint64 serial = 0;
    QString picture; // path and bound: which picture the result shows
    QString path;
    int maxWidth = 0;
    int maxHeight = 0;
    PictureOptions options;
    QString cachedKey;
    QImage cachedScaled;
};

struct PicturePreview::Outcome
{
    quint64 serial = 0;
    QString picture;
    QString decodedKey; // picture and the file's size and time: when to decode again
    QImage scaled;
    QImage dots;
};

PicturePreview::PicturePreview(QObject *parent)
    : QObject(parent), m_id(nextPreviewId()), m_watcher(new QFutureWatcher<Outcome>(this))
{
    connect(m_watcher, &QFutureWatcher<Outcome>::finished, this, &PicturePreview::jobFinished);
    connect(ConfigManager::getInstance(), &ConfigManager::logoConversionChanged, this,
            &PicturePreview::adoptStoredChoices);
    m_stored = PictureSettings::stored(*ConfigManager::getInstance());
    m_choices = m_stored;
}

PicturePreview::~PicturePreview()
{
    PicturePreviewProvider::withdraw(m_id);
}

void PicturePreview::registerWith(QQmlEngine *engine)
{
    static const bool registered = [] {
        qRegisterMetaType<PictureOptions>();
        return qmlRegisterType<PicturePreview>(kQmlModule, kQmlMajor, kQmlMinor, "PicturePreview") >= 0;
    }();
    Q_UNUSED(registered)
    const QString name = QLatin1String(PicturePreviewProvider::Name);
    if (engine && !engine->imageProvider(name))
        engine->addImageProvider(name, new PicturePreviewProvider); // the engine owns it
}

void PicturePreview::classBegin()
{
    m_complete = false;
}

void PicturePreview::componentComplete()
{
    m_complete = true;
    // printtest.ini is read after the main scene has loaded.
    adoptStoredChoices();
}

void PicturePreview::setPath(const QString &path)
{
    const QString local = localPath(path);
    if (local == m_path)
        return;
    m_path = local;
    emit pathChanged();
    refresh();
}

void PicturePreview::setBound(Bound bound)
{
    if (bound == m_bound)
        return;
    m_bound = bound;
    emit boundChanged();
    refresh();
}

QString PicturePreview::method() const
{
    return PictureOptions::methodName(m_choices.method);
}

void PicturePreview::setMethod(const QString &name)
{
    PictureOptions choices = m_choices;
    if (!PictureOptions::methodFromName(name, &choices.method)) {
        qWarning() << "unknown picture conversion method:" << name;
        return;
    }
    changeChoices(choices);
}

void PicturePreview::setBrightness(int value)
{
    PictureOptions choices = m_choices;
    choices.brightness = PictureOptions::clampAdjustment(value);
    changeChoices(choices);
}

void PicturePreview::setContrast(int value)
{
    PictureOptions choices = m_choices;
    choices.contrast = PictureOptions::clampAdjustment(value);
    changeChoices(choices);
}

void PicturePreview::setInvert(bool on)
{
    PictureOptions choices = m_choices;
    choices.invert = on;
    changeChoices(choices);
}

void PicturePreview::changeChoices(const PictureOptions &choices)
{
    if (choices.sameChoices(m_choices))
        return;
    m_choices = choices;
    emit choicesChanged();
    refresh();
}

PictureOptions PicturePreview::options() const
{
    if (m_choices.sameChoices(m_stored))
        return m_stored;
    PictureOptions chosen = m_choices;
    chosen.earlierPixelReading = false;
    return chosen;
}

void PicturePreview::store()
{
    if (!m_choices.sameChoices(m_stored))
        PictureSettings::store(*ConfigManager::getInstance(), m_choices);
}

void PicturePreview::adoptStoredChoices()
{
    const PictureOptions stored = PictureSettings::stored(*ConfigManager::getInstance());
    const bool choicesDiffer = !stored.sameChoices(m_choices);
    const bool conversionDiffers = stored != options();
    m_stored = stored;
    m_choices = stored;
    if (choicesDiffer)
        emit choicesChanged();
    if (conversionDiffers || m_status == NoPicture)
        refresh();
}

QString PicturePreview::pictureKey() const
{
    return m_path + QLatin1Char('\n') + QString::number(int(m_bound));
}

void PicturePreview::refresh()
{
    if (!m_complete)
        return;
    ++m_wanted;
    if (m_path.isEmpty()) {
        m_again = false;
        show(QImage());
        setStatus(NoPicture);
        return;
    }
    setStatus(Converting);
    if (m_jobRunning) {
        m_again = true; // gathered into one job after the running one
        return;
    }
    startJob();
}

void PicturePreview::startJob()
{
    m_again = false;
    Job job;
    job.serial = m_wanted;
    job.picture = pictureKey();
    job.path = m_path;
    if (m_bound == TestPictureBound) {
        job.maxWidth = job.maxHeight = TestPrintCommands::PictureBound;
    } else {
        const ConfigManager *config = ConfigManager::getInstance();
        job.maxWidth = config->getLogoMaxWidth();
        job.maxHeight = config->getLogoMaxHeight();
    }
    job.options = options();
    job.cachedKey = m_cachedKey;
    job.cachedScaled = m_cachedScaled;
    m_jobRunning = true;
    m_watcher->setFuture(m_handOff.run([job] { return convert(job); }));
}

PicturePreview::Outcome PicturePreview::convert(const Job &job)
{
    Outcome outcome;
    outcome.serial = job.serial;
    outcome.picture = job.picture;
    const QFileInfo file(job.path);
    outcome.decodedKey = QStringLiteral("%1\n%2x%3\n%4\n%5")
                             .arg(job.path)
                             .arg(job.maxWidth)
                             .arg(job.maxHeight)
                             .arg(file.size())
                             .arg(file.lastModified().toMSecsSinceEpoch());
    outcome.scaled = outcome.decodedKey == job.cachedKey
                         ? job.cachedScaled
                         : LogoCommands::loadScaled(job.path, job.maxWidth, job.maxHeight);
    if (!outcome.scaled.isNull())
        outcome.dots = PictureConversion::toMonochrome(outcome.scaled, job.options);
    return outcome;
}

void PicturePreview::jobFinished()
{
    m_jobRunning = false;
    const Outcome outcome = m_watcher->result();
    m_handOff.take();
    const bool samePicture = outcome.picture == pictureKey();
    if (samePicture) {
        m_cachedKey = outcome.decodedKey;
        m_cachedScaled = outcome.scaled;
    }
    if (m_again)
        startJob();
    // Older than what is shown, or of a picture no longer wanted: dropped.
    if (!samePicture || outcome.serial <= m_shown)
        return;
    m_shown = outcome.serial;
    show(outcome.dots);
    if (outcome.serial == m_wanted)
        setStatus(outcome.dots.isNull() ? Unreadable : Ready);
}

void PicturePreview::show(const QImage &image)
{
    if (image.isNull() && m_image.isNull())
        return;
    m_image = image;
    if (image.isNull()) {
        PicturePreviewProvider::withdraw(m_id);
        m_source = QUrl();
    } else {
        PicturePreviewProvider::publish(m_id, image);
        m_source = QUrl(QStringLiteral("image://%1/%2-%3")
                            .arg(QLatin1String(PicturePreviewProvider::Name), m_id)
                            .arg(++m_generation));
    }
    emit imageChanged();
}

void PicturePreview::setStatus(Status status)
{
    if (status == m_status)
        return;
    m_status = status;
    emit statusChanged();
}
