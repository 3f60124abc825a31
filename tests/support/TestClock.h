#pragma once
#include "platform/Clock.h"

#include <initializer_list>
#include <vector>

// Zero-length pauses and a fixed seed. Every wait calls the hook, which is
// where a scripted player acts; a wait nobody can end fails instead of hanging.
class TestClock : public Clock {
public:
    explicit TestClock(unsigned seed = 1);
    double now() const override { return now_; }
    int currentSecond() const override { return second_; }
    void reseed() override {}
    double uniform() override;
    void yieldEvents() override;
    void pause(double seconds) override;
    void waitUntil(const std::function<bool()>& done) override;

    void despues(double seconds, QObject* contexto, std::function<void()> f) override;

    void setSecond(int s) { second_ = s; }
    // Values returned by uniform() before the generator is used again.
    void queueUniform(std::initializer_list<double> values);
    // Called on each turn of a wait: in a pause (inPause true) or in waitUntil.
    std::function<void(bool inPause)> onWait;
    // A waitUntil that turns this many times without ending gives up and
    // marks the clock stuck, so a broken test fails instead of hanging.
    int maxTurns = 10000;
    // For tests over real sockets: waitUntil sleeps until a real event comes
    // (waking at least every realWakeMs), pauses stay at zero, and a wait
    // gives up after realWaitLimitMs of real time instead of maxTurns.
    bool realEvents = false;
    // Pauses last their real time, events handled meanwhile, as at a table.
    bool realPauses = false;
    // Real events, and a wait that gives up after limiteMs of real time.
    void eventosReales(int limiteMs = 10000)
    {
        realEvents = true;
        realWaitLimitMs = limiteMs;
    }
    int realWakeMs = 20;
    int realWaitLimitMs = 10000;
    bool stuck() const { return stuck_; }

private:
    std::mt19937_64 gen_;
    std::vector<double> queued_;
    double now_ = 0;
    int second_ = 0;
    bool stuck_ = false;
};
