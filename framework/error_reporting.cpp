#include "error_reporting.h"

#include "errors.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace takton {
namespace {

// Standard buttons would be renamed by a translation; the user reads "OK" whatever
// the language of the desktop.
void runBox(QMessageBox::Icon icon, const QString& text, QWidget* parent)
{
    QMessageBox box(icon, applicationTitle.toString(), text, QMessageBox::NoButton, parent);
    box.setTextFormat(Qt::PlainText);
    box.setObjectName(icon == QMessageBox::Critical ? QStringLiteral("ErrorBox")
                                                    : QStringLiteral("MessageBox"));
    QPushButton* ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    ok->setObjectName(QStringLiteral("OK"));
    box.setDefaultButton(ok);
    box.setEscapeButton(ok);
    box.exec();
}

} // namespace

QString messageOf(const std::exception_ptr& failure)
{
    try {
        std::rethrow_exception(failure);
    } catch (const Exception& e) {
        return e.message();
    } catch (const std::exception& e) {
        return QString::fromLocal8Bit(e.what());
    } catch (...) {
        return QStringLiteral("Unknown failure");
    }
}

QString withClosingFullStop(const QString& message)
{
    if (!message.isEmpty() && message.back() > QLatin1Char('.'))
        return message + QLatin1Char('.');
    return message;
}

void runReported(const std::function<void()>& handler, QWidget* owner)
{
    std::exception_ptr failure;
    try {
        handler();
    } catch (...) {
        // Only captured here: the box is shown once the handler's frames are gone.
        failure = std::current_exception();
    }
    if (failure)
        showErrorBox(withClosingFullStop(messageOf(failure)), owner);
}

void showErrorBox(const QString& text, QWidget* parent)
{
    runBox(QMessageBox::Critical, text, parent);
}

void ShowMessage(const QString& text)
{
    runBox(QMessageBox::NoIcon, text, nullptr);
}

} // namespace takton
