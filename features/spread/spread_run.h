#pragma once
// The checks of a design's samples (see spread_sampling.h), as many at once as the
// machine has cores: each is the check the result window runs (refined until its result
// converges), in a worker process of its own. Everything is driven by the event loop of
// the thread that made the run, which therefore stays responsive. Every sample ends in
// an outcome: a check that crashes, exceeds its time limit or does not converge is
// counted as such, and a cancel leaves the samples not run counted as not run.

#include "check.h"
#include "spread_sampling.h"

#include <QObject>
#include <chrono>
#include <memory>
#include <optional>
#include <vector>

namespace takton::simulation {

enum class Outcome {
    NotRun,       // cancelled before its turn
    Works,        // does what the design intends, and the result converged
    DoesNotWork,  // converged, but does not oscillate (or fire once per trigger)
    NotConverged, // the result changed with a finer step until the time ran out
    Failed,       // the simulator stopped, crashed, did not converge or exceeded the time limit
};

struct SampleOutcome {
    Outcome outcome = Outcome::NotRun;
    Measurement measurement = {}; // of the finest run, unless Failed or NotRun
    QString reason = {};          // Failed: the check's failure; NotConverged: why
};

class SpreadRun : public QObject {
    Q_OBJECT
public:
    // Draws the samples and starts the first checks. Throws takton::Exception, before
    // anything runs, when the design has a value the simulator cannot take.
    SpreadRun(const Design& design, const SpreadSettings& settings, int parallel = defaultParallel(),
              std::chrono::milliseconds timeLimit = runTimeLimit);
    ~SpreadRun() override;

    // One check per core.
    static int defaultParallel();

    // Every check going is cancelled (its worker killed); the samples not started stay
    // NotRun.
    void cancel();
    // Runs the calling thread's events until the run is over.
    void wait();

    bool isOver() const { return over; }
    bool wasCancelled() const { return cancelled; }
    int finished() const { return done; }
    int total() const { return int(drawn.size()); }
    // 0...100, the checks going counted by their own progress.
    int progress() const;
    // From the pace so far; nothing until the first check has ended.
    std::optional<std::chrono::seconds> timeLeft() const;
    std::chrono::milliseconds elapsed() const;

    const Design& design() const { return nominal; }
    const std::vector<Sample>& samples() const { return drawn; }
    const std::vector<SampleOutcome>& outcomes() const { return results; }
    // The worker processes going now, to watch them from outside.
    std::vector<qint64> workerIds() const;

signals:
    void progressed();
    void ended();

private:
    struct Going {
        std::size_t sample;
        std::unique_ptr<CheckRun> check;
        int percent = 0;
    };

    void startMore();
    void checkEnded(CheckRun* check);
    void finishIfDone();

    Design nominal;
    std::vector<Sample> drawn;
    std::vector<SampleOutcome> results;
    int parallel;
    std::chrono::milliseconds timeLimit;
    std::chrono::steady_clock::time_point started;
    std::size_t next = 0; // the next sample to start
    int done = 0;
    std::vector<Going> going;
    bool over = false, cancelled = false;
};

// What one sample's check gave, as the result names it: "работает", the verdict, or why
// the check failed.
QString outcomeText(const SampleOutcome& outcome);

} // namespace takton::simulation
