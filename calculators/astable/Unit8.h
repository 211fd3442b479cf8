#pragma once
// Astable multivibrator with one emitter supply and capacitive coupling: T1 (p-n-p),
// Rк1, Rк2 and T2 (n-p-n) in series between +Eэ and ground, both base resistors on the
// top wire, C1 from T1's collector to T2's base and C2 from T2's collector to T1's base.

#include "calculator.h"

namespace takton::simulation {
struct Design;
}

class TForm8 : public takton::Calculator<TForm8> {
    Q_OBJECT
public:
    TForm8();

    // The circuit its simulation check runs, from what the steps stored
    // (Unit8Circuit.cpp).
    takton::simulation::Design circuit() const;

    void Button1Click(); // least voltage ratings of the transistors
    void Button2Click(); // bounds of the on-state collector currents
    void Button3Click(); // voltages of the two fictitious sources Eэ1ф and |Eэ2ф|
    void Button4Click(); // collector resistors
    void Button5Click(); // ranges of the base resistors
    void Button6Click(); // capacitor C2 from the period
    void Button7Click(); // capacitor C1, to be chosen slightly larger
    void Button8Click(); // the real emitter supply Eэ

private:
    double Um1 = 0, Um2 = 0, Ukb1min = 0, Ukb2min = 0;
    double Ik1max = 0, Ik1hi = 0, Ikbo1 = 0, Ik1lo = 0, Ik2max = 0, Ik2hi = 0, Ikbo2 = 0, Ik2lo = 0;
    double Ee1fcalc = 0, Ee2fcalc = 0;
    double Ee1f = 0, Ee2f = 0, Ik1 = 0, Ik2 = 0, Rk1calc = 0, Rk2calc = 0;
    double Rk1 = 0, beta1min = 0, Rb1lo = 0, Rb1hi = 0, Rk2 = 0, beta2min = 0, Rb2lo = 0, Rb2hi = 0;
    double tau = 0, Rb1 = 0, C2calc = 0;
    double C2 = 0, Rb2 = 0, C1calc = 0;
    double Ee = 0;
};

extern TForm8* Form8;
