#include "spread_run.h"

#include "errors.h"

#include <QEventLoop>
#include <QThread>
#include <algorithm>

namespace takton::simulation {
namespace {

void checkSettings(const SpreadSettings& s)
{
    const auto within = [](double value, double low, double high) { return value >= low && value <= high; };
    if (s.runs < 1)
        throw Exception(u"Разброс параметров: число прогонов должно быть не меньше 1"_qs);
    // A tolerance of 100 % or more would make a part zero or turn a supply round.
    if (!within(s.capacitorTolerance, 0, 0.5) || !within(s.supplyTolerance, 0, 0.5))
        throw Exception(u"Разброс параметров: допуск конденсаторов и источников — от 0 до 50 %"_qs);
    if (!within(s.betaMultiple, 1, 10))
        throw Exception(u"Разброс параметров: β — от введённого минимума до кратности от 1 до 10"_qs);
}

} // namespace

int SpreadRun::defaultParallel()
{
    return std::max(1, QThread::idealThreadCount());
}

SpreadRun::SpreadRun(const Design& design, const SpreadSettings& settings, int parallel,
                     std::chrono::milliseconds timeLimit)
    : nominal(design), parallel(std::max(1, parallel)), timeLimit(timeLimit),
      started(std::chrono::steady_clock::now())
{
    checkSettings(settings);
    checkedNetlist(design, 1); // a value the simulator cannot take stops here, before any run
    drawn = drawSamples(design, settings);
    results.resize(drawn.size());
    startMore();
}

SpreadRun::~SpreadRun() = default; // each check's worker is killed with it

void SpreadRun::startMore()
{
    while (!cancelled && next < drawn.size() && int(going.size()) < parallel) {
        const std::size_t k = next++;
        try {
            auto check = std::make_unique<CheckRun>(sampledDesign(nominal, drawn[k]), 1.0, timeLimit);
            CheckRun* raw = check.get();
            connect(raw, &CheckRun::progressed, this, [this, raw](int percent) {
                for (Going& g : going)
                    if (g.check.get() == raw)
                        g.percent = percent;
                emit progressed();
            });
            // Queued: the check is deleted once it has finished emitting.
            connect(raw, &CheckRun::ended, this, [this, raw] { checkEnded(raw); }, Qt::QueuedConnection);
            going.push_back({k, std::move(check)});
        } catch (const Exception& e) {
            // A worker that cannot start is this sample's failure, counted like any other.
            results[k] = {.outcome = Outcome::Failed, .reason = e.message()};
            ++done;
        }
    }
    finishIfDone();
}

void SpreadRun::checkEnded(CheckRun* check)
{
    const auto found = std::find_if(going.begin(), going.end(), [check](const Going& g) { return g.check.get() == check; });
    if (found == going.end())
        return;
    SampleOutcome& outcome = results[found->sample];
    if (check->wasCancelled()) {
        outcome = {}; // not run: its check was stopped before it had a result
    } else if (!check->failure().isEmpty()) {
        outcome = {.outcome = Outcome::Failed, .reason = check->failure()};
        ++done;
    } else {
        const CheckResult r = check->result();
        outcome.measurement = r.measurement;
        if (!r.convergence.converged)
            outcome = {.outcome = Outcome::NotConverged, .measurement = r.measurement, .reason = r.convergence.reason};
        else
            outcome.outcome = worksAsIntended(r.measurement.verdict) ? Outcome::Works : Outcome::DoesNotWork;
        ++done;
    }
    going.erase(found);
    emit progressed();
    startMore();
}

void SpreadRun::finishIfDone()
{
    if (over || !going.empty() || (!cancelled && next < drawn.size()))
        return;
    over = true;
    emit progressed();
    emit ended();
}

void SpreadRun::cancel()
{
    if (over)
        return;
    cancelled = true;
    for (Going& g : going)
        g.check->cancel();
    finishIfDone();
}

void SpreadRun::wait()
{
    if (over)
        return;
    QEventLoop loop;
    connect(this, &SpreadRun::ended, &loop, &QEventLoop::quit);
    loop.exec();
}

int SpreadRun::progress() const
{
    if (drawn.empty())
        return 100;
    double parts = done;
    for (const Going& g : going)
        parts += g.percent / 100.0;
    return int(100 * parts / double(drawn.size()));
}

std::chrono::milliseconds SpreadRun::elapsed() const
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - started);
}

std::optional<std::chrono::seconds> SpreadRun::timeLeft() const
{
    if (over)
        return std::chrono::seconds(0);
    const double share = progress() / 100.0;
    if (done == 0 || share <= 0)
        return std::nullopt;
    const double seconds = std::chrono::duration<double>(elapsed()).count() * (1 - share) / share;
    return std::chrono::seconds(qRound64(seconds));
}

std::vector<qint64> SpreadRun::workerIds() const
{
    std::vector<qint64> ids;
    for (const Going& g : going)
        if (const SimulatorRun* run = g.check->currentRun(); run && run->workerId() > 0)
            ids.push_back(run->workerId());
    return ids;
}

QString outcomeText(const SampleOutcome& o)
{
    switch (o.outcome) {
    case Outcome::NotRun:
        return u"не моделировалась (отменено)"_qs;
    case Outcome::Works:
        return u"работает"_qs;
    case Outcome::DoesNotWork:
        return verdictText(o.measurement.verdict);
    case Outcome::NotConverged:
        return u"результат не сошёлся: "_qs + o.reason;
    case Outcome::Failed:
        return u"моделирование не удалось: "_qs + o.reason.section(u'\n', 0, 0);
    }
    return {};
}

} // namespace takton::simulation
