#include "Unit9.h"

#include "units.h"

using namespace takton;

TForm9* Form9 = nullptr;

namespace {

// One row per control, in the order of the window's layout table. Captions keep their
// Latin look-alikes: the volts after Um1 and Um2 are a Latin B and the degrees after
// tmax a Latin C, while Т1, Т2, Ек1, Ек2, С1 and С2 are Cyrillic.
constexpr Control<TForm9> controls[] = {
    {.name = "Label1", .kind = Kind::Label, .rect = {238, 14, 402, 19}, .style = style::bold, .caption = u"Расчёт ждущего мультивибратора с запуском "},
    {.name = "Label2", .kind = Kind::Label, .rect = {650, 14, 236, 19}, .style = style::bold, .caption = u"положительным импульсом"},
    {.name = "Image1", .kind = Kind::Image, .rect = {674, 56, 447, 353}},
    {.name = "Edit1", .kind = Kind::Edit, .rect = {540, 130, 43, 26}},
    {.name = "Label3", .kind = Kind::Label, .rect = {48, 136, 548, 19}, .caption = u"Амплитуда импульса, формируемого на коллекторе Т1 Um1 =           B"},
    {.name = "Edit2", .kind = Kind::Edit, .rect = {540, 172, 43, 26}},
    {.name = "Label4", .kind = Kind::Label, .rect = {48, 178, 548, 19}, .caption = u"Амплитуда импульса, формируемого на коллекторе Т2 Um2 =           B"},
    {.name = "Edit3", .kind = Kind::Edit, .rect = {380, 214, 43, 26}},
    {.name = "Label5", .kind = Kind::Label, .rect = {48, 220, 406, 19}, .caption = u"Длительность выходного импульса tau =            мкс"},
    {.name = "Edit4", .kind = Kind::Edit, .rect = {412, 256, 43, 26}},
    {.name = "Label6", .kind = Kind::Label, .rect = {48, 262, 421, 19}, .caption = u"Максимальная рабочая температура tmax = +          C"},
    {.name = "Button1", .kind = Kind::Button, .rect = {32, 382, 56, 133}, .caption = u"Шаг 1", .onClick = &TForm9::Button1Click},
    {.name = "Label7", .kind = Kind::Label, .rect = {110, 382, 431, 19}, .caption = u"Максимально допустимое напряжение коллектор-база "},
    {.name = "Label8", .kind = Kind::Label, .rect = {110, 406, 192, 19}, .caption = u"транзистора Т1 не менее"},
    {.name = "Label9", .kind = Kind::Label, .rect = {314, 406, 6, 19}, .style = style::bold},
    {.name = "Label10", .kind = Kind::Label, .rect = {110, 430, 426, 19}, .caption = u"Максимально допустимое напряжение коллектор-база"},
    {.name = "Label11", .kind = Kind::Label, .rect = {110, 454, 192, 19}, .caption = u"транзистора Т2 не менее"},
    {.name = "Label12", .kind = Kind::Label, .rect = {314, 454, 6, 19}, .style = style::bold},
    {.name = "Label13", .kind = Kind::Label, .rect = {110, 478, 655, 19}, .caption = u"Максимально допустимое обратное напряжение база-эмиттер транзистора Т1 более"},
    {.name = "Label14", .kind = Kind::Label, .rect = {774, 478, 6, 19}, .style = style::bold},
    {.name = "Label15", .kind = Kind::Label, .rect = {110, 502, 655, 19}, .caption = u"Максимально допустимое обратное напряжение база-эмиттер транзистора Т2 более"},
    {.name = "Label16", .kind = Kind::Label, .rect = {774, 502, 6, 19}, .style = style::bold},
    {.name = "Label17", .kind = Kind::Label, .rect = {32, 532, 293, 19}, .caption = u"Параметры выбранных транзисторов:"},
    {.name = "Edit5", .kind = Kind::Edit, .rect = {504, 550, 43, 26}},
    {.name = "Edit7", .kind = Kind::Edit, .rect = {1094, 550, 43, 26}},
    {.name = "Label18", .kind = Kind::Label, .rect = {32, 556, 1122, 19}, .caption = u"максимально допустимый импульсный ток коллектора Т1 =            А            максимально допустимое напряжение коллектор-база Т1 =           В"},
    {.name = "Edit6", .kind = Kind::Edit, .rect = {504, 574, 43, 26}},
    {.name = "Edit8", .kind = Kind::Edit, .rect = {1094, 574, 43, 26}},
    {.name = "Label19", .kind = Kind::Label, .rect = {32, 580, 1122, 19}, .caption = u"максимально допустимый импульсный ток коллектора Т2 =            А            максимально допустимое напряжение коллектор-база Т2 =           В"},
    {.name = "Edit9", .kind = Kind::Edit, .rect = {460, 598, 43, 26}},
    {.name = "Edit11", .kind = Kind::Edit, .rect = {1100, 598, 43, 26}},
    {.name = "Label20", .kind = Kind::Label, .rect = {32, 604, 1058, 19}, .caption = u"обратный ток коллектора Т1 при температуре tmax =            мкА                  коэффициент передачи тока Т1 (минимальное значение) ="},
    {.name = "Edit10", .kind = Kind::Edit, .rect = {460, 622, 43, 26}},
    {.name = "Edit12", .kind = Kind::Edit, .rect = {1100, 622, 43, 26}},
    {.name = "Label21", .kind = Kind::Label, .rect = {32, 628, 1058, 19}, .caption = u"обратный ток коллектора Т2 при температуре tmax =            мкА                  коэффициент передачи тока Т2 (минимальное значение) ="},
    {.name = "Button2", .kind = Kind::Button, .rect = {32, 658, 56, 73}, .caption = u"Шаг 2", .onClick = &TForm9::Button2Click},
    {.name = "Label22", .kind = Kind::Label, .rect = {110, 658, 436, 19}, .caption = u"Коллекторный ток открытого транзистора Т1 I'к1 менее"},
    {.name = "Label23", .kind = Kind::Label, .rect = {558, 658, 6, 19}, .style = style::bold},
    {.name = "Label24", .kind = Kind::Label, .rect = {416, 676, 131, 19}, .caption = u"также I'к1 более"},
    {.name = "Label25", .kind = Kind::Label, .rect = {558, 676, 6, 19}, .style = style::bold},
    {.name = "Label26", .kind = Kind::Label, .rect = {110, 700, 436, 19}, .caption = u"Коллекторный ток открытого транзистора Т2 I'к2 менее"},
    {.name = "Label27", .kind = Kind::Label, .rect = {558, 700, 6, 19}, .style = style::bold},
    {.name = "Label28", .kind = Kind::Label, .rect = {416, 718, 131, 19}, .caption = u"также I'к2 более"},
    {.name = "Label29", .kind = Kind::Label, .rect = {558, 718, 6, 19}, .style = style::bold},
    {.name = "Edit13", .kind = Kind::Edit, .rect = {164, 736, 43, 26}},
    {.name = "Edit14", .kind = Kind::Edit, .rect = {282, 736, 43, 26}},
    {.name = "Label30", .kind = Kind::Label, .rect = {50, 742, 288, 19}, .caption = u"Примем I'к1 =          А,  I'к2 =          А"},
    {.name = "Button3", .kind = Kind::Button, .rect = {32, 770, 56, 41}, .caption = u"Шаг 3", .onClick = &TForm9::Button3Click},
    {.name = "Label31", .kind = Kind::Label, .rect = {110, 771, 310, 19}, .caption = u"Напряжение источника питания |Ек1| ="},
    {.name = "Label32", .kind = Kind::Label, .rect = {428, 771, 6, 19}, .style = style::bold},
    {.name = "Label33", .kind = Kind::Label, .rect = {110, 795, 296, 19}, .caption = u"Напряжение источника питания Ек2 ="},
    {.name = "Label34", .kind = Kind::Label, .rect = {416, 795, 6, 19}, .style = style::bold},
    {.name = "Edit15", .kind = Kind::Edit, .rect = {184, 822, 43, 26}},
    {.name = "Edit16", .kind = Kind::Edit, .rect = {308, 822, 43, 26}},
    {.name = "Label35", .kind = Kind::Label, .rect = {50, 828, 317, 19}, .caption = u"Примем |Ек1| =            В,  Ек2 =           В"},
    {.name = "Button4", .kind = Kind::Button, .rect = {32, 856, 56, 41}, .caption = u"Шаг 4", .onClick = &TForm9::Button4Click},
    {.name = "Label36", .kind = Kind::Label, .rect = {110, 857, 253, 19}, .caption = u"Сопротивление резистора Rк1 ="},
    {.name = "Label37", .kind = Kind::Label, .rect = {372, 857, 6, 19}, .style = style::bold, .accepts = "Edit17"},
    {.name = "Label38", .kind = Kind::Label, .rect = {110, 881, 253, 19}, .caption = u"Сопротивление резистора Rк2 ="},
    {.name = "Label39", .kind = Kind::Label, .rect = {372, 881, 6, 19}, .style = style::bold, .accepts = "Edit18"},
    {.name = "Edit17", .kind = Kind::Edit, .rect = {164, 909, 43, 26}},
    {.name = "Edit18", .kind = Kind::Edit, .rect = {302, 909, 43, 26}},
    {.name = "Label40", .kind = Kind::Label, .rect = {50, 915, 324, 19}, .caption = u"Примем Rк1 =           Ом,  Rк2 =           Ом"},
    {.name = "Button5", .kind = Kind::Button, .rect = {32, 942, 56, 22}, .caption = u"Шаг 5", .onClick = &TForm9::Button5Click},
    {.name = "Label41", .kind = Kind::Label, .rect = {110, 943, 253, 19}, .caption = u"Сопротивление резистора Rб1 ="},
    {.name = "Label42", .kind = Kind::Label, .rect = {372, 943, 6, 19}, .style = style::bold, .accepts = "Edit19"},
    {.name = "Edit19", .kind = Kind::Edit, .rect = {164, 971, 43, 26}},
    {.name = "Label45", .kind = Kind::Label, .rect = {50, 977, 186, 19}, .caption = u"Примем Rб1 =           Ом"},
    {.name = "Button6", .kind = Kind::Button, .rect = {32, 1005, 56, 41}, .caption = u"Шаг 6", .onClick = &TForm9::Button6Click},
    {.name = "Label43", .kind = Kind::Label, .rect = {110, 1005, 193, 19}, .caption = u"Время восстановления ="},
    {.name = "Label44", .kind = Kind::Label, .rect = {306, 1005, 6, 19}, .style = style::bold},
    {.name = "Label46", .kind = Kind::Label, .rect = {110, 1029, 270, 19}, .caption = u"Ёмкость конденсаторов С1 = С2 ="},
    {.name = "Label47", .kind = Kind::Label, .rect = {386, 1029, 6, 19}, .style = style::bold, .accepts = "Edit20"},
    {.name = "Edit20", .kind = Kind::Edit, .rect = {164, 1058, 43, 29}, .style = style::tahoma13},
    {.name = "Label48", .kind = Kind::Label, .rect = {50, 1064, 186, 16}, .style = style::tahoma13, .caption = u"Примем С1 = С2 =               нФ"},
    {.name = "Button7", .kind = Kind::Button, .rect = {32, 1092, 56, 22}, .caption = u"Шаг 7", .onClick = &TForm9::Button7Click},
    {.name = "Label49", .kind = Kind::Label, .rect = {110, 1092, 253, 19}, .caption = u"Сопротивление резистора Rб2 ="},
    {.name = "Label50", .kind = Kind::Label, .rect = {372, 1092, 6, 19}, .style = style::bold},
    {.name = "Label51", .kind = Kind::Label, .rect = {650, 1116, 4, 16}, .style = style::tahoma13},
};

} // namespace

