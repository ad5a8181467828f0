#include "cli/InterruptGuard.h"

#include "engine/LibavRender.h"

#include <atomic>

namespace {

// The render of this process, for the handler: stop() only sets an atomic flag.
std::atomic<LibavRender*> running{nullptr};
std::atomic<bool> signalled{false};

void onInterrupt(int)
{
    signalled = true;
    if (LibavRender* engine = running.load())
        engine->stop();
}

} // namespace

InterruptGuard::InterruptGuard(LibavRender* engine)
{
    signalled = false;
    running = engine;
    struct sigaction handler
    {
    };
    handler.sa_handler = onInterrupt;
    sigemptyset(&handler.sa_mask);
    sigaction(SIGINT, &handler, &previousInt);
    sigaction(SIGTERM, &handler, &previousTerm);
}

InterruptGuard::~InterruptGuard()
{
    sigaction(SIGINT, &previousInt, nullptr);
    sigaction(SIGTERM, &previousTerm, nullptr);
    running = nullptr;
}

bool InterruptGuard::interrupted()
{
    return signalled;
}
