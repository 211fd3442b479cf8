#pragma once
// The layout table of TForm3, one row per control. The window is built from it,
// and its steps and its circuit name their controls against it: the compiler checks
// every name.

#include "Unit3.h"

namespace {

// One row per control, in the order of the window's layout table. Captions keep their
// Latin look-alikes: Label3 ends in a Latin B for volts while Label4 ends in a Cyrillic
// В; the degrees after tmax are a Latin C; both amperes of Label28 are a Latin A, while
// Label16 and Label17 use the Cyrillic А and В. Label37 reads |Ек| without the 1.
constexpr takton::Control<TForm3> controls[] = {
    {.name = "Label1", .kind = takton::Kind::Label, .rect = {290, 18, 570, 19}, .style = takton::style::bold, .caption = u"Расчёт автогенераторного мультивибратора с двумя источниками"},
    {.name = "Label2", .kind = takton::Kind::Label, .rect = {278, 36, 598, 19}, .style = takton::style::bold, .caption = u"коллекторного питания, ёмкостной и резистивно-ёмкостной связями"},
    {.name = "Image1", .kind = takton::Kind::Image, .rect = {684, 72, 461, 313}},
    {.name = "Edit1", .kind = takton::Kind::Edit, .rect = {536, 158, 43, 26}},
    {.name = "Label3", .kind = takton::Kind::Label, .rect = {44, 164, 552, 19}, .caption = u"Амплитуда импульсов, формируемых на коллекторе Т1 Um1 =           B"},
    {.name = "Edit2", .kind = takton::Kind::Edit, .rect = {536, 194, 43, 26}},
    {.name = "Label4", .kind = takton::Kind::Label, .rect = {44, 200, 552, 19}, .caption = u"Амплитуда импульсов, формируемых на коллекторе Т2 Um2 =           В"},
    {.name = "Edit3", .kind = takton::Kind::Edit, .rect = {422, 230, 43, 26}},
    {.name = "Label5", .kind = takton::Kind::Label, .rect = {44, 236, 456, 19}, .caption = u"Период следования выходных импульсов tau =            мкс"},
    {.name = "Edit4", .kind = takton::Kind::Edit, .rect = {408, 266, 43, 26}},
    {.name = "Label6", .kind = takton::Kind::Label, .rect = {44, 272, 421, 19}, .caption = u"Максимальная рабочая температура tmax = +          C"},
    {.name = "Button1", .kind = takton::Kind::Button, .rect = {30, 404, 56, 91}, .caption = u"Шаг 1", .onClick = &TForm3::Button1Click},
    {.name = "Label7", .kind = takton::Kind::Label, .rect = {108, 404, 623, 19}, .caption = u"Максимально допустимое напряжение коллектор-база транзистора Т1 не менее"},
    {.name = "Label8", .kind = takton::Kind::Label, .rect = {738, 404, 6, 19}, .style = takton::style::bold},
    {.name = "Label9", .kind = takton::Kind::Label, .rect = {108, 428, 623, 19}, .caption = u"Максимально допустимое напряжение коллектор-база транзистора Т2 не менее"},
    {.name = "Label10", .kind = takton::Kind::Label, .rect = {738, 428, 6, 19}, .style = takton::style::bold},
    {.name = "Label11", .kind = takton::Kind::Label, .rect = {108, 452, 655, 19}, .caption = u"Максимально допустимое обратное напряжение база-эмиттер транзистора Т1 более"},
    {.name = "Label12", .kind = takton::Kind::Label, .rect = {770, 452, 6, 19}, .style = takton::style::bold},
    {.name = "Label13", .kind = takton::Kind::Label, .rect = {108, 476, 655, 19}, .caption = u"Максимально допустимое обратное напряжение база-эмиттер транзистора Т2 более"},
    {.name = "Label14", .kind = takton::Kind::Label, .rect = {770, 476, 6, 19}, .style = takton::style::bold},
    {.name = "Label15", .kind = takton::Kind::Label, .rect = {30, 506, 293, 19}, .caption = u"Параметры выбранных транзисторов:"},
    {.name = "Edit5", .kind = takton::Kind::Edit, .rect = {502, 524, 43, 26}},
    {.name = "Edit9", .kind = takton::Kind::Edit, .rect = {1074, 524, 43, 26}},
    {.name = "Label16", .kind = takton::Kind::Label, .rect = {30, 530, 1107, 19}, .caption = u"максимально допустимый импульсный ток коллектора Т1 =           А         максимально допустимое напряжение коллектор-база Т1 =            В"},
    {.name = "Edit6", .kind = takton::Kind::Edit, .rect = {502, 548, 43, 26}},
    {.name = "Edit10", .kind = takton::Kind::Edit, .rect = {1074, 548, 43, 26}},
    {.name = "Label17", .kind = takton::Kind::Label, .rect = {30, 554, 1107, 19}, .caption = u"максимально допустимый импульсный ток коллектора Т2 =           А         максимально допустимое напряжение коллектор-база Т2 =            В"},
    {.name = "Edit7", .kind = takton::Kind::Edit, .rect = {458, 572, 43, 26}},
    {.name = "Edit11", .kind = takton::Kind::Edit, .rect = {1080, 572, 43, 26}},
    {.name = "Label18", .kind = takton::Kind::Label, .rect = {30, 578, 1038, 19}, .caption = u"обратный ток коллектора Т1 при температуре tmax =            мкА              коэффициент передачи тока Т1 (минимальное значение) ="},
    {.name = "Edit8", .kind = takton::Kind::Edit, .rect = {458, 596, 43, 26}},
    {.name = "Edit12", .kind = takton::Kind::Edit, .rect = {1080, 596, 43, 26}},
    {.name = "Label19", .kind = takton::Kind::Label, .rect = {30, 602, 1038, 19}, .caption = u"обратный ток коллектора Т2 при температуре tmax =            мкА              коэффициент передачи тока Т2 (минимальное значение) ="},
    {.name = "Button2", .kind = takton::Kind::Button, .rect = {30, 632, 56, 73}, .caption = u"Шаг 2", .onClick = &TForm3::Button2Click},
    {.name = "Label20", .kind = takton::Kind::Label, .rect = {108, 632, 436, 19}, .caption = u"Коллекторный ток открытого транзистора Т1 I'к1 менее"},
    {.name = "Label21", .kind = takton::Kind::Label, .rect = {554, 632, 6, 19}, .style = takton::style::bold},
    {.name = "Label22", .kind = takton::Kind::Label, .rect = {414, 650, 131, 19}, .caption = u"также I'к1 более"},
    {.name = "Label23", .kind = takton::Kind::Label, .rect = {554, 650, 6, 19}, .style = takton::style::bold},
    {.name = "Label24", .kind = takton::Kind::Label, .rect = {108, 674, 436, 19}, .caption = u"Коллекторный ток открытого транзистора Т2 I'к2 менее"},
    {.name = "Label25", .kind = takton::Kind::Label, .rect = {554, 674, 6, 19}, .style = takton::style::bold},
    {.name = "Label26", .kind = takton::Kind::Label, .rect = {414, 692, 131, 19}, .caption = u"также I'к2 более"},
    {.name = "Label27", .kind = takton::Kind::Label, .rect = {554, 692, 6, 19}, .style = takton::style::bold},
    {.name = "Edit13", .kind = takton::Kind::Edit, .rect = {156, 710, 43, 26}},
    {.name = "Edit14", .kind = takton::Kind::Edit, .rect = {286, 710, 43, 26}},
    {.name = "Label28", .kind = takton::Kind::Label, .rect = {42, 716, 303, 19}, .caption = u"Примем I'к1 =           A,   I'к2 =           A"},
    {.name = "Button3", .kind = takton::Kind::Button, .rect = {30, 748, 56, 65}, .caption = u"Шаг 3", .onClick = &TForm3::Button3Click},
    {.name = "Label29", .kind = takton::Kind::Label, .rect = {108, 748, 310, 19}, .caption = u"Напряжение источника питания |Ек1| ="},
    {.name = "Label30", .kind = takton::Kind::Label, .rect = {418, 748, 6, 19}, .style = takton::style::bold},
    {.name = "Label31", .kind = takton::Kind::Label, .rect = {368, 766, 45, 19}, .caption = u"Ек1 <"},
    {.name = "Label32", .kind = takton::Kind::Label, .rect = {418, 766, 6, 19}, .style = takton::style::bold},
    {.name = "Label33", .kind = takton::Kind::Label, .rect = {108, 784, 296, 19}, .caption = u"Напряжение источника питания Ек2 ="},
    {.name = "Label34", .kind = takton::Kind::Label, .rect = {406, 784, 6, 19}, .style = takton::style::bold},
    {.name = "Label35", .kind = takton::Kind::Label, .rect = {354, 802, 45, 19}, .caption = u"Ек2 <"},
    {.name = "Label36", .kind = takton::Kind::Label, .rect = {404, 802, 6, 19}, .style = takton::style::bold},
    {.name = "Edit15", .kind = takton::Kind::Edit, .rect = {162, 825, 43, 26}},
    {.name = "Edit16", .kind = takton::Kind::Edit, .rect = {286, 825, 43, 26}},
    {.name = "Label37", .kind = takton::Kind::Label, .rect = {42, 833, 302, 19}, .caption = u"Примем |Ек| =           В,  Ек2 =           В"},
    {.name = "Button4", .kind = takton::Kind::Button, .rect = {30, 869, 56, 37}, .caption = u"Шаг 4", .onClick = &TForm3::Button4Click},
    {.name = "Label38", .kind = takton::Kind::Label, .rect = {108, 869, 253, 19}, .caption = u"Сопротивление резистора Rк1 ="},
    {.name = "Label39", .kind = takton::Kind::Label, .rect = {370, 869, 6, 19}, .style = takton::style::bold, .accepts = "Edit17"},
    {.name = "Label40", .kind = takton::Kind::Label, .rect = {108, 889, 253, 19}, .caption = u"Сопротивление резистора Rк2 ="},
    {.name = "Label41", .kind = takton::Kind::Label, .rect = {370, 889, 6, 19}, .style = takton::style::bold, .accepts = "Edit18"},
    {.name = "Edit17", .kind = takton::Kind::Edit, .rect = {156, 919, 43, 26}},
    {.name = "Edit18", .kind = takton::Kind::Edit, .rect = {292, 919, 43, 26}},
    {.name = "Label42", .kind = takton::Kind::Label, .rect = {42, 927, 319, 19}, .caption = u"Примем Rк1 =          Ом,   Rк2 =          Ом"},
    {.name = "Button5", .kind = takton::Kind::Button, .rect = {30, 957, 56, 37}, .caption = u"Шаг 5", .onClick = &TForm3::Button5Click},
    {.name = "Label43", .kind = takton::Kind::Label, .rect = {108, 957, 253, 19}, .caption = u"Сопротивление резистора Rб1 ="},
    {.name = "Label44", .kind = takton::Kind::Label, .rect = {368, 957, 6, 19}, .style = takton::style::bold, .accepts = "Edit19"},
    {.name = "Label45", .kind = takton::Kind::Label, .rect = {108, 977, 253, 19}, .caption = u"Сопротивление резистора Rб2 ="},
    {.name = "Label46", .kind = takton::Kind::Label, .rect = {368, 977, 6, 19}, .style = takton::style::bold, .accepts = "Edit20"},
    {.name = "Edit19", .kind = takton::Kind::Edit, .rect = {156, 1007, 43, 26}},
    {.name = "Edit20", .kind = takton::Kind::Edit, .rect = {292, 1007, 43, 26}},
    {.name = "Label47", .kind = takton::Kind::Label, .rect = {42, 1015, 319, 19}, .caption = u"Примем Rб1 =           Ом,  Rб2 =          Ом"},
    {.name = "Button6", .kind = takton::Kind::Button, .rect = {30, 1045, 56, 27}, .caption = u"Шаг 6", .onClick = &TForm3::Button6Click},
    {.name = "Label48", .kind = takton::Kind::Label, .rect = {108, 1045, 303, 19}, .caption = u"Сопротивление резистора R, не более:"},
    {.name = "Label49", .kind = takton::Kind::Label, .rect = {420, 1045, 6, 19}, .style = takton::style::bold, .accepts = "Edit21"},
    {.name = "Edit21", .kind = takton::Kind::Edit, .rect = {136, 1076, 43, 26}},
    {.name = "Label50", .kind = takton::Kind::Label, .rect = {42, 1085, 162, 19}, .caption = u"Примем R =          Ом"},
    {.name = "Button7", .kind = takton::Kind::Button, .rect = {30, 1114, 56, 22}, .caption = u"Шаг 7", .onClick = &TForm3::Button7Click},
    {.name = "Label51", .kind = takton::Kind::Label, .rect = {108, 1114, 207, 19}, .caption = u"Ёмкость конденсатора С ="},
    {.name = "Label52", .kind = takton::Kind::Label, .rect = {326, 1114, 6, 19}, .style = takton::style::bold, .accepts = "Edit22"},
    {.name = "Edit22", .kind = takton::Kind::Edit, .rect = {136, 1143, 43, 26}},
    {.name = "Label53", .kind = takton::Kind::Label, .rect = {42, 1152, 163, 19}, .caption = u"Примем С =          нФ"},
    {.name = "Button8", .kind = takton::Kind::Button, .rect = {30, 1181, 56, 27}, .style = takton::style::sans15, .caption = u"Шаг 8", .onClick = &TForm3::Button8Click},
    {.name = "Label54", .kind = takton::Kind::Label, .rect = {108, 1181, 251, 19}, .caption = u"Ёмкость конденсатора С1 менее"},
    {.name = "Label55", .kind = takton::Kind::Label, .rect = {370, 1181, 6, 19}, .style = takton::style::bold},
    {.name = "Label56", .kind = takton::Kind::Label, .rect = {570, 1199, 4, 16}, .style = takton::style::tahoma13},
};

} // namespace

// Lets the compiler check every control name the steps and the focus order use.
consteval const auto& layoutOf(const TForm3*)
{
    return controls;
}