// Lets the compiler check every control name the steps and the focus order use.
consteval const auto& layoutOf(const TForm9*)
{
    return controls;
}

TForm9::TForm9()
    : Calculator({.objectName = "Form9",
                   .caption = u"Ждущий мультивибратор с запуском положительным импульсом",
                   .outerSize = {1206, 877},
                   .schematic = u":/schematics/form9.jpg"})
{
    build(controls);
    setFocusOrder({"Edit1", "Edit2", "Edit3", "Edit4", "Button1", "Edit5", "Edit6", "Edit7", "Edit8",
                   "Edit9", "Edit10", "Edit11", "Edit12", "Button2", "Edit13", "Edit14", "Button3",
                   "Edit15", "Edit16", "Button4", "Edit17", "Edit18", "Button5", "Edit19", "Button6",
                   "Edit20", "Button7"});
}

void TForm9::Button1Click()
{
    Um1 = read("Edit1");
    Um2 = read("Edit2");
    Ukb1min = store(2 * X(Um1));
    write("Label9", Ukb1min, unit::volts);
    Ukb2min = store(2 * X(Um2));
    write("Label12", Ukb2min, unit::volts);
    write("Label14", Um1, unit::volts); // the reverse base-emitter rating must exceed it
    write("Label16", Um2, unit::volts);
}

