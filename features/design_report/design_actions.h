#pragma once
// The design report and the values file, offered in the row of actions below a
// calculator window's last step: "Отчёт" (Ctrl+P) saves the report as PDF or HTML or
// prints it, "Сохранить значения" (Ctrl+S) and "Загрузить значения" (Ctrl+O) write
// and read the texts of the window's fields.

#include <QString>
#include <functional>

namespace takton {

class TableWindow;

void addDesignActions(TableWindow& window);

// What an action asks the user for: a file to write (`save`) or to read.
struct FileQuestion {
    bool save = false;
    QString title, filter, suffix;
};

// Answers the questions with `answer` (a path, or empty for cancelled) instead of the
// file dialog; an empty function brings the dialog back. For tests, which cannot
// rely on the dialog's folder view, filled in the background, to settle in time.
void answerFileQuestionsWith(std::function<QString(const FileQuestion&)> answer);

} // namespace takton
