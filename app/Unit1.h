#pragma once
// The main window: the menu of circuit variants, the source of the design method and
// a link to the book in a library catalogue.

#include "calculator.h"

class TForm1 : public takton::TableWindowOf<TForm1> {
    Q_OBJECT
public:
    TForm1();

    void Button1Click();
    void Button2Click();
    void Button3Click();
    void Button4Click();
    void Button5Click();
    void Button6Click();
    void Button7Click();
    void Button8Click();
    void Button9Click();
    void Button10Click();
    void Button11Click();
    void Label4Click();

protected:
    void showCalculator(takton::ControlName<TForm1, takton::Kind::Button> button);

    // Closing the menu ends the program, whatever calculators are open.
    void closeEvent(QCloseEvent* event) override;
};

extern TForm1* Form1;

// The page Label4 opens.
extern const char* const catalogueAddress;
