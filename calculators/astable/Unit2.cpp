#include "Unit2.h"

#include "units.h"

using namespace takton;

TForm2* Form2 = nullptr;

namespace {

// One row per control, in the order of the window's layout table. Captions keep their
// Latin look-alikes: the volts after Um1 and Um2 are a Latin B, "транзисторa T1" in
// Label9 ends in a Latin a and uses a Latin T.
constexpr Control<TForm2> controls[] = {
    {.name = "Label1", .kind = Kind::Label, .rect = {288, 18, 570, 19}, .style = style::bold, .caption = u"Расчёт автогенераторного мультивибратора с двумя источниками"},
    {.name = "Label2", .kind = Kind::Label, .rect = {312, 36, 510, 19}, .style = style::bold, .caption = u"коллекторного питания, резистивной и ёмкостной связями"},
    {.name = "Image1", .kind = Kind::Image, .rect = {636, 72, 509, 305}},
    {.name = "Edit1", .kind = Kind::Edit, .rect = {528, 136, 43, 26}},
    {.name = "Label3", .kind = Kind::Label, .rect = {36, 142, 552, 19}, .caption = u"Амплитуда импульсов, формируемых на коллекторе Т1 Um1 =           B"},
    {.name = "Edit2", .kind = Kind::Edit, .rect = {528, 172, 43, 26}},
    {.name = "Label4", .kind = Kind::Label, .rect = {36, 178, 552, 19}, .caption = u"Амплитуда импульсов, формируемых на коллекторе Т2 Um2 =           B"},
    {.name = "Edit4", .kind = Kind::Edit, .rect = {412, 208, 43, 26}},
    {.name = "Label6", .kind = Kind::Label, .rect = {36, 214, 451, 19}, .caption = u"Период следования выходных импульсов tau =           мкс"},
    {.name = "Edit6", .kind = Kind::Edit, .rect = {400, 244, 43, 26}},
    {.name = "Label8", .kind = Kind::Label, .rect = {36, 250, 421, 19}, .caption = u"Максимальная рабочая температура tmax = +          C"},
    {.name = "Button1", .kind = Kind::Button, .rect = {30, 398, 56, 85}, .caption = u"Шаг 1", .onClick = &TForm2::Button1Click},
    {.name = "Label9", .kind = Kind::Label, .rect = {108, 398, 623, 19}, .caption = u"Максимально допустимое напряжение коллектор-база транзисторa T1 не менее"},
    {.name = "Label10", .kind = Kind::Label, .rect = {740, 398, 6, 19}, .style = style::bold},
    {.name = "Label11", .kind = Kind::Label, .rect = {108, 422, 623, 19}, .caption = u"Максимально допустимое напряжение коллектор-база транзистора Т2 не менее"},
    {.name = "Label12", .kind = Kind::Label, .rect = {740, 422, 6, 19}, .style = style::bold},
    {.name = "Label13", .kind = Kind::Label, .rect = {108, 446, 655, 19}, .caption = u"Максимально допустимое обратное напряжение база-эмиттер транзистора Т1 более"},
    {.name = "Label14", .kind = Kind::Label, .rect = {770, 446, 6, 19}, .style = style::bold},
    {.name = "Label15", .kind = Kind::Label, .rect = {108, 470, 655, 19}, .caption = u"Максимально допустимое обратное напряжение база-эмиттер транзистора Т2 более"},
    {.name = "Label16", .kind = Kind::Label, .rect = {770, 470, 6, 19}, .style = style::bold},
    {.name = "Label58", .kind = Kind::Label, .rect = {30, 499, 293, 19}, .caption = u"Параметры выбранных транзисторов:"},
    {.name = "Edit7", .kind = Kind::Edit, .rect = {504, 518, 43, 26}},
    {.name = "Edit11", .kind = Kind::Edit, .rect = {1088, 518, 43, 26}},
    {.name = "Label17", .kind = Kind::Label, .rect = {30, 524, 543, 19}, .caption = u"максимально допустимый импульсный ток коллектора Т1 =              А"},
    {.name = "Label21", .kind = Kind::Label, .rect = {616, 524, 529, 19}, .caption = u"максимально допустимое напряжение коллектор-база Т1 =           В"},
    {.name = "Edit8", .kind = Kind::Edit, .rect = {504, 542, 43, 26}},
    {.name = "Edit12", .kind = Kind::Edit, .rect = {1088, 542, 43, 26}},
    {.name = "Label18", .kind = Kind::Label, .rect = {30, 548, 543, 19}, .caption = u"максимально допустимый импульсный ток коллектора Т2 =              А"},
    {.name = "Label22", .kind = Kind::Label, .rect = {616, 548, 529, 19}, .caption = u"максимально допустимое напряжение коллектор-база Т2 =           В"},
    {.name = "Edit9", .kind = Kind::Edit, .rect = {460, 566, 43, 26}},
    {.name = "Edit13", .kind = Kind::Edit, .rect = {1088, 566, 43, 26}},
    {.name = "Label19", .kind = Kind::Label, .rect = {30, 572, 507, 19}, .caption = u"обратный ток коллектора Т1 при температуре tmax =            мкА"},
    {.name = "Label23", .kind = Kind::Label, .rect = {616, 572, 541, 19}, .caption = u"коэффициент передачи тока Т1 (минимальное значение) =                "},
    {.name = "Edit10", .kind = Kind::Edit, .rect = {460, 590, 43, 26}},
    {.name = "Edit14", .kind = Kind::Edit, .rect = {1088, 590, 43, 26}},
    {.name = "Label20", .kind = Kind::Label, .rect = {30, 596, 507, 19}, .caption = u"обратный ток коллектора Т2 при температуре tmax =            мкА"},
    {.name = "Label24", .kind = Kind::Label, .rect = {616, 596, 461, 19}, .caption = u"коэффициент передачи тока Т2 (минимальное значение) ="},
    {.name = "Button2", .kind = Kind::Button, .rect = {30, 626, 56, 73}, .caption = u"Шаг 2", .onClick = &TForm2::Button2Click},
    {.name = "Label25", .kind = Kind::Label, .rect = {108, 626, 436, 19}, .caption = u"Коллекторный ток открытого транзистора Т1 I'к1 менее"},
    {.name = "Label26", .kind = Kind::Label, .rect = {556, 626, 6, 19}, .style = style::bold},
    {.name = "Label29", .kind = Kind::Label, .rect = {414, 644, 131, 19}, .caption = u"также I'к1 более"},
    {.name = "Label30", .kind = Kind::Label, .rect = {556, 644, 6, 19}, .style = style::bold},
    {.name = "Label27", .kind = Kind::Label, .rect = {108, 668, 436, 19}, .caption = u"Коллекторный ток открытого транзистора Т2 I'к2 менее"},
    {.name = "Label28", .kind = Kind::Label, .rect = {556, 668, 6, 19}, .style = style::bold},
    {.name = "Label31", .kind = Kind::Label, .rect = {414, 686, 131, 19}, .caption = u"также I'к2 более"},
    {.name = "Label32", .kind = Kind::Label, .rect = {556, 686, 6, 19}, .style = style::bold},
    {.name = "Edit15", .kind = Kind::Edit, .rect = {156, 698, 43, 26}},
    {.name = "Edit16", .kind = Kind::Edit, .rect = {280, 698, 43, 26}},
    {.name = "Label33", .kind = Kind::Label, .rect = {42, 704, 298, 19}, .caption = u"Примем I'к1 =           А,  I'к2 =           А"},
    {.name = "Button3", .kind = Kind::Button, .rect = {30, 736, 56, 68}, .style = style::tahoma13, .caption = u"Шаг 3", .onClick = &TForm2::Button3Click},
    {.name = "Label34", .kind = Kind::Label, .rect = {108, 736, 310, 19}, .caption = u"Напряжение источника питания |Ек1| ="},
    {.name = "Label35", .kind = Kind::Label, .rect = {426, 736, 6, 19}, .style = style::bold},
    {.name = "Label39", .kind = Kind::Label, .rect = {368, 755, 45, 19}, .caption = u"Ек1 <"},
    {.name = "Label40", .kind = Kind::Label, .rect = {426, 755, 6, 19}, .style = style::bold},
    {.name = "Label36", .kind = Kind::Label, .rect = {108, 773, 296, 19}, .caption = u"Напряжение источника питания Ек2 ="},
    {.name = "Label37", .kind = Kind::Label, .rect = {414, 773, 6, 19}, .style = style::bold},
    {.name = "Label41", .kind = Kind::Label, .rect = {354, 791, 45, 19}, .caption = u"Ек2 <"},
    {.name = "Label42", .kind = Kind::Label, .rect = {412, 791, 6, 19}, .style = style::bold},
    {.name = "Edit18", .kind = Kind::Edit, .rect = {298, 809, 43, 26}},
    {.name = "Edit17", .kind = Kind::Edit, .rect = {168, 811, 43, 26}},
    {.name = "Label38", .kind = Kind::Label, .rect = {42, 813, 312, 19}, .caption = u"Примем |Ек1| =          В,   Ек2 =           В"},
    {.name = "Button4", .kind = Kind::Button, .rect = {30, 847, 56, 35}, .caption = u"Шаг 4", .onClick = &TForm2::Button4Click},
    {.name = "Label43", .kind = Kind::Label, .rect = {108, 847, 253, 19}, .caption = u"Сопротивление резистора Rк1 ="},
    {.name = "Label44", .kind = Kind::Label, .rect = {370, 848, 6, 19}, .style = style::bold, .accepts = "Edit19"},
    {.name = "Label45", .kind = Kind::Label, .rect = {108, 866, 253, 19}, .caption = u"Сопротивление резистора Rк2 ="},
    {.name = "Label46", .kind = Kind::Label, .rect = {370, 866, 6, 19}, .style = style::bold, .accepts = "Edit20"},
    {.name = "Edit19", .kind = Kind::Edit, .rect = {156, 892, 43, 26}},
    {.name = "Edit20", .kind = Kind::Edit, .rect = {294, 892, 43, 26}},
    {.name = "Label47", .kind = Kind::Label, .rect = {42, 900, 319, 19}, .caption = u"Примем Rк1 =           Ом,  Rк2 =          Ом"},
    {.name = "Button5", .kind = Kind::Button, .rect = {30, 930, 56, 35}, .caption = u"Шаг 5", .onClick = &TForm2::Button5Click},
    {.name = "Label48", .kind = Kind::Label, .rect = {108, 930, 253, 19}, .caption = u"Сопротивление резистора Rб1 ="},
    {.name = "Label49", .kind = Kind::Label, .rect = {370, 930, 6, 19}, .style = style::bold, .accepts = "Edit21"},
    {.name = "Label50", .kind = Kind::Label, .rect = {108, 949, 253, 19}, .caption = u"Сопротивление резистора Rб2 ="},
    {.name = "Label51", .kind = Kind::Label, .rect = {370, 949, 6, 19}, .style = style::bold, .accepts = "Edit22"},
    {.name = "Edit21", .kind = Kind::Edit, .rect = {156, 977, 55, 26}},
    {.name = "Edit22", .kind = Kind::Edit, .rect = {306, 977, 55, 26}},
    {.name = "Label52", .kind = Kind::Label, .rect = {42, 983, 344, 19}, .caption = u"Примем Rб1 =             Ом,  Rб2 =             Ом"},
    {.name = "Button6", .kind = Kind::Button, .rect = {30, 1013, 56, 27}, .caption = u"Шаг 6", .onClick = &TForm2::Button6Click},
    {.name = "Label53", .kind = Kind::Label, .rect = {108, 1013, 303, 19}, .caption = u"Сопротивление резистора R, не более:"},
    {.name = "Label54", .kind = Kind::Label, .rect = {420, 1013, 6, 19}, .style = style::bold, .accepts = "Edit23"},
    {.name = "Edit23", .kind = Kind::Edit, .rect = {136, 1043, 55, 26}},
    {.name = "Label55", .kind = Kind::Label, .rect = {42, 1052, 177, 19}, .caption = u"Примем R =             Ом"},
    {.name = "Button7", .kind = Kind::Button, .rect = {30, 1084, 56, 28}, .caption = u"Шаг 7", .onClick = &TForm2::Button7Click},
    {.name = "Label56", .kind = Kind::Label, .rect = {108, 1084, 207, 19}, .caption = u"Ёмкость конденсатора С ="},
    {.name = "Label57", .kind = Kind::Label, .rect = {318, 1084, 6, 19}, .style = style::bold},
    {.name = "Label5", .kind = Kind::Label, .rect = {516, 1110, 61, 16}, .style = style::tahoma13},
};

} // namespace

