#include "command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstdio>

namespace takton {
namespace {

void print(std::FILE* stream, const QString& text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
}

} // namespace

std::variant<StartRequest, int> readCommandLine(int argc, char** argv)
{
    QStringList arguments;
    for (int k = 0; k < argc; ++k)
        arguments << QString::fromLocal8Bit(argv[k]);

    // Every option is declared and read in this function. Qt's own options
    // (-platform, -style, ...) are not offered: QApplication is not made yet, and the
    // environment (QT_QPA_PLATFORM, QT_SCALE_FACTOR) does their job.
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Step-by-step design of transistor multivibrators: seven astable and\n"
                       "three monostable circuits, one calculator window each."));
    const QCommandLineOption help({"h", "help"}, QStringLiteral("Print this help and exit."));
    const QCommandLineOption version({"v", "version"}, QStringLiteral("Print the version and exit."));
    const QCommandLineOption check(
        QStringLiteral("check"),
        QStringLiteral("Without a display: load FILE into its calculator, press every step, check the design by "
                       "simulation and print the result. Exit status 0 when the circuit does what the design "
                       "intends, 1 when not, 2 when the file or a step fails."),
        QStringLiteral("FILE"));
    const QCommandLineOption betaScale(QStringLiteral("beta-scale"),
                                       QStringLiteral("With --check: both transistors' beta times K (default 1)."),
                                       QStringLiteral("K"), QStringLiteral("1"));
    const QCommandLineOption json(QStringLiteral("json"), QStringLiteral("With --check: print the result as JSON."));
    const QCommandLineOption spread(
        QStringLiteral("spread"),
        QStringLiteral("With --check: simulate the tolerance and temperature spread of the design instead (5 % "
                       "resistors, 10 % capacitors, beta up to 3 times its minimum, supplies +-10 %) on every core. "
                       "Exit status 0 when every run does what the design intends."));
    const QCommandLineOption runs(QStringLiteral("runs"), QStringLiteral("With --spread: the number of runs (default 200)."),
                                  QStringLiteral("N"), QStringLiteral("200"));
    const QCommandLineOption seed(QStringLiteral("seed"),
                                  QStringLiteral("With --spread: the seed the samples are drawn from (default 1)."),
                                  QStringLiteral("S"), QStringLiteral("1"));
    parser.addOptions({help, version, check, betaScale, json, spread, runs, seed});
    parser.addPositionalArgument(QStringLiteral("file.takton"),
                                 QStringLiteral("Values file saved by a calculator window; that window opens "
                                                "with its fields filled."),
                                 QStringLiteral("[file.takton...]"));

    const bool understood = parser.parse(arguments);
    if (understood && parser.isSet(check) && !parser.isSet(help) && !parser.isSet(version)) {
        bool number = false;
        const double k = parser.value(betaScale).toDouble(&number);
        if (!number || !(k >= 0.1 && k <= 10)) {
            print(stderr, "takton: --beta-scale needs a number from 0.1 to 10, not " + parser.value(betaScale) + "\n");
            return 2;
        }
        const int n = parser.value(runs).toInt(&number);
        if (!number || n < 1 || n > 10000) {
            print(stderr, "takton: --runs needs a whole number from 1 to 10000, not " + parser.value(runs) + "\n");
            return 2;
        }
        const quint64 s = parser.value(seed).toULongLong(&number);
        if (!number) {
            print(stderr, "takton: --seed needs a whole number from 0, not " + parser.value(seed) + "\n");
            return 2;
        }
        return StartRequest{.valuesFiles = {}, .check = CheckRequest{.valuesFile = parser.value(check), .betaScale = k,
                                                  .json = parser.isSet(json), .spread = parser.isSet(spread),
                                                  .runs = n, .seed = s}};
    }
    if (understood && !parser.isSet(help) && !parser.isSet(version))
        return StartRequest{.valuesFiles = parser.positionalArguments()};

    // The usage names the program as it was started, which only an application
    // object knows; this one needs no display.
    QCoreApplication terminal(argc, argv);
    if (!understood) {
        print(stderr, "takton: " + parser.errorText() + "\n\n" + parser.helpText());
        return 1;
    }
    if (parser.isSet(help))
        print(stdout, parser.helpText());
    else
        print(stdout, QStringLiteral("takton " TAKTON_VERSION "\n"));
    return 0;
}

} // namespace takton
