#include "Unit3.h"

#include "units.h"

using namespace takton;

TForm3* Form3 = nullptr;

#include "Unit3Layout.h"

TForm3::TForm3()
    : Calculator({.objectName = "Form3",
                  .caption = u"С двумя источниками коллекторного питания, ёмкостной и резистивно-ёмкостной связями",
                  .outerSize = {1227, 982},
                  .schematic = u":/schematics/form3.jpg"})
{
    build(controls);
    setFocusOrder({"Edit1", "Edit2", "Edit3", "Edit4", "Button1", "Edit5", "Edit6", "Edit7", "Edit8", "Edit9",
                   "Edit10", "Edit11", "Edit12", "Button2", "Edit13", "Edit14", "Button3", "Edit15", "Edit16",
                   "Button4", "Edit17", "Edit18", "Button5", "Button6", "Edit19", "Edit20", "Edit21", "Button7",
                   "Edit22", "Button8"});
}

void TForm3::Button1Click()
{
    Um1 = read("Edit1");
    Um2 = read("Edit2");
    Ukb1min = store(2 * X(Um1));
    write("Label8", Ukb1min, unit::volts);
    Ukb2min = store(2 * X(Um2));
    write("Label10", Ukb2min, unit::volts);
    write("Label12", Um1, unit::volts); // the reverse base-emitter rating must exceed it
    write("Label14", Um2, unit::volts);
}

// Upper bounds in amperes, lower bounds in microamperes, as the currents were typed.
void TForm3::Button2Click()
{
    Ik1max = read("Edit5");
    Ik1hi = store(0.7L * X(Ik1max));
    write("Label21", Ik1hi, unit::amperes);
    Ikbo1 = read("Edit7");
    Ik1lo = store(10 * X(Ikbo1));
    write("Label23", Ik1lo, unit::microamperes);
    Ik2max = read("Edit6");
    Ik2hi = store(0.7L * X(Ik2max));
    write("Label25", Ik2hi, unit::amperes);
    Ikbo2 = read("Edit8");
    Ik2lo = store(10 * X(Ikbo2));
    write("Label27", Ik2lo, unit::microamperes);
}

// The supply ranges come from the amplitudes Step 1 stored, not from the fields; each
// supply stays below half of its transistor's collector-base rating.
void TForm3::Button3Click()
{
    Ek1lo = store(1.05L * X(Um1));
    Ek1hi = store(1.1L * X(Um1));
    Ek2lo = store(1.15L * X(Um2));
    Ek2hi = store(1.25L * X(Um2));
    writeRange("Label30", Ek1lo, Ek1hi, unit::volts);
    writeRange("Label34", Ek2lo, Ek2hi, unit::volts);
    Ukb1max = read("Edit9");
    Ek1lim = store(0.5L * X(Ukb1max));
    write("Label32", Ek1lim, unit::volts);
    Ukb2max = read("Edit10");
    Ek2lim = store(0.5L * X(Ukb2max));
    write("Label36", Ek2lim, unit::volts);
}

// The magnitude of Ек1 is typed as a positive number.
void TForm3::Button4Click()
{
    Ek1 = read("Edit15");
    Ek2 = read("Edit16");
    Ik1 = read("Edit13");
    Ik2 = read("Edit14");
    Rk1calc = store(X(Ek1) / Ik1);
    write("Label39", Rk1calc, unit::ohms);
    Rk2calc = store(X(Ek2) / Ik2);
    write("Label41", Rk2calc, unit::ohms);
}

void TForm3::Button5Click()
{
    Rk1 = read("Edit17");
    beta1min = read("Edit11");
    Rb1calc = store(X(beta1min) * Rk1);
    write("Label44", Rb1calc, unit::ohms);
    Rk2 = read("Edit18");
    beta2min = read("Edit12");
    Rb2lo = store(3 * X(beta2min) * Rk2);
    Rb2hi = store(5 * X(beta2min) * Rk2);
    writeRange("Label46", Rb2lo, Rb2hi, unit::ohms);
}

// Uses the accepted supplies of Step 4 and the accepted Rк2 of Step 5.
void TForm3::Button6Click()
{
    Rb1 = read("Edit19");
    Rmax = store((X(Ek2) * Rb1 - X(Ek1) * Rk2) / Ek1);
    write("Label49", Rmax, unit::ohms);
}

// The period is in microseconds, the resistances in ohms; the capacitance is stored in
// farads and shown in nanofarads.
void TForm3::Button7Click()
{
    tau = read("Edit3");
    Rb2 = read("Edit20");
    Ccalc = store((1e-6L * X(tau)) / ((X(Rb2) + Rk1) * 0.8L));
    write("Label52", X(Ccalc) * 1e9L, unit::nanofarads);
}

// C1 across R: the limit follows from the C the user accepted (typed in nanofarads), not
// from the one Step 7 computed, and from R in parallel with Rб1 + Rк2.
void TForm3::Button8Click()
{
    C = read("Edit22");
    R = read("Edit21");
    Rpar = store(((X(Rb1) + Rk2) * R) / ((X(Rb1) + Rk2) + R));
    C1calc = store(((X(Rb2) + Rk1) * (1e-9L * X(C))) / Rpar);
    write("Label55", X(C1calc) * 1e9L, unit::nanofarads);
}
