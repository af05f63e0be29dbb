#include "writers/docx_package.h"

#include <zip.h>

#include <memory>

namespace varnolt::writers {

using namespace Qt::StringLiterals;

namespace {

struct SourceFree {
    void operator()(zip_source_t *source) const { zip_source_free(source); }
};
using SourceHandle = std::unique_ptr<zip_source_t, SourceFree>;

QString zipError(zip_error_t *error)
{
    return QString::fromLocal8Bit(zip_error_strerror(error));
}

// The date and time in MS-DOS form, as a zip entry carries it: no time
// zone, even seconds, years from 1980.
std::pair<zip_uint16_t, zip_uint16_t> dosStamp(const QDateTime &stamp)
{
    const QDate day = stamp.date();
    const QTime time = stamp.time();
    const int year = std::clamp(day.year(), 1980, 2107);
    const auto dosDate
            = static_cast<zip_uint16_t>(((year - 1980) << 9) | (day.month() << 5) | day.day());
    const auto dosTime = static_cast<zip_uint16_t>(
            (time.hour() << 11) | (time.minute() << 5) | (time.second() / 2));
    return {dosTime, dosDate};
}

// Reads the whole archive back from the source it was written into.
QByteArray sourceBytes(zip_source_t *source, QString &error)
{
    if (zip_source_open(source) < 0) {
        error = zipError(zip_source_error(source));
        return {};
    }
    QByteArray bytes;
    char chunk[65536];
    for (;;) {
        const zip_int64_t n = zip_source_read(source, chunk, sizeof chunk);
        if (n < 0) {
            error = zipError(zip_source_error(source));
            zip_source_close(source);
            return {};
        }
        if (n == 0)
            break;
        bytes.append(chunk, static_cast<qsizetype>(n));
    }
    zip_source_close(source);
    return bytes;
}

} // namespace

QByteArray zipPackage(const std::vector<PackagePart> &parts, const QDateTime &stamp, QString &error)
{
    zip_error_t zipErr;
    zip_error_init(&zipErr);
    // The archive is written into a buffer source, kept after zip_close so
    // that its bytes can be read back.
    SourceHandle buffer(zip_source_buffer_create(nullptr, 0, 0, &zipErr));
    if (!buffer) {
        error = zipError(&zipErr);
        zip_error_fini(&zipErr);
        return {};
    }
    zip_t *archive = zip_open_from_source(buffer.get(), ZIP_TRUNCATE, &zipErr);
    if (!archive) {
        error = zipError(&zipErr);
        zip_error_fini(&zipErr);
        return {};
    }
    zip_error_fini(&zipErr);
    zip_source_keep(buffer.get());
    const auto [dosTime, dosDate] = dosStamp(stamp);
    for (const PackagePart &part : parts) {
        // The source reads the part's bytes when the archive is closed,
        // while `parts` still holds them.
        zip_source_t *data = zip_source_buffer(
                archive, part.bytes.constData(), static_cast<zip_uint64_t>(part.bytes.size()), 0);
        const QByteArray name = part.name.toUtf8();
        const zip_int64_t index
                = data ? zip_file_add(archive, name.constData(), data, ZIP_FL_ENC_UTF_8) : -1;
        if (index < 0) {
            if (data)
                zip_source_free(data);
            error = zipError(zip_get_error(archive));
            zip_discard(archive);
            return {};
        }
        const auto entry = static_cast<zip_uint64_t>(index);
        if (zip_set_file_compression(archive, entry,
                    part.compressed ? ZIP_CM_STORE : ZIP_CM_DEFLATE,
                    6) < 0
                || zip_file_set_dostime(archive, entry, dosTime, dosDate, 0) < 0) {
            error = zipError(zip_get_error(archive));
            zip_discard(archive);
            return {};
        }
    }
    if (zip_close(archive) < 0) {
        error = zipError(zip_get_error(archive));
        zip_discard(archive);
        return {};
    }
    return sourceBytes(buffer.get(), error);
}

} // namespace varnolt::writers
