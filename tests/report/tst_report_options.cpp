// The report program's command line read in process: every option in each
// of its spellings, every refusal with its message, and the date a report
// carries by SOURCE_DATE_EPOCH.
#include "design/basin_type.h"
#include "report/options.h"
#include "report/report_date.h"
#include "writers/number_text.h"

#include <QTest>

using namespace varnolt;
using namespace varnolt::report;
using namespace Qt::StringLiterals;

namespace {

QString numberText(double value)
{
    return QString::fromUtf8(writers::shortestText(value));
}

// What the options ask for, one entry per thing they decide, so that a row
// names only what it is about.
QMap<QString, QString> decided(const ReportOptions &o)
{
    QMap<QString, QString> d{
            {u"help"_s, o.help ? u"yes"_s : u"no"_s},
            {u"version"_s, o.version ? u"yes"_s : u"no"_s},
            {u"cases"_s, o.casesPath},
            {u"output"_s, o.outputPath},
            {u"format"_s,
                    o.format ? QString::fromLatin1(writers::formatEntry(*o.format).name)
                             : u"none"_s},
            {u"lang"_s, o.language == writers::ReportLanguage::English ? u"en"_s : u"zh"_s},
            {u"title"_s, o.title},
            {u"project"_s, o.project.name},
            {u"stage"_s, o.project.stage},
            {u"number"_s, o.project.number},
            {u"alpha"_s, numberText(o.design.alpha)},
            {u"b-ratio"_s, numberText(o.design.widthRatio)},
            {u"beta"_s, numberText(o.design.beta)},
            {u"ls"_s, numberText(o.design.slopeLength)},
            {u"k1"_s, numberText(o.design.k1)},
            {u"ks"_s, o.design.ks ? numberText(*o.design.ks) : u"none"_s},
            {u"basin"_s, design::basinTypeKey(o.design.basinType)},
            {u"sill-m"_s, numberText(o.design.sillM)},
            {u"v0"_s,
                    o.design.allowableVelocity ? numberText(*o.design.allowableVelocity)
                                               : u"none"_s},
            {u"phi-exit"_s, numberText(o.design.exitPhi)},
            {u"depth-step"_s, numberText(o.design.depthStep)},
            {u"length-step"_s, numberText(o.design.lengthStep)},
            {u"k2"_s, numberText(o.design.k2)},
            {u"slab-unit-weight"_s, numberText(o.design.slabUnitWeight)},
    };
    if (const auto &c = o.singleCase) {
        d.insert({{u"name"_s, c->name}, {u"q"_s, numberText(c->q)}, {u"H"_s, numberText(c->H)},
                {u"a1"_s, numberText(c->a1)}, {u"v"_s, numberText(c->v)},
                {u"ht"_s, numberText(c->ht)}, {u"phi"_s, numberText(c->phi)},
                {u"sigma"_s, numberText(c->sigma)}});
    }
    return d;
}

// The worked example's case by options.
const QStringList workedCase{u"--q"_s, u"10"_s, u"--H"_s, u"3"_s, u"--a1"_s, u"5"_s, u"--v"_s,
        u"1"_s, u"--ht"_s, u"3"_s};

} // namespace

class TestReportOptions : public QObject {
    Q_OBJECT

private slots:
    void acceptedOptions_data();
    void acceptedOptions();
    void refusedOptions_data();
    void refusedOptions();
    void helpTextListsEveryOption();
    void asksForWordDocument_data();
    void asksForWordDocument();
    void reportDate_data();
    void reportDate();
};

