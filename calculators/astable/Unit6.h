#pragma once
// Astable multivibrator with one collector supply, resistive and capacitive coupling:
// T1 (p-n-p) and T2 (n-p-n) with joined emitters, fed from +Ек; C from T1's collector
// to T2's base, the variable resistor R from T2's collector back to T1's base.

#include "calculator.h"

namespace takton::simulation {
struct Design;
}

class TForm6 : public takton::Calculator<TForm6> {
    Q_OBJECT
public:
    TForm6();

    // The circuit its simulation check runs, from what the steps stored
    // (Unit6Circuit.cpp).
    takton::simulation::Design circuit() const;

    void Button1Click(); // least voltage ratings of the transistors
    void Button2Click(); // bounds of the on-state collector currents
    void Button3Click(); // fictitious collector sources and their limits
    void Button4Click(); // collector resistors
    void Button5Click(); // base resistors
    void Button6Click(); // largest permissible coupling resistor R
    void Button7Click(); // timing capacitor
    void Button8Click(); // supply voltage

private:
    double Um1 = 0, Um2 = 0, Ukb1min = 0, Ukb2min = 0;
    double Ik1max = 0, Ik1hi = 0, Ikbo1 = 0, Ik1lo = 0, Ik2max = 0, Ik2hi = 0, Ikbo2 = 0, Ik2lo = 0;
    double Ek1fcalc = 0, Ek2fcalc = 0, Ukb1max = 0, Ukb2max = 0;
    double Ek1f = 0, Ek2f = 0, Ik1 = 0, Ik2 = 0, Rk1calc = 0, Rk2calc = 0;
    double Rk1 = 0, beta1min = 0, Rb1calc = 0, Rk2 = 0, beta2min = 0, Rb2lo = 0, Rb2hi = 0;
    double Rb1 = 0, Rmax = 0;
    double tau = 0, Rb2 = 0, Ccalc = 0;
    double Ek = 0;
};

extern TForm6* Form6;
