#include "Unit2.h"

#include "units.h"

using namespace takton;

TForm2* Form2 = nullptr;

#include "Unit2Layout.h"

TForm2::TForm2()
    : Calculator({.objectName = "Form2",
                   .caption = u"С двумя источниками коллекторного питания, резистивной и ёмкостной связями",
                   .outerSize = {1212, 997},
                   .designedPosition = QPoint(369, 827),
                   .maximizeBox = true,
                   .schematic = u":/schematics/form2.jpg"})
{
    build(controls);
    setFocusOrder({"Edit1", "Edit2", "Edit4", "Edit6", "Button1", "Button2", "Edit7", "Edit8", "Edit9",
                   "Edit10", "Edit11", "Edit12", "Edit13", "Edit14", "Edit15", "Edit16", "Button3",
                   "Edit17", "Edit18", "Button4", "Edit19", "Edit20", "Button5", "Edit21", "Edit22",
                   "Button6", "Button7", "Edit23"});
}

void TForm2::Button1Click()
{
    Um1 = read("Edit1");
    Um2 = read("Edit2");
    Ukb1min = store(2 * X(Um1));
    write("Label10", Ukb1min, unit::volts);
    Ukb2min = store(2 * X(Um2));
    write("Label12", Ukb2min, unit::volts);
    write("Label14", Um1, unit::volts); // the reverse base-emitter rating must exceed it
    write("Label16", Um2, unit::volts);
}

// Upper bounds in amperes, lower bounds in microamperes, as the currents were typed.
void TForm2::Button2Click()
{
    Ik1max = read("Edit7");
    Ik1hi = store(0.7L * X(Ik1max));
    write("Label26", Ik1hi, unit::amperes);
    Ikbo1 = read("Edit9");
    Ik1lo = store(10 * X(Ikbo1));
    write("Label30", Ik1lo, unit::microamperes);
    Ik2max = read("Edit8");
    Ik2hi = store(0.7L * X(Ik2max));
    write("Label28", Ik2hi, unit::amperes);
    Ikbo2 = read("Edit10");
    Ik2lo = store(10 * X(Ikbo2));
    write("Label32", Ik2lo, unit::microamperes);
}

// The supply ranges come from the amplitudes Step 1 stored, not from the fields.
void TForm2::Button3Click()
{
    Ek1lo = store(1.05L * X(Um1));
    Ek1hi = store(1.1L * X(Um1));
    Ek2lo = store(1.15L * X(Um2));
    Ek2hi = store(1.25L * X(Um2));
    writeRange("Label35", Ek1lo, Ek1hi, unit::volts);
    writeRange("Label37", Ek2lo, Ek2hi, unit::volts);
    Ukb1max = read("Edit11");
    write("Label40", Ukb1max, unit::volts); // |Ек1| stays below T1's own rating
    Ukb2max = read("Edit12");
    Ek2lim = store(0.5L * X(Ukb2max));
    write("Label42", Ek2lim, unit::volts);
}

void TForm2::Button4Click()
{
    Ek1 = read("Edit17");
    Ek2 = read("Edit18");
    Ik1 = read("Edit15");
    Ik2 = read("Edit16");
    Rk1calc = store(X(Ek1) / Ik1);
    write("Label44", Rk1calc, unit::ohms);
    Rk2calc = store(X(Ek2) / Ik2);
    write("Label46", Rk2calc, unit::ohms);
}

void TForm2::Button5Click()
{
    Rk1 = read("Edit19");
    beta1min = read("Edit13");
    Rb1calc = store(X(beta1min) * Rk1);
    write("Label49", Rb1calc, unit::ohms);
    Rk2 = read("Edit20");
    beta2min = read("Edit14");
    Rb2lo = store(3 * X(beta2min) * Rk2);
    Rb2hi = store(5 * X(beta2min) * Rk2);
    writeRange("Label51", Rb2lo, Rb2hi, unit::ohms);
}

// Uses the accepted supplies of Step 4 and the accepted Rк2 of Step 5.
void TForm2::Button6Click()
{
    Rb1 = read("Edit21");
    Rmax = store((X(Ek2) * Rb1 - X(Ek1) * Rk2) / Ek1);
    write("Label54", Rmax, unit::ohms);
}

// The period is in microseconds, the resistances in ohms; the capacitance is stored in
// farads and shown in nanofarads.
void TForm2::Button7Click()
{
    tau = read("Edit4");
    Rb2 = read("Edit22");
    Ccalc = store((1e-6L * X(tau)) / ((X(Rb2) + Rk1) * 0.9L));
    write("Label57", X(Ccalc) * 1e9L, unit::nanofarads);
}