// Upper bounds in amperes, lower bounds in microamperes, as the currents were typed.
void TForm9::Button2Click()
{
    Ik1max = read("Edit5");
    Ik1hi = store(0.7L * X(Ik1max));
    write("Label23", Ik1hi, unit::amperes);
    Ikbo1 = read("Edit9");
    Ik1lo = store(10 * X(Ikbo1));
    write("Label25", Ik1lo, unit::microamperes);
    Ik2max = read("Edit6");
    Ik2hi = store(0.7L * X(Ik2max));
    write("Label27", Ik2hi, unit::amperes);
    Ikbo2 = read("Edit10");
    Ik2lo = store(10 * X(Ikbo2));
    write("Label29", Ik2lo, unit::microamperes);
}

// The supplies come from the amplitudes Step 1 stored, not from the fields; Ек1 is
// negative in the circuit and is given as its magnitude.
void TForm9::Button3Click()
{
    Ek1calc = store(1.1L * X(Um1));
    write("Label32", Ek1calc, unit::volts);
    Ek2calc = store(1.1L * X(Um2));
    write("Label34", Ek2calc, unit::volts);
}

void TForm9::Button4Click()
{
    Ek1 = read("Edit15");
    Ek2 = read("Edit16");
    Ik1 = read("Edit13");
    Ik2 = read("Edit14");
    Rk1calc = store(X(Ek1) / Ik1);
    write("Label37", Rk1calc, unit::ohms);
    Rk2calc = store(X(Ek2) / Ik2);
    write("Label39", Rk2calc, unit::ohms);
}

