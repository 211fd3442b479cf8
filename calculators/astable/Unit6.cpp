#include "Unit6.h"

#include "units.h"

using namespace takton;

TForm6* Form6 = nullptr;

#include "Unit6Layout.h"

TForm6::TForm6()
    : Calculator({.objectName = "Form6",
                  .caption = u"С одним источником питания, резистивной и ёмкостной связями",
                  .outerSize = {1262, 996},
                  .schematic = u":/schematics/form6.jpg"})
{
    build(controls);
    // Step 4's button comes before the two supply fields above it.
    setFocusOrder({"Edit1", "Edit2", "Edit3", "Edit4", "Button1", "Edit5", "Edit6", "Edit7", "Edit8",
                   "Edit9", "Edit10", "Edit11", "Edit12", "Button2", "Edit13", "Edit14", "Button3",
                   "Button4", "Edit15", "Edit16", "Edit17", "Edit18", "Button5", "Edit19", "Edit20",
                   "Button6", "Edit21", "Button7", "Button8"});
}

void TForm6::Button1Click()
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
void TForm6::Button2Click()
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

// The suggestions come from the amplitudes Step 1 stored, not from the fields; both are
// stored before either is shown. Each fictitious source stays below half its
// transistor's collector-base rating, which is shown but not kept.
void TForm6::Button3Click()
{
    Ek1fcalc = store(1.1L * X(Um1));
    Ek2fcalc = store(1.1L * X(Um2));
    write("Label30", Ek1fcalc, unit::volts);
    write("Label34", Ek2fcalc, unit::volts);
    Ukb1max = read("Edit9");
    write("Label32", 0.5L * X(Ukb1max), unit::volts);
    Ukb2max = read("Edit10");
    write("Label36", 0.5L * X(Ukb2max), unit::volts);
}

// All four fields are taken before anything is computed.
void TForm6::Button4Click()
{
    Ek1f = read("Edit15");
    Ek2f = read("Edit16");
    Ik1 = read("Edit13");
    Ik2 = read("Edit14");
    Rk1calc = store(X(Ek1f) / Ik1);
    write("Label39", Rk1calc, unit::ohms);
    Rk2calc = store(X(Ek2f) / Ik2);
    write("Label41", Rk2calc, unit::ohms);
}

void TForm6::Button5Click()
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

// Uses the accepted fictitious sources of Step 4 and the accepted Rк2 of Step 5; a
// negative bound is shown with its sign.
void TForm6::Button6Click()
{
    Rb1 = read("Edit19");
    Rmax = store((X(Ek2f) * Rb1 - X(Ek1f) * Rk2) / Ek1f);
    write("Label49", Rmax, unit::ohms);
}

// The period is in microseconds, the resistances in ohms; the capacitance is stored in
// farads and shown in nanofarads. Uses the accepted Rк1 of Step 5.
void TForm6::Button7Click()
{
    tau = read("Edit3");
    Rb2 = read("Edit20");
    Ccalc = store((1e-6L * X(tau)) / ((X(Rb2) + Rk1) * 0.9L));
    write("Label52", X(Ccalc) * 1e9L, unit::nanofarads);
}

// The one supply feeds both stages: the sum of the two accepted fictitious sources.
void TForm6::Button8Click()
{
    Ek = store(X(Ek1f) + Ek2f);
    write("Label54", Ek, unit::volts);
}
