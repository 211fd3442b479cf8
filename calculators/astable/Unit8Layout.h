#pragma once
// The layout table of TForm8, one row per control. The window is built from it,
// and its steps and its circuit name their controls against it: the compiler checks
// every name.

#include "Unit8.h"

namespace {

// One row per control, in the order of the window's layout table. The degrees after
// tmax in Label6 are a Latin C; the volts after Um1 and Um2 are a Cyrillic В, and so
// are the letters of Т1, Т2, Еэ and С1, С2. Edit11 alone takes the label face and is a
// pixel taller than the other fields. The reverse currents and current gains are
// numbered across: Edit9 and Edit10 are T1's line, Edit11 and Edit12 T2's.
constexpr takton::Control<TForm8> controls[] = {
    {.name = "Label1", .kind = takton::Kind::Label, .rect = {316, 12, 562, 19}, .style = takton::style::bold, .caption = u"Расчёт автогенераторного мультивибратора с одним источником"},
    {.name = "Label2", .kind = takton::Kind::Label, .rect = {382, 30, 380, 19}, .style = takton::style::bold, .caption = u"эмиттерного питания и ёмкостными связями"},
    {.name = "Image1", .kind = takton::Kind::Image, .rect = {688, 66, 409, 327}},
    {.name = "Edit1", .kind = takton::Kind::Edit, .rect = {570, 152, 43, 26}},
    {.name = "Label3", .kind = takton::Kind::Label, .rect = {70, 158, 557, 19}, .caption = u"Амплитуда импульсов, формируемых на коллекторе Т1 Um1 =            В"},
    {.name = "Edit2", .kind = takton::Kind::Edit, .rect = {570, 188, 43, 26}},
    {.name = "Label4", .kind = takton::Kind::Label, .rect = {70, 194, 557, 19}, .caption = u"Амплитуда импульсов, формируемых на коллекторе Т2 Um2 =            В"},
    {.name = "Edit3", .kind = takton::Kind::Edit, .rect = {448, 224, 43, 26}},
    {.name = "Label5", .kind = takton::Kind::Label, .rect = {70, 230, 456, 19}, .caption = u"Период следования выходных импульсов tau =            мкс"},
    {.name = "Edit4", .kind = takton::Kind::Edit, .rect = {434, 260, 43, 26}},
    {.name = "Label6", .kind = takton::Kind::Label, .rect = {70, 266, 421, 19}, .caption = u"Максимальная рабочая температура tmax = +          C"},
    {.name = "Button1", .kind = takton::Kind::Button, .rect = {30, 402, 56, 91}, .caption = u"Шаг 1", .onClick = &TForm8::Button1Click},
    {.name = "Label7", .kind = takton::Kind::Label, .rect = {108, 402, 623, 19}, .caption = u"Максимально допустимое напряжение коллектор-база транзистора Т1 не менее"},
    {.name = "Label8", .kind = takton::Kind::Label, .rect = {738, 402, 6, 19}, .style = takton::style::bold},
    {.name = "Label9", .kind = takton::Kind::Label, .rect = {108, 426, 623, 19}, .caption = u"Максимально допустимое напряжение коллектор-база транзистора Т2 не менее"},
    {.name = "Label10", .kind = takton::Kind::Label, .rect = {738, 426, 6, 19}, .style = takton::style::bold},
    {.name = "Label11", .kind = takton::Kind::Label, .rect = {108, 450, 655, 19}, .caption = u"Максимально допустимое обратное напряжение база-эмиттер транзистора Т1 более"},
    {.name = "Label12", .kind = takton::Kind::Label, .rect = {770, 450, 6, 19}, .style = takton::style::bold},
    {.name = "Label13", .kind = takton::Kind::Label, .rect = {108, 474, 655, 19}, .caption = u"Максимально допустимое обратное напряжение база-эмиттер транзистора Т2 более"},
    {.name = "Label14", .kind = takton::Kind::Label, .rect = {770, 474, 6, 19}, .style = takton::style::bold},
    {.name = "Label15", .kind = takton::Kind::Label, .rect = {30, 504, 289, 19}, .caption = u"Параметры выбранного транзистора:"},
    {.name = "Edit5", .kind = takton::Kind::Edit, .rect = {502, 522, 43, 26}},
    {.name = "Edit7", .kind = takton::Kind::Edit, .rect = {1062, 522, 43, 26}},
    {.name = "Label16", .kind = takton::Kind::Label, .rect = {30, 528, 1092, 19}, .caption = u"максимально допустимый импульсный ток коллектора Т1 =            А     максимально допустимое напряжение коллектор-база Т1 =            В"},
    {.name = "Edit6", .kind = takton::Kind::Edit, .rect = {502, 546, 43, 26}},
    {.name = "Edit8", .kind = takton::Kind::Edit, .rect = {1062, 546, 43, 26}},
    {.name = "Label17", .kind = takton::Kind::Label, .rect = {30, 552, 1092, 19}, .caption = u"максимально допустимый импульсный ток коллектора Т2 =            А     максимально допустимое напряжение коллектор-база Т2 =            В"},
    {.name = "Edit9", .kind = takton::Kind::Edit, .rect = {458, 570, 43, 26}},
    {.name = "Edit10", .kind = takton::Kind::Edit, .rect = {1060, 570, 43, 26}},
    {.name = "Label18", .kind = takton::Kind::Label, .rect = {30, 576, 1018, 19}, .caption = u"обратный ток коллектора Т1 при температуре tmax =           мкА           коэффициент передачи тока Т1 (минимальное значение) ="},
    {.name = "Edit11", .kind = takton::Kind::Edit, .rect = {458, 594, 43, 27}, .style = takton::style::sans15},
    {.name = "Edit12", .kind = takton::Kind::Edit, .rect = {1060, 594, 43, 26}},
    {.name = "Label19", .kind = takton::Kind::Label, .rect = {30, 600, 1018, 19}, .caption = u"обратный ток коллектора Т2 при температуре tmax =           мкА           коэффициент передачи тока Т2 (минимальное значение) ="},
    {.name = "Button2", .kind = takton::Kind::Button, .rect = {30, 630, 56, 73}, .caption = u"Шаг 2", .onClick = &TForm8::Button2Click},
    {.name = "Label20", .kind = takton::Kind::Label, .rect = {108, 630, 436, 19}, .caption = u"Коллекторный ток открытого транзистора Т1 I'к1 менее"},
    {.name = "Label21", .kind = takton::Kind::Label, .rect = {556, 630, 6, 19}, .style = takton::style::bold},
    {.name = "Label22", .kind = takton::Kind::Label, .rect = {414, 648, 131, 19}, .caption = u"также I'к1 более"},
    {.name = "Label23", .kind = takton::Kind::Label, .rect = {556, 648, 6, 19}, .style = takton::style::bold},
    {.name = "Label24", .kind = takton::Kind::Label, .rect = {108, 672, 436, 19}, .caption = u"Коллекторный ток открытого транзистора Т2 I'к2 менее"},
    {.name = "Label25", .kind = takton::Kind::Label, .rect = {556, 672, 6, 19}, .style = takton::style::bold},
    {.name = "Label26", .kind = takton::Kind::Label, .rect = {414, 690, 131, 19}, .caption = u"также I'к2 более"},
    {.name = "Label27", .kind = takton::Kind::Label, .rect = {556, 690, 6, 19}, .style = takton::style::bold},
    {.name = "Edit13", .kind = takton::Kind::Edit, .rect = {156, 706, 43, 26}},
    {.name = "Edit14", .kind = takton::Kind::Edit, .rect = {280, 706, 43, 26}},
    {.name = "Label28", .kind = takton::Kind::Label, .rect = {42, 714, 293, 19}, .caption = u"Примем I'к1 =           А,  I'к2 =          А"},
    {.name = "Button3", .kind = takton::Kind::Button, .rect = {30, 742, 56, 41}, .caption = u"Шаг 3", .onClick = &TForm8::Button3Click},
    {.name = "Label29", .kind = takton::Kind::Label, .rect = {108, 743, 339, 19}, .caption = u"Напряжение фиктивного источника Еэ1ф ="},
    {.name = "Label30", .kind = takton::Kind::Label, .rect = {452, 743, 6, 19}, .style = takton::style::bold},
    {.name = "Label31", .kind = takton::Kind::Label, .rect = {108, 767, 353, 19}, .caption = u"Напряжение фиктивного источника |Еэ2ф| ="},
    {.name = "Label32", .kind = takton::Kind::Label, .rect = {464, 767, 6, 19}, .style = takton::style::bold},
    {.name = "Edit15", .kind = takton::Kind::Edit, .rect = {168, 794, 43, 26}},
    {.name = "Edit16", .kind = takton::Kind::Edit, .rect = {318, 794, 43, 26}},
    {.name = "Label33", .kind = takton::Kind::Label, .rect = {42, 800, 336, 19}, .caption = u"Примем Еэ1ф =           В,  |Еэ2ф| =           В"},
    {.name = "Button4", .kind = takton::Kind::Button, .rect = {30, 828, 56, 41}, .caption = u"Шаг 4", .onClick = &TForm8::Button4Click},
    {.name = "Label34", .kind = takton::Kind::Label, .rect = {108, 829, 253, 19}, .caption = u"Сопротивление резистора Rк1 ="},
    {.name = "Label35", .kind = takton::Kind::Label, .rect = {370, 829, 6, 19}, .style = takton::style::bold, .accepts = "Edit17"},
    {.name = "Label36", .kind = takton::Kind::Label, .rect = {108, 853, 253, 19}, .caption = u"Сопротивление резистора Rк2 ="},
    {.name = "Label37", .kind = takton::Kind::Label, .rect = {370, 853, 6, 19}, .style = takton::style::bold, .accepts = "Edit18"},
    {.name = "Edit17", .kind = takton::Kind::Edit, .rect = {156, 881, 43, 26}},
    {.name = "Edit18", .kind = takton::Kind::Edit, .rect = {294, 881, 43, 26}},
    {.name = "Label38", .kind = takton::Kind::Label, .rect = {42, 887, 319, 19}, .caption = u"Примем Rк1 =           Ом,  Rк2 =          Ом"},
    {.name = "Button5", .kind = takton::Kind::Button, .rect = {30, 914, 56, 42}, .caption = u"Шаг 5", .onClick = &TForm8::Button5Click},
    {.name = "Label39", .kind = takton::Kind::Label, .rect = {108, 915, 253, 19}, .caption = u"Сопротивление резистора Rб1 ="},
    {.name = "Label40", .kind = takton::Kind::Label, .rect = {370, 915, 6, 19}, .style = takton::style::bold, .accepts = "Edit19"},
    {.name = "Label41", .kind = takton::Kind::Label, .rect = {108, 939, 253, 19}, .caption = u"Сопротивление резистора Rб2 ="},
    {.name = "Label42", .kind = takton::Kind::Label, .rect = {370, 939, 6, 19}, .style = takton::style::bold, .accepts = "Edit20"},
    {.name = "Edit19", .kind = takton::Kind::Edit, .rect = {156, 967, 43, 26}},
    {.name = "Edit20", .kind = takton::Kind::Edit, .rect = {286, 967, 43, 26}},
    {.name = "Label43", .kind = takton::Kind::Label, .rect = {42, 973, 314, 19}, .caption = u"Примем Rб1 =          Ом,  Rб2 =          Ом"},
    {.name = "Button6", .kind = takton::Kind::Button, .rect = {30, 1001, 56, 22}, .caption = u"Шаг 6", .onClick = &TForm8::Button6Click},
    {.name = "Label44", .kind = takton::Kind::Label, .rect = {108, 1001, 217, 19}, .caption = u"Ёмкость конденсатора С2 ="},
    {.name = "Label45", .kind = takton::Kind::Label, .rect = {332, 1001, 6, 19}, .style = takton::style::bold, .accepts = "Edit21"},
    {.name = "Edit21", .kind = takton::Kind::Edit, .rect = {150, 1031, 43, 26}},
    {.name = "Label46", .kind = takton::Kind::Label, .rect = {42, 1037, 183, 19}, .caption = u"Примем С2 =            нФ"},
    {.name = "Button7", .kind = takton::Kind::Button, .rect = {30, 1065, 56, 22}, .caption = u"Шаг 7", .onClick = &TForm8::Button7Click},
    {.name = "Label47", .kind = takton::Kind::Label, .rect = {108, 1066, 555, 19}, .caption = u"Ёмкость конденсатора С1 выбирается незначительно больше значения"},
    {.name = "Label48", .kind = takton::Kind::Label, .rect = {676, 1066, 6, 19}, .style = takton::style::bold},
    {.name = "Button8", .kind = takton::Kind::Button, .rect = {30, 1090, 56, 22}, .caption = u"Шаг 8", .onClick = &TForm8::Button8Click},
    {.name = "Label49", .kind = takton::Kind::Label, .rect = {108, 1091, 285, 19}, .caption = u"Напряжение источника питания Еэ ="},
    {.name = "Label50", .kind = takton::Kind::Label, .rect = {400, 1091, 6, 19}, .style = takton::style::bold},
    {.name = "Label51", .kind = takton::Kind::Label, .rect = {848, 1113, 5, 18}, .style = takton::style::tahoma15},
};

} // namespace

// Lets the compiler check every control name the steps and the focus order use.
consteval const auto& layoutOf(const TForm8*)
{
    return controls;
}
