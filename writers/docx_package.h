#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <vector>

namespace varnolt::writers {

// One part of an Office Open XML package: its name inside the zip
// ("word/document.xml") and its bytes.
struct PackagePart {
    QString name;
    QByteArray bytes;
    // Bytes compressed already (a PNG): stored as they are, not deflated
    // again for nothing.
    bool compressed = false;
};

// The parts as a zip archive in memory, in the order given, each deflated
// at a fixed level (or stored, when compressed already) and stamped with `stamp` (to the two
// seconds a zip's time holds), so that the same parts give the same bytes. Empty with `error` set
// where the zip library fails.
QByteArray zipPackage(
        const std::vector<PackagePart> &parts, const QDateTime &stamp, QString &error);

} // namespace varnolt::writers
