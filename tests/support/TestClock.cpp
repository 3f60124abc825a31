#include "support/TestClock.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

TestClock::TestClock(unsigned seed) : gen_(seed) {}

double TestClock::uniform()
{
    if (!queued_.empty()) {
        double v = queued_.front();
        queued_.erase(queued_.begin());
        return v;
    }
    return std::uniform_real_distribution<double>(0.0, 1.0)(gen_);
}

void TestClock::queueUniform(std::initializer_list<double> values)
{
    queued_.insert(queued_.end(), values);
}

void TestClock::yieldEvents() { QCoreApplication::processEvents(QEventLoop::AllEvents); }

void TestClock::despues(double seconds, QObject* contexto, std::function<void()> f)
{
    auto paso = [this, seconds, f = std::move(f)] {
        now_ += seconds;
        f();
    };
    // Zero pauses, unless the test wants them as long as at a table.
    if (realPauses)
        QTimer::singleShot(static_cast<int>(seconds * 1000.0), contexto, std::move(paso));
    else
        QMetaObject::invokeMethod(contexto, std::move(paso), Qt::QueuedConnection);
}

void TestClock::pause(double seconds)
{
    if (realPauses && seconds > 0) {
        QEventLoop loop;
        QTimer::singleShot(static_cast<int>(seconds * 1000.0), &loop, &QEventLoop::quit);
        loop.exec();
    }
    now_ += seconds;
    yieldEvents();
    if (onWait)
        onWait(true);
}

void TestClock::waitUntil(const std::function<bool()>& done)
{
    if (realEvents) {
        QElapsedTimer elapsed;
        elapsed.start();
        QTimer wake;  // bounds each sleep, so the limit is always checked
        wake.start(realWakeMs);
        while (!done()) {
            if (elapsed.elapsed() > realWaitLimitMs) {
                stuck_ = true;
                return;
            }
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
            if (onWait && !done())
                onWait(false);
        }
        return;
    }
    int turns = 0;
    while (!done()) {
        if (++turns > maxTurns) {
            stuck_ = true;
            return;
        }
        yieldEvents();
        if (onWait && !done())
            onWait(false);
    }
}
