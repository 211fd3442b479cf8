#pragma once
// Monostable multivibrator with capacitive coupling: T1 (p-n-p) on -Ек1, T2 (n-p-n) on
// +Ек2, each collector coupled to the other transistor's base through C1 and C2, both
// base resistors returned to the common wire, the trigger pulse brought through C3.

#include "calculator.h"

namespace takton::simulation {
struct Design;
}

class TForm10 : public takton::Calculator<TForm10> {
    Q_OBJECT
public:
    TForm10();

    // The circuit its simulation check runs, from what the steps stored
    // (Unit10Circuit.cpp).
    takton::simulation::Design circuit() const;

    void Button1Click(); // least voltage ratings of the transistors
    void Button2Click(); // bounds of the on-state collector currents
    void Button3Click(); // supply voltages
    void Button4Click(); // collector resistors
    void Button5Click(); // base resistors
    void Button6Click(); // timing capacitor C2 from the pulse duration
    void Button7Click(); // coupling capacitor C1 for the same time constant

private:
    double Um1 = 0, Um2 = 0, Ukb1min = 0, Ukb2min = 0;
    double Ik1max = 0, Ik1hi = 0, Ikbo1 = 0, Ik1lo = 0, Ik2max = 0, Ik2hi = 0, Ikbo2 = 0, Ik2lo = 0;
    double Ek1calc = 0, Ek2calc = 0;
    double Ek1 = 0, Ek2 = 0, Ik1 = 0, Ik2 = 0, Rk1calc = 0, Rk2calc = 0;
    double beta1min = 0, Rk1 = 0, Rk2 = 0, beta2min = 0, Rb1calc = 0, Rb2calc = 0;
    double tau = 0, Rb1 = 0, C2calc = 0;
    double C2 = 0, Rb2 = 0, C1calc = 0;
};

extern TForm10* Form10;
