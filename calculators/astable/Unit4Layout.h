#pragma once
// The layout table of TForm4, one row per control. The window is built from it,
// and its steps and its circuit name their controls against it: the compiler checks
// every name.

#include "Unit4.h"

namespace {

// One row per control, in the order of the window's layout table. Captions keep their
// Latin letters: the symbols Um1, Um2, tau, tmax, the I of I'к and the R of Rк and Rб,
// the Celsius C closing Label6, and the E of |Eк1| in Label35 (its Ек2 is Cyrillic).
// Label21 ends in a blank after its equals sign.
constexpr takton::Control<TForm4> controls[] = {
    {.name = "Label1", .kind = takton::Kind::Label, .rect = {312, 20, 570, 19}, .style = takton::style::bold, .caption = u"Расчёт автогенераторного мультивибратора с двумя источниками"},
    {.name = "Label2", .kind = takton::Kind::Label, .rect = {384, 38, 404, 19}, .style = takton::style::bold, .caption = u"коллекторного питания и ёмкостными связями"},
    {.name = "Image1", .kind = takton::Kind::Image, .rect = {664, 74, 417, 324}},
    {.name = "Edit1", .kind = takton::Kind::Edit, .rect = {536, 130, 43, 26}},
    {.name = "Label3", .kind = takton::Kind::Label, .rect = {36, 136, 557, 19}, .caption = u"Амплитуда импульсов, формируемых на коллекторе Т1 Um1 =            В"},
    {.name = "Edit2", .kind = takton::Kind::Edit, .rect = {536, 166, 43, 26}},
    {.name = "Label4", .kind = takton::Kind::Label, .rect = {36, 172, 557, 19}, .caption = u"Амплитуда импульсов, формируемых на коллекторе Т2 Um2 =            В"},
    {.name = "Edit3", .kind = takton::Kind::Edit, .rect = {414, 202, 43, 26}},
    {.name = "Label5", .kind = takton::Kind::Label, .rect = {36, 208, 456, 19}, .caption = u"Период следования выходных импульсов tau =            мкс"},
    {.name = "Edit4", .kind = takton::Kind::Edit, .rect = {400, 238, 43, 26}},
    {.name = "Label6", .kind = takton::Kind::Label, .rect = {36, 244, 426, 19}, .caption = u"Максимальная рабочая температура tmax = +           C"},
    {.name = "Button1", .kind = takton::Kind::Button, .rect = {30, 320, 56, 133}, .caption = u"Шаг 1", .onClick = &TForm4::Button1Click},
    {.name = "Label7", .kind = takton::Kind::Label, .rect = {108, 320, 525, 19}, .caption = u"Максимально допустимое напряжение коллектор-база транзистора"},
    {.name = "Label8", .kind = takton::Kind::Label, .rect = {108, 344, 93, 19}, .caption = u"Т1 не менее"},
    {.name = "Label9", .kind = takton::Kind::Label, .rect = {208, 344, 6, 19}, .style = takton::style::bold},
    {.name = "Label10", .kind = takton::Kind::Label, .rect = {108, 368, 525, 19}, .caption = u"Максимально допустимое напряжение коллектор-база транзистора"},
    {.name = "Label11", .kind = takton::Kind::Label, .rect = {108, 392, 93, 19}, .caption = u"Т2 не менее"},
    {.name = "Label12", .kind = takton::Kind::Label, .rect = {208, 392, 6, 19}, .style = takton::style::bold},
    {.name = "Label13", .kind = takton::Kind::Label, .rect = {108, 416, 655, 19}, .caption = u"Максимально допустимое обратное напряжение база-эмиттер транзистора Т1 более"},
    {.name = "Label14", .kind = takton::Kind::Label, .rect = {770, 416, 6, 19}, .style = takton::style::bold},
    {.name = "Label15", .kind = takton::Kind::Label, .rect = {108, 440, 655, 19}, .caption = u"Максимально допустимое обратное напряжение база-эмиттер транзистора Т2 более"},
    {.name = "Label16", .kind = takton::Kind::Label, .rect = {770, 440, 6, 19}, .style = takton::style::bold},
    {.name = "Label17", .kind = takton::Kind::Label, .rect = {30, 470, 293, 19}, .caption = u"Параметры выбранных транзисторов:"},
    {.name = "Edit5", .kind = takton::Kind::Edit, .rect = {502, 488, 43, 26}},
    {.name = "Edit7", .kind = takton::Kind::Edit, .rect = {1060, 488, 43, 26}},
    {.name = "Label18", .kind = takton::Kind::Label, .rect = {30, 494, 1092, 19}, .caption = u"максимально допустимый импульсный ток коллектора Т1 =           А      максимально допустимое напряжение коллектор-база Т1 =            В"},
    {.name = "Edit6", .kind = takton::Kind::Edit, .rect = {502, 512, 43, 26}},
    {.name = "Edit8", .kind = takton::Kind::Edit, .rect = {1060, 512, 43, 26}},
    {.name = "Label19", .kind = takton::Kind::Label, .rect = {30, 518, 1092, 19}, .caption = u"максимально допустимый импульсный ток коллектора Т2 =           А      максимально допустимое напряжение коллектор-база Т2 =            В"},
    {.name = "Edit9", .kind = takton::Kind::Edit, .rect = {458, 536, 43, 26}},
    {.name = "Edit10", .kind = takton::Kind::Edit, .rect = {1066, 536, 43, 26}},
    {.name = "Label20", .kind = takton::Kind::Label, .rect = {30, 542, 1023, 19}, .caption = u"обратный ток коллектора Т1 при температуре tmax =           мкА            коэффициент передачи тока Т1 (минимальное значение) ="},
    {.name = "Edit11", .kind = takton::Kind::Edit, .rect = {458, 560, 43, 26}},
    {.name = "Edit12", .kind = takton::Kind::Edit, .rect = {1066, 560, 43, 26}},
    {.name = "Label21", .kind = takton::Kind::Label, .rect = {30, 566, 1028, 19}, .caption = u"обратный ток коллектора Т2 при температуре tmax =           мкА            коэффициент передачи тока Т2 (минимальное значение) = "},
    {.name = "Button2", .kind = takton::Kind::Button, .rect = {30, 596, 56, 73}, .caption = u"Шаг 2", .onClick = &TForm4::Button2Click},
    {.name = "Label22", .kind = takton::Kind::Label, .rect = {108, 596, 436, 19}, .caption = u"Коллекторный ток открытого транзистора Т1 I'к1 менее"},
    {.name = "Label23", .kind = takton::Kind::Label, .rect = {556, 596, 6, 19}, .style = takton::style::bold},
    {.name = "Label24", .kind = takton::Kind::Label, .rect = {414, 614, 131, 19}, .caption = u"также I'к1 более"},
    {.name = "Label25", .kind = takton::Kind::Label, .rect = {556, 614, 6, 19}, .style = takton::style::bold},
    {.name = "Label26", .kind = takton::Kind::Label, .rect = {108, 638, 436, 19}, .caption = u"Коллекторный ток открытого транзистора Т2 I'к2 менее"},
    {.name = "Label27", .kind = takton::Kind::Label, .rect = {556, 638, 6, 19}, .style = takton::style::bold},
    {.name = "Label28", .kind = takton::Kind::Label, .rect = {414, 656, 131, 19}, .caption = u"также I'к2 более"},
    {.name = "Label29", .kind = takton::Kind::Label, .rect = {556, 656, 6, 19}, .style = takton::style::bold},
    {.name = "Edit13", .kind = takton::Kind::Edit, .rect = {156, 674, 43, 26}},
    {.name = "Edit14", .kind = takton::Kind::Edit, .rect = {286, 674, 43, 26}},
    {.name = "Label30", .kind = takton::Kind::Label, .rect = {42, 680, 303, 19}, .caption = u"Примем I'к1 =          А,   I'к2 =            А"},
    {.name = "Button3", .kind = takton::Kind::Button, .rect = {30, 710, 56, 37}, .caption = u"Шаг 3", .onClick = &TForm4::Button3Click},
    {.name = "Label31", .kind = takton::Kind::Label, .rect = {108, 710, 310, 19}, .caption = u"Напряжение источника питания |Ек1| ="},
    {.name = "Label32", .kind = takton::Kind::Label, .rect = {426, 710, 6, 19}, .style = takton::style::bold},
    {.name = "Label33", .kind = takton::Kind::Label, .rect = {108, 734, 296, 19}, .caption = u"Напряжение источника питания Ек2 ="},
    {.name = "Label34", .kind = takton::Kind::Label, .rect = {416, 734, 4, 19}, .style = takton::style::bold},
    {.name = "Edit15", .kind = takton::Kind::Edit, .rect = {176, 757, 43, 26}},
    {.name = "Edit16", .kind = takton::Kind::Edit, .rect = {300, 757, 43, 27}, .style = takton::style::sans15},
    {.name = "Label35", .kind = takton::Kind::Label, .rect = {42, 764, 317, 19}, .caption = u"Примем |Eк1| =           В,   Ек2 =           В"},
    {.name = "Button4", .kind = takton::Kind::Button, .rect = {30, 794, 56, 43}, .caption = u"Шаг 4", .onClick = &TForm4::Button4Click},
    {.name = "Label36", .kind = takton::Kind::Label, .rect = {108, 796, 253, 19}, .caption = u"Сопротивление резистора Rк1 ="},
    {.name = "Label37", .kind = takton::Kind::Label, .rect = {370, 796, 6, 19}, .style = takton::style::bold, .accepts = "Edit17"},
    {.name = "Label38", .kind = takton::Kind::Label, .rect = {108, 820, 253, 19}, .caption = u"Сопротивление резистора Rк2 ="},
    {.name = "Label39", .kind = takton::Kind::Label, .rect = {370, 820, 6, 19}, .style = takton::style::bold, .accepts = "Edit18"},
    {.name = "Edit17", .kind = takton::Kind::Edit, .rect = {164, 849, 43, 26}},
    {.name = "Edit18", .kind = takton::Kind::Edit, .rect = {308, 849, 43, 26}},
    {.name = "Label40", .kind = takton::Kind::Label, .rect = {42, 856, 334, 19}, .caption = u"Примем Rк1 =            Ом,   Rк2 =           Ом"},
    {.name = "Button5", .kind = takton::Kind::Button, .rect = {30, 885, 56, 41}, .caption = u"Шаг 5", .onClick = &TForm4::Button5Click},
    {.name = "Label41", .kind = takton::Kind::Label, .rect = {108, 885, 253, 19}, .caption = u"Сопротивление резистора Rб1 ="},
    {.name = "Label42", .kind = takton::Kind::Label, .rect = {370, 885, 6, 19}, .style = takton::style::bold, .accepts = "Edit19"},
    {.name = "Label43", .kind = takton::Kind::Label, .rect = {108, 904, 253, 19}, .caption = u"Сопротивление резистора Rб2 ="},
    {.name = "Label44", .kind = takton::Kind::Label, .rect = {370, 904, 6, 19}, .style = takton::style::bold, .accepts = "Edit20"},
    {.name = "Edit19", .kind = takton::Kind::Edit, .rect = {162, 933, 43, 26}},
    {.name = "Edit20", .kind = takton::Kind::Edit, .rect = {306, 933, 43, 26}},
    {.name = "Label45", .kind = takton::Kind::Label, .rect = {42, 941, 334, 19}, .caption = u"Примем Rб1 =            Ом,  Rб2 =            Ом"},
    {.name = "Button6", .kind = takton::Kind::Button, .rect = {30, 969, 56, 21}, .caption = u"Шаг 6", .onClick = &TForm4::Button6Click},
    {.name = "Label46", .kind = takton::Kind::Label, .rect = {108, 971, 217, 19}, .caption = u"Ёмкость конденсатора С2 ="},
    {.name = "Label47", .kind = takton::Kind::Label, .rect = {332, 971, 6, 19}, .style = takton::style::bold, .accepts = "Edit21"},
    {.name = "Edit21", .kind = takton::Kind::Edit, .rect = {150, 1001, 43, 26}},
    {.name = "Label48", .kind = takton::Kind::Label, .rect = {42, 1009, 178, 19}, .caption = u"Примем С2 =           нФ"},
    {.name = "Button7", .kind = takton::Kind::Button, .rect = {30, 1039, 56, 23}, .caption = u"Шаг 7", .onClick = &TForm4::Button7Click},
    {.name = "Label49", .kind = takton::Kind::Label, .rect = {108, 1039, 555, 19}, .caption = u"Ёмкость конденсатора С1 выбирается незначительно больше значения"},
    {.name = "Label50", .kind = takton::Kind::Label, .rect = {668, 1039, 6, 19}, .style = takton::style::bold},
    {.name = "Label51", .kind = takton::Kind::Label, .rect = {738, 1075, 4, 16}, .style = takton::style::tahoma13},
};

} // namespace

// Lets the compiler check every control name the steps and the focus order use.
consteval const auto& layoutOf(const TForm4*)
{
    return controls;
}
