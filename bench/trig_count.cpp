// Interposes cos, sin and sincos: every call goes through here, counted or not, so the
// engine and the reference loop pay the same small toll.
#include "trig_count.h"

#include <dlfcn.h>

namespace {

bool counting = false;
std::uint64_t calls = 0;

std::vector<trig_count::Call>& call_log() {
    static std::vector<trig_count::Call> calls_made;
    return calls_made;
}

void note(trig_count::Kind kind, double x, std::uint64_t n) {
    calls += n;
    call_log().push_back({kind, x});
}

template <class F>
F next(const char* name) {
    return reinterpret_cast<F>(dlsym(RTLD_NEXT, name));
}

}  // namespace

extern "C" double cos(double x) {
    static const auto real = next<double (*)(double)>("cos");
    if (counting) note(trig_count::Kind::kCos, x, 1);
    return real(x);
}

extern "C" double sin(double x) {
    static const auto real = next<double (*)(double)>("sin");
    if (counting) note(trig_count::Kind::kSin, x, 1);
    return real(x);
}

extern "C" void sincos(double x, double* s, double* c) {
    static const auto real = next<void (*)(double, double*, double*)>("sincos");
    if (counting) note(trig_count::Kind::kSinCos, x, 2);
    real(x, s, c);
}

namespace trig_count {
void start() {
    calls = 0;
    call_log().clear();
    counting = true;
}
std::uint64_t stop() {
    counting = false;
    return calls;
}
const std::vector<Call>& recorded() { return call_log(); }
}  // namespace trig_count
