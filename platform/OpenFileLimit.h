#pragma once

// The process's limit of open files. Commands that hold a connection per
// printer (the exporter's polls, a search of large address ranges) raise the
// soft limit to the hard one the system allows.
class OpenFileLimit
{
public:
    // Raises the soft limit as far as allowed; returns it (0 when unknown).
    static long raiseToHardLimit();
    // The soft limit as it is (0 when unknown).
    static long current();
};
