#include "report/options.h"

#include "design/bed_class.h"
#include "design/case_reader.h"
#include "model/quoted_excerpt.h"

#include <QCoreApplication>

#include <algorithm>
#include <map>

namespace varnolt::report {

using namespace Qt::StringLiterals;

namespace {

enum class Kind { Flag, Value };

struct OptionDefinition {
    const char *name; // without the dashes
    Kind kind;
};

// Every option. Each takes one dash or two: --q and -q are the same.
constexpr OptionDefinition knownOptions[] = {
        {"help", Kind::Flag},
        {"h", Kind::Flag},
        {"version", Kind::Flag},
        {"q", Kind::Value},
        {"H", Kind::Value},
        {"a1", Kind::Value},
        {"v", Kind::Value},
        {"ht", Kind::Value},
        {"phi", Kind::Value},
        {"sigma", Kind::Value},
        {"name", Kind::Value},
        {"alpha", Kind::Value},
        {"b-ratio", Kind::Value},
        {"beta", Kind::Value},
        {"ls", Kind::Value},
        {"k1", Kind::Value},
        {"ks", Kind::Value},
        {"bed", Kind::Value},
        {"o", Kind::Value},
        {"output", Kind::Value},
        {"format", Kind::Value},
        {"lang", Kind::Value},
        {"title", Kind::Value},
};

const OptionDefinition *findOption(const QString &name)
{
    for (const OptionDefinition &option : knownOptions) {
        if (name == QLatin1String(option.name))
            return &option;
    }
    return nullptr;
}

std::optional<double> numberOption(const QString &option, const QString &text, QString &error)
{
    QString fault;
    const std::optional<double> value = design::parseCaseNumber(text, u',', fault);
    if (!value)
        error = u"option --%1: %2"_s.arg(option, fault);
    return value;
}

} // namespace

std::optional<ReportOptions> parseArguments(const QStringList &arguments, QString &error)
{
    std::map<QString, QString> values;
    ReportOptions options;
    QStringList positional;
    bool optionsEnded = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments[i];
        if (optionsEnded || argument == u"-"_s || !argument.startsWith(u'-')) {
            positional << argument;
            continue;
        }
        if (argument == u"--"_s) {
            optionsEnded = true;
            continue;
        }
        QString name = argument.mid(argument.startsWith(u"--"_s) ? 2 : 1);
        std::optional<QString> inlineValue;
        if (const qsizetype equals = name.indexOf(u'='); equals >= 0) {
            inlineValue = name.mid(equals + 1);
            name.truncate(equals);
        }
        // -oFILE, as short options with a value are often written.
        if (!argument.startsWith(u"--"_s) && name.size() > 1 && name.startsWith(u'o')
                && !findOption(name)) {
            inlineValue = name.mid(1);
            name = u"o"_s;
        }
        const OptionDefinition *known = findOption(name);
        if (!known) {
            error = u"unknown option '%1'"_s.arg(
                    quotedExcerpt(argument, ControlCharacters::Replaced));
            return std::nullopt;
        }
        if (known->kind == Kind::Flag) {
            if (inlineValue) {
                error = u"option --%1 takes no value"_s.arg(name);
                return std::nullopt;
            }
            (name == u"version"_s ? options.version : options.help) = true;
            continue;
        }
        if (!inlineValue) {
            if (i + 1 >= arguments.size()) {
                error = u"option --%1 needs a value"_s.arg(name);
                return std::nullopt;
            }
            inlineValue = arguments[++i];
        }
        if (name == u"output"_s)
            name = u"o"_s;
        values[name] = *inlineValue;
    }
    if (options.help || options.version)
        return options;

    const auto take = [&values](const char *name) -> std::optional<QString> {
        const auto it = values.find(QString::fromLatin1(name));
        if (it == values.end())
            return std::nullopt;
        return it->second;
    };
    const auto number = [&](const char *name, double &target) {
        if (const auto text = take(name)) {
            const auto value = numberOption(QString::fromLatin1(name), *text, error);
            if (!value)
                return false;
            target = *value;
        }
        return true;
    };