// Lets the compiler check every control name the steps and the focus order use.
consteval const auto& layoutOf(const TForm2*)
{
    return controls;
}

TForm2::TForm2()
    : Calculator({.objectName = "Form2",
                   .caption = u"С двумя источниками коллекторного питания, резистивной и ёмкостной связями",
                   .outerSize = {1212, 997},
                   .designedPosition = QPoint(369, 827),
                   .maximizeBox = true,
                   .schematic = u":/schematics/form2.jpg"})
{
    build(controls);
    setFocusOrder({"Edit1", "Edit2", "Edit4", "Edit6", "Button1", "Button2", "Edit7", "Edit8", "Edit9",
                   "Edit10", "Edit11", "Edit12", "Edit13", "Edit14", "Edit15", "Edit16", "Button3",
                   "Edit17", "Edit18", "Button4", "Edit19", "Edit20", "Button5", "Edit21", "Edit22",
                   "Button6", "Button7", "Edit23"});
}

void TForm2::Button1Click()
{
    Um1 = read("Edit1");
    Um2 = read("Edit2");
    Ukb1min = store(2 * X(Um1));
    write("Label10", Ukb1min, unit::volts);
    Ukb2min = store(2 * X(Um2));
    write("Label12", Ukb2min, unit::volts);
    write("Label14", Um1, unit::volts); // the reverse base-emitter rating must exceed it
    write("Label16", Um2, unit::volts);
}

