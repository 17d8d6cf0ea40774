// When the clock wakes to paint its second: once a second, early in it, and not again until
// the next. The current time comes from an injected clock, so tests step time.
#pragma once

#include <QObject>
#include <QTimer>
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

    // `paint` is called, in the same wake-up, on the tick that paints the second.
    SecondTick(WallClock clock, std::function<void()> paint);

    void start();
    void stop();

    // The one wake-up of a second: paints when it falls early in a second not yet painted,
    // then sleeps until kWakeMs into the next second (a wake-up that comes early or late
    // only re-aims the next).
    void Timer2Timer();

    int painted_flag = 0;  // the second of the last paint has been painted
    QTimer Timer2;         // single shot, re-armed by each wake-up

private:
    WallClock clock;
    std::function<void()> paint;
    std::time_t painted_second = -1;
};
