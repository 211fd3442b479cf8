#include "error_reporting.h"

#include "errors.h"

#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QScreen>
#include <QTimer>
#include <algorithm>
#include <QMessageBox>
#include <QPushButton>

namespace takton {
namespace {

// A message box wraps any text wider than a few hundred pixels; a short citation or
// message reads better on one line, as wide as the screen allows the box to grow.
void keepOnOneLine(QMessageBox& box, const QString& text, int screenWidth)
{
    auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
    if (!label)
        return;
    const int widest = screenWidth <= 1024 ? screenWidth - 120 : std::min(screenWidth - 480, 1000) - 120;
    const int needed = QFontMetrics(label->font()).horizontalAdvance(text) + 2;
    if (needed <= widest)
        label->setMinimumWidth(needed);
}

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
    QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
    keepOnOneLine(box, text, screen->availableGeometry().width());
    if (!parent) // once its frame is known, the box stands in the middle of the screen
        QTimer::singleShot(0, &box, [&box, screen] {
            QRect frame = box.frameGeometry();
            frame.moveCenter(screen->availableGeometry().center());
            box.move(frame.topLeft());
        });
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
