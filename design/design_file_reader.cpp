#include "design/design_file_reader.h"

#include "design/bed_class.h"
#include "design/case_reader.h"

// The parser is compiled into this file alone, header-only and without
// exceptions: its results are values, as every fault here is.
#define TOML_HEADER_ONLY 1
#define TOML_EXCEPTIONS 0
#include <toml++/toml.h>

#include <QStringList>

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <string_view>

namespace varnolt::design {

using namespace Qt::StringLiterals;

namespace {

QString fromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

SourcePosition positionOf(const toml::source_region &region)
{
    // The document's root has no place of its own: its faults stand at the top.
    if (region.begin.line == 0)
        return SourcePosition{1, 1};
    return SourcePosition{int(region.begin.line), int(region.begin.column)};
}

class Reader {
public:
    explicit Reader(const QString &fileName)
        : m_fileName(fileName)
    {
    }

    std::vector<DesignFileError> &errors() { return m_errors; }

    void fault(const toml::source_region &region, DesignFileFault kind, const QString &key,
            const QString &what)
    {
        m_errors.push_back(DesignFileError{
                m_fileName, positionOf(region), kind, key, u"%1: %2"_s.arg(key, what)});
    }

    // Every key of `table` must be one of `allowed`.
    void onlyKeys(const toml::table &table, const QString &path,
            std::initializer_list<std::string_view> allowed)
    {
        for (auto &&[key, node] : table) {
            bool known = false;
            for (const std::string_view name : allowed)
                known = known || key.str() == name;
            if (!known) {
                const QString name = quotedExcerpt(fromUtf8(key.str()));
                fault(key.source(), DesignFileFault::UnknownKey, joined(path, name),
                        u"unknown key; the keys here are %1"_s.arg(listed(allowed)));
            }
        }
    }

    // A sub-table; none (with a fault where required) if absent or not a table.
    const toml::table *table(const toml::table &parent, std::string_view key, bool required)
    {
        const toml::node *node = parent.get(key);
        const QString name = fromUtf8(key);
        if (!node) {
            if (required)
                fault(parent.source(), DesignFileFault::MissingKey, name,
                        u"missing; the file needs a [%1] table"_s.arg(name));
            return nullptr;
        }
        if (!node->is_table()) {
            fault(node->source(), DesignFileFault::WrongType, name,
                    u"must be a table [%1]"_s.arg(name));
            return nullptr;
        }
        return node->as_table();
    }

    std::optional<double> number(const toml::node &node, const QString &key)
    {
        double value = 0;
        if (const auto *integer = node.as_integer()) {
            value = double(integer->get());
        } else if (const auto *floating = node.as_floating_point()) {
            value = floating->get();
        } else {
            fault(node.source(), DesignFileFault::WrongType, key, u"must be a number"_s);
            return std::nullopt;
        }
        if (!std::isfinite(value)) {
            fault(node.source(), DesignFileFault::NotFinite, key, u"must be a finite number"_s);
            return std::nullopt;
        }
        return value;
    }

    enum class Sign { Any, Positive, NotNegative };

    // A number under `key` of `table`; none if absent (a fault if required)
    // or unusable (a fault).
    std::optional<double> number(const toml::table &table, const QString &path,
            std::string_view key, bool required, Sign sign = Sign::Any)
    {
        const QString name = joined(path, fromUtf8(key));
        const toml::node *node = table.get(key);
        if (!node) {
            if (required)
                fault(table.source(), DesignFileFault::MissingKey, name, u"missing"_s);
            return std::nullopt;
        }
        const std::optional<double> value = number(*node, name);
        if (value && sign == Sign::Positive && !(*value > 0)) {
            fault(node->source(), DesignFileFault::NotPositive, name, u"must be greater than 0"_s);
            return std::nullopt;
        }
        if (value && sign == Sign::NotNegative && *value < 0) {
            fault(node->source(), DesignFileFault::Negative, name, u"must not be negative"_s);
            return std::nullopt;
        }
        return value;
    }

