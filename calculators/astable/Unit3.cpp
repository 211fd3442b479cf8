#include "Unit3.h"

#include "units.h"

using namespace takton;

TForm3* Form3 = nullptr;

namespace {

// One row per control, in the order of the window's layout table. Captions keep their
// Latin look-alikes: Label3 ends in a Latin B for volts while Label4 ends in a Cyrillic
// В; the degrees after tmax are a Latin C; both amperes of Label28 are a Latin A, while
// Label16 and Label17 use the Cyrillic А and В. Label37 reads |Ек| without the 1.
constexpr Control<TForm3> controls[] = {
    {.name = "Label1", .kind = Kind::Label, .rect = {290, 18, 570, 19}, .style = style::bold, .caption = u"Расчёт автогенераторного мультивибратора с двумя источниками"},
    {.name = "Label2", .kind = Kind::Label, .rect = {278, 36, 598, 19}, .style = style::bold, .caption = u"коллекторного питания, ёмкостной и резистивно-ёмкостной связями"},
    {.name = "Image1", .kind = Kind::Image, .rect = {684, 72, 461, 313}},
    {.name = "Edit1", .kind = Kind::Edit, .rect = {536, 158, 43, 26}},
    {.name = "Label3", .kind = Kind::Label, .rect = {44, 164, 552, 19}, .caption = u"Амплитуда импульсов, формируемых на коллекторе Т1 Um1 =           B"},
    {.name = "Edit2", .kind = Kind::Edit, .rect = {536, 194, 43, 26}},
    {.name = "Label4", .kind = Kind::Label, .rect = {44, 200, 552, 19}, .caption = u"Амплитуда импульсов, формируемых на коллекторе Т2 Um2 =           В"},
    {.name = "Edit3", .kind = Kind::Edit, .rect = {422, 230, 43, 26}},
    {.name = "Label5", .kind = Kind::Label, .rect = {44, 236, 456, 19}, .caption = u"Период следования выходных импульсов tau =            мкс"},
    {.name = "Edit4", .kind = Kind::Edit, .rect = {408, 266, 43, 26}},
    {.name = "Label6", .kind = Kind::Label, .rect = {44, 272, 421, 19}, .caption = u"Максимальная рабочая температура tmax = +          C"},
    {.name = "Button1", .kind = Kind::Button, .rect = {30, 404, 56, 91}, .caption = u"Шаг 1", .onClick = &TForm3::Button1Click},
    {.name = "Label7", .kind = Kind::Label, .rect = {108, 404, 623, 19}, .caption = u"Максимально допустимое напряжение коллектор-база транзистора Т1 не менее"},
    {.name = "Label8", .kind = Kind::Label, .rect = {738, 404, 6, 19}, .style = style::bold},
    {.name = "Label9", .kind = Kind::Label, .rect = {108, 428, 623, 19}, .caption = u"Максимально допустимое напряжение коллектор-база транзистора Т2 не менее"},
    {.name = "Label10", .kind = Kind::Label, .rect = {738, 428, 6, 19}, .style = style::bold},
    {.name = "Label11", .kind = Kind::Label, .rect = {108, 452, 655, 19}, .caption = u"Максимально допустимое обратное напряжение база-эмиттер транзистора Т1 более"},
    {.name = "Label12", .kind = Kind::Label, .rect = {770, 452, 6, 19}, .style = style::bold},
    {.name = "Label13", .kind = Kind::Label, .rect = {108, 476, 655, 19}, .caption = u"Максимально допустимое обратное напряжение база-эмиттер транзистора Т2 более"},
    {.name = "Label14", .kind = Kind::Label, .rect = {770, 476, 6, 19}, .style = style::bold},
    {.name = "Label15", .kind = Kind::Label, .rect = {30, 506, 293, 19}, .caption = u"Параметры выбранных транзисторов:"},
    {.name = "Edit5", .kind = Kind::Edit, .rect = {502, 524, 43, 26}},
    {.name = "Edit9", .kind = Kind::Edit, .rect = {1074, 524, 43, 26}},
    {.name = "Label16", .kind = Kind::Label, .rect = {30, 530, 1107, 19}, .caption = u"максимально допустимый импульсный ток коллектора Т1 =           А         максимально допустимое напряжение коллектор-база Т1 =            В"},
    {.name = "Edit6", .kind = Kind::Edit, .rect = {502, 548, 43, 26}},
    {.name = "Edit10", .kind = Kind::Edit, .rect = {1074, 548, 43, 26}},
    {.name = "Label17", .kind = Kind::Label, .rect = {30, 554, 1107, 19}, .caption = u"максимально допустимый импульсный ток коллектора Т2 =           А         максимально допустимое напряжение коллектор-база Т2 =            В"},
    {.name = "Edit7", .kind = Kind::Edit, .rect = {458, 572, 43, 26}},
    {.name = "Edit11", .kind = Kind::Edit, .rect = {1080, 572, 43, 26}},
    {.name = "Label18", .kind = Kind::Label, .rect = {30, 578, 1038, 19}, .caption = u"обратный ток коллектора Т1 при температуре tmax =            мкА              коэффициент передачи тока Т1 (минимальное значение) ="},
    {.name = "Edit8", .kind = Kind::Edit, .rect = {458, 596, 43, 26}},
    {.name = "Edit12", .kind = Kind::Edit, .rect = {1080, 596, 43, 26}},
    {.name = "Label19", .kind = Kind::Label, .rect = {30, 602, 1038, 19}, .caption = u"обратный ток коллектора Т2 при температуре tmax =            мкА              коэффициент передачи тока Т2 (минимальное значение) ="},
    {.name = "Button2", .kind = Kind::Button, .rect = {30, 632, 56, 73}, .caption = u"Шаг 2", .onClick = &TForm3::Button2Click},
    {.name = "Label20", .kind = Kind::Label, .rect = {108, 632, 436, 19}, .caption = u"Коллекторный ток открытого транзистора Т1 I'к1 менее"},
    {.name = "Label21", .kind = Kind::Label, .rect = {554, 632, 6, 19}, .style = style::bold},
    {.name = "Label22", .kind = Kind::Label, .rect = {414, 650, 131, 19}, .caption = u"также I'к1 более"},
    {.name = "Label23", .kind = Kind::Label, .rect = {554, 650, 6, 19}, .style = style::bold},
    {.name = "Label24", .kind = Kind::Label, .rect = {108, 674, 436, 19}, .caption = u"Коллекторный ток открытого транзистора Т2 I'к2 менее"},
    {.name = "Label25", .kind = Kind::Label, .rect = {554, 674, 6, 19}, .style = style::bold},
    {.name = "Label26", .kind = Kind::Label, .rect = {414, 692, 131, 19}, .caption = u"также I'к2 более"},
    {.name = "Label27", .kind = Kind::Label, .rect = {554, 692, 6, 19}, .style = style::bold},
    {.name = "Edit13", .kind = Kind::Edit, .rect = {156, 710, 43, 26}},
    {.name = "Edit14", .kind = Kind::Edit, .rect = {286, 710, 43, 26}},
    {.name = "Label28", .kind = Kind::Label, .rect = {42, 716, 303, 19}, .caption = u"Примем I'к1 =           A,   I'к2 =           A"},
    {.name = "Button3", .kind = Kind::Button, .rect = {30, 748, 56, 65}, .caption = u"Шаг 3", .onClick = &TForm3::Button3Click},
    {.name = "Label29", .kind = Kind::Label, .rect = {108, 748, 310, 19}, .caption = u"Напряжение источника питания |Ек1| ="},
    {.name = "Label30", .kind = Kind::Label, .rect = {418, 748, 6, 19}, .style = style::bold},
    {.name = "Label31", .kind = Kind::Label, .rect = {368, 766, 45, 19}, .caption = u"Ек1 <"},
    {.name = "Label32", .kind = Kind::Label, .rect = {418, 766, 6, 19}, .style = style::bold},
    {.name = "Label33", .kind = Kind::Label, .rect = {108, 784, 296, 19}, .caption = u"Напряжение источника питания Ек2 ="},
    {.name = "Label34", .kind = Kind::Label, .rect = {406, 784, 6, 19}, .style = style::bold},
    {.name = "Label35", .kind = Kind::Label, .rect = {354, 802, 45, 19}, .caption = u"Ек2 <"},
    {.name = "Label36", .kind = Kind::Label, .rect = {404, 802, 6, 19}, .style = style::bold},
    {.name = "Edit15", .kind = Kind::Edit, .rect = {162, 825, 43, 26}},
    {.name = "Edit16", .kind = Kind::Edit, .rect = {286, 825, 43, 26}},
    {.name = "Label37", .kind = Kind::Label, .rect = {42, 833, 302, 19}, .caption = u"Примем |Ек| =           В,  Ек2 =           В"},
    {.name = "Button4", .kind = Kind::Button, .rect = {30, 869, 56, 37}, .caption = u"Шаг 4", .onClick = &TForm3::Button4Click},
    {.name = "Label38", .kind = Kind::Label, .rect = {108, 869, 253, 19}, .caption = u"Сопротивление резистора Rк1 ="},
    {.name = "Label39", .kind = Kind::Label, .rect = {370, 869, 6, 19}, .style = style::bold, .accepts = "Edit17"},
    {.name = "Label40", .kind = Kind::Label, .rect = {108, 889, 253, 19}, .caption = u"Сопротивление резистора Rк2 ="},
    {.name = "Label41", .kind = Kind::Label, .rect = {370, 889, 6, 19}, .style = style::bold, .accepts = "Edit18"},
    {.name = "Edit17", .kind = Kind::Edit, .rect = {156, 919, 43, 26}},
    {.name = "Edit18", .kind = Kind::Edit, .rect = {292, 919, 43, 26}},
    {.name = "Label42", .kind = Kind::Label, .rect = {42, 927, 319, 19}, .caption = u"Примем Rк1 =          Ом,   Rк2 =          Ом"},
    {.name = "Button5", .kind = Kind::Button, .rect = {30, 957, 56, 37}, .caption = u"Шаг 5", .onClick = &TForm3::Button5Click},
    {.name = "Label43", .kind = Kind::Label, .rect = {108, 957, 253, 19}, .caption = u"Сопротивление резистора Rб1 ="},
    {.name = "Label44", .kind = Kind::Label, .rect = {368, 957, 6, 19}, .style = style::bold, .accepts = "Edit19"},
    {.name = "Label45", .kind = Kind::Label, .rect = {108, 977, 253, 19}, .caption = u"Сопротивление резистора Rб2 ="},
    {.name = "Label46", .kind = Kind::Label, .rect = {368, 977, 6, 19}, .style = style::bold, .accepts = "Edit20"},
    {.name = "Edit19", .kind = Kind::Edit, .rect = {156, 1007, 43, 26}},
    {.name = "Edit20", .kind = Kind::Edit, .rect = {292, 1007, 43, 26}},
    {.name = "Label47", .kind = Kind::Label, .rect = {42, 1015, 319, 19}, .caption = u"Примем Rб1 =           Ом,  Rб2 =          Ом"},
    {.name = "Button6", .kind = Kind::Button, .rect = {30, 1045, 56, 27}, .caption = u"Шаг 6", .onClick = &TForm3::Button6Click},
    {.name = "Label48", .kind = Kind::Label, .rect = {108, 1045, 303, 19}, .caption = u"Сопротивление резистора R, не более:"},
    {.name = "Label49", .kind = Kind::Label, .rect = {420, 1045, 6, 19}, .style = style::bold, .accepts = "Edit21"},
    {.name = "Edit21", .kind = Kind::Edit, .rect = {136, 1076, 43, 26}},
    {.name = "Label50", .kind = Kind::Label, .rect = {42, 1085, 162, 19}, .caption = u"Примем R =          Ом"},
    {.name = "Button7", .kind = Kind::Button, .rect = {30, 1114, 56, 22}, .caption = u"Шаг 7", .onClick = &TForm3::Button7Click},
    {.name = "Label51", .kind = Kind::Label, .rect = {108, 1114, 207, 19}, .caption = u"Ёмкость конденсатора С ="},
    {.name = "Label52", .kind = Kind::Label, .rect = {326, 1114, 6, 19}, .style = style::bold, .accepts = "Edit22"},
    {.name = "Edit22", .kind = Kind::Edit, .rect = {136, 1143, 43, 26}},
    {.name = "Label53", .kind = Kind::Label, .rect = {42, 1152, 163, 19}, .caption = u"Примем С =          нФ"},
    {.name = "Button8", .kind = Kind::Button, .rect = {30, 1181, 56, 27}, .style = style::sans15, .caption = u"Шаг 8", .onClick = &TForm3::Button8Click},
    {.name = "Label54", .kind = Kind::Label, .rect = {108, 1181, 251, 19}, .caption = u"Ёмкость конденсатора С1 менее"},
    {.name = "Label55", .kind = Kind::Label, .rect = {370, 1181, 6, 19}, .style = style::bold},
    {.name = "Label56", .kind = Kind::Label, .rect = {570, 1199, 4, 16}, .style = style::tahoma13},
};

} // namespace

