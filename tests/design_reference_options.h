#pragma once

#include "design/case_result.h"
#include "reference_table.h"

#include <QString>
#include <QStringList>

// The design-wide options of a row of tests/data/design_reference.tsv:
// α, b1/b2, β, Ls, k1 and Ks ("none" for no apron) in columns 8 to 13.
inline varnolt::design::DesignOptions designReferenceOptions(const QStringList &row)
{
    varnolt::design::DesignOptions options;
    options.alpha = number(row[8]);
    options.widthRatio = number(row[9]);
    options.beta = number(row[10]);
    options.slopeLength = number(row[11]);
    options.k1 = number(row[12]);
    if (row[13] != QLatin1String("none"))
        options.ks = number(row[13]);
    return options;
}
