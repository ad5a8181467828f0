#pragma once

#include <csignal>

class LibavRender;

// While it lives, Ctrl-C and SIGTERM stop `engine` (the render then deletes its partial file)
// instead of killing the process; destruction puts the previous handlers back.
class InterruptGuard
{
public:
    explicit InterruptGuard(LibavRender* engine);
    ~InterruptGuard();
    InterruptGuard(const InterruptGuard&) = delete;
    InterruptGuard& operator=(const InterruptGuard&) = delete;

    // Whether a signal came since the guard was made.
    static bool interrupted();

private:
    struct sigaction previousInt
    {
    };
    struct sigaction previousTerm
    {
    };
};
