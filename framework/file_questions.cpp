#include "file_questions.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

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

// Qt's own dialog, in the program's language: it adds the extension to a typed name
// before it checks for a file to replace, which a desktop's dialog may not do.
QString askInDialog(QWidget* parent, const FileQuestion& question)
{
    QFileDialog dialog(parent, question.title, lastFolder(), question.filter);
    dialog.setObjectName(QStringLiteral("FileDialog"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(question.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(question.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(question.suffix);
    if (question.save && !question.proposedName.isEmpty())
        dialog.selectFile(question.proposedName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().front();
}

} // namespace

QString askForFile(QWidget* parent, const FileQuestion& question)
{
    const QString path = fileAnswer() ? fileAnswer()(question) : askInDialog(parent, question);
    if (!path.isEmpty())
        lastFolder() = QFileInfo(path).absolutePath();
    return path;
}

void answerFileQuestionsWith(std::function<QString(const FileQuestion&)> answer)
{
    fileAnswer() = std::move(answer);
}

} // namespace takton
