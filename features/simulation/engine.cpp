#include "engine.h"

#include "errors.h"

#include <ngspice/sharedspice.h>

#include <QByteArrayList>
#include <QStringList>
#include <clocale>
#include <dlfcn.h>
#include <cstring>
#include <mutex>
#include <thread>

namespace takton::simulation {
namespace {

// The simulator library, opened on the first check rather than at start-up: a session
// that never simulates does not load it.
constexpr char libraryFile[] = "libngspice.so.0";
struct Library {
    decltype(&ngSpice_Init) init = nullptr;
    decltype(&ngSpice_Command) command = nullptr;
    decltype(&ngGet_Vec_Info) vectorInfo = nullptr;
    decltype(&ngSpice_Circ) circuit = nullptr;
    decltype(&ngSpice_running) running = nullptr;
} spice;

std::once_flag loaded;
std::mutex oneRunAtATime;

template <class Function>
void resolve(void* library, Function& function, const char* name)
{
    function = reinterpret_cast<Function>(dlsym(library, name));
    if (!function)
        throw Exception(QStringLiteral("Моделирование недоступно: в библиотеке %1 нет функции %2")
                            .arg(QLatin1String(libraryFile), QLatin1String(name)));
}

void openLibrary()
{
    void* library = dlopen(libraryFile, RTLD_NOW | RTLD_LOCAL);
    if (!library)
        throw Exception(QStringLiteral("Моделирование недоступно: библиотека %1 не загружается (пакет libngspice0): %2")
                            .arg(QLatin1String(libraryFile), QString::fromLocal8Bit(dlerror())));
    resolve(library, spice.init, "ngSpice_Init");
    resolve(library, spice.command, "ngSpice_Command");
    resolve(library, spice.vectorInfo, "ngGet_Vec_Info");
    resolve(library, spice.circuit, "ngSpice_Circ");
    resolve(library, spice.running, "ngSpice_running");
}

// What the library says while a run goes; read by the running thread only after the
// library's background thread has stopped.
struct Listener {
    std::mutex lock;
    QStringList errors;
    std::atomic<int>* progress = nullptr;
    std::atomic<bool> running{false};
} listener;

int onText(char* text, int, void*)
{
    const QString line = QString::fromLocal8Bit(text);
    if (line.startsWith(u"stderr"_qs)) {
        std::lock_guard guard(listener.lock);
        listener.errors << line.mid(7).trimmed();
    }
    return 0;
}

// "tran: 45.3%"
int onStatus(char* text, int, void*)
{
    const QString status = QString::fromLatin1(text);
    const int colon = status.indexOf(u':');
    if (colon >= 0 && listener.progress) {
        bool ok = false;
        const double percent = status.mid(colon + 1).remove(u'%').trimmed().toDouble(&ok);
        if (ok)
            listener.progress->store(int(percent));
    }
    return 0;
}

int onExit(int, NG_BOOL, NG_BOOL, int, void*)
{
    return 0;
}

int onBackground(NG_BOOL notRunning, int, void*)
{
    listener.running = !notRunning;
    return 0;
}

void command(const char* text)
{
    spice.command(const_cast<char*>(text));
}

std::vector<double> copyVector(const char* name, std::size_t expected)
{
    const pvector_info info = spice.vectorInfo(const_cast<char*>(name));
    if (!info || !info->v_realdata || std::size_t(info->v_length) != expected)
        throw Exception(QStringLiteral("Моделирование не дало кривой %1").arg(QLatin1String(name)));
    return {info->v_realdata, info->v_realdata + info->v_length};
}

// An emitter's voltage: its node's curve, or zeros on the common wire.
std::vector<double> copyNode(const QString& node, std::size_t expected)
{
    if (node == u"0")
        return std::vector<double>(expected, 0.0);
    return copyVector(node.toLatin1().constData(), expected);
}

} // namespace

void loadSimulator()
{
    std::call_once(loaded, [] {
        // The library parses numbers with the C library's locale: under a comma locale
        // "1.5" stops at the '.', and the library cannot recover until reloaded. The
        // program's own numeric text does not use the C locale.
        std::setlocale(LC_NUMERIC, "C");
        openLibrary();
        spice.init(onText, onStatus, onExit, nullptr, nullptr, onBackground, nullptr);
    });
}

Waveforms simulate(const QString& netlist, double stopTime, const RunControl& control, const Emitters& emitters)
{
    loadSimulator();
    std::lock_guard one(oneRunAtATime);
    // Anything may have set the locale since (a test switching regional settings, a
    // library): the library's background thread reads numbers with the global one.
    if (const char* numeric = std::setlocale(LC_NUMERIC, nullptr); !numeric || std::strcmp(numeric, "C") != 0)
        std::setlocale(LC_NUMERIC, "C");
    {
        std::lock_guard guard(listener.lock);
        listener.errors.clear();
        listener.progress = control.progress;
    }

    QByteArrayList lines;
    for (const QString& line : netlist.split(u'\n', Qt::SkipEmptyParts))
        lines << line.toLatin1();
    std::vector<char*> circuit;
    for (QByteArray& line : lines)
        circuit.push_back(line.data());
    circuit.push_back(nullptr);
    spice.circuit(circuit.data());

    const auto started = std::chrono::steady_clock::now();
    listener.running = true;
    command("bg_run");
    bool cancelled = false, overTime = false;
    while (listener.running || spice.running()) {
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
        cancelled = control.cancel && control.cancel->load();
        overTime = std::chrono::steady_clock::now() - started > control.timeLimit;
        if (cancelled || overTime) {
            command("bg_halt");
            while (spice.running())
                std::this_thread::sleep_for(std::chrono::milliseconds(2));
            break;
        }
    }

    Waveforms w;
    QString failure;
    if (cancelled)
        failure = u"Моделирование отменено"_qs;
    else if (overTime)
        failure = QStringLiteral("Моделирование не уложилось в %1 с: схема не сходится или слишком медленна")
                      .arg(control.timeLimit.count() / 1000.0);
    else {
        const pvector_info time = spice.vectorInfo(const_cast<char*>("time"));
        if (!time || time->v_length < 2)
            failure = u"Моделирование не началось"_qs;
        else {
            const auto n = std::size_t(time->v_length);
            w.time.assign(time->v_realdata, time->v_realdata + n);
            try {
                w.c1 = copyVector("c1", n);
                w.b1 = copyVector("b1", n);
                w.c2 = copyVector("c2", n);
                w.b2 = copyVector("b2", n);
                w.ic1 = copyVector("@q1[ic]", n);
                w.ic2 = copyVector("@q2[ic]", n);
                w.e1 = copyNode(emitters.t1, n);
                w.e2 = copyNode(emitters.t2, n);
            } catch (const Exception& e) {
                failure = e.message();
            }
        }
    }
    // Nothing of this run stays for the next: its circuit and its results go.
    command("remcirc");
    command("destroy all");
    if (failure.isEmpty() && w.time.back() < 0.999 * stopTime) {
        std::lock_guard guard(listener.lock);
        failure = QStringLiteral("Схема не сошлась: решение остановилось на %1 мкс из %2 мкс")
                      .arg(w.time.back() * 1e6, 0, 'g', 4)
                      .arg(stopTime * 1e6, 0, 'g', 4);
        if (!listener.errors.isEmpty())
            failure += u" ("_qs + listener.errors.join(u"; "_qs) + u')';
    }
    listener.progress = nullptr;
    if (!failure.isEmpty())
        throw Exception(failure);
    return w;
}

} // namespace takton::simulation
