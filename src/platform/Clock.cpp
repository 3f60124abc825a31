#include "platform/Clock.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTime>
#include <QTimer>
#include <chrono>

int Clock::uniformInt(int lo, int hi)
{
    // The width in double: hi - lo + 1 overflows int for the widest ranges.
    const double ancho = static_cast<double>(hi) - lo + 1.0;
    const long long v = lo + static_cast<long long>(uniform() * ancho);
    return v > hi ? hi : static_cast<int>(v);
}

SystemClock::SystemClock() { reseed(); }

double SystemClock::now() const
{
    using namespace std::chrono;
    return duration<double>(steady_clock::now().time_since_epoch()).count();
}

int SystemClock::currentSecond() const { return QTime::currentTime().second(); }

void SystemClock::reseed()
{
    std::random_device rd;
    gen_.seed((static_cast<uint64_t>(rd()) << 32) ^
              static_cast<uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()));
}

double SystemClock::uniform() { return std::uniform_real_distribution<double>(0.0, 1.0)(gen_); }

void SystemClock::yieldEvents() { QCoreApplication::processEvents(QEventLoop::AllEvents); }

void SystemClock::despues(double seconds, QObject* contexto, std::function<void()> f)
{
    QTimer::singleShot(static_cast<int>(seconds * 1000.0), contexto, std::move(f));
}

void SystemClock::pause(double seconds)
{
    const double end = now() + seconds;
    while (now() < end) {
        int ms = static_cast<int>((end - now()) * 1000.0);
        if (ms <= 0)
            break;
        QEventLoop loop;
        QTimer::singleShot(ms, &loop, &QEventLoop::quit);
        loop.exec();  // asleep until an event or the deadline
    }
    yieldEvents();
}

void SystemClock::waitUntil(const std::function<bool()>& done)
{
    while (!done())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

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
