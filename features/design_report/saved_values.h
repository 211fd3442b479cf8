#pragma once
// The values file of a calculator window: the texts of its fields, as typed, with the
// window they belong to, in a small JSON document:
//     {"format": "takton-values", "version": 1, "form": "Form2",
//      "title": "<the window's caption>", "fields": {"Edit1": "10", ...}}
// Loading fills the fields and nothing else: no step runs, no result changes.

#include <QByteArray>
#include <QString>

namespace takton {

class TableWindow;

inline constexpr int valuesFormatVersion = 1;
inline const QString valuesSuffix = QStringLiteral("takton");

QByteArray valuesJson(const TableWindow& window);

// Fills the fields of `window` from `json`. A file of another window, a damaged one
// or one of a newer format is refused by an exception saying why, before any field
// changes. `fileName` names the file in that message.
void loadValues(TableWindow& window, const QByteArray& json, const QString& fileName);

void saveValuesFile(const TableWindow& window, const QString& path);
void loadValuesFile(TableWindow& window, const QString& path);

// The bytes of a values file, read once (a file too large to be one is refused), and
// the form name it records, empty when it records none: enough to choose the window
// that `loadValues` then fills, with every check of its own.
QByteArray readValuesFile(const QString& path);
QString formNamedIn(const QByteArray& json);

} // namespace takton
