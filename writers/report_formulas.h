#pragma once

#include "design/case_result.h"
#include "writers/report_words.h"

#include <QString>

#include <optional>

namespace varnolt::writers::report {

// The formulas in their general form, written once: the basis lists them,
// and each case repeats them with its numbers substituted.
extern const QString fE0;
extern const QString fHc;
extern const QString fHco;
extern const QString fHco2;
extern const QString fFr1;
extern const QString fLoss;
extern const QString fE1;
extern const QString fJump;
extern const QString fEt;
extern const QString fBalance;
extern const QString fBasinHead;
extern const QString fBasinHco;
extern const QString fExitHead;
extern const QString fExactBalance;
extern const QString fExactHead;
extern const QString fT0;
extern const QString fStdHco;
extern const QString fConjugate;
extern const QString fDeltaZ;
extern const QString fStdDepth;
extern const QString fStdLength;
extern const QString fHead;
extern const QString fSlab;
extern const QString fSlabEnd;
extern const QString fUpliftVelocity;
extern const QString fPulsation;
extern const QString fUpliftFront;
extern const QString fUpliftRear;
extern const QString fApronDischarge;
extern const QString fApron;

// The basin's length as a range of multiples of the jump's: "L = 4.83·…".
QString lengthFormula(ReportLanguage lang);

// The jump's form by its Froude number, or the words for none.
QString formText(const std::optional<design::JumpForm> &form, ReportLanguage language);

// The jump's equations worked with the figures, the same below the weir and
// in the basin: the contracted depth from the head above it, its conjugate
// depth, and the Froude number of the flow entering the jump.
// The contracted depth's root is found by bisection, said in a remark after it.
QString contractedDepthWorking(double head, const QString &q, const QString &phi, double hco);
QString rootByBisection(ReportLanguage lang);
QString conjugateDepthWorking(double hco, const QString &q, double hco2);
QString froudeWorking(const QString &q, double hco, double Fr1);
// The jump's form after the Froude number: "  →  steady jump".
QString formAfterFroude(const std::optional<design::JumpForm> &form, ReportLanguage lang);

} // namespace varnolt::writers::report
