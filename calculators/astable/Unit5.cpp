#include "Unit5.h"

#include "units.h"

using namespace takton;

TForm5* Form5 = nullptr;

namespace {

// One row per control, in the order of the window's layout table. Captions keep their
// Latin look-alikes: the volts after Um1 in Label3 are a Latin B (after Um2 in Label4 a
// Cyrillic В), the degrees in Label6 a Latin C; Um, tau, tmax, I of I'к and R of every
// resistor are Latin, while Т1, Т2, Ек, С1 and С2 are Cyrillic.
constexpr Control<TForm5> controls[] = {
    {.name = "Label1", .kind = Kind::Label, .rect = {282, 12, 562, 19}, .style = style::bold, .caption = u"Расчёт автогенераторного мультивибратора с одним источником"},
    {.name = "Label2", .kind = Kind::Label, .rect = {348, 30, 404, 19}, .style = style::bold, .caption = u"коллекторного питания и ёмкостными связями"},
    {.name = "Image1", .kind = Kind::Image, .rect = {640, 66, 513, 271}},
    {.name = "Edit1", .kind = Kind::Edit, .rect = {540, 128, 43, 26}},
    {.name = "Label3", .kind = Kind::Label, .rect = {40, 134, 557, 19}, .caption = u"Амплитуда импульсов, формируемых на коллекторе Т1 Um1 =            B"},
    {.name = "Edit2", .kind = Kind::Edit, .rect = {540, 164, 43, 26}},
    {.name = "Label4", .kind = Kind::Label, .rect = {40, 170, 557, 19}, .caption = u"Амплитуда импульсов, формируемых на коллекторе Т2 Um2 =            В"},
    {.name = "Edit3", .kind = Kind::Edit, .rect = {418, 200, 43, 26}},
    {.name = "Label5", .kind = Kind::Label, .rect = {40, 206, 456, 19}, .caption = u"Период следования выходных импульсов tau =            мкс"},
    {.name = "Edit4", .kind = Kind::Edit, .rect = {404, 236, 43, 26}},
    {.name = "Label6", .kind = Kind::Label, .rect = {40, 242, 421, 19}, .caption = u"Максимальная рабочая температура tmax = +          C"},
    {.name = "Button1", .kind = Kind::Button, .rect = {32, 366, 56, 91}, .caption = u"Шаг 1", .onClick = &TForm5::Button1Click},
    {.name = "Label7", .kind = Kind::Label, .rect = {98, 366, 431, 19}, .caption = u"Максимально допустимое напряжение коллектор-база "},
    {.name = "Label8", .kind = Kind::Label, .rect = {534, 366, 192, 19}, .caption = u"транзистора Т1 не менее"},
    {.name = "Label9", .kind = Kind::Label, .rect = {736, 366, 16, 19}, .style = style::bold},
    {.name = "Label10", .kind = Kind::Label, .rect = {98, 390, 623, 19}, .caption = u"Максимально допустимое напряжение коллектор-база транзистора Т2 не менее"},
    {.name = "Label11", .kind = Kind::Label, .rect = {728, 390, 6, 19}, .style = style::bold},
    {.name = "Label12", .kind = Kind::Label, .rect = {98, 414, 655, 19}, .caption = u"Максимально допустимое обратное напряжение база-эмиттер транзистора Т1 более"},
    {.name = "Label13", .kind = Kind::Label, .rect = {760, 414, 6, 19}, .style = style::bold},
    {.name = "Label14", .kind = Kind::Label, .rect = {98, 438, 655, 19}, .caption = u"Максимально допустимое обратное напряжение база-эмиттер транзистора Т2 более"},
    {.name = "Label15", .kind = Kind::Label, .rect = {760, 438, 6, 19}, .style = style::bold},
    {.name = "Label16", .kind = Kind::Label, .rect = {32, 468, 293, 19}, .caption = u"Параметры выбранных транзисторов:"},
    {.name = "Edit5", .kind = Kind::Edit, .rect = {504, 486, 43, 26}},
    {.name = "Edit9", .kind = Kind::Edit, .rect = {1064, 486, 43, 26}},
    {.name = "Label17", .kind = Kind::Label, .rect = {32, 492, 1097, 19}, .caption = u"максимально допустимый импульсный ток коллектора Т1 =           А      максимально допустимое напряжение коллектор-база Т1 =             В"},
    {.name = "Edit6", .kind = Kind::Edit, .rect = {504, 510, 43, 26}},
    {.name = "Edit10", .kind = Kind::Edit, .rect = {1064, 510, 43, 26}},
    {.name = "Label18", .kind = Kind::Label, .rect = {32, 516, 1097, 19}, .caption = u"максимально допустимый импульсный ток коллектора Т2 =           А      максимально допустимое напряжение коллектор-база Т2 =             В"},
    {.name = "Edit7", .kind = Kind::Edit, .rect = {460, 534, 43, 26}},
    {.name = "Edit11", .kind = Kind::Edit, .rect = {1070, 534, 43, 26}},
    {.name = "Label19", .kind = Kind::Label, .rect = {32, 540, 1028, 19}, .caption = u"обратный ток коллектора Т1 при температуре tmax =            мкА           коэффициент передачи тока Т1 (минимальное значение) = "},
    {.name = "Edit8", .kind = Kind::Edit, .rect = {460, 558, 43, 26}},
    {.name = "Edit12", .kind = Kind::Edit, .rect = {1070, 558, 43, 26}},
    {.name = "Label20", .kind = Kind::Label, .rect = {32, 564, 1023, 19}, .caption = u"обратный ток коллектора Т2 при температуре tmax =            мкА           коэффициент передачи тока Т2 (минимальное значение) ="},
    {.name = "Button2", .kind = Kind::Button, .rect = {32, 594, 56, 79}, .caption = u"Шаг 2", .onClick = &TForm5::Button2Click},
    {.name = "Label21", .kind = Kind::Label, .rect = {110, 600, 436, 19}, .caption = u"Коллекторный ток открытого транзистора Т1 I'к1 менее"},
    {.name = "Label22", .kind = Kind::Label, .rect = {558, 600, 6, 19}, .style = style::bold},
    {.name = "Label23", .kind = Kind::Label, .rect = {416, 618, 131, 19}, .caption = u"также I'к1 более"},
    {.name = "Label24", .kind = Kind::Label, .rect = {558, 618, 6, 19}, .style = style::bold},
    {.name = "Label25", .kind = Kind::Label, .rect = {110, 642, 436, 19}, .caption = u"Коллекторный ток открытого транзистора Т2 I'к2 менее"},
    {.name = "Label26", .kind = Kind::Label, .rect = {558, 642, 6, 19}, .style = style::bold},
    {.name = "Label27", .kind = Kind::Label, .rect = {416, 660, 131, 19}, .caption = u"также I'к2 более"},
    {.name = "Label28", .kind = Kind::Label, .rect = {558, 660, 6, 19}, .style = style::bold},
    {.name = "Edit13", .kind = Kind::Edit, .rect = {166, 684, 43, 26}},
    {.name = "Edit14", .kind = Kind::Edit, .rect = {298, 684, 43, 26}},
    {.name = "Label29", .kind = Kind::Label, .rect = {44, 690, 313, 19}, .caption = u"Примем I'к1 =             А,  I'к2 =            А"},
    {.name = "Button3", .kind = Kind::Button, .rect = {32, 720, 56, 41}, .caption = u"Шаг 3", .onClick = &TForm5::Button3Click},
    {.name = "Label30", .kind = Kind::Label, .rect = {110, 720, 359, 19}, .caption = u"Напряжение фиктивного источника |Ек1ф| = "},
    {.name = "Label31", .kind = Kind::Label, .rect = {474, 720, 6, 19}, .style = style::bold},
    {.name = "Label32", .kind = Kind::Label, .rect = {110, 744, 340, 19}, .caption = u"Напряжение фиктивного источника Ек2ф ="},
    {.name = "Label33", .kind = Kind::Label, .rect = {460, 744, 6, 19}, .style = style::bold},
    {.name = "Edit15", .kind = Kind::Edit, .rect = {192, 775, 43, 26}},
    {.name = "Edit16", .kind = Kind::Edit, .rect = {336, 775, 43, 26}},
    {.name = "Label34", .kind = Kind::Label, .rect = {44, 782, 353, 19}, .caption = u"Примем |Ек1ф| =            В,   Ек2ф =            В"},
    {.name = "Button4", .kind = Kind::Button, .rect = {32, 811, 56, 42}, .caption = u"Шаг 4", .onClick = &TForm5::Button4Click},
    {.name = "Label35", .kind = Kind::Label, .rect = {110, 811, 253, 19}, .caption = u"Сопротивление резистора Rк1 ="},
    {.name = "Label36", .kind = Kind::Label, .rect = {372, 811, 6, 19}, .style = style::bold, .accepts = "Edit17"},
    {.name = "Label37", .kind = Kind::Label, .rect = {110, 836, 253, 19}, .caption = u"Сопротивление резистора Rк2 ="},
    {.name = "Label38", .kind = Kind::Label, .rect = {372, 836, 6, 19}, .style = style::bold, .accepts = "Edit18"},
    {.name = "Edit17", .kind = Kind::Edit, .rect = {166, 865, 43, 26}},
    {.name = "Edit18", .kind = Kind::Edit, .rect = {304, 865, 43, 26}},
    {.name = "Label39", .kind = Kind::Label, .rect = {44, 873, 317, 19}, .caption = u"Примем Rк1 =            Ом,  Rк2 =           Ом"},
    {.name = "Button5", .kind = Kind::Button, .rect = {32, 901, 56, 43}, .caption = u"Шаг 5", .onClick = &TForm5::Button5Click},
    {.name = "Label40", .kind = Kind::Label, .rect = {110, 903, 253, 19}, .caption = u"Сопротивление резистора Rб1 ="},
    {.name = "Label41", .kind = Kind::Label, .rect = {372, 903, 6, 19}, .style = style::bold, .accepts = "Edit19"},
    {.name = "Label42", .kind = Kind::Label, .rect = {110, 927, 253, 19}, .caption = u"Сопротивление резистора Rб2 ="},
    {.name = "Label43", .kind = Kind::Label, .rect = {372, 927, 6, 19}, .style = style::bold, .accepts = "Edit20"},
    {.name = "Edit19", .kind = Kind::Edit, .rect = {158, 957, 43, 26}},
    {.name = "Edit20", .kind = Kind::Edit, .rect = {296, 957, 43, 26}},
    {.name = "Label44", .kind = Kind::Label, .rect = {44, 965, 319, 19}, .caption = u"Примем Rб1 =          Ом,  Rб2 =           Ом"},
    {.name = "Button6", .kind = Kind::Button, .rect = {32, 1001, 56, 21}, .caption = u"Шаг 6", .onClick = &TForm5::Button6Click},
    {.name = "Label45", .kind = Kind::Label, .rect = {110, 1001, 217, 19}, .caption = u"Ёмкость конденсатора С2 ="},
    {.name = "Label46", .kind = Kind::Label, .rect = {334, 1001, 6, 19}, .style = style::bold, .accepts = "Edit21"},
    {.name = "Edit21", .kind = Kind::Edit, .rect = {152, 1025, 43, 26}},
    {.name = "Label47", .kind = Kind::Label, .rect = {44, 1033, 178, 19}, .caption = u"Примем С2 =           нФ"},
    {.name = "Button7", .kind = Kind::Button, .rect = {32, 1063, 56, 23}, .caption = u"Шаг 7", .onClick = &TForm5::Button7Click},
    {.name = "Label48", .kind = Kind::Label, .rect = {110, 1065, 560, 19}, .caption = u"Ёмкость конденсатора С1 выбирается незначительно больше значения "},
    {.name = "Label49", .kind = Kind::Label, .rect = {678, 1065, 6, 19}, .style = style::bold},
    {.name = "Button8", .kind = Kind::Button, .rect = {32, 1089, 56, 21}, .caption = u"Шаг 8", .onClick = &TForm5::Button8Click},
    {.name = "Label50", .kind = Kind::Label, .rect = {110, 1089, 350, 19}, .caption = u"Напряжение общего источника питания Ек ="},
    {.name = "Label51", .kind = Kind::Label, .rect = {466, 1089, 6, 19}, .style = style::bold},
    {.name = "Label52", .kind = Kind::Label, .rect = {44, 1114, 340, 19}, .caption = u"Сопротивление резистора R1 = 20...40 кОм"},
    {.name = "Label53", .kind = Kind::Label, .rect = {590, 1131, 123, 16}, .style = style::tahoma13},
};

} // namespace

