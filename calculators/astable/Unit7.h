#pragma once
// Astable multivibrator with one emitter supply, capacitive and resistive-capacitive
// coupling: T1 (p-n-p) with its emitter on +Еэ, T2 (n-p-n) with its emitter grounded,
// R with C1 across it between T1's collector and T2's base, C2 from T2's collector
// back to T1's base.

#include "calculator.h"

namespace takton::simulation {
struct Design;
}

class TForm7 : public takton::Calculator<TForm7> {
    Q_OBJECT
public:
    TForm7();

    // The circuit its simulation check runs, from what the steps stored
    // (Unit7Circuit.cpp).
    takton::simulation::Design circuit() const;

    void Button1Click(); // least voltage ratings of the transistors
    void Button2Click(); // bounds of the on-state collector currents
    void Button3Click(); // fictitious emitter sources and their limits
    void Button4Click(); // collector resistors
    void Button5Click(); // base resistors
    void Button6Click(); // largest permissible coupling resistor R
    void Button7Click(); // timing capacitor C
    void Button8Click(); // upper limit of C1 across R
    void Button9Click(); // emitter supply

private:
    double Um1 = 0, Um2 = 0, Ukb1min = 0, Ukb2min = 0;
    double Ik1max = 0, Ik1hi = 0, Ikbo1 = 0, Ik1lo = 0, Ik2max = 0, Ik2hi = 0, Ikbo2 = 0, Ik2lo = 0;
    double Ee1flo = 0, Ee1fhi = 0, Ee2flo = 0, Ee2fhi = 0, Ukb1max = 0, Ee1flim = 0, Ukb2max = 0, Ee2flim = 0;
    double Ee1f = 0, Ee2f = 0, Ik1 = 0, Ik2 = 0, Rk1calc = 0, Rk2calc = 0;
    double Rk1 = 0, beta1min = 0, Rb1calc = 0, Rk2 = 0, beta2min = 0, Rb2lo = 0, Rb2hi = 0;
    double Rb1 = 0, Rmax = 0;
    double tau = 0, Rb2 = 0, Ccalc = 0;
    double C = 0, R = 0, Req = 0, C1calc = 0;
    double Ee = 0;
};

extern TForm7* Form7;
