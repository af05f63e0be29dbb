#include "design/basin_type.h"
#include "design/labels.h"
#include "design/sill_basin.h"
#include "model/errors.h"
#include "writers/error_words.h"
#include "writers/number_text.h"
#include "writers/writers.h"

namespace varnolt::writers {

using design::BasinResult;
using design::CaseResult;
using design::CheckResult;

namespace {

// A UTF-16 unit at `i` that is half of no pair: UTF-8 cannot carry it, a
// \u escape can.
bool isLoneSurrogate(const QString &text, qsizetype i)
{
    const QChar c = text[i];
    if (c.isHighSurrogate())
        return i + 1 == text.size() || !text[i + 1].isLowSurrogate();
    return c.isLowSurrogate(); // a low one after a high one was skipped with it
}

// A small streaming writer: keys in the order written, numbers as the
// shortest text that reads back as the same double.
class JsonOut {
public:
    QByteArray bytes;

    // Characters outside the Basic Multilingual Plane (rare place-name
    // characters, emoji) are two UTF-16 units: runs of ordinary text are
    // encoded whole so each pair becomes its one UTF-8 sequence; only the
    // characters JSON and JavaScript need escaped break a run.
    void string(const QString &text)
    {
        bytes += '"';
        qsizetype runStart = 0;
        const auto endRun = [&](qsizetype end) {
            bytes += QStringView(text).mid(runStart, end - runStart).toUtf8();
            runStart = end + 1;
        };
        for (qsizetype i = 0; i < text.size(); ++i) {
            const char16_t u = text[i].unicode();
            if (u == u'"' || u == u'\\') {
                endRun(i);
                bytes += '\\';
                bytes += char(u);
            } else if (u < 0x20 || u == 0x2028 || u == 0x2029 || isLoneSurrogate(text, i)) {
                endRun(i);
                bytes += "\\u";
                bytes += QByteArray::number(uint(u), 16).rightJustified(4, '0');
            } else if (QChar::isHighSurrogate(u)) {
                ++i; // the pair stays in the run
            }
        }
        endRun(text.size());
        bytes += '"';
    }

    void key(const char *name)
    {
        separate();
        bytes += '"';
        bytes += name;
        bytes += "\":";
        m_first = true; // the value follows without a comma
        m_afterKey = true;
    }

    void number(double value)
    {
        separate();
        bytes += shortestText(value);
    }

    void text(const QString &value)
    {
        separate();
        string(value);
    }

    void null()
    {
        separate();
        bytes += "null";
    }

    void open(char bracket)
    {
        separate();
        bytes += bracket;
        m_first = true;
    }

    void close(char bracket)
    {
        bytes += bracket;
        m_first = false;
    }

    // The next item on a line of its own.
    void breakLine()
    {
        if (!m_first)
            bytes += ',';
        bytes += '\n';
        m_first = true;
    }

    template <class Value> void optionalNumber(const std::optional<Value> &value)
    {
        if (value)
            number(double(*value));
        else
            null();
    }

private:
    void separate()
    {
        if (m_afterKey) {
            m_afterKey = false;
            m_first = false;
            return;
        }
        if (!m_first)
            bytes += ',';
        m_first = false;
    }

