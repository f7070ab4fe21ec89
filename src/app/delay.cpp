#include "delay.h"

#include <QEventLoop>
#include <QTimer>

#include <chrono>

void Delay_MSec(unsigned int msec)
{
    QEventLoop loop;
    // A precise timer never fires early; a coarse one may, by up to 5 %.
    QTimer::singleShot(std::chrono::milliseconds(msec), Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}
