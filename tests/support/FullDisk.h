#pragma once

#include <QtGlobal>

#include <sys/resource.h>

// While it lives, no file of this process may grow beyond `bytes`: a write past the limit fails
// with EFBIG, as on a full disk, without root or a special file system. Restores the previous
// limit when it goes.
class FullDisk
{
public:
    explicit FullDisk(qint64 bytes);
    ~FullDisk();
    FullDisk(const FullDisk&) = delete;
    FullDisk& operator=(const FullDisk&) = delete;

    bool active() const { return limited; }

private:
    rlimit previous{};
    bool limited = false;
};
