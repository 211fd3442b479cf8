#include "Unit11.h"

#include "units.h"

using namespace takton;

TForm11* Form11 = nullptr;

#include "Unit11Layout.h"

TForm11::TForm11()
    : Calculator({.objectName = "Form11",
                  .caption = u"Ждущий мультивибратор с эмиттерной связью",
                  .outerSize = {1458, 822},
                  .schematic = u":/schematics/form11.jpg"})
{
    build(controls);
    // The temperature field near the top, which no step reads, comes last.
    setFocusOrder({"Edit1", "Edit2", "Edit3", "Button1", "Edit4", "Edit5", "Edit6", "Edit7", "Edit8",
                   "Edit9", "Edit10", "Edit11", "Button2", "Edit12", "Edit13", "Button3", "Edit14",
                   "Button4", "Edit15", "Button5", "Edit16", "Button6", "Button7", "Edit17", "Button8",
                   "Button9", "Edit18"});
}

void TForm11::Button1Click()
{
    Um1 = read("Edit1");
    Um2 = read("Edit2");
    Ukb1lo = store(0.9L * X(Um1));
    Ukb1hi = store(0.95L * X(Um1));
    writeRange("Label7", Ukb1lo, Ukb1hi, unit::volts);
    Ukb2min = store(2 * X(Um2));
    write("Label10", Ukb2min, unit::volts);
    Uke1lo = store(0.9L * X(Um1));
    Uke1hi = store(0.95L * X(Um1));
    writeRange("Label12", Uke1lo, Uke1hi, unit::volts);
    Uke2lo = store(1.1L * X(Um2));
    Uke2hi = store(1.25L * X(Um2));
    writeRange("Label14", Uke2lo, Uke2hi, unit::volts);
}

// |Ек1| must exceed 0.9 Um1 and stay below T1's collector-base rating with a margin;
// Ек2 must stay below half of T2's rating. The amplitudes are those Step 1 stored.
void TForm11::Button2Click()
{
    Ukb1max = read("Edit4");
    Ek1min = store(0.9L * X(Um1));
    write("Label21", Ek1min, unit::volts);
    Ek1limlo = store(1.05L * X(Ukb1max));
    Ek1limhi = store(1.1L * X(Ukb1max));
    writeRange("Label23", Ek1limlo, Ek1limhi, unit::volts);
    Ukb2max = read("Edit5");
    Ek2lo = store(1.1L * X(Um2));
    Ek2hi = store(1.2L * X(Um2));
    writeRange("Label25", Ek2lo, Ek2hi, unit::volts);
    Ek2lim = store(0.5L * X(Ukb2max));
    write("Label27", Ek2lim, unit::volts);
}

// Upper bounds in amperes, lower bounds in microamperes, as the currents were typed;
// both upper bounds are written before the lower ones.
void TForm11::Button3Click()
{
    Ik1max = read("Edit6");
    Ik2max = read("Edit7");
    Ikbo1 = read("Edit8");
    Ikbo2 = read("Edit9");
    Ik1hi = store(0.7L * X(Ik1max));
    write("Label30", Ik1hi, unit::amperesLatin);
    Ik2hi = store(0.7L * X(Ik2max));
    write("Label34", Ik2hi, unit::amperesLatin);
    Ik1lo = store(10 * X(Ikbo1));
    write("Label32", Ik1lo, unit::microamperesLatin);
    Ik2lo = store(10 * X(Ikbo2));
    write("Label36", Ik2lo, unit::microamperesLatin);
}

void TForm11::Button4Click()
{
    Ik2 = read("Edit14");
    Ik1lim = store(X(Ik2) / 2);
    write("Label39", Ik1lim, unit::amperesLatin);
}

// Ек2 is typed under Step 2 but read here; Steps 6 to 8 use the value read now.
void TForm11::Button5Click()
{
    Ek2 = read("Edit13");
    Uelo = store(0.1L * X(Ek2));
    Uehi = store(0.2L * X(Ek2));
    writeRange("Label42", Uelo, Uehi, unit::volts);
}

// Rэ carries the difference of the two on-state collector currents; Rк1 sees
// |Ек1| + U'э, Rк2 and Rб2 see Ек2 - U'э. I'к2 and Ек2 are those Steps 4 and 5 read.
void TForm11::Button6Click()
{
    Ue = read("Edit16");
    Ik1 = read("Edit15");
    Re = store(X(Ue) / (X(Ik2) - Ik1));
    write("Label45", Re, unit::ohms);
    Rk2calc = store((X(Ek2) - Ue) / Ik2);
    write("Label47", Rk2calc, unit::ohms);
    Ek1 = read("Edit12");
    Rk1calc = store((X(Ek1) + Ue) / Ik1);
    write("Label49", Rk1calc, unit::ohms);
    beta2min = read("Edit11");
    Ib2 = store(X(Ik2) / beta2min);
    write("Label51", Ib2, unit::amperesLatin);
    Rb2calc = store((X(Ek2) - Ue) / Ib2);
    write("Label53", Rb2calc, unit::ohms);
}

// R2 is formed as the difference of the two products over Iб1 Ек2, in that order, not
// from its shorter algebraic equal U'э (|Ек1| + Ек2) / (Ек2 Iб1).
void TForm11::Button7Click()
{
    beta1min = read("Edit10");
    Ib1 = store(X(Ik1) / beta1min);
    write("Label55", Ib1, unit::amperesLatin);
    R2calc = store(((X(Ek1) + Ue) * Ek2 - (X(Ek2) - Ue) * Ek1) / (X(Ib1) * Ek2));
    write("Label57", R2calc, unit::ohms);
}

// At R1 = Ек2 R2 / |Ек1| the unloaded divider puts T1's base at 0 V.
void TForm11::Button8Click()
{
    R2 = read("Edit17");
    R1lim = store((X(Ek2) * R2) / Ek1);
    write("Label60", R1lim, unit::ohms);
}

// The pulse lasts 0.7 (Rб2 + Rк1) C with the resistors Step 6 computed; the duration is
// in microseconds, the capacitance stored in farads and shown in nanofarads.
void TForm11::Button9Click()
{
    tau = read("Edit3");
    Ccalc = store((1e-6L * X(tau)) / (0.7L * (X(Rb2calc) + Rk1calc)));
    write("Label62", X(Ccalc) * 1e9L, unit::nanofarads);
}
