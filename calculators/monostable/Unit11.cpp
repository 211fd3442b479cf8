#include "Unit11.h"

#include "units.h"

using namespace takton;

TForm11* Form11 = nullptr;

namespace {

// One row per control, in the order of the window's layout table. Captions keep their
// Latin look-alikes: the symbols Um1, Um2, tmax, I'к1, I'к2, U'э, Rэ, Rк1, Rк2, Rб2, R1
// and R2 are Latin letters with Cyrillic subscripts, and the degrees after tmax in
// Label63 are a Latin C; every other letter, the В of the volts and the С of Label61
// included, is Cyrillic. Label19 ends in a blank, and Edit11 stands past its end.
constexpr Control<TForm11> controls[] = {
    {.name = "Label1", .kind = Kind::Label, .rect = {404, 20, 481, 19}, .style = style::bold, .caption = u"Расчёт ждущего мультивибратора с эмиттерной связью"},
    {.name = "Image1", .kind = Kind::Image, .rect = {750, 64, 635, 353}},
    {.name = "Edit1", .kind = Kind::Edit, .rect = {570, 112, 43, 26}},
    {.name = "Label2", .kind = Kind::Label, .rect = {78, 118, 553, 19}, .caption = u"Амплитуда импульса, формируемого на коллекторе Т1 Um1 =            В"},
    {.name = "Edit2", .kind = Kind::Edit, .rect = {570, 154, 43, 26}},
    {.name = "Label3", .kind = Kind::Label, .rect = {78, 160, 553, 19}, .caption = u"Амплитуда импульса, формируемого на коллекторе Т2 Um2 =            В"},
    {.name = "Edit3", .kind = Kind::Edit, .rect = {378, 196, 43, 26}},
    {.name = "Label4", .kind = Kind::Label, .rect = {78, 202, 377, 19}, .caption = u"Длительность выходного импульса =            мкс"},
    {.name = "Edit18", .kind = Kind::Edit, .rect = {442, 238, 43, 26}},
    {.name = "Label63", .kind = Kind::Label, .rect = {78, 244, 421, 19}, .caption = u"Максимальная рабочая температура tmax = +          C"},
    {.name = "Button1", .kind = Kind::Button, .rect = {30, 332, 56, 139}, .caption = u"Шаг 1", .onClick = &TForm11::Button1Click},
    {.name = "Label5", .kind = Kind::Label, .rect = {108, 332, 525, 19}, .caption = u"Максимально допустимое напряжение коллектор-база транзистора"},
    {.name = "Label6", .kind = Kind::Label, .rect = {108, 356, 70, 19}, .caption = u"Т1 более"},
    {.name = "Label7", .kind = Kind::Label, .rect = {184, 356, 6, 19}, .style = style::bold},
    {.name = "Label8", .kind = Kind::Label, .rect = {108, 380, 525, 19}, .caption = u"Максимально допустимое напряжение коллектор-база транзистора"},
    {.name = "Label9", .kind = Kind::Label, .rect = {108, 404, 70, 19}, .caption = u"Т2 более"},
    {.name = "Label10", .kind = Kind::Label, .rect = {184, 404, 6, 19}, .style = style::bold},
    {.name = "Label11", .kind = Kind::Label, .rect = {108, 428, 624, 19}, .caption = u"Максимально допустимое напряжение коллектор-эмиттер транзистора Т1 более"},
    {.name = "Label12", .kind = Kind::Label, .rect = {740, 428, 6, 19}, .style = style::bold},
    {.name = "Label13", .kind = Kind::Label, .rect = {108, 452, 624, 19}, .caption = u"Максимально допустимое напряжение коллектор-эмиттер транзистора Т2 более"},
    {.name = "Label14", .kind = Kind::Label, .rect = {740, 452, 6, 19}, .style = style::bold},
    {.name = "Label15", .kind = Kind::Label, .rect = {48, 488, 293, 19}, .caption = u"Параметры выбранных транзисторов:"},
    {.name = "Edit4", .kind = Kind::Edit, .rect = {520, 506, 43, 26}},
    {.name = "Edit6", .kind = Kind::Edit, .rect = {1084, 506, 43, 26}},
    {.name = "Label16", .kind = Kind::Label, .rect = {48, 512, 1097, 19}, .caption = u"максимально допустимое напряжение коллектор-база Т1 =           В       максимально допустимый импульсный ток коллектора Т1 =            А"},
    {.name = "Edit5", .kind = Kind::Edit, .rect = {520, 530, 43, 26}},
    {.name = "Edit7", .kind = Kind::Edit, .rect = {1084, 530, 43, 26}},
    {.name = "Label17", .kind = Kind::Label, .rect = {48, 536, 1097, 19}, .caption = u"максимально допустимое напряжение коллектор-база Т2 =           В       максимально допустимый импульсный ток коллектора Т2 =            А"},
    {.name = "Edit8", .kind = Kind::Edit, .rect = {476, 554, 43, 26}},
    {.name = "Edit10", .kind = Kind::Edit, .rect = {1090, 554, 43, 26}},
    {.name = "Label18", .kind = Kind::Label, .rect = {48, 560, 1028, 19}, .caption = u"обратный ток коллектора Т1 при температуре tmax =           мкА             коэффициент передачи тока Т1 (минимальное значение) ="},
    {.name = "Edit9", .kind = Kind::Edit, .rect = {476, 578, 43, 26}},
    {.name = "Edit11", .kind = Kind::Edit, .rect = {1090, 578, 43, 26}},
    {.name = "Label19", .kind = Kind::Label, .rect = {48, 584, 1033, 19}, .caption = u"обратный ток коллектора Т2 при температуре tmax =           мкА             коэффициент передачи тока Т2 (минимальное значение) = "},
    {.name = "Button2", .kind = Kind::Button, .rect = {30, 614, 56, 73}, .caption = u"Шаг 2", .onClick = &TForm11::Button2Click},
    {.name = "Label20", .kind = Kind::Label, .rect = {108, 615, 344, 19}, .caption = u"Напряжение источника питания |Ек1| более"},
    {.name = "Label21", .kind = Kind::Label, .rect = {458, 615, 6, 19}, .style = style::bold},
    {.name = "Label22", .kind = Kind::Label, .rect = {304, 632, 145, 19}, .caption = u"также |Ек1| менее"},
    {.name = "Label23", .kind = Kind::Label, .rect = {458, 632, 6, 19}, .style = style::bold},
    {.name = "Label24", .kind = Kind::Label, .rect = {108, 656, 296, 19}, .caption = u"Напряжение источника питания Ек2 ="},
    {.name = "Label25", .kind = Kind::Label, .rect = {406, 656, 6, 19}, .style = style::bold},
    {.name = "Label26", .kind = Kind::Label, .rect = {266, 673, 131, 19}, .caption = u"также Ек2 менее"},
    {.name = "Label27", .kind = Kind::Label, .rect = {406, 673, 6, 19}, .style = style::bold},
    {.name = "Edit12", .kind = Kind::Edit, .rect = {182, 700, 43, 26}},
    {.name = "Edit13", .kind = Kind::Edit, .rect = {314, 700, 43, 26}},
    {.name = "Label28", .kind = Kind::Label, .rect = {48, 706, 327, 19}, .caption = u"Примем |Ек1| =            В,   Ек2 =            В"},
    {.name = "Button3", .kind = Kind::Button, .rect = {30, 733, 56, 72}, .caption = u"Шаг 3", .onClick = &TForm11::Button3Click},
    {.name = "Label29", .kind = Kind::Label, .rect = {108, 733, 436, 19}, .caption = u"Коллекторный ток открытого транзистора Т1 I'к1 менее"},
    {.name = "Label30", .kind = Kind::Label, .rect = {548, 733, 6, 19}, .style = style::bold},
    {.name = "Label31", .kind = Kind::Label, .rect = {458, 751, 79, 19}, .caption = u"I'к1 более"},
    {.name = "Label32", .kind = Kind::Label, .rect = {548, 751, 6, 19}, .style = style::bold},
    {.name = "Label33", .kind = Kind::Label, .rect = {108, 772, 436, 19}, .caption = u"Коллекторный ток открытого транзистора Т2 I'к2 менее"},
    {.name = "Label34", .kind = Kind::Label, .rect = {548, 772, 6, 19}, .style = style::bold},
    {.name = "Label35", .kind = Kind::Label, .rect = {458, 790, 79, 19}, .caption = u"I'к2 более"},
    {.name = "Label36", .kind = Kind::Label, .rect = {548, 790, 6, 19}, .style = style::bold},
    {.name = "Edit14", .kind = Kind::Edit, .rect = {162, 811, 43, 26}},
    {.name = "Label37", .kind = Kind::Label, .rect = {48, 817, 173, 19}, .caption = u"Примем I'к2 =           А"},
    {.name = "Button4", .kind = Kind::Button, .rect = {30, 844, 56, 20}, .caption = u"Шаг 4", .onClick = &TForm11::Button4Click},
    {.name = "Label38", .kind = Kind::Label, .rect = {108, 844, 459, 19}, .caption = u"Коллекторный ток открытого транзистора Т1 I'к1 не более"},
    {.name = "Label39", .kind = Kind::Label, .rect = {574, 844, 6, 19}, .style = style::bold},
    {.name = "Edit15", .kind = Kind::Edit, .rect = {162, 874, 43, 26}},
    {.name = "Label40", .kind = Kind::Label, .rect = {48, 880, 173, 19}, .caption = u"Примем I'к1 =           А"},
    {.name = "Button5", .kind = Kind::Button, .rect = {30, 907, 56, 21}, .caption = u"Шаг 5", .onClick = &TForm11::Button5Click},
    {.name = "Label41", .kind = Kind::Label, .rect = {108, 907, 542, 19}, .caption = u"При полностью открытых транзисторах эмиттерное напряжение U'э ="},
    {.name = "Label42", .kind = Kind::Label, .rect = {656, 907, 6, 19}, .style = style::bold},
    {.name = "Edit16", .kind = Kind::Edit, .rect = {162, 937, 43, 26}},
    {.name = "Label43", .kind = Kind::Label, .rect = {48, 943, 173, 19}, .caption = u"Примем U'э =            В"},
    {.name = "Button6", .kind = Kind::Button, .rect = {30, 970, 56, 107}, .caption = u"Шаг 6", .onClick = &TForm11::Button6Click},
    {.name = "Label44", .kind = Kind::Label, .rect = {108, 970, 242, 19}, .caption = u"Сопротивление резистора Rэ ="},
    {.name = "Label45", .kind = Kind::Label, .rect = {356, 970, 6, 19}, .style = style::bold},
    {.name = "Label46", .kind = Kind::Label, .rect = {108, 994, 253, 19}, .caption = u"Сопротивление резистора Rк2 ="},
    {.name = "Label47", .kind = Kind::Label, .rect = {362, 994, 6, 19}, .style = style::bold},
    {.name = "Label48", .kind = Kind::Label, .rect = {108, 1017, 253, 19}, .caption = u"Сопротивление резистора Rк1 ="},
    {.name = "Label49", .kind = Kind::Label, .rect = {370, 1017, 6, 19}, .style = style::bold},
    {.name = "Label50", .kind = Kind::Label, .rect = {108, 1040, 211, 19}, .caption = u"Ток базы транзистора Т2 ="},
    {.name = "Label51", .kind = Kind::Label, .rect = {324, 1040, 6, 19}, .style = style::bold},
    {.name = "Label52", .kind = Kind::Label, .rect = {108, 1061, 253, 19}, .caption = u"Сопротивление резистора Rб2 ="},
    {.name = "Label53", .kind = Kind::Label, .rect = {370, 1061, 6, 19}, .style = style::bold},
    {.name = "Button7", .kind = Kind::Button, .rect = {30, 1088, 56, 43}, .caption = u"Шаг 7", .onClick = &TForm11::Button7Click},
    {.name = "Label54", .kind = Kind::Label, .rect = {108, 1088, 211, 19}, .caption = u"Ток базы транзистора Т1 ="},
    {.name = "Label55", .kind = Kind::Label, .rect = {324, 1088, 6, 19}, .style = style::bold},
    {.name = "Label56", .kind = Kind::Label, .rect = {108, 1112, 244, 19}, .caption = u"Сопротивление резистора R2 ="},
    {.name = "Label57", .kind = Kind::Label, .rect = {356, 1112, 6, 19}, .style = style::bold, .accepts = "Edit17"},
    {.name = "Edit17", .kind = Kind::Edit, .rect = {156, 1136, 43, 26}},
    {.name = "Label58", .kind = Kind::Label, .rect = {48, 1145, 177, 19}, .caption = u"Примем R2 =           Ом"},
    {.name = "Button8", .kind = Kind::Button, .rect = {30, 1172, 56, 23}, .caption = u"Шаг 8", .onClick = &TForm11::Button8Click},
    {.name = "Label59", .kind = Kind::Label, .rect = {108, 1172, 278, 19}, .caption = u"Сопротивление резистора R1 менее"},
    {.name = "Label60", .kind = Kind::Label, .rect = {394, 1172, 6, 19}, .style = style::bold},
    {.name = "Button9", .kind = Kind::Button, .rect = {30, 1202, 56, 25}, .caption = u"Шаг 9", .onClick = &TForm11::Button9Click},
    {.name = "Label61", .kind = Kind::Label, .rect = {108, 1202, 207, 19}, .caption = u"Ёмкость конденсатора С ="},
    {.name = "Label62", .kind = Kind::Label, .rect = {318, 1202, 6, 19}, .style = style::bold},
    {.name = "Label64", .kind = Kind::Label, .rect = {792, 1234, 89, 16}, .style = style::tahoma13},
};

} // namespace

// Lets the compiler check every control name the steps and the focus order use.
consteval const auto& layoutOf(const TForm11*)
{
    return controls;
}

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
