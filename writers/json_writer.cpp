#include "design/basin_type.h"
#include "design/labels.h"
#include "design/sill_basin.h"
#include "model/errors.h"
#include "writers/error_words.h"
#include "writers/json_stream.h"
#include "writers/number_text.h"
#include "writers/writers.h"

#include <charconv>
#include <initializer_list>
#include <string>
#include <tuple>
#include <utility>

namespace varnolt::writers {

using design::BasinResult;
using design::CaseResult;
using design::CheckResult;
using design::Governed;

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

// Printable ASCII that JSON writes as it is.
bool isPlainAscii(char16_t u)
{
    return u >= 0x20 && u < 0x80 && u != u'"' && u != u'\\';
}

// A small streaming writer: keys in the order written, numbers as the
// shortest text that reads back as the same double. The text grows in a
// plain string: a design writes some fifty numbers and keys per case.
class JsonOut {
public:
    std::string bytes;

    // Text as UTF-8, with the characters JSON and JavaScript need escaped as
    // \u escapes; characters outside the Basic Multilingual Plane (rare
    // place-name characters, emoji) are two UTF-16 units that become their
    // one four-byte sequence, and a unit that is half of no pair is escaped,
    // since UTF-8 cannot carry it.
    void string(const QString &text)
    {
        bytes += '"';
        for (qsizetype i = 0; i < text.size(); ++i) {
            const char16_t u = text[i].unicode();
            if (isPlainAscii(u)) {
                // The common case first: a run of plain ASCII, copied at once.
                qsizetype end = i + 1;
                while (end < text.size() && isPlainAscii(text[end].unicode()))
                    ++end;
                const std::size_t at = bytes.size();
                bytes.resize(at + std::size_t(end - i));
                for (qsizetype k = i; k < end; ++k)
                    bytes[at + std::size_t(k - i)] = char(text[k].unicode());
                i = end - 1;
            } else if (u == u'"' || u == u'\\') {
                bytes += '\\';
                bytes += char(u);
            } else if (u < 0x20 || u == 0x2028 || u == 0x2029 || isLoneSurrogate(text, i)) {
                static constexpr char hex[] = "0123456789abcdef";
                const char escape[] = {'\\', 'u', hex[(u >> 12) & 0xF], hex[(u >> 8) & 0xF],
                        hex[(u >> 4) & 0xF], hex[u & 0xF]};
                bytes.append(escape, sizeof escape);
            } else if (u < 0x800) {
                bytes += char(0xC0 | (u >> 6));
                bytes += char(0x80 | (u & 0x3F));
            } else if (QChar::isHighSurrogate(u)) {
                // The pair's one code point; isLoneSurrogate() said the low
                // half follows.
                const char32_t point = QChar::surrogateToUcs4(u, text[++i].unicode());
                bytes += char(0xF0 | (point >> 18));
                bytes += char(0x80 | ((point >> 12) & 0x3F));
                bytes += char(0x80 | ((point >> 6) & 0x3F));
                bytes += char(0x80 | (point & 0x3F));
            } else {
                bytes += char(0xE0 | (u >> 12));
                bytes += char(0x80 | ((u >> 6) & 0x3F));
                bytes += char(0x80 | (u & 0x3F));
            }
        }
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
        // As shortestText() writes it, without a buffer of its own.
        char buffer[32];
        const auto written = std::to_chars(buffer, buffer + sizeof buffer, value);
        bytes.append(buffer, std::size_t(written.ptr - buffer));
    }

    void text(const QString &value)
    {
        separate();
        string(value);
    }

