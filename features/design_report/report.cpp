#include "report.h"

#include "error_reporting.h"
#include "fonts.h"
#include "layout_links.h"
#include "user_files.h"
#include "table_window.h"

#include <QBuffer>
#include <QFile>
#include <QIODevice>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QTextDocument>
#include <QUrl>
#include <algorithm>
#include <vector>

namespace takton {
namespace {

const QString schematicResource = QStringLiteral("takton-schematic.jpg");

// A control as the report places it: where it stands on the canvas.
struct Placed {
    const ControlRow* row;
    QWidget* widget;
    QRect rect;
};

QString escaped(const QString& text)
{
    return text.simplified().toHtmlEscaped();
}

QString fieldHtml(const QLineEdit* field)
{
    const QString typed = field->text().toHtmlEscaped();
    return QStringLiteral("<span class=\"field\">&nbsp;") + typed + QStringLiteral("&nbsp;</span>");
}

QString styled(const ControlRow& row, const QString& html)
{
    return row.style.bold ? QStringLiteral("<b>") + html + QStringLiteral("</b>") : html;
}

// A caption with the texts of its fields standing in its blanks, and the results
// shown to its right.
QString lineHtml(const TableWindow& window, const Placed& caption, std::vector<const Placed*> results)
{
    const QString text = caption.row->caption.toString();
    std::vector<const FieldLink*> filled = window.layoutLinks().fieldsOn(caption.row->name);
    std::stable_sort(filled.begin(), filled.end(), [](auto* a, auto* b) { return a->gap.start < b->gap.start; });
    QString html;
    qsizetype from = 0;
    for (const FieldLink* field : filled) {
        html += escaped(text.mid(from, field->gap.start - from)) + ' ' +
                fieldHtml(qobject_cast<QLineEdit*>(window.control(field->field))) + ' ';
        from = std::max(from, field->gap.end);
    }
    html += escaped(text.mid(from));
    html = styled(*caption.row, html.trimmed());
    std::sort(results.begin(), results.end(), [](auto* a, auto* b) { return a->rect.left() < b->rect.left(); });
    for (const Placed* result : results)
        html += ' ' + styled(*result->row, escaped(qobject_cast<QLabel*>(result->widget)->text()));
    return html;
}

// One entry of the report in the window's reading order: a line, the schematic, or
// the start of a step.
struct Entry {
    QRect rect;
    QString html;
    const Placed* step = nullptr;
    bool schematic = false;
};

// The width the report's text runs in on an A4 page, in pixels of `dpi`: 180 mm
// inside the page's 15 mm margins, less the 2 cm QTextDocument keeps on each side
// when it prints.
int pageTextWidth(qreal dpi)
{
    constexpr qreal textMillimetres = 210 - 2 * 15 - 2 * 20;
    return int(textMillimetres / 25.4 * dpi);
}

// The resolution a printed document's pixels stand for: Qt's default, the screen's
// logical dots per inch. A page read in a browser counts 96 to the inch.
qreal pixelsPerInch(Schematic schematic)
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (schematic == Schematic::Embedded || !screen || QCoreApplication::testAttribute(Qt::AA_Use96Dpi))
        return 96;
    return qRound(screen->logicalDotsPerInchX());
}

// The schematic as large as in the window, or scaled down to the page's width.
QSize schematicOnPage(QSize inWindow, Schematic schematic)
{
    const int width = pageTextWidth(pixelsPerInch(schematic));
    return inWindow.width() <= width ? inWindow : inWindow.scaled(width, inWindow.height(), Qt::KeepAspectRatio);
}

QString pageStart(const QString& title)
{
    return QStringLiteral("<!DOCTYPE html>\n<html lang=\"ru\">\n<head>\n<meta charset=\"utf-8\">\n<title>") +
           title.toHtmlEscaped() +
           QStringLiteral("</title>\n<style>\n"
                          "body { font-family: 'DejaVu Sans', sans-serif; font-size: 10pt; }\n"
                          "h1 { font-size: 14pt; }\n"
                          "h2 { font-size: 11pt; margin-top: 12px; margin-bottom: 4px; }\n"
                          "p { margin-top: 2px; margin-bottom: 2px; }\n"
                          "p.schematic { margin-top: 8px; margin-bottom: 16px; }\n"
                          ".field { background-color: #e8eef8; }\n"
                          ".signature { color: #555555; }\n"
                          "</style>\n</head>\n<body>\n");
}

} // namespace

QString reportSignature(const QDateTime& when)
{
    return applicationTitle.toString() + QStringLiteral(" " TAKTON_VERSION ", ") +
           when.toString(QStringLiteral("dd.MM.yyyy HH:mm"));
}

