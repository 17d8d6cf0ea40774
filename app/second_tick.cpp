#include "second_tick.h"

#include <utility>

timespec system_wall_clock() {
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    return now;
}

SecondTick::SecondTick(WallClock wall_clock, std::function<void()> paint_second)
    : clock(std::move(wall_clock)), paint(std::move(paint_second)) {
    Timer2.setSingleShot(true);
    Timer2.setTimerType(Qt::PreciseTimer);
    connect(&Timer2, &QTimer::timeout, this, &SecondTick::Timer2Timer);
}

namespace {

constexpr int kMsPerSecond = 1000;
constexpr long kNsPerMs = 1000000;

}  // namespace

// The first wake-up: kWakeMs into this second when that is still ahead, else the next.
void SecondTick::start() {
    const int millisecond = static_cast<int>(clock().tv_nsec / kNsPerMs);
    Timer2.start(millisecond < kWakeMs ? kWakeMs - millisecond : kMsPerSecond - millisecond + kWakeMs);
}

void SecondTick::stop() { Timer2.stop(); }

void SecondTick::Timer2Timer() {
    const timespec now = clock();
    const int millisecond = static_cast<int>(now.tv_nsec / kNsPerMs);
    painted_flag = now.tv_sec == painted_second ? 1 : 0;
    if (millisecond < kPaintWindowMs && !painted_flag) {
        paint();
        painted_second = now.tv_sec;
        painted_flag = 1;
    }
    Timer2.start(kMsPerSecond - millisecond + kWakeMs);
}
