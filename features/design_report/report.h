#pragma once
// The design report of a calculator window: its caption, the schematic, every caption
// with the texts typed into its fields, every step with its results as they are shown,
// the date and the program's name and version. One HTML page is the report; the PDF
// and the printed pages are that page laid out on A4.

#include <QDateTime>
#include <QString>
#include <memory>

class QTextDocument;

namespace takton {

class TableWindow;

// "Тактон 1.0, 08.12.2026 14:05": who made the report and when.
QString reportSignature(const QDateTime& when);

// How the page refers to the schematic: inside the page itself (a file of its own)
// or as a resource of the document that lays it out.
enum class Schematic { Embedded, DocumentResource };

QString reportHtml(const TableWindow& window, const QDateTime& when, Schematic schematic = Schematic::Embedded);

// The report as a document ready to be laid out on pages, the schematic included.
std::unique_ptr<QTextDocument> reportDocument(const TableWindow& window, const QDateTime& when);

// Write the report to `path`, replacing it whole or leaving it as it was; a failure
// is an exception naming the file.
void writeReportHtml(const TableWindow& window, const QString& path,
                     const QDateTime& when = QDateTime::currentDateTime());
void writeReportPdf(const TableWindow& window, const QString& path,
                    const QDateTime& when = QDateTime::currentDateTime());

// Asks for a printer and prints the report on it; nothing when the user cancels.
void printReport(TableWindow& window, const QDateTime& when = QDateTime::currentDateTime());

} // namespace takton
