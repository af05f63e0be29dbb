#include "design/design.h"

#include "commands/commands.h"
#include "design/jump_quantities.h"
#include "design/standard_check.h"
#include "model/checked_math.h"
#include "model/errors.h"
#include "model/form_model.h"
#include "model/form_state.h"
#include "model/formulas.h"
#include "model/jump_kind.h"

#include <QLocale>

#include <algorithm>
#include <thread>

namespace varnolt::design {

using namespace Qt::StringLiterals;

namespace {

// Full-stop notation for the commands' conversions while it lives; the
// user's locale comes back afterwards.
class FullStopNotation {
public:
    FullStopNotation()
        : m_saved(QLocale())
    {
        QLocale::setDefault(QLocale::c());
    }
    ~FullStopNotation() { QLocale::setDefault(m_saved); }
    FullStopNotation(const FullStopNotation &) = delete;
    FullStopNotation &operator=(const FullStopNotation &) = delete;

private:
    QLocale m_saved;
};

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

CaseResult evaluateInFullStop(const CaseInputs &inputs, const DesignOptions &options)
{
    CaseResult result;
    result.inputs = inputs;

    MemoryFormModel form;
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

} // namespace

QString inputText(double value)
{
    return QString::number(value, 'g', QLocale::FloatingPointShortest);
}

CaseResult evaluateCase(const CaseInputs &inputs, const DesignOptions &options)
{
    const FullStopNotation notation;
    return evaluateInFullStop(inputs, options);
}

DesignResult evaluateDesign(const std::vector<CaseInputs> &cases, const DesignOptions &options)
{
    const FullStopNotation notation;
    DesignResult design;
    design.options = options;
    design.cases.resize(cases.size());

    // The cases are independent (each has its own form and quantities, and
    // the conversions keep their caches per thread), so large designs are
    // shared out among the processor's cores in contiguous blocks.
    const std::size_t blockSize = 512;
    const std::size_t threads
            = std::min<std::size_t>(std::max(1U, std::thread::hardware_concurrency()),
                    (cases.size() + blockSize - 1) / blockSize);
    const auto evaluateBlock = [&](std::size_t first, std::size_t last) {
        for (std::size_t i = first; i < last; ++i)
            design.cases[i] = evaluateInFullStop(cases[i], options);
    };
    if (threads <= 1) {
        evaluateBlock(0, cases.size());
    } else {
        std::vector<std::thread> workers;
        const std::size_t share = (cases.size() + threads - 1) / threads;
        for (std::size_t t = 1; t < threads; ++t) {
            workers.emplace_back(evaluateBlock, std::min(cases.size(), t * share),
                    std::min(cases.size(), (t + 1) * share));
        }
        evaluateBlock(0, std::min(cases.size(), share));
        for (std::thread &worker : workers)
            worker.join();
    }

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
    return design;
}

} // namespace varnolt::design