    void boolean(bool value)
    {
        separate();
        bytes += value ? "true" : "false";
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

    // An object of named numbers: {"a":1,"b":2}.
    void numbers(std::initializer_list<std::pair<const char *, double>> members)
    {
        open('{');
        for (const auto &[name, value] : members) {
            key(name);
            number(value);
        }
        close('}');
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

void writeCheck(JsonOut &out, const CheckResult &check, std::optional<double> submergence)
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
    out.key("submergence");
    out.optionalNumber(submergence);
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

// `slabFailed`: the slab's arithmetic failed, so its figures are null.
void writeBasin(JsonOut &out, const BasinResult &basin, bool slabFailed)
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
    out.key("exact_d");
    out.optionalNumber(basin.exactD);
    out.key("adopted");
    out.numbers({{"depth", basin.adoptedDepth.adopted}, {"length", basin.adoptedLength.adopted}});
    const auto slabFigure = [&](const char *key, double value) {
        out.key(key);
        out.optionalNumber(slabFailed ? std::nullopt : std::optional(value));
    };
    slabFigure("scour_thickness", basin.slabThickness);
    slabFigure("slab_thickness", basin.slab);
    slabFigure("slab_end_thickness", basin.slabEndThickness);
    out.key("uplift_thickness");
    if (basin.uplift) {
        out.numbers({{"front", basin.uplift->front}, {"rear", basin.uplift->rear}});
    } else {
        out.null();
    }
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
    out.numbers({{"d", combined.basin->d}, {"c", combined.basin->c}});
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

// What a case from a design file adds: its discharge, the head the weir's
// capacity gives and the levels as the design is drawn.
void writeFlood(JsonOut &out, const design::FloodFigures &flood)
{
    out.key("discharge");
    out.number(flood.discharge);
    out.key("head");
    out.numbers({{"H", flood.H}, {"v0", flood.v0}, {"H0", flood.H0}});
    out.key("levels");
    out.open('{');
    out.key("upstream");
    out.number(flood.upstreamLevel);
    out.key("tailwater");
    out.number(flood.tailwaterLevel);
    out.key("basin_floor");
    out.number(flood.basinFloorLevel);
    out.key("jump");
    out.optionalNumber(flood.jumpLevel);
    out.close('}');
}

// The value that makes the case govern a dimension: the adopted depth,
// length and slab, the apron, the sill height c, the combined basin's
// lowering d, the scour depth dm.
double governingValue(const CaseResult &result, Governed dimension)
{
    switch (dimension) {
    case Governed::Depth:
        return result.basin->adoptedDepth.adopted;
    case Governed::Length:
        return result.basin->adoptedLength.adopted;
    case Governed::Slab:
        return result.basin->slab;
    case Governed::Apron:
        return result.apron ? result.apron->length : 0;
    case Governed::Sill:
        return result.sill->basin->c;
    case Governed::Combined:
        return result.combined->basin->d;
    case Governed::Scour:
        return result.scour->depth;
    }
    return 0;
}

void writeGoverning(JsonOut &out, const GoverningEntry &governing, Governed dimension)
{
    out.open('{');
    out.key("index");
    out.number(double(governing.index));
    out.key("case");
    out.text(governing.result->inputs.name);
    out.key("value");
    out.number(governingValue(*governing.result, dimension));
    out.close('}');
}

void writeWarning(JsonOut &out, const design::CoefficientWarning &warning,
        const std::function<QString(std::size_t)> &nameOfCase)
{
    out.open('{');
    out.key("coefficient");
    out.text(design::coefficientKey(warning.coefficient));
    out.key("value");
    out.number(warning.value);
    out.key("range");
    out.open('[');
    out.optionalNumber(warning.low);
    out.optionalNumber(warning.high);
    out.close(']');
    out.key("case");
    if (warning.caseIndex)
        out.text(nameOfCase(*warning.caseIndex));
    else
        out.null();
    out.close('}');
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
    out.key("uplift");
    out.optionalNumber(in.uplift);
    out.close('}');
    out.key("decision");
    out.text(design::basinDecisionKey(result.decision));
    out.key("check");
    if (result.check)
        writeCheck(out, *result.check, result.submergence);
    else
        out.null();
    out.key("apron_length");
    if (result.apron)
        out.number(result.apron->length);
    else
        out.null();
    out.key("basin");
    if (result.basin)
        writeBasin(out, *result.basin, result.failed(design::SideQuantity::Slab));
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
    out.key("side_failures");
    out.open('[');
    for (const design::SideFailure &failure : result.sideFailures) {
        out.open('{');
        out.key("quantity");
        out.text(design::sideQuantityKey(failure.quantity));
        out.key("kind");
        out.text(errorKindKey(failure.error.kind()));
        out.key("message");
        out.text(errorWords(failure.error, language));
        out.close('}');
    }
    out.close(']');
    writeBasinTypes(out, result);
    if (result.flood)
        writeFlood(out, *result.flood);
    out.close('}');
}

void writeProject(JsonOut &out, const design::ProjectInfo &project)
{
    out.key("project");
    out.open('{');
    out.key("name");
    out.text(project.name);
    out.key("stage");
    out.text(project.stage);
    out.key("number");
    out.text(project.number);
    out.close('}');
}

void writeScan(JsonOut &out, const design::ScanSummary &scan)
{
    out.key("scan");
    out.open('{');
    out.key("count");
    out.number(scan.count);
    out.key("depth");
    if (scan.depth) {
        out.numbers(
                {{"discharge", scan.depth->discharge}, {"q", scan.depth->q}, {"d", scan.depth->d}});
    } else {
        out.null();
    }
    out.key("length");
    if (scan.length) {
        out.numbers({{"discharge", scan.length->discharge}, {"q", scan.length->q},
                {"length", scan.length->length}});
    } else {
        out.null();
    }
    out.key("depth_beyond_floods");
    out.boolean(scan.depthBeyondFloods);
    out.key("adopted_depth");
    out.optionalNumber(scan.adoptedDepth);
    out.close('}');
}

} // namespace

QByteArray jsonHead()
{
    return QByteArrayLiteral("{\"version\":2,\"cases\":[");
}

void appendJsonCases(std::string &bytes, std::span<const design::CaseResult> cases,
        bool firstOfDesign, ReportLanguage language)
{
    // The writer takes over the caller's string, its text and its capacity,
    // and hands it back: no chunk allocates (and faults in) a buffer anew.
    JsonOut out;
    out.bytes = std::move(bytes);
    out.bytes.reserve(out.bytes.size() + cases.size() * 1400);
    // Each case on a line of its own, after a comma but the design's first.
    if (!firstOfDesign && !cases.empty())
        out.bytes += ',';
    for (const CaseResult &result : cases) {
        out.breakLine();
        writeCase(out, result, language);
    }
    bytes = std::move(out.bytes);
}

QByteArray jsonSummary(const JsonSummary &summary)
{
    JsonOut out;
    out.bytes += "],\n";
    // The members follow the cases' array: the first needs no comma.
    out.key("governing");
    out.open('{');
    const std::pair<const char *, Governed> governing[] = {{"depth", Governed::Depth},
            {"length", Governed::Length}, {"slab", Governed::Slab}, {"apron", Governed::Apron},
            {"sill", Governed::Sill}, {"combined", Governed::Combined}, {"scour", Governed::Scour}};
    for (const auto &[key, dimension] : governing) {
        out.key(key);
        const std::optional<GoverningEntry> &entry = summary.governing[std::size_t(dimension)];
        if (entry)
            writeGoverning(out, *entry, dimension);
        else
            out.null();
    }
    out.close('}');
    out.key("basin_type");
    out.text(design::basinTypeKey(summary.basinType));
    if (summary.project)
        writeProject(out, *summary.project);
    if (summary.scan)
        writeScan(out, *summary.scan);
    return QByteArray(out.bytes.data(), qsizetype(out.bytes.size()));
}

std::string jsonWarnings(const std::vector<design::CoefficientWarning> &warnings,
        const std::function<QString(std::size_t)> &nameOfCase)
{
    JsonOut out;
    // A member after the summary's others.
    out.bytes += ',';
    out.key("warnings");
    out.open('[');
    for (const design::CoefficientWarning &warning : warnings)
        writeWarning(out, warning, nameOfCase);
    out.close(']');
    out.close('}');
    out.bytes += "\n";
    return std::move(out.bytes);
}

QByteArray jsonText(const design::DesignResult &design, ReportLanguage language)
{
    std::string cases;
    appendJsonCases(cases, design.cases, true, language);
    QByteArray bytes = jsonHead();
    bytes.append(cases.data(), qsizetype(cases.size()));
    JsonSummary summary;
    const std::optional<std::size_t> indices[] = {design.governingDepth, design.governingLength,
            design.governingSlab, design.governingApron, design.governingSill,
            design.governingCombined, design.governingScour};
    for (std::size_t d = 0; d < design::governedCount; ++d) {
        if (indices[d])
            summary.governing[d] = GoverningEntry{*indices[d], &design.cases[*indices[d]]};
    }
    summary.basinType = design.options.basinType;
    summary.project = design.project;
    summary.scan = design.scan;
    bytes += jsonSummary(summary);
    const std::string warnings = jsonWarnings(
            design.warnings, [&design](std::size_t i) { return design.cases[i].inputs.name; });
    bytes.append(warnings.data(), qsizetype(warnings.size()));
    return bytes;
}

} // namespace varnolt::writers
