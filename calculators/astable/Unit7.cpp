#include "Unit7.h"

#include "units.h"

using namespace takton;

TForm7* Form7 = nullptr;

namespace {

// One row per control, in the order of the window's layout table. Captions keep their
// Latin look-alikes: Um1, Um2, tau, tmax, the R of every resistor and the I of I'к1 and
// I'к2 are Latin, and so are the volts B after Um1 and Um2 and the C of degrees after
// tmax. Т1, Т2, Еэ1ф, Еэ2ф, С and С1 are Cyrillic. Label13 keeps its double blank and
// Label20 its trailing blank.
constexpr Control<TForm7> controls[] = {
    {.name = "Label1", .kind = Kind::Label, .rect = {252, 12, 562, 19}, .style = style::bold, .caption = u"Расчёт автогенераторного мультивибратора с одним источником"},
    {.name = "Label2", .kind = Kind::Label, .rect = {246, 30, 574, 19}, .style = style::bold, .caption = u"эмиттерного питания, ёмкостной и резистивно-ёмкостной связями"},
    {.name = "Image1", .kind = Kind::Image, .rect = {656, 68, 433, 318}},
    {.name = "Edit1", .kind = Kind::Edit, .rect = {548, 152, 43, 26}},
    {.name = "Label3", .kind = Kind::Label, .rect = {48, 158, 557, 19}, .caption = u"Амплитуда импульсов, формируемых на коллекторе Т1 Um1 =            B"},
    {.name = "Edit2", .kind = Kind::Edit, .rect = {548, 188, 43, 26}},
    {.name = "Label4", .kind = Kind::Label, .rect = {48, 194, 557, 19}, .caption = u"Амплитуда импульсов, формируемых на коллекторе Т2 Um2 =            B"},
    {.name = "Edit3", .kind = Kind::Edit, .rect = {426, 224, 43, 26}},
    {.name = "Label5", .kind = Kind::Label, .rect = {48, 230, 456, 19}, .caption = u"Период следования выходных импульсов tau =            мкс"},
    {.name = "Edit4", .kind = Kind::Edit, .rect = {410, 260, 43, 26}},
    {.name = "Label6", .kind = Kind::Label, .rect = {48, 266, 421, 19}, .caption = u"Максимальная рабочая температура tmax = +          C"},
    {.name = "Button1", .kind = Kind::Button, .rect = {32, 434, 56, 91}, .caption = u"Шаг 1", .onClick = &TForm7::Button1Click},
    {.name = "Label7", .kind = Kind::Label, .rect = {110, 434, 623, 19}, .caption = u"Максимально допустимое напряжение коллектор-база транзистора Т1 не менее"},
    {.name = "Label8", .kind = Kind::Label, .rect = {742, 434, 6, 19}, .style = style::bold},
    {.name = "Label9", .kind = Kind::Label, .rect = {110, 458, 623, 19}, .caption = u"Максимально допустимое напряжение коллектор-база транзистора Т2 не менее"},
    {.name = "Label10", .kind = Kind::Label, .rect = {742, 458, 6, 19}, .style = style::bold},
    {.name = "Label11", .kind = Kind::Label, .rect = {110, 482, 655, 19}, .caption = u"Максимально допустимое обратное напряжение база-эмиттер транзистора Т1 более"},
    {.name = "Label12", .kind = Kind::Label, .rect = {772, 482, 6, 19}, .style = style::bold},
    {.name = "Label13", .kind = Kind::Label, .rect = {110, 506, 660, 19}, .caption = u"Максимально допустимое  обратное напряжение база-эмиттер транзистора Т2 более"},
    {.name = "Label14", .kind = Kind::Label, .rect = {780, 506, 6, 19}, .style = style::bold},
    {.name = "Label15", .kind = Kind::Label, .rect = {32, 536, 293, 19}, .caption = u"Параметры выбранных транзисторов:"},
    {.name = "Edit5", .kind = Kind::Edit, .rect = {504, 554, 43, 26}},
    {.name = "Edit9", .kind = Kind::Edit, .rect = {1064, 554, 43, 26}},
    {.name = "Label16", .kind = Kind::Label, .rect = {32, 560, 1092, 19}, .caption = u"максимально допустимый импульсный ток коллектора Т1 =            А     максимально допустимое напряжение коллектор-база Т1 =            В"},
    {.name = "Edit6", .kind = Kind::Edit, .rect = {504, 578, 43, 26}},
    {.name = "Edit10", .kind = Kind::Edit, .rect = {1064, 578, 43, 26}},
    {.name = "Label17", .kind = Kind::Label, .rect = {32, 584, 1092, 19}, .caption = u"максимально допустимый импульсный ток коллектора Т2 =            А     максимально допустимое напряжение коллектор-база Т2 =            В"},
    {.name = "Edit7", .kind = Kind::Edit, .rect = {460, 602, 43, 26}},
    {.name = "Edit11", .kind = Kind::Edit, .rect = {1062, 602, 43, 26}},
    {.name = "Label18", .kind = Kind::Label, .rect = {32, 608, 1023, 19}, .caption = u"обратный ток коллектора Т1 при температуре tmax =            мкА           коэффициент передачи тока Т1 (минимальное значение) ="},
    {.name = "Edit8", .kind = Kind::Edit, .rect = {460, 626, 43, 26}},
    {.name = "Edit12", .kind = Kind::Edit, .rect = {1062, 626, 43, 26}},
    {.name = "Label19", .kind = Kind::Label, .rect = {32, 632, 1023, 19}, .caption = u"обратный ток коллектора Т2 при температуре tmax =            мкА           коэффициент передачи тока Т2 (минимальное значение) ="},
    {.name = "Button2", .kind = Kind::Button, .rect = {32, 662, 56, 71}, .caption = u"Шаг 2", .onClick = &TForm7::Button2Click},
    {.name = "Label20", .kind = Kind::Label, .rect = {110, 662, 441, 19}, .caption = u"Коллекторный ток открытого транзистора Т1 I'к1 менее "},
    {.name = "Label21", .kind = Kind::Label, .rect = {558, 662, 6, 19}, .style = style::bold},
    {.name = "Label22", .kind = Kind::Label, .rect = {416, 680, 131, 19}, .caption = u"также I'к1 более"},
    {.name = "Label23", .kind = Kind::Label, .rect = {558, 680, 6, 19}, .style = style::bold},
    {.name = "Label24", .kind = Kind::Label, .rect = {110, 704, 436, 19}, .caption = u"Коллекторный ток открытого транзистора Т2 I'к2 менее"},
    {.name = "Label25", .kind = Kind::Label, .rect = {558, 704, 6, 19}, .style = style::bold},
    {.name = "Label26", .kind = Kind::Label, .rect = {416, 722, 131, 19}, .caption = u"также I'к2 более"},
    {.name = "Label27", .kind = Kind::Label, .rect = {558, 722, 6, 19}, .style = style::bold},
    {.name = "Edit13", .kind = Kind::Edit, .rect = {164, 737, 43, 26}},
    {.name = "Edit14", .kind = Kind::Edit, .rect = {294, 737, 43, 26}},
    {.name = "Label28", .kind = Kind::Label, .rect = {50, 745, 303, 19}, .caption = u"Примем I'к1 =          А,   I'к2 =            А"},
    {.name = "Button3", .kind = Kind::Button, .rect = {32, 775, 56, 74}, .style = style::tahoma13, .caption = u"Шаг 3", .onClick = &TForm7::Button3Click},
    {.name = "Label29", .kind = Kind::Label, .rect = {110, 775, 339, 19}, .caption = u"Напряжение фиктивного источника Еэ1ф ="},
    {.name = "Label30", .kind = Kind::Label, .rect = {454, 775, 6, 19}, .style = style::bold},
    {.name = "Label31", .kind = Kind::Label, .rect = {390, 795, 57, 19}, .caption = u"Еэ1ф <"},
    {.name = "Label32", .kind = Kind::Label, .rect = {454, 795, 6, 19}, .style = style::bold},
    {.name = "Label33", .kind = Kind::Label, .rect = {110, 816, 353, 19}, .caption = u"Напряжение фиктивного источника |Еэ2ф| ="},
    {.name = "Label34", .kind = Kind::Label, .rect = {474, 816, 6, 19}, .style = style::bold},
    {.name = "Label35", .kind = Kind::Label, .rect = {390, 838, 71, 19}, .caption = u"|Еэ2ф| <"},
    {.name = "Label36", .kind = Kind::Label, .rect = {474, 838, 6, 19}, .style = style::bold},
    {.name = "Edit15", .kind = Kind::Edit, .rect = {176, 852, 43, 26}},
    {.name = "Edit16", .kind = Kind::Edit, .rect = {326, 852, 43, 26}},
    {.name = "Label37", .kind = Kind::Label, .rect = {50, 860, 336, 19}, .caption = u"Примем Еэ1ф =           В,  |Еэ2ф| =           В"},
    {.name = "Button4", .kind = Kind::Button, .rect = {32, 890, 56, 41}, .caption = u"Шаг 4", .onClick = &TForm7::Button4Click},
    {.name = "Label38", .kind = Kind::Label, .rect = {110, 890, 253, 19}, .caption = u"Сопротивление резистора Rк1 ="},
    {.name = "Label39", .kind = Kind::Label, .rect = {372, 890, 6, 19}, .style = style::bold, .accepts = "Edit17"},
    {.name = "Label40", .kind = Kind::Label, .rect = {110, 914, 253, 19}, .caption = u"Сопротивление резистора Rк2 ="},
    {.name = "Label41", .kind = Kind::Label, .rect = {372, 914, 6, 19}, .style = style::bold, .accepts = "Edit18"},
    {.name = "Edit17", .kind = Kind::Edit, .rect = {164, 940, 43, 26}},
    {.name = "Edit18", .kind = Kind::Edit, .rect = {302, 940, 43, 26}},
    {.name = "Label42", .kind = Kind::Label, .rect = {50, 948, 324, 19}, .caption = u"Примем Rк1 =          Ом,  Rк2 =            Ом"},
    {.name = "Button5", .kind = Kind::Button, .rect = {32, 978, 56, 41}, .caption = u"Шаг 5", .onClick = &TForm7::Button5Click},
    {.name = "Label43", .kind = Kind::Label, .rect = {110, 979, 253, 19}, .caption = u"Сопротивление резистора Rб1 ="},
    {.name = "Label44", .kind = Kind::Label, .rect = {372, 979, 6, 19}, .style = style::bold, .accepts = "Edit19"},
    {.name = "Label45", .kind = Kind::Label, .rect = {110, 1003, 253, 19}, .caption = u"Сопротивление резистора Rб2 ="},
    {.name = "Label46", .kind = Kind::Label, .rect = {372, 1003, 6, 19}, .style = style::bold, .accepts = "Edit20"},
    {.name = "Edit19", .kind = Kind::Edit, .rect = {172, 1030, 43, 26}},
    {.name = "Edit20", .kind = Kind::Edit, .rect = {316, 1030, 43, 26}},
    {.name = "Label47", .kind = Kind::Label, .rect = {50, 1036, 334, 19}, .caption = u"Примем Rб1 =            Ом,   Rб2 =           Ом"},
    {.name = "Button6", .kind = Kind::Button, .rect = {32, 1066, 56, 21}, .caption = u"Шаг 6", .onClick = &TForm7::Button6Click},
    {.name = "Label48", .kind = Kind::Label, .rect = {110, 1067, 303, 19}, .caption = u"Сопротивление резистора R, не более:"},
    {.name = "Label49", .kind = Kind::Label, .rect = {416, 1067, 6, 19}, .style = style::bold, .accepts = "Edit21"},
    {.name = "Edit21", .kind = Kind::Edit, .rect = {144, 1089, 43, 26}},
    {.name = "Label50", .kind = Kind::Label, .rect = {50, 1097, 167, 19}, .caption = u"Примем R =           Ом"},
    {.name = "Button7", .kind = Kind::Button, .rect = {32, 1127, 56, 24}, .caption = u"Шаг 7", .onClick = &TForm7::Button7Click},
    {.name = "Label51", .kind = Kind::Label, .rect = {110, 1127, 207, 19}, .caption = u"Ёмкость конденсатора С ="},
    {.name = "Label52", .kind = Kind::Label, .rect = {328, 1127, 6, 19}, .style = style::bold, .accepts = "Edit22"},
    {.name = "Edit22", .kind = Kind::Edit, .rect = {152, 1157, 43, 26}},
    {.name = "Label53", .kind = Kind::Label, .rect = {50, 1165, 178, 19}, .caption = u"Примем С =             нФ"},
    {.name = "Button8", .kind = Kind::Button, .rect = {32, 1195, 56, 22}, .caption = u"Шаг 8", .onClick = &TForm7::Button8Click},
    {.name = "Label54", .kind = Kind::Label, .rect = {110, 1196, 251, 19}, .caption = u"Ёмкость конденсатора С1 менее"},
    {.name = "Label55", .kind = Kind::Label, .rect = {372, 1196, 6, 19}, .style = style::bold},
    {.name = "Button9", .kind = Kind::Button, .rect = {32, 1220, 56, 22}, .style = style::sans15, .caption = u"Шаг 9", .onClick = &TForm7::Button9Click},
    {.name = "Label56", .kind = Kind::Label, .rect = {110, 1221, 286, 19}, .caption = u"Напряжение источника питания Еэ ="},
    {.name = "Label57", .kind = Kind::Label, .rect = {402, 1221, 6, 19}, .style = style::bold},
    {.name = "Label58", .kind = Kind::Label, .rect = {662, 1245, 4, 16}, .style = style::tahoma13},
};

} // namespace

