#include "Unit8.h"

#include "units.h"

using namespace takton;

TForm8* Form8 = nullptr;

#include "Unit8Layout.h"

TForm8::TForm8()
    : Calculator({.objectName = "Form8",
                  .caption = u"С одним источником эмиттерного питания и ёмкостными связями",
                  .outerSize = {1177, 901},
                  .schematic = u":/schematics/form8.jpg"})
{
    build(controls);
    setFocusOrder({"Edit1", "Edit2", "Edit3", "Edit4", "Button1", "Edit5", "Edit6", "Edit7", "Edit8", "Edit9",
                   "Edit10", "Edit11", "Edit12", "Button2", "Edit13", "Edit14", "Button3", "Edit15", "Edit16",
                   "Button4", "Edit17", "Edit18", "Button5", "Edit19", "Edit20", "Button6", "Edit21", "Button7",
                   "Button8"});
}

void TForm8::Button1Click()
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
void TForm8::Button2Click()
{
    Ik1max = read("Edit5");
    Ik1hi = store(0.7L * X(Ik1max));
    write("Label21", Ik1hi, unit::amperes);
    Ikbo1 = read("Edit9");
    Ik1lo = store(10 * X(Ikbo1));
    write("Label23", Ik1lo, unit::microamperes);
    Ik2max = read("Edit6");
    Ik2hi = store(0.7L * X(Ik2max));
    write("Label25", Ik2hi, unit::amperes);
    Ikbo2 = read("Edit11");
    Ik2lo = store(10 * X(Ikbo2));
    write("Label27", Ik2lo, unit::microamperes);
}

// The single emitter supply is treated as two fictitious sources, one for each half,
// from the amplitudes Step 1 stored, not from the fields.
void TForm8::Button3Click()
{
    Ee1fcalc = store(1.1L * X(Um1));
    write("Label30", Ee1fcalc, unit::volts);
    Ee2fcalc = store(1.1L * X(Um2));
    write("Label32", Ee2fcalc, unit::volts);
}

// Every field is read before the first division.
void TForm8::Button4Click()
{
    Ee1f = read("Edit15");
    Ee2f = read("Edit16");
    Ik1 = read("Edit13");
    Ik2 = read("Edit14");
    Rk1calc = store(X(Ee1f) / Ik1);
    write("Label35", Rk1calc, unit::ohms);
    Rk2calc = store(X(Ee2f) / Ik2);
    write("Label37", Rk2calc, unit::ohms);
}

// Rб lies between 3 and 5 times beta x Rк.
void TForm8::Button5Click()
{
    Rk1 = read("Edit17");
    beta1min = read("Edit10");
    Rb1lo = store(3 * X(beta1min) * Rk1);
    Rb1hi = store(5 * X(beta1min) * Rk1);
    writeRange("Label40", Rb1lo, Rb1hi, unit::ohms);
    Rk2 = read("Edit18");
    beta2min = read("Edit12");
    Rb2lo = store(3 * X(beta2min) * Rk2);
    Rb2hi = store(5 * X(beta2min) * Rk2);
    writeRange("Label42", Rb2lo, Rb2hi, unit::ohms);
}

// tau = 0.75 (Rб1 + Rк2) C2, with the period in microseconds and Rк2 as Step 5 stored
// it; C2 is kept in farads and shown in nanofarads.
void TForm8::Button6Click()
{
    tau = read("Edit3");
    Rb1 = read("Edit19");
    C2calc = store((1e-6L * X(tau)) / ((X(Rb1) + Rk2) * 0.75L));
    write("Label45", X(C2calc) * 1e9L, unit::nanofarads);
}

// C1 (Rб2 + Rк1) = C2 (Rб1 + Rк2), with the accepted C2 typed in nanofarads and Rб1 as
// Step 6 stored it.
void TForm8::Button7Click()
{
    C2 = read("Edit21");
    Rb2 = read("Edit20");
    C1calc = store(((X(Rb1) + Rk2) * (1e-9L * X(C2))) / (X(Rb2) + Rk1));
    write("Label48", X(C1calc) * 1e9L, unit::nanofarads);
}

// The real supply is the sum of the two fictitious ones accepted in Step 4.
void TForm8::Button8Click()
{
    Ee = store(X(Ee1f) + Ee2f);
    write("Label50", Ee, unit::volts);
}