void TestReportOptions::acceptedOptions_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("expected"); // "key=value; …", the keys of decided()

    QTest::newRow("a case file, everything else by default")
            << QStringList{u"cases.csv"_s}
            << u"cases=cases.csv; output=; format=table; lang=zh; title=; alpha=1; b-ratio=1; "
               "beta=0.75; ls=0; k1=0.2; ks=none; basin=sunk; sill-m=0.42; v0=none; "
               "phi-exit=0.95; depth-step=0.05; length-step=0.5; k2=1.2; slab-unit-weight=24; "
               "help=no; version=no"_s;
    QTest::newRow("standard input") << QStringList{u"-"_s} << u"cases=-"_s;
    QTest::newRow("one case by options")
            << workedCase
            << u"cases=; name=case 1; q=10; H=3; a1=5; v=1; ht=3; phi=0.95; sigma=1.05"_s;
    QTest::newRow("one case, single dashes") << QStringList{u"-q"_s, u"10"_s, u"-H"_s, u"3"_s,
            u"-a1"_s, u"5"_s, u"-v"_s, u"1"_s, u"-ht"_s, u"3"_s, u"-phi"_s, u"0.9"_s}
                                             << u"q=10; H=3; a1=5; v=1; ht=3; phi=0.9"_s;
    QTest::newRow("one case, values after =") << QStringList{u"--q=10"_s, u"--H=3"_s, u"--a1=5"_s,
            u"--v=1"_s, u"--ht=3"_s, u"--sigma=1.1"_s,
            u"--name= flood "_s} << u"q=10; H=3; a1=5; v=1; ht=3; sigma=1.1; name=flood"_s;
    QTest::newRow("design-wide options") << QStringList{u"cases.csv"_s, u"--alpha"_s, u"1.05"_s,
            u"--b-ratio"_s, u"0.8"_s, u"--beta"_s, u"0.8"_s, u"--ls"_s, u"2"_s, u"--k1"_s,
            u"0.15"_s, u"--ks"_s,
            u"12"_s} << u"alpha=1.05; b-ratio=0.8; beta=0.8; ls=2; k1=0.15; ks=12"_s;
    QTest::newRow("exit coefficient, steps and the slab's uplift factors")
            << QStringList{u"cases.csv"_s, u"--phi-exit"_s, u"0.9"_s, u"--depth-step=0.1"_s,
                       u"--length-step"_s, u"1"_s, u"--k2"_s, u"1.1"_s, u"--slab-unit-weight"_s,
                       u"23.5"_s}
            << u"phi-exit=0.9; depth-step=0.1; length-step=1; k2=1.1; slab-unit-weight=23.5"_s;
    QTest::newRow("Ks by the bed class")
            << QStringList{u"cases.csv"_s, u"--bed"_s, u"fine-sand"_s} << u"ks=14; v0=0.35"_s;
    QTest::newRow("allowable velocity by each bed class")
            << QStringList{u"cases.csv"_s, u"--bed"_s, u"stiff-clay"_s} << u"ks=8; v0=0.75"_s;
    QTest::newRow("allowable velocity over the bed's") << QStringList{u"cases.csv"_s, u"--bed"_s,
            u"coarse-sand"_s, u"--allowable-velocity"_s, u"1.2"_s}
                                                       << u"ks=12; v0=1.2"_s;
    QTest::newRow("allowable velocity alone")
            << QStringList{u"cases.csv"_s, u"--allowable-velocity=0.8"_s} << u"ks=none; v0=0.8"_s;
    QTest::newRow("the sill adopted") << QStringList{u"cases.csv"_s, u"--basin"_s, u"sill"_s,
            u"--sill-m"_s, u"0.4"_s} << u"basin=sill; sill-m=0.4"_s;
    QTest::newRow("the combined basin adopted")
            << QStringList{u"cases.csv"_s, u"--basin=combined"_s} << u"basin=combined"_s;
    QTest::newRow("-o FILE") << QStringList{u"cases.csv"_s, u"-o"_s, u"r.csv"_s}
                             << u"output=r.csv; format=csv"_s;
    QTest::newRow("-oFILE") << QStringList{u"cases.csv"_s, u"-oreport.json"_s}
                            << u"output=report.json; format=json"_s;
    QTest::newRow("-o=FILE") << QStringList{u"cases.csv"_s, u"-o=r.md"_s}
                             << u"output=r.md; format=md"_s;
    QTest::newRow("--output FILE") << QStringList{u"--output"_s, u"r.xlsx"_s, u"cases.csv"_s}
                                   << u"output=r.xlsx; format=xlsx; cases=cases.csv"_s;
    QTest::newRow("--output=FILE")
            << QStringList{u"cases.csv"_s, u"--output=r.HTM"_s} << u"output=r.HTM; format=html"_s;
    QTest::newRow("-output FILE") << QStringList{u"cases.csv"_s, u"-output"_s, u"r.csv"_s}
                                  << u"output=r.csv; format=csv"_s;
    QTest::newRow("a Word document by its extension") << QStringList{
            u"cases.csv"_s, u"-o"_s, u"Report.DOCX"_s} << u"output=Report.DOCX; format=docx"_s;
    QTest::newRow("a Word document by --format") << QStringList{u"cases.csv"_s, u"--format=docx"_s,
            u"-o"_s, u"r.txt"_s} << u"output=r.txt; format=docx"_s;
    QTest::newRow("-o - is standard output, the table by default")
            << QStringList{u"cases.csv"_s, u"-o"_s, u"-"_s} << u"output=-; format=table"_s;
    QTest::newRow("-o - in a format") << QStringList{u"cases.csv"_s, u"-o"_s, u"-"_s, u"--format"_s,
            u"json"_s} << u"output=-; format=json"_s;
    QTest::newRow("a dash after an option is its value")
            << QStringList{u"cases.csv"_s, u"--title"_s, u"-oops"_s} << u"title=-oops; output="_s;
    QTest::newRow("-- ends the options")
            << QStringList{u"--lang"_s, u"en"_s, u"--"_s, u"--q"_s} << u"cases=--q; lang=en"_s;
    QTest::newRow("--format over the extension") << QStringList{u"cases.csv"_s, u"--format"_s,
            u"markdown"_s, u"-o"_s, u"r.txt"_s} << u"output=r.txt; format=md"_s;
    QTest::newRow("report language and title") << QStringList{u"cases.csv"_s, u"--lang=zh-CN"_s,
            u"--title"_s, u"  Weir 3  "_s} << u"lang=zh; title=Weir 3"_s;
    QTest::newRow("no title block given")
            << QStringList{u"cases.csv"_s} << u"project=; stage=; number="_s;
    QTest::newRow("the title block's entries") << QStringList{u"cases.csv"_s, u"--project"_s,
            u" 某水库溢洪道 "_s, u"--stage=初步设计"_s, u"-number"_s, u"JS-2026-07"_s}
                                               << u"project=某水库溢洪道; stage=初步设计; "
                                                  u"number=JS-2026-07"_s;
    QTest::newRow("markup and quotes are the name's own") << QStringList{u"w.toml"_s,
            u"--project"_s, u"<b>\"A\" \\</b>"_s} << u"project=<b>\"A\" \\</b>; stage="_s;
    QTest::newRow("--help") << QStringList{u"--help"_s} << u"help=yes; version=no"_s;
    QTest::newRow("-h") << QStringList{u"-h"_s} << u"help=yes"_s;
    QTest::newRow("--version") << QStringList{u"--version"_s} << u"version=yes; help=no"_s;
    QTest::newRow("help before any check of the rest") << QStringList{u"--help"_s, u"--lang"_s,
            u"fr"_s, u"--lang"_s, u"de"_s} << u"help=yes"_s;
}

