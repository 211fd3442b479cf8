#include "Unit4.h"

#include "units.h"

using namespace takton;

TForm4* Form4 = nullptr;

#include "Unit4Layout.h"

TForm4::TForm4()
    : Calculator({.objectName = "Form4",
                  .caption = u"С двумя источниками коллекторного питания и ёмкостными связями",
                  .outerSize = {1243, 988},
                  .schematic = u":/schematics/form4.jpg"})
{
    build(controls);
    setFocusOrder({"Edit1", "Edit2", "Edit3", "Edit4", "Button1", "Edit5", "Edit6", "Edit7", "Edit8", "Edit9",
                   "Edit10", "Edit11", "Edit12", "Button2", "Edit13", "Edit14", "Button3", "Edit15", "Edit16",
                   "Button4", "Edit17", "Edit18", "Button5", "Edit19", "Edit20", "Button6", "Edit21", "Button7"});
}

void TForm4::Button1Click()
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
void TForm4::Button2Click()
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
    Ikbo2 = read("Edit11");
    Ik2lo = store(10 * X(Ikbo2));
    write("Label29", Ik2lo, unit::microamperes);
}

// One value per supply, from the amplitudes Step 1 stored, not from the fields.
void TForm4::Button3Click()
{
    Ek1calc = store(1.1L * X(Um1));
    write("Label32", Ek1calc, unit::volts);
    Ek2calc = store(1.1L * X(Um2));
    write("Label34", Ek2calc, unit::volts);
}

void TForm4::Button4Click()
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

void TForm4::Button5Click()
{
    Rk1 = read("Edit17");
    beta1min = read("Edit10");
    Rb1lo = store(3 * X(beta1min) * Rk1);
    Rb1hi = store(5 * X(beta1min) * Rk1);
    writeRange("Label42", Rb1lo, Rb1hi, unit::ohms);
    Rk2 = read("Edit18");
    beta2min = read("Edit12");
    Rb2lo = store(3 * X(beta2min) * Rk2);
    Rb2hi = store(5 * X(beta2min) * Rk2);
    writeRange("Label44", Rb2lo, Rb2hi, unit::ohms);
}

// The period is in microseconds, the resistances in ohms; C2 is stored in farads and
// shown in nanofarads. Rк2 is the one accepted in Step 5.
void TForm4::Button6Click()
{
    tau = read("Edit3");
    Rb1 = read("Edit19");
    C2calc = store((1e-6L * X(tau)) / ((X(Rb1) + Rk2) * 0.75L));
    write("Label47", X(C2calc) * 1e9L, unit::nanofarads);
}

// C1 (Rб2 + Rк1) = C2 (Rб1 + Rк2), with the C2 typed in nanofarads rather than the one
// Step 6 computed; the resistors are the accepted ones of Steps 5 and 6.
void TForm4::Button7Click()
{
    C2 = read("Edit21");
    Rb2 = read("Edit20");
    C1calc = store(((X(Rb1) + Rk2) * (1e-9L * X(C2))) / (X(Rb2) + Rk1));
    write("Label50", X(C1calc) * 1e9L, unit::nanofarads);
}
