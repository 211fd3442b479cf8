#include "Unit8.h"

#include "units.h"

using namespace takton;

TForm8* Form8 = nullptr;

namespace {

// One row per control, in the order of the window's layout table. The degrees after
// tmax in Label6 are a Latin C; the volts after Um1 and Um2 are a Cyrillic В, and so
// are the letters of Т1, Т2, Еэ and С1, С2. Edit11 alone takes the label face and is a
// pixel taller than the other fields. The reverse currents and current gains are
// numbered across: Edit9 and Edit10 are T1's line, Edit11 and Edit12 T2's.
constexpr Control<TForm8> controls[] = {
    {.name = "Label1", .kind = Kind::Label, .rect = {316, 12, 562, 19}, .style = style::bold, .caption = u"Расчёт автогенераторного мультивибратора с одним источником"},
    {.name = "Label2", .kind = Kind::Label, .rect = {382, 30, 380, 19}, .style = style::bold, .caption = u"эмиттерного питания и ёмкостными связями"},
    {.name = "Image1", .kind = Kind::Image, .rect = {688, 66, 409, 327}},
    {.name = "Edit1", .kind = Kind::Edit, .rect = {570, 152, 43, 26}},
    {.name = "Label3", .kind = Kind::Label, .rect = {70, 158, 557, 19}, .caption = u"Амплитуда импульсов, формируемых на коллекторе Т1 Um1 =            В"},
    {.name = "Edit2", .kind = Kind::Edit, .rect = {570, 188, 43, 26}},
    {.name = "Label4", .kind = Kind::Label, .rect = {70, 194, 557, 19}, .caption = u"Амплитуда импульсов, формируемых на коллекторе Т2 Um2 =            В"},
    {.name = "Edit3", .kind = Kind::Edit, .rect = {448, 224, 43, 26}},
    {.name = "Label5", .kind = Kind::Label, .rect = {70, 230, 456, 19}, .caption = u"Период следования выходных импульсов tau =            мкс"},
    {.name = "Edit4", .kind = Kind::Edit, .rect = {434, 260, 43, 26}},
    {.name = "Label6", .kind = Kind::Label, .rect = {70, 266, 421, 19}, .caption = u"Максимальная рабочая температура tmax = +          C"},
    {.name = "Button1", .kind = Kind::Button, .rect = {30, 402, 56, 91}, .caption = u"Шаг 1", .onClick = &TForm8::Button1Click},
    {.name = "Label7", .kind = Kind::Label, .rect = {108, 402, 623, 19}, .caption = u"Максимально допустимое напряжение коллектор-база транзистора Т1 не менее"},
    {.name = "Label8", .kind = Kind::Label, .rect = {738, 402, 6, 19}, .style = style::bold},
    {.name = "Label9", .kind = Kind::Label, .rect = {108, 426, 623, 19}, .caption = u"Максимально допустимое напряжение коллектор-база транзистора Т2 не менее"},
    {.name = "Label10", .kind = Kind::Label, .rect = {738, 426, 6, 19}, .style = style::bold},
    {.name = "Label11", .kind = Kind::Label, .rect = {108, 450, 655, 19}, .caption = u"Максимально допустимое обратное напряжение база-эмиттер транзистора Т1 более"},
    {.name = "Label12", .kind = Kind::Label, .rect = {770, 450, 6, 19}, .style = style::bold},
    {.name = "Label13", .kind = Kind::Label, .rect = {108, 474, 655, 19}, .caption = u"Максимально допустимое обратное напряжение база-эмиттер транзистора Т2 более"},
    {.name = "Label14", .kind = Kind::Label, .rect = {770, 474, 6, 19}, .style = style::bold},
    {.name = "Label15", .kind = Kind::Label, .rect = {30, 504, 289, 19}, .caption = u"Параметры выбранного транзистора:"},
    {.name = "Edit5", .kind = Kind::Edit, .rect = {502, 522, 43, 26}},
    {.name = "Edit7", .kind = Kind::Edit, .rect = {1062, 522, 43, 26}},
    {.name = "Label16", .kind = Kind::Label, .rect = {30, 528, 1092, 19}, .caption = u"максимально допустимый импульсный ток коллектора Т1 =            А     максимально допустимое напряжение коллектор-база Т1 =            В"},
    {.name = "Edit6", .kind = Kind::Edit, .rect = {502, 546, 43, 26}},
    {.name = "Edit8", .kind = Kind::Edit, .rect = {1062, 546, 43, 26}},
    {.name = "Label17", .kind = Kind::Label, .rect = {30, 552, 1092, 19}, .caption = u"максимально допустимый импульсный ток коллектора Т2 =            А     максимально допустимое напряжение коллектор-база Т2 =            В"},
    {.name = "Edit9", .kind = Kind::Edit, .rect = {458, 570, 43, 26}},
    {.name = "Edit10", .kind = Kind::Edit, .rect = {1060, 570, 43, 26}},
    {.name = "Label18", .kind = Kind::Label, .rect = {30, 576, 1018, 19}, .caption = u"обратный ток коллектора Т1 при температуре tmax =           мкА           коэффициент передачи тока Т1 (минимальное значение) ="},
    {.name = "Edit11", .kind = Kind::Edit, .rect = {458, 594, 43, 27}, .style = style::sans15},
    {.name = "Edit12", .kind = Kind::Edit, .rect = {1060, 594, 43, 26}},
    {.name = "Label19", .kind = Kind::Label, .rect = {30, 600, 1018, 19}, .caption = u"обратный ток коллектора Т2 при температуре tmax =           мкА           коэффициент передачи тока Т2 (минимальное значение) ="},
    {.name = "Button2", .kind = Kind::Button, .rect = {30, 630, 56, 73}, .caption = u"Шаг 2", .onClick = &TForm8::Button2Click},
    {.name = "Label20", .kind = Kind::Label, .rect = {108, 630, 436, 19}, .caption = u"Коллекторный ток открытого транзистора Т1 I'к1 менее"},
    {.name = "Label21", .kind = Kind::Label, .rect = {556, 630, 6, 19}, .style = style::bold},
    {.name = "Label22", .kind = Kind::Label, .rect = {414, 648, 131, 19}, .caption = u"также I'к1 более"},
    {.name = "Label23", .kind = Kind::Label, .rect = {556, 648, 6, 19}, .style = style::bold},
    {.name = "Label24", .kind = Kind::Label, .rect = {108, 672, 436, 19}, .caption = u"Коллекторный ток открытого транзистора Т2 I'к2 менее"},
    {.name = "Label25", .kind = Kind::Label, .rect = {556, 672, 6, 19}, .style = style::bold},
    {.name = "Label26", .kind = Kind::Label, .rect = {414, 690, 131, 19}, .caption = u"также I'к2 более"},
    {.name = "Label27", .kind = Kind::Label, .rect = {556, 690, 6, 19}, .style = style::bold},
    {.name = "Edit13", .kind = Kind::Edit, .rect = {156, 706, 43, 26}},
    {.name = "Edit14", .kind = Kind::Edit, .rect = {280, 706, 43, 26}},
    {.name = "Label28", .kind = Kind::Label, .rect = {42, 714, 293, 19}, .caption = u"Примем I'к1 =           А,  I'к2 =          А"},
    {.name = "Button3", .kind = Kind::Button, .rect = {30, 742, 56, 41}, .caption = u"Шаг 3", .onClick = &TForm8::Button3Click},
    {.name = "Label29", .kind = Kind::Label, .rect = {108, 743, 339, 19}, .caption = u"Напряжение фиктивного источника Еэ1ф ="},
    {.name = "Label30", .kind = Kind::Label, .rect = {452, 743, 6, 19}, .style = style::bold},
    {.name = "Label31", .kind = Kind::Label, .rect = {108, 767, 353, 19}, .caption = u"Напряжение фиктивного источника |Еэ2ф| ="},
    {.name = "Label32", .kind = Kind::Label, .rect = {464, 767, 6, 19}, .style = style::bold},
    {.name = "Edit15", .kind = Kind::Edit, .rect = {168, 794, 43, 26}},
    {.name = "Edit16", .kind = Kind::Edit, .rect = {318, 794, 43, 26}},
    {.name = "Label33", .kind = Kind::Label, .rect = {42, 800, 336, 19}, .caption = u"Примем Еэ1ф =           В,  |Еэ2ф| =           В"},
    {.name = "Button4", .kind = Kind::Button, .rect = {30, 828, 56, 41}, .caption = u"Шаг 4", .onClick = &TForm8::Button4Click},
    {.name = "Label34", .kind = Kind::Label, .rect = {108, 829, 253, 19}, .caption = u"Сопротивление резистора Rк1 ="},
    {.name = "Label35", .kind = Kind::Label, .rect = {370, 829, 6, 19}, .style = style::bold, .accepts = "Edit17"},
    {.name = "Label36", .kind = Kind::Label, .rect = {108, 853, 253, 19}, .caption = u"Сопротивление резистора Rк2 ="},
    {.name = "Label37", .kind = Kind::Label, .rect = {370, 853, 6, 19}, .style = style::bold, .accepts = "Edit18"},
    {.name = "Edit17", .kind = Kind::Edit, .rect = {156, 881, 43, 26}},
    {.name = "Edit18", .kind = Kind::Edit, .rect = {294, 881, 43, 26}},
    {.name = "Label38", .kind = Kind::Label, .rect = {42, 887, 319, 19}, .caption = u"Примем Rк1 =           Ом,  Rк2 =          Ом"},
    {.name = "Button5", .kind = Kind::Button, .rect = {30, 914, 56, 42}, .caption = u"Шаг 5", .onClick = &TForm8::Button5Click},
    {.name = "Label39", .kind = Kind::Label, .rect = {108, 915, 253, 19}, .caption = u"Сопротивление резистора Rб1 ="},
    {.name = "Label40", .kind = Kind::Label, .rect = {370, 915, 6, 19}, .style = style::bold, .accepts = "Edit19"},
    {.name = "Label41", .kind = Kind::Label, .rect = {108, 939, 253, 19}, .caption = u"Сопротивление резистора Rб2 ="},
    {.name = "Label42", .kind = Kind::Label, .rect = {370, 939, 6, 19}, .style = style::bold, .accepts = "Edit20"},
    {.name = "Edit19", .kind = Kind::Edit, .rect = {156, 967, 43, 26}},
    {.name = "Edit20", .kind = Kind::Edit, .rect = {286, 967, 43, 26}},
    {.name = "Label43", .kind = Kind::Label, .rect = {42, 973, 314, 19}, .caption = u"Примем Rб1 =          Ом,  Rб2 =          Ом"},
    {.name = "Button6", .kind = Kind::Button, .rect = {30, 1001, 56, 22}, .caption = u"Шаг 6", .onClick = &TForm8::Button6Click},
    {.name = "Label44", .kind = Kind::Label, .rect = {108, 1001, 217, 19}, .caption = u"Ёмкость конденсатора С2 ="},
    {.name = "Label45", .kind = Kind::Label, .rect = {332, 1001, 6, 19}, .style = style::bold, .accepts = "Edit21"},
    {.name = "Edit21", .kind = Kind::Edit, .rect = {150, 1031, 43, 26}},
    {.name = "Label46", .kind = Kind::Label, .rect = {42, 1037, 183, 19}, .caption = u"Примем С2 =            нФ"},
    {.name = "Button7", .kind = Kind::Button, .rect = {30, 1065, 56, 22}, .caption = u"Шаг 7", .onClick = &TForm8::Button7Click},
    {.name = "Label47", .kind = Kind::Label, .rect = {108, 1066, 555, 19}, .caption = u"Ёмкость конденсатора С1 выбирается незначительно больше значения"},
    {.name = "Label48", .kind = Kind::Label, .rect = {676, 1066, 6, 19}, .style = style::bold},
    {.name = "Button8", .kind = Kind::Button, .rect = {30, 1090, 56, 22}, .caption = u"Шаг 8", .onClick = &TForm8::Button8Click},
    {.name = "Label49", .kind = Kind::Label, .rect = {108, 1091, 285, 19}, .caption = u"Напряжение источника питания Еэ ="},
    {.name = "Label50", .kind = Kind::Label, .rect = {400, 1091, 6, 19}, .style = style::bold},
    {.name = "Label51", .kind = Kind::Label, .rect = {848, 1113, 5, 18}, .style = style::tahoma15},
};

} // namespace

