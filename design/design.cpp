#include "design/design.h"

#include "commands/commands.h"
#include "design/basin_types.h"
#include "design/jump_quantities.h"
#include "design/standard_check.h"
#include "model/checked_math.h"
#include "model/errors.h"
#include "model/form_model.h"
#include "model/form_state.h"
#include "model/formulas.h"
#include "model/jump_kind.h"

#include <QLocale>
#include <QtConcurrentMap>

#include <algorithm>

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
    const SlabAndApron slab = slabAndApron(flow, options);
    basin.headDifference = slab.headDifference;
    basin.slabThickness = slab.slabThickness;
    basin.apronLength = slab.apronLength;
    basin.slabFormulaOutsideRange = slab.outsideRange;
    return basin;
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
        addBasinTypes(result, flowOf(state), options);
    } catch (const CalcError &error) {
        result.error = CaseError{Stage::Check, error};
        return result;
    }
    if (result.check->jump != JumpKind::Remote)
        return result;

    try {
        Command2_Click(form, state);
        result.basin = basinOf(form, state, options);
    } catch (const CalcError &error) {
        result.error = CaseError{Stage::Basin, error};
    }
    return result;
}

// Contiguous cases evaluated one after the other on one thread.
struct CaseBlock {
    std::size_t first = 0;
    std::size_t last = 0;
};

// Blocks of at most `blockSize` cases covering all `count` of them in order.
std::vector<CaseBlock> blocksOf(std::size_t count, std::size_t blockSize)
{
    std::vector<CaseBlock> blocks;
    blocks.reserve((count + blockSize - 1) / blockSize);
    for (std::size_t first = 0; first < count; first += blockSize)
        blocks.push_back({first, std::min(count, first + blockSize)});
    return blocks;
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
    design.cases.resize(cases.size());

    // The cases are independent (each has its own form, in its own notation,
    // and its own quantities; the conversions keep their caches per thread),
    // so they are shared out among the cores in contiguous blocks, each case
    // written to its own place. Blocks of a few hundred cases keep the
    // per-thread caches warm and the hand-over cheap.
    constexpr std::size_t blockSize = 512;
    const std::vector<CaseBlock> blocks = blocksOf(cases.size(), blockSize);
    QtConcurrent::blockingMap(blocks, [&](const CaseBlock &block) {
        for (std::size_t i = block.first; i < block.last; ++i)
            design.cases[i] = evaluateOnItsOwnForm(cases[i], options);
    });

    for (std::size_t i = 0; i < design.cases.size(); ++i) {
        const CaseResult &result = design.cases[i];
        if (result.error || !result.basin)
            continue;
        if (!design.governingDepth
                || result.basin->d > design.cases[*design.governingDepth].basin->d)
            design.governingDepth = i;
        if (!design.governingLength
                || result.basin->lengthMax > design.cases[*design.governingLength].basin->lengthMax)
            design.governingLength = i;
    }
    governBasinTypes(design);
    return design;
}

} // namespace varnolt::design
