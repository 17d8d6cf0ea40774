#include "almanac.h"

#include "observer.h"

namespace astro {

void minute_pass(CalcContext& ctx, CPlnt_Data& planets, const CivilMoment& m) {
    ctx.delta_t = delta_t_seconds(m.year, m.month, m.day);
    set_time_and_orient(ctx, m.year, m.month, m.day, m.hour, m.minute, m.second);
    compute(planets, ctx);
}

}  // namespace astro
