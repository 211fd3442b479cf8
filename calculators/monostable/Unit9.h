#pragma once
// Monostable multivibrator started by a positive pulse: T1 (p-n-p) on -Ек1, T2 (n-p-n)
// on +Ек2, collector-to-base coupling through C1 and C2, both base resistors returned
// to -Ек1, and the trigger pulse brought through C3 to T2's base.

#include "calculator.h"

namespace takton::simulation {
struct Design;
}

class TForm9 : public takton::Calculator<TForm9> {
    Q_OBJECT
public:
    TForm9();

    // The circuit its simulation check runs, from what the steps stored
    // (Unit9Circuit.cpp).
    takton::simulation::Design circuit() const;

    void Button1Click(); // least voltage ratings of the transistors
    void Button2Click(); // bounds of the on-state collector currents
    void Button3Click(); // supply voltages
    void Button4Click(); // collector resistors
    void Button5Click(); // range of the base resistor Rб1
    void Button6Click(); // recovery time and the capacitance of C1 = C2
    void Button7Click(); // base resistor Rб2

private:
    double Um1 = 0, Um2 = 0, Ukb1min = 0, Ukb2min = 0;
    double Ik1max = 0, Ik1hi = 0, Ikbo1 = 0, Ik1lo = 0, Ik2max = 0, Ik2hi = 0, Ikbo2 = 0, Ik2lo = 0;
    double Ek1calc = 0, Ek2calc = 0;
    double Ek1 = 0, Ek2 = 0, Ik1 = 0, Ik2 = 0, Rk1calc = 0, Rk2calc = 0;
    double Rk1 = 0, beta1min = 0, Rb1lo = 0, Rb1hi = 0;
    double tau = 0, trec = 0, Rk2 = 0, Rb1 = 0, C12calc = 0;
    double C12 = 0, Rb2calc = 0;
};

extern TForm9* Form9;
