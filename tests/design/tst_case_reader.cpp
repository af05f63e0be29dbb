// The case reader on files as spreadsheets and people write them: one table
// of inputs, each with the cases it must give or the located errors.
#include "design/case_reader.h"
#include "model/errors.h"
#include "model/number_text.h"
#include "model/quoted_excerpt.h"

#include <QLocale>
#include <QRandomGenerator>
#include <QTest>

#include <algorithm>
#include <bit>

using namespace varnolt::design;

namespace {

QString located(const ReadError &error)
{
    return QStringLiteral("%1:%2").arg(error.line).arg(error.column);
}

} // namespace

class TestCaseReader : public QObject {
    Q_OBJECT

private slots:
    void readCases_data();
    void readCases();
    void quotedExcerptIsBounded();
    void numbersReadAsTheWindowReadsThem_data();
    void numbersReadAsTheWindowReadsThem();
    void longFileReadAsOne();
};

void TestCaseReader::readCases_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("fileError"); // "LINE:COLUMN", empty when the header is good
    QTest::addColumn<QStringList>("rowErrors"); // "LINE:COLUMN" of each unread row
    QTest::addColumn<int>("cases");
    QTest::addColumn<QString>("firstName");
    QTest::addColumn<double>("firstQ");
    QTest::addColumn<double>("firstHt");
    QTest::addColumn<double>("firstPhi");
    QTest::addColumn<double>("firstSigma");

    const auto none = QString();
    const auto clean = QStringList();
    const QByteArray header = "name,q,H,a1,v,ht,phi,sigma\n";

    QTest::newRow("comma, LF") << header + "A,10,3,5,1,3,0.9,1.1\nB,5,2,30,1,3,0.95,1.05\n"
                               << none << clean << 2 << "A" << 10.0 << 3.0 << 0.9 << 1.1;
    QTest::newRow("byte order mark, CRLF, no final line end")
            << QByteArray("\xEF\xBB\xBFq,H,a1,v,ht\r\n10,3,5,1,3\r\n5,2,30,1,3") << none << clean
            << 2 << "case 1" << 10.0 << 3.0 << 0.95 << 1.05;
    QTest::newRow("semicolon, decimal comma")
            << QByteArray("name;q;H;a1;v;ht;sigma\nweir;10,5;3;5;1,25;3,5;1,08\n") << none << clean
            << 1 << "weir" << 10.5 << 3.5 << 0.95 << 1.08;
    QTest::newRow("tab, decimal comma, header in any order and case")
            << QByteArray("HT\tQ\th\tA1\tV\tNAME\n3,5\t12,25\t3\t5\t1\tB\n") << none << clean << 1
            << "B" << 12.25 << 3.5 << 0.95 << 1.05;
    QTest::newRow("a decimal comma is a separator in a comma file")
            << QByteArray("q,H,a1,v,ht\n\"10,5\",3,5,1,3\n") << none << QStringList{"2:q"} << 0
            << "" << 0.0 << 0.0 << 0.0 << 0.0;
    QTest::newRow("quotes as in RFC 4180") << QByteArray(
            "name,q,H,a1,v,ht\n\"weir \"\"A\"\", left\",\"10\",3,5,1,3\n\"\",5,2,30,1,3\n")
                                           << none << clean << 2 << "weir \"A\", left" << 10.0
                                           << 3.0 << 0.95 << 1.05;
    QTest::newRow("a line break in a quoted name is part of it, and counts its line")
            << QByteArray("name,q,H,a1,v,ht\n\"two\r\nlines\",10,3,5,1,3\nB,5,x,30,1,3\n") << none
            << QStringList{"4:H"} << 1 << "two\nlines" << 10.0 << 3.0 << 0.95 << 1.05;
    QTest::newRow("blank and comment lines skipped, lines still counted")
            << QByteArray("# weir 7\n\n# the flood\nq,H,a1,v,ht\n  \n10,3,5,1,3\n\t\n5,2,30,1,\n")
            << none << QStringList{"8:ht"} << 1 << "case 1" << 10.0 << 3.0 << 0.95 << 1.05;
    QTest::newRow("below the header # begins a name, not a comment")
            << QByteArray("name;q;H;a1;v;ht\n#2 flood;10;3;5;1;3\n# 3;x;3;5;1;3\n") << none
            << QStringList{"3:q"} << 1 << "#2 flood" << 10.0 << 3.0 << 0.95 << 1.05;
    QTest::newRow("rows of empty cells skipped like blank lines")
            << QByteArray(";;;;;\nq;H;a1;v;ht\n;;;;\n\"\";\"\";;;\n10;3;5;1;3\n ; ;;;\n") << none
            << clean << 1 << "case 1" << 10.0 << 3.0 << 0.95 << 1.05;
    QTest::newRow("a spreadsheet's sep= line names the separator")
            << QByteArray("sep=;\nname;q;H;a1;v;ht\nA,B;10,5;3;5;1;3\n") << none << clean << 1
            << "A,B" << 10.5 << 3.0 << 0.95 << 1.05;
    QTest::newRow("blank phi and sigma take the defaults")
            << QByteArray("q;H;a1;v;ht;phi;sigma\n10;3;5;1;3; ;\"\"\n") << none << clean << 1
            << "case 1" << 10.0 << 3.0 << 0.95 << 1.05;
    QTest::newRow("decimal comma: full stops group thousands")
            << QByteArray("q;H;a1;v;ht\n1.005;3,5;5;1;1.005,5\n") << none << clean << 1 << "case 1"
            << 1005.0 << 1005.5 << 0.95 << 1.05;
    QTest::newRow("decimal comma: a full-stop decimal is a located fault")
            << QByteArray("q;H;a1;v;ht\n10;3,5;5;1;3\n10;3.5;5;1;3\n10;3;5;1;1.00\n") << none
            << QStringList{"3:H", "4:ht"} << 1 << "case 1" << 10.0 << 3.0 << 0.95 << 1.05;
    QTest::newRow("full stop: no group marks")
            << QByteArray("q,H,a1,v,ht\n\"1,005\",3,5,1,3\n1.005,3,5,1,3\n") << none
            << QStringList{"2:q"} << 1 << "case 1" << 1.005 << 3.0 << 0.95 << 1.05;
    QTest::newRow("impossible inputs refused, the others read")
            << QByteArray("q,H,a1,v,ht,phi,sigma\n-1,3,5,1,3,,\n10,-3,5,1,3,,\n10,3,-5,1,3,,\n"
                          "10,3,5,-1,3,,\n10,3,5,1,-3,,\n10,3,5,1,3,1.01,\n10,3,5,1,3,-0.1,\n"
                          "10,3,5,1,3,,0.99\n10,3,5,1,3,0,1\n")
            << none << QStringList{"2:q", "3:H", "4:a1", "5:v", "6:ht", "7:phi", "8:phi", "9:sigma"}
            << 1 << "case 1" << 10.0 << 3.0 << 0.0 << 1.0;
    QTest::newRow("a bidirectional control in a name refused")
            << QByteArray("name,q,H,a1,v,ht\nA\u202e,10,3,5,1,3\nB\u2066x\u2069,10,3,5,1,3\n")
            << none << QStringList{"2:name", "3:name"} << 0 << "" << 0.0 << 0.0 << 0.0 << 0.0;
    QTest::newRow("a header and no case is said")
            << QByteArray("# only\nq,H,a1,v,ht\n;;\n") << none << QStringList{"2:header"} << 0 << ""
            << 0.0 << 0.0 << 0.0 << 0.0;
    QTest::newRow("spreadsheet's trailing separators")
            << QByteArray("q;H;a1;v;ht;;\n10;3;5;1;3;;\n") << none << clean << 1 << "case 1" << 10.0
            << 3.0 << 0.95 << 1.05;
    QTest::newRow("sign, exponent, blanks around numbers")
            << QByteArray("q,H,a1,v,ht\n +1e1 ,3.0E0,5.,.5,3\n") << none << clean << 1 << "case 1"
            << 10.0 << 3.0 << 0.95 << 1.05;
    QTest::newRow("missing column named")
            << QByteArray("q,H,a1,v,phi\n10,3,5,1,0.95\n") << QStringLiteral("1:ht") << clean << 0
            << "" << 0.0 << 0.0 << 0.0 << 0.0;
    QTest::newRow("unknown column named")
            << QByteArray("q,H,a1,v,ht,depth\n10,3,5,1,3,2\n") << QStringLiteral("1:depth") << clean
            << 0 << "" << 0.0 << 0.0 << 0.0 << 0.0;
    QTest::newRow("misspelt sigma refused, never 1.05")
            << QByteArray("q,H,a1,v,ht,sigam\n10,3,5,1,3,1.2\n") << QStringLiteral("1:sigam")
            << clean << 0 << "" << 0.0 << 0.0 << 0.0 << 0.0;
    QTest::newRow("column given twice")
            << QByteArray("q,H,a1,v,ht,Q\n10,3,5,1,3,4\n") << QStringLiteral("1:Q") << clean << 0
            << "" << 0.0 << 0.0 << 0.0 << 0.0;
    QTest::newRow("empty file") << QByteArray() << QStringLiteral("1:header") << clean << 0 << ""
                                << 0.0 << 0.0 << 0.0 << 0.0;
    QTest::newRow("comments only") << QByteArray("# nothing\n\n") << QStringLiteral("1:header")
                                   << clean << 0 << "" << 0.0 << 0.0 << 0.0 << 0.0;
    // The start of an executable, NUL bytes and all.
    static constexpr char junk[] = "\x7f"
                                   "ELF\x02\x01\x01\x00\x00\x00,\x03\x00>\x00\x01\n\xff\xfe";
    QTest::newRow("binary junk") << QByteArray(junk, sizeof junk - 1) << QStringLiteral("1:#1")
                                 << clean << 0 << "" << 0.0 << 0.0 << 0.0 << 0.0;
    QTest::newRow("invalid UTF-8 in a name")
            << header + "ok,10,3,5,1,3,0.95,1.05\nbad\xC3\x28,5,2,30,1,3,0.95,1.05\n"
            << none << QStringList{"3:name"} << 1 << "ok" << 10.0 << 3.0 << 0.95 << 1.05;
    QTest::newRow("a row of a million characters")
            << header + "A," + QByteArray(1'000'000, '7')
                    + ",3,5,1,3,0.95,1.05\nB,5,2,30,1,3,0.95,1.05\n"
            << none << QStringList{"2:-"} << 1 << "B" << 5.0 << 3.0 << 0.95 << 1.05;
    QTest::newRow("a quotation never closed")
            << QByteArray("q,H,a1,v,ht\n10,3,5,1,3\n\"5,2,30,1,3\n") << none << QStringList{"3:-"}
            << 1 << "case 1" << 10.0 << 3.0 << 0.95 << 1.05;
    QTest::newRow("text after a closing quotation mark")
            << QByteArray("q,H,a1,v,ht\n\"10\"x,3,5,1,3\n") << none << QStringList{"2:-"} << 0 << ""
            << 0.0 << 0.0 << 0.0 << 0.0;
    QTest::newRow("too few and too many fields")
            << QByteArray("q,H,a1,v,ht\n10,3,5\n10,3,5,1,3,9\n") << none
            << QStringList{"2:v", "3:#6"} << 0 << "" << 0.0 << 0.0 << 0.0 << 0.0;
    QTest::newRow("not numbers") << QByteArray(
            "q,H,a1,v,ht,phi\n1.2.3,3,5,1,3,0.95\n10,3,5,1,3,x\n10,3,5,1,inf,0.9\n10,3,5,1,3,nan\n")
                                 << none << QStringList{"2:q", "3:phi", "4:ht", "5:phi"} << 0 << ""
                                 << 0.0 << 0.0 << 0.0 << 0.0;
    QTest::newRow("beyond the range of a double")
            << QByteArray("q,H,a1,v,ht\n1e400,3,5,1,3\n") << none << QStringList{"2:q"} << 0 << ""
            << 0.0 << 0.0 << 0.0 << 0.0;
    QTest::newRow("a control character in a name")
            << QByteArray("name,q,H,a1,v,ht\na\x01,10,3,5,1,3\n") << none << QStringList{"2:name"}
            << 0 << "" << 0.0 << 0.0 << 0.0 << 0.0;
}

