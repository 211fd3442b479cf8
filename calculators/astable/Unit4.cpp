#include "Unit4.h"

#include "units.h"

using namespace takton;

TForm4* Form4 = nullptr;

namespace {

// One row per control, in the order of the window's layout table. Captions keep their
// Latin letters: the symbols Um1, Um2, tau, tmax, the I of I'к and the R of Rк and Rб,
// the Celsius C closing Label6, and the E of |Eк1| in Label35 (its Ек2 is Cyrillic).
// Label21 ends in a blank after its equals sign.
constexpr Control<TForm4> controls[] = {
    {.name = "Label1", .kind = Kind::Label, .rect = {312, 20, 570, 19}, .style = style::bold, .caption = u"Расчёт автогенераторного мультивибратора с двумя источниками"},
    {.name = "Label2", .kind = Kind::Label, .rect = {384, 38, 404, 19}, .style = style::bold, .caption = u"коллекторного питания и ёмкостными связями"},
    {.name = "Image1", .kind = Kind::Image, .rect = {664, 74, 417, 324}},
    {.name = "Edit1", .kind = Kind::Edit, .rect = {536, 130, 43, 26}},
    {.name = "Label3", .kind = Kind::Label, .rect = {36, 136, 557, 19}, .caption = u"Амплитуда импульсов, формируемых на коллекторе Т1 Um1 =            В"},
    {.name = "Edit2", .kind = Kind::Edit, .rect = {536, 166, 43, 26}},
    {.name = "Label4", .kind = Kind::Label, .rect = {36, 172, 557, 19}, .caption = u"Амплитуда импульсов, формируемых на коллекторе Т2 Um2 =            В"},
    {.name = "Edit3", .kind = Kind::Edit, .rect = {414, 202, 43, 26}},
    {.name = "Label5", .kind = Kind::Label, .rect = {36, 208, 456, 19}, .caption = u"Период следования выходных импульсов tau =            мкс"},
    {.name = "Edit4", .kind = Kind::Edit, .rect = {400, 238, 43, 26}},
    {.name = "Label6", .kind = Kind::Label, .rect = {36, 244, 426, 19}, .caption = u"Максимальная рабочая температура tmax = +           C"},
    {.name = "Button1", .kind = Kind::Button, .rect = {30, 320, 56, 133}, .caption = u"Шаг 1", .onClick = &TForm4::Button1Click},
    {.name = "Label7", .kind = Kind::Label, .rect = {108, 320, 525, 19}, .caption = u"Максимально допустимое напряжение коллектор-база транзистора"},
    {.name = "Label8", .kind = Kind::Label, .rect = {108, 344, 93, 19}, .caption = u"Т1 не менее"},
    {.name = "Label9", .kind = Kind::Label, .rect = {208, 344, 6, 19}, .style = style::bold},
    {.name = "Label10", .kind = Kind::Label, .rect = {108, 368, 525, 19}, .caption = u"Максимально допустимое напряжение коллектор-база транзистора"},
    {.name = "Label11", .kind = Kind::Label, .rect = {108, 392, 93, 19}, .caption = u"Т2 не менее"},
    {.name = "Label12", .kind = Kind::Label, .rect = {208, 392, 6, 19}, .style = style::bold},
    {.name = "Label13", .kind = Kind::Label, .rect = {108, 416, 655, 19}, .caption = u"Максимально допустимое обратное напряжение база-эмиттер транзистора Т1 более"},
    {.name = "Label14", .kind = Kind::Label, .rect = {770, 416, 6, 19}, .style = style::bold},
    {.name = "Label15", .kind = Kind::Label, .rect = {108, 440, 655, 19}, .caption = u"Максимально допустимое обратное напряжение база-эмиттер транзистора Т2 более"},
    {.name = "Label16", .kind = Kind::Label, .rect = {770, 440, 6, 19}, .style = style::bold},
    {.name = "Label17", .kind = Kind::Label, .rect = {30, 470, 293, 19}, .caption = u"Параметры выбранных транзисторов:"},
    {.name = "Edit5", .kind = Kind::Edit, .rect = {502, 488, 43, 26}},
    {.name = "Edit7", .kind = Kind::Edit, .rect = {1060, 488, 43, 26}},
    {.name = "Label18", .kind = Kind::Label, .rect = {30, 494, 1092, 19}, .caption = u"максимально допустимый импульсный ток коллектора Т1 =           А      максимально допустимое напряжение коллектор-база Т1 =            В"},
    {.name = "Edit6", .kind = Kind::Edit, .rect = {502, 512, 43, 26}},
    {.name = "Edit8", .kind = Kind::Edit, .rect = {1060, 512, 43, 26}},
    {.name = "Label19", .kind = Kind::Label, .rect = {30, 518, 1092, 19}, .caption = u"максимально допустимый импульсный ток коллектора Т2 =           А      максимально допустимое напряжение коллектор-база Т2 =            В"},
    {.name = "Edit9", .kind = Kind::Edit, .rect = {458, 536, 43, 26}},
    {.name = "Edit10", .kind = Kind::Edit, .rect = {1066, 536, 43, 26}},
    {.name = "Label20", .kind = Kind::Label, .rect = {30, 542, 1023, 19}, .caption = u"обратный ток коллектора Т1 при температуре tmax =           мкА            коэффициент передачи тока Т1 (минимальное значение) ="},
    {.name = "Edit11", .kind = Kind::Edit, .rect = {458, 560, 43, 26}},
    {.name = "Edit12", .kind = Kind::Edit, .rect = {1066, 560, 43, 26}},
    {.name = "Label21", .kind = Kind::Label, .rect = {30, 566, 1028, 19}, .caption = u"обратный ток коллектора Т2 при температуре tmax =           мкА            коэффициент передачи тока Т2 (минимальное значение) = "},
    {.name = "Button2", .kind = Kind::Button, .rect = {30, 596, 56, 73}, .caption = u"Шаг 2", .onClick = &TForm4::Button2Click},
    {.name = "Label22", .kind = Kind::Label, .rect = {108, 596, 436, 19}, .caption = u"Коллекторный ток открытого транзистора Т1 I'к1 менее"},
    {.name = "Label23", .kind = Kind::Label, .rect = {556, 596, 6, 19}, .style = style::bold},
    {.name = "Label24", .kind = Kind::Label, .rect = {414, 614, 131, 19}, .caption = u"также I'к1 более"},
    {.name = "Label25", .kind = Kind::Label, .rect = {556, 614, 6, 19}, .style = style::bold},
    {.name = "Label26", .kind = Kind::Label, .rect = {108, 638, 436, 19}, .caption = u"Коллекторный ток открытого транзистора Т2 I'к2 менее"},
    {.name = "Label27", .kind = Kind::Label, .rect = {556, 638, 6, 19}, .style = style::bold},
    {.name = "Label28", .kind = Kind::Label, .rect = {414, 656, 131, 19}, .caption = u"также I'к2 более"},
    {.name = "Label29", .kind = Kind::Label, .rect = {556, 656, 6, 19}, .style = style::bold},
    {.name = "Edit13", .kind = Kind::Edit, .rect = {156, 674, 43, 26}},
    {.name = "Edit14", .kind = Kind::Edit, .rect = {286, 674, 43, 26}},
    {.name = "Label30", .kind = Kind::Label, .rect = {42, 680, 303, 19}, .caption = u"Примем I'к1 =          А,   I'к2 =            А"},
    {.name = "Button3", .kind = Kind::Button, .rect = {30, 710, 56, 37}, .caption = u"Шаг 3", .onClick = &TForm4::Button3Click},
    {.name = "Label31", .kind = Kind::Label, .rect = {108, 710, 310, 19}, .caption = u"Напряжение источника питания |Ек1| ="},
    {.name = "Label32", .kind = Kind::Label, .rect = {426, 710, 6, 19}, .style = style::bold},
    {.name = "Label33", .kind = Kind::Label, .rect = {108, 734, 296, 19}, .caption = u"Напряжение источника питания Ек2 ="},
    {.name = "Label34", .kind = Kind::Label, .rect = {416, 734, 4, 19}, .style = style::bold},
    {.name = "Edit15", .kind = Kind::Edit, .rect = {176, 757, 43, 26}},
    {.name = "Edit16", .kind = Kind::Edit, .rect = {300, 757, 43, 27}, .style = style::sans15},
    {.name = "Label35", .kind = Kind::Label, .rect = {42, 764, 317, 19}, .caption = u"Примем |Eк1| =           В,   Ек2 =           В"},
    {.name = "Button4", .kind = Kind::Button, .rect = {30, 794, 56, 43}, .caption = u"Шаг 4", .onClick = &TForm4::Button4Click},
    {.name = "Label36", .kind = Kind::Label, .rect = {108, 796, 253, 19}, .caption = u"Сопротивление резистора Rк1 ="},
    {.name = "Label37", .kind = Kind::Label, .rect = {370, 796, 6, 19}, .style = style::bold, .accepts = "Edit17"},
    {.name = "Label38", .kind = Kind::Label, .rect = {108, 820, 253, 19}, .caption = u"Сопротивление резистора Rк2 ="},
    {.name = "Label39", .kind = Kind::Label, .rect = {370, 820, 6, 19}, .style = style::bold, .accepts = "Edit18"},
    {.name = "Edit17", .kind = Kind::Edit, .rect = {164, 849, 43, 26}},
    {.name = "Edit18", .kind = Kind::Edit, .rect = {308, 849, 43, 26}},
    {.name = "Label40", .kind = Kind::Label, .rect = {42, 856, 334, 19}, .caption = u"Примем Rк1 =            Ом,   Rк2 =           Ом"},
    {.name = "Button5", .kind = Kind::Button, .rect = {30, 885, 56, 41}, .caption = u"Шаг 5", .onClick = &TForm4::Button5Click},
    {.name = "Label41", .kind = Kind::Label, .rect = {108, 885, 253, 19}, .caption = u"Сопротивление резистора Rб1 ="},
    {.name = "Label42", .kind = Kind::Label, .rect = {370, 885, 6, 19}, .style = style::bold, .accepts = "Edit19"},
    {.name = "Label43", .kind = Kind::Label, .rect = {108, 904, 253, 19}, .caption = u"Сопротивление резистора Rб2 ="},
    {.name = "Label44", .kind = Kind::Label, .rect = {370, 904, 6, 19}, .style = style::bold, .accepts = "Edit20"},
    {.name = "Edit19", .kind = Kind::Edit, .rect = {162, 933, 43, 26}},
    {.name = "Edit20", .kind = Kind::Edit, .rect = {306, 933, 43, 26}},
    {.name = "Label45", .kind = Kind::Label, .rect = {42, 941, 334, 19}, .caption = u"Примем Rб1 =            Ом,  Rб2 =            Ом"},
    {.name = "Button6", .kind = Kind::Button, .rect = {30, 969, 56, 21}, .caption = u"Шаг 6", .onClick = &TForm4::Button6Click},
    {.name = "Label46", .kind = Kind::Label, .rect = {108, 971, 217, 19}, .caption = u"Ёмкость конденсатора С2 ="},
    {.name = "Label47", .kind = Kind::Label, .rect = {332, 971, 6, 19}, .style = style::bold, .accepts = "Edit21"},
    {.name = "Edit21", .kind = Kind::Edit, .rect = {150, 1001, 43, 26}},
    {.name = "Label48", .kind = Kind::Label, .rect = {42, 1009, 178, 19}, .caption = u"Примем С2 =           нФ"},
    {.name = "Button7", .kind = Kind::Button, .rect = {30, 1039, 56, 23}, .caption = u"Шаг 7", .onClick = &TForm4::Button7Click},
    {.name = "Label49", .kind = Kind::Label, .rect = {108, 1039, 555, 19}, .caption = u"Ёмкость конденсатора С1 выбирается незначительно больше значения"},
    {.name = "Label50", .kind = Kind::Label, .rect = {668, 1039, 6, 19}, .style = style::bold},
    {.name = "Label51", .kind = Kind::Label, .rect = {738, 1075, 4, 16}, .style = style::tahoma13},
};

} // namespace

