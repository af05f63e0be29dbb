#pragma once

#include "design/rating_table.h"

#include <QString>

#include <optional>
#include <vector>

namespace varnolt::design {

// Where something stands in a design file: 1 for the first line and the
// first column (columns count characters, as the TOML parser reports them);
// 0 where the place is unknown.
struct SourcePosition {
    int line = 0;
    int column = 0;
};

// What is wrong with a design file or one of its floods. The first group
// makes the whole file unusable; the second stops one flood only.
enum class DesignFileFault {
    Syntax, // not TOML: the parser's own description
    MissingKey, // a required key is absent
    WrongType, // a key holds a value of another kind (a text for a number …)
    UnknownKey, // a key the design file does not have: a typo is not ignored
    NotFinite, // inf or nan where a number is needed
    NotPositive, // a width, coefficient, step or discharge ≤ 0
    Negative, // a length that may be zero but not negative
    FloorAboveCrest, // the downstream floor not below the crest
    ApproachBedAboveCrest, // the approach bed not below the crest: no weir height
    Conflict, // two keys that exclude each other (ks and bed)
    UnknownBed, // a bed class the design does not know
    BadName, // an empty, overlong or control-character name
    TableSizes, // the tailwater table's two lists differ in length or are too short
    DischargesNotAscending, // the table's discharges do not strictly ascend
    LevelsFalling, // a table level below the one before it
    NoFlood, // a design file without a flood
    // One flood only:
    OutsideTable, // the flood's discharge beyond the tailwater table
    DrownedWeir, // tailwater above the crest: the free-flow formula does not hold
    NoFreeHead, // the capacity formula has no subcritical head, or the given level is not above the
                // crest
    TailwaterAtFloor, // the tailwater level not above the downstream floor
    NoTailwater, // neither a [tailwater] table nor the flood's tailwater_level
};

// True for the faults of one flood; the others make the file unusable.
constexpr bool isFloodFault(DesignFileFault fault)
{
    return fault == DesignFileFault::OutsideTable || fault == DesignFileFault::DrownedWeir
            || fault == DesignFileFault::NoFreeHead || fault == DesignFileFault::TailwaterAtFloor
            || fault == DesignFileFault::NoTailwater;
}

// A located fault: the file as it was named, the place, the key as a dotted
// path ("weir.width", "flood[2].discharge", "tailwater.levels[3]") and one
// line of English saying what is wrong.
struct DesignFileError {
    QString file;
    SourcePosition position;
    DesignFileFault fault = DesignFileFault::Syntax;
    QString key;
    QString message;
};

// The title block of the calculation report; every entry optional.
struct ProjectInfo {
    QString name; // 工程名称
    QString stage; // 设计阶段
    QString number; // 计算书编号
};

// The overflow weir as drawn: levels in metres above the datum, widths in
// metres.
struct WeirGeometry {
    double crest = 0;
    double approachBed = 0; // bed of the approach channel upstream
    double floor = 0; // downstream floor at the toe
    double width = 0; // clear width B
    double approachWidth = 0; // B0; the reader puts B where the file gives none
    double dischargeCoefficient = 0; // m
    double contraction = 1.0; // lateral contraction ε
    double velocityCoefficient = 0.95; // φ of the jet at the toe
    SourcePosition position; // the [weir] header

    double weirHeight() const { return crest - approachBed; } // P
    double a1() const { return crest - floor; } // crest above the downstream floor
};

// The design-wide settings a file may give; each one absent is left to the
// command line or the default, and the command line overrides each one given.
struct BasinSettings {
    std::optional<double> submergence; // σ
    std::optional<double> exitVelocityCoefficient; // φ′
    std::optional<double> widthRatio; // b1/b2
    std::optional<double> alpha; // kinetic-energy correction α
    std::optional<double> beta;
    std::optional<double> slopeLength; // Ls
    std::optional<double> k1;
    std::optional<double> ks; // either Ks …
    QString bed; // … or a bed class's keyword, whose Ks is then in `ks`
    std::optional<double> depthStep;
    std::optional<double> lengthStep;
    std::optional<double> k2;
    std::optional<double> slabUnitWeight; // γb
};

// One flood: a discharge, optionally with a given upstream water level or
// tailwater level in place of the capacity formula or the table.
struct Flood {
    QString name;
    double discharge = 0; // Q (m³/s)
    std::optional<double> upstreamLevel;
    std::optional<double> tailwaterLevel;
    SourcePosition position; // the [[flood]] header
};

// A design file as read: plain values, checked for the faults that make it
// unusable as a whole. A flood's own faults are found when it is derived.
struct DesignFile {
    QString fileName; // as given, for the messages
    ProjectInfo project;
    WeirGeometry weir;
    BasinSettings basin;
    RatingTable tailwater; // empty where the file has no [tailwater]
    SourcePosition tailwaterPosition; // the [tailwater] header
    std::vector<Flood> floods;
};

// The reading: a design, or every fault found (never both).
struct DesignFileReading {
    std::optional<DesignFile> design;
    std::vector<DesignFileError> errors;
};

// Most floods a file may list, and most entries of the tailwater table.
inline constexpr int maxFloods = 1000;
inline constexpr int maxTableEntries = 10000;

} // namespace varnolt::design
