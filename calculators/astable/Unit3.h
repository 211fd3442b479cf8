#pragma once
// Astable multivibrator with two collector supplies, capacitive and resistive-capacitive
// coupling: T1 (p-n-p) on -Ек1, T2 (n-p-n) on +Ек2, C from T1's collector to T2's base,
// R shunted by C1 from T2's collector back to T1's base.

#include "calculator.h"

namespace takton::simulation {
struct Design;
}

class TForm3 : public takton::Calculator<TForm3> {
    Q_OBJECT
public:
    TForm3();

    // The circuit its simulation check runs, from what the steps stored
    // (Unit3Circuit.cpp).
    takton::simulation::Design circuit() const;

    void Button1Click(); // least voltage ratings of the transistors
    void Button2Click(); // bounds of the on-state collector currents
    void Button3Click(); // supply voltages and their limits
    void Button4Click(); // collector resistors
    void Button5Click(); // base resistors
    void Button6Click(); // largest permissible coupling resistor R
    void Button7Click(); // timing capacitor C
    void Button8Click(); // upper limit of C1 across R

private:
    double Ukb1min = 0, Ukb2min = 0, Um1 = 0, Um2 = 0;
    double Ik1max = 0, Ik1hi = 0, Ikbo1 = 0, Ik1lo = 0, Ik2max = 0, Ik2hi = 0, Ikbo2 = 0, Ik2lo = 0;
    double Ek1lo = 0, Ek1hi = 0, Ek2lo = 0, Ek2hi = 0, Ukb1max = 0, Ek1lim = 0, Ukb2max = 0, Ek2lim = 0;
    double Ek1 = 0, Ek2 = 0, Ik1 = 0, Ik2 = 0, Rk1calc = 0, Rk2calc = 0;
    double Rk1 = 0, beta1min = 0, Rb1calc = 0, Rk2 = 0, beta2min = 0, Rb2lo = 0, Rb2hi = 0;
    double Rb1 = 0, Rmax = 0;
    double tau = 0, Rb2 = 0, Ccalc = 0;
    double C = 0, Rpar = 0, C1calc = 0, R = 0;
};

extern TForm3* Form3;