// Lets the compiler check every control name the steps and the focus order use.
consteval const auto& layoutOf(const TForm4*)
{
    return controls;
}

TForm4::TForm4()
    : Calculator({.objectName = "Form4",
                  .caption = u"С двумя источниками коллекторного питания и ёмкостными связями",
                  .outerSize = {1243, 988},
                  .schematic = u":/schematics/form4.jpg"})
{
    build(controls);
    setFocusOrder({"Edit1", "Edit2", "Edit3", "Edit4", "Button1", "Edit5", "Edit6", "Edit7", "Edit8", "Edit9",
                   "Edit10", "Edit11", "Edit12", "Button2", "Edit13", "Edit14", "Button3", "Edit15", "Edit16",
                   "Button4", "Edit17", "Edit18", "Button5", "Edit19", "Edit20", "Button6", "Edit21", "Button7"});
}

void TForm4::Button1Click()
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
void TForm4::Button2Click()
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
    Ikbo2 = read("Edit11");
    Ik2lo = store(10 * X(Ikbo2));
    write("Label29", Ik2lo, unit::microamperes);
}

// One value per supply, from the amplitudes Step 1 stored, not from the fields.
void TForm4::Button3Click()
{
    Ek1calc = store(1.1L * X(Um1));
    write("Label32", Ek1calc, unit::volts);
    Ek2calc = store(1.1L * X(Um2));
    write("Label34", Ek2calc, unit::volts);
}