// Upper bounds in amperes, lower bounds in microamperes, as the currents were typed.
void TForm2::Button2Click()
{
    Ik1max = read("Edit7");
    Ik1hi = store(0.7L * X(Ik1max));
    write("Label26", Ik1hi, unit::amperes);
    Ikbo1 = read("Edit9");
    Ik1lo = store(10 * X(Ikbo1));
    write("Label30", Ik1lo, unit::microamperes);
    Ik2max = read("Edit8");
    Ik2hi = store(0.7L * X(Ik2max));
    write("Label28", Ik2hi, unit::amperes);
    Ikbo2 = read("Edit10");
    Ik2lo = store(10 * X(Ikbo2));
    write("Label32", Ik2lo, unit::microamperes);
}

// The supply ranges come from the amplitudes Step 1 stored, not from the fields.
void TForm2::Button3Click()
{
    Ek1lo = store(1.05L * X(Um1));
    Ek1hi = store(1.1L * X(Um1));
    Ek2lo = store(1.15L * X(Um2));
    Ek2hi = store(1.25L * X(Um2));
    writeRange("Label35", Ek1lo, Ek1hi, unit::volts);
    writeRange("Label37", Ek2lo, Ek2hi, unit::volts);
    Ukb1max = read("Edit11");
    write("Label40", Ukb1max, unit::volts); // |Ек1| stays below T1's own rating
    Ukb2max = read("Edit12");
    Ek2lim = store(0.5L * X(Ukb2max));
    write("Label42", Ek2lim, unit::volts);
}

