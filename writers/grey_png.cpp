#include "writers/grey_png.h"

#include <zlib.h>

#include <array>

namespace varnolt::writers {

namespace {

void appendBigEndian(QByteArray &out, quint32 value)
{
    out.append(static_cast<char>(value >> 24));
    out.append(static_cast<char>(value >> 16));
    out.append(static_cast<char>(value >> 8));
    out.append(static_cast<char>(value));
}

// A PNG chunk: its length, type, data and the CRC of type and data.
void appendChunk(QByteArray &out, const char (&type)[5], const QByteArray &data)
{
    appendBigEndian(out, static_cast<quint32>(data.size()));
    const qsizetype start = out.size();
    out.append(type, 4);
    out.append(data);
    const auto crc
            = crc32(crc32(0, nullptr, 0), reinterpret_cast<const Bytef *>(out.constData() + start),
                    static_cast<uInt>(out.size() - start));
    appendBigEndian(out, static_cast<quint32>(crc));
}

// The rows as PNG's filtered data: each row a filter byte (0, none) and its
// grey bytes.
QByteArray greyRows(const QImage &picture)
{
    const QImage rgb = picture.format() == QImage::Format_RGB32
            ? picture
            : picture.convertToFormat(QImage::Format_RGB32);
    const int width = rgb.width();
    QByteArray rows(static_cast<qsizetype>(rgb.height()) * (width + 1), '\0');
    char *to = rows.data();
    for (int y = 0; y < rgb.height(); ++y) {
        const auto *from = reinterpret_cast<const QRgb *>(rgb.constScanLine(y));
        *to++ = 0;
        for (int x = 0; x < width; ++x)
            *to++ = static_cast<char>(qRed(from[x]));
    }
    return rows;
}

QByteArray deflated(const QByteArray &data)
{
    z_stream stream{};
    if (deflateInit2(&stream, 6, Z_DEFLATED, 15, 9, Z_RLE) != Z_OK)
        return {};
    QByteArray out(
            static_cast<qsizetype>(deflateBound(&stream, static_cast<uLong>(data.size()))), '\0');
    stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(data.constData()));
    stream.avail_in = static_cast<uInt>(data.size());
    stream.next_out = reinterpret_cast<Bytef *>(out.data());
    stream.avail_out = static_cast<uInt>(out.size());
    const int result = deflate(&stream, Z_FINISH);
    out.truncate(static_cast<qsizetype>(stream.total_out));
    deflateEnd(&stream);
    return result == Z_STREAM_END ? out : QByteArray();
}

} // namespace

QByteArray greyPng(const QImage &picture)
{
    if (picture.isNull() || picture.width() <= 0 || picture.height() <= 0)
        return {};
    const QByteArray data = deflated(greyRows(picture));
    if (data.isEmpty())
        return {};
    QByteArray png("\x89PNG\r\n\x1a\n", 8);
    QByteArray header;
    appendBigEndian(header, static_cast<quint32>(picture.width()));
    appendBigEndian(header, static_cast<quint32>(picture.height()));
    // 8 bits of grey; deflate, adaptive filtering's method, no interlace.
    header.append(std::array<char, 5>{8, 0, 0, 0, 0}.data(), 5);
    appendChunk(png, "IHDR", header);
    QByteArray resolution;
    appendBigEndian(resolution, static_cast<quint32>(picture.dotsPerMeterX()));
    appendBigEndian(resolution, static_cast<quint32>(picture.dotsPerMeterY()));
    resolution.append('\1'); // per metre
    appendChunk(png, "pHYs", resolution);
    appendChunk(png, "IDAT", data);
    appendChunk(png, "IEND", {});
    return png;
}

} // namespace varnolt::writers
