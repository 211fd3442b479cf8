// Where start-up time goes: the application object (fonts, platform), each window's
// construction in registry order, and, apart, the decoding of each schematic and
// the fitting of every caption. Medians of several passes, in milliseconds.
//
//   build/bench/startup_sections [passes]     (on the display of DISPLAY, or offscreen)

#include "application.h"
#include "forms.h"
#include "jpeg_image.h"
#include "table_window.h"

#include <QDirIterator>
#include <QElapsedTimer>
#include <QPixmap>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

namespace {

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

double msSince(const QElapsedTimer& timer)
{
    return double(timer.nsecsElapsed()) / 1e6;
}

} // namespace

int main(int argc, char** argv)
{
    if (!std::getenv("DISPLAY") && !std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    const int passes = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    QElapsedTimer timer;
    timer.start();
    takton::Application app(argc, argv);
    std::printf("%-24s %8.1f (once)\n", "application object", msSince(timer));

    std::map<std::string, std::vector<double>> sections;
    std::vector<std::string> order;
    auto record = [&](const std::string& name, double ms) {
        if (!sections.count(name))
            order.push_back(name);
        sections[name].push_back(ms);
    };
    for (int pass = 0; pass < passes; ++pass) {
        QElapsedTimer all;
        all.start();
        for (const takton::RegisteredWindow& window : takton::registeredWindows()) {
            timer.restart();
            window.create();
            record("create " + std::string(window.form), msSince(timer));
        }
        record("create all", msSince(all));
        // The menu's first frame, drawn off screen: what its first expose costs.
        timer.restart();
        const QPixmap menu = takton::registeredWindows().front().window()->grab();
        record("draw the menu", msSince(timer));
        timer.restart();
        takton::destroyForms();
        record("destroy all", msSince(timer));
        QDirIterator pictures(QStringLiteral(":/schematics"));
        QElapsedTimer decoding;
        decoding.start();
        while (pictures.hasNext())
            takton::loadSchematic(pictures.next());
        record("decode every schematic", msSince(decoding));
    }
    for (const std::string& name : order)
        std::printf("%-24s %8.2f\n", name.c_str(), median(sections[name]));
    return 0;
}
