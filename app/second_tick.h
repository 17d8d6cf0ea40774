// When the clock wakes to paint its second: early in each second, once, and at rest for
// the rest of it. The current time comes from an injected clock, so tests step time.
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
    static constexpr int kTickMs = 50;
    static constexpr int kPaintWindowMs = 200;  // the fast layer is drawn early in each second
    static constexpr int kResumeMs = 120;       // the first tick of a second, after a rest

    // `paint` is called on the tick that paints the second.
    SecondTick(WallClock clock, std::function<void()> paint);

    void start();
    void stop();

    void Timer2Timer();
    void Timer2Resume();  // the first tick of a second, after a rest

    int painted_flag = 0;
    QTimer Timer2;
    QTimer Timer2Rearm;  // restarts Timer2 in time for the next second

private:
    void rest_until_next_second(int millisecond);

    WallClock clock;
    std::function<void()> paint;
};