void TestCaseReader::readCases()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, fileError);
    QFETCH(QStringList, rowErrors);
    QFETCH(int, cases);

    const CaseFile file = varnolt::design::readCases(bytes);
    QCOMPARE(file.fileError ? located(*file.fileError) : QString(), fileError);
    if (file.fileError) {
        QVERIFY(!file.fileError->message.isEmpty());
        QVERIFY(file.cases.empty());
        return;
    }
    QStringList errors;
    for (const ReadError &error : file.rowErrors) {
        QVERIFY(!error.message.isEmpty());
        QVERIFY(error.message.size() < 200);
        errors << located(error);
    }
    QCOMPARE(errors, rowErrors);
    QCOMPARE(int(file.cases.size()), cases);
    if (cases == 0)
        return;
    const CaseInputs &first = file.cases.front();
    QTEST(first.name, "firstName");
    QTEST(first.q, "firstQ");
    QTEST(first.ht, "firstHt");
    QTEST(first.phi, "firstPhi");
    QTEST(first.sigma, "firstSigma");
}

void TestCaseReader::quotedExcerptIsBounded()
{
    const QString shown = varnolt::quotedExcerpt(
            QString(1000, u'x') + u'\n', varnolt::ControlCharacters::Replaced);
    QCOMPARE(shown.size(), 41);
    QVERIFY(shown.endsWith(u'…'));
    QCOMPARE(varnolt::quotedExcerpt(QStringLiteral("a\tb"), varnolt::ControlCharacters::Replaced),
            QStringLiteral("a\uFFFDb"));
}

