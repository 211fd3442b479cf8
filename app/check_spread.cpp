#include "check_spread.h"

#include "analysis.h"
#include "spread_results.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cmath>
#include <cstdio>

namespace takton {
namespace {

using namespace simulation;

QJsonValue number(double value)
{
    return std::isfinite(value) ? QJsonValue(value) : QJsonValue();
}

QJsonValue end(const SpreadRun& run, const std::optional<std::size_t>& k, double figure)
{
    if (!k)
        return {};
    const Sample& sample = run.samples()[*k];
    return QJsonObject{{u"sample"_qs, sample.index},
                       {u"figure"_qs, figure},
                       {u"values"_qs, QJsonArray::fromStringList(sampleValues(run.design(), sample))}};
}

QString asJson(const SpreadRun& run, const SpreadSummary& s, const CheckRequest& request)
{
    QJsonArray sensitivity;
    for (const Sensitivity& p : s.sensitivity)
        sensitivity.append(QJsonObject{{u"parameter"_qs, p.parameter}, {u"correlation"_qs, p.correlation}});
    QJsonArray counts;
    for (const int c : s.histogram.counts)
        counts.append(c);
    const QJsonObject result{
        {u"runs"_qs, s.total},
        {u"seed"_qs, QString::number(request.seed)},
        {u"works"_qs, s.works},
        {u"doesNotWork"_qs, s.doesNotWork},
        {u"notConverged"_qs, s.notConverged},
        {u"failed"_qs, s.failed},
        {u"notRun"_qs, s.notRun},
        {u"withinTarget"_qs, s.withinTarget},
        {u"figure"_qs, figureName(run.design())},
        {u"target"_qs, s.histogram.target > 0 ? QJsonValue(s.histogram.target) : QJsonValue()},
        {u"least"_qs, number(s.least)},
        {u"most"_qs, number(s.most)},
        {u"histogram"_qs, QJsonObject{{u"low"_qs, s.histogram.low}, {u"high"_qs, s.histogram.high}, {u"counts"_qs, counts}}},
        {u"shortest"_qs, end(run, s.shortest, s.least)},
        {u"longest"_qs, end(run, s.longest, s.most)},
        {u"sensitivity"_qs, sensitivity},
        {u"failures"_qs, QJsonArray::fromStringList(s.failures)},
        {u"seconds"_qs, std::chrono::duration<double>(run.elapsed()).count()},
    };
    return QString::fromUtf8(QJsonDocument(result).toJson());
}

QString asText(const SpreadRun& run, const SpreadSummary& s, const CheckRequest& request)
{
    QStringList lines{QStringLiteral("Разброс параметров: %1 прогонов, начальное число %2, %3 с")
                          .arg(s.total)
                          .arg(request.seed)
                          .arg(fixedReading(std::chrono::duration<double>(run.elapsed()).count(), 1))};
    lines << summaryLines(run.design(), s);
    const auto end = [&](const QString& name, const std::optional<std::size_t>& k, double figure) {
        if (k)
            lines << QStringLiteral("%1: выборка %2, %3 мкс — %4")
                         .arg(name)
                         .arg(run.samples()[*k].index)
                         .arg(reading(figure * 1e6), sampleValues(run.design(), run.samples()[*k]).join(u", "_qs));
    };
    end(u"Самый короткий"_qs, s.shortest, s.least);
    end(u"Самый длинный"_qs, s.longest, s.most);
    if (!s.failures.isEmpty())
        lines << u"Не работают как задумано:"_qs << s.failures;
    return lines.join(u'\n') + u'\n';
}

} // namespace

int checkSpread(const Design& design, const CheckRequest& request)
{
    SpreadSettings settings;
    settings.runs = request.runs;
    settings.seed = request.seed;
    SpreadRun run(design, settings);
    run.wait();
    const SpreadSummary summary = summarize(run.design(), run.samples(), run.outcomes());
    const QString text = request.json ? asJson(run, summary, request) : asText(run, summary, request);
    std::fputs(text.toUtf8().constData(), stdout);
    return summary.works == summary.total ? 0 : 1;
}

} // namespace takton
