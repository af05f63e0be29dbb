#include "design/case_file_columns.h"

namespace varnolt::design::case_file {

using namespace Qt::StringLiterals;

QString canonicalName(Column column)
{
    switch (column) {
    case Column::Name:
        return u"name"_s;
    case Column::Q:
        return u"q"_s;
    case Column::H:
        return u"H"_s;
    case Column::A1:
        return u"a1"_s;
    case Column::V:
        return u"v"_s;
    case Column::Ht:
        return u"ht"_s;
    case Column::Phi:
        return u"phi"_s;
    case Column::Sigma:
        return u"sigma"_s;
    case Column::Uplift:
        return u"uplift"_s;
    }
    return {};
}

} // namespace varnolt::design::case_file
