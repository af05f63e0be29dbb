#pragma once

namespace varnolt {

// The window's quantities, single precision, in their order of declaration.
// Every assignment rounds a double-precision result to single precision; the
// record starts at zero and keeps its values from one command to the next.
struct FormState {
    float q = 0; // discharge per unit width (m²/s)
    float a1 = 0; // weir height above the downstream floor (m)
    float H = 0; // head over the crest (m)
    float P = 0; // a1 + H (m)
    float v = 0; // approach velocity (m/s)
    float E0 = 0; // total head above the floor in use (m)
    float hc = 0; // critical depth (m)
    float phi = 0; // velocity coefficient
    float hco = 0; // contracted depth, also the bisection's trial value (m)
    float hco2 = 0; // conjugate depth (m)
    float ht = 0; // downstream depth (m)
    float Et = 0; // downstream total head with the exit velocity head (m)
    float d = 0; // basin depth, also the bisection's trial value (m)
    float sigma = 0; // submergence factor of the basin

    bool operator==(const FormState &) const = default;
};

} // namespace varnolt
