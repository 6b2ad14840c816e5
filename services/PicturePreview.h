#pragma once

#include "commands/PictureOptions.h"
#include "commands/PoolHandOff.h"

#include <QFutureWatcher>
#include <QImage>
#include <QObject>
#include <QQmlParserStatus>
#include <QString>
#include <QStringList>
#include <QUrl>

class QQmlEngine;

// The picture as the printer will print it, for the scenes: the file is
// decoded, scaled to its bound and converted with the choices shown, by the
// same functions that build the logo and test-picture bytes, so preview and
// print cannot differ. A scene creates one (`PicturePreview { path: ... }`
// from `import Quillmark.Pictures 1.0`) and shows `source`.
//
// Decoding and converting run on a worker thread, one job at a time; the
// result comes back as a queued signal. Changes while a job runs are gathered
// into one next job, so a slider moved quickly never queues work; a result is
// shown when it is newer than the one shown and still of the picture wanted,
// and dropped otherwise. The decoded picture is kept, so a change of the
// choices only converts again.
class PicturePreview : public QObject, public QQmlParserStatus
{
    Q_OBJECT
    Q_INTERFACES(QQmlParserStatus)
    // The picture file: a local path or a "file:" URL; empty shows nothing.
    Q_PROPERTY(QString path READ path WRITE setPath NOTIFY pathChanged)
    Q_PROPERTY(Bound bound READ bound WRITE setBound NOTIFY boundChanged)
    // The choices shown. They start as printtest.ini holds them and change
    // the preview at once; store() writes them.
    Q_PROPERTY(QString method READ method WRITE setMethod NOTIFY choicesChanged)
    Q_PROPERTY(int brightness READ brightness WRITE setBrightness NOTIFY choicesChanged)
    Q_PROPERTY(int contrast READ contrast WRITE setContrast NOTIFY choicesChanged)
    Q_PROPERTY(bool invert READ invert WRITE setInvert NOTIFY choicesChanged)
    // The method names, in the order the choice lists them.
    Q_PROPERTY(QStringList methods READ methods CONSTANT)
    Q_PROPERTY(int minAdjustment READ minAdjustment CONSTANT)
    Q_PROPERTY(int maxAdjustment READ maxAdjustment CONSTANT)
    // The converted picture ("image://picture/..."; empty while there is none),
    // the picture itself and its size in dots.
    Q_PROPERTY(QUrl source READ source NOTIFY imageChanged)
    Q_PROPERTY(QImage image READ image NOTIFY imageChanged)
    Q_PROPERTY(int dotsWidth READ dotsWidth NOTIFY imageChanged)
    Q_PROPERTY(int dotsHeight READ dotsHeight NOTIFY imageChanged)
    Q_PROPERTY(Status status READ status NOTIFY statusChanged)
public:
    // LogoBound: the logo limits of printtest.ini; TestPictureBound: 160 x 160.
    enum Bound { LogoBound, TestPictureBound };
    Q_ENUM(Bound)
    // Converting lasts until the picture of the newest choices is shown.
    enum Status { NoPicture, Converting, Ready, Unreadable };
    Q_ENUM(Status)

    explicit PicturePreview(QObject *parent = nullptr);
    ~PicturePreview() override;

    // The type for the scenes and the image provider "picture" of the engine.
    static void registerWith(QQmlEngine *engine);

    QString path() const { return m_path; }
    void setPath(const QString &path);
    Bound bound() const { return m_bound; }
    void setBound(Bound bound);
    QString method() const;
    void setMethod(const QString &name);
    int brightness() const { return m_choices.brightness; }
    void setBrightness(int value);
    int contrast() const { return m_choices.contrast; }
    void setContrast(int value);
    bool invert() const { return m_choices.invert; }
    void setInvert(bool on);
    QStringList methods() const { return PictureOptions::methodNames(); }
    int minAdjustment() const { return PictureOptions::MinAdjustment; }
    int maxAdjustment() const { return PictureOptions::MaxAdjustment; }
    QUrl source() const { return m_source; }
    QImage image() const { return m_image; }
    int dotsWidth() const { return m_image.width(); }
    int dotsHeight() const { return m_image.height(); }
    Status status() const { return m_status; }

    // What the picture is converted with now: the stored conversion while
    // the choices are the stored ones, else the choices shown.
    PictureOptions options() const;
    // Writes the choices shown to printtest.ini, when they differ from the stored ones.
    Q_INVOKABLE void store();

    void classBegin() override;
    void componentComplete() override;

signals:
    void pathChanged();
    void boundChanged();
    void choicesChanged();
    void imageChanged();
    void statusChanged();

private:
    struct Job;
    struct Outcome;
    static Outcome convert(const Job &job);

    void adoptStoredChoices();
    void changeChoices(const PictureOptions &choices);
    void refresh();
    void startJob();
    void jobFinished();
    void show(const QImage &image);
    void setStatus(Status status);
    QString pictureKey() const;

    const QString m_id;
    QString m_path;
    Bound m_bound = LogoBound;
    PictureOptions m_stored;
    PictureOptions m_choices;
    bool m_complete = true;

    QFutureWatcher<Outcome> *m_watcher;
    PoolHandOff m_handOff;
    bool m_jobRunning = false;
    bool m_again = false;
    quint64 m_wanted = 0;     // serial of the newest request
    quint64 m_shown = 0;      // serial of the result shown
    QString m_cachedKey;      // the decoded and scaled picture kept for the next job
    QImage m_cachedScaled;

    QImage m_image;
    QUrl m_source;
    int m_generation = 0;
    Status m_status = NoPicture;
};
