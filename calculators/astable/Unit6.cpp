#include "Unit6.h"

#include "units.h"

using namespace takton;

TForm6* Form6 = nullptr;

namespace {

// One row per control, in the order of the window's layout table. Captions keep their
// Latin look-alikes: the volts after Um1 and Um2 are a Latin B and the degrees after
// tmax a Latin C; the symbols Um, tau, tmax, the R of every resistor and the I of I'к
// are Latin, while Т1, Т2, Ек, the capacitor's С and every unit letter are Cyrillic.
constexpr Control<TForm6> controls[] = {
    {.name = "Label1", .kind = Kind::Label, .rect = {308, 20, 562, 19}, .style = style::bold, .caption = u"Расчёт автогенераторного мультивибратора с одним источником"},
    {.name = "Label2", .kind = Kind::Label, .rect = {332, 38, 510, 19}, .style = style::bold, .caption = u"коллекторного питания, резистивной и ёмкостной связями"},
    {.name = "Image1", .kind = Kind::Image, .rect = {632, 76, 561, 274}},
    {.name = "Edit1", .kind = Kind::Edit, .rect = {530, 142, 43, 26}},
    {.name = "Label3", .kind = Kind::Label, .rect = {30, 148, 557, 19}, .caption = u"Амплитуда импульсов, формируемых на коллекторе Т1 Um1 =            B"},
    {.name = "Edit2", .kind = Kind::Edit, .rect = {530, 178, 43, 26}},
    {.name = "Label4", .kind = Kind::Label, .rect = {30, 184, 557, 19}, .caption = u"Амплитуда импульсов, формируемых на коллекторе Т2 Um2 =            B"},
    {.name = "Edit3", .kind = Kind::Edit, .rect = {408, 214, 43, 26}},
    {.name = "Label5", .kind = Kind::Label, .rect = {30, 220, 456, 19}, .caption = u"Период следования выходных импульсов tau =            мкс"},
    {.name = "Edit4", .kind = Kind::Edit, .rect = {394, 250, 43, 26}},
    {.name = "Label6", .kind = Kind::Label, .rect = {30, 256, 421, 19}, .caption = u"Максимальная рабочая температура tmax = +          C"},
    {.name = "Button1", .kind = Kind::Button, .rect = {30, 378, 56, 85}, .caption = u"Шаг 1", .onClick = &TForm6::Button1Click},
    {.name = "Label7", .kind = Kind::Label, .rect = {108, 378, 623, 19}, .caption = u"Максимально допустимое напряжение коллектор-база транзистора Т1 не менее"},
    {.name = "Label8", .kind = Kind::Label, .rect = {740, 378, 6, 19}, .style = style::bold},
    {.name = "Label9", .kind = Kind::Label, .rect = {108, 402, 623, 19}, .caption = u"Максимально допустимое напряжение коллектор-база транзистора Т2 не менее"},
    {.name = "Label10", .kind = Kind::Label, .rect = {740, 402, 6, 19}, .style = style::bold},
    {.name = "Label11", .kind = Kind::Label, .rect = {108, 426, 655, 19}, .caption = u"Максимально допустимое обратное напряжение база-эмиттер транзистора Т1 более"},
    {.name = "Label12", .kind = Kind::Label, .rect = {770, 426, 6, 19}, .style = style::bold},
    {.name = "Label13", .kind = Kind::Label, .rect = {108, 450, 655, 19}, .caption = u"Максимально допустимое обратное напряжение база-эмиттер транзистора Т2 более"},
    {.name = "Label14", .kind = Kind::Label, .rect = {770, 450, 6, 19}, .style = style::bold},
    {.name = "Label15", .kind = Kind::Label, .rect = {30, 480, 293, 19}, .caption = u"Параметры выбранных транзисторов:"},
    {.name = "Edit5", .kind = Kind::Edit, .rect = {502, 498, 43, 26}},
    {.name = "Edit9", .kind = Kind::Edit, .rect = {1086, 498, 43, 26}},
    {.name = "Label16", .kind = Kind::Label, .rect = {30, 504, 1112, 19}, .caption = u"максимально допустимый импульсный ток коллектора Т1 =           А           максимально допустимое напряжение коллектор-база Т1 =           В"},
    {.name = "Edit6", .kind = Kind::Edit, .rect = {502, 522, 43, 26}},
    {.name = "Edit10", .kind = Kind::Edit, .rect = {1086, 522, 43, 26}},
    {.name = "Label17", .kind = Kind::Label, .rect = {30, 528, 1112, 19}, .caption = u"максимально допустимый импульсный ток коллектора Т2 =           А           максимально допустимое напряжение коллектор-база Т2 =           В"},
    {.name = "Edit7", .kind = Kind::Edit, .rect = {458, 546, 43, 26}},
    {.name = "Edit11", .kind = Kind::Edit, .rect = {1084, 546, 43, 26}},
    {.name = "Label18", .kind = Kind::Label, .rect = {30, 552, 1048, 19}, .caption = u"обратный ток коллектора Т1 при температуре tmax =            мкА                коэффициент передачи тока Т1 (минимальное значение) ="},
    {.name = "Edit8", .kind = Kind::Edit, .rect = {458, 570, 43, 26}},
    {.name = "Edit12", .kind = Kind::Edit, .rect = {1084, 570, 43, 26}},
    {.name = "Label19", .kind = Kind::Label, .rect = {30, 576, 1048, 19}, .caption = u"обратный ток коллектора Т2 при температуре tmax =            мкА                коэффициент передачи тока Т2 (минимальное значение) ="},
    {.name = "Button2", .kind = Kind::Button, .rect = {30, 606, 56, 73}, .caption = u"Шаг 2", .onClick = &TForm6::Button2Click},
    {.name = "Label20", .kind = Kind::Label, .rect = {108, 606, 436, 19}, .caption = u"Коллекторный ток открытого транзистора Т1 I'к1 менее"},
    {.name = "Label21", .kind = Kind::Label, .rect = {556, 606, 6, 19}, .style = style::bold},
    {.name = "Label22", .kind = Kind::Label, .rect = {414, 624, 131, 19}, .caption = u"также I'к1 более"},
    {.name = "Label23", .kind = Kind::Label, .rect = {556, 624, 6, 19}, .style = style::bold},
    {.name = "Label24", .kind = Kind::Label, .rect = {108, 648, 436, 19}, .caption = u"Коллекторный ток открытого транзистора Т2 I'к2 менее"},
    {.name = "Label25", .kind = Kind::Label, .rect = {556, 648, 6, 19}, .style = style::bold},
    {.name = "Label26", .kind = Kind::Label, .rect = {414, 666, 131, 19}, .caption = u"также I'к2 более"},
    {.name = "Label27", .kind = Kind::Label, .rect = {556, 666, 6, 19}, .style = style::bold},
    {.name = "Edit13", .kind = Kind::Edit, .rect = {156, 684, 43, 26}},
    {.name = "Edit14", .kind = Kind::Edit, .rect = {280, 684, 43, 26}},
    {.name = "Label28", .kind = Kind::Label, .rect = {42, 690, 293, 19}, .caption = u"Примем I'к1 =          А,  I'к2 =           А"},
    {.name = "Button3", .kind = Kind::Button, .rect = {30, 714, 56, 67}, .caption = u"Шаг 3", .onClick = &TForm6::Button3Click},
    {.name = "Label29", .kind = Kind::Label, .rect = {108, 714, 354, 19}, .caption = u"Напряжение фиктивного источника |Ек1ф| ="},
    {.name = "Label30", .kind = Kind::Label, .rect = {472, 714, 6, 19}, .style = style::bold},
    {.name = "Label31", .kind = Kind::Label, .rect = {402, 732, 58, 19}, .caption = u"Ек1ф <"},
    {.name = "Label32", .kind = Kind::Label, .rect = {472, 732, 6, 19}, .style = style::bold},
    {.name = "Label33", .kind = Kind::Label, .rect = {108, 756, 340, 19}, .caption = u"Напряжение фиктивного источника Ек2ф ="},
    {.name = "Label34", .kind = Kind::Label, .rect = {452, 756, 6, 19}, .style = style::bold},
    {.name = "Label35", .kind = Kind::Label, .rect = {388, 774, 58, 19}, .caption = u"Ек2ф <"},
    {.name = "Label36", .kind = Kind::Label, .rect = {452, 774, 6, 19}, .style = style::bold},
    {.name = "Edit15", .kind = Kind::Edit, .rect = {190, 792, 43, 26}},
    {.name = "Edit16", .kind = Kind::Edit, .rect = {334, 792, 43, 26}},
    {.name = "Label37", .kind = Kind::Label, .rect = {42, 800, 348, 19}, .caption = u"Примем |Ек1ф| =            В,   Ек2ф =           В"},
    {.name = "Button4", .kind = Kind::Button, .rect = {30, 830, 56, 37}, .caption = u"Шаг 4", .onClick = &TForm6::Button4Click},
    {.name = "Label38", .kind = Kind::Label, .rect = {108, 830, 253, 19}, .caption = u"Сопротивление резистора Rк1 ="},
    {.name = "Label39", .kind = Kind::Label, .rect = {370, 830, 6, 19}, .style = style::bold, .accepts = "Edit17"},
    {.name = "Label40", .kind = Kind::Label, .rect = {108, 850, 253, 19}, .caption = u"Сопротивление резистора Rк2 ="},
    {.name = "Label41", .kind = Kind::Label, .rect = {370, 850, 6, 19}, .style = style::bold, .accepts = "Edit18"},
    {.name = "Edit17", .kind = Kind::Edit, .rect = {156, 879, 43, 26}},
    {.name = "Edit18", .kind = Kind::Edit, .rect = {302, 879, 43, 26}},
    {.name = "Label42", .kind = Kind::Label, .rect = {42, 886, 329, 19}, .caption = u"Примем Rк1 =           Ом,  Rк2 =            Ом"},
    {.name = "Button5", .kind = Kind::Button, .rect = {30, 917, 56, 42}, .caption = u"Шаг 5", .onClick = &TForm6::Button5Click},
    {.name = "Label43", .kind = Kind::Label, .rect = {108, 918, 253, 19}, .caption = u"Сопротивление резистора Rб1 ="},
    {.name = "Label44", .kind = Kind::Label, .rect = {370, 918, 6, 19}, .style = style::bold, .accepts = "Edit19"},
    {.name = "Label45", .kind = Kind::Label, .rect = {108, 942, 253, 19}, .caption = u"Сопротивление резистора Rб2 ="},
    {.name = "Label46", .kind = Kind::Label, .rect = {370, 942, 6, 19}, .style = style::bold, .accepts = "Edit20"},
    {.name = "Edit19", .kind = Kind::Edit, .rect = {164, 971, 43, 26}},
    {.name = "Edit20", .kind = Kind::Edit, .rect = {300, 971, 43, 26}},
    {.name = "Label47", .kind = Kind::Label, .rect = {42, 979, 329, 19}, .caption = u"Примем Rб1 =            Ом,  Rб2 =           Ом"},
    {.name = "Button6", .kind = Kind::Button, .rect = {30, 1009, 56, 28}, .caption = u"Шаг 6", .onClick = &TForm6::Button6Click},
    {.name = "Label48", .kind = Kind::Label, .rect = {108, 1009, 291, 19}, .caption = u"Сопротивление резистора R не более"},
    {.name = "Label49", .kind = Kind::Label, .rect = {408, 1009, 6, 19}, .style = style::bold, .accepts = "Edit21"},
    {.name = "Edit21", .kind = Kind::Edit, .rect = {144, 1041, 43, 26}},
    {.name = "Label50", .kind = Kind::Label, .rect = {42, 1049, 172, 19}, .caption = u"Примем R =            Ом"},
    {.name = "Button7", .kind = Kind::Button, .rect = {30, 1079, 56, 22}, .caption = u"Шаг 7", .onClick = &TForm6::Button7Click},
    {.name = "Label51", .kind = Kind::Label, .rect = {108, 1079, 207, 19}, .caption = u"Ёмкость конденсатора С ="},
    {.name = "Label52", .kind = Kind::Label, .rect = {326, 1079, 6, 19}, .style = style::bold},
    {.name = "Button8", .kind = Kind::Button, .rect = {30, 1113, 56, 22}, .caption = u"Шаг 8", .onClick = &TForm6::Button8Click},
    {.name = "Label53", .kind = Kind::Label, .rect = {108, 1113, 286, 19}, .caption = u"Напряжение источника питания Ек ="},
    {.name = "Label54", .kind = Kind::Label, .rect = {400, 1113, 6, 19}, .style = style::bold},
    {.name = "Label55", .kind = Kind::Label, .rect = {42, 1138, 340, 19}, .caption = u"Сопротивление резистора R1 = 20...40 кОм"},
    {.name = "Label56", .kind = Kind::Label, .rect = {612, 1155, 117, 16}, .style = style::tahoma13},
};

} // namespace

