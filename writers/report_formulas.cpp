#include "writers/report_formulas.h"

#include "writers/formula_numbers.h"
#include "writers/report_numbers.h"

namespace varnolt::writers::report {

using namespace Qt::StringLiterals;

const QString fE0 = u"E0 = a1 + H + v²/(2g)"_s;
const QString fHc = u"hk = (q²/g)^(1/3)"_s;
const QString fHco = u"E0 = hc + q²/(2g·φ²·hc²)"_s;
const QString fHco2 = u"hc″ = hc/2·(√(1 + 8q²/(g·hc³)) − 1)"_s;
const QString fFr1 = u"Fr1 = q/√(g·hc³)"_s;
const QString fLoss = u"ΔE = (hc″ − hc)³/(4·hc·hc″)"_s;
const QString fE1 = u"E1 = hc + q²/(2g·hc²)"_s;
const QString fJump = withConstants(u"Lj = {jump}·(hc″ − hc)"_s);
const QString fEt = u"Et = ht + q²/(2g·(φ·ht)²)"_s;
const QString fBalance = u"σ·hc″ + q²/(2g·(σ·hc″)²) − d = Et"_s;
const QString fBasinHead = u"E0′ = E0 + d"_s;
const QString fBasinHco = u"E0′ = hc + q²/(2g·φ²·hc²)"_s;
const QString fExitHead = u"Et′ = ht + q²/(2g·(φ′·ht)²)"_s;
const QString fExactBalance = u"σ·hc″ + q²/(2g·(σ·hc″)²) − d = Et′"_s;
const QString fExactHead = u"E0′ = a1 + H + v²/(2g) + d"_s;
const QString fT0 = u"T0 = a1 + H + α·v²/(2g) + d′"_s;
const QString fStdHco = u"hc³ − T0·hc² + α·q²/(2g·φ²) = 0"_s;
const QString fConjugate = u"hc″ = hc/2·(√(1 + 8α·q²/(g·hc³)) − 1)·(b1/b2)^0.25"_s;
const QString fDeltaZ = u"ΔZ = α·q²/(2g·φ′²·h′s²) − α·q²/(2g·hc″²)"_s;
const QString fStdDepth = u"d′ = σ0·hc″ − h′s − ΔZ,  σ0 = σ, h′s = ht"_s;
const QString fStdLength = withConstants(u"Lsj = Ls + β·{jump}·(hc″ − hc)"_s);
const QString fHead = u"ΔH′ = a1 + H − ht"_s;
const QString fSlab = u"t = k1·√(q·√ΔH′)"_s;
const QString fSlabEnd = u"t′ = max(t/2, 0.5)"_s;
const QString fUpliftVelocity = u"vc = q/hc"_s;
const QString fPulsation = u"Pm = 0.05·γw·vc²/(2g)"_s;
const QString fUpliftFront = u"t = k2·(U − γw·hc + Pm)/γb"_s;
const QString fUpliftRear = u"t = k2·(U − γw·(ht + d) − Pm)/γb"_s;
const QString fApronDischarge = u"qs = q·b1/b2"_s;
const QString fApron = u"Lp = Ks·√(qs·√ΔH′)"_s;

QString lengthFormula(ReportLanguage lang)
{
    return u"L = "_s
            + range(withConstants(u"{short}·(hc″ − hc)"_s), withConstants(u"{long}·(hc″ − hc)"_s),
                    lang);
}

QString formText(const std::optional<design::JumpForm> &form, ReportLanguage language)
{
    return form ? jumpFormWords(*form, language) : word(Word::NoForm, language);
}

QString contractedDepthWorking(double head, const QString &q, const QString &phi, double hco)
{
    return withConstants(u":  %1 = hc + %2²/({2g} × %3² × hc²),  hc = %4"_s)
            .arg(figure(head), q, phi, metres(hco));
}

QString rootByBisection(ReportLanguage lang)
{
    return remark(word(Word::RootByBisection, lang), lang);
}

QString conjugateDepthWorking(double hco, const QString &q, double hco2)
{
    return withConstants(u" = %1/2 × (√(1 + 8 × %2²/({g} × %1³)) − 1) = %3"_s)
            .arg(fig(hco), q, metres(hco2));
}

QString froudeWorking(const QString &q, double hco, double Fr1)
{
    return withConstants(u" = %1/√({g} × %2³) = %3"_s).arg(q, fig(hco), figure(Fr1));
}

QString formAfterFroude(const std::optional<design::JumpForm> &form, ReportLanguage lang)
{
    return u"  →  "_s + formText(form, lang);
}

} // namespace varnolt::writers::report