// Lets the compiler check every control name the steps and the focus order use.
consteval const auto& layoutOf(const TForm7*)
{
    return controls;
}

TForm7::TForm7()
    : Calculator({.objectName = "Form7",
                  .caption = u"С одним источником эмиттерного питания, ёмкостной и резистивно-ёмкостной связями",
                  .outerSize = {1210, 893},
                  .schematic = u":/schematics/form7.jpg"})
{
    build(controls);
    setFocusOrder({"Edit1", "Edit2", "Edit3", "Edit4", "Button1", "Edit5", "Edit6", "Edit7", "Edit8",
                   "Edit9", "Edit10", "Edit11", "Edit12", "Button2", "Edit13", "Edit14", "Button3",
                   "Edit15", "Edit16", "Button4", "Edit17", "Edit18", "Button5", "Edit19", "Edit20",
                   "Button6", "Edit21", "Button7", "Edit22", "Button8", "Button9"});
}

void TForm7::Button1Click()
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
void TForm7::Button2Click()
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

// The source ranges come from the amplitudes Step 1 stored, not from the fields; all
// four ends are stored before either range is shown.
void TForm7::Button3Click()
{
    Ee1flo = store(1.05L * X(Um1));
    Ee1fhi = store(1.1L * X(Um1));
    Ee2flo = store(1.15L * X(Um2));
    Ee2fhi = store(1.25L * X(Um2));
    writeRange("Label30", Ee1flo, Ee1fhi, unit::volts);
    writeRange("Label34", Ee2flo, Ee2fhi, unit::volts);
    Ukb1max = read("Edit9");
    Ee1flim = store(0.5L * X(Ukb1max));
    write("Label32", Ee1flim, unit::volts); // Еэ1ф stays below half of T1's rating
    Ukb2max = read("Edit10");
    Ee2flim = store(0.5L * X(Ukb2max));
    write("Label36", Ee2flim, unit::volts);
}

