#include "engine.h"

#include "errors.h"
#include "worker_protocol.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcessEnvironment>
#include <QTimer>
#include <algorithm>
#include <cstring>
#include <signal.h>
#include <sys/prctl.h>
#include <unistd.h>

namespace takton::simulation {
namespace {

namespace record = worker;

QString& chosenProgram()
{
    static QString path;
    return path;
}

QString simulatorProgram()
{
    if (!chosenProgram().isEmpty())
        return chosenProgram();
    const QString name = QString::fromLatin1(worker::programName);
    const QString here = QCoreApplication::applicationDirPath();
    const QStringList candidates{here + u'/' + name,
                                 QFileInfo(here + u"/" TAKTON_SIMULATOR_FROM_PROGRAM "/"_qs + name).absoluteFilePath()};
    for (const QString& candidate : candidates)
        if (QFileInfo(candidate).isExecutable())
            return candidate;
    throw Exception(QStringLiteral("Моделирование недоступно: не найдена программа %1 (искали %2)")
                        .arg(name, candidates.join(u" и "_qs)));
}

// The last lines are enough to tell what the simulator was doing when it stopped.
constexpr qsizetype keptLines = 12;

void keepLast(QStringList& lines, const QString& line)
{
    lines << line;
    if (lines.size() > keptLines)
        lines.removeFirst();
}

} // namespace

void setSimulatorProgram(const QString& path)
{
    chosenProgram() = path;
}

SimulatorRun::SimulatorRun(const QString& netlist, double stopTime, const Emitters& emitters,
                           std::chrono::milliseconds timeLimit)
    : folder(QDir::tempPath() + u"/takton-simulation-XXXXXX"_qs), stopTime(stopTime), emitters(emitters),
      timeLimit(timeLimit), started(std::chrono::steady_clock::now())
{
    const QString program = simulatorProgram();
    if (!folder.isValid())
        throw Exception(u"Моделирование не запущено: не удалось создать временную папку: "_qs + folder.errorString());
    // The worker starts in its own empty folder, which is also its home: nothing of the
    // folder the program was started in, or of the user's home, is in its reach.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"HOME"_qs, folder.path());
    environment.insert(u"XDG_CONFIG_HOME"_qs, folder.path());
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(folder.path());
    // A worker ends with the program, however the program ends.
    const pid_t programId = getpid();
    process.setChildProcessModifier([programId] {
        prctl(PR_SET_PDEATHSIG, SIGKILL);
        if (getppid() != programId)
            _exit(127);
    });
    connect(&process, &QProcess::readyReadStandardOutput, this, &SimulatorRun::readOutput);
    connect(&process, &QProcess::readyReadStandardError, this, &SimulatorRun::readWorkerErrors);
    connect(&process, &QProcess::finished, this, &SimulatorRun::workerExited);
    process.start(program, {});
    if (!process.waitForStarted())
        throw Exception(QStringLiteral("Моделирование недоступно: программа %1 не запускается: %2")
                            .arg(program, process.errorString()));
    process.write(netlist.toLatin1());
    process.closeWriteChannel();
    QTimer::singleShot(timeLimit, this, &SimulatorRun::overTime);
}

SimulatorRun::~SimulatorRun()
{
    disconnect(&process, nullptr, this, nullptr);
    if (process.state() != QProcess::NotRunning) {
        process.kill();
        process.waitForFinished(1000);
    }
}

void SimulatorRun::cancel()
{
    if (state != State::Running)
        return;
    failureText = u"Моделирование отменено"_qs;
    end(State::Cancelled);
}

void SimulatorRun::wait(const std::atomic<bool>* cancelled, std::atomic<int>* progress)
{
    while (state == State::Running) {
        if (process.state() == QProcess::NotRunning) {
            workerExited(process.exitCode(), process.exitStatus());
            break;
        }
        process.waitForReadyRead(10);
        if (progress)
            *progress = percent;
        if (cancelled && *cancelled)
            cancel();
        else if (std::chrono::steady_clock::now() - started > timeLimit)
            overTime();
    }
}

// A run whose vectors are all in was only waiting for the simulator's reasons: it fails
// with those it has.
void SimulatorRun::overTime()
{
    if (state != State::Running)
        return;
    if (vectorsComplete) {
        linesComplete = true;
        decide();
        return;
    }
    fail(QStringLiteral("Моделирование не уложилось в %1 с: схема не сходится или слишком медленна")
             .arg(timeLimit.count() / 1000.0)
         + messages());
}

Waveforms SimulatorRun::waveforms() const
{
    if (state != State::Succeeded)
        throw Exception(state == State::Running ? u"Моделирование ещё идёт"_qs : failureText);
    return result;
}

void SimulatorRun::readOutput()
{
    pending += process.readAllStandardOutput();
    while (state == State::Running && readRecord()) {
    }
}

// One record of worker_protocol.h from the front of `pending`; false when it is not
// all there yet.
bool SimulatorRun::readRecord()
{
    const qsizetype newline = pending.indexOf('\n');
    if (newline < 0)
        return false;
    const QByteArray line = pending.left(newline);
    const qsizetype space = line.indexOf(' ');
    const QByteArray name = space < 0 ? line : line.left(space);
    const QByteArray rest = space < 0 ? QByteArray() : line.mid(space + 1);
    if (name == record::vectorRecord) {
        const qsizetype nameStart = rest.indexOf(' ');
        const qsizetype length = rest.left(nameStart).toLongLong();
        const qsizetype bytes = length * qsizetype(sizeof(double));
        if (pending.size() < newline + 1 + bytes)
            return false;
        std::vector<double> values(std::size_t(std::max<qsizetype>(length, 0)));
        std::memcpy(values.data(), pending.constData() + newline + 1, std::size_t(bytes));
        vectors[rest.mid(nameStart + 1)] = std::move(values);
        pending.remove(0, newline + 1 + bytes);
        return true;
    }
    pending.remove(0, newline + 1);
    if (name == record::progressRecord) {
        percent = rest.toInt();
        emit progressed(percent);
    } else if (name == record::textRecord) {
        // "stdout ..." or "stderr ...", as the library prints; its banner lines ("** ...")
        // say nothing about the run.
        const QString text = QString::fromLocal8Bit(rest).trimmed();
        const QString said = text.section(u' ', 1).trimmed();
        if (!said.isEmpty() && !said.startsWith(u"**"_qs)) {
            keepLast(lastLines, said);
            // Its notes (no spinit installed, say) are no reason for a failure.
            if (text.startsWith(u"stderr"_qs) && !said.startsWith(u"Note:"_qs))
                keepLast(errors, said);
        }
    } else if (name == record::endRecord) {
        vectorsComplete = true;
        decide();
    } else if (name == record::doneRecord) {
        linesComplete = true;
        decide();
    } else if (name == record::quitRecord) {
        workerFailure = QStringLiteral("Симулятор остановился: библиотека моделирования не может продолжать "
                                       "и завершила работу (код %1)")
                            .arg(QString::fromLatin1(rest));
    } else if (name == record::fatalRecord) {
        workerFailure = QString::fromUtf8(rest);
    }
    return true;
}

void SimulatorRun::readWorkerErrors()
{
    const QString text = QString::fromLocal8Bit(process.readAllStandardError());
    for (const QString& line : text.split(u'\n', Qt::SkipEmptyParts))
        keepLast(lastLines, line.trimmed());
}

void SimulatorRun::workerExited(int code, QProcess::ExitStatus status)
{
    readOutput();
    readWorkerErrors();
    if (state != State::Running)
        return;
    linesComplete = true;
    if (vectorsComplete) {
        decide();
        return;
    }
    if (!workerFailure.isEmpty())
        fail(workerFailure + messages());
    else if (status == QProcess::CrashExit)
        fail(QStringLiteral("Симулятор остановился аварийно (сигнал %1)").arg(code) + messages());
    else
        fail(QStringLiteral("Симулятор остановился, не закончив моделирования (код %1)").arg(code) + messages());
}

// Once the vectors are in: the run succeeded when every probe is there up to the end;
// otherwise it failed, which is said once the simulator's reasons are in too.
void SimulatorRun::decide()
{
    if (state != State::Running || !vectorsComplete)
        return;
    const auto vector = [this](const QByteArray& name) -> const std::vector<double>* {
        const auto found = vectors.find(name);
        return found == vectors.end() ? nullptr : &found->second;
    };
    QString reason;
    Waveforms w;
    const std::vector<double>* time = vector("time");
    if (!time || time->size() < 2) {
        reason = u"Моделирование не началось"_qs;
    } else {
        w.time = *time;
        const auto copy = [&](std::vector<double>& into, const QString& node) {
            if (!reason.isEmpty())
                return;
            if (node == u"0") {
                into.assign(w.time.size(), 0.0); // the common wire
                return;
            }
            const std::vector<double>* values = vector(node.toLatin1());
            if (!values || values->size() != w.time.size())
                reason = QStringLiteral("Моделирование не дало кривой %1").arg(node);
            else
                into = *values;
        };
        copy(w.c1, u"c1"_qs);
        copy(w.b1, u"b1"_qs);
        copy(w.c2, u"c2"_qs);
        copy(w.b2, u"b2"_qs);
        copy(w.ic1, u"@q1[ic]"_qs);
        copy(w.ic2, u"@q2[ic]"_qs);
        copy(w.e1, emitters.t1);
        copy(w.e2, emitters.t2);
        // Only a monostable has a trigger to draw; nothing measures it.
        if (const std::vector<double>* trigger = vector(triggerNode); trigger && trigger->size() == w.time.size())
            w.trigger = *trigger;
        if (reason.isEmpty() && w.time.back() < 0.999 * stopTime)
            reason = QStringLiteral("Схема не сошлась: решение остановилось на %1 мкс из %2 мкс")
                         .arg(w.time.back() * 1e6, 0, 'g', 4)
                         .arg(stopTime * 1e6, 0, 'g', 4);
    }
    if (reason.isEmpty()) {
        vectors.clear();
        result = std::move(w);
        end(State::Succeeded);
    } else if (linesComplete) {
        fail(reason + messages());
    }
}

void SimulatorRun::fail(const QString& reason)
{
    failureText = reason;
    end(State::Failed);
}

// Whatever the worker is still doing (passing on lines nobody waits for) is not needed.
void SimulatorRun::end(State how)
{
    state = how;
    if (process.state() != QProcess::NotRunning)
        process.kill();
    percent = how == State::Succeeded ? 100 : percent;
    emit ended();
}

// The simulator's errors when it printed any, otherwise its last lines (and the
// worker's): what a user or a bug report needs to see why the run failed.
QString SimulatorRun::messages() const
{
    const QStringList& lines = errors.isEmpty() ? lastLines : errors;
    if (lines.isEmpty())
        return u"\nСимулятор ничего не сообщил"_qs;
    return u"\nСообщения симулятора:\n"_qs + lines.join(u'\n');
}

Waveforms simulate(const QString& netlist, double stopTime, const RunControl& control, const Emitters& emitters)
{
    SimulatorRun run(netlist, stopTime, emitters, control.timeLimit);
    run.wait(control.cancel, control.progress);
    return run.waveforms();
}

} // namespace takton::simulation