    bool m_first = true;
    bool m_afterKey = false;
};

void writeForm(JsonOut &out, const std::optional<design::JumpForm> &form)
{
    if (form)
        out.text(design::jumpFormKey(*form));
    else
        out.null();
}

void writeCheck(JsonOut &out, const CheckResult &check)
{
    out.open('{');
    out.key("hc");
    out.number(check.hc);
    out.key("hco");
    out.number(check.hco);
    out.key("hco2");
    out.number(check.hco2);
    out.key("jump");
    out.text(design::jumpKindKey(check.jump));
    out.key("Fr1");
    out.number(check.Fr1);
    out.key("form");
    writeForm(out, check.form);
    out.key("energy_loss");
    out.number(check.energyLoss);
    out.key("relative_loss");
    out.number(check.relativeLoss);
    out.key("jump_length");
    out.number(check.jumpLength);
    out.key("verdict");
    out.text(check.verdict);
    out.key("texts");
    out.open('{');
    out.key("Text7");
    out.text(check.text7);
    out.key("Text8");
    out.text(check.text8);
    out.key("Text9");
    out.text(check.text9);
    out.close('}');
    out.close('}');
}

void writeBasin(JsonOut &out, const BasinResult &basin)
{
    out.open('{');
    out.key("d");
    out.number(basin.d);
    out.key("hco");
    out.number(basin.hco);
    out.key("hco2");
    out.number(basin.hco2);
    out.key("length_min");
    out.number(basin.lengthMin);
    out.key("length_max");
    out.number(basin.lengthMax);
    out.key("Fr1");
    out.number(basin.Fr1);
    out.key("form");
    writeForm(out, basin.form);
    out.key("advice");
    out.text(design::basinAdviceKey(basin.advice));
    out.key("standard");
    out.open('{');
    out.key("d");
    out.optionalNumber(basin.standard.d);
    out.key("length");
    out.optionalNumber(basin.standard.length);
    out.close('}');
    out.key("slab_thickness");
    out.number(basin.slabThickness);
    out.key("apron_length");
    out.optionalNumber(basin.apronLength);
    out.key("texts");
    out.open('{');
    out.key("Text11");
    out.text(basin.text11);
    out.key("Text8");
    out.text(basin.text8);
    out.key("Text12");
    out.text(basin.text12);
    out.close('}');
    out.close('}');
}

void writeSill(JsonOut &out, const design::SillBasinResult &sill)
{
    if (!sill.basin) {
        out.null();
        return;
    }
    const design::SillBasin &basin = *sill.basin;
    out.open('{');
    out.key("verdict");
    out.text(design::sillVerdictKey(basin.verdict));
    const std::pair<const char *, double> figures[]
            = {{"c", basin.c}, {"H10", basin.H10}, {"H1", basin.H1}, {"sigma_s", basin.sigmaS},
                    {"submergence_ratio", basin.submergenceRatio}};
    for (const auto &[name, value] : figures) {
        out.key(name);
        out.number(value);
    }
    out.key("after");
    if (basin.after) {
        out.open('{');
        out.key("hco");
        out.number(basin.after->hco);
        out.key("hco2");
        out.number(basin.after->hco2);
        out.key("jump");
        out.text(design::jumpKindKey(basin.after->jump));
        out.close('}');
    } else {
        out.null();
    }
    out.key("length_min");
    out.number(basin.lengthMin);
    out.key("length_max");
    out.number(basin.lengthMax);
    out.close('}');
}

void writeCombined(JsonOut &out, const design::CombinedBasinResult &combined)
{
    if (!combined.basin) {
        out.null();
        return;
    }
    out.open('{');
    out.key("d");
    out.number(combined.basin->d);
    out.key("c");
    out.number(combined.basin->c);
    out.close('}');
}

// The basin types beside the sunk basin, and the scour beyond the apron.
void writeBasinTypes(JsonOut &out, const CaseResult &result)
{
    out.key("sill");
    if (result.sill)
        writeSill(out, *result.sill);
    else
        out.null();
    out.key("combined");
    if (result.combined)
        writeCombined(out, *result.combined);
    else
        out.null();
    out.key("scour_depth");
    if (result.scour)
        out.number(result.scour->depth);
    else
        out.null();
}

void writeCaseName(
        JsonOut &out, const design::DesignResult &design, const std::optional<std::size_t> &index)
{
    if (index)
        out.text(design.cases[*index].inputs.name);
    else
        out.null();
}

void writeCase(JsonOut &out, const CaseResult &result, ReportLanguage language)
{
    out.open('{');
    out.key("name");
    out.text(result.inputs.name);
    out.key("inputs");
    out.open('{');
    const auto &in = result.inputs;
    const std::pair<const char *, double> inputs[] = {{"q", in.q}, {"H", in.H}, {"a1", in.a1},
            {"v", in.v}, {"ht", in.ht}, {"phi", in.phi}, {"sigma", in.sigma}};
    for (const auto &[name, value] : inputs) {
        out.key(name);
        out.number(value);
    }
    out.close('}');
    out.key("check");
    if (result.check)
        writeCheck(out, *result.check);
    else
        out.null();
    out.key("basin");
    if (result.basin)
        writeBasin(out, *result.basin);
    else
        out.null();
    out.key("error");
    if (result.error) {
        out.open('{');
        out.key("command");
        out.text(design::stageKey(result.error->stage));
        out.key("kind");
        out.text(errorKindKey(result.error->error.kind()));
        out.key("message");
        out.text(errorWords(result.error->error, language));
        out.close('}');
    } else {
        out.null();
    }
    writeBasinTypes(out, result);
    out.close('}');
}

} // namespace

QByteArray jsonText(const design::DesignResult &design, ReportLanguage language)
{
    JsonOut out;
    out.bytes.reserve(qsizetype(design.cases.size()) * 1200 + 64);
    out.open('{');
    out.key("cases");
    out.open('[');
    for (const CaseResult &result : design.cases) {
        out.breakLine();
        writeCase(out, result, language);
    }
    out.close(']');
    out.breakLine();
    out.key("governing");
    out.open('{');
    out.key("depth");
    if (design.governingDepth)
        out.text(design.cases[*design.governingDepth].inputs.name);
    else
        out.null();
    out.key("length");
    if (design.governingLength)
        out.text(design.cases[*design.governingLength].inputs.name);
    else
        out.null();
    out.key("sill");
    writeCaseName(out, design, design.governingSill);
    out.key("combined");
    writeCaseName(out, design, design.governingCombined);
    out.key("scour");
    writeCaseName(out, design, design.governingScour);
    out.close('}');
    out.key("basin_type");
    out.text(design::basinTypeKey(design.options.basinType));
    out.close('}');
    out.bytes += "\n";
    return out.bytes;
}

} // namespace varnolt::writers
