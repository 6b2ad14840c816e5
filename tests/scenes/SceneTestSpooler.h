#pragma once

#include <QObject>
#include <QStringList>

#include <memory>

class TestCupsd;

// A private CUPS scheduler for scene tests (context property `testSpooler`):
// once started, the program's spooler client talks to it instead of the
// system's. Needs real root (skip the test when `available` is false).
class SceneTestSpooler : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool available READ available CONSTANT)
    Q_PROPERTY(QString unavailableReason READ unavailableReason CONSTANT)
public:
    explicit SceneTestSpooler(QObject *parent = nullptr);
    ~SceneTestSpooler() override;

    bool available() const;
    QString unavailableReason() const;

    // Starts the scheduler (once) and points the spooler client at it.
    Q_INVOKABLE bool start();
    // A raw queue sending its jobs to deviceUri ("socket://127.0.0.5:9100").
    Q_INVOKABLE bool addRawQueue(const QString &name, const QString &deviceUri);
    Q_INVOKABLE bool removeQueue(const QString &name);
    // Names of the queue's jobs, finished or pending.
    Q_INVOKABLE QStringList jobNames(const QString &queue) const;
    Q_INVOKABLE void stop();

private:
    std::unique_ptr<TestCupsd> m_cupsd;
};
