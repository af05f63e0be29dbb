#include "report/report_date.h"

#include "design/case_reader.h"
#include "model/quoted_excerpt.h"

#include <QCoreApplication>
#include <QDateTime>

namespace varnolt::report {

std::optional<QDate> reportDate(const QString &sourceDateEpoch, QDate today, QString &error)
{
    if (sourceDateEpoch.isEmpty())
        return today;
    bool ok = false;
    const qint64 seconds = sourceDateEpoch.toLongLong(&ok);
    if (!ok || seconds < 0 || seconds > latestSourceDateEpoch) {
        error = QCoreApplication::translate("varnolt::report::Options",
                "SOURCE_DATE_EPOCH: '%1' is not a number of seconds since 1970 from 0 to %2")
                        .arg(quotedExcerpt(sourceDateEpoch, ControlCharacters::Replaced),
                                QString::number(latestSourceDateEpoch));
        return std::nullopt;
    }
    return QDateTime::fromSecsSinceEpoch(seconds, Qt::UTC).date();
}

} // namespace varnolt::report
