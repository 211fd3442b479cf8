#pragma once
// The application object: loads the window fonts and follows changes of the user's
// regional settings.

#include <QApplication>

namespace takton {

class Application : public QApplication {
    Q_OBJECT
public:
    Application(int& argc, char** argv);

protected:
    bool event(QEvent* event) override;
};

} // namespace takton
