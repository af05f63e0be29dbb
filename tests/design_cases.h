#pragma once

#include "design/case_result.h"

#include <QString>

// A case of a design as a user lists it: its name and the five inputs q, H,
// a1, v, ht, with the velocity coefficient at its preset and the
// submergence factor at its preset unless given.
inline varnolt::design::CaseInputs designCase(const QString &name, double q, double H, double a1,
        double v, double ht, double sigma = varnolt::design::CaseInputs{}.sigma)
{
    varnolt::design::CaseInputs c;
    c.name = name;
    c.q = q;
    c.H = H;
    c.a1 = a1;
    c.v = v;
    c.ht = ht;
    c.sigma = sigma;
    return c;
}