    // One case by options, or a case file: not both.
    const char *caseOptions[] = {"q", "H", "a1", "v", "ht", "phi", "sigma", "name"};
    bool anyCaseOption = false;
    for (const char *name : caseOptions)
        anyCaseOption = anyCaseOption || take(name).has_value();
    if (positional.size() > 1) {
        error = u"one case file at most, given %1"_s.arg(positional.size());
        return std::nullopt;
    }
    if (!positional.isEmpty() && anyCaseOption) {
        error = u"give either a case file or one case by --q --H --a1 --v --ht, not both"_s;
        return std::nullopt;
    }
    if (positional.isEmpty() && !anyCaseOption) {
        error = u"no cases: give a case file, or one case by --q --H --a1 --v --ht"_s;
        return std::nullopt;
    }
    if (!positional.isEmpty()) {
        options.casesPath = positional.front();
    } else {
        design::CaseInputs inputs;
        for (const char *name : {"q", "H", "a1", "v", "ht"}) {
            if (!take(name)) {
                error = u"one case needs --q, --H, --a1, --v and --ht; --%1 is missing"_s.arg(
                        QString::fromLatin1(name));
                return std::nullopt;
            }
        }
        if (!number("q", inputs.q) || !number("H", inputs.H) || !number("a1", inputs.a1)
                || !number("v", inputs.v) || !number("ht", inputs.ht) || !number("phi", inputs.phi)
                || !number("sigma", inputs.sigma))
            return std::nullopt;
        inputs.name = take("name").value_or(u"case 1"_s).trimmed();
        if (std::any_of(inputs.name.begin(), inputs.name.end(),
                    [](QChar c) { return c.unicode() < 0x20 || c.unicode() == 0x7F; })) {
            error = u"option --name: contains a control character"_s;
            return std::nullopt;
        }
        if (inputs.name.isEmpty() || inputs.name.size() > design::maxNameLength) {
            error = u"option --name: give 1 to %1 characters"_s.arg(design::maxNameLength);
            return std::nullopt;
        }
        options.singleCase = inputs;
    }

    design::DesignOptions &d = options.design;
    if (!number("alpha", d.alpha) || !number("b-ratio", d.widthRatio) || !number("beta", d.beta)
            || !number("ls", d.slopeLength) || !number("k1", d.k1))
        return std::nullopt;
    const std::pair<const char *, double> positives[]
            = {{"alpha", d.alpha}, {"b-ratio", d.widthRatio}, {"beta", d.beta}, {"k1", d.k1}};
    for (const auto &[name, value] : positives) {
        if (!(value > 0)) {
            error = u"option --%1: must be greater than 0"_s.arg(QString::fromLatin1(name));
            return std::nullopt;
        }
    }
    if (!(d.slopeLength >= 0)) {
        error = u"option --ls: must not be negative"_s;
        return std::nullopt;
    }
    if (take("ks") && take("bed")) {
        error = u"give --ks or --bed, not both"_s;
        return std::nullopt;
    }
    if (take("ks")) {
        double ks = 0;
        if (!number("ks", ks))
            return std::nullopt;
        if (!(ks > 0)) {
            error = u"option --ks: must be greater than 0"_s;
            return std::nullopt;
        }
        d.ks = ks;
    }
    if (const auto bed = take("bed")) {
        d.ks = design::apronCoefficientOfBed(*bed);
        if (!d.ks) {
            QStringList keywords;
            for (const design::BedClass &b : design::bedClasses)
                keywords << QString::fromLatin1(b.keyword);
            error = u"option --bed: unknown bed class '%1' (one of %2)"_s.arg(
                    quotedExcerpt(*bed, ControlCharacters::Replaced), keywords.join(u", "_s));
            return std::nullopt;
        }
    }