// Lets the compiler check every control name the steps and the focus order use.
consteval const auto& layoutOf(const TForm8*)
{
    return controls;
}

TForm8::TForm8()
    : Calculator({.objectName = "Form8",
                  .caption = u"С одним источником эмиттерного питания и ёмкостными связями",
                  .outerSize = {1177, 901},
                  .schematic = u":/schematics/form8.jpg"})
{
    build(controls);
    setFocusOrder({"Edit1", "Edit2", "Edit3", "Edit4", "Button1", "Edit5", "Edit6", "Edit7", "Edit8", "Edit9",
                   "Edit10", "Edit11", "Edit12", "Button2", "Edit13", "Edit14", "Button3", "Edit15", "Edit16",
                   "Button4", "Edit17", "Edit18", "Button5", "Edit19", "Edit20", "Button6", "Edit21", "Button7",
                   "Button8"});
}

void TForm8::Button1Click()
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
void TForm8::Button2Click()
{
    Ik1max = read("Edit5");
    Ik1hi = store(0.7L * X(Ik1max));
    write("Label21", Ik1hi, unit::amperes);
    Ikbo1 = read("Edit9");
    Ik1lo = store(10 * X(Ikbo1));
    write("Label23", Ik1lo, unit::microamperes);
    Ik2max = read("Edit6");
    Ik2hi = store(0.7L * X(Ik2max));
    write("Label25", Ik2hi, unit::amperes);
    Ikbo2 = read("Edit11");
    Ik2lo = store(10 * X(Ikbo2));
    write("Label27", Ik2lo, unit::microamperes);
}

