// takton-simulator: one transient run of the simulator library, in a process of its own,
// so that a crash, a hang or an exit of the library ends this run and never the program.
// It reads the netlist on standard input and writes what worker_protocol.h describes.
// A plain C++ program: it starts in a few milliseconds and loads no Qt.

#include "worker_protocol.h"

#include <ngspice/sharedspice.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <fcntl.h>
#include <iostream>
#include <iterator>
#include <mutex>
#include <string>
#include <thread>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

using namespace takton::simulation::worker;

constexpr char libraryFile[] = "libngspice.so.0";
// Echoed after the vectors: when it comes back through the library's printing thread,
// every line printed before it has been passed on.
constexpr char drainedMarker[] = "takton-simulator-drained";

std::mutex output; // the library's printing thread writes records too
std::atomic<bool> drained{false};
int lastProgress = -1;

void record(const char* name, std::string rest = {})
{
    for (char& c : rest)
        if (c == '\n' || c == '\r')
            c = ' ';
    std::lock_guard guard(output);
    std::fputs(name, stdout);
    if (!rest.empty()) {
        std::fputc(' ', stdout);
        std::fputs(rest.c_str(), stdout);
    }
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

[[noreturn]] void fatal(const std::string& text)
{
    record(fatalRecord, text);
    _exit(2);
}

int onText(char* text, int, void*)
{
    if (std::strstr(text, drainedMarker))
        drained = true;
    else
        record(textRecord, text);
    return 0;
}

// "tran: 45.3%", "--ready--" at the end.
int onStatus(char* text, int, void*)
{
    const char* colon = std::strchr(text, ':');
    const int percent = colon ? int(std::strtod(colon + 1, nullptr)) : std::strstr(text, "ready") ? 100 : -1;
    if (percent >= 0 && percent != lastProgress) {
        lastProgress = percent;
        record(progressRecord, std::to_string(percent));
    }
    return 0;
}

// The library cannot go on (or was told to quit): this run is over.
int onExit(int status, NG_BOOL, NG_BOOL, int, void*)
{
    record(quitRecord, std::to_string(status));
    _exit(3);
}

// No variable of the user's environment chooses files for the library (its scripts,
// input or help folders).
void forgetLibraryVariables()
{
    std::vector<std::string> names;
    for (char** variable = environ; *variable; ++variable) {
        const std::string entry = *variable;
        const std::string name = entry.substr(0, entry.find('='));
        if (name.rfind("SPICE_", 0) == 0 || name.rfind("NGSPICE", 0) == 0)
            names.push_back(name);
    }
    for (const std::string& name : names)
        unsetenv(name.c_str());
}

// The library sources ".spiceinit" from the working directory and, only when there is
// none, from the home folder of the user's account (looked up in the password database,
// not $HOME), running any command in it. An empty one of the worker's own in its
// private folder is read instead of either; a folder that already has one is not the
// private empty folder, and nothing runs.
void placeEmptyInitFile()
{
    const int file = open(".spiceinit", O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (file < 0)
        fatal(std::string("the working folder is not empty (.spiceinit: ") + std::strerror(errno) + ")");
    close(file);
}

template <class Function>
Function resolve(void* library, const char* name)
{
    auto* function = reinterpret_cast<Function>(dlsym(library, name));
    if (!function)
        fatal(std::string("Моделирование недоступно: в библиотеке ") + libraryFile + " нет функции " + name);
    return function;
}

void writeVector(const char* name, const double* values, int length)
{
    std::lock_guard guard(output);
    std::fprintf(stdout, "%s %d %s\n", vectorRecord, length, name);
    std::fwrite(values, sizeof(double), std::size_t(length), stdout);
    std::fflush(stdout);
}

} // namespace

int main()
{
    forgetLibraryVariables();
    placeEmptyInitFile();
    const std::string netlist(std::istreambuf_iterator<char>(std::cin), {});

    void* library = dlopen(libraryFile, RTLD_NOW | RTLD_LOCAL);
    if (!library)
        fatal(std::string("Моделирование недоступно: библиотека ") + libraryFile
              + " не загружается (пакет libngspice0): " + dlerror());
    // Newer libraries can be told not to look for an init file at all.
    if (auto* skipInitFile = reinterpret_cast<int (*)()>(dlsym(library, "ngSpice_nospiceinit")))
        skipInitFile();
    const auto init = resolve<decltype(&ngSpice_Init)>(library, "ngSpice_Init");
    const auto command = resolve<decltype(&ngSpice_Command)>(library, "ngSpice_Command");
    const auto circuit = resolve<decltype(&ngSpice_Circ)>(library, "ngSpice_Circ");
    const auto currentPlot = resolve<decltype(&ngSpice_CurPlot)>(library, "ngSpice_CurPlot");
    const auto vectorsOf = resolve<decltype(&ngSpice_AllVecs)>(library, "ngSpice_AllVecs");
    const auto vectorInfo = resolve<decltype(&ngGet_Vec_Info)>(library, "ngGet_Vec_Info");
    // This process's numbers are read with the C locale it starts in: the library's
    // "1.5" is always one and a half.
    init(onText, onStatus, onExit, nullptr, nullptr, nullptr, nullptr);

    std::vector<std::string> lines;
    for (std::size_t start = 0; start < netlist.size();) {
        const std::size_t end = std::min(netlist.find('\n', start), netlist.size());
        if (end > start)
            lines.push_back(netlist.substr(start, end - start));
        start = end + 1;
    }
    std::vector<char*> circuitLines;
    for (std::string& line : lines)
        circuitLines.push_back(line.data());
    circuitLines.push_back(nullptr);
    circuit(circuitLines.data());
    command(const_cast<char*>("run"));

    // The transient's vectors; a run that never started has no transient plot.
    char* plot = currentPlot();
    if (plot && std::strncmp(plot, "tran", 4) == 0)
        if (char** names = vectorsOf(plot))
            for (; *names; ++names)
                if (const pvector_info info = vectorInfo(*names); info && info->v_realdata)
                    writeVector(*names, info->v_realdata, info->v_length);
    record(endRecord);

    // The lines still queued in the library's printing thread (a failed run's reasons)
    // are passed on before the worker exits. The program stops waiting for them when it
    // has what it needs.
    command(const_cast<char*>((std::string("echo ") + drainedMarker).c_str()));
    const auto started = std::chrono::steady_clock::now();
    while (!drained && std::chrono::steady_clock::now() - started < std::chrono::seconds(5))
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    record(doneRecord);
    // Without the library's teardown: it frees nothing the system would not.
    _exit(0);
}
