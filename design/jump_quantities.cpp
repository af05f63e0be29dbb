#include "design/jump_quantities.h"

#include "model/checked_math.h"
#include "model/formulas.h"

namespace varnolt::design {

namespace c = varnolt::checked;

double froudeNumber(double q, double hco)
{
    return c::div(q, c::pow(c::mul(formulas::g, c::pow(hco, 3)), 0.5));
}

std::optional<JumpForm> jumpFormOf(double froude)
{
    if (!(froude >= 1.0))
        return std::nullopt;
    if (froude < 1.7)
        return JumpForm::Undular;
    if (froude < 2.5)
        return JumpForm::Weak;
    if (froude < 4.5)
        return JumpForm::Oscillating;
    if (froude < 9.0)
        return JumpForm::Steady;
    return JumpForm::Strong;
}

double jumpEnergyLoss(double hco, double hco2)
{
    return c::div(c::pow(c::sub(hco2, hco), 3), c::mul(c::mul(4.0, hco), hco2));
}

double specificEnergy(double q, double hco)
{
    return c::add(hco, c::div(c::mul(q, q), c::mul(formulas::twoG, c::mul(hco, hco))));
}

double freeJumpLength(double hco, double hco2)
{
    return c::mul(formulas::freeJumpFactor, c::sub(hco2, hco));
}

BasinAdvice basinAdviceOf(double froude, double q, double hco)
{
    if (froude < 1.7)
        return BasinAdvice::NoAppurtenances;
    if (froude < 2.5)
        return BasinAdvice::PlainBasin;
    if (froude < 4.5)
        return BasinAdvice::SuppressWaves;
    if (c::div(q, hco) < 18.0 && q < 18.6)
        return BasinAdvice::BlocksBafflesSill;
    return BasinAdvice::BlocksDentatedSill;
}

} // namespace varnolt::design
