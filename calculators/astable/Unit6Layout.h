#pragma once
// The layout table of TForm6, one row per control. The window is built from it,
// and its steps and its circuit name their controls against it: the compiler checks
// every name.

#include "Unit6.h"

namespace {

// One row per control, in the order of the window's layout table. Captions keep their
// Latin look-alikes: the volts after Um1 and Um2 are a Latin B and the degrees after
// tmax a Latin C; the symbols Um, tau, tmax, the R of every resistor and the I of I'к
// are Latin, while Т1, Т2, Ек, the capacitor's С and every unit letter are Cyrillic.
constexpr takton::Control<TForm6> controls[] = {
    {.name = "Label1", .kind = takton::Kind::Label, .rect = {308, 20, 562, 19}, .style = takton::style::bold, .caption = u"Расчёт автогенераторного мультивибратора с одним источником"},
    {.name = "Label2", .kind = takton::Kind::Label, .rect = {332, 38, 510, 19}, .style = takton::style::bold, .caption = u"коллекторного питания, резистивной и ёмкостной связями"},
    {.name = "Image1", .kind = takton::Kind::Image, .rect = {632, 76, 561, 274}},
    {.name = "Edit1", .kind = takton::Kind::Edit, .rect = {530, 142, 43, 26}},
    {.name = "Label3", .kind = takton::Kind::Label, .rect = {30, 148, 557, 19}, .caption = u"Амплитуда импульсов, формируемых на коллекторе Т1 Um1 =            B"},
    {.name = "Edit2", .kind = takton::Kind::Edit, .rect = {530, 178, 43, 26}},
    {.name = "Label4", .kind = takton::Kind::Label, .rect = {30, 184, 557, 19}, .caption = u"Амплитуда импульсов, формируемых на коллекторе Т2 Um2 =            B"},
    {.name = "Edit3", .kind = takton::Kind::Edit, .rect = {408, 214, 43, 26}},
    {.name = "Label5", .kind = takton::Kind::Label, .rect = {30, 220, 456, 19}, .caption = u"Период следования выходных импульсов tau =            мкс"},
    {.name = "Edit4", .kind = takton::Kind::Edit, .rect = {394, 250, 43, 26}},
    {.name = "Label6", .kind = takton::Kind::Label, .rect = {30, 256, 421, 19}, .caption = u"Максимальная рабочая температура tmax = +          C"},
    {.name = "Button1", .kind = takton::Kind::Button, .rect = {30, 378, 56, 85}, .caption = u"Шаг 1", .onClick = &TForm6::Button1Click},
    {.name = "Label7", .kind = takton::Kind::Label, .rect = {108, 378, 623, 19}, .caption = u"Максимально допустимое напряжение коллектор-база транзистора Т1 не менее"},
    {.name = "Label8", .kind = takton::Kind::Label, .rect = {740, 378, 6, 19}, .style = takton::style::bold},
    {.name = "Label9", .kind = takton::Kind::Label, .rect = {108, 402, 623, 19}, .caption = u"Максимально допустимое напряжение коллектор-база транзистора Т2 не менее"},
    {.name = "Label10", .kind = takton::Kind::Label, .rect = {740, 402, 6, 19}, .style = takton::style::bold},
    {.name = "Label11", .kind = takton::Kind::Label, .rect = {108, 426, 655, 19}, .caption = u"Максимально допустимое обратное напряжение база-эмиттер транзистора Т1 более"},
    {.name = "Label12", .kind = takton::Kind::Label, .rect = {770, 426, 6, 19}, .style = takton::style::bold},
    {.name = "Label13", .kind = takton::Kind::Label, .rect = {108, 450, 655, 19}, .caption = u"Максимально допустимое обратное напряжение база-эмиттер транзистора Т2 более"},
    {.name = "Label14", .kind = takton::Kind::Label, .rect = {770, 450, 6, 19}, .style = takton::style::bold},
    {.name = "Label15", .kind = takton::Kind::Label, .rect = {30, 480, 293, 19}, .caption = u"Параметры выбранных транзисторов:"},
    {.name = "Edit5", .kind = takton::Kind::Edit, .rect = {502, 498, 43, 26}},
    {.name = "Edit9", .kind = takton::Kind::Edit, .rect = {1086, 498, 43, 26}},
    {.name = "Label16", .kind = takton::Kind::Label, .rect = {30, 504, 1112, 19}, .caption = u"максимально допустимый импульсный ток коллектора Т1 =           А           максимально допустимое напряжение коллектор-база Т1 =           В"},
    {.name = "Edit6", .kind = takton::Kind::Edit, .rect = {502, 522, 43, 26}},
    {.name = "Edit10", .kind = takton::Kind::Edit, .rect = {1086, 522, 43, 26}},
    {.name = "Label17", .kind = takton::Kind::Label, .rect = {30, 528, 1112, 19}, .caption = u"максимально допустимый импульсный ток коллектора Т2 =           А           максимально допустимое напряжение коллектор-база Т2 =           В"},
    {.name = "Edit7", .kind = takton::Kind::Edit, .rect = {458, 546, 43, 26}},
    {.name = "Edit11", .kind = takton::Kind::Edit, .rect = {1084, 546, 43, 26}},
    {.name = "Label18", .kind = takton::Kind::Label, .rect = {30, 552, 1048, 19}, .caption = u"обратный ток коллектора Т1 при температуре tmax =            мкА                коэффициент передачи тока Т1 (минимальное значение) ="},
    {.name = "Edit8", .kind = takton::Kind::Edit, .rect = {458, 570, 43, 26}},
    {.name = "Edit12", .kind = takton::Kind::Edit, .rect = {1084, 570, 43, 26}},
    {.name = "Label19", .kind = takton::Kind::Label, .rect = {30, 576, 1048, 19}, .caption = u"обратный ток коллектора Т2 при температуре tmax =            мкА                коэффициент передачи тока Т2 (минимальное значение) ="},
    {.name = "Button2", .kind = takton::Kind::Button, .rect = {30, 606, 56, 73}, .caption = u"Шаг 2", .onClick = &TForm6::Button2Click},
    {.name = "Label20", .kind = takton::Kind::Label, .rect = {108, 606, 436, 19}, .caption = u"Коллекторный ток открытого транзистора Т1 I'к1 менее"},
    {.name = "Label21", .kind = takton::Kind::Label, .rect = {556, 606, 6, 19}, .style = takton::style::bold},
    {.name = "Label22", .kind = takton::Kind::Label, .rect = {414, 624, 131, 19}, .caption = u"также I'к1 более"},
    {.name = "Label23", .kind = takton::Kind::Label, .rect = {556, 624, 6, 19}, .style = takton::style::bold},
    {.name = "Label24", .kind = takton::Kind::Label, .rect = {108, 648, 436, 19}, .caption = u"Коллекторный ток открытого транзистора Т2 I'к2 менее"},
    {.name = "Label25", .kind = takton::Kind::Label, .rect = {556, 648, 6, 19}, .style = takton::style::bold},
    {.name = "Label26", .kind = takton::Kind::Label, .rect = {414, 666, 131, 19}, .caption = u"также I'к2 более"},
    {.name = "Label27", .kind = takton::Kind::Label, .rect = {556, 666, 6, 19}, .style = takton::style::bold},
    {.name = "Edit13", .kind = takton::Kind::Edit, .rect = {156, 684, 43, 26}},
    {.name = "Edit14", .kind = takton::Kind::Edit, .rect = {280, 684, 43, 26}},
    {.name = "Label28", .kind = takton::Kind::Label, .rect = {42, 690, 293, 19}, .caption = u"Примем I'к1 =          А,  I'к2 =           А"},
    {.name = "Button3", .kind = takton::Kind::Button, .rect = {30, 714, 56, 67}, .caption = u"Шаг 3", .onClick = &TForm6::Button3Click},
    {.name = "Label29", .kind = takton::Kind::Label, .rect = {108, 714, 354, 19}, .caption = u"Напряжение фиктивного источника |Ек1ф| ="},
    {.name = "Label30", .kind = takton::Kind::Label, .rect = {472, 714, 6, 19}, .style = takton::style::bold},
    {.name = "Label31", .kind = takton::Kind::Label, .rect = {402, 732, 58, 19}, .caption = u"Ек1ф <"},
    {.name = "Label32", .kind = takton::Kind::Label, .rect = {472, 732, 6, 19}, .style = takton::style::bold},
    {.name = "Label33", .kind = takton::Kind::Label, .rect = {108, 756, 340, 19}, .caption = u"Напряжение фиктивного источника Ек2ф ="},
    {.name = "Label34", .kind = takton::Kind::Label, .rect = {452, 756, 6, 19}, .style = takton::style::bold},
    {.name = "Label35", .kind = takton::Kind::Label, .rect = {388, 774, 58, 19}, .caption = u"Ек2ф <"},
    {.name = "Label36", .kind = takton::Kind::Label, .rect = {452, 774, 6, 19}, .style = takton::style::bold},
    {.name = "Edit15", .kind = takton::Kind::Edit, .rect = {190, 792, 43, 26}},
    {.name = "Edit16", .kind = takton::Kind::Edit, .rect = {334, 792, 43, 26}},
    {.name = "Label37", .kind = takton::Kind::Label, .rect = {42, 800, 348, 19}, .caption = u"Примем |Ек1ф| =            В,   Ек2ф =           В"},
    {.name = "Button4", .kind = takton::Kind::Button, .rect = {30, 830, 56, 37}, .caption = u"Шаг 4", .onClick = &TForm6::Button4Click},
    {.name = "Label38", .kind = takton::Kind::Label, .rect = {108, 830, 253, 19}, .caption = u"Сопротивление резистора Rк1 ="},
    {.name = "Label39", .kind = takton::Kind::Label, .rect = {370, 830, 6, 19}, .style = takton::style::bold, .accepts = "Edit17"},
    {.name = "Label40", .kind = takton::Kind::Label, .rect = {108, 850, 253, 19}, .caption = u"Сопротивление резистора Rк2 ="},
    {.name = "Label41", .kind = takton::Kind::Label, .rect = {370, 850, 6, 19}, .style = takton::style::bold, .accepts = "Edit18"},
    {.name = "Edit17", .kind = takton::Kind::Edit, .rect = {156, 879, 43, 26}},
    {.name = "Edit18", .kind = takton::Kind::Edit, .rect = {302, 879, 43, 26}},
    {.name = "Label42", .kind = takton::Kind::Label, .rect = {42, 886, 329, 19}, .caption = u"Примем Rк1 =           Ом,  Rк2 =            Ом"},
    {.name = "Button5", .kind = takton::Kind::Button, .rect = {30, 917, 56, 42}, .caption = u"Шаг 5", .onClick = &TForm6::Button5Click},
    {.name = "Label43", .kind = takton::Kind::Label, .rect = {108, 918, 253, 19}, .caption = u"Сопротивление резистора Rб1 ="},
    {.name = "Label44", .kind = takton::Kind::Label, .rect = {370, 918, 6, 19}, .style = takton::style::bold, .accepts = "Edit19"},
    {.name = "Label45", .kind = takton::Kind::Label, .rect = {108, 942, 253, 19}, .caption = u"Сопротивление резистора Rб2 ="},
    {.name = "Label46", .kind = takton::Kind::Label, .rect = {370, 942, 6, 19}, .style = takton::style::bold, .accepts = "Edit20"},
    {.name = "Edit19", .kind = takton::Kind::Edit, .rect = {164, 971, 43, 26}},
    {.name = "Edit20", .kind = takton::Kind::Edit, .rect = {300, 971, 43, 26}},
    {.name = "Label47", .kind = takton::Kind::Label, .rect = {42, 979, 329, 19}, .caption = u"Примем Rб1 =            Ом,  Rб2 =           Ом"},
    {.name = "Button6", .kind = takton::Kind::Button, .rect = {30, 1009, 56, 28}, .caption = u"Шаг 6", .onClick = &TForm6::Button6Click},
    {.name = "Label48", .kind = takton::Kind::Label, .rect = {108, 1009, 291, 19}, .caption = u"Сопротивление резистора R не более"},
    {.name = "Label49", .kind = takton::Kind::Label, .rect = {408, 1009, 6, 19}, .style = takton::style::bold, .accepts = "Edit21"},
    {.name = "Edit21", .kind = takton::Kind::Edit, .rect = {144, 1041, 43, 26}},
    {.name = "Label50", .kind = takton::Kind::Label, .rect = {42, 1049, 172, 19}, .caption = u"Примем R =            Ом"},
    {.name = "Button7", .kind = takton::Kind::Button, .rect = {30, 1079, 56, 22}, .caption = u"Шаг 7", .onClick = &TForm6::Button7Click},
    {.name = "Label51", .kind = takton::Kind::Label, .rect = {108, 1079, 207, 19}, .caption = u"Ёмкость конденсатора С ="},
    {.name = "Label52", .kind = takton::Kind::Label, .rect = {326, 1079, 6, 19}, .style = takton::style::bold},
    {.name = "Button8", .kind = takton::Kind::Button, .rect = {30, 1113, 56, 22}, .caption = u"Шаг 8", .onClick = &TForm6::Button8Click},
    {.name = "Label53", .kind = takton::Kind::Label, .rect = {108, 1113, 286, 19}, .caption = u"Напряжение источника питания Ек ="},
    {.name = "Label54", .kind = takton::Kind::Label, .rect = {400, 1113, 6, 19}, .style = takton::style::bold},
    {.name = "Label55", .kind = takton::Kind::Label, .rect = {42, 1138, 340, 19}, .caption = u"Сопротивление резистора R1 = 20...40 кОм"},
    {.name = "Label56", .kind = takton::Kind::Label, .rect = {612, 1155, 117, 16}, .style = takton::style::tahoma13},
};

} // namespace

// Lets the compiler check every control name the steps and the focus order use.
consteval const auto& layoutOf(const TForm6*)
{
    return controls;
}
