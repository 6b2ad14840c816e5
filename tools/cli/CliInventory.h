#pragma once

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
    // Printers at remote sites, behind slow links.
    static constexpr int DefaultConnectTimeoutMs = 3000;

    // arguments after "inventory"
    explicit CliInventory(const QStringList &arguments);
    int exec();

private:
    int usageError(const QString &message);

    QStringList m_args;
};
