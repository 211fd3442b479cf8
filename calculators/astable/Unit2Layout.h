#pragma once
// The layout table of TForm2, one row per control. The window is built from it,
// and its steps and its circuit name their controls against it: the compiler checks
// every name.

#include "Unit2.h"

namespace {

// One row per control, in the order of the window's layout table. Captions keep their
// Latin look-alikes: the volts after Um1 and Um2 are a Latin B, "транзисторa T1" in
// Label9 ends in a Latin a and uses a Latin T.
constexpr takton::Control<TForm2> controls[] = {
    {.name = "Label1", .kind = takton::Kind::Label, .rect = {288, 18, 570, 19}, .style = takton::style::bold, .caption = u"Расчёт автогенераторного мультивибратора с двумя источниками"},
    {.name = "Label2", .kind = takton::Kind::Label, .rect = {312, 36, 510, 19}, .style = takton::style::bold, .caption = u"коллекторного питания, резистивной и ёмкостной связями"},
    {.name = "Image1", .kind = takton::Kind::Image, .rect = {636, 72, 509, 305}},
    {.name = "Edit1", .kind = takton::Kind::Edit, .rect = {528, 136, 43, 26}},
    {.name = "Label3", .kind = takton::Kind::Label, .rect = {36, 142, 552, 19}, .caption = u"Амплитуда импульсов, формируемых на коллекторе Т1 Um1 =           B"},
    {.name = "Edit2", .kind = takton::Kind::Edit, .rect = {528, 172, 43, 26}},
    {.name = "Label4", .kind = takton::Kind::Label, .rect = {36, 178, 552, 19}, .caption = u"Амплитуда импульсов, формируемых на коллекторе Т2 Um2 =           B"},
    {.name = "Edit4", .kind = takton::Kind::Edit, .rect = {412, 208, 43, 26}},
    {.name = "Label6", .kind = takton::Kind::Label, .rect = {36, 214, 451, 19}, .caption = u"Период следования выходных импульсов tau =           мкс"},
    {.name = "Edit6", .kind = takton::Kind::Edit, .rect = {400, 244, 43, 26}},
    {.name = "Label8", .kind = takton::Kind::Label, .rect = {36, 250, 421, 19}, .caption = u"Максимальная рабочая температура tmax = +          C"},
    {.name = "Button1", .kind = takton::Kind::Button, .rect = {30, 398, 56, 85}, .caption = u"Шаг 1", .onClick = &TForm2::Button1Click},
    {.name = "Label9", .kind = takton::Kind::Label, .rect = {108, 398, 623, 19}, .caption = u"Максимально допустимое напряжение коллектор-база транзисторa T1 не менее"},
    {.name = "Label10", .kind = takton::Kind::Label, .rect = {740, 398, 6, 19}, .style = takton::style::bold},
    {.name = "Label11", .kind = takton::Kind::Label, .rect = {108, 422, 623, 19}, .caption = u"Максимально допустимое напряжение коллектор-база транзистора Т2 не менее"},
    {.name = "Label12", .kind = takton::Kind::Label, .rect = {740, 422, 6, 19}, .style = takton::style::bold},
    {.name = "Label13", .kind = takton::Kind::Label, .rect = {108, 446, 655, 19}, .caption = u"Максимально допустимое обратное напряжение база-эмиттер транзистора Т1 более"},
    {.name = "Label14", .kind = takton::Kind::Label, .rect = {770, 446, 6, 19}, .style = takton::style::bold},
    {.name = "Label15", .kind = takton::Kind::Label, .rect = {108, 470, 655, 19}, .caption = u"Максимально допустимое обратное напряжение база-эмиттер транзистора Т2 более"},
    {.name = "Label16", .kind = takton::Kind::Label, .rect = {770, 470, 6, 19}, .style = takton::style::bold},
    {.name = "Label58", .kind = takton::Kind::Label, .rect = {30, 499, 293, 19}, .caption = u"Параметры выбранных транзисторов:"},
    {.name = "Edit7", .kind = takton::Kind::Edit, .rect = {504, 518, 43, 26}},
    {.name = "Edit11", .kind = takton::Kind::Edit, .rect = {1088, 518, 43, 26}},
    {.name = "Label17", .kind = takton::Kind::Label, .rect = {30, 524, 543, 19}, .caption = u"максимально допустимый импульсный ток коллектора Т1 =              А"},
    {.name = "Label21", .kind = takton::Kind::Label, .rect = {616, 524, 529, 19}, .caption = u"максимально допустимое напряжение коллектор-база Т1 =           В"},
    {.name = "Edit8", .kind = takton::Kind::Edit, .rect = {504, 542, 43, 26}},
    {.name = "Edit12", .kind = takton::Kind::Edit, .rect = {1088, 542, 43, 26}},
    {.name = "Label18", .kind = takton::Kind::Label, .rect = {30, 548, 543, 19}, .caption = u"максимально допустимый импульсный ток коллектора Т2 =              А"},
    {.name = "Label22", .kind = takton::Kind::Label, .rect = {616, 548, 529, 19}, .caption = u"максимально допустимое напряжение коллектор-база Т2 =           В"},
    {.name = "Edit9", .kind = takton::Kind::Edit, .rect = {460, 566, 43, 26}},
    {.name = "Edit13", .kind = takton::Kind::Edit, .rect = {1088, 566, 43, 26}},
    {.name = "Label19", .kind = takton::Kind::Label, .rect = {30, 572, 507, 19}, .caption = u"обратный ток коллектора Т1 при температуре tmax =            мкА"},
    {.name = "Label23", .kind = takton::Kind::Label, .rect = {616, 572, 541, 19}, .caption = u"коэффициент передачи тока Т1 (минимальное значение) =                "},
    {.name = "Edit10", .kind = takton::Kind::Edit, .rect = {460, 590, 43, 26}},
    {.name = "Edit14", .kind = takton::Kind::Edit, .rect = {1088, 590, 43, 26}},
    {.name = "Label20", .kind = takton::Kind::Label, .rect = {30, 596, 507, 19}, .caption = u"обратный ток коллектора Т2 при температуре tmax =            мкА"},
    {.name = "Label24", .kind = takton::Kind::Label, .rect = {616, 596, 461, 19}, .caption = u"коэффициент передачи тока Т2 (минимальное значение) ="},
    {.name = "Button2", .kind = takton::Kind::Button, .rect = {30, 626, 56, 73}, .caption = u"Шаг 2", .onClick = &TForm2::Button2Click},
    {.name = "Label25", .kind = takton::Kind::Label, .rect = {108, 626, 436, 19}, .caption = u"Коллекторный ток открытого транзистора Т1 I'к1 менее"},
    {.name = "Label26", .kind = takton::Kind::Label, .rect = {556, 626, 6, 19}, .style = takton::style::bold},
    {.name = "Label29", .kind = takton::Kind::Label, .rect = {414, 644, 131, 19}, .caption = u"также I'к1 более"},
    {.name = "Label30", .kind = takton::Kind::Label, .rect = {556, 644, 6, 19}, .style = takton::style::bold},
    {.name = "Label27", .kind = takton::Kind::Label, .rect = {108, 668, 436, 19}, .caption = u"Коллекторный ток открытого транзистора Т2 I'к2 менее"},
    {.name = "Label28", .kind = takton::Kind::Label, .rect = {556, 668, 6, 19}, .style = takton::style::bold},
    {.name = "Label31", .kind = takton::Kind::Label, .rect = {414, 686, 131, 19}, .caption = u"также I'к2 более"},
    {.name = "Label32", .kind = takton::Kind::Label, .rect = {556, 686, 6, 19}, .style = takton::style::bold},
    {.name = "Edit15", .kind = takton::Kind::Edit, .rect = {156, 698, 43, 26}},
    {.name = "Edit16", .kind = takton::Kind::Edit, .rect = {280, 698, 43, 26}},
    {.name = "Label33", .kind = takton::Kind::Label, .rect = {42, 704, 298, 19}, .caption = u"Примем I'к1 =           А,  I'к2 =           А"},
    {.name = "Button3", .kind = takton::Kind::Button, .rect = {30, 736, 56, 68}, .style = takton::style::tahoma13, .caption = u"Шаг 3", .onClick = &TForm2::Button3Click},
    {.name = "Label34", .kind = takton::Kind::Label, .rect = {108, 736, 310, 19}, .caption = u"Напряжение источника питания |Ек1| ="},
    {.name = "Label35", .kind = takton::Kind::Label, .rect = {426, 736, 6, 19}, .style = takton::style::bold},
    {.name = "Label39", .kind = takton::Kind::Label, .rect = {368, 755, 45, 19}, .caption = u"Ек1 <"},
    {.name = "Label40", .kind = takton::Kind::Label, .rect = {426, 755, 6, 19}, .style = takton::style::bold},
    {.name = "Label36", .kind = takton::Kind::Label, .rect = {108, 773, 296, 19}, .caption = u"Напряжение источника питания Ек2 ="},
    {.name = "Label37", .kind = takton::Kind::Label, .rect = {414, 773, 6, 19}, .style = takton::style::bold},
    {.name = "Label41", .kind = takton::Kind::Label, .rect = {354, 791, 45, 19}, .caption = u"Ек2 <"},
    {.name = "Label42", .kind = takton::Kind::Label, .rect = {412, 791, 6, 19}, .style = takton::style::bold},
    {.name = "Edit18", .kind = takton::Kind::Edit, .rect = {298, 809, 43, 26}},
    {.name = "Edit17", .kind = takton::Kind::Edit, .rect = {168, 811, 43, 26}},
    {.name = "Label38", .kind = takton::Kind::Label, .rect = {42, 813, 312, 19}, .caption = u"Примем |Ек1| =          В,   Ек2 =           В"},
    {.name = "Button4", .kind = takton::Kind::Button, .rect = {30, 847, 56, 35}, .caption = u"Шаг 4", .onClick = &TForm2::Button4Click},
    {.name = "Label43", .kind = takton::Kind::Label, .rect = {108, 847, 253, 19}, .caption = u"Сопротивление резистора Rк1 ="},
    {.name = "Label44", .kind = takton::Kind::Label, .rect = {370, 848, 6, 19}, .style = takton::style::bold, .accepts = "Edit19"},
    {.name = "Label45", .kind = takton::Kind::Label, .rect = {108, 866, 253, 19}, .caption = u"Сопротивление резистора Rк2 ="},
    {.name = "Label46", .kind = takton::Kind::Label, .rect = {370, 866, 6, 19}, .style = takton::style::bold, .accepts = "Edit20"},
    {.name = "Edit19", .kind = takton::Kind::Edit, .rect = {156, 892, 43, 26}},
    {.name = "Edit20", .kind = takton::Kind::Edit, .rect = {294, 892, 43, 26}},
    {.name = "Label47", .kind = takton::Kind::Label, .rect = {42, 900, 319, 19}, .caption = u"Примем Rк1 =           Ом,  Rк2 =          Ом"},
    {.name = "Button5", .kind = takton::Kind::Button, .rect = {30, 930, 56, 35}, .caption = u"Шаг 5", .onClick = &TForm2::Button5Click},
    {.name = "Label48", .kind = takton::Kind::Label, .rect = {108, 930, 253, 19}, .caption = u"Сопротивление резистора Rб1 ="},
    {.name = "Label49", .kind = takton::Kind::Label, .rect = {370, 930, 6, 19}, .style = takton::style::bold, .accepts = "Edit21"},
    {.name = "Label50", .kind = takton::Kind::Label, .rect = {108, 949, 253, 19}, .caption = u"Сопротивление резистора Rб2 ="},
    {.name = "Label51", .kind = takton::Kind::Label, .rect = {370, 949, 6, 19}, .style = takton::style::bold, .accepts = "Edit22"},
    {.name = "Edit21", .kind = takton::Kind::Edit, .rect = {156, 977, 55, 26}},
    {.name = "Edit22", .kind = takton::Kind::Edit, .rect = {306, 977, 55, 26}},
    {.name = "Label52", .kind = takton::Kind::Label, .rect = {42, 983, 344, 19}, .caption = u"Примем Rб1 =             Ом,  Rб2 =             Ом"},
    {.name = "Button6", .kind = takton::Kind::Button, .rect = {30, 1013, 56, 27}, .caption = u"Шаг 6", .onClick = &TForm2::Button6Click},
    {.name = "Label53", .kind = takton::Kind::Label, .rect = {108, 1013, 303, 19}, .caption = u"Сопротивление резистора R, не более:"},
    {.name = "Label54", .kind = takton::Kind::Label, .rect = {420, 1013, 6, 19}, .style = takton::style::bold, .accepts = "Edit23"},
    {.name = "Edit23", .kind = takton::Kind::Edit, .rect = {136, 1043, 55, 26}},
    {.name = "Label55", .kind = takton::Kind::Label, .rect = {42, 1052, 177, 19}, .caption = u"Примем R =             Ом"},
    {.name = "Button7", .kind = takton::Kind::Button, .rect = {30, 1084, 56, 28}, .caption = u"Шаг 7", .onClick = &TForm2::Button7Click},
    {.name = "Label56", .kind = takton::Kind::Label, .rect = {108, 1084, 207, 19}, .caption = u"Ёмкость конденсатора С ="},
    {.name = "Label57", .kind = takton::Kind::Label, .rect = {318, 1084, 6, 19}, .style = takton::style::bold},
    {.name = "Label5", .kind = takton::Kind::Label, .rect = {516, 1110, 61, 16}, .style = takton::style::tahoma13},
};

} // namespace

// Lets the compiler check every control name the steps and the focus order use.
consteval const auto& layoutOf(const TForm2*)
{
    return controls;
}
