#include "delay.h"

#include <QDeadlineTimer>
#include <QEventLoop>
#include <QThread>
#include <QTimer>

#include <chrono>

void Delay_MSec(unsigned int msec)
{
    // A precise timer never fires early; a coarse one may, by up to 5 %.
    const QDeadlineTimer deadline(std::chrono::milliseconds(msec), Qt::PreciseTimer);
    while (!deadline.hasExpired()) {
        QEventLoop loop;
        QTimer::singleShot(int(deadline.remainingTime()), Qt::PreciseTimer, &loop, &QEventLoop::quit);
        // A quitting application ends every event loop at once and lets no
        // new one run; the time that is left is then slept away.
        if (loop.exec() != 0)
            QThread::msleep(ulong(deadline.remainingTime()));
    }
}
