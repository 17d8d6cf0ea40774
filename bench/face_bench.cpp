// The face: the slow layer drawn into the face pixmap, one fast-layer paint.
#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>
#include <QPixmap>

#include "alloc_count.h"
#include "face.h"

namespace {

SlowLayerInput sample_slow() {
    SlowLayerInput in;
    in.hour = 21;
    in.minute = 30;
    in.moonrise = 3.2;
    in.moonset = 15.7;
    in.moon_phase_angle = 123;
    in.twilight_begin = 7.1;
    in.sunrise = 8.6;
    in.sunset = 18.9;
    in.twilight_end = 20.4;
    in.sun_altitude_sine = -0.5;
    return in;
}

void BM_SlowLayer(benchmark::State& state) {
    QPixmap face(120, 120);
    const SlowLayerInput in = sample_slow();
    for (auto _ : state) {
        QPainter p(&face);
        face::draw_slow_layer(p, kDial, in);
    }
}
BENCHMARK(BM_SlowLayer);

void BM_FastLayerPaint(benchmark::State& state) {
    QPixmap face(120, 120);
    {
        QPainter p(&face);
        face::draw_slow_layer(p, kDial, sample_slow());
    }
    QImage window(120, 120, QImage::Format_RGB32);
    face::FastLayerTools fonts(96);
    FastLayerInput in;
    in.year = 2026;
    in.month = 12;
    in.day = 8;
    in.hour = 21;
    in.minute = 30;
    int second = 0;
    std::uint64_t fast_layer_allocations = 0;
    for (auto _ : state) {
        in.second = second++ % 60;
        QPainter p(&window);
        p.drawPixmap(0, 0, face);
        alloc_count::start();
        face::draw_fast_layer(p, kDial, in, fonts);
        fast_layer_allocations += alloc_count::stop();
    }
    // Heap allocations of the fast layer's drawing, per paint (the painter's own set-up aside).
    state.counters["allocs"] =
        benchmark::Counter(static_cast<double>(fast_layer_allocations), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_FastLayerPaint);

}  // namespace
