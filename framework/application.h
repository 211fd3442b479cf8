#pragma once
// The application object: loads the window fonts and follows changes of the user's
// regional settings.

#include "fonts.h"

#include <QApplication>

namespace takton {

class Application : public QApplication {
    Q_OBJECT
public:
    // The default `fontconfig` is made before the QApplication base, so fontconfig is
    // read while Qt connects to the display.
    Application(int& argc, char** argv, FontconfigWarmUp fontconfig = {});

protected:
    bool event(QEvent* event) override;
};

} // namespace takton