void TForm4::Button4Click()
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

void TForm4::Button5Click()
{
    Rk1 = read("Edit17");
    beta1min = read("Edit10");
    Rb1lo = store(3 * X(beta1min) * Rk1);
    Rb1hi = store(5 * X(beta1min) * Rk1);
    writeRange("Label42", Rb1lo, Rb1hi, unit::ohms);
    Rk2 = read("Edit18");
    beta2min = read("Edit12");
    Rb2lo = store(3 * X(beta2min) * Rk2);
    Rb2hi = store(5 * X(beta2min) * Rk2);
    writeRange("Label44", Rb2lo, Rb2hi, unit::ohms);
}

// The period is in microseconds, the resistances in ohms; C2 is stored in farads and
// shown in nanofarads. Rк2 is the one accepted in Step 5.
void TForm4::Button6Click()
{
    tau = read("Edit3");
    Rb1 = read("Edit19");
    C2calc = store((1e-6L * X(tau)) / ((X(Rb1) + Rk2) * 0.75L));
    write("Label47", X(C2calc) * 1e9L, unit::nanofarads);
}

// C1 (Rб2 + Rк1) = C2 (Rб1 + Rк2), with the C2 typed in nanofarads rather than the one
// Step 6 computed; the resistors are the accepted ones of Steps 5 and 6.
void TForm4::Button7Click()
{
    C2 = read("Edit21");
    Rb2 = read("Edit20");
    C1calc = store(((X(Rb1) + Rk2) * (1e-9L * X(C2))) / (X(Rb2) + Rk1));
    write("Label50", X(C1calc) * 1e9L, unit::nanofarads);
}
