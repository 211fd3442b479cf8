#include "design_actions.h"

#include "report.h"
#include "saved_values.h"
#include "table_window.h"

#include <QKeySequence>
#include <QMenu>
#include <QPushButton>

namespace takton {
namespace {

// The file the user picks to save to or to open, or an empty name when cancelled.
QString chooseFile(TableWindow& window, bool save, const QString& title, const QString& filter, const QString& suffix)
{
    return askForFile(&window, {save, title, filter, suffix, window.objectName() + '.' + suffix});
}

const QString valuesFilter = QStringLiteral("Значения Тактона (*.takton)");

void report(TableWindow& window)
{
    const auto* button = window.findChild<QPushButton*>(QStringLiteral("ReportAction"));
    QMenu menu(&window);
    menu.setObjectName(QStringLiteral("reportMenu"));
    QAction* pdf = menu.addAction(QStringLiteral("Сохранить в PDF…"));
    QAction* html = menu.addAction(QStringLiteral("Сохранить в HTML…"));
    QAction* print = menu.addAction(QStringLiteral("Печатать…"));
    // From the keyboard the button may be scrolled out of sight.
    const QPoint at = !button || button->visibleRegion().isEmpty() ? window.mapToGlobal(window.rect().center())
                                                        : button->mapToGlobal(QPoint(0, button->height()));
    const QAction* chosen = menu.exec(at);
    if (chosen == pdf) {
        const QString path = chooseFile(window, true, QStringLiteral("Сохранить отчёт в PDF"),
                                        QStringLiteral("PDF (*.pdf)"), QStringLiteral("pdf"));
        if (!path.isEmpty())
            writeReportPdf(window, path);
    } else if (chosen == html) {
        const QString path = chooseFile(window, true, QStringLiteral("Сохранить отчёт в HTML"),
                                        QStringLiteral("HTML (*.html *.htm)"), QStringLiteral("html"));
        if (!path.isEmpty())
            writeReportHtml(window, path);
    } else if (chosen == print) {
        printReport(window);
    }
}

} // namespace

void addDesignActions(TableWindow& window)
{
    window.addAction(QStringLiteral("ReportAction"), QStringLiteral("Отчёт"), QKeySequence(Qt::CTRL | Qt::Key_P),
                     [&window] { report(window); });
    window.addAction(QStringLiteral("SaveValuesAction"), QStringLiteral("Сохранить значения"),
                     QKeySequence(Qt::CTRL | Qt::Key_S), [&window] {
                         const QString path = chooseFile(window, true,
                                                         QStringLiteral("Сохранить значения полей"), valuesFilter,
                                                         valuesSuffix);
                         if (!path.isEmpty())
                             saveValuesFile(window, path);
                     });
    window.addAction(QStringLiteral("LoadValuesAction"), QStringLiteral("Загрузить значения"),
                     QKeySequence(Qt::CTRL | Qt::Key_O), [&window] {
                         const QString path = chooseFile(window, false,
                                                         QStringLiteral("Загрузить значения полей"), valuesFilter,
                                                         valuesSuffix);
                         if (!path.isEmpty())
                             loadValuesFile(window, path);
                     });
}

} // namespace takton