    options.outputPath = take("o").value_or(QString());
    if (const auto format = take("format")) {
        options.format = writers::formatNamed(*format);
        if (!options.format) {
            error = u"option --format: unknown format '%1' (table, csv, json, md, html, xlsx)"_s
                            .arg(quotedExcerpt(*format, ControlCharacters::Replaced));
            return std::nullopt;
        }
    } else if (!options.outputPath.isEmpty()) {
        options.format = writers::formatOfPath(options.outputPath);
        if (!options.format) {
            error = u"cannot tell the format of '%1' from its extension "
                    "(.csv, .json, .md, .html, .xlsx); give --format"_s.arg(
                            quotedExcerpt(options.outputPath, ControlCharacters::Replaced));
            return std::nullopt;
        }
    } else {
        options.format = writers::Format::Table;
    }
    if (const auto language = take("lang")) {
        if (*language == u"zh"_s || *language == u"zh-CN"_s) {
            options.language = writers::ReportLanguage::Chinese;
        } else if (*language == u"en"_s) {
            options.language = writers::ReportLanguage::English;
        } else {
            error = u"option --lang: unknown language '%1' (zh, en)"_s.arg(
                    quotedExcerpt(*language, ControlCharacters::Replaced));
            return std::nullopt;
        }
    }
    options.title = take("title").value_or(QString()).trimmed();
    if (options.title.size() > design::maxNameLength) {
        error = u"option --title: give at most %1 characters"_s.arg(design::maxNameLength);
        return std::nullopt;
    }
    if (options.outputPath.isEmpty() && options.format == writers::Format::Xlsx) {
        error = u"a workbook is written to a file: give -o FILE.xlsx"_s;
        return std::nullopt;
    }
    return options;
}

QString helpText()
{
    QString bedLines;
    for (const design::BedClass &bed : design::bedClasses) {
        bedLines += u"                      %1  Ks = %2  (%3)\n"_s.arg(
                QString::fromLatin1(bed.keyword).leftJustified(11), QString::number(bed.ks),
                QString::fromUtf16(bed.name));
    }
    return u"Usage: varnolt-report [OPTION]... CASES.csv\n"
           "  or:  varnolt-report [OPTION]... --q Q --H H --a1 A1 --v V --ht HT\n"
           "Design the stilling basin below an overflow weir for every discharge of a\n"
           "design: the window's jump check and basin sizing for each case, the jump's\n"
           "Froude number, form and energy loss, the sluice design standard's basin\n"
           "depth and length, the floor slab and apron, and the governing cases.\n"
           "\n"
           "CASES.csv has a header naming the columns q, H, a1, v, ht (required) and\n"
           "name, phi, sigma (optional; phi 0.95, sigma 1.05), in any order and case,\n"
           "separated by commas, semicolons or tabs. Use - to read standard input.\n"
           "Quantities are in metres and seconds.\n"
           "\n"
           "One case:\n"
           "  --q Q             discharge per unit width (m²/s)\n"
           "  --H H             head over the weir crest (m)\n"
           "  --a1 A1           weir height above the downstream floor (m)\n"
           "  --v V             approach velocity (m/s)\n"
           "  --ht HT           tailwater depth (m)\n"
           "  --phi PHI         velocity coefficient (default 0.95)\n"
           "  --sigma SIGMA     submergence factor of the basin (default 1.05)\n"
           "  --name NAME       the case's name (default \"case 1\")\n"
           "\n"
           "Design-wide:\n"
           "  --alpha A         kinetic-energy correction factor (default 1.0)\n"
           "  --b-ratio R       b1/b2, width of the inflow over that of the basin (default 1)\n"
           "  --beta B          share of the free-jump length for the basin (default 0.75)\n"
           "  --ls LS           length of the sloping part of the basin (m, default 0)\n"
           "  --k1 K1           slab-thickness coefficient (default 0.20; code 0.15-0.20)\n"
           "  --ks KS           apron-length coefficient; without it no apron length\n"
           "  --bed CLASS       Ks by the bed class, instead of --ks:\n"_s
            + bedLines
            + u"\n"
              "Output:\n"
              "  -o, --output FILE write to FILE, the format from its extension\n"
              "                    (.csv, .json, .md, .html, .xlsx); written whole or not at all\n"
              "  --format FORMAT   table, csv, json, md, html or xlsx (overrides the extension)\n"
              "\n"
              "Calculation report (.html, printable on A4 with a sketch of each case; .md):\n"
              "  --lang LANG       zh (default) or en, the language of the report\n"
              "  --title TITLE     the report's title (default 消能计算书), dated today\n"
              "                    (or by SOURCE_DATE_EPOCH when it is set)\n"
              "  --help            show this help and exit\n"
              "  --version         show the version and exit\n"
              "\n"
              "Exit status: 0 when every row was read (a case without a solution is a\n"
              "result); 1 when some rows could not be read (the others are written, and\n"
              "each bad row is reported as FILE:LINE: column NAME: what is wrong);\n"
              "2 for a usage error, a missing or unknown column, or a file that cannot be\n"
              "read or written (nothing is written then).\n"_s;
}

} // namespace varnolt::report
