#pragma once
// The layout table of TForm5, one row per control. The window is built from it,
// and its steps and its circuit name their controls against it: the compiler checks
// every name.

#include "Unit5.h"

namespace {

// One row per control, in the order of the window's layout table. Captions keep their
// Latin look-alikes: the volts after Um1 in Label3 are a Latin B (after Um2 in Label4 a
// Cyrillic В), the degrees in Label6 a Latin C; Um, tau, tmax, I of I'к and R of every
// resistor are Latin, while Т1, Т2, Ек, С1 and С2 are Cyrillic.
constexpr takton::Control<TForm5> controls[] = {
    {.name = "Label1", .kind = takton::Kind::Label, .rect = {282, 12, 562, 19}, .style = takton::style::bold, .caption = u"Расчёт автогенераторного мультивибратора с одним источником"},
    {.name = "Label2", .kind = takton::Kind::Label, .rect = {348, 30, 404, 19}, .style = takton::style::bold, .caption = u"коллекторного питания и ёмкостными связями"},
    {.name = "Image1", .kind = takton::Kind::Image, .rect = {640, 66, 513, 271}},
    {.name = "Edit1", .kind = takton::Kind::Edit, .rect = {540, 128, 43, 26}},
    {.name = "Label3", .kind = takton::Kind::Label, .rect = {40, 134, 557, 19}, .caption = u"Амплитуда импульсов, формируемых на коллекторе Т1 Um1 =            B"},
    {.name = "Edit2", .kind = takton::Kind::Edit, .rect = {540, 164, 43, 26}},
    {.name = "Label4", .kind = takton::Kind::Label, .rect = {40, 170, 557, 19}, .caption = u"Амплитуда импульсов, формируемых на коллекторе Т2 Um2 =            В"},
    {.name = "Edit3", .kind = takton::Kind::Edit, .rect = {418, 200, 43, 26}},
    {.name = "Label5", .kind = takton::Kind::Label, .rect = {40, 206, 456, 19}, .caption = u"Период следования выходных импульсов tau =            мкс"},
    {.name = "Edit4", .kind = takton::Kind::Edit, .rect = {404, 236, 43, 26}},
    {.name = "Label6", .kind = takton::Kind::Label, .rect = {40, 242, 421, 19}, .caption = u"Максимальная рабочая температура tmax = +          C"},
    {.name = "Button1", .kind = takton::Kind::Button, .rect = {32, 366, 56, 91}, .caption = u"Шаг 1", .onClick = &TForm5::Button1Click},
    {.name = "Label7", .kind = takton::Kind::Label, .rect = {98, 366, 431, 19}, .caption = u"Максимально допустимое напряжение коллектор-база "},
    {.name = "Label8", .kind = takton::Kind::Label, .rect = {534, 366, 192, 19}, .caption = u"транзистора Т1 не менее"},
    {.name = "Label9", .kind = takton::Kind::Label, .rect = {736, 366, 16, 19}, .style = takton::style::bold},
    {.name = "Label10", .kind = takton::Kind::Label, .rect = {98, 390, 623, 19}, .caption = u"Максимально допустимое напряжение коллектор-база транзистора Т2 не менее"},
    {.name = "Label11", .kind = takton::Kind::Label, .rect = {728, 390, 6, 19}, .style = takton::style::bold},
    {.name = "Label12", .kind = takton::Kind::Label, .rect = {98, 414, 655, 19}, .caption = u"Максимально допустимое обратное напряжение база-эмиттер транзистора Т1 более"},
    {.name = "Label13", .kind = takton::Kind::Label, .rect = {760, 414, 6, 19}, .style = takton::style::bold},
    {.name = "Label14", .kind = takton::Kind::Label, .rect = {98, 438, 655, 19}, .caption = u"Максимально допустимое обратное напряжение база-эмиттер транзистора Т2 более"},
    {.name = "Label15", .kind = takton::Kind::Label, .rect = {760, 438, 6, 19}, .style = takton::style::bold},
    {.name = "Label16", .kind = takton::Kind::Label, .rect = {32, 468, 293, 19}, .caption = u"Параметры выбранных транзисторов:"},
    {.name = "Edit5", .kind = takton::Kind::Edit, .rect = {504, 486, 43, 26}},
    {.name = "Edit9", .kind = takton::Kind::Edit, .rect = {1064, 486, 43, 26}},
    {.name = "Label17", .kind = takton::Kind::Label, .rect = {32, 492, 1097, 19}, .caption = u"максимально допустимый импульсный ток коллектора Т1 =           А      максимально допустимое напряжение коллектор-база Т1 =             В"},
    {.name = "Edit6", .kind = takton::Kind::Edit, .rect = {504, 510, 43, 26}},
    {.name = "Edit10", .kind = takton::Kind::Edit, .rect = {1064, 510, 43, 26}},
    {.name = "Label18", .kind = takton::Kind::Label, .rect = {32, 516, 1097, 19}, .caption = u"максимально допустимый импульсный ток коллектора Т2 =           А      максимально допустимое напряжение коллектор-база Т2 =             В"},
    {.name = "Edit7", .kind = takton::Kind::Edit, .rect = {460, 534, 43, 26}},
    {.name = "Edit11", .kind = takton::Kind::Edit, .rect = {1070, 534, 43, 26}},
    {.name = "Label19", .kind = takton::Kind::Label, .rect = {32, 540, 1028, 19}, .caption = u"обратный ток коллектора Т1 при температуре tmax =            мкА           коэффициент передачи тока Т1 (минимальное значение) = "},
    {.name = "Edit8", .kind = takton::Kind::Edit, .rect = {460, 558, 43, 26}},
    {.name = "Edit12", .kind = takton::Kind::Edit, .rect = {1070, 558, 43, 26}},
    {.name = "Label20", .kind = takton::Kind::Label, .rect = {32, 564, 1023, 19}, .caption = u"обратный ток коллектора Т2 при температуре tmax =            мкА           коэффициент передачи тока Т2 (минимальное значение) ="},
    {.name = "Button2", .kind = takton::Kind::Button, .rect = {32, 594, 56, 79}, .caption = u"Шаг 2", .onClick = &TForm5::Button2Click},
    {.name = "Label21", .kind = takton::Kind::Label, .rect = {110, 600, 436, 19}, .caption = u"Коллекторный ток открытого транзистора Т1 I'к1 менее"},
    {.name = "Label22", .kind = takton::Kind::Label, .rect = {558, 600, 6, 19}, .style = takton::style::bold},
    {.name = "Label23", .kind = takton::Kind::Label, .rect = {416, 618, 131, 19}, .caption = u"также I'к1 более"},
    {.name = "Label24", .kind = takton::Kind::Label, .rect = {558, 618, 6, 19}, .style = takton::style::bold},
    {.name = "Label25", .kind = takton::Kind::Label, .rect = {110, 642, 436, 19}, .caption = u"Коллекторный ток открытого транзистора Т2 I'к2 менее"},
    {.name = "Label26", .kind = takton::Kind::Label, .rect = {558, 642, 6, 19}, .style = takton::style::bold},
    {.name = "Label27", .kind = takton::Kind::Label, .rect = {416, 660, 131, 19}, .caption = u"также I'к2 более"},
    {.name = "Label28", .kind = takton::Kind::Label, .rect = {558, 660, 6, 19}, .style = takton::style::bold},
    {.name = "Edit13", .kind = takton::Kind::Edit, .rect = {166, 684, 43, 26}},
    {.name = "Edit14", .kind = takton::Kind::Edit, .rect = {298, 684, 43, 26}},
    {.name = "Label29", .kind = takton::Kind::Label, .rect = {44, 690, 313, 19}, .caption = u"Примем I'к1 =             А,  I'к2 =            А"},
    {.name = "Button3", .kind = takton::Kind::Button, .rect = {32, 720, 56, 41}, .caption = u"Шаг 3", .onClick = &TForm5::Button3Click},
    {.name = "Label30", .kind = takton::Kind::Label, .rect = {110, 720, 359, 19}, .caption = u"Напряжение фиктивного источника |Ек1ф| = "},
    {.name = "Label31", .kind = takton::Kind::Label, .rect = {474, 720, 6, 19}, .style = takton::style::bold},
    {.name = "Label32", .kind = takton::Kind::Label, .rect = {110, 744, 340, 19}, .caption = u"Напряжение фиктивного источника Ек2ф ="},
    {.name = "Label33", .kind = takton::Kind::Label, .rect = {460, 744, 6, 19}, .style = takton::style::bold},
    {.name = "Edit15", .kind = takton::Kind::Edit, .rect = {192, 775, 43, 26}},
    {.name = "Edit16", .kind = takton::Kind::Edit, .rect = {336, 775, 43, 26}},
    {.name = "Label34", .kind = takton::Kind::Label, .rect = {44, 782, 353, 19}, .caption = u"Примем |Ек1ф| =            В,   Ек2ф =            В"},
    {.name = "Button4", .kind = takton::Kind::Button, .rect = {32, 811, 56, 42}, .caption = u"Шаг 4", .onClick = &TForm5::Button4Click},
    {.name = "Label35", .kind = takton::Kind::Label, .rect = {110, 811, 253, 19}, .caption = u"Сопротивление резистора Rк1 ="},
    {.name = "Label36", .kind = takton::Kind::Label, .rect = {372, 811, 6, 19}, .style = takton::style::bold, .accepts = "Edit17"},
    {.name = "Label37", .kind = takton::Kind::Label, .rect = {110, 836, 253, 19}, .caption = u"Сопротивление резистора Rк2 ="},
    {.name = "Label38", .kind = takton::Kind::Label, .rect = {372, 836, 6, 19}, .style = takton::style::bold, .accepts = "Edit18"},
    {.name = "Edit17", .kind = takton::Kind::Edit, .rect = {166, 865, 43, 26}},
    {.name = "Edit18", .kind = takton::Kind::Edit, .rect = {304, 865, 43, 26}},
    {.name = "Label39", .kind = takton::Kind::Label, .rect = {44, 873, 317, 19}, .caption = u"Примем Rк1 =            Ом,  Rк2 =           Ом"},
    {.name = "Button5", .kind = takton::Kind::Button, .rect = {32, 901, 56, 43}, .caption = u"Шаг 5", .onClick = &TForm5::Button5Click},
    {.name = "Label40", .kind = takton::Kind::Label, .rect = {110, 903, 253, 19}, .caption = u"Сопротивление резистора Rб1 ="},
    {.name = "Label41", .kind = takton::Kind::Label, .rect = {372, 903, 6, 19}, .style = takton::style::bold, .accepts = "Edit19"},
    {.name = "Label42", .kind = takton::Kind::Label, .rect = {110, 927, 253, 19}, .caption = u"Сопротивление резистора Rб2 ="},
    {.name = "Label43", .kind = takton::Kind::Label, .rect = {372, 927, 6, 19}, .style = takton::style::bold, .accepts = "Edit20"},
    {.name = "Edit19", .kind = takton::Kind::Edit, .rect = {158, 957, 43, 26}},
    {.name = "Edit20", .kind = takton::Kind::Edit, .rect = {296, 957, 43, 26}},
    {.name = "Label44", .kind = takton::Kind::Label, .rect = {44, 965, 319, 19}, .caption = u"Примем Rб1 =          Ом,  Rб2 =           Ом"},
    {.name = "Button6", .kind = takton::Kind::Button, .rect = {32, 1001, 56, 21}, .caption = u"Шаг 6", .onClick = &TForm5::Button6Click},
    {.name = "Label45", .kind = takton::Kind::Label, .rect = {110, 1001, 217, 19}, .caption = u"Ёмкость конденсатора С2 ="},
    {.name = "Label46", .kind = takton::Kind::Label, .rect = {334, 1001, 6, 19}, .style = takton::style::bold, .accepts = "Edit21"},
    {.name = "Edit21", .kind = takton::Kind::Edit, .rect = {152, 1025, 43, 26}},
    {.name = "Label47", .kind = takton::Kind::Label, .rect = {44, 1033, 178, 19}, .caption = u"Примем С2 =           нФ"},
    {.name = "Button7", .kind = takton::Kind::Button, .rect = {32, 1063, 56, 23}, .caption = u"Шаг 7", .onClick = &TForm5::Button7Click},
    {.name = "Label48", .kind = takton::Kind::Label, .rect = {110, 1065, 560, 19}, .caption = u"Ёмкость конденсатора С1 выбирается незначительно больше значения "},
    {.name = "Label49", .kind = takton::Kind::Label, .rect = {678, 1065, 6, 19}, .style = takton::style::bold},
    {.name = "Button8", .kind = takton::Kind::Button, .rect = {32, 1089, 56, 21}, .caption = u"Шаг 8", .onClick = &TForm5::Button8Click},
    {.name = "Label50", .kind = takton::Kind::Label, .rect = {110, 1089, 350, 19}, .caption = u"Напряжение общего источника питания Ек ="},
    {.name = "Label51", .kind = takton::Kind::Label, .rect = {466, 1089, 6, 19}, .style = takton::style::bold},
    {.name = "Label52", .kind = takton::Kind::Label, .rect = {44, 1114, 340, 19}, .caption = u"Сопротивление резистора R1 = 20...40 кОм"},
    {.name = "Label53", .kind = takton::Kind::Label, .rect = {590, 1131, 123, 16}, .style = takton::style::tahoma13},
};

} // namespace

// Lets the compiler check every control name the steps and the focus order use.
consteval const auto& layoutOf(const TForm5*)
{
    return controls;
}
