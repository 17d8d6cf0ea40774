// When the clock wakes to paint its second: once a second, early in it, and not again until
// the next. The current time comes from an injected clock, so tests step time.
#pragma once

#include <QObject>
#include <QTimer>
#include <chrono>
#include <ctime>
#include <functional>

// The computer's time of day, UTC, to the nanosecond.
using WallClock = std::function<timespec()>;
timespec system_wall_clock();

class SecondTick : public QObject {
    Q_OBJECT

public:
    static constexpr int kPaintWindowMs = 200;  // the fast layer is drawn early in each second
    static constexpr int kWakeMs = 120;         // where in the second the tick wakes

    // `paint` is called, in the same wake-up, on the tick that paints the second; `jumped`
    // instead of it when the wall clock moved more than kJumpSeconds beyond the time that
    // passed since the last look (a resume from suspend, the time set by hand either way).
    static constexpr double kJumpSeconds = 3;
    SecondTick(WallClock clock, std::function<void()> paint, std::function<void()> jumped);

    void start();
    void stop();

    // The one wake-up of a second: paints when it falls early in a second not yet painted,
    // then sleeps until kWakeMs into the next second: a wake-up within kOnTimeMs of kWakeMs
    // leaves a timer of a second running (re-arming a timer each second costs Qt's timer
    // and dispatcher bookkeeping), any other aims a single shot.
    void Timer2Timer();

    int painted_flag = 0;  // the second of the last paint has been painted
    static constexpr int kOnTimeMs = 30;
    QTimer Timer2;  // a single shot aimed at kWakeMs, then a second's timer while on time

private:
    bool clock_jumped(std::time_t wall);

    WallClock clock;
    std::function<void()> paint;
    std::function<void()> jumped;
    std::time_t painted_second = -1;
    struct {
        std::time_t wall = 0;
        std::chrono::steady_clock::time_point steady;
    } last_look;  // the wall clock and the steady clock when the clock was last read
};
