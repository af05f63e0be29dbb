#include "report/options.h"

#include "design/basin_type.h"
#include "design/bed_class.h"
#include "design/case_fields.h"
#include "design/case_reader.h"
#include "design/scour_depth.h"
#include "model/input_ranges.h"
#include "model/quoted_excerpt.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>

#include <algorithm>
#include <string_view>
#include <tuple>

namespace varnolt::report {

using namespace Qt::StringLiterals;

// The context under which the option texts stand in the translation
// catalogue.
class OptionTexts {
    Q_DECLARE_TR_FUNCTIONS(varnolt::report::Options)
};

namespace {

enum class Kind { Flag, Value };

struct OptionDefinition {
    const char *name; // without the dashes; messages name the option by it
    const char *alias; // another name, or null
    Kind kind;
};

// Every option. Each takes one dash or two: --q and -q are the same.
constexpr OptionDefinition optionDefinitions[] = {
        {"help", "h", Kind::Flag},
        {"version", nullptr, Kind::Flag},
        {"q", nullptr, Kind::Value},
        {"H", nullptr, Kind::Value},
        {"a1", nullptr, Kind::Value},
        {"v", nullptr, Kind::Value},
        {"ht", nullptr, Kind::Value},
        {"phi", nullptr, Kind::Value},
        {"sigma", nullptr, Kind::Value},
        {"name", nullptr, Kind::Value},
        {"alpha", nullptr, Kind::Value},
        {"b-ratio", nullptr, Kind::Value},
        {"beta", nullptr, Kind::Value},
        {"ls", nullptr, Kind::Value},
        {"k1", nullptr, Kind::Value},
        {"ks", nullptr, Kind::Value},
        {"bed", nullptr, Kind::Value},
        {"basin", nullptr, Kind::Value},
        {"sill-m", nullptr, Kind::Value},
        {"allowable-velocity", nullptr, Kind::Value},
        {"phi-exit", nullptr, Kind::Value},
        {"depth-step", nullptr, Kind::Value},
        {"length-step", nullptr, Kind::Value},
        {"k2", nullptr, Kind::Value},
        {"slab-unit-weight", nullptr, Kind::Value},
        {"output", "o", Kind::Value},
        {"format", nullptr, Kind::Value},
        {"lang", nullptr, Kind::Value},
        {"title", nullptr, Kind::Value},
        {"project", nullptr, Kind::Value},
        {"stage", nullptr, Kind::Value},
        {"number", nullptr, Kind::Value},
        {"scan", nullptr, Kind::Value},
};

const OptionDefinition *definitionNamed(const QString &name)
{
    for (const OptionDefinition &definition : optionDefinitions) {
        if (name == QLatin1String(definition.name)
                || (definition.alias && name == QLatin1String(definition.alias)))
            return &definition;
    }
    return nullptr;
}

// The option's name in an argument: "--ht=3" and "-ht" both name "ht".
QString optionNameIn(const QString &argument)
{
    const qsizetype dashes = argument.startsWith(u"--"_s) ? 2 : 1;
    return argument.mid(dashes).section(u'=', 0, 0);
}

// The parser for every option. Single-dash words are long options (-ht is
// --ht, not -h -t). Where `outputGluedToDash` is set, -o also takes its
// value in the same argument (-oFILE), as short options with a value are
// often written; that reading turns -output into -o utput, so it is only
// tried for an argument that no other reading knows.
void defineOptions(QCommandLineParser &parser, bool outputGluedToDash)
{
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    for (const OptionDefinition &definition : optionDefinitions) {
        QStringList names{QLatin1String(definition.name)};
        if (definition.alias)
            names << QLatin1String(definition.alias);
        QCommandLineOption option(names);
        if (definition.kind == Kind::Value)
            option.setValueName(QLatin1String(definition.name));
        if (outputGluedToDash && definition.alias && definition.alias == std::string_view("o"))
            option.setFlags(QCommandLineOption::ShortOptionStyle);
        parser.addOption(option);
    }
}

// Why the parser refused the arguments, in the program's own words.
QString refusalOf(const QCommandLineParser &parser, const QStringList &arguments)
{
    if (const QStringList unknown = parser.unknownOptionNames(); !unknown.isEmpty()) {
        const auto given = std::find_if(arguments.begin(), arguments.end(), [&](const QString &a) {
            return a.startsWith(u'-') && optionNameIn(a) == unknown.front();
        });
        const QString shown = given != arguments.end() ? *given : u"--"_s + unknown.front();
        return OptionTexts::tr("unknown option '%1'")
                .arg(quotedExcerpt(shown, ControlCharacters::Replaced));
    }
    // A value is missing only after the last option found: it ran out of
    // arguments to take.
    if (const QStringList found = parser.optionNames(); !found.isEmpty()) {
        const QString &last = found.back();
        const OptionDefinition *definition = definitionNamed(last);
        const auto occurrences = std::count_if(found.begin(), found.end(),
                [&](const QString &name) { return definitionNamed(name) == definition; });
        if (definition && definition->kind == Kind::Value
                && occurrences > parser.values(last).size())
            return OptionTexts::tr("option --%1 needs a value").arg(last);
    }
    for (const QString &argument : arguments) {
        const OptionDefinition *definition = definitionNamed(optionNameIn(argument));
        if (argument.startsWith(u'-') && argument.contains(u'=') && definition
                && definition->kind == Kind::Flag)
            return OptionTexts::tr("option --%1 takes no value").arg(optionNameIn(argument));
    }
    return parser.errorText();
}

// Reads the arguments into `parser`; false with `error` set when they do
// not parse.
bool tokenise(QCommandLineParser &parser, const QStringList &arguments, bool outputGluedToDash,
        QString &error)
{
    defineOptions(parser, outputGluedToDash);
    // The parser skips the first argument as the program's name.
    if (parser.parse(QStringList{QCoreApplication::applicationName()} + arguments))
        return true;
    error = refusalOf(parser, arguments);
    return false;
}

std::optional<double> numberOption(const QString &option, const QString &text, QString &error)
{
    QString fault;
    const std::optional<double> value = design::parseCaseNumber(text, u',', fault);
    if (!value)
        error = OptionTexts::tr("option --%1: %2").arg(option, fault);
    return value;
}

// A text of the title block as given: trimmed, 1 to maxNameLength
// characters on one line, no control that would reorder what is printed
// beside it. Nullopt with `error` set otherwise.
std::optional<QString> titleBlockEntry(const QString &option, const QString &given, QString &error)
{
    const QString text = given.trimmed();
    if (std::any_of(text.begin(), text.end(),
                [](QChar c) { return c.category() == QChar::Other_Control; })) {
        error = OptionTexts::tr("option --%1: contains a control character").arg(option);
        return std::nullopt;
    }
    if (std::any_of(text.begin(), text.end(),
                [](QChar c) { return design::case_file::isBidiControl(c.unicode()); })) {
        error = OptionTexts::tr("option --%1: contains a bidirectional control, which would "
                                "reorder the words printed beside it")
                        .arg(option);
        return std::nullopt;
    }
    if (text.isEmpty() || text.size() > design::maxNameLength) {
        error = OptionTexts::tr("option --%1: give 1 to %2 characters")
                        .arg(option)
                        .arg(design::maxNameLength);
        return std::nullopt;
    }
    return text;
}

} // namespace

std::optional<ReportOptions> parseArguments(const QStringList &arguments, QString &error)
{
    QCommandLineParser plain;
    QCommandLineParser glued;
    const QCommandLineParser *parser = &plain;
    if (!tokenise(plain, arguments, false, error)) {
        const QStringList unknown = plain.unknownOptionNames();
        const bool outputGlued = std::any_of(unknown.begin(), unknown.end(),
                [](const QString &name) { return name.startsWith(u'o'); });
        if (!outputGlued || !tokenise(glued, arguments, true, error))
            return std::nullopt;
        parser = &glued;
        error.clear();
    }

    ReportOptions options;
    options.help = parser->isSet(u"help"_s);
    options.version = parser->isSet(u"version"_s);
    if (options.help || options.version)
        return options;
    // An option given twice leaves the reader to guess which one counts.
    for (const OptionDefinition &definition : optionDefinitions) {
        if (definition.kind == Kind::Value
                && parser->values(QLatin1String(definition.name)).size() > 1) {
            error = OptionTexts::tr("option --%1 is given more than once")
                            .arg(QLatin1String(definition.name));
            return std::nullopt;
        }
    }

    const auto take = [parser](const char *name) -> std::optional<QString> {
        const QString option = QLatin1String(name);
        if (!parser->isSet(option))
            return std::nullopt;
        return parser->value(option);
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
    const QStringList positional = parser->positionalArguments();
    const char *caseOptions[] = {"q", "H", "a1", "v", "ht", "phi", "sigma", "name"};
    bool anyCaseOption = false;
    for (const char *name : caseOptions)
        anyCaseOption = anyCaseOption || take(name).has_value();
    if (positional.size() > 1) {
        error = OptionTexts::tr("one case file at most, given %1").arg(positional.size());
        return std::nullopt;
    }
    if (!positional.isEmpty() && anyCaseOption) {
        error = OptionTexts::tr(
                "give either a case file or one case by --q --H --a1 --v --ht, not both");
        return std::nullopt;
    }
    if (positional.isEmpty() && !anyCaseOption) {
        error = OptionTexts::tr("no cases: give a case file, or one case by --q --H --a1 --v --ht");
        return std::nullopt;
    }
    if (!positional.isEmpty()) {
        options.casesPath = positional.front();
    } else {
        design::CaseInputs inputs;
        for (const char *name : {"q", "H", "a1", "v", "ht"}) {
            if (!take(name)) {
                error = OptionTexts::tr(
                        "one case needs --q, --H, --a1, --v and --ht; --%1 is missing")
                                .arg(QString::fromLatin1(name));
                return std::nullopt;
            }
        }
        if (!number("q", inputs.q) || !number("H", inputs.H) || !number("a1", inputs.a1)
                || !number("v", inputs.v) || !number("ht", inputs.ht) || !number("phi", inputs.phi)
                || !number("sigma", inputs.sigma))
            return std::nullopt;
        // An impossible input is refused as an unreadable one is.
        const std::tuple<const char *, Field, double> ranged[] = {{"q", Field::Text1, inputs.q},
                {"H", Field::Text2, inputs.H}, {"a1", Field::Text3, inputs.a1},
                {"v", Field::Text4, inputs.v}, {"ht", Field::Text5, inputs.ht},
                {"phi", Field::Text6, inputs.phi}, {"sigma", Field::Text10, inputs.sigma}};
        for (const auto &[name, field, value] : ranged) {
            const auto range = inputRange(field);
            if (range && !range->holds(value)) {
                error = OptionTexts::tr("option --%1: '%2' is impossible: the value must be %3")
                                .arg(QString::fromLatin1(name),
                                        take(name).value_or(QString()).trimmed(), range->text());
                return std::nullopt;
            }
        }
        inputs.name = take("name").value_or(u"case 1"_s).trimmed();
        if (std::any_of(inputs.name.begin(), inputs.name.end(),
                    [](QChar c) { return c.unicode() < 0x20 || c.unicode() == 0x7F; })) {
            error = OptionTexts::tr("option --name: contains a control character");
            return std::nullopt;
        }
        if (std::any_of(inputs.name.begin(), inputs.name.end(),
                    [](QChar c) { return design::case_file::isBidiControl(c.unicode()); })) {
            error = OptionTexts::tr("option --name: contains a bidirectional control, which would "
                                    "reorder the figures printed beside the name");
            return std::nullopt;
        }
        if (inputs.name.isEmpty() || inputs.name.size() > design::maxNameLength) {
            error = OptionTexts::tr("option --name: give 1 to %1 characters")
                            .arg(design::maxNameLength);
            return std::nullopt;
        }
        options.singleCase = inputs;
    }

    for (const char *name : {"alpha", "b-ratio", "beta", "ls", "k1", "ks", "bed", "phi-exit",
                 "depth-step", "length-step", "k2", "slab-unit-weight", "sill-m",
                 "allowable-velocity", "basin"}) {
        if (take(name))
            options.designOptionsGiven << QLatin1String(name);
    }
    if (const auto scan = take("scan")) {
        bool isNumber = false;
        const int count = scan->trimmed().toInt(&isNumber);
        if (!isNumber || count < 2 || count > maxScanCount) {
            error = OptionTexts::tr("option --scan: give a whole number of discharges from 2 to %1")
                            .arg(maxScanCount);
            return std::nullopt;
        }
        if (!isDesignFilePath(options.casesPath)) {
            error = OptionTexts::tr("option --scan: only a design file (.toml) with a "
                                    "[tailwater] table can be scanned");
            return std::nullopt;
        }
        options.scanCount = count;
    }

    design::DesignOptions &d = options.design;
    if (!number("alpha", d.alpha) || !number("b-ratio", d.widthRatio) || !number("beta", d.beta)
            || !number("ls", d.slopeLength) || !number("k1", d.k1) || !number("phi-exit", d.exitPhi)
            || !number("depth-step", d.depthStep) || !number("length-step", d.lengthStep)
            || !number("k2", d.k2) || !number("slab-unit-weight", d.slabUnitWeight))
        return std::nullopt;
    const std::pair<const char *, double> positives[] = {{"alpha", d.alpha},
            {"b-ratio", d.widthRatio}, {"beta", d.beta}, {"k1", d.k1}, {"phi-exit", d.exitPhi},
            {"depth-step", d.depthStep}, {"length-step", d.lengthStep}, {"k2", d.k2},
            {"slab-unit-weight", d.slabUnitWeight}};
    for (const auto &[name, value] : positives) {
        if (!(value > 0)) {
            error = OptionTexts::tr("option --%1: must be greater than 0")
                            .arg(QString::fromLatin1(name));
            return std::nullopt;
        }
    }
    if (!(d.slopeLength >= 0)) {
        error = OptionTexts::tr("option --ls: must not be negative");
        return std::nullopt;
    }
    if (take("ks") && take("bed")) {
        error = OptionTexts::tr("give --ks or --bed, not both");
        return std::nullopt;
    }
    if (take("ks")) {
        double ks = 0;
        if (!number("ks", ks))
            return std::nullopt;
        if (!(ks > 0)) {
            error = OptionTexts::tr("option --ks: must be greater than 0");
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
            error = OptionTexts::tr("option --bed: unknown bed class '%1' (one of %2)")
                            .arg(quotedExcerpt(*bed, ControlCharacters::Replaced),
                                    keywords.join(u", "_s));
            return std::nullopt;
        }
        d.allowableVelocity = design::allowableVelocityOfBed(*bed);
        options.bed = *bed;
    }
    if (const auto type = take("basin")) {
        const std::optional<design::BasinType> adopted = design::basinTypeOfKey(*type);
        if (!adopted) {
            error = OptionTexts::tr(
                    "option --basin: unknown basin type '%1' (sunk, sill, combined)")
                            .arg(quotedExcerpt(*type, ControlCharacters::Replaced));
            return std::nullopt;
        }
        d.basinType = *adopted;
    }
    if (!number("sill-m", d.sillM))
        return std::nullopt;
    if (!(d.sillM > 0)) {
        error = OptionTexts::tr("option --sill-m: must be greater than 0");
        return std::nullopt;
    }
    if (take("allowable-velocity")) {
        double velocity = 0;
        if (!number("allowable-velocity", velocity))
            return std::nullopt;
        if (!(velocity > 0)) {
            error = OptionTexts::tr("option --allowable-velocity: must be greater than 0");
            return std::nullopt;
        }
        d.allowableVelocity = velocity;
    }

    options.outputPath = take("output").value_or(QString());
    if (const auto format = take("format")) {
        options.format = writers::formatNamed(*format);
        if (!options.format) {
            error = OptionTexts::tr(
                    "option --format: unknown format '%1' (table, csv, json, md, html, xlsx, docx)")
                            .arg(quotedExcerpt(*format, ControlCharacters::Replaced));
            return std::nullopt;
        }
    } else if (!options.outputPath.isEmpty() && options.outputPath != u"-"_s) {
        options.format = writers::formatOfPath(options.outputPath);
        if (!options.format) {
            error = OptionTexts::tr("cannot tell the format of '%1' from its extension "
                                    "(.csv, .json, .md, .html, .xlsx, .docx); give --format")
                            .arg(quotedExcerpt(options.outputPath, ControlCharacters::Replaced));
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
            error = OptionTexts::tr("option --lang: unknown language '%1' (zh, en)")
                            .arg(quotedExcerpt(*language, ControlCharacters::Replaced));
            return std::nullopt;
        }
    }
    options.title = take("title").value_or(QString()).trimmed();
    if (options.title.size() > design::maxNameLength) {
        error = OptionTexts::tr("option --title: give at most %1 characters")
                        .arg(design::maxNameLength);
        return std::nullopt;
    }
    const std::pair<const char *, QString *> titleBlock[] = {{"project", &options.project.name},
            {"stage", &options.project.stage}, {"number", &options.project.number}};
    for (const auto &[name, target] : titleBlock) {
        if (const auto given = take(name)) {
            const auto entry = titleBlockEntry(QString::fromLatin1(name), *given, error);
            if (!entry)
                return std::nullopt;
            *target = *entry;
        }
    }
    if ((options.outputPath.isEmpty() || options.outputPath == u"-"_s)
            && options.format == writers::Format::Xlsx) {
        error = OptionTexts::tr("a workbook is written to a file: give -o FILE.xlsx");
        return std::nullopt;
    }
    return options;
}

bool isDesignFilePath(const QString &path)
{
    return path.endsWith(u".toml"_s, Qt::CaseInsensitive);
}

QString helpText()
{
    QString bedLines;
    for (const design::BedClass &bed : design::bedClasses) {
        bedLines += u"                      %1  Ks = %2  [v0] = %3 m/s  (%4)\n"_s.arg(
                QString::fromLatin1(bed.keyword).leftJustified(11), QString::number(bed.ks),
                QString::number(
                        design::allowableVelocityOfBed(QLatin1String(bed.keyword)).value_or(0)),
                QString::fromUtf16(bed.name));
    }
    // One text, so that a translation can reflow it whole; the bed classes
    // stand in for %1.
    return OptionTexts::tr(
            "Usage: varnolt-report [OPTION]... CASES.csv\n"
            "  or:  varnolt-report [OPTION]... DESIGN.toml\n"
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
            "DESIGN.toml gives the weir ([weir]), the river's stage-discharge table\n"
            "([tailwater]), the floods ([[flood]] with a discharge each), and optionally\n"
            "[project] and [basin]; each flood's head comes from the weir's capacity and\n"
            "its tailwater from the table (see the manual for every key). An option on\n"
            "the command line overrides the file's [basin] value.\n"
            "  --scan N          discharges evaluated between the smallest and largest\n"
            "                    flood to find the one needing the deepest and the\n"
            "                    longest basin (default 200; needs a [tailwater] table)\n"
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
            "  --bed CLASS       Ks and the allowable velocity [v0] by the bed class,\n"
            "                    instead of --ks:\n"
            "%1"
            "  --basin TYPE      the adopted basin: sunk (default; the floor lowered), sill\n"
            "                    (a sill at the basin's end) or combined (both); every\n"
            "                    case with a remote jump is sized all three ways\n"
            "  --sill-m M        discharge coefficient of the sill (default 0.42)\n"
            "  --allowable-velocity V\n"
            "                    [v0], the velocity the bed beyond the apron bears (m/s),\n"
            "                    for the scour depth dm = 1.1·q·b1/b2/[v0] − ht; default by\n"
            "                    --bed, no scour depth without either\n"
            "  --phi-exit PHI    velocity coefficient of the tailwater at the basin exit\n"
            "                    for the exact depth and the standard's d' (default 0.95)\n"
            "  --depth-step S    the adopted basin depth is rounded up to S (m, default 0.05)\n"
            "  --length-step S   the adopted basin length is rounded up to S (m, default 0.5)\n"
            "  --k2 K2           safety factor of the slab against uplift (default 1.2)\n"
            "  --slab-unit-weight G  unit weight of the slab (kN/m³, default 24)\n"
            "\n"
            "Output:\n"
            "  -o, --output FILE write to FILE, the format from its extension\n"
            "                    (.csv, .json, .md, .html, .xlsx, .docx); written whole or not\n"
            "                    at all, keeping its permissions; through a link, the file it\n"
            "                    points to; a device or FIFO written as it is; - for standard\n"
            "                    output\n"
            "  --format FORMAT   table, csv, json, md, html, xlsx or docx (overrides the\n"
            "                    extension)\n"
            "\n"
            "Calculation report (.html, printable on A4 with a sketch of each case; .docx,\n"
            "the same for Word, editable; .md):\n"
            "  --lang LANG       zh (default) or en, the language of the report\n"
            "  --title TITLE     the report's title (default 消能计算书), dated today\n"
            "                    (or by SOURCE_DATE_EPOCH when it is set)\n"
            "  --project NAME    the project's name (工程名称) on the title page and atop\n"
            "                    every printed page\n"
            "  --stage STAGE     the design stage (设计阶段) on the title page\n"
            "  --number NUMBER   the report's number (计算书编号) on the title page\n"
            "                    (each over the design file's [project] entry; one not\n"
            "                    given is left blank)\n"
            "  --help            show this help and exit\n"
            "  --version         show the version and exit\n"
            "\n"
            "Exit status: 0 when every row was read (a case without a solution is a\n"
            "result); 1 when some rows could not be read (the others are written, and\n"
            "each bad row is reported as FILE:LINE: column NAME: what is wrong);\n"
            "2 for a usage error, a missing or unknown column, or a file that cannot be\n"
            "read or written (nothing is written then). For a design file: 1 when some\n"
            "floods could not be evaluated (FILE:LINE:COLUMN: KEY: what is wrong; the\n"
            "others are written), 2 when the file cannot be used at all.\n")
            .arg(bedLines);
}

bool asksForWordDocument(const QStringList &arguments)
{
    QString error;
    const std::optional<ReportOptions> options = parseArguments(arguments, error);
    return options && options->format == writers::Format::Docx;
}

} // namespace varnolt::report
