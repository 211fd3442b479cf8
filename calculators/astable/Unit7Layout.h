#pragma once
// The layout table of TForm7, one row per control. The window is built from it,
// and its steps and its circuit name their controls against it: the compiler checks
// every name.

#include "Unit7.h"

namespace {

// One row per control, in the order of the window's layout table. Captions keep their
// Latin look-alikes: Um1, Um2, tau, tmax, the R of every resistor and the I of I'к1 and
// I'к2 are Latin, and so are the volts B after Um1 and Um2 and the C of degrees after
// tmax. Т1, Т2, Еэ1ф, Еэ2ф, С and С1 are Cyrillic. Label13 keeps its double blank and
// Label20 its trailing blank.
constexpr takton::Control<TForm7> controls[] = {
    {.name = "Label1", .kind = takton::Kind::Label, .rect = {252, 12, 562, 19}, .style = takton::style::bold, .caption = u"Расчёт автогенераторного мультивибратора с одним источником"},
    {.name = "Label2", .kind = takton::Kind::Label, .rect = {246, 30, 574, 19}, .style = takton::style::bold, .caption = u"эмиттерного питания, ёмкостной и резистивно-ёмкостной связями"},
    {.name = "Image1", .kind = takton::Kind::Image, .rect = {656, 68, 433, 318}},
    {.name = "Edit1", .kind = takton::Kind::Edit, .rect = {548, 152, 43, 26}},
    {.name = "Label3", .kind = takton::Kind::Label, .rect = {48, 158, 557, 19}, .caption = u"Амплитуда импульсов, формируемых на коллекторе Т1 Um1 =            B"},
    {.name = "Edit2", .kind = takton::Kind::Edit, .rect = {548, 188, 43, 26}},
    {.name = "Label4", .kind = takton::Kind::Label, .rect = {48, 194, 557, 19}, .caption = u"Амплитуда импульсов, формируемых на коллекторе Т2 Um2 =            B"},
    {.name = "Edit3", .kind = takton::Kind::Edit, .rect = {426, 224, 43, 26}},
    {.name = "Label5", .kind = takton::Kind::Label, .rect = {48, 230, 456, 19}, .caption = u"Период следования выходных импульсов tau =            мкс"},
    {.name = "Edit4", .kind = takton::Kind::Edit, .rect = {410, 260, 43, 26}},
    {.name = "Label6", .kind = takton::Kind::Label, .rect = {48, 266, 421, 19}, .caption = u"Максимальная рабочая температура tmax = +          C"},
    {.name = "Button1", .kind = takton::Kind::Button, .rect = {32, 434, 56, 91}, .caption = u"Шаг 1", .onClick = &TForm7::Button1Click},
    {.name = "Label7", .kind = takton::Kind::Label, .rect = {110, 434, 623, 19}, .caption = u"Максимально допустимое напряжение коллектор-база транзистора Т1 не менее"},
    {.name = "Label8", .kind = takton::Kind::Label, .rect = {742, 434, 6, 19}, .style = takton::style::bold},
    {.name = "Label9", .kind = takton::Kind::Label, .rect = {110, 458, 623, 19}, .caption = u"Максимально допустимое напряжение коллектор-база транзистора Т2 не менее"},
    {.name = "Label10", .kind = takton::Kind::Label, .rect = {742, 458, 6, 19}, .style = takton::style::bold},
    {.name = "Label11", .kind = takton::Kind::Label, .rect = {110, 482, 655, 19}, .caption = u"Максимально допустимое обратное напряжение база-эмиттер транзистора Т1 более"},
    {.name = "Label12", .kind = takton::Kind::Label, .rect = {772, 482, 6, 19}, .style = takton::style::bold},
    {.name = "Label13", .kind = takton::Kind::Label, .rect = {110, 506, 660, 19}, .caption = u"Максимально допустимое  обратное напряжение база-эмиттер транзистора Т2 более"},
    {.name = "Label14", .kind = takton::Kind::Label, .rect = {780, 506, 6, 19}, .style = takton::style::bold},
    {.name = "Label15", .kind = takton::Kind::Label, .rect = {32, 536, 293, 19}, .caption = u"Параметры выбранных транзисторов:"},
    {.name = "Edit5", .kind = takton::Kind::Edit, .rect = {504, 554, 43, 26}},
    {.name = "Edit9", .kind = takton::Kind::Edit, .rect = {1064, 554, 43, 26}},
    {.name = "Label16", .kind = takton::Kind::Label, .rect = {32, 560, 1092, 19}, .caption = u"максимально допустимый импульсный ток коллектора Т1 =            А     максимально допустимое напряжение коллектор-база Т1 =            В"},
    {.name = "Edit6", .kind = takton::Kind::Edit, .rect = {504, 578, 43, 26}},
    {.name = "Edit10", .kind = takton::Kind::Edit, .rect = {1064, 578, 43, 26}},
    {.name = "Label17", .kind = takton::Kind::Label, .rect = {32, 584, 1092, 19}, .caption = u"максимально допустимый импульсный ток коллектора Т2 =            А     максимально допустимое напряжение коллектор-база Т2 =            В"},
    {.name = "Edit7", .kind = takton::Kind::Edit, .rect = {460, 602, 43, 26}},
    {.name = "Edit11", .kind = takton::Kind::Edit, .rect = {1062, 602, 43, 26}},
    {.name = "Label18", .kind = takton::Kind::Label, .rect = {32, 608, 1023, 19}, .caption = u"обратный ток коллектора Т1 при температуре tmax =            мкА           коэффициент передачи тока Т1 (минимальное значение) ="},
    {.name = "Edit8", .kind = takton::Kind::Edit, .rect = {460, 626, 43, 26}},
    {.name = "Edit12", .kind = takton::Kind::Edit, .rect = {1062, 626, 43, 26}},
    {.name = "Label19", .kind = takton::Kind::Label, .rect = {32, 632, 1023, 19}, .caption = u"обратный ток коллектора Т2 при температуре tmax =            мкА           коэффициент передачи тока Т2 (минимальное значение) ="},
    {.name = "Button2", .kind = takton::Kind::Button, .rect = {32, 662, 56, 71}, .caption = u"Шаг 2", .onClick = &TForm7::Button2Click},
    {.name = "Label20", .kind = takton::Kind::Label, .rect = {110, 662, 441, 19}, .caption = u"Коллекторный ток открытого транзистора Т1 I'к1 менее "},
    {.name = "Label21", .kind = takton::Kind::Label, .rect = {558, 662, 6, 19}, .style = takton::style::bold},
    {.name = "Label22", .kind = takton::Kind::Label, .rect = {416, 680, 131, 19}, .caption = u"также I'к1 более"},
    {.name = "Label23", .kind = takton::Kind::Label, .rect = {558, 680, 6, 19}, .style = takton::style::bold},
    {.name = "Label24", .kind = takton::Kind::Label, .rect = {110, 704, 436, 19}, .caption = u"Коллекторный ток открытого транзистора Т2 I'к2 менее"},
    {.name = "Label25", .kind = takton::Kind::Label, .rect = {558, 704, 6, 19}, .style = takton::style::bold},
    {.name = "Label26", .kind = takton::Kind::Label, .rect = {416, 722, 131, 19}, .caption = u"также I'к2 более"},
    {.name = "Label27", .kind = takton::Kind::Label, .rect = {558, 722, 6, 19}, .style = takton::style::bold},
    {.name = "Edit13", .kind = takton::Kind::Edit, .rect = {164, 737, 43, 26}},
    {.name = "Edit14", .kind = takton::Kind::Edit, .rect = {294, 737, 43, 26}},
    {.name = "Label28", .kind = takton::Kind::Label, .rect = {50, 745, 303, 19}, .caption = u"Примем I'к1 =          А,   I'к2 =            А"},
    {.name = "Button3", .kind = takton::Kind::Button, .rect = {32, 775, 56, 74}, .style = takton::style::tahoma13, .caption = u"Шаг 3", .onClick = &TForm7::Button3Click},
    {.name = "Label29", .kind = takton::Kind::Label, .rect = {110, 775, 339, 19}, .caption = u"Напряжение фиктивного источника Еэ1ф ="},
    {.name = "Label30", .kind = takton::Kind::Label, .rect = {454, 775, 6, 19}, .style = takton::style::bold},
    {.name = "Label31", .kind = takton::Kind::Label, .rect = {390, 795, 57, 19}, .caption = u"Еэ1ф <"},
    {.name = "Label32", .kind = takton::Kind::Label, .rect = {454, 795, 6, 19}, .style = takton::style::bold},
    {.name = "Label33", .kind = takton::Kind::Label, .rect = {110, 816, 353, 19}, .caption = u"Напряжение фиктивного источника |Еэ2ф| ="},
    {.name = "Label34", .kind = takton::Kind::Label, .rect = {474, 816, 6, 19}, .style = takton::style::bold},
    {.name = "Label35", .kind = takton::Kind::Label, .rect = {390, 838, 71, 19}, .caption = u"|Еэ2ф| <"},
    {.name = "Label36", .kind = takton::Kind::Label, .rect = {474, 838, 6, 19}, .style = takton::style::bold},
    {.name = "Edit15", .kind = takton::Kind::Edit, .rect = {176, 852, 43, 26}},
    {.name = "Edit16", .kind = takton::Kind::Edit, .rect = {326, 852, 43, 26}},
    {.name = "Label37", .kind = takton::Kind::Label, .rect = {50, 860, 336, 19}, .caption = u"Примем Еэ1ф =           В,  |Еэ2ф| =           В"},
    {.name = "Button4", .kind = takton::Kind::Button, .rect = {32, 890, 56, 41}, .caption = u"Шаг 4", .onClick = &TForm7::Button4Click},
    {.name = "Label38", .kind = takton::Kind::Label, .rect = {110, 890, 253, 19}, .caption = u"Сопротивление резистора Rк1 ="},
    {.name = "Label39", .kind = takton::Kind::Label, .rect = {372, 890, 6, 19}, .style = takton::style::bold, .accepts = "Edit17"},
    {.name = "Label40", .kind = takton::Kind::Label, .rect = {110, 914, 253, 19}, .caption = u"Сопротивление резистора Rк2 ="},
    {.name = "Label41", .kind = takton::Kind::Label, .rect = {372, 914, 6, 19}, .style = takton::style::bold, .accepts = "Edit18"},
    {.name = "Edit17", .kind = takton::Kind::Edit, .rect = {164, 940, 43, 26}},
    {.name = "Edit18", .kind = takton::Kind::Edit, .rect = {302, 940, 43, 26}},
    {.name = "Label42", .kind = takton::Kind::Label, .rect = {50, 948, 324, 19}, .caption = u"Примем Rк1 =          Ом,  Rк2 =            Ом"},
    {.name = "Button5", .kind = takton::Kind::Button, .rect = {32, 978, 56, 41}, .caption = u"Шаг 5", .onClick = &TForm7::Button5Click},
    {.name = "Label43", .kind = takton::Kind::Label, .rect = {110, 979, 253, 19}, .caption = u"Сопротивление резистора Rб1 ="},
    {.name = "Label44", .kind = takton::Kind::Label, .rect = {372, 979, 6, 19}, .style = takton::style::bold, .accepts = "Edit19"},
    {.name = "Label45", .kind = takton::Kind::Label, .rect = {110, 1003, 253, 19}, .caption = u"Сопротивление резистора Rб2 ="},
    {.name = "Label46", .kind = takton::Kind::Label, .rect = {372, 1003, 6, 19}, .style = takton::style::bold, .accepts = "Edit20"},
    {.name = "Edit19", .kind = takton::Kind::Edit, .rect = {172, 1030, 43, 26}},
    {.name = "Edit20", .kind = takton::Kind::Edit, .rect = {316, 1030, 43, 26}},
    {.name = "Label47", .kind = takton::Kind::Label, .rect = {50, 1036, 334, 19}, .caption = u"Примем Rб1 =            Ом,   Rб2 =           Ом"},
    {.name = "Button6", .kind = takton::Kind::Button, .rect = {32, 1066, 56, 21}, .caption = u"Шаг 6", .onClick = &TForm7::Button6Click},
    {.name = "Label48", .kind = takton::Kind::Label, .rect = {110, 1067, 303, 19}, .caption = u"Сопротивление резистора R, не более:"},
    {.name = "Label49", .kind = takton::Kind::Label, .rect = {416, 1067, 6, 19}, .style = takton::style::bold, .accepts = "Edit21"},
    {.name = "Edit21", .kind = takton::Kind::Edit, .rect = {144, 1089, 43, 26}},
    {.name = "Label50", .kind = takton::Kind::Label, .rect = {50, 1097, 167, 19}, .caption = u"Примем R =           Ом"},
    {.name = "Button7", .kind = takton::Kind::Button, .rect = {32, 1127, 56, 24}, .caption = u"Шаг 7", .onClick = &TForm7::Button7Click},
    {.name = "Label51", .kind = takton::Kind::Label, .rect = {110, 1127, 207, 19}, .caption = u"Ёмкость конденсатора С ="},
    {.name = "Label52", .kind = takton::Kind::Label, .rect = {328, 1127, 6, 19}, .style = takton::style::bold, .accepts = "Edit22"},
    {.name = "Edit22", .kind = takton::Kind::Edit, .rect = {152, 1157, 43, 26}},
    {.name = "Label53", .kind = takton::Kind::Label, .rect = {50, 1165, 178, 19}, .caption = u"Примем С =             нФ"},
    {.name = "Button8", .kind = takton::Kind::Button, .rect = {32, 1195, 56, 22}, .caption = u"Шаг 8", .onClick = &TForm7::Button8Click},
    {.name = "Label54", .kind = takton::Kind::Label, .rect = {110, 1196, 251, 19}, .caption = u"Ёмкость конденсатора С1 менее"},
    {.name = "Label55", .kind = takton::Kind::Label, .rect = {372, 1196, 6, 19}, .style = takton::style::bold},
    {.name = "Button9", .kind = takton::Kind::Button, .rect = {32, 1220, 56, 22}, .style = takton::style::sans15, .caption = u"Шаг 9", .onClick = &TForm7::Button9Click},
    {.name = "Label56", .kind = takton::Kind::Label, .rect = {110, 1221, 286, 19}, .caption = u"Напряжение источника питания Еэ ="},
    {.name = "Label57", .kind = takton::Kind::Label, .rect = {402, 1221, 6, 19}, .style = takton::style::bold},
    {.name = "Label58", .kind = takton::Kind::Label, .rect = {662, 1245, 4, 16}, .style = takton::style::tahoma13},
};

} // namespace

// Lets the compiler check every control name the steps and the focus order use.
consteval const auto& layoutOf(const TForm7*)
{
    return controls;
}