// All four fields are read before anything is computed.
void TForm7::Button4Click()
{
    Ee1f = read("Edit15");
    Ee2f = read("Edit16");
    Ik1 = read("Edit13");
    Ik2 = read("Edit14");
    Rk1calc = store(X(Ee1f) / Ik1);
    write("Label39", Rk1calc, unit::ohms);
    Rk2calc = store(X(Ee2f) / Ik2);
    write("Label41", Rk2calc, unit::ohms);
}

// Rб1 gets a single value, Rб2 a range.
void TForm7::Button5Click()
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

// Uses the accepted sources of Step 4 and the accepted Rк2 of Step 5.
void TForm7::Button6Click()
{
    Rb1 = read("Edit19");
    Rmax = store((X(Ee2f) * Rb1 - X(Ee1f) * Rk2) / Ee1f);
    write("Label49", Rmax, unit::ohms);
}

// The period is in microseconds, the resistances in ohms; the capacitance is stored in
// farads and shown in nanofarads.
void TForm7::Button7Click()
{
    tau = read("Edit3");
    Rb2 = read("Edit20");
    Ccalc = store((1e-6L * X(tau)) / ((X(Rb2) + Rk1) * 0.8L));
    write("Label52", X(Ccalc) * 1e9L, unit::nanofarads);
}

// C1 across R must stay below the capacitance at which C1 Req equals C (Rб2 + Rк1),
// Req being Rб1 + Rк2 in parallel with R. C is typed in nanofarads. Uses Rб1 of Step 6,
// Rк1 and Rк2 of Step 5 and Rб2 of Step 7, not the fields.
void TForm7::Button8Click()
{
    C = read("Edit22");
    R = read("Edit21");
    Req = store(((X(Rb1) + Rk2) * R) / ((X(Rb1) + Rk2) + R));
    C1calc = store(((X(Rb2) + Rk1) * (1e-9L * X(C))) / Req);
    write("Label55", X(C1calc) * 1e9L, unit::nanofarads);
}

// Еэ is the sum of the two accepted fictitious sources of Step 4.
void TForm7::Button9Click()
{
    Ee = store(X(Ee1f) + Ee2f);
    write("Label57", Ee, unit::volts);
}