// Lets the compiler check every control name the steps and the focus order use.
consteval const auto& layoutOf(const TForm3*)
{
    return controls;
}

TForm3::TForm3()
    : Calculator({.objectName = "Form3",
                  .caption = u"С двумя источниками коллекторного питания, ёмкостной и резистивно-ёмкостной связями",
                  .outerSize = {1227, 982},
                  .schematic = u":/schematics/form3.jpg"})
{
    build(controls);
    setFocusOrder({"Edit1", "Edit2", "Edit3", "Edit4", "Button1", "Edit5", "Edit6", "Edit7", "Edit8", "Edit9",
                   "Edit10", "Edit11", "Edit12", "Button2", "Edit13", "Edit14", "Button3", "Edit15", "Edit16",
                   "Button4", "Edit17", "Edit18", "Button5", "Button6", "Edit19", "Edit20", "Edit21", "Button7",
                   "Edit22", "Button8"});
}

void TForm3::Button1Click()
{
    Um1 = read("Edit1");
    Um2 = read("Edit2");
    Ukb1min = store(2 * X(Um1));
    write("Label8", Ukb1min, unit::volts);
    Ukb2min = store(2 * X(Um2));
    write("Label10", Ukb2min, unit::volts);
    write("Label12", Um1, unit::volts); // the reverse base-emitter rating must exceed it
    write("Label14", Um2, unit::volts);
}

