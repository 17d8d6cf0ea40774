#include "second_tick.h"

#include <cmath>
#include <utility>

timespec system_wall_clock() {
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    return now;
}

SecondTick::SecondTick(WallClock wall_clock, std::function<void()> paint_second, std::function<void()> clock_jumped)
    : clock(std::move(wall_clock)), paint(std::move(paint_second)), jumped(std::move(clock_jumped)) {
    this->clock_jumped(clock().tv_sec);  // notes the time it starts at
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
    const timespec now = clock();
    clock_jumped(now.tv_sec);  // notes the time it starts at
    const int millisecond = static_cast<int>(now.tv_nsec / kNsPerMs);
    Timer2.setSingleShot(true);
    Timer2.start(millisecond < kWakeMs ? kWakeMs - millisecond : kMsPerSecond - millisecond + kWakeMs);
}

void SecondTick::stop() { Timer2.stop(); }

void SecondTick::Timer2Timer() {
    const timespec now = clock();
    const int millisecond = static_cast<int>(now.tv_nsec / kNsPerMs);
    painted_flag = now.tv_sec == painted_second ? 1 : 0;
    if (millisecond < kPaintWindowMs && !painted_flag) {
        clock_jumped(now.tv_sec) ? jumped() : paint();
        painted_second = now.tv_sec;
        painted_flag = 1;
    }
    const bool on_time = std::abs(millisecond - kWakeMs) <= kOnTimeMs;
    if (on_time && !Timer2.isSingleShot() && Timer2.isActive()) return;
    Timer2.setSingleShot(!on_time);
    Timer2.start(on_time ? kMsPerSecond : kMsPerSecond - millisecond + kWakeMs);
}

bool SecondTick::clock_jumped(std::time_t wall) {
    const auto steady = std::chrono::steady_clock::now();
    const double passed = std::chrono::duration<double>(steady - last_look.steady).count();
    const bool jumped_now = std::abs(static_cast<double>(wall - last_look.wall) - passed) > kJumpSeconds;
    last_look = {wall, steady};
    return jumped_now;
}
