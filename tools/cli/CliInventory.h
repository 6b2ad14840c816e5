#pragma once

#include "fleet/StatusPoller.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

// quillmark inventory: searches address ranges and keeps the printers found
// in an inventory file by MAC address (fleet/PrinterInventory); prints what
// changed since the last run (appeared, moved, vanished) and can write the
// exporter's targets file so that monitoring follows printers to their new
// addresses. The files are checked before the search and written whole.
class CliInventory
{
    Q_DECLARE_TR_FUNCTIONS(CliInventory)
public:
    static constexpr int DefaultConnectTimeoutMs = StatusPoller::DefaultConnectTimeoutMs;

    // arguments after "inventory"
    explicit CliInventory(const QStringList &arguments);
    int exec();

private:
    int usageError(const QString &message);

    QStringList m_args;
};
