#include "Unit7.h"

#include "units.h"

using namespace takton;

TForm7* Form7 = nullptr;

#include "Unit7Layout.h"

TForm7::TForm7()
    : Calculator({.objectName = "Form7",
                  .caption = u"С одним источником эмиттерного питания, ёмкостной и резистивно-ёмкостной связями",
                  .outerSize = {1210, 893},
                  .schematic = u":/schematics/form7.jpg"})
{
    build(controls);
    setFocusOrder({"Edit1", "Edit2", "Edit3", "Edit4", "Button1", "Edit5", "Edit6", "Edit7", "Edit8",
                   "Edit9", "Edit10", "Edit11", "Edit12", "Button2", "Edit13", "Edit14", "Button3",
                   "Edit15", "Edit16", "Button4", "Edit17", "Edit18", "Button5", "Edit19", "Edit20",
                   "Button6", "Edit21", "Button7", "Edit22", "Button8", "Button9"});
}

void TForm7::Button1Click()
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
void TForm7::Button2Click()
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

// The source ranges come from the amplitudes Step 1 stored, not from the fields; all
// four ends are stored before either range is shown.
void TForm7::Button3Click()
{
    Ee1flo = store(1.05L * X(Um1));
    Ee1fhi = store(1.1L * X(Um1));
    Ee2flo = store(1.15L * X(Um2));
    Ee2fhi = store(1.25L * X(Um2));
    writeRange("Label30", Ee1flo, Ee1fhi, unit::volts);
    writeRange("Label34", Ee2flo, Ee2fhi, unit::volts);
    Ukb1max = read("Edit9");
    Ee1flim = store(0.5L * X(Ukb1max));
    write("Label32", Ee1flim, unit::volts); // Еэ1ф stays below half of T1's rating
    Ukb2max = read("Edit10");
    Ee2flim = store(0.5L * X(Ukb2max));
    write("Label36", Ee2flim, unit::volts);
}

// All four fields are read before anything is computed.
void TForm7::Button4Click()
{
    Ee1f = read("Edit15");
    Ee2f = read("Edit16");
    Ik1 = read("Edit13");
    Ik2 = read("Edit14");
    Rk1calc = store(X(Ee1f) / Ik1);
    write("Label39", Rk1calc, unit::ohms);
    Rk2calc = store(X(Ee2f) / Ik2);
    write("Label41", Rk2calc, unit::ohms);
}

// Rб1 gets a single value, Rб2 a range.
void TForm7::Button5Click()
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

// Uses the accepted sources of Step 4 and the accepted Rк2 of Step 5.
void TForm7::Button6Click()
{
    Rb1 = read("Edit19");
    Rmax = store((X(Ee2f) * Rb1 - X(Ee1f) * Rk2) / Ee1f);
    write("Label49", Rmax, unit::ohms);
}

// The period is in microseconds, the resistances in ohms; the capacitance is stored in
// farads and shown in nanofarads.
void TForm7::Button7Click()
{
    tau = read("Edit3");
    Rb2 = read("Edit20");
    Ccalc = store((1e-6L * X(tau)) / ((X(Rb2) + Rk1) * 0.8L));
    write("Label52", X(Ccalc) * 1e9L, unit::nanofarads);
}

// C1 across R must stay below the capacitance at which C1 Req equals C (Rб2 + Rк1),
// Req being Rб1 + Rк2 in parallel with R. C is typed in nanofarads. Uses Rб1 of Step 6,
// Rк1 and Rк2 of Step 5 and Rб2 of Step 7, not the fields.
void TForm7::Button8Click()
{
    C = read("Edit22");
    R = read("Edit21");
    Req = store(((X(Rb1) + Rk2) * R) / ((X(Rb1) + Rk2) + R));
    C1calc = store(((X(Rb2) + Rk1) * (1e-9L * X(C))) / Req);
    write("Label55", X(C1calc) * 1e9L, unit::nanofarads);
}

// Еэ is the sum of the two accepted fictitious sources of Step 4.
void TForm7::Button9Click()
{
    Ee = store(X(Ee1f) + Ee2f);
    write("Label57", Ee, unit::volts);
}