void TestReportOptions::acceptedOptions()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, expected);
    QString error;
    const auto options = parseArguments(arguments, error);
    QVERIFY2(options, qPrintable(error));
    QCOMPARE(error, QString());
    const QMap<QString, QString> got = decided(*options);
    for (const QString &entry : expected.split(u"; "_s)) {
        const QString key = entry.section(u'=', 0, 0);
        QVERIFY2(got.contains(key), qPrintable(key));
        QCOMPARE(key + u'=' + got[key], entry);
    }
}

void TestReportOptions::refusedOptions_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("message");

    const QStringList file{u"cases.csv"_s};
    QTest::newRow("unknown option")
            << file + QStringList{u"--sigmaa"_s, u"1"_s} << u"unknown option '--sigmaa'"_s;
    // A leading minus is a value's sign, not an option: the value is read,
    // then refused as impossible, like an unreadable one.
    const QStringList oneCase{u"--q"_s, u"10"_s, u"--H"_s, u"3"_s, u"--a1"_s, u"5"_s, u"--v"_s,
            u"1"_s, u"--ht"_s, u"3"_s};
    QTest::newRow("a negative value is a value, and impossible") << QStringList{u"--q"_s, u"-10"_s,
            u"--H"_s, u"3"_s, u"--a1"_s, u"5"_s, u"--v"_s, u"-1"_s, u"--ht"_s,
            u"3"_s} << u"option --q: '-10' is impossible: the value must be ≥ 0"_s;
    QTest::newRow("phi above 1") << oneCase + QStringList{u"--phi"_s, u"1.2"_s}
                                 << u"option --phi: '1.2' is impossible: the value must be 0 ~ 1"_s;
    QTest::newRow("sigma below 1")
            << oneCase + QStringList{u"--sigma=0.5"_s}
            << u"option --sigma: '0.5' is impossible: the value must be ≥ 1"_s;
    QTest::newRow("a bidirectional control in the name")
            << oneCase + QStringList{u"--name"_s, u"a\u202Eb"_s}
            << u"option --name: contains a bidirectional control, which would reorder the "
               u"figures printed beside the name"_s;
    QTest::newRow("unknown single-dash option")
            << file + QStringList{u"-x"_s} << u"unknown option '-x'"_s;
    QTest::newRow("unknown option with a value")
            << file + QStringList{u"--bogus=1"_s} << u"unknown option '--bogus=1'"_s;
    QTest::newRow("--o is not -oFILE")
            << file + QStringList{u"--oreport.csv"_s} << u"unknown option '--oreport.csv'"_s;
    QTest::newRow("value missing at the end")
            << file + QStringList{u"--lang"_s} << u"option --lang needs a value"_s;
    QTest::newRow("-o missing its file")
            << file + QStringList{u"-o"_s} << u"option --o needs a value"_s;
    QTest::newRow("a flag given a value")
            << QStringList{u"--help=yes"_s} << u"option --help takes no value"_s;
    QTest::newRow("the same option twice")
            << file + QStringList{u"--lang"_s, u"en"_s, u"--lang"_s, u"en"_s}
            << u"option --lang is given more than once"_s;
    QTest::newRow("the output by both its names")
            << file + QStringList{u"-o"_s, u"a.csv"_s, u"--output"_s, u"b.csv"_s}
            << u"option --output is given more than once"_s;
    QTest::newRow("-oFILE and -o FILE") << file + QStringList{u"-oa.csv"_s, u"-o"_s, u"b.csv"_s}
                                        << u"option --output is given more than once"_s;
    QTest::newRow("a case's quantity twice")
            << workedCase + QStringList{u"--q=11"_s} << u"option --q is given more than once"_s;
    QTest::newRow("two case files")
            << QStringList{u"a.csv"_s, u"b.csv"_s} << u"one case file at most, given 2"_s;
    QTest::newRow("a case file and a case")
            << file + QStringList{u"--q"_s, u"10"_s}
            << u"give either a case file or one case by --q --H --a1 --v --ht, not both"_s;
    QTest::newRow("no cases")
            << QStringList{}
            << u"no cases: give a case file, or one case by --q --H --a1 --v --ht"_s;
    QTest::newRow("an incomplete case") << QStringList{
            u"--q"_s, u"10"_s} << u"one case needs --q, --H, --a1, --v and --ht; --H is missing"_s;
    QTest::newRow("a quantity that is not a number") << QStringList{u"--q"_s, u"10"_s, u"--H"_s,
            u"x"_s, u"--a1"_s, u"5"_s, u"--v"_s, u"1"_s, u"--ht"_s, u"3"_s}
                                                     << u"option --H: 'x' is not a number"_s;
    QTest::newRow("a name with a control character")
            << workedCase + QStringList{u"--name"_s, u"a\tb"_s}
            << u"option --name: contains a control character"_s;
    QTest::newRow("a blank name") << workedCase + QStringList{u"--name"_s, u"  "_s}
                                  << u"option --name: give 1 to 256 characters"_s;
    QTest::newRow("alpha zero") << file + QStringList{u"--alpha"_s, u"0"_s}
                                << u"option --alpha: must be greater than 0"_s;
    QTest::newRow("b-ratio negative") << file + QStringList{u"--b-ratio=-1"_s}
                                      << u"option --b-ratio: must be greater than 0"_s;
    QTest::newRow("phi-exit zero") << file + QStringList{u"--phi-exit"_s, u"0"_s}
                                   << u"option --phi-exit: must be greater than 0"_s;
    QTest::newRow("depth-step negative") << file + QStringList{u"--depth-step=-0.05"_s}
                                         << u"option --depth-step: must be greater than 0"_s;
    QTest::newRow("length-step zero") << file + QStringList{u"--length-step"_s, u"0"_s}
                                      << u"option --length-step: must be greater than 0"_s;
    QTest::newRow("k2 zero") << file + QStringList{u"--k2"_s, u"0"_s}
                             << u"option --k2: must be greater than 0"_s;
    QTest::newRow("slab-unit-weight not a number")
            << file + QStringList{u"--slab-unit-weight"_s, u"heavy"_s}
            << u"option --slab-unit-weight: 'heavy' is not a number"_s;
    QTest::newRow("ls negative") << file + QStringList{u"--ls"_s, u"-2"_s}
                                 << u"option --ls: must not be negative"_s;
    QTest::newRow("both --ks and --bed")
            << file + QStringList{u"--ks"_s, u"12"_s, u"--bed"_s, u"stiff-clay"_s}
            << u"give --ks or --bed, not both"_s;
    QTest::newRow("ks zero") << file + QStringList{u"--ks"_s, u"0"_s}
                             << u"option --ks: must be greater than 0"_s;
    QTest::newRow("unknown bed class")
            << file + QStringList{u"--bed"_s, u"gravel"_s}
            << u"option --bed: unknown bed class 'gravel' "
               "(one of fine-sand, coarse-sand, silty-clay, stiff-clay)"_s;
    QTest::newRow("unknown basin type")
            << file + QStringList{u"--basin"_s, u"stepped"_s}
            << u"option --basin: unknown basin type 'stepped' (sunk, sill, combined)"_s;
    QTest::newRow("sill coefficient zero") << file + QStringList{u"--sill-m"_s, u"0"_s}
                                           << u"option --sill-m: must be greater than 0"_s;
    QTest::newRow("allowable velocity negative")
            << file + QStringList{u"--allowable-velocity"_s, u"-0.5"_s}
            << u"option --allowable-velocity: must be greater than 0"_s;
    QTest::newRow("allowable velocity not a number")
            << file + QStringList{u"--allowable-velocity"_s, u"fast"_s}
            << u"option --allowable-velocity: 'fast' is not a number"_s;
    QTest::newRow("unknown format")
            << file + QStringList{u"--format"_s, u"pdf"_s}
            << u"option --format: unknown format 'pdf' (table, csv, json, md, html, xlsx, docx)"_s;
    QTest::newRow("unknown extension")
            << file + QStringList{u"-o"_s, u"r.pdf"_s}
            << u"cannot tell the format of 'r.pdf' from its extension "
               "(.csv, .json, .md, .html, .xlsx, .docx); give --format"_s;
    QTest::newRow("unknown language") << file + QStringList{u"--lang"_s, u"fr"_s}
                                      << u"option --lang: unknown language 'fr' (zh, en)"_s;
    QTest::newRow("title too long") << file + QStringList{u"--title"_s, QString(257, u'x')}
                                    << u"option --title: give at most 256 characters"_s;
    QTest::newRow("a blank project") << file + QStringList{u"--project"_s, u"   "_s}
                                     << u"option --project: give 1 to 256 characters"_s;
    QTest::newRow("an overlong stage") << file + QStringList{u"--stage"_s, QString(257, u'x')}
                                       << u"option --stage: give 1 to 256 characters"_s;
    QTest::newRow("a line break in the number")
            << file + QStringList{u"--number"_s, u"A\n1"_s}
            << u"option --number: contains a control character"_s;
    QTest::newRow("a bidirectional override in the project")
            << file + QStringList{u"--project"_s, u"weir\u202E 3"_s}
            << u"option --project: contains a bidirectional control, which would reorder the "
               u"words printed beside it"_s;
    QTest::newRow("the project twice") << file + QStringList{u"--project=a"_s, u"--project=b"_s}
                                       << u"option --project is given more than once"_s;
    QTest::newRow("a workbook to standard output")
            << file + QStringList{u"--format"_s, u"xlsx"_s}
            << u"a workbook is written to a file: give -o FILE.xlsx"_s;
    QTest::newRow("a workbook to -o -")
            << file + QStringList{u"--format"_s, u"xlsx"_s, u"-o"_s, u"-"_s}
            << u"a workbook is written to a file: give -o FILE.xlsx"_s;
}