QString reportHtml(const TableWindow& window, const QDateTime& when, Schematic schematic)
{
    std::vector<Placed> captions, results, steps;
    std::vector<Entry> entries;
    for (const ControlRow& row : window.layoutRows()) {
        QWidget* widget = window.control(row.name);
        const Placed placed{&row, widget, widget->geometry()};
        switch (row.kind) {
        case Kind::Label:
            (row.caption.isEmpty() ? results : captions).push_back(placed);
            break;
        case Kind::Edit:
            break;
        case Kind::Button:
            steps.push_back(placed);
            break;
        case Kind::Image:
            if (!window.windowProperties().schematic.isEmpty())
                entries.push_back({placed.rect, QString(), nullptr, true});
            break;
        }
    }

    // Each result shown stands on the line of the caption it was linked to when the
    // window was built, or on a line of its own.
    auto captionOf = [&](const Placed& result) {
        for (const ResultLink& link : window.layoutLinks().results)
            if (link.result == result.row->name)
                return link.caption;
        return std::string_view{};
    };
    for (const Placed& caption : captions) {
        std::vector<const Placed*> shown;
        for (const Placed& result : results)
            if (captionOf(result) == caption.row->name && !qobject_cast<QLabel*>(result.widget)->text().isEmpty())
                shown.push_back(&result);
        entries.push_back({caption.rect, lineHtml(window, caption, shown)});
    }
    for (const Placed& result : results) {
        const QString text = qobject_cast<QLabel*>(result.widget)->text();
        if (captionOf(result).empty() && !text.isEmpty())
            entries.push_back({result.rect, styled(*result.row, escaped(text))});
    }
    for (const Placed& step : steps)
        entries.push_back({step.rect, QString(), &step});
    std::stable_sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) {
        return std::pair(a.rect.top(), a.rect.left()) < std::pair(b.rect.top(), b.rect.left());
    });

    const QString title = window.windowTitle();
    QString html = pageStart(title) + QStringLiteral("<h1>") + title.toHtmlEscaped() + QStringLiteral("</h1>\n");
    html += QStringLiteral("<p class=\"signature\">") + reportSignature(when).toHtmlEscaped() + QStringLiteral("</p>\n");
    // A step's section holds what stands beside its button; what stands between two
    // steps (the values the designer accepts) follows without a heading.
    const Placed* open = nullptr;
    for (const Entry& entry : entries) {
        if (entry.step) {
            open = entry.step;
            html += QStringLiteral("<h2>") + escaped(qobject_cast<QPushButton*>(open->widget)->text()) +
                    QStringLiteral("</h2>\n");
            continue;
        }
        if (open && entry.rect.top() > open->rect.bottom()) {
            open = nullptr;
            html += QStringLiteral("<hr>\n");
        }
        if (entry.schematic) {
            const QString source = schematic == Schematic::DocumentResource ? schematicResource : [&] {
                QFile picture(window.windowProperties().schematic.toString());
                picture.open(QIODevice::ReadOnly);
                return QStringLiteral("data:image/jpeg;base64,") + QString::fromLatin1(picture.readAll().toBase64());
            }();
            const QSize shown = schematicOnPage(entry.rect.size(), schematic);
            html += QStringLiteral("<p class=\"schematic\"><img src=\"%1\" width=\"%2\" height=\"%3\" alt=\"Схема\"></p>\n")
                        .arg(source)
                        .arg(shown.width())
                        .arg(shown.height());
        } else {
            html += QStringLiteral("<p>") + entry.html + QStringLiteral("</p>\n");
        }
    }
    return html + QStringLiteral("</body>\n</html>\n");
}

std::unique_ptr<QTextDocument> reportDocument(const TableWindow& window, const QDateTime& when)
{
    auto document = std::make_unique<QTextDocument>();
    QFont font = fontFor(Kind::Label, Style{});
    font.setPointSizeF(10);
    document->setDefaultFont(font);
    if (const auto* image = window.findChild<QLabel*>(QStringLiteral("Image1")))
        document->addResource(QTextDocument::ImageResource, QUrl(schematicResource), image->pixmap().toImage());
    document->setHtml(reportHtml(window, when, Schematic::DocumentResource));
    return document;
}

void writeReportHtml(const TableWindow& window, const QString& path, const QDateTime& when)
{
    saveWholeFile(path, reportHtml(window, when).toUtf8());
}

void writeReportPdf(const TableWindow& window, const QString& path, const QDateTime& when)
{
    const auto document = reportDocument(window, when);
    QBuffer content;
    content.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&content);
        pdf.setTitle(window.windowTitle());
        pdf.setCreator(reportSignature(when));
        pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(15, 15, 15, 15),
                                      QPageLayout::Millimeter));
        document->print(&pdf);
    } // the writer finishes the document as it goes
    saveWholeFile(path, content.data());
}

void printReport(TableWindow& window, const QDateTime& when)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(window.windowTitle());
    printer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
    QPrintDialog dialog(&printer, &window);
    dialog.setWindowTitle(QStringLiteral("Печать отчёта"));
    if (dialog.exec() != QDialog::Accepted)
        return;
    reportDocument(window, when)->print(&printer);
}

} // namespace takton
