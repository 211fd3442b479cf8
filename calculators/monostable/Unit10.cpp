#include "Unit10.h"

#include "units.h"

using namespace takton;

TForm10* Form10 = nullptr;

#include "Unit10Layout.h"

TForm10::TForm10()
    : Calculator({.objectName = "Form10",
                  .caption = u"Ждущий мультивибратор с ёмкостными связями",
                  .outerSize = {1147, 965},
                  .schematic = u":/schematics/form10.jpg"})
{
    build(controls);
    setFocusOrder({"Edit1", "Edit2", "Edit3", "Edit4", "Button1", "Button2", "Edit5", "Edit6", "Edit7",
                   "Edit8", "Edit9", "Edit10", "Edit11", "Edit12", "Edit13", "Edit14", "Button3", "Edit15",
                   "Edit16", "Button4", "Edit17", "Edit18", "Button5", "Edit19", "Edit20", "Button6",
                   "Edit21", "Button7"});
}

void TForm10::Button1Click()
{
    Um1 = read("Edit1");
    Um2 = read("Edit2");
    Ukb1min = store(2 * X(Um1));
    write("Label10", Ukb1min, unit::volts);
    Ukb2min = store(2 * X(Um2));
    write("Label13", Ukb2min, unit::volts);
    write("Label15", Um1, unit::volts); // the reverse base-emitter rating must exceed it
    write("Label17", Um2, unit::volts);
}

// Upper bounds in amperes, lower bounds in microamperes, as the currents were typed.
void TForm10::Button2Click()
{
    Ik1max = read("Edit5");
    Ik1hi = store(0.7L * X(Ik1max));
    write("Label24", Ik1hi, unit::amperes);
    Ikbo1 = read("Edit9");
    Ik1lo = store(10 * X(Ikbo1));
    write("Label26", Ik1lo, unit::microamperes);
    Ik2max = read("Edit6");
    Ik2hi = store(0.7L * X(Ik2max));
    write("Label28", Ik2hi, unit::amperes);
    Ikbo2 = read("Edit10");
    Ik2lo = store(10 * X(Ikbo2));
    write("Label30", Ik2lo, unit::microamperes);
}

// The supplies come from the amplitudes Step 1 stored, not from the fields; Ек1 is
// negative in the circuit and is given as its magnitude.
void TForm10::Button3Click()
{
    Ek1calc = store(1.1L * X(Um1));
    write("Label33", Ek1calc, unit::volts);
    Ek2calc = store(1.1L * X(Um2));
    write("Label35", Ek2calc, unit::volts);
}

// All four fields are read before either division.
void TForm10::Button4Click()
{
    Ek1 = read("Edit15");
    Ek2 = read("Edit16");
    Ik1 = read("Edit13");
    Ik2 = read("Edit14");
    Rk1calc = store(X(Ek1) / Ik1);
    write("Label38", Rk1calc, unit::ohms);
    Rk2calc = store(X(Ek2) / Ik2);
    write("Label40", Rk2calc, unit::ohms);
}

// The margin 1.1 is for Rб1 only; Rб2 is the plain product of gain and Rк2.
void TForm10::Button5Click()
{
    beta1min = read("Edit11");
    Rk1 = read("Edit17");
    Rk2 = read("Edit18");
    Rb1calc = store(1.1L * X(beta1min) * Rk1);
    write("Label43", Rb1calc, unit::ohms);
    beta2min = read("Edit12");
    Rb2calc = store(X(beta2min) * Rk2);
    write("Label45", Rb2calc, unit::ohms);
}

// tau = 0.7 (Rк2 + Rб1) C2 with tau in microseconds; Rк2 is the one Step 5 last read.
// The capacitance is stored in farads and shown in nanofarads.
void TForm10::Button6Click()
{
    tau = read("Edit3");
    Rb1 = read("Edit19");
    C2calc = store((1e-6L * X(tau)) / (0.7L * (X(Rk2) + Rb1)));
    write("Label50", X(C2calc) * 1e9L, unit::nanofarads);
}

// C1 (Rк1 + Rб2) = C2 (Rк2 + Rб1): the other half gets the same time constant. The
// accepted C2 is typed in nanofarads; Rк1, Rк2 and Rб1 are those Steps 5 and 6 last read.
void TForm10::Button7Click()
{
    C2 = read("Edit21");
    Rb2 = read("Edit20");
    C1calc = store(((X(Rb1) + Rk2) * (1e-9L * X(C2))) / (X(Rb2) + Rk1));
    write("Label53", X(C1calc) * 1e9L, unit::nanofarads);
}