// Lets the compiler check every control name the steps and the focus order use.
consteval const auto& layoutOf(const TForm5*)
{
    return controls;
}

TForm5::TForm5()
    : Calculator({.objectName = "Form5",
                  .caption = u"С одним источником коллекторного питания и ёмкостными связями",
                  .outerSize = {1224, 980},
                  .schematic = u":/schematics/form5.jpg"})
{
    build(controls);
    setFocusOrder({"Edit1", "Edit2", "Edit3", "Edit4", "Button1", "Edit5", "Edit6", "Edit7", "Edit8", "Edit9",
                   "Edit10", "Edit11", "Edit12", "Button2", "Edit13", "Edit14", "Button3", "Edit15", "Edit16",
                   "Button4", "Edit17", "Edit18", "Button5", "Edit19", "Edit20", "Button6", "Edit21", "Button7",
                   "Button8"});
}

void TForm5::Button1Click()
{
    Um1 = read("Edit1");
    Um2 = read("Edit2");
    Ukb1min = store(2 * X(Um1));
    write("Label9", Ukb1min, unit::volts);
    Ukb2min = store(2 * X(Um2));
    write("Label11", Ukb2min, unit::volts);
    write("Label13", Um1, unit::volts); // the reverse base-emitter rating must exceed it
    write("Label15", Um2, unit::volts);
}

