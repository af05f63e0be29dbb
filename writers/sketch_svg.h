#pragma once

#include "design/case_result.h"
#include "writers/report_words.h"

#include <QString>

namespace varnolt::writers {

// The longitudinal sketch of one case as an inline SVG element, drawn to
// scale for an A4 page: the weir with its crest a1 above the downstream floor
// and the upstream level H above the crest, the nappe down to the contracted
// section, the jump, the basin sunk d below the floor with its end step, the
// tailwater, the energy line at E0 dashed, curls suggesting the jump's
// roller, and dimension lines with their values; for a case of a design given
// by levels, the approach bed P below the crest and the elevations (▽) of the
// lines drawn. Without a basin the jump stands at the toe against the
// tailwater. No text is crossed by a line (see sketch_drawing.h, which lays
// the sketch out). Empty where the check stopped.
//
// The drawing is in millimetres of paper (viewBox units). The root carries
// the scale so that a reader can take coordinates back to metres:
//   data-mm-per-m-x, data-mm-per-m-y   paper millimetres per metre
//   data-origin-x, data-origin-y       where the toe on the downstream floor is
//   data-scale, data-vertical-scale    the stated ratios, "1:N"
// and the key lines are marked with data-role: weir-crest, upstream-level,
// downstream-floor, basin-floor, jump-level (σ·hco2 above the basin floor,
// or hco2 above the floor without a basin), tailwater, upstream-bed,
// energy-line, end-step.
// `idPrefix` keeps the hatching patterns of several sketches in one document
// apart. A case whose adopted basin `type` has a sill (the sill or the
// combined basin) draws it, its crest marked sill-crest.
QString sketchSvg(const design::CaseResult &result, ReportLanguage language,
        const QString &idPrefix, design::BasinType type = design::BasinType::Sunk);

} // namespace varnolt::writers
