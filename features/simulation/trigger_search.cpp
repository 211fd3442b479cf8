#include "trigger_search.h"

#include "numeric_text.h"

#include <cmath>

namespace takton::simulation {
namespace {

double sumOfSupplies(const Circuit& circuit)
{
    double sum = 0;
    for (const Supply& s : circuit.supplies)
        sum += std::abs(s.volts);
    return sum;
}

QString volts(double v)
{
    return reading(v, 3) + u" В"_qs;
}

} // namespace

AmplitudeSearch::AmplitudeSearch(const Circuit& circuit) : circuit(circuit), top(sumOfSupplies(circuit)) {}

bool AmplitudeSearch::done() const
{
    if (stopped || restless || (triedTop && !firing))
        return true;
    return bracketed() || (firing && *firing <= searchFloor * top);
}

bool AmplitudeSearch::bracketed() const
{
    return firing && notFiring > 0 && *firing - notFiring <= searchResolution * *firing;
}

// The ceiling first: a circuit it does not fire needs no more runs.
double AmplitudeSearch::next() const
{
    return triedTop ? (notFiring + *firing) / 2 : top;
}

Circuit AmplitudeSearch::probe() const
{
    Circuit c = circuit;
    Trigger& t = *c.trigger;
    t.amplitude = next();
    t.count = 1;
    c.stopTime = t.delay + 2 * t.width;
    return c;
}

void AmplitudeSearch::record(const Waveforms& w)
{
    const Circuit tried = probe();
    const double amplitude = tried.trigger->amplitude;
    triedTop = true;
    switch (triggerResponse(w, tried)) {
    case TriggerResponse::SwitchesByItself:
        restless = true;
        break;
    case TriggerResponse::Fires:
        firing = amplitude;
        break;
    case TriggerResponse::DoesNotFire:
        notFiring = amplitude;
        break;
    }
}

void AmplitudeSearch::stop()
{
    stopped = true;
}

double AmplitudeSearch::applied() const
{
    if (restless || (!firing && !triedTop))
        return circuit.trigger->amplitude; // the window's default
    // The least amplitude as the note shows it (three digits) times the margin: the note's
    // product is then exactly what is applied.
    return firing ? triggerMargin * QString::number(*firing, 'g', 3).toDouble() : top;
}

QString AmplitudeSearch::note() const
{
    if (restless)
        return u"Запуск: схема переключается и без запускающего импульса, наименьшая срабатывающая амплитуда "
               "не ищется; подана амплитуда по умолчанию "_qs
               + volts(applied());
    if (!triedTop)
        return u"Запуск: наименьшая срабатывающая амплитуда не найдена (не хватило времени); подана амплитуда по "
               "умолчанию "_qs
               + volts(applied());
    if (!firing)
        return u"Запуск: запускающий импульс не переключает схему ни при какой амплитуде до суммы напряжений "
               "питания, "_qs
               + volts(top) + u"; подана "_qs + volts(top);
    const QString found = bracketed() ? u"наименьшая срабатывающая амплитуда "_qs
                                      : u"наименьшая срабатывающая амплитуда не более "_qs;
    return u"Запуск: "_qs + found + volts(*firing) + u", подана "_qs + reading(*firing, 3) + u"×"_qs
           + FloatToStr(triggerMargin) + u" = "_qs + reading(applied(), 5) + u" В"_qs
           + (stopped ? u" (поиск остановлен: не хватило времени)"_qs : QString());
}

QString chosenAmplitudeNote(double amplitude)
{
    return u"Запуск: амплитуда "_qs + volts(amplitude)
           + u" задана в окне проверки и подана как есть; наименьшая срабатывающая не искалась"_qs;
}

} // namespace takton::simulation
