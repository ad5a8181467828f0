#include "FullDisk.h"

#include <csignal>

FullDisk::FullDisk(qint64 bytes)
{
    // The signal would end the process; ignored, the write returns its error instead.
    signal(SIGXFSZ, SIG_IGN);
    if (getrlimit(RLIMIT_FSIZE, &previous) != 0)
        return;
    rlimit small = previous;
    small.rlim_cur = rlim_t(bytes);
    limited = setrlimit(RLIMIT_FSIZE, &small) == 0;
}

FullDisk::~FullDisk()
{
    if (limited)
        setrlimit(RLIMIT_FSIZE, &previous);
}
