#include "support/cli_Run.h"

#include <QProcess>
#include <QProcessEnvironment>

CliResult runQuillmark(const QString &program, const QStringList &args, const QByteArray &input,
                       const QString &workingDirectory, int limitMs)
{
    QProcess p;
    p.setWorkingDirectory(workingDirectory);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QM_LANGUAGE"), QStringLiteral("en_US"));
    p.setProcessEnvironment(env);
    p.start(program, args);
    if (!p.waitForStarted())
        return {};
    if (!input.isEmpty())
        p.write(input);
    p.closeWriteChannel();
    if (!p.waitForFinished(limitMs)) {
        p.kill();
        p.waitForFinished();
        return {};
    }
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}
