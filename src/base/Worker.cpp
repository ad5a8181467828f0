#include "base/Worker.h"

void Worker::process()
{
    run();
    emit finished();
}
