#include "check.h"

#include "errors.h"

#include <cmath>

namespace takton::simulation {

CheckResult check(const Design& design, double betaScale, const RunControl& control)
{
    const Circuit& c = design.circuit;
    if (!(c.stopTime > 0) || !(c.maxStep > 0) || !std::isfinite(c.stopTime))
        throw Exception(u"Моделирование не запущено: длительность (tau) должна быть больше нуля"_qs);
    CheckResult result;
    result.waveforms = simulate(netlist(c, betaScale), c.stopTime, control,
                                {.t1 = emitterOf(c, u"Q1"_qs), .t2 = emitterOf(c, u"Q2"_qs)});
    result.measurement = design.kind == Kind::Astable ? measureAstable(result.waveforms, c)
                                                      : measureMonostable(result.waveforms, c);
    return result;
}

} // namespace takton::simulation