// Lets the compiler check every control name the steps and the focus order use.
consteval const auto& layoutOf(const TForm6*)
{
    return controls;
}

TForm6::TForm6()
    : Calculator({.objectName = "Form6",
                  .caption = u"С одним источником питания, резистивной и ёмкостной связями",
                  .outerSize = {1262, 996},
                  .schematic = u":/schematics/form6.jpg"})
{
    build(controls);
    // Step 4's button comes before the two supply fields above it.
    setFocusOrder({"Edit1", "Edit2", "Edit3", "Edit4", "Button1", "Edit5", "Edit6", "Edit7", "Edit8",
                   "Edit9", "Edit10", "Edit11", "Edit12", "Button2", "Edit13", "Edit14", "Button3",
                   "Button4", "Edit15", "Edit16", "Edit17", "Edit18", "Button5", "Edit19", "Edit20",
                   "Button6", "Edit21", "Button7", "Button8"});
}

void TForm6::Button1Click()
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
void TForm6::Button2Click()
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

// The suggestions come from the amplitudes Step 1 stored, not from the fields; both are
// stored before either is shown. Each fictitious source stays below half its
// transistor's collector-base rating, which is shown but not kept.
void TForm6::Button3Click()
{
    Ek1fcalc = store(1.1L * X(Um1));
    Ek2fcalc = store(1.1L * X(Um2));
    write("Label30", Ek1fcalc, unit::volts);
    write("Label34", Ek2fcalc, unit::volts);
    Ukb1max = read("Edit9");
    write("Label32", 0.5L * X(Ukb1max), unit::volts);
    Ukb2max = read("Edit10");
    write("Label36", 0.5L * X(Ukb2max), unit::volts);
}