    // A name: text of 1 to maxNameLength characters without control characters.
    std::optional<QString> text(const toml::table &table, const QString &path, std::string_view key)
    {
        const QString name = joined(path, fromUtf8(key));
        const toml::node *node = table.get(key);
        if (!node)
            return std::nullopt;
        const auto *string = node->as_string();
        if (!string) {
            fault(node->source(), DesignFileFault::WrongType, name, u"must be a text in quotes"_s);
            return std::nullopt;
        }
        const QString value = fromUtf8(string->get()).trimmed();
        const bool control = std::any_of(value.begin(), value.end(),
                [](QChar ch) { return ch.category() == QChar::Other_Control; });
        if (value.isEmpty() || value.size() > maxNameLength || control) {
            fault(node->source(), DesignFileFault::BadName, name,
                    u"give 1 to %1 characters without control characters"_s.arg(maxNameLength));
            return std::nullopt;
        }
        return value;
    }

    // An array of numbers, each one checked.
    std::optional<std::vector<double>> numbers(
            const toml::table &table, const QString &path, std::string_view key)
    {
        const QString name = joined(path, fromUtf8(key));
        const toml::node *node = table.get(key);
        if (!node) {
            fault(table.source(), DesignFileFault::MissingKey, name, u"missing"_s);
            return std::nullopt;
        }
        const toml::array *array = node->as_array();
        if (!array) {
            fault(node->source(), DesignFileFault::WrongType, name,
                    u"must be a list of numbers [ … ]"_s);
            return std::nullopt;
        }
        if (array->size() > std::size_t(maxTableEntries)) {
            fault(node->source(), DesignFileFault::TableSizes, name,
                    u"more than %1 entries"_s.arg(maxTableEntries));
            return std::nullopt;
        }
        std::vector<double> values;
        bool usable = true;
        for (std::size_t i = 0; i < array->size(); ++i) {
            const std::optional<double> value
                    = number(*array->get(i), u"%1[%2]"_s.arg(name).arg(i + 1));
            usable = usable && value.has_value();
            values.push_back(value.value_or(0));
        }
        if (!usable)
            return std::nullopt;
        return values;
    }

private:
    static QString joined(const QString &path, const QString &key)
    {
        return path.isEmpty() ? key : path + u'.' + key;
    }

    static QString listed(std::initializer_list<std::string_view> names)
    {
        QStringList list;
        for (const std::string_view name : names)
            list.append(fromUtf8(name));
        return list.join(u", "_s);
    }

