#include "window/control_table.h"

#include <array>
#include <utility>

namespace varnolt {

namespace {

using K = ControlKind;

// The jump-check block sits above the rule at 3840 twips, the basin block
// below it.
// Sized by its rows: a declared size larger than the rows would add
// value-initialised controls without a name.
constexpr ControlSpec Controls[] = {
        {u"Label1", K::Label, 480, 240, 1215, 495, u"单宽流量q", 0},
        {u"Text1", K::TextField, 1680, 120, 1215, 315, {}, 1},
        {u"Label2", K::Label, 3360, 240, 1215, 495, u"堰上水头H", 8},
        {u"Text2", K::TextField, 4440, 120, 1215, 315, {}, 2},
        {u"Label3", K::Label, 360, 840, 1215, 495, u"下游堰高a1", 9},
        {u"Text3", K::TextField, 1680, 720, 1215, 315, {}, 3},
        {u"Label4", K::Label, 3360, 840, 1215, 495, u"行进流速v", 10},
        {u"Text4", K::TextField, 4440, 720, 1215, 315, {}, 4},
        {u"Label10", K::Label, 360, 1440, 1215, 495, u"下游水深ht", 18},
        {u"Text5", K::TextField, 1680, 1320, 1215, 315, {}, 5},
        {u"Label5", K::Label, 3480, 1440, 1215, 495, u"流速系数", 11},
        {u"Text6", K::TextField, 4440, 1320, 1215, 315, {}, 13},
        {u"Command1", K::Button, 360, 1920, 2535, 495, u"求解并判断下游水跃形式", 6},
        {u"Label6", K::Label, 3480, 2160, 1215, 495, u"临界水深hc", 12},
        {u"Text7", K::TextField, 4680, 2100, 975, 315, {}, 15},
        {u"Label7", K::Label, 360, 2880, 1695, 255, u"收缩断面水深hco", 14},
        {u"Text8", K::TextField, 2040, 2820, 975, 315, {}, 26},
        {u"Label8", K::Label, 3240, 2880, 1455, 495, u"共扼水深hco2", 16},
        {u"Text9", K::TextField, 4680, 2820, 975, 315, {}, 19},
        {u"Label9", K::Label, 1440, 3360, 3375, 375, {}, 17},
        {u"Label11", K::Label, 600, 4200, 1215, 495, u"淹没系数", 20},
        {u"Text10", K::TextField, 1560, 4080, 1215, 375, {}, 25},
        {u"Command2", K::Button, 3480, 4080, 1935, 495, u"消力池水力计算", 7},
        {u"Label12", K::Label, 480, 4920, 1095, 495, u"消力池深d", 21},
        {u"Text11", K::TextField, 1560, 4860, 1215, 315, {}, 22},
        {u"Label13", K::Label, 3120, 4920, 1215, 495, u"消力池长l", 23},
        {u"Text12", K::TextField, 4200, 4860, 1575, 315, {}, 24},
};

// Two segments make one separator across the whole client area; both are
// clipped at its edges.
constexpr std::array<LineSpec, 2> Lines = {{
        {u"Line2", -240, 1440, 3840},
        {u"Line1", 1440, 11760, 3840},
}};

constexpr std::array<std::pair<QStringView, QStringView>, 12> FieldLabels = {{
        {u"Text1", u"Label1"},
        {u"Text2", u"Label2"},
        {u"Text3", u"Label3"},
        {u"Text4", u"Label4"},
        {u"Text5", u"Label10"},
        {u"Text6", u"Label5"},
        {u"Text7", u"Label6"},
        {u"Text8", u"Label7"},
        {u"Text9", u"Label8"},
        {u"Text10", u"Label11"},
        {u"Text11", u"Label12"},
        {u"Text12", u"Label13"},
}};

} // namespace

std::span<const ControlSpec> formControls()
{
    return Controls;
}

std::span<const LineSpec> formLines()
{
    return Lines;
}

QStringView labelOf(QStringView fieldName)
{
    for (const auto &[field, label] : FieldLabels) {
        if (field == fieldName)
            return label;
    }
    return {};
}

} // namespace varnolt
