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
    parser.addOptions({help, version});
    parser.addPositionalArgument(QStringLiteral("file.takton"),
                                 QStringLiteral("Values file saved by a calculator window; that window opens "
                                                "with its fields filled."),
                                 QStringLiteral("[file.takton...]"));

    const bool understood = parser.parse(arguments);
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
