#include "design/design.h"

#include "commands/commands.h"
#include "design/adopted_dimensions.h"
#include "design/basin_decision.h"
#include "design/basin_types.h"
#include "design/chunk_pipeline.h"
#include "design/coefficient_warnings.h"
#include "design/exact_basin_depth.h"
#include "design/governing_search.h"
#include "design/jump_quantities.h"
#include "design/slab_and_apron.h"
#include "design/standard_check.h"
#include "design/uplift_check.h"
#include "model/checked_math.h"
#include "model/errors.h"
#include "model/form_model.h"
#include "model/form_state.h"
#include "model/formulas.h"
#include "model/jump_kind.h"

#include <QLocale>

#include <algorithm>
#include <functional>
#include <iterator>

namespace varnolt::design {

using namespace Qt::StringLiterals;

namespace {

WeirFlow flowOf(const FormState &state)
{
    return WeirFlow{state.q, state.H, state.a1, state.v, state.ht, state.phi, state.sigma};
}

CheckResult checkOf(const MemoryFormModel &form, const FormState &state, JumpKind jump)
{
    CheckResult check;
    check.hc = state.hc;
    check.E0 = state.E0;
    check.hco = state.hco;
    check.hco2 = state.hco2;
    check.jump = jump;
    check.verdict = form.verdict();
    check.text7 = form.text(Field::Text7);
    check.text8 = form.text(Field::Text8);
    check.text9 = form.text(Field::Text9);

    check.Fr1 = froudeNumber(state.q, state.hco);
    check.form = jumpFormOf(check.Fr1);
    check.energyLoss = jumpEnergyLoss(state.hco, state.hco2);
    check.specificEnergy = specificEnergy(state.q, state.hco);
    check.relativeLoss = checked::div(check.energyLoss, check.specificEnergy);
    check.jumpLength = freeJumpLength(state.hco, state.hco2);
    return check;
}

BasinResult basinOf(
        const MemoryFormModel &form, const FormState &state, const DesignOptions &options)
{
    BasinResult basin;
    basin.d = state.d;
    basin.E0 = state.E0;
    basin.Et = state.Et;
    basin.hco = state.hco;
    basin.hco2 = state.hco2;
    basin.lengthMin = formulas::basinLength(state.hco2, state.hco, formulas::shortBasinFactor);
    basin.lengthMax = formulas::basinLength(state.hco2, state.hco, formulas::longBasinFactor);
    basin.text11 = form.text(Field::Text11);
    basin.text8 = form.text(Field::Text8);
    basin.text12 = form.text(Field::Text12);

    basin.Fr1 = froudeNumber(state.q, state.hco);
    basin.form = jumpFormOf(basin.Fr1);
    basin.advice = basinAdviceOf(basin.Fr1, state.q, state.hco);

    const WeirFlow flow = flowOf(state);
    basin.standard = standardCheck(flow, options);
    basin.headDifference = headDifference(flow);

    // The balance to double precision with φ′. Where it holds with the floor
    // unlowered (a submerged jump short of σ whose exit velocity head makes
    // up the missing depth) its root is d = 0: the σ rule still asks for a
    // basin, so the basin stands with the depth the other methods give (at
    // least zero) and its length, slab and apron apply as for any basin.
    // This keeps one rule for the decision (σ′ < σ) and lets the balance
    // report only what it shows, rather than overruling the standard.
    const ExactBasinDepth exact = exactBasinDepth(flow, options.exitPhi);
    if (exact.basin) {
        basin.exactD = exact.basin->d;
        basin.exactE0 = exact.basin->E0;
        basin.exactEt = exact.basin->Et;
        basin.exactHco = exact.basin->hco;
        basin.exactHco2 = exact.basin->hco2;
        basin.metWithoutLowering = exact.basin->metWithoutLowering;
    }
    basin.adoptedDepth = adoptedDepth(
            std::max(0.0, basin.d), basin.exactD, basin.standard.d, options.depthStep);
    basin.adoptedLength = adoptedLength(basin.lengthMax, basin.standard.length, options.lengthStep);
    return basin;
}

// The slab against scour under a sized basin: a failure of its arithmetic
// leaves the basin standing without a slab, and is said.
void addSlab(CaseResult &result, const WeirFlow &flow, const DesignOptions &options)
{
    try {
        const ScourSlab slab = scourSlab(flow, options);
        BasinResult &basin = *result.basin;
        basin.slabThickness = slab.slabThickness;
        basin.slabFormulaOutsideRange = slab.outsideRange;
        basin.slabEndThickness = slabEndThickness(basin.slabThickness);
        basin.slab = basin.slabThickness;
    } catch (const CalcError &error) {
        result.sideFailures.push_back({SideQuantity::Slab, error});
    }
}

// The uplift check of the slab under the window's basin: hc its contracted
// depth, the water over the floor at its end ht + d.
void addUplift(CaseResult &result, const DesignOptions &options)
{
    const CaseInputs &inputs = result.inputs;
    if (!inputs.uplift || result.failed(SideQuantity::Slab))
        return;
    BasinResult &basin = *result.basin;
    UpliftLoad load;
    load.q = inputs.q;
    load.hc = basin.hco;
    load.tailwaterOverFloor = inputs.ht + basin.d;
    load.uplift = *inputs.uplift;
    load.k2 = options.k2;
    load.slabUnitWeight = options.slabUnitWeight;
    try {
        basin.uplift = upliftThickness(load);
        basin.slab = slabThickness(basin.slabThickness, basin.uplift->governing());
    } catch (const CalcError &error) {
        basin.uplift.reset();
        result.sideFailures.push_back({SideQuantity::Uplift, error});
    }
}

// The apron for every case the check passed, with the unit discharge at the
// basin's end.
std::optional<CaseApron> apronOf(const WeirFlow &flow, const DesignOptions &options)
{
    if (!options.ks)
        return std::nullopt;
    const double head = headDifference(flow);
    const ApronExtension apron = apronExtension(flow.q, options.widthRatio, head, *options.ks);
    return CaseApron{head, apron.unitDischarge, apron.parameter, apron.length, apron.outsideRange};
}

CaseResult evaluateOnItsOwnForm(const CaseInputs &inputs, const DesignOptions &options)
{
    CaseResult result;
    result.inputs = inputs;

    // The form of the window's commands, in the full-stop notation of
    // inputText whatever the user's locale.
    MemoryFormModel form(QLocale::c());
    form.setText(Field::Text1, inputText(inputs.q));
    form.setText(Field::Text2, inputText(inputs.H));
    form.setText(Field::Text3, inputText(inputs.a1));
    form.setText(Field::Text4, inputText(inputs.v));
    form.setText(Field::Text5, inputText(inputs.ht));
    form.setText(Field::Text6, inputText(inputs.phi));
    form.setText(Field::Text10, inputText(inputs.sigma));
    FormState state;

    // The design's own quantities use the same checked arithmetic; where one
    // fails (a conjugate depth that rounded to zero) the stage it belongs to
    // is reported as stopped, with the kind of failure.
    try {
        const JumpKind jump = Command1_Click(form, state);
        result.check = checkOf(form, state, jump);
    } catch (const CalcError &error) {
        result.error = CaseError{Stage::Check, error};
        return result;
    }
    // The weir's flow as the check read it, before the sizing works on the form.
    const WeirFlow flow = flowOf(state);
    try {
        result.apron = apronOf(flow, options);
    } catch (const CalcError &error) {
        result.sideFailures.push_back({SideQuantity::Apron, error});
    }

    // A basin wherever σ′ = ht/hco2 < σ, sized by the window's own sizing
    // on the same form; a sizing that stops leaves the case unsizeable with
    // the sizing's error.
    const BasinDecisionOutcome outcome = decideAndSizeBasin(form, state, inputs.sigma);
    result.decision = outcome.decision;
    result.submergence = outcome.submergence;
    addBasinTypes(result, flow, options);
    if (outcome.reason) {
        result.error = CaseError{Stage::Basin, *outcome.reason};
        return result;
    }
    if (outcome.decision != BasinDecision::Basin)
        return result;

    try {
        result.basin = basinOf(form, state, options);
        // The apron takes the unit discharge at the basin's end, qs = q·b1/b2.
        result.basin->apronLength
                = result.apron ? std::optional(result.apron->length) : std::nullopt;
    } catch (const CalcError &error) {
        result.decision = BasinDecision::Unsizeable;
        result.error = CaseError{Stage::Basin, error};
        return result;
    }
    addSlab(result, flowOf(state), options);
    addUplift(result, options);
    return result;
}

// Every case on every core, a few chunks ahead of `take`. The cases are
// independent (each has its own form, in its own notation, and its own
// quantities; the conversions keep their caches per thread). With one chunk
// evaluated while the one before was taken, a core waited for each chunk's
// last block (some 12 % of a million-case run); four ahead keep both busy.
bool evaluateAll(const std::vector<CaseInputs> &cases, const DesignOptions &options,
        std::size_t chunkSize, const ChunkTaker &take)
{
    constexpr std::size_t chunksAhead = 4;
    return evaluateAhead(
            cases.size(), chunkSize, chunksAhead,
            [&](std::size_t i, CaseResult &result) {
                result = evaluateOnItsOwnForm(cases[i], options);
            },
            take);
}

} // namespace

QString inputText(double value)
{
    return QString::number(value, 'g', QLocale::FloatingPointShortest);
}

CaseResult evaluateCase(const CaseInputs &inputs, const DesignOptions &options)
{
    return evaluateOnItsOwnForm(inputs, options);
}

DesignResult evaluateDesign(const std::vector<CaseInputs> &cases, const DesignOptions &options)
{
    DesignResult design;
    design.options = options;
    design.cases.reserve(cases.size());
    constexpr std::size_t chunkSize = 1024;
    evaluateAll(cases, options, chunkSize, [&](std::size_t, std::span<CaseResult> results) {
        std::move(results.begin(), results.end(), std::back_inserter(design.cases));
        return true;
    });

    // The governing cases on the adopted values; a case without a sized
    // basin (or without an apron) governs nothing.
    GoverningSearch search;
    for (std::size_t i = 0; i < design.cases.size(); ++i)
        search.add(i, design.cases[i]);
    design.governingDepth = search.index(Governed::Depth);
    design.governingLength = search.index(Governed::Length);
    design.governingSlab = search.index(Governed::Slab);
    design.governingApron = search.index(Governed::Apron);
    design.governingSill = search.index(Governed::Sill);
    design.governingCombined = search.index(Governed::Combined);
    design.governingScour = search.index(Governed::Scour);
    design.warnings = coefficientWarnings(options, cases);
    return design;
}

bool evaluateInChunks(const std::vector<CaseInputs> &cases, const DesignOptions &options,
        std::size_t chunkSize, GoverningSearch &search, const ChunkSink &sink)
{
    return evaluateAll(
            cases, options, chunkSize, [&](std::size_t first, std::span<CaseResult> results) {
                for (std::size_t i = 0; i < results.size(); ++i)
                    search.add(first + i, results[i]);
                return sink(results);
            });
}

} // namespace varnolt::design