// Upper bounds in amperes, lower bounds in microamperes, as the currents were typed.
void TForm3::Button2Click()
{
    Ik1max = read("Edit5");
    Ik1hi = store(0.7L * X(Ik1max));
    write("Label21", Ik1hi, unit::amperes);
    Ikbo1 = read("Edit7");
    Ik1lo = store(10 * X(Ikbo1));
    write("Label23", Ik1lo, unit::microamperes);
    Ik2max = read("Edit6");
    Ik2hi = store(0.7L * X(Ik2max));
    write("Label25", Ik2hi, unit::amperes);
    Ikbo2 = read("Edit8");
    Ik2lo = store(10 * X(Ikbo2));
    write("Label27", Ik2lo, unit::microamperes);
}

// The supply ranges come from the amplitudes Step 1 stored, not from the fields; each
// supply stays below half of its transistor's collector-base rating.
void TForm3::Button3Click()
{
    Ek1lo = store(1.05L * X(Um1));
    Ek1hi = store(1.1L * X(Um1));
    Ek2lo = store(1.15L * X(Um2));
    Ek2hi = store(1.25L * X(Um2));
    writeRange("Label30", Ek1lo, Ek1hi, unit::volts);
    writeRange("Label34", Ek2lo, Ek2hi, unit::volts);
    Ukb1max = read("Edit9");
    Ek1lim = store(0.5L * X(Ukb1max));
    write("Label32", Ek1lim, unit::volts);
    Ukb2max = read("Edit10");
    Ek2lim = store(0.5L * X(Ukb2max));
    write("Label36", Ek2lim, unit::volts);
}

