#pragma once
// The least trigger amplitude that fires a monostable, found by bisection over short
// runs with one trigger pulse each, and the amplitude the check then applies: that
// least one with a margin. A test pulse stronger than needed drives the bases further
// than any real source of trigger pulses would, and may pass for a circuit that works.
// The runs themselves are the caller's (CheckRun runs each in the worker process); this
// only decides what to try next and what was found.

#include "analysis.h"

#include <optional>

namespace takton::simulation {

// The least amplitude that fires is applied times this.
inline constexpr double triggerMargin = 1.5;

// The bisection stops once the least amplitude that fires and the greatest that does
// not are this close (relative to the former): then a tenth less surely does not fire.
inline constexpr double searchResolution = 0.03;

// A circuit that fires even at this fraction of the ceiling is not searched further:
// it would fire at any amplitude at all.
inline constexpr double searchFloor = 1e-5;

class AmplitudeSearch {
public:
    // For `circuit`, a monostable with its trigger; tries up to the sum of its supplies.
    explicit AmplitudeSearch(const Circuit& circuit);

    // True once nothing more is to be tried.
    bool done() const;
    // The short run that tries the next amplitude: the circuit's wait for rest, then
    // one pulse, watched for twice its width.
    Circuit probe() const;
    // What the run of `probe()` showed.
    void record(const Waveforms& w);
    // Stops the search with what it has (the time for it ran out).
    void stop();

    // The least amplitude found to fire; nothing when none up to the ceiling does or
    // the search could not be made.
    std::optional<double> least() const { return firing; }
    double ceiling() const { return top; }
    // The amplitude the check applies: the least that fires (to the three digits the note
    // shows) times the margin; the ceiling when nothing fires; the window's default when
    // the circuit switches by itself.
    double applied() const;
    // The sentence the result gives about the trigger, numbers with the user's separator.
    QString note() const;

private:
    double next() const;
    // The least amplitude that fires and the greatest that does not are both known and close.
    bool bracketed() const;

    Circuit circuit;
    double top;
    double notFiring = 0;          // the greatest amplitude known not to fire
    std::optional<double> firing;  // the least known to fire
    bool restless = false, stopped = false, triedTop = false;
};

// The sentence for a trigger amplitude the user set in the result window: no search.
QString chosenAmplitudeNote(double amplitude);

} // namespace takton::simulation