    QString m_fileName;
    std::vector<DesignFileError> m_errors;
};

void readProject(Reader &reader, const toml::table &root, ProjectInfo &project)
{
    const toml::table *table = reader.table(root, "project", false);
    if (!table)
        return;
    reader.onlyKeys(*table, u"project"_s, {"name", "stage", "number"});
    project.name = reader.text(*table, u"project"_s, "name").value_or(QString());
    project.stage = reader.text(*table, u"project"_s, "stage").value_or(QString());
    project.number = reader.text(*table, u"project"_s, "number").value_or(QString());
}

void readWeir(Reader &reader, const toml::table &root, WeirGeometry &weir)
{
    const toml::table *table = reader.table(root, "weir", true);
    if (!table)
        return;
    const QString path = u"weir"_s;
    reader.onlyKeys(*table, path,
            {"crest", "approach_bed", "floor", "width", "approach_width", "discharge_coefficient",
                    "contraction", "velocity_coefficient"});
    using Sign = Reader::Sign;
    weir.position = positionOf(table->source());
    const auto crest = reader.number(*table, path, "crest", true);
    const auto approachBed = reader.number(*table, path, "approach_bed", true);
    const auto floor = reader.number(*table, path, "floor", true);
    const auto width = reader.number(*table, path, "width", true, Sign::Positive);
    const auto approachWidth = reader.number(*table, path, "approach_width", false, Sign::Positive);
    const auto m = reader.number(*table, path, "discharge_coefficient", true, Sign::Positive);
    const auto contraction = reader.number(*table, path, "contraction", false, Sign::Positive);
    const auto phi = reader.number(*table, path, "velocity_coefficient", false, Sign::Positive);
    weir.crest = crest.value_or(0);
    weir.approachBed = approachBed.value_or(0);
    weir.floor = floor.value_or(0);
    weir.width = width.value_or(0);
    weir.approachWidth = approachWidth.value_or(weir.width);
    weir.dischargeCoefficient = m.value_or(0);
    weir.contraction = contraction.value_or(1.0);
    weir.velocityCoefficient = phi.value_or(0.95);
    if (crest && floor && !(weir.a1() > 0 && std::isfinite(weir.a1()))) {
        reader.fault(table->get("floor")->source(), DesignFileFault::FloorAboveCrest,
                u"weir.floor"_s,
                u"the downstream floor %1 m must lie below the crest %2 m"_s.arg(*floor).arg(
                        *crest));
    }
    if (crest && approachBed && !(weir.weirHeight() > 0 && std::isfinite(weir.weirHeight()))) {
        reader.fault(table->get("approach_bed")->source(), DesignFileFault::ApproachBedAboveCrest,
                u"weir.approach_bed"_s,
                u"the approach bed %1 m must lie below the crest %2 m"_s.arg(*approachBed)
                        .arg(*crest));
    }
}

void readBasin(Reader &reader, const toml::table &root, BasinSettings &basin)
{
    const toml::table *table = reader.table(root, "basin", false);
    if (!table)
        return;
    const QString path = u"basin"_s;
    reader.onlyKeys(*table, path,
            {"submergence", "exit_velocity_coefficient", "width_ratio", "alpha", "beta",
                    "slope_length", "k1", "ks", "bed", "depth_step", "length_step", "k2",
                    "slab_unit_weight"});
    using Sign = Reader::Sign;
    basin.submergence = reader.number(*table, path, "submergence", false, Sign::Positive);
    basin.exitVelocityCoefficient
            = reader.number(*table, path, "exit_velocity_coefficient", false, Sign::Positive);
    basin.widthRatio = reader.number(*table, path, "width_ratio", false, Sign::Positive);
    basin.alpha = reader.number(*table, path, "alpha", false, Sign::Positive);
    basin.beta = reader.number(*table, path, "beta", false, Sign::Positive);
    basin.slopeLength = reader.number(*table, path, "slope_length", false, Sign::NotNegative);
    basin.k1 = reader.number(*table, path, "k1", false, Sign::Positive);
    basin.ks = reader.number(*table, path, "ks", false, Sign::Positive);
    basin.depthStep = reader.number(*table, path, "depth_step", false, Sign::Positive);
    basin.lengthStep = reader.number(*table, path, "length_step", false, Sign::Positive);
    basin.k2 = reader.number(*table, path, "k2", false, Sign::Positive);
    basin.slabUnitWeight = reader.number(*table, path, "slab_unit_weight", false, Sign::Positive);
    const toml::node *bed = table->get("bed");
    if (!bed)
        return;
    const auto *keyword = bed->as_string();
    if (!keyword) {
        reader.fault(bed->source(), DesignFileFault::WrongType, u"basin.bed"_s,
                u"must be a text in quotes"_s);
        return;
    }
    basin.bed = fromUtf8(keyword->get());
    QStringList known;
    for (const BedClass &bedClass : bedClasses)
        known.append(QLatin1String(bedClass.keyword));
    if (table->get("ks")) {
        reader.fault(bed->source(), DesignFileFault::Conflict, u"basin.bed"_s,
                u"give ks or bed, not both"_s);
    } else if (const std::optional<double> ks = apronCoefficientOfBed(basin.bed)) {
        basin.ks = ks;
    } else {
        reader.fault(bed->source(), DesignFileFault::UnknownBed, u"basin.bed"_s,
                u"'%1' is not a bed class; give one of %2"_s.arg(
                        quotedExcerpt(basin.bed), known.join(u", "_s)));
    }
}

void readTailwater(Reader &reader, const toml::table &root, DesignFile &design)
{
    const toml::table *table = reader.table(root, "tailwater", false);
    if (!table)
        return;
    const QString path = u"tailwater"_s;
    reader.onlyKeys(*table, path, {"discharges", "levels"});
    design.tailwaterPosition = positionOf(table->source());
    const auto discharges = reader.numbers(*table, path, "discharges");
    const auto levels = reader.numbers(*table, path, "levels");
    if (!discharges || !levels)
        return;
    design.tailwater = RatingTable{*discharges, *levels};
    const std::optional<RatingTableFault> fault = ratingTableFault(design.tailwater);
    if (!fault)
        return;
    const std::size_t entry = fault->index + 1;
    switch (fault->kind) {
    case RatingTableFault::Sizes:
        reader.fault(table->source(), DesignFileFault::TableSizes, path,
                u"discharges (%1) and levels (%2) need the same number of entries, two at "
                u"least"_s.arg(discharges->size())
                        .arg(levels->size()));
        break;
    case RatingTableFault::DischargesNotAscending:
        reader.fault(table->get("discharges")->as_array()->get(fault->index)->source(),
                DesignFileFault::DischargesNotAscending, u"tailwater.discharges[%1]"_s.arg(entry),
                u"%1 m³/s does not exceed the %2 m³/s before it; discharges must ascend"_s
                        .arg((*discharges)[fault->index])
                        .arg((*discharges)[fault->index - 1]));
        break;
    case RatingTableFault::LevelsFalling:
        reader.fault(table->get("levels")->as_array()->get(fault->index)->source(),
                DesignFileFault::LevelsFalling, u"tailwater.levels[%1]"_s.arg(entry),
                u"%1 m is below the %2 m before it; the level cannot fall as the discharge "
                u"rises"_s.arg((*levels)[fault->index])
                        .arg((*levels)[fault->index - 1]));
        break;
    }
    design.tailwater = RatingTable{};
}

void readFloods(Reader &reader, const toml::table &root, std::vector<Flood> &floods)
{
    const toml::node *node = root.get("flood");
    if (!node) {
        reader.fault(root.source(), DesignFileFault::NoFlood, u"flood"_s,
                u"missing; list each discharge under a [[flood]] header"_s);
        return;
    }
    const toml::array *array = node->as_array();
    if (!array || !array->is_array_of_tables()) {
        reader.fault(node->source(), DesignFileFault::WrongType, u"flood"_s,
                u"must be tables, each under a [[flood]] header"_s);
        return;
    }
    if (array->empty() || array->size() > std::size_t(maxFloods)) {
        reader.fault(node->source(), DesignFileFault::NoFlood, u"flood"_s,
                u"give 1 to %1 floods"_s.arg(maxFloods));
        return;
    }
    for (std::size_t i = 0; i < array->size(); ++i) {
        const toml::table &table = *array->get(i)->as_table();
        const QString path = u"flood[%1]"_s.arg(i + 1);
        reader.onlyKeys(table, path, {"name", "discharge", "upstream_level", "tailwater_level"});
        Flood flood;
        flood.position = positionOf(table.source());
        flood.name = reader.text(table, path, "name").value_or(u"flood %1"_s.arg(i + 1));
        flood.discharge
                = reader.number(table, path, "discharge", true, Reader::Sign::Positive).value_or(0);
        flood.upstreamLevel = reader.number(table, path, "upstream_level", false);
        flood.tailwaterLevel = reader.number(table, path, "tailwater_level", false);
        floods.push_back(flood);
    }
}

} // namespace

DesignFileReading readDesignFile(QByteArrayView bytes, const QString &fileName)
{
    DesignFileReading reading;
    const QByteArray path = fileName.toUtf8();
    toml::parse_result parsed
            = toml::parse(std::string_view(bytes.data(), std::size_t(bytes.size())),
                    std::string_view(path.constData(), std::size_t(path.size())));
    if (!parsed) {
        const toml::parse_error &error = parsed.error();
        reading.errors.push_back(
                DesignFileError{fileName, positionOf(error.source()), DesignFileFault::Syntax,
                        QString(), u"not a TOML file: %1"_s.arg(fromUtf8(error.description()))});
        return reading;
    }
    const toml::table &root = parsed.table();
    Reader reader(fileName);
    reader.onlyKeys(root, QString(), {"project", "weir", "basin", "tailwater", "flood"});
    DesignFile design;
    design.fileName = fileName;
    readProject(reader, root, design.project);
    readWeir(reader, root, design.weir);
    readBasin(reader, root, design.basin);
    readTailwater(reader, root, design);
    readFloods(reader, root, design.floods);
    if (reader.errors().empty())
        reading.design = std::move(design);
    else
        reading.errors = std::move(reader.errors());
    return reading;
}

} // namespace varnolt::design