// Only the accepted Rк1 is read here; the accepted Rк2 beside it is Step 6's.
void TForm9::Button5Click()
{
    Rk1 = read("Edit17");
    beta1min = read("Edit11");
    Rb1lo = store(3 * X(beta1min) * Rk1);
    Rb1hi = store(5 * X(beta1min) * Rk1);
    writeRange("Label42", Rb1lo, Rb1hi, unit::ohms);
}

// Times in microseconds, resistances in ohms; the capacitance, from
// trec = 0.7 (Rк2 + Rб1) C, is stored in farads and shown in nanofarads.
void TForm9::Button6Click()
{
    tau = read("Edit3");
    trec = store(X(tau) / 0.05L);
    write("Label44", trec, unit::microseconds);
    Rk2 = read("Edit18");
    Rb1 = read("Edit19");
    C12calc = store((1e-6L * X(trec)) / (0.7L * (X(Rk2) + Rb1)));
    write("Label47", X(C12calc) * 1e9L, unit::nanofarads);
}

// The accepted capacitance is typed in nanofarads; Rб1 is the one Step 6 last read.
// The capacitance stands in both numerator and denominator, so any non-zero C shows
// Rб1 itself and C = 0 is refused as 0/0.
void TForm9::Button7Click()
{
    C12 = read("Edit20");
    Rb2calc = store((1e-9L * X(C12) * Rb1) / (1e-9L * X(C12)));
    write("Label50", Rb2calc, unit::ohms);
}
