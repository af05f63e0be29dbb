#include "window/control_table.h"

#include <array>

namespace varnolt {

namespace {

using F = Field;
using K = ControlKind;

// The jump-check block sits above the rule at 3840 twips, the basin block
// below it.
// Sized by its rows: a declared size larger than the rows would add
// value-initialised controls without a name.
constexpr ControlRow Controls[] = {
        {u"Label1", K::Label, 480, 240, 1215, 495, {}, 0, ControlPointSize, F::Text1},
        {u"Text1", K::TextField, 1680, 120, 1215, 315, {}, 1, ControlPointSize, {}},
        {u"Label2", K::Label, 3360, 240, 1215, 495, {}, 8, ControlPointSize, F::Text2},
        {u"Text2", K::TextField, 4440, 120, 1215, 315, {}, 2, ControlPointSize, {}},
        {u"Label3", K::Label, 360, 840, 1215, 495, {}, 9, ControlPointSize, F::Text3},
        {u"Text3", K::TextField, 1680, 720, 1215, 315, {}, 3, ControlPointSize, {}},
        {u"Label4", K::Label, 3360, 840, 1215, 495, {}, 10, ControlPointSize, F::Text4},
        {u"Text4", K::TextField, 4440, 720, 1215, 315, {}, 4, ControlPointSize, {}},
        {u"Label10", K::Label, 360, 1440, 1215, 495, {}, 18, ControlPointSize, F::Text5},
        {u"Text5", K::TextField, 1680, 1320, 1215, 315, {}, 5, ControlPointSize, {}},
        {u"Label5", K::Label, 3480, 1440, 1215, 495, {}, 11, ControlPointSize, F::Text6},
        {u"Text6", K::TextField, 4440, 1320, 1215, 315, {}, 13, ControlPointSize, {}},
        {u"Command1", K::Button, 360, 1920, 2535, 495, u"求解并判断下游水跃形式", 6,
                ControlPointSize, {}},
        {u"Label6", K::Label, 3480, 2160, 1215, 495, {}, 12, ControlPointSize, F::Text7},
        {u"Text7", K::TextField, 4680, 2100, 975, 315, {}, 15, ControlPointSize, {}},
        {u"Label7", K::Label, 360, 2880, 1695, 255, {}, 14, ControlPointSize, F::Text8},
        {u"Text8", K::TextField, 2040, 2820, 975, 315, {}, 26, ControlPointSize, {}},
        {u"Label8", K::Label, 3240, 2880, 1455, 495, {}, 16, ControlPointSize, F::Text9},
        {u"Text9", K::TextField, 4680, 2820, 975, 315, {}, 19, ControlPointSize, {}},
        {u"Label9", K::Label, 1440, 3360, 3375, 375, {}, 17, ControlPointSize, {}},
        {u"Label11", K::Label, 600, 4200, 1215, 495, {}, 20, ControlPointSize, F::Text10},
        {u"Text10", K::TextField, 1560, 4080, 1215, 375, {}, 25, LargeFieldPointSize, {}},
        {u"Command2", K::Button, 3480, 4080, 1935, 495, u"消力池水力计算", 7, ControlPointSize, {}},
        {u"Label12", K::Label, 480, 4920, 1095, 495, {}, 21, ControlPointSize, F::Text11},
        {u"Text11", K::TextField, 1560, 4860, 1215, 315, {}, 22, ControlPointSize, {}},
        {u"Label13", K::Label, 3120, 4920, 1215, 495, {}, 23, ControlPointSize, F::Text12},
        {u"Text12", K::TextField, 4200, 4860, 1575, 315, {}, 24, ControlPointSize, {}},
};

// Two segments make one separator across the whole client area; both are
// clipped at its edges.
constexpr std::array<LineRow, 2> Lines = {{
        {u"Line2", -240, 1440, 3840},
        {u"Line1", 1440, 11760, 3840},
}};

} // namespace

std::span<const ControlRow> formControls()
{
    return Controls;
}

std::span<const LineRow> formLines()
{
    return Lines;
}

QString captionOf(const ControlRow &row)
{
    if (row.namesField)
        return fieldCaption(*row.namesField);
    return row.caption.toString();
}

} // namespace varnolt