// The single emitter supply is treated as two fictitious sources, one for each half,
// from the amplitudes Step 1 stored, not from the fields.
void TForm8::Button3Click()
{
    Ee1fcalc = store(1.1L * X(Um1));
    write("Label30", Ee1fcalc, unit::volts);
    Ee2fcalc = store(1.1L * X(Um2));
    write("Label32", Ee2fcalc, unit::volts);
}

// Every field is read before the first division.
void TForm8::Button4Click()
{
    Ee1f = read("Edit15");
    Ee2f = read("Edit16");
    Ik1 = read("Edit13");
    Ik2 = read("Edit14");
    Rk1calc = store(X(Ee1f) / Ik1);
    write("Label35", Rk1calc, unit::ohms);
    Rk2calc = store(X(Ee2f) / Ik2);
    write("Label37", Rk2calc, unit::ohms);
}

// Rб lies between 3 and 5 times beta x Rк.
void TForm8::Button5Click()
{
    Rk1 = read("Edit17");
    beta1min = read("Edit10");
    Rb1lo = store(3 * X(beta1min) * Rk1);
    Rb1hi = store(5 * X(beta1min) * Rk1);
    writeRange("Label40", Rb1lo, Rb1hi, unit::ohms);
    Rk2 = read("Edit18");
    beta2min = read("Edit12");
    Rb2lo = store(3 * X(beta2min) * Rk2);
    Rb2hi = store(5 * X(beta2min) * Rk2);
    writeRange("Label42", Rb2lo, Rb2hi, unit::ohms);
}

// tau = 0.75 (Rб1 + Rк2) C2, with the period in microseconds and Rк2 as Step 5 stored
// it; C2 is kept in farads and shown in nanofarads.
void TForm8::Button6Click()
{
    tau = read("Edit3");
    Rb1 = read("Edit19");
    C2calc = store((1e-6L * X(tau)) / ((X(Rb1) + Rk2) * 0.75L));
    write("Label45", X(C2calc) * 1e9L, unit::nanofarads);
}

// C1 (Rб2 + Rк1) = C2 (Rб1 + Rк2), with the accepted C2 typed in nanofarads and Rб1 as
// Step 6 stored it.
void TForm8::Button7Click()
{
    C2 = read("Edit21");
    Rb2 = read("Edit20");
    C1calc = store(((X(Rb1) + Rk2) * (1e-9L * X(C2))) / (X(Rb2) + Rk1));
    write("Label48", X(C1calc) * 1e9L, unit::nanofarads);
}

// The real supply is the sum of the two fictitious ones accepted in Step 4.
void TForm8::Button8Click()
{
    Ee = store(X(Ee1f) + Ee2f);
    write("Label50", Ee, unit::volts);
}
