#pragma once
// The layout table of TForm10, one row per control. The window is built from it,
// and its steps and its circuit name their controls against it: the compiler checks
// every name.

#include "Unit10.h"

namespace {

// One row per control, in the order of the window's layout table. Only the symbols are
// Latin (Um1, Um2, tau, tmax, I', R, with Cyrillic subscripts к and б); the volts after
// Um1 and Um2, the degrees after the temperature and the С of С1 and С2 are Cyrillic.
constexpr takton::Control<TForm10> controls[] = {
    {.name = "Label1", .kind = takton::Kind::Label, .rect = {258, 20, 494, 19}, .style = takton::style::bold, .caption = u"Расчёт ждущего мультивибратора с ёмкостными связями"},
    {.name = "Label2", .kind = takton::Kind::Label, .rect = {158, 44, 699, 19}, .caption = u"Запуск мультивибратора может осуществляться положительным импульсом, подаваемым"},
    {.name = "Label3", .kind = takton::Kind::Label, .rect = {248, 70, 529, 19}, .caption = u"на базу Т2, или отрицательным импульсом, подаваемым на базу Т1."},
    {.name = "Image1", .kind = takton::Kind::Image, .rect = {644, 106, 381, 343}},
    {.name = "Edit1", .kind = takton::Kind::Edit, .rect = {528, 140, 49, 26}},
    {.name = "Label4", .kind = takton::Kind::Label, .rect = {36, 146, 558, 19}, .caption = u"Амплитуда импульса, формируемого на коллекторе Т1 Um1 =             В"},
    {.name = "Edit2", .kind = takton::Kind::Edit, .rect = {528, 182, 49, 26}},
    {.name = "Label5", .kind = takton::Kind::Label, .rect = {36, 188, 558, 19}, .caption = u"Амплитуда импульса, формируемого на коллекторе Т2 Um2 =             В"},
    {.name = "Edit3", .kind = takton::Kind::Edit, .rect = {360, 224, 43, 26}},
    {.name = "Label6", .kind = takton::Kind::Label, .rect = {36, 230, 401, 19}, .caption = u"Длительность выходного импульса tau =           мкс"},
    {.name = "Edit4", .kind = takton::Kind::Edit, .rect = {362, 266, 43, 26}},
    {.name = "Label7", .kind = takton::Kind::Label, .rect = {36, 272, 382, 19}, .caption = u"Максимальная рабочая температура = +           С"},
    {.name = "Button1", .kind = takton::Kind::Button, .rect = {24, 378, 56, 139}, .caption = u"Шаг 1", .onClick = &TForm10::Button1Click},
    {.name = "Label8", .kind = takton::Kind::Label, .rect = {102, 378, 525, 19}, .caption = u"Максимально допустимое напряжение коллектор-база транзистора"},
    {.name = "Label9", .kind = takton::Kind::Label, .rect = {102, 402, 93, 19}, .caption = u"Т1 не менее"},
    {.name = "Label10", .kind = takton::Kind::Label, .rect = {204, 402, 6, 19}, .style = takton::style::bold},
    {.name = "Label11", .kind = takton::Kind::Label, .rect = {102, 426, 525, 19}, .caption = u"Максимально допустимое напряжение коллектор-база транзистора"},
    {.name = "Label12", .kind = takton::Kind::Label, .rect = {102, 450, 93, 19}, .caption = u"Т2 не менее"},
    {.name = "Label13", .kind = takton::Kind::Label, .rect = {204, 450, 6, 19}, .style = takton::style::bold},
    {.name = "Label14", .kind = takton::Kind::Label, .rect = {102, 474, 655, 19}, .caption = u"Максимально допустимое обратное напряжение база-эмиттер транзистора Т1 более"},
    {.name = "Label15", .kind = takton::Kind::Label, .rect = {766, 474, 6, 19}, .style = takton::style::bold},
    {.name = "Label16", .kind = takton::Kind::Label, .rect = {102, 498, 655, 19}, .caption = u"Максимально допустимое обратное напряжение база-эмиттер транзистора Т2 более"},
    {.name = "Label17", .kind = takton::Kind::Label, .rect = {766, 498, 6, 19}, .style = takton::style::bold},
    {.name = "Label18", .kind = takton::Kind::Label, .rect = {24, 534, 293, 19}, .caption = u"Параметры выбранных транзисторов:"},
    {.name = "Edit5", .kind = takton::Kind::Edit, .rect = {496, 557, 43, 26}},
    {.name = "Edit7", .kind = takton::Kind::Edit, .rect = {1042, 557, 43, 26}},
    {.name = "Label19", .kind = takton::Kind::Label, .rect = {24, 566, 1074, 19}, .caption = u"максимально допустимый импульсный ток коллектора Т1 =           А;  максимально допустимое напряжение коллектор-база Т1 =           В"},
    {.name = "Edit6", .kind = takton::Kind::Edit, .rect = {496, 589, 43, 26}},
    {.name = "Edit8", .kind = takton::Kind::Edit, .rect = {1042, 589, 43, 26}},
    {.name = "Label20", .kind = takton::Kind::Label, .rect = {24, 598, 1074, 19}, .caption = u"максимально допустимый импульсный ток коллектора Т2 =           А;  максимально допустимое напряжение коллектор-база Т2 =           В"},
    {.name = "Edit9", .kind = takton::Kind::Edit, .rect = {452, 621, 43, 26}},
    {.name = "Edit11", .kind = takton::Kind::Edit, .rect = {1034, 621, 43, 26}},
    {.name = "Label21", .kind = takton::Kind::Label, .rect = {24, 630, 998, 19}, .caption = u"обратный ток коллектора Т1 при температуре tmax =            мкА      коэффициент передачи тока Т1 (минимальное значение) ="},
    {.name = "Edit10", .kind = takton::Kind::Edit, .rect = {452, 653, 43, 26}},
    {.name = "Edit12", .kind = takton::Kind::Edit, .rect = {1034, 653, 43, 26}},
    {.name = "Label22", .kind = takton::Kind::Label, .rect = {24, 662, 998, 19}, .caption = u"обратный ток коллектора Т2 при температуре tmax =            мкА      коэффициент передачи тока Т2 (минимальное значение) ="},
    {.name = "Button2", .kind = takton::Kind::Button, .rect = {24, 708, 56, 79}, .caption = u"Шаг 2", .onClick = &TForm10::Button2Click},
    {.name = "Label23", .kind = takton::Kind::Label, .rect = {102, 708, 436, 19}, .caption = u"Коллекторный ток открытого транзистора Т1 I'к1 менее"},
    {.name = "Label24", .kind = takton::Kind::Label, .rect = {550, 708, 6, 19}, .style = takton::style::bold},
    {.name = "Label25", .kind = takton::Kind::Label, .rect = {408, 726, 131, 19}, .caption = u"также I'к1 более"},
    {.name = "Label26", .kind = takton::Kind::Label, .rect = {550, 726, 6, 19}, .style = takton::style::bold},
    {.name = "Label27", .kind = takton::Kind::Label, .rect = {102, 750, 436, 19}, .caption = u"Коллекторный ток открытого транзистора Т2 I'к2 менее"},
    {.name = "Label28", .kind = takton::Kind::Label, .rect = {550, 750, 6, 19}, .style = takton::style::bold},
    {.name = "Label29", .kind = takton::Kind::Label, .rect = {408, 768, 131, 19}, .caption = u"также I'к2 более"},
    {.name = "Label30", .kind = takton::Kind::Label, .rect = {550, 768, 6, 19}, .style = takton::style::bold},
    {.name = "Edit13", .kind = takton::Kind::Edit, .rect = {156, 795, 43, 26}},
    {.name = "Edit14", .kind = takton::Kind::Edit, .rect = {282, 795, 43, 26}},
    {.name = "Label31", .kind = takton::Kind::Label, .rect = {42, 801, 298, 19}, .caption = u"Примем I'к1 =           А,  I'к2 =           А"},
    {.name = "Button3", .kind = takton::Kind::Button, .rect = {24, 831, 56, 46}, .caption = u"Шаг 3", .onClick = &TForm10::Button3Click},
    {.name = "Label32", .kind = takton::Kind::Label, .rect = {102, 831, 310, 19}, .caption = u"Напряжение источника питания |Ек1| ="},
    {.name = "Label33", .kind = takton::Kind::Label, .rect = {420, 831, 6, 19}, .style = takton::style::bold},
    {.name = "Label34", .kind = takton::Kind::Label, .rect = {102, 858, 230, 19}, .caption = u"Напряжение источника Ек2 ="},
    {.name = "Label35", .kind = takton::Kind::Label, .rect = {338, 858, 6, 19}, .style = takton::style::bold},
    {.name = "Edit15", .kind = takton::Kind::Edit, .rect = {176, 885, 43, 26}},
    {.name = "Edit16", .kind = takton::Kind::Edit, .rect = {300, 885, 43, 26}},
    {.name = "Label36", .kind = takton::Kind::Label, .rect = {42, 891, 317, 19}, .caption = u"Примем |Ек1| =            В,  Ек2 =           В"},
    {.name = "Button4", .kind = takton::Kind::Button, .rect = {24, 921, 56, 46}, .caption = u"Шаг 4", .onClick = &TForm10::Button4Click},
    {.name = "Label37", .kind = takton::Kind::Label, .rect = {102, 921, 253, 19}, .caption = u"Сопротивление резистора Rк1 ="},
    {.name = "Label38", .kind = takton::Kind::Label, .rect = {364, 921, 6, 19}, .style = takton::style::bold, .accepts = "Edit17"},
    {.name = "Label39", .kind = takton::Kind::Label, .rect = {102, 948, 253, 19}, .caption = u"Сопротивление резистора Rк2 ="},
    {.name = "Label40", .kind = takton::Kind::Label, .rect = {364, 948, 6, 19}, .style = takton::style::bold, .accepts = "Edit18"},
    {.name = "Edit17", .kind = takton::Kind::Edit, .rect = {156, 978, 43, 26}},
    {.name = "Edit18", .kind = takton::Kind::Edit, .rect = {292, 978, 43, 26}},
    {.name = "Label41", .kind = takton::Kind::Label, .rect = {42, 984, 324, 19}, .caption = u"Примем Rк1 =           Ом,  Rк2 =           Ом"},
    {.name = "Button5", .kind = takton::Kind::Button, .rect = {24, 1014, 56, 43}, .caption = u"Шаг 5", .onClick = &TForm10::Button5Click},
    {.name = "Label42", .kind = takton::Kind::Label, .rect = {102, 1014, 253, 19}, .caption = u"Сопротивление резистора Rб1 ="},
    {.name = "Label43", .kind = takton::Kind::Label, .rect = {364, 1014, 6, 19}, .style = takton::style::bold, .accepts = "Edit19"},
    {.name = "Label44", .kind = takton::Kind::Label, .rect = {102, 1038, 253, 19}, .caption = u"Сопротивление резистора Rб2 ="},
    {.name = "Label45", .kind = takton::Kind::Label, .rect = {364, 1038, 6, 19}, .style = takton::style::bold, .accepts = "Edit20"},
    {.name = "Edit19", .kind = takton::Kind::Edit, .rect = {156, 1065, 43, 26}},
    {.name = "Edit20", .kind = takton::Kind::Edit, .rect = {294, 1065, 43, 26}},
    {.name = "Label46", .kind = takton::Kind::Label, .rect = {42, 1071, 324, 19}, .caption = u"Примем Rб1 =           Ом,  Rб2 =           Ом"},
    {.name = "Button6", .kind = takton::Kind::Button, .rect = {24, 1101, 56, 31}, .caption = u"Шаг 6", .onClick = &TForm10::Button6Click},
    {.name = "Label49", .kind = takton::Kind::Label, .rect = {102, 1109, 217, 19}, .caption = u"Ёмкость конденсатора С2 ="},
    {.name = "Label50", .kind = takton::Kind::Label, .rect = {326, 1109, 6, 19}, .style = takton::style::bold, .accepts = "Edit21"},
    {.name = "Edit21", .kind = takton::Kind::Edit, .rect = {150, 1139, 43, 26}},
    {.name = "Label51", .kind = takton::Kind::Label, .rect = {42, 1145, 178, 19}, .caption = u"Примем С2 =           нФ"},
    {.name = "Button7", .kind = takton::Kind::Button, .rect = {24, 1175, 56, 31}, .caption = u"Шаг 7", .onClick = &TForm10::Button7Click},
    {.name = "Label52", .kind = takton::Kind::Label, .rect = {102, 1183, 217, 19}, .caption = u"Ёмкость конденсатора С1 ="},
    {.name = "Label53", .kind = takton::Kind::Label, .rect = {326, 1183, 6, 19}, .style = takton::style::bold},
    {.name = "Label47", .kind = takton::Kind::Label, .rect = {628, 1212, 60, 16}, .style = takton::style::tahoma13},
};

} // namespace

// Lets the compiler check every control name the steps and the focus order use.
consteval const auto& layoutOf(const TForm10*)
{
    return controls;
}
