#pragma once
// Asking the user for a file to save to or to open. Every question of the program goes
// through `askForFile`, so that every save adds its extension before the overwrite
// question names the file it would replace.

#include <QString>
#include <functional>

class QWidget;

namespace takton {

// What an action asks the user for: a file to write (`save`) or to read.
struct FileQuestion {
    bool save = false;
    QString title, filter, suffix;
    QString proposedName; // offered when saving, without a folder
};

// The file the user picks, or an empty name when the question is cancelled.
QString askForFile(QWidget* parent, const FileQuestion& question);

// Answers the questions with `answer` (a path, or empty for cancelled) instead of the
// file dialog; an empty function brings the dialog back. For tests, which cannot
// rely on the dialog's folder view, filled in the background, to settle in time.
void answerFileQuestionsWith(std::function<QString(const FileQuestion&)> answer);

} // namespace takton
