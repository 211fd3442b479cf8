#include "design_actions.h"

#include "report.h"
#include "saved_values.h"
#include "table_window.h"

#include <QDir>
#include <QFileInfo>
#include <QFileDialog>
#include <QKeySequence>
#include <QMenu>
#include <QPushButton>

namespace takton {
namespace {

// The folder the user last saved to or opened from, offered again next time.
QString& lastFolder()
{
    static QString folder = QDir::homePath();
    return folder;
}

std::function<QString(const FileQuestion&)>& fileAnswer()
{
    static std::function<QString(const FileQuestion&)> answer;
    return answer;
}

QString askInDialog(TableWindow& window, const FileQuestion& question)
{
    QFileDialog dialog(&window, question.title, lastFolder(), question.filter);
    dialog.setAcceptMode(question.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(question.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (question.save)
        dialog.selectFile(window.objectName() + '.' + question.suffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().front();
}

// The file the user picks, or an empty name when the question is cancelled. A name
// written without an extension gets the one of its kind.
QString chooseFile(TableWindow& window, bool save, const QString& title, const QString& filter, const QString& suffix)
{
    const FileQuestion question{save, title, filter, suffix};
    QString path = fileAnswer() ? fileAnswer()(question) : askInDialog(window, question);
    if (path.isEmpty())
        return {};
    if (save && QFileInfo(path).suffix().isEmpty())
        path += '.' + suffix;
    lastFolder() = QFileInfo(path).absolutePath();
    return path;
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

void answerFileQuestionsWith(std::function<QString(const FileQuestion&)> answer)
{
    fileAnswer() = std::move(answer);
}

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
