#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace varnolt::design::case_file {

// A field as text: valid UTF-8 without control characters, or the fault.
std::optional<QString> decodeField(const QByteArray &bytes, QString &fault);

// The strict number grammar of a case file: sign, digits with at most one
// full stop, optional exponent. Empty on a fault, which `fault` names.
std::optional<double> parseNumber(QString text, char separator, QString &fault);

// A field of nothing but blanks.
bool isBlank(const QByteArray &field);

} // namespace varnolt::design::case_file
