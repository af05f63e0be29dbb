#pragma once

namespace varnolt::design {

// The flow over a sill of practical profile at the end of a stilling basin:
// the weir formula q = σs·m·√(2g)·H10^(3/2) read for the head, and the
// submergence coefficient σs by which the tailwater above the crest cuts the
// discharge. Every step is checked (model/checked_math.h).

// The sill's discharge coefficient m where the design gives none.
inline constexpr double defaultSillDischargeCoefficient = 0.42;

// Up to this hs/H10 (hs the tailwater above the crest, H10 the total head
// over it) the sill discharges freely: σs = 1.
inline constexpr double freeSillLimit = 0.45;

// σs of a practical-profile sill by hs/H10, from the hydraulics textbook's
// table, interpolated linearly between its rows: 1 up to 0.45, falling to
// 0.535 at 0.95 and 0 at 1, where the tailwater stands as high as the
// sill's total head and no discharge is left to the crest. 0 above 1 too.
double sillSubmergenceCoefficient(double submergenceRatio);

// The total head over the crest, H10 = (q / (σs·m·√(2g)))^(2/3) (m).
// σs and m must be positive.
double sillTotalHead(double q, double sigmaS, double m);

// The static head over the crest, H1 = H10 − q²/(2g·y²) (m): the total head
// less the velocity head of the basin's flow of depth y approaching the sill.
double sillStaticHead(double H10, double q, double depthBeforeSill);

} // namespace varnolt::design
