#pragma once

namespace varnolt::design {

// Unit weight of water, γw (kN/m³).
inline constexpr double waterUnitWeight = 9.81;

// What the uplift check of the basin's slab needs.
struct UpliftLoad {
    double q = 0; // discharge per unit width (m²/s)
    double hc = 0; // contracted depth in the basin (m)
    double tailwaterOverFloor = 0; // ht + d, the water over the basin floor at its end (m)
    double uplift = 0; // U, the uplift under the slab (kPa)
    double k2 = 1.2; // safety factor
    double slabUnitWeight = 24; // γb (kN/m³)
};

// The slab's thickness against uplift, t = k2·(U − W ± Pm)/γb, for its two
// halves. Pm = 0.05·γw·vc²/2g is the pulsating pressure of the jump, with
// vc = q/hc the velocity entering it. Under the front half the water's
// weight is W = γw·hc and the pulsation adds (+Pm); under the rear half
// W = γw·(ht + d) and the pulsation relieves (−Pm). A thickness at or below
// zero means the water's weight alone holds the slab down.
struct UpliftThickness {
    double velocity = 0; // vc (m/s)
    double pulsation = 0; // Pm (kPa)
    double front = 0; // t of the front half (m)
    double rear = 0; // t of the rear half (m)
    double governing() const { return front > rear ? front : rear; }
};
UpliftThickness upliftThickness(const UpliftLoad &load);

} // namespace varnolt::design
