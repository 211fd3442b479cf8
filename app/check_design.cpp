#include "check_design.h"

#include "check.h"
#include "check_spread.h"
#include "error_reporting.h"
#include "forms.h"
#include "saved_values.h"
#include "table_window.h"
#include "user_files.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cmath>
#include <cstdio>

namespace takton {
namespace {

using namespace simulation;

void print(std::FILE* stream, const QString& text)
{
    std::fputs(text.toUtf8().constData(), stream);
}

// The calculator a values file was saved from. A file that names none (damaged, or not
// a values file) goes to the first, whose load refuses it with the message "Загрузить
// значения" gives.
const RegisteredWindow& calculatorNamed(const QString& form)
{
    const RegisteredWindow* first = nullptr;
    for (const RegisteredWindow& row : registeredWindows()) {
        if (row.menuButton.empty() || !row.circuit)
            continue;
        if (QLatin1String(row.form.data(), qsizetype(row.form.size())) == form)
            return row;
        if (!first)
            first = &row;
    }
    return *first;
}

QJsonValue number(double value)
{
    return std::isfinite(value) ? QJsonValue(value) : QJsonValue();
}

QString asText(const Measurement& m, const std::vector<Figure>& figures, const CheckResult& r, const Design& d)
{
    QStringList lines{verdictText(m.verdict)};
    if (const QStringList missed = missedTargets(figures); !missed.isEmpty())
        lines << QStringLiteral("Расчётные значения не выдержаны (более чем на %1 %): ").arg(qRound(targetTolerance * 100))
                     + missed.join(u", "_qs);
    lines << convergenceText(r.convergence);
    for (const Figure& f : figures)
        lines << (f.text.isEmpty() ? QStringLiteral("%1: %2 %3 (расчёт %4, отклонение %5)")
                                         .arg(f.name, reading(f.measured), f.unit,
                                              f.target > 0 ? reading(f.target) + u' ' + f.unit : u"—"_qs,
                                              deviationText(f))
                                   : f.name + u": "_qs + f.text);
    if (!m.ratingBreaches.isEmpty())
        lines << u"Транзистор выходит за допустимые режимы:"_qs << m.ratingBreaches;
    if (!m.triggerBreaches.isEmpty())
        lines << triggerBreachesHeading.toString() << m.triggerBreaches;
    if (!d.notes.isEmpty())
        lines << u"Примечания:"_qs << d.notes;
    return lines.join(u'\n') + u'\n';
}

QString asJson(const Measurement& m, const std::vector<Figure>& figures, const CheckResult& r, const Design& d,
               bool intended)
{
    QJsonArray rows;
    for (const Figure& f : figures) {
        QJsonObject row{{u"name"_qs, f.name}};
        if (f.text.isEmpty())
            row = QJsonObject{{u"name"_qs, f.name}, {u"measured"_qs, number(f.measured)},
                              {u"target"_qs, f.target > 0 ? QJsonValue(f.target) : QJsonValue()},
                              {u"unit"_qs, f.unit}, {u"deviation"_qs, deviationText(f)}};
        else
            row.insert(u"text"_qs, f.text);
        rows.append(row);
    }
    const QJsonObject result{
        {u"verdict"_qs, verdictText(m.verdict)},
        {u"intended"_qs, intended},
        {u"missedTargets"_qs, QJsonArray::fromStringList(missedTargets(figures))},
        {u"converged"_qs, r.convergence.converged},
        {u"convergence"_qs, convergenceText(r.convergence)},
        {u"convergedStep"_qs, r.convergence.converged ? QJsonValue(r.convergence.step) : QJsonValue()},
        {u"pulses"_qs, m.pulses},
        {u"triggers"_qs, m.triggers},
        {u"figures"_qs, rows},
        {u"ratingBreaches"_qs, QJsonArray::fromStringList(m.ratingBreaches)},
        {u"triggerBreaches"_qs, QJsonArray::fromStringList(m.triggerBreaches)},
        {u"notes"_qs, QJsonArray::fromStringList(d.notes)},
    };
    return QString::fromUtf8(QJsonDocument(result).toJson());
}

int checkOnce(const CheckRequest& request)
{
    const QByteArray json = readValuesFile(request.valuesFile);
    const RegisteredWindow* row = &calculatorNamed(formNamedIn(json));
    row->create();
    TableWindow& window = *row->window();
    loadValues(window, json, shownName(request.valuesFile));
    // Presses every step in order first: a step that fails ends the check here.
    const Design design = row->circuit(window);
    if (request.spread) {
        const int status = checkSpread(design, request);
        row->destroy();
        return status;
    }
    const CheckResult result = check(design, request.betaScale, RunControl{});
    const Measurement& m = result.measurement;
    const bool intended = worksAsIntended(m.verdict) && result.convergence.converged;
    const std::vector<Figure> figures = figuresOf(design, m);
    // The design as run: its notes say how the trigger amplitude was chosen.
    const Design& run = result.design;
    print(stdout, request.json ? asJson(m, figures, result, run, intended) : asText(m, figures, result, run));
    row->destroy();
    return intended ? 0 : 1;
}

} // namespace

// The top-level handler of this mode: a failure is told on stderr, status 2.
int checkDesign(const CheckRequest& request)
{
    try {
        return checkOnce(request);
    } catch (...) {
        print(stderr, u"takton: "_qs + withClosingFullStop(messageOf(std::current_exception())) + u'\n');
        return 2;
    }
}

} // namespace takton
