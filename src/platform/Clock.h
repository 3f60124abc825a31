#pragma once
#include <QString>

class QObject;
#include <functional>
#include <random>

// Time and chance for the whole program: every pause, wait and random draw
// goes through one of these, so tests run with zero pauses and a fixed seed.
class Clock {
public:
    virtual ~Clock() = default;

    // Monotonic seconds; never jumps at midnight or when the wall clock moves.
    virtual double now() const = 0;
    // Second of the wall clock, 0..59 (the machine's falta envido reads it).
    virtual int currentSecond() const = 0;

    virtual void reseed() = 0;
    // Uniform in [0, 1).
    virtual double uniform() = 0;
    // Uniform whole number in [lo, hi].
    int uniformInt(int lo, int hi);

    // Handle the pending window events once (never blocks).
    virtual void yieldEvents() = 0;
    // Keep handling events for the given seconds, asleep between events.
    virtual void pause(double seconds) = 0;
    // Keep handling events until done() holds, asleep between events.
    virtual void waitUntil(const std::function<bool()>& done) = 0;
    // Runs f from the event loop after the given seconds, unless contexto is
    // gone by then. Never waits here.
    virtual void despues(double seconds, QObject* contexto, std::function<void()> f) = 0;
};

class SystemClock : public Clock {
public:
    SystemClock();
    double now() const override;
    int currentSecond() const override;
    void reseed() override;
    double uniform() override;
    void yieldEvents() override;
    void pause(double seconds) override;
    void waitUntil(const std::function<bool()>& done) override;
    void despues(double seconds, QObject* contexto, std::function<void()> f) override;

private:
    std::mt19937_64 gen_;
};
