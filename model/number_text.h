#pragma once

#include "model/form_model.h"

#include <QLocale>
#include <QString>

namespace varnolt {

// The conversions between field texts and numbers. Each one reads or writes
// in the notation of the locale it is given (a form's locale()); none of them
// looks at the default locale.

// The whole text, less the white space around it (blanks, tabs, line breaks,
// no-break and ideographic spaces: what a pasted spreadsheet cell or a
// Chinese document brings along), as one number in the locale's notation
// (sign, digits with the locale's decimal separator and correctly placed
// group marks, optional exponent), rounded to single precision. A grouped
// number never starts with a zero: "0,950" is no number under a full-stop
// locale. `source` names where the text came from in the error message.
// Throws CalcError: TypeMismatch for anything that is not such a number,
// Overflow beyond the single-precision range.
float StrictNumber(const QString &text, const QLocale &locale, const QString &source = {});

// The same for the text of a field: the error names the field's caption and
// carries the field, so that the user can be taken back to it.
float StrictNumber(const QString &text, const QLocale &locale, Field field);

// The same reading without the final rounding, for bisection bounds that are
// still field texts and for the heads of a basin. Overflow only beyond the
// double-precision range.
double StrictNumberUnrounded(
        const QString &text, const QLocale &locale, const QString &source = {});
double StrictNumberUnrounded(const QString &text, const QLocale &locale, Field field);

// The leading number of a text, blanks, tabs and line feeds ignored wherever
// they stand, always with a full stop as the decimal point: "3.5m" is 3.5,
// "abc" is 0, "3,5" is 3. Throws CalcError(Overflow) beyond the double range.
double LeadingNumber(const QString &text, const QString &source = {});

// A single-precision value with at most seven significant digits, trailing
// zeros dropped, the locale's decimal separator. From 1e7 up, and below 1e-4,
// it is written with an exponent (1.234568E+07).
QString SingleText(float value, const QLocale &locale);

// The display pattern "###.##": no digit before the separator when the whole
// part is 0, at most two decimals without trailing zeros, the separator
// always written ("12.", ".5", and "." for a value that rounds to zero).
QString FixedTwo(double value, const QLocale &locale);

} // namespace varnolt
