#include "Unit5.h"

#include "units.h"

using namespace takton;

TForm5* Form5 = nullptr;

#include "Unit5Layout.h"

TForm5::TForm5()
    : Calculator({.objectName = "Form5",
                  .caption = u"С одним источником коллекторного питания и ёмкостными связями",
                  .outerSize = {1224, 980},
                  .schematic = u":/schematics/form5.jpg"})
{
    build(controls);
    setFocusOrder({"Edit1", "Edit2", "Edit3", "Edit4", "Button1", "Edit5", "Edit6", "Edit7", "Edit8", "Edit9",
                   "Edit10", "Edit11", "Edit12", "Button2", "Edit13", "Edit14", "Button3", "Edit15", "Edit16",
                   "Button4", "Edit17", "Edit18", "Button5", "Edit19", "Edit20", "Button6", "Edit21", "Button7",
                   "Button8"});
}

void TForm5::Button1Click()
{
    Um1 = read("Edit1");
    Um2 = read("Edit2");
    Ukb1min = store(2 * X(Um1));
    write("Label9", Ukb1min, unit::volts);
    Ukb2min = store(2 * X(Um2));
    write("Label11", Ukb2min, unit::volts);
    write("Label13", Um1, unit::volts); // the reverse base-emitter rating must exceed it
    write("Label15", Um2, unit::volts);
}

// Upper bounds in amperes, lower bounds in microamperes, as the currents were typed.
void TForm5::Button2Click()
{
    Ik1max = read("Edit5");
    Ik1hi = store(0.7L * X(Ik1max));
    write("Label22", Ik1hi, unit::amperes);
    Ikbo1 = read("Edit7");
    Ik1lo = store(10 * X(Ikbo1));
    write("Label24", Ik1lo, unit::microamperes);
    Ik2max = read("Edit6");
    Ik2hi = store(0.7L * X(Ik2max));
    write("Label26", Ik2hi, unit::amperes);
    Ikbo2 = read("Edit8");
    Ik2lo = store(10 * X(Ikbo2));
    write("Label28", Ik2lo, unit::microamperes);
}

// The suggestions come from the amplitudes Step 1 stored, not from the fields.
void TForm5::Button3Click()
{
    Ek1fcalc = store(1.1L * X(Um1));
    write("Label31", Ek1fcalc, unit::volts);
    Ek2fcalc = store(1.1L * X(Um2));
    write("Label33", Ek2fcalc, unit::volts);
}

// All four fields are read before anything is divided.
void TForm5::Button4Click()
{
    Ek1f = read("Edit15");
    Ek2f = read("Edit16");
    Ik1 = read("Edit13");
    Ik2 = read("Edit14");
    Rk1calc = store(X(Ek1f) / Ik1);
    write("Label36", Rk1calc, unit::ohms);
    Rk2calc = store(X(Ek2f) / Ik2);
    write("Label38", Rk2calc, unit::ohms);
}

void TForm5::Button5Click()
{
    Rk1 = read("Edit17");
    beta1min = read("Edit11");
    Rb1lo = store(3 * X(beta1min) * Rk1);
    Rb1hi = store(5 * X(beta1min) * Rk1);
    writeRange("Label41", Rb1lo, Rb1hi, unit::ohms);
    Rk2 = read("Edit18");
    beta2min = read("Edit12");
    Rb2lo = store(3 * X(beta2min) * Rk2);
    Rb2hi = store(5 * X(beta2min) * Rk2);
    writeRange("Label43", Rb2lo, Rb2hi, unit::ohms);
}

// The period is in microseconds and Rк2 is the one Step 5 accepted; С2 is stored in
// farads and shown in nanofarads, chosen so that 0.75 (Rб1 + Rк2) С2 is the period.
void TForm5::Button6Click()
{
    tau = read("Edit3");
    Rb1 = read("Edit19");
    C2calc = store((1e-6L * X(tau)) / ((X(Rb1) + Rk2) * 0.75L));
    write("Label46", X(C2calc) * 1e9L, unit::nanofarads);
}

// С1 (Rб2 + Rк1) = С2 (Rб1 + Rк2), with Rб1 as Step 6 and Rк1, Rк2 as Step 5 last
// stored them; the accepted С2 is typed in nanofarads.
void TForm5::Button7Click()
{
    C2 = read("Edit21");
    Rb2 = read("Edit20");
    C1calc = store(((X(Rb1) + Rk2) * (1e-9L * X(C2))) / (X(Rb2) + Rk1));
    write("Label49", X(C1calc) * 1e9L, unit::nanofarads);
}

// The common supply is the sum of the two fictitious sources Step 4 accepted.
void TForm5::Button8Click()
{
    Ek = store(X(Ek1f) + Ek2f);
    write("Label51", Ek, unit::volts);
}
