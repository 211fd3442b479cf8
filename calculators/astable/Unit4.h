#pragma once
// Astable multivibrator with two collector supplies and capacitive coupling both ways:
// T1 (p-n-p) on -Ек1, T2 (n-p-n) on +Ек2, C1 from T1's collector to T2's base, C2 from
// T2's collector back to T1's base.

#include "calculator.h"

namespace takton::simulation {
struct Design;
}

class TForm4 : public takton::Calculator<TForm4> {
    Q_OBJECT
public:
    TForm4();

    // The circuit its simulation check runs, from what the steps stored
    // (Unit4Circuit.cpp).
    takton::simulation::Design circuit() const;

    void Button1Click(); // least voltage ratings of the transistors
    void Button2Click(); // bounds of the on-state collector currents
    void Button3Click(); // suggested supply voltages
    void Button4Click(); // collector resistors
    void Button5Click(); // ranges for the base resistors
    void Button6Click(); // capacitor C2
    void Button7Click(); // the value C1 is to exceed slightly

private:
    double Ukb1min = 0, Ukb2min = 0, Um1 = 0, Um2 = 0;
    double Ik1max = 0, Ik1hi = 0, Ikbo1 = 0, Ik1lo = 0, Ik2max = 0, Ik2hi = 0, Ikbo2 = 0, Ik2lo = 0;
    double Ek1calc = 0, Ek2calc = 0;
    double Ek1 = 0, Ek2 = 0, Ik1 = 0, Ik2 = 0, Rk1calc = 0, Rk2calc = 0;
    double Rk1 = 0, beta1min = 0, Rb1lo = 0, Rb1hi = 0, Rk2 = 0, beta2min = 0, Rb2lo = 0, Rb2hi = 0;
    double Rb1 = 0, tau = 0, Rb2 = 0, C2calc = 0, C2 = 0, C1calc = 0;
};

extern TForm4* Form4;
