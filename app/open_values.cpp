#include "open_values.h"

#include "Unit1.h"
#include "error_reporting.h"
#include "forms.h"
#include "saved_values.h"
#include "user_files.h"

namespace takton {
namespace {

// The calculator a values file was saved from, by the form name it records. A file
// that names no calculator (damaged, or not a values file) goes to the first one,
// whose load then refuses it with the message "Загрузить значения" gives: every check
// is the load's, this only chooses the window.
TableWindow& calculatorFor(const QString& form)
{
    TableWindow* first = nullptr;
    for (const RegisteredWindow& row : registeredWindows()) {
        if (row.menuButton.empty())
            continue;
        if (QLatin1String(row.form.data(), qsizetype(row.form.size())) == form)
            return *row.window();
        if (!first)
            first = row.window();
    }
    return *first;
}

} // namespace

void openValuesFiles(const QStringList& paths)
{
    for (const QString& path : paths)
        runReported(
            [&] {
                const QByteArray json = readValuesFile(path);
                TableWindow& window = calculatorFor(formNamedIn(json));
                loadValues(window, json, shownName(path));
                window.present(Form1);
            },
            Form1);
}

} // namespace takton