void TestReportOptions::refusedOptions()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, message);
    QString error;
    const auto options = parseArguments(arguments, error);
    QVERIFY(!options);
    QCOMPARE(error, message);
}

// The program starts its painting platform only for a Word document, and
// decides so with the options read as they will be used, not by a word
// met anywhere on the command line.
void TestReportOptions::asksForWordDocument_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("asks");

    QTest::newRow("by extension") << QStringList{u"c.csv"_s, u"-o"_s, u"r.docx"_s} << true;
    QTest::newRow("extension in capitals") << QStringList{u"c.csv"_s, u"-o"_s, u"R.DOCX"_s} << true;
    QTest::newRow("glued output") << QStringList{u"c.csv"_s, u"-or.docx"_s} << true;
    QTest::newRow("by format") << QStringList{u"c.csv"_s, u"--format"_s, u"docx"_s} << true;
    QTest::newRow("format over extension")
            << QStringList{u"c.csv"_s, u"--format=docx"_s, u"-o"_s, u"r.bin"_s} << true;
    QTest::newRow("a title that says docx")
            << QStringList{u"c.csv"_s, u"--title"_s, u"docx"_s, u"-o"_s, u"r.html"_s} << false;
    QTest::newRow("a case file named .docx")
            << QStringList{u"old.docx"_s, u"-o"_s, u"r.json"_s} << false;
    QTest::newRow("another format") << QStringList{u"c.csv"_s, u"-o"_s, u"r.html"_s} << false;
    QTest::newRow("unknown option")
            << QStringList{u"c.csv"_s, u"--bogus"_s, u"-o"_s, u"r.docx"_s} << false;
    QTest::newRow("help") << QStringList{u"--help"_s, u"-o"_s, u"r.docx"_s} << false;
}

