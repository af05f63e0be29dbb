#pragma once

#include <QFile>
#include <QList>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <QTest>

#include <cmath>

// A table of the independent reference: tab-separated rows, each headed by
// the name of the table it belongs to.
class ReferenceTable {
public:
    explicit ReferenceTable(QString path)
        : m_path(std::move(path))
    {
    }

    // The rows of one table, without their table's name.
    QList<QStringList> rows(const QString &table) const
    {
        QList<QStringList> rows;
        QFile file(m_path);
        if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
            return rows;
        while (!file.atEnd()) {
            const QStringList cells = QString::fromUtf8(file.readLine()).chopped(1).split(u'\t');
            if (cells.size() > 1 && cells[0] == table)
                rows.append(cells.mid(1));
        }
        return rows;
    }

    // One test row per row of the table, named by its first cell; a missing
    // table or a row of another width fails the test.
    void addRows(const QString &table, qsizetype columns) const
    {
        QTest::addColumn<QStringList>("row");
        const QList<QStringList> found = rows(table);
        QVERIFY2(!found.isEmpty(), qPrintable(QStringLiteral("no rows of ") + table));
        for (const QStringList &row : found) {
            QCOMPARE(row.size(), columns);
            QTest::newRow(qPrintable(row[0])) << row;
        }
    }

private:
    QString m_path;
};

// A number of the reference as it is written there, full stop and all; NaN
// for anything else, so that a comparison with it fails.
inline double number(const QString &text)
{
    bool ok = false;
    const double value = QLocale::c().toDouble(text, &ok);
    return ok ? value : std::nan("");
}