// The magnitude of Ек1 is typed as a positive number.
void TForm3::Button4Click()
{
    Ek1 = read("Edit15");
    Ek2 = read("Edit16");
    Ik1 = read("Edit13");
    Ik2 = read("Edit14");
    Rk1calc = store(X(Ek1) / Ik1);
    write("Label39", Rk1calc, unit::ohms);
    Rk2calc = store(X(Ek2) / Ik2);
    write("Label41", Rk2calc, unit::ohms);
}

void TForm3::Button5Click()
{
    Rk1 = read("Edit17");
    beta1min = read("Edit11");
    Rb1calc = store(X(beta1min) * Rk1);
    write("Label44", Rb1calc, unit::ohms);
    Rk2 = read("Edit18");
    beta2min = read("Edit12");
    Rb2lo = store(3 * X(beta2min) * Rk2);
    Rb2hi = store(5 * X(beta2min) * Rk2);
    writeRange("Label46", Rb2lo, Rb2hi, unit::ohms);
}

// Uses the accepted supplies of Step 4 and the accepted Rк2 of Step 5.
void TForm3::Button6Click()
{
    Rb1 = read("Edit19");
    Rmax = store((X(Ek2) * Rb1 - X(Ek1) * Rk2) / Ek1);
    write("Label49", Rmax, unit::ohms);
}

// The period is in microseconds, the resistances in ohms; the capacitance is stored in
// farads and shown in nanofarads.
void TForm3::Button7Click()
{
    tau = read("Edit3");
    Rb2 = read("Edit20");
    Ccalc = store((1e-6L * X(tau)) / ((X(Rb2) + Rk1) * 0.8L));
    write("Label52", X(Ccalc) * 1e9L, unit::nanofarads);
}

// C1 across R: the limit follows from the C the user accepted (typed in nanofarads), not
// from the one Step 7 computed, and from R in parallel with Rб1 + Rк2.
void TForm3::Button8Click()
{
    C = read("Edit22");
    R = read("Edit21");
    Rpar = store(((X(Rb1) + Rk2) * R) / ((X(Rb1) + Rk2) + R));
    C1calc = store(((X(Rb2) + Rk1) * (1e-9L * X(C))) / Rpar);
    write("Label55", X(C1calc) * 1e9L, unit::nanofarads);
}
