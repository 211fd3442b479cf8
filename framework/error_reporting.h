#pragma once
// The one place where failures end up. Every handler a window runs on a click goes
// through `runReported`: whatever it throws is shown to the user in the error box and
// the program goes on with what the handler stored or wrote before it failed.

#include <QString>
#include <QStringView>
#include <exception>
#include <functional>

class QWidget;

namespace takton {

// The caption of every message box and dialog.
inline constexpr QStringView applicationTitle = u"\u0422\u0430\u043A\u0442\u043E\u043D"; // Тактон

// `owner` is the window whose handler ran: the box is centred on it and gives the
// focus back to it.
void runReported(const std::function<void()>& handler, QWidget* owner);

// The text a failure is shown with.
QString messageOf(const std::exception_ptr& failure);

// A message whose last character sorts after "." gets a closing full stop.
QString withClosingFullStop(const QString& message);

// The modal error box: stop icon, one "OK" button.
void showErrorBox(const QString& text, QWidget* parent);

// The modal information dialog: no icon, one "OK" button, centred on the screen.
void ShowMessage(const QString& text);

} // namespace takton
