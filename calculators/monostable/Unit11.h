#pragma once
// Monostable multivibrator with emitter coupling: T1 (p-n-p) on -Ек1, T2 (n-p-n) on
// +Ек2, C from T1's collector to T2's base, the common emitter resistor Rэ coupling T2
// back to T1, and the divider R1, R2 between +Ек2 and -Ек1 biasing T1's base.

#include "calculator.h"

namespace takton::simulation {
struct Design;
}

class TForm11 : public takton::Calculator<TForm11> {
    Q_OBJECT
public:
    TForm11();

    // The circuit its simulation check runs, from what the steps stored
    // (Unit11Circuit.cpp).
    takton::simulation::Design circuit() const;

    void Button1Click(); // least voltage ratings of the transistors
    void Button2Click(); // bounds of the two supply voltages
    void Button3Click(); // bounds of the on-state collector currents
    void Button4Click(); // limit of T1's collector current once T2's is chosen
    void Button5Click(); // range of the common emitter voltage
    void Button6Click(); // Rэ, Rк2, Rк1, T2's base current and Rб2
    void Button7Click(); // T1's base current and the bias resistor R2
    void Button8Click(); // limit of the bias resistor R1
    void Button9Click(); // timing capacitor C

private:
    double Um1 = 0, Um2 = 0, Ukb1lo = 0, Ukb1hi = 0, Ukb2min = 0, Uke1lo = 0, Uke1hi = 0, Uke2lo = 0, Uke2hi = 0;
    double Ukb1max = 0, Ek1min = 0, Ek1limlo = 0, Ek1limhi = 0, Ukb2max = 0, Ek2lo = 0, Ek2hi = 0, Ek2lim = 0;
    double Ik1max = 0, Ik2max = 0, Ikbo1 = 0, Ikbo2 = 0, Ik1hi = 0, Ik2hi = 0, Ik1lo = 0, Ik2lo = 0;
    double Ik2 = 0, Ik1lim = 0;
    double Ek2 = 0, Uelo = 0, Uehi = 0;
    double Ue = 0, Ik1 = 0, Re = 0, Rk2calc = 0, Ek1 = 0, Rk1calc = 0, beta2min = 0, Ib2 = 0, Rb2calc = 0;
    double beta1min = 0, Ib1 = 0, R2calc = 0;
    double R2 = 0, R1lim = 0;
    double tau = 0, Ccalc = 0;
};

extern TForm11* Form11;