// A case file's number is the double the window's strict reading gives for
// the same text, to the last bit, or refused where that reading refuses it:
// the plain decimals most files hold are read by a shorter way.
void TestCaseReader::numbersReadAsTheWindowReadsThem_data()
{
    QTest::addColumn<QString>("text");
    const char *const texts[] = {"0", "12", "0.95", "1.05", "  7.5 ", "3.1415926535897932384626",
            "123456789012345678901234", "1234567890123456789012345", "0.1000000000000000055511",
            "9007199254740993", "2.2250738585072014", "00.5", "0.", ".5", "5.", "1e3", "+1", "-1",
            "1.2.3", "1,5", "0x10", "\u0661", "12a", ""};
    for (const char *text : texts)
        QTest::newRow(text) << QString::fromUtf8(text);
    // Random decimals of every length the files write.
    QRandomGenerator random(20261208);
    for (int i = 0; i < 200; ++i) {
        const QString integer = QString::number(random.bounded(100000));
        QString fraction;
        const int digits = int(random.bounded(19));
        for (int d = 0; d < digits; ++d)
            fraction += QChar(u'0' + random.bounded(10));
        const QString text = digits ? integer + u'.' + fraction : integer;
        QTest::newRow(qPrintable(text)) << text;
    }
}

void TestCaseReader::numbersReadAsTheWindowReadsThem()
{
    QFETCH(QString, text);
    std::optional<double> expected;
    try {
        if (!text.contains(u','))
            expected = varnolt::StrictNumberUnrounded(text.trimmed(), QLocale::c(), QString());
    } catch (const varnolt::CalcError &) {
    }
    QString fault;
    const std::optional<double> read = parseCaseNumber(text, u',', fault);
    QCOMPARE(read.has_value(), expected.has_value());
    if (read)
        QCOMPARE(std::bit_cast<quint64>(*read), std::bit_cast<quint64>(*expected));
    else
        QVERIFY(!fault.isEmpty());
}

