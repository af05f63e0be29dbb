// Writes the calculation reports the browser test renders: a weir's five
// discharges, the largest weir and discharge met in practice, a case that
// stops, a jump the tailwater holds, a long name and a malicious one; in
// Chinese and English, as HTML and Markdown, with what the printed pages
// must show listed in expected.json, the project's title block among it.
#include "design/design.h"
#include "design_cases.h"
#include "writers/error_words.h"
#include "writers/html_report.h"
#include "writers/markdown_report.h"
#include "writers/report_numbers.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstdio>

using namespace varnolt::design;
using namespace varnolt::writers;
using namespace Qt::StringLiterals;

namespace {

bool save(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: write_test_report DIRECTORY\n");
        return 2;
    }
    const QDir dir(QString::fromLocal8Bit(argv[1]));

    QString longName;
    for (int i = 0; i < 12; ++i)
        longName += u"溢流坝第%1孔校核洪水工况"_s.arg(i + 1);
    const std::vector<CaseInputs> cases{
            designCase(u"P=20% 常遇洪水"_s, 4, 1.6, 5, 0.5, 2.2),
            designCase(u"P=5%"_s, 8, 2.5, 5, 0.8, 2.6),
            designCase(u"P=2% 设计洪水"_s, 12, 3.3, 5, 1.0, 3.1),
            designCase(u"P=1%"_s, 16, 4.0, 5, 1.2, 4.4),
            designCase(u"P=0.1% 校核洪水"_s, 22, 5.0, 5, 1.5, 7.5),
            designCase(u"<script>alert(1)</script>"_s, 10, 3, 5, 1, 3),
            designCase(u"高坝 q=100 a1=100"_s, 100, 12, 100, 2, 14),
            designCase(u"tailwater holds it"_s, 10, 3, 5, 1, 6),
            designCase(u"no discharge"_s, 0, 3, 5, 1, 3),
            designCase(longName, 30, 6, 40, 1.5, 8),
    };
    DesignOptions options;
    options.ks = 12;
    const DesignResult design = evaluateDesign(cases, options);

    ReportSettings zh;
    zh.date = QDate(2026, 12, 7);
    // A project's name with quotes, a backslash and markup, which the page
    // header's CSS string must carry as text.
    zh.project = {u"某水库溢洪道 \"甲\" \\ <b>"_s, u"初步设计"_s, u"JS-2026-07"_s};
    ReportSettings en = zh;
    en.language = ReportLanguage::English;

    QJsonArray expected;
    for (std::size_t i = 0; i < design.cases.size(); ++i) {
        const CaseResult &r = design.cases[i];
        // Depths to the millimetre, lengths to the centimetre, as printed.
        const auto mm = [](double v) { return QString::number(v, 'f', 3); };
        const auto cm = [](double v) { return QString::number(v, 'f', 2); };
        QJsonArray figures;
        if (r.check)
            figures << mm(r.check->hco2);
        if (r.basin)
            figures << mm(r.basin->d) << cm(r.basin->lengthMin) << cm(r.basin->lengthMax);
        expected.append(QJsonObject{{u"name"_s, caseTitle(r, i, ReportLanguage::Chinese)},
                {u"figures"_s, figures},
                {u"error"_s,
                        r.error ? errorWords(r.error->error, ReportLanguage::Chinese) : QString()},
                {u"error_en"_s,
                        r.error ? errorWords(r.error->error, ReportLanguage::English)
                                : QString()}});
    }
    QJsonObject governing;
    if (design.governingDepth)
        governing[u"depth"_s]
                = given(design.cases[*design.governingDepth].basin->adoptedDepth.adopted);
    if (design.governingLength)
        governing[u"length"_s]
                = given(design.cases[*design.governingLength].basin->adoptedLength.adopted);

    const bool ok = save(dir.filePath(u"report-zh.html"_s), htmlReport(design, zh))
            && save(dir.filePath(u"report-en.html"_s), htmlReport(design, en))
            && save(dir.filePath(u"report-zh.md"_s), markdownReport(design, zh))
            && save(dir.filePath(u"expected.json"_s),
                    QJsonDocument(QJsonObject{{u"cases"_s, expected}, {u"governing"_s, governing},
                                          {u"project"_s,
                                                  QJsonObject{{u"name"_s, zh.project.name},
                                                          {u"stage"_s, zh.project.stage},
                                                          {u"number"_s, zh.project.number}}}})
                            .toJson());
    return ok ? 0 : 1;
}
