#pragma once

#include <QDate>
#include <QString>

#include <optional>

namespace varnolt::report {

// The last second SOURCE_DATE_EPOCH may name: 9999-12-31 23:59:59 UTC, the
// last day a report's four-digit year can show.
inline constexpr qint64 latestSourceDateEpoch = 253402300799;

// The day a calculation report is dated: `today`, or the UTC day of
// SOURCE_DATE_EPOCH (`sourceDateEpoch`, seconds since 1970) when a build
// sets it to have the same bytes every run. Returns nullopt with `error`
// set for a value that is not a whole number from 0 to
// latestSourceDateEpoch, rather than dating the report with no day at all.
std::optional<QDate> reportDate(const QString &sourceDateEpoch, QDate today, QString &error);

} // namespace varnolt::report