// A file of more than a megabyte without quotation marks is read in two
// halves at once; what it gives must not show where the halves met: every
// line number, the unnamed case's number among the cases, a name given
// twice across the halves, a "#" row and a blank row far down, a decimal
// comma decided from the file's first rows. The rows below the header are
// lines 2 on, the first thousand with CRLF ends.
void TestCaseReader::longFileReadAsOne()
{
    constexpr int rows = 50000;
    constexpr int badNumber = 100; // row indices, 0 the first below the header
    constexpr int blank = 30000;
    constexpr int shortRow = 40000;
    constexpr int unnamed = 45000;
    constexpr int hash = 47000;
    constexpr int repeated = 48000; // names row 10's case again
    const auto lineOf = [](int row) { return row + 2; };

    QByteArray bytes = "name;q;H;a1;v;ht\n";
    for (int i = 0; i < rows; ++i) {
        QByteArray row = "flood " + QByteArray::number(i) + ";10,5;3;5;1;3";
        if (i == badNumber)
            row = "bad;x;3;5;1;3";
        else if (i == blank)
            row = ";;;;;";
        else if (i == shortRow)
            row = "short;10,5;3;5;1";
        else if (i == unnamed)
            row = ";10,5;3;5;1;3";
        else if (i == hash)
            row = "#2 flood;10,5;3;5;1;3";
        else if (i == repeated)
            row = "flood 10;10,5;3;5;1;3";
        bytes += row + (i < 1000 ? "\r\n" : "\n");
    }
    QVERIFY(bytes.size() > (1 << 20));

    const CaseFile file = varnolt::design::readCases(bytes);
    QVERIFY(!file.fileError);
    QStringList errors;
    for (const ReadError &error : file.rowErrors)
        errors << located(error);
    QCOMPARE(errors,
            QStringList({QStringLiteral("%1:q").arg(lineOf(badNumber)),
                    QStringLiteral("%1:ht").arg(lineOf(shortRow))}));
    QCOMPARE(int(file.cases.size()), rows - 3);

    // The case read from a row, or none.
    const auto caseOfRow = [&](int row) -> const CaseInputs * {
        const auto found = std::find_if(file.cases.begin(), file.cases.end(),
                [&](const CaseInputs &c) { return c.line == lineOf(row); });
        return found == file.cases.end() ? nullptr : &*found;
    };
    const CaseInputs *unnamedCase = caseOfRow(unnamed);
    const CaseInputs *hashCase = caseOfRow(hash);
    const CaseInputs *lastCase = caseOfRow(rows - 1);
    QVERIFY(unnamedCase && hashCase && lastCase);
    // Three rows above it were not cases: it is case 44,998.
    QCOMPARE(unnamedCase->name, QStringLiteral("case 44998"));
    QCOMPARE(hashCase->name, QStringLiteral("#2 flood"));
    QCOMPARE(lastCase->name, QStringLiteral("flood %1").arg(rows - 1));
    QCOMPARE(file.cases.back().line, lineOf(rows - 1));
    QCOMPARE(file.cases.back().q, 10.5);
    for (std::size_t i = 1; i < file.cases.size(); ++i)
        QVERIFY(file.cases[i - 1].line < file.cases[i].line);

    QCOMPARE(int(file.warnings.size()), 1);
    QCOMPARE(file.warnings.front().line, lineOf(repeated));
    QVERIFY2(file.warnings.front().message.contains(QString::number(lineOf(10))),
            qPrintable(file.warnings.front().message));
}

QTEST_GUILESS_MAIN(TestCaseReader)
#include "tst_case_reader.moc"