void TestReportOptions::asksForWordDocument()
{
    QFETCH(QStringList, arguments);
    QFETCH(bool, asks);
    QCOMPARE(varnolt::report::asksForWordDocument(arguments), asks);
}

// Every option the program reads is in its help.
void TestReportOptions::helpTextListsEveryOption()
{
    const QString help = helpText();
    QVERIFY(help.startsWith(u"Usage: varnolt-report [OPTION]... CASES.csv\n"_s));
    for (const char *option :
            {"--q Q", "--H H", "--a1 A1", "--v V", "--ht HT", "--phi", "--sigma", "--name",
                    "--alpha", "--b-ratio", "--beta", "--ls", "--k1", "--ks", "--bed", "--phi-exit",
                    "--depth-step", "--length-step", "--k2", "--slab-unit-weight", "-o, --output",
                    "--format", "--lang", "--title", "--help", "--version", "--basin", "--sill-m",
                    "--allowable-velocity", "--project NAME", "--stage STAGE", "--number NUMBER"})
        QVERIFY2(help.contains(QLatin1String(option)), option);
    QVERIFY(help.contains(u"  coarse-sand  Ks = 12  [v0] = 0.5 m/s  (中砂、粗砂)\n"_s));
    QVERIFY(help.contains(u"discharge coefficient of the sill (default 0.42)"_s));
    QVERIFY(!help.contains(u"%1"_s));
}

