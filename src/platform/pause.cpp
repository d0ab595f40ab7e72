#include "pause.h"

#include <QThread>

void ThreadPause::sleep(int milliseconds) {
    if (milliseconds > 0)
        QThread::msleep(static_cast<unsigned long>(milliseconds));
}