// Upper bounds in amperes, lower bounds in microamperes, as the currents were typed.
void TForm5::Button2Click()
{
    Ik1max = read("Edit5");
    Ik1hi = store(0.7L * X(Ik1max));
    write("Label22", Ik1hi, unit::amperes);
    Ikbo1 = read("Edit7");
    Ik1lo = store(10 * X(Ikbo1));
    write("Label24", Ik1lo, unit::microamperes);
    Ik2max = read("Edit6");
    Ik2hi = store(0.7L * X(Ik2max));
    write("Label26", Ik2hi, unit::amperes);
    Ikbo2 = read("Edit8");
    Ik2lo = store(10 * X(Ikbo2));
    write("Label28", Ik2lo, unit::microamperes);
}

// The suggestions come from the amplitudes Step 1 stored, not from the fields.
void TForm5::Button3Click()
{
    Ek1fcalc = store(1.1L * X(Um1));
    write("Label31", Ek1fcalc, unit::volts);
    Ek2fcalc = store(1.1L * X(Um2));
    write("Label33", Ek2fcalc, unit::volts);
}

// All four fields are read before anything is divided.
void TForm5::Button4Click()
{
    Ek1f = read("Edit15");
    Ek2f = read("Edit16");
    Ik1 = read("Edit13");
    Ik2 = read("Edit14");
    Rk1calc = store(X(Ek1f) / Ik1);
    write("Label36", Rk1calc, unit::ohms);
    Rk2calc = store(X(Ek2f) / Ik2);
    write("Label38", Rk2calc, unit::ohms);
}

