#pragma once

#include "design/case_result.h"
#include "model/errors.h"
#include "writers/report_words.h"

#include <QString>

namespace varnolt::writers {

// The sentences of failures in the report's language. In Chinese they are
// the window's own sentences, character for character; in English they say
// the same with the same figures.

// A command's error: why the case stopped.
QString errorWords(const CalcError &error, ReportLanguage language);

// Why the standard's cross-check has no root.
QString standardFailureWords(const design::StandardFailure &failure, ReportLanguage language);

// The name of an input or result field as an English sentence names it:
// "discharge per unit width q".
QString englishFieldName(Field field);

} // namespace varnolt::writers
