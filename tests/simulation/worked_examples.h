#pragma once
// The worked example of each window that can be checked by simulation, as a user types
// it (with a comma), and what the generic transistor pair gives for it. The tests pin
// the simulated figures; the click-to-plot bench runs the same designs.

#include <QStringList>

namespace takton::testing {

struct WorkedExample {
    const char* form; // the window, "Form2"
    QStringList typed;
    // Simulated, pinned within 2 %: the period (astable) or the first output pulse
    // (monostable), then T1's and T2's collector amplitudes.
    double time, amplitude1, amplitude2;
};

inline const WorkedExample workedExamples[] = {
    {"Form2",
     {"Edit1=10", "Edit2=8", "Edit4=1000", "Edit7=0,1", "Edit8=0,05", "Edit9=2", "Edit10=1,5", "Edit11=30",
      "Edit12=25", "Edit13=50", "Edit14=40", "Edit15=0,01", "Edit16=0,005", "Edit17=11", "Edit18=9", "Edit19=1100",
      "Edit20=1800", "Edit21=51000", "Edit22=240000"},
     877.1e-6, 9.755, 8.583},
    // Rб1 inside the range Step 5 gives (150...250 kОм), C1 = C2 the E24 value next to
    // Step 6's 0,995 nF.
    {"Form9",
     {"Edit1=5", "Edit2=10", "Edit3=7", "Edit5=0,1", "Edit6=0,05", "Edit7=20", "Edit8=25", "Edit9=2", "Edit10=1,5",
      "Edit11=50", "Edit12=40", "Edit13=0,005", "Edit14=0,01", "Edit15=6", "Edit16=11", "Edit17=1000",
      "Edit18=1000", "Edit19=200000", "Edit20=1"},
     1.41e-6, 10.74, 10.99},
    // Rб1 and Rб2 the E24 values next to what Step 5 gives (55 and 40 kОм), С2 the E24
    // value next to Step 6's 0,175 nF.
    {"Form10",
     {"Edit1=5", "Edit2=10", "Edit3=7", "Edit5=0,1", "Edit6=0,05", "Edit7=20", "Edit8=25", "Edit9=2", "Edit10=1,5",
      "Edit11=50", "Edit12=40", "Edit13=0,006", "Edit14=0,011", "Edit15=6", "Edit16=11", "Edit17=1000",
      "Edit18=1000", "Edit19=56000", "Edit20=39000", "Edit21=0,18"},
     0.738e-6, 5.985, 10.99},
    // Ек1 above the 9 В Step 2 asks, Ек2 and U'э at the top of their ranges, I'к1 = I'к2 / 2
    // (Step 4), R2 the E24 value next to Step 7's 44 kОм.
    {"Form11",
     {"Edit1=10", "Edit2=10", "Edit3=20", "Edit4=20", "Edit5=30", "Edit6=0,1", "Edit7=0,05", "Edit8=2", "Edit9=1,5",
      "Edit10=50", "Edit11=40", "Edit12=10", "Edit13=12", "Edit14=0,01", "Edit15=0,005", "Edit16=2,4", "Edit17=43000"},
     37.73e-6, 11.444, 9.813},
};

} // namespace takton::testing
