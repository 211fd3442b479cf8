#pragma once
// What the program is asked on its command line. --help, --version and a mistyped
// option are answered on the terminal before any display is opened; what is left is
// the work to do once the windows exist.

#include <QStringList>
#include <optional>
#include <variant>

namespace takton {

// `takton --check FILE [--beta-scale K] [--json]`: one design checked without a display;
// with `--spread [--runs N] [--seed S]` its tolerance and temperature spread instead.
struct CheckRequest {
    QString valuesFile;
    double betaScale = 1;
    bool json = false;
    bool spread = false;
    int runs = 200;
    quint64 seed = 1;
};

struct StartRequest {
    QStringList valuesFiles; // each opened in the calculator it was saved from
    std::optional<CheckRequest> check = {};
};

// Reads the program's arguments (argv[0] first). Returns the request, or the exit
// status once the command line has been answered: 0 after --help or --version
// (standard output), 1 after an unknown option or a missing value (its name and the
// usage on standard error); 2 after a --beta-scale that is not a number from 0,1 to 10,
// or a --runs or --seed that is not a whole number in its range (a check's failure, not
// its verdict).
std::variant<StartRequest, int> readCommandLine(int argc, char** argv);

} // namespace takton
