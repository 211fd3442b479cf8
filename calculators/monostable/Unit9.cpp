#include "Unit9.h"

#include "units.h"

using namespace takton;

TForm9* Form9 = nullptr;

#include "Unit9Layout.h"

TForm9::TForm9()
    : Calculator({.objectName = "Form9",
                   .caption = u"Ждущий мультивибратор с запуском положительным импульсом",
                   .outerSize = {1206, 877},
                   .schematic = u":/schematics/form9.jpg"})
{
    build(controls);
    setFocusOrder({"Edit1", "Edit2", "Edit3", "Edit4", "Button1", "Edit5", "Edit6", "Edit7", "Edit8",
                   "Edit9", "Edit10", "Edit11", "Edit12", "Button2", "Edit13", "Edit14", "Button3",
                   "Edit15", "Edit16", "Button4", "Edit17", "Edit18", "Button5", "Edit19", "Button6",
                   "Edit20", "Button7"});
}

void TForm9::Button1Click()
{
    Um1 = read("Edit1");
    Um2 = read("Edit2");
    Ukb1min = store(2 * X(Um1));
    write("Label9", Ukb1min, unit::volts);
    Ukb2min = store(2 * X(Um2));
    write("Label12", Ukb2min, unit::volts);
    write("Label14", Um1, unit::volts); // the reverse base-emitter rating must exceed it
    write("Label16", Um2, unit::volts);
}

// Upper bounds in amperes, lower bounds in microamperes, as the currents were typed.
void TForm9::Button2Click()
{
    Ik1max = read("Edit5");
    Ik1hi = store(0.7L * X(Ik1max));
    write("Label23", Ik1hi, unit::amperes);
    Ikbo1 = read("Edit9");
    Ik1lo = store(10 * X(Ikbo1));
    write("Label25", Ik1lo, unit::microamperes);
    Ik2max = read("Edit6");
    Ik2hi = store(0.7L * X(Ik2max));
    write("Label27", Ik2hi, unit::amperes);
    Ikbo2 = read("Edit10");
    Ik2lo = store(10 * X(Ikbo2));
    write("Label29", Ik2lo, unit::microamperes);
}

// The supplies come from the amplitudes Step 1 stored, not from the fields; Ек1 is
// negative in the circuit and is given as its magnitude.
void TForm9::Button3Click()
{
    Ek1calc = store(1.1L * X(Um1));
    write("Label32", Ek1calc, unit::volts);
    Ek2calc = store(1.1L * X(Um2));
    write("Label34", Ek2calc, unit::volts);
}

void TForm9::Button4Click()
{
    Ek1 = read("Edit15");
    Ek2 = read("Edit16");
    Ik1 = read("Edit13");
    Ik2 = read("Edit14");
    Rk1calc = store(X(Ek1) / Ik1);
    write("Label37", Rk1calc, unit::ohms);
    Rk2calc = store(X(Ek2) / Ik2);
    write("Label39", Rk2calc, unit::ohms);
}

// Only the accepted Rк1 is read here; the accepted Rк2 beside it is Step 6's.
void TForm9::Button5Click()
{
    Rk1 = read("Edit17");
    beta1min = read("Edit11");
    Rb1lo = store(3 * X(beta1min) * Rk1);
    Rb1hi = store(5 * X(beta1min) * Rk1);
    writeRange("Label42", Rb1lo, Rb1hi, unit::ohms);
}

// Times in microseconds, resistances in ohms; the capacitance, from
// trec = 0.7 (Rк2 + Rб1) C, is stored in farads and shown in nanofarads.
void TForm9::Button6Click()
{
    tau = read("Edit3");
    trec = store(X(tau) / 0.05L);
    write("Label44", trec, unit::microseconds);
    Rk2 = read("Edit18");
    Rb1 = read("Edit19");
    C12calc = store((1e-6L * X(trec)) / (0.7L * (X(Rk2) + Rb1)));
    write("Label47", X(C12calc) * 1e9L, unit::nanofarads);
}

// The accepted capacitance is typed in nanofarads; Rб1 is the one Step 6 last read.
// The capacitance stands in both numerator and denominator, so any non-zero C shows
// Rб1 itself and C = 0 is refused as 0/0.
void TForm9::Button7Click()
{
    C12 = read("Edit20");
    Rb2calc = store((1e-9L * X(C12) * Rb1) / (1e-9L * X(C12)));
    write("Label50", Rb2calc, unit::ohms);
}
