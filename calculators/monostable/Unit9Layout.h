#pragma once
// The layout table of TForm9, one row per control. The window is built from it,
// and its steps and its circuit name their controls against it: the compiler checks
// every name.

#include "Unit9.h"

namespace {

// One row per control, in the order of the window's layout table. Captions keep their
// Latin look-alikes: the volts after Um1 and Um2 are a Latin B and the degrees after
// tmax a Latin C, while Т1, Т2, Ек1, Ек2, С1 and С2 are Cyrillic.
constexpr takton::Control<TForm9> controls[] = {
    {.name = "Label1", .kind = takton::Kind::Label, .rect = {238, 14, 402, 19}, .style = takton::style::bold, .caption = u"Расчёт ждущего мультивибратора с запуском "},
    {.name = "Label2", .kind = takton::Kind::Label, .rect = {650, 14, 236, 19}, .style = takton::style::bold, .caption = u"положительным импульсом"},
    {.name = "Image1", .kind = takton::Kind::Image, .rect = {674, 56, 447, 353}},
    {.name = "Edit1", .kind = takton::Kind::Edit, .rect = {540, 130, 43, 26}},
    {.name = "Label3", .kind = takton::Kind::Label, .rect = {48, 136, 548, 19}, .caption = u"Амплитуда импульса, формируемого на коллекторе Т1 Um1 =           B"},
    {.name = "Edit2", .kind = takton::Kind::Edit, .rect = {540, 172, 43, 26}},
    {.name = "Label4", .kind = takton::Kind::Label, .rect = {48, 178, 548, 19}, .caption = u"Амплитуда импульса, формируемого на коллекторе Т2 Um2 =           B"},
    {.name = "Edit3", .kind = takton::Kind::Edit, .rect = {380, 214, 43, 26}},
    {.name = "Label5", .kind = takton::Kind::Label, .rect = {48, 220, 406, 19}, .caption = u"Длительность выходного импульса tau =            мкс"},
    {.name = "Edit4", .kind = takton::Kind::Edit, .rect = {412, 256, 43, 26}},
    {.name = "Label6", .kind = takton::Kind::Label, .rect = {48, 262, 421, 19}, .caption = u"Максимальная рабочая температура tmax = +          C"},
    {.name = "Button1", .kind = takton::Kind::Button, .rect = {32, 382, 56, 133}, .caption = u"Шаг 1", .onClick = &TForm9::Button1Click},
    {.name = "Label7", .kind = takton::Kind::Label, .rect = {110, 382, 431, 19}, .caption = u"Максимально допустимое напряжение коллектор-база "},
    {.name = "Label8", .kind = takton::Kind::Label, .rect = {110, 406, 192, 19}, .caption = u"транзистора Т1 не менее"},
    {.name = "Label9", .kind = takton::Kind::Label, .rect = {314, 406, 6, 19}, .style = takton::style::bold},
    {.name = "Label10", .kind = takton::Kind::Label, .rect = {110, 430, 426, 19}, .caption = u"Максимально допустимое напряжение коллектор-база"},
    {.name = "Label11", .kind = takton::Kind::Label, .rect = {110, 454, 192, 19}, .caption = u"транзистора Т2 не менее"},
    {.name = "Label12", .kind = takton::Kind::Label, .rect = {314, 454, 6, 19}, .style = takton::style::bold},
    {.name = "Label13", .kind = takton::Kind::Label, .rect = {110, 478, 655, 19}, .caption = u"Максимально допустимое обратное напряжение база-эмиттер транзистора Т1 более"},
    {.name = "Label14", .kind = takton::Kind::Label, .rect = {774, 478, 6, 19}, .style = takton::style::bold},
    {.name = "Label15", .kind = takton::Kind::Label, .rect = {110, 502, 655, 19}, .caption = u"Максимально допустимое обратное напряжение база-эмиттер транзистора Т2 более"},
    {.name = "Label16", .kind = takton::Kind::Label, .rect = {774, 502, 6, 19}, .style = takton::style::bold},
    {.name = "Label17", .kind = takton::Kind::Label, .rect = {32, 532, 293, 19}, .caption = u"Параметры выбранных транзисторов:"},
    {.name = "Edit5", .kind = takton::Kind::Edit, .rect = {504, 550, 43, 26}},
    {.name = "Edit7", .kind = takton::Kind::Edit, .rect = {1094, 550, 43, 26}},
    {.name = "Label18", .kind = takton::Kind::Label, .rect = {32, 556, 1122, 19}, .caption = u"максимально допустимый импульсный ток коллектора Т1 =            А            максимально допустимое напряжение коллектор-база Т1 =           В"},
    {.name = "Edit6", .kind = takton::Kind::Edit, .rect = {504, 574, 43, 26}},
    {.name = "Edit8", .kind = takton::Kind::Edit, .rect = {1094, 574, 43, 26}},
    {.name = "Label19", .kind = takton::Kind::Label, .rect = {32, 580, 1122, 19}, .caption = u"максимально допустимый импульсный ток коллектора Т2 =            А            максимально допустимое напряжение коллектор-база Т2 =           В"},
    {.name = "Edit9", .kind = takton::Kind::Edit, .rect = {460, 598, 43, 26}},
    {.name = "Edit11", .kind = takton::Kind::Edit, .rect = {1100, 598, 43, 26}},
    {.name = "Label20", .kind = takton::Kind::Label, .rect = {32, 604, 1058, 19}, .caption = u"обратный ток коллектора Т1 при температуре tmax =            мкА                  коэффициент передачи тока Т1 (минимальное значение) ="},
    {.name = "Edit10", .kind = takton::Kind::Edit, .rect = {460, 622, 43, 26}},
    {.name = "Edit12", .kind = takton::Kind::Edit, .rect = {1100, 622, 43, 26}},
    {.name = "Label21", .kind = takton::Kind::Label, .rect = {32, 628, 1058, 19}, .caption = u"обратный ток коллектора Т2 при температуре tmax =            мкА                  коэффициент передачи тока Т2 (минимальное значение) ="},
    {.name = "Button2", .kind = takton::Kind::Button, .rect = {32, 658, 56, 73}, .caption = u"Шаг 2", .onClick = &TForm9::Button2Click},
    {.name = "Label22", .kind = takton::Kind::Label, .rect = {110, 658, 436, 19}, .caption = u"Коллекторный ток открытого транзистора Т1 I'к1 менее"},
    {.name = "Label23", .kind = takton::Kind::Label, .rect = {558, 658, 6, 19}, .style = takton::style::bold},
    {.name = "Label24", .kind = takton::Kind::Label, .rect = {416, 676, 131, 19}, .caption = u"также I'к1 более"},
    {.name = "Label25", .kind = takton::Kind::Label, .rect = {558, 676, 6, 19}, .style = takton::style::bold},
    {.name = "Label26", .kind = takton::Kind::Label, .rect = {110, 700, 436, 19}, .caption = u"Коллекторный ток открытого транзистора Т2 I'к2 менее"},
    {.name = "Label27", .kind = takton::Kind::Label, .rect = {558, 700, 6, 19}, .style = takton::style::bold},
    {.name = "Label28", .kind = takton::Kind::Label, .rect = {416, 718, 131, 19}, .caption = u"также I'к2 более"},
    {.name = "Label29", .kind = takton::Kind::Label, .rect = {558, 718, 6, 19}, .style = takton::style::bold},
    {.name = "Edit13", .kind = takton::Kind::Edit, .rect = {164, 736, 43, 26}},
    {.name = "Edit14", .kind = takton::Kind::Edit, .rect = {282, 736, 43, 26}},
    {.name = "Label30", .kind = takton::Kind::Label, .rect = {50, 742, 288, 19}, .caption = u"Примем I'к1 =          А,  I'к2 =          А"},
    {.name = "Button3", .kind = takton::Kind::Button, .rect = {32, 770, 56, 41}, .caption = u"Шаг 3", .onClick = &TForm9::Button3Click},
    {.name = "Label31", .kind = takton::Kind::Label, .rect = {110, 771, 310, 19}, .caption = u"Напряжение источника питания |Ек1| ="},
    {.name = "Label32", .kind = takton::Kind::Label, .rect = {428, 771, 6, 19}, .style = takton::style::bold},
    {.name = "Label33", .kind = takton::Kind::Label, .rect = {110, 795, 296, 19}, .caption = u"Напряжение источника питания Ек2 ="},
    {.name = "Label34", .kind = takton::Kind::Label, .rect = {416, 795, 6, 19}, .style = takton::style::bold},
    {.name = "Edit15", .kind = takton::Kind::Edit, .rect = {184, 822, 43, 26}},
    {.name = "Edit16", .kind = takton::Kind::Edit, .rect = {308, 822, 43, 26}},
    {.name = "Label35", .kind = takton::Kind::Label, .rect = {50, 828, 317, 19}, .caption = u"Примем |Ек1| =            В,  Ек2 =           В"},
    {.name = "Button4", .kind = takton::Kind::Button, .rect = {32, 856, 56, 41}, .caption = u"Шаг 4", .onClick = &TForm9::Button4Click},
    {.name = "Label36", .kind = takton::Kind::Label, .rect = {110, 857, 253, 19}, .caption = u"Сопротивление резистора Rк1 ="},
    {.name = "Label37", .kind = takton::Kind::Label, .rect = {372, 857, 6, 19}, .style = takton::style::bold, .accepts = "Edit17"},
    {.name = "Label38", .kind = takton::Kind::Label, .rect = {110, 881, 253, 19}, .caption = u"Сопротивление резистора Rк2 ="},
    {.name = "Label39", .kind = takton::Kind::Label, .rect = {372, 881, 6, 19}, .style = takton::style::bold, .accepts = "Edit18"},
    {.name = "Edit17", .kind = takton::Kind::Edit, .rect = {164, 909, 43, 26}},
    {.name = "Edit18", .kind = takton::Kind::Edit, .rect = {302, 909, 43, 26}},
    {.name = "Label40", .kind = takton::Kind::Label, .rect = {50, 915, 324, 19}, .caption = u"Примем Rк1 =           Ом,  Rк2 =           Ом"},
    {.name = "Button5", .kind = takton::Kind::Button, .rect = {32, 942, 56, 22}, .caption = u"Шаг 5", .onClick = &TForm9::Button5Click},
    {.name = "Label41", .kind = takton::Kind::Label, .rect = {110, 943, 253, 19}, .caption = u"Сопротивление резистора Rб1 ="},
    {.name = "Label42", .kind = takton::Kind::Label, .rect = {372, 943, 6, 19}, .style = takton::style::bold, .accepts = "Edit19"},
    {.name = "Edit19", .kind = takton::Kind::Edit, .rect = {164, 971, 43, 26}},
    {.name = "Label45", .kind = takton::Kind::Label, .rect = {50, 977, 186, 19}, .caption = u"Примем Rб1 =           Ом"},
    {.name = "Button6", .kind = takton::Kind::Button, .rect = {32, 1005, 56, 41}, .caption = u"Шаг 6", .onClick = &TForm9::Button6Click},
    {.name = "Label43", .kind = takton::Kind::Label, .rect = {110, 1005, 193, 19}, .caption = u"Время восстановления ="},
    {.name = "Label44", .kind = takton::Kind::Label, .rect = {306, 1005, 6, 19}, .style = takton::style::bold},
    {.name = "Label46", .kind = takton::Kind::Label, .rect = {110, 1029, 270, 19}, .caption = u"Ёмкость конденсаторов С1 = С2 ="},
    {.name = "Label47", .kind = takton::Kind::Label, .rect = {386, 1029, 6, 19}, .style = takton::style::bold, .accepts = "Edit20"},
    {.name = "Edit20", .kind = takton::Kind::Edit, .rect = {164, 1058, 43, 29}, .style = takton::style::tahoma13},
    {.name = "Label48", .kind = takton::Kind::Label, .rect = {50, 1064, 186, 16}, .style = takton::style::tahoma13, .caption = u"Примем С1 = С2 =               нФ"},
    {.name = "Button7", .kind = takton::Kind::Button, .rect = {32, 1092, 56, 22}, .caption = u"Шаг 7", .onClick = &TForm9::Button7Click},
    {.name = "Label49", .kind = takton::Kind::Label, .rect = {110, 1092, 253, 19}, .caption = u"Сопротивление резистора Rб2 ="},
    {.name = "Label50", .kind = takton::Kind::Label, .rect = {372, 1092, 6, 19}, .style = takton::style::bold},
    {.name = "Label51", .kind = takton::Kind::Label, .rect = {650, 1116, 4, 16}, .style = takton::style::tahoma13},
};

} // namespace

// Lets the compiler check every control name the steps and the focus order use.
consteval const auto& layoutOf(const TForm9*)
{
    return controls;
}