void TForm2::Button4Click()
{
    Ek1 = read("Edit17");
    Ek2 = read("Edit18");
    Ik1 = read("Edit15");
    Ik2 = read("Edit16");
    Rk1calc = store(X(Ek1) / Ik1);
    write("Label44", Rk1calc, unit::ohms);
    Rk2calc = store(X(Ek2) / Ik2);
    write("Label46", Rk2calc, unit::ohms);
}

void TForm2::Button5Click()
{
    Rk1 = read("Edit19");
    beta1min = read("Edit13");
    Rb1calc = store(X(beta1min) * Rk1);
    write("Label49", Rb1calc, unit::ohms);
    Rk2 = read("Edit20");
    beta2min = read("Edit14");
    Rb2lo = store(3 * X(beta2min) * Rk2);
    Rb2hi = store(5 * X(beta2min) * Rk2);
    writeRange("Label51", Rb2lo, Rb2hi, unit::ohms);
}

// Uses the accepted supplies of Step 4 and the accepted Rк2 of Step 5.
void TForm2::Button6Click()
{
    Rb1 = read("Edit21");
    Rmax = store((X(Ek2) * Rb1 - X(Ek1) * Rk2) / Ek1);
    write("Label54", Rmax, unit::ohms);
}

// The period is in microseconds, the resistances in ohms; the capacitance is stored in
// farads and shown in nanofarads.
void TForm2::Button7Click()
{
    tau = read("Edit4");
    Rb2 = read("Edit22");
    Ccalc = store((1e-6L * X(tau)) / ((X(Rb2) + Rk1) * 0.9L));
    write("Label57", X(Ccalc) * 1e9L, unit::nanofarads);
}