void TestReportOptions::reportDate_data()
{
    QTest::addColumn<QString>("epoch");
    QTest::addColumn<QDate>("date"); // invalid where refused

    const QDate today(2025, 3, 14);
    QTest::newRow("unset: today") << QString() << today;
    QTest::newRow("the first second") << u"0"_s << QDate(1970, 1, 1);
    QTest::newRow("noon, 7 December 2026") << u"1796644800"_s << QDate(2026, 12, 7);
    QTest::newRow("the last second of 9999") << u"253402300799"_s << QDate(9999, 12, 31);
    QTest::newRow("year 10000") << u"253402300800"_s << QDate();
    QTest::newRow("beyond any date") << u"99999999999999999"_s << QDate();
    QTest::newRow("beyond 64 bits") << u"99999999999999999999999"_s << QDate();
    QTest::newRow("negative") << u"-1"_s << QDate();
    QTest::newRow("not a number") << u"yesterday"_s << QDate();
    QTest::newRow("a fraction") << u"1796644800.5"_s << QDate();
}

void TestReportOptions::reportDate()
{
    QFETCH(QString, epoch);
    QFETCH(QDate, date);
    QString error;
    const auto got = report::reportDate(epoch, QDate(2025, 3, 14), error);
    if (date.isValid()) {
        QCOMPARE(got, std::optional(date));
        QCOMPARE(error, QString());
    } else {
        QVERIFY(!got);
        QCOMPARE(error,
                u"SOURCE_DATE_EPOCH: '%1' is not a number of seconds since 1970 from 0 to "
                "253402300799"_s.arg(epoch));
    }
}

QTEST_GUILESS_MAIN(TestReportOptions)
#include "tst_report_options.moc"
