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
