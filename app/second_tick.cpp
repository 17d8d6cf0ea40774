#include "second_tick.h"

#include <utility>

timespec system_wall_clock() {
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    return now;
}

SecondTick::SecondTick(WallClock wall_clock, std::function<void()> paint_second)
    : clock(std::move(wall_clock)), paint(std::move(paint_second)) {
    Timer2.setInterval(kTickMs);
    connect(&Timer2, &QTimer::timeout, this, &SecondTick::Timer2Timer);
    Timer2Rearm.setSingleShot(true);
    Timer2Rearm.setTimerType(Qt::PreciseTimer);
    connect(&Timer2Rearm, &QTimer::timeout, this, &SecondTick::Timer2Resume);
}

void SecondTick::start() { Timer2.start(); }

void SecondTick::stop() {
    Timer2.stop();
    Timer2Rearm.stop();
}

// Paints on the first tick inside the paint window and skips the one after it.
void SecondTick::Timer2Timer() {
    const int millisecond = static_cast<int>(clock().tv_nsec / 1000000);
    if (millisecond >= kPaintWindowMs || painted_flag) {
        painted_flag = 0;
    } else {
        paint();
        painted_flag = 1;
    }
    // The tick that could paint next: the one after next if the flag is set, else the next.
    const int next_paint_ms = millisecond + (painted_flag ? 2 : 1) * kTickMs;
    if (next_paint_ms >= kPaintWindowMs) rest_until_next_second(millisecond);
}

// The clock wakes the machine once a second, not twenty times. When no tick left in this
// second could paint, Timer2 stops and the flag is cleared now (the tick that would clear
// it has nothing else to do). A tick of its own 120 ms into the next second resumes it:
// that tick paints, and the next paint could only come 100 ms later, past the window, even
// when the coarse 50 ms timer fires a little early; a wake-up up to 80 ms late still paints.
void SecondTick::rest_until_next_second(int millisecond) {
    painted_flag = 0;
    Timer2.stop();
    Timer2Rearm.start(1000 - millisecond + kResumeMs);
}

void SecondTick::Timer2Resume() {
    Timer2.start();
    Timer2Timer();
}