void TForm5::Button5Click()
{
    Rk1 = read("Edit17");
    beta1min = read("Edit11");
    Rb1lo = store(3 * X(beta1min) * Rk1);
    Rb1hi = store(5 * X(beta1min) * Rk1);
    writeRange("Label41", Rb1lo, Rb1hi, unit::ohms);
    Rk2 = read("Edit18");
    beta2min = read("Edit12");
    Rb2lo = store(3 * X(beta2min) * Rk2);
    Rb2hi = store(5 * X(beta2min) * Rk2);
    writeRange("Label43", Rb2lo, Rb2hi, unit::ohms);
}

// The period is in microseconds and Rк2 is the one Step 5 accepted; С2 is stored in
// farads and shown in nanofarads, chosen so that 0.75 (Rб1 + Rк2) С2 is the period.
void TForm5::Button6Click()
{
    tau = read("Edit3");
    Rb1 = read("Edit19");
    C2calc = store((1e-6L * X(tau)) / ((X(Rb1) + Rk2) * 0.75L));
    write("Label46", X(C2calc) * 1e9L, unit::nanofarads);
}

// С1 (Rб2 + Rк1) = С2 (Rб1 + Rк2), with Rб1 as Step 6 and Rк1, Rк2 as Step 5 last
// stored them; the accepted С2 is typed in nanofarads.
void TForm5::Button7Click()
{
    C2 = read("Edit21");
    Rb2 = read("Edit20");
    C1calc = store(((X(Rb1) + Rk2) * (1e-9L * X(C2))) / (X(Rb2) + Rk1));
    write("Label49", X(C1calc) * 1e9L, unit::nanofarads);
}

// The common supply is the sum of the two fictitious sources Step 4 accepted.
void TForm5::Button8Click()
{
    Ek = store(X(Ek1f) + Ek2f);
    write("Label51", Ek, unit::volts);
}