// All four fields are taken before anything is computed.
void TForm6::Button4Click()
{
    Ek1f = read("Edit15");
    Ek2f = read("Edit16");
    Ik1 = read("Edit13");
    Ik2 = read("Edit14");
    Rk1calc = store(X(Ek1f) / Ik1);
    write("Label39", Rk1calc, unit::ohms);
    Rk2calc = store(X(Ek2f) / Ik2);
    write("Label41", Rk2calc, unit::ohms);
}

void TForm6::Button5Click()
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

// Uses the accepted fictitious sources of Step 4 and the accepted Rк2 of Step 5; a
// negative bound is shown with its sign.
void TForm6::Button6Click()
{
    Rb1 = read("Edit19");
    Rmax = store((X(Ek2f) * Rb1 - X(Ek1f) * Rk2) / Ek1f);
    write("Label49", Rmax, unit::ohms);
}

// The period is in microseconds, the resistances in ohms; the capacitance is stored in
// farads and shown in nanofarads. Uses the accepted Rк1 of Step 5.
void TForm6::Button7Click()
{
    tau = read("Edit3");
    Rb2 = read("Edit20");
    Ccalc = store((1e-6L * X(tau)) / ((X(Rb2) + Rk1) * 0.9L));
    write("Label52", X(Ccalc) * 1e9L, unit::nanofarads);
}

// The one supply feeds both stages: the sum of the two accepted fictitious sources.
void TForm6::Button8Click()
{
    Ek = store(X(Ek1f) + Ek2f);
    write("Label54", Ek, unit::volts);
}
