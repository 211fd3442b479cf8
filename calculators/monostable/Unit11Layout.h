#pragma once
// The layout table of TForm11, one row per control. The window is built from it,
// and its steps and its circuit name their controls against it: the compiler checks
// every name.

#include "Unit11.h"

namespace {

// One row per control, in the order of the window's layout table. Captions keep their
// Latin look-alikes: the symbols Um1, Um2, tmax, I'к1, I'к2, U'э, Rэ, Rк1, Rк2, Rб2, R1
// and R2 are Latin letters with Cyrillic subscripts, and the degrees after tmax in
// Label63 are a Latin C; every other letter, the В of the volts and the С of Label61
// included, is Cyrillic. Label19 ends in a blank, and Edit11 stands past its end.
constexpr takton::Control<TForm11> controls[] = {
    {.name = "Label1", .kind = takton::Kind::Label, .rect = {404, 20, 481, 19}, .style = takton::style::bold, .caption = u"Расчёт ждущего мультивибратора с эмиттерной связью"},
    {.name = "Image1", .kind = takton::Kind::Image, .rect = {750, 64, 635, 353}},
    {.name = "Edit1", .kind = takton::Kind::Edit, .rect = {570, 112, 43, 26}},
    {.name = "Label2", .kind = takton::Kind::Label, .rect = {78, 118, 553, 19}, .caption = u"Амплитуда импульса, формируемого на коллекторе Т1 Um1 =            В"},
    {.name = "Edit2", .kind = takton::Kind::Edit, .rect = {570, 154, 43, 26}},
    {.name = "Label3", .kind = takton::Kind::Label, .rect = {78, 160, 553, 19}, .caption = u"Амплитуда импульса, формируемого на коллекторе Т2 Um2 =            В"},
    {.name = "Edit3", .kind = takton::Kind::Edit, .rect = {378, 196, 43, 26}},
    {.name = "Label4", .kind = takton::Kind::Label, .rect = {78, 202, 377, 19}, .caption = u"Длительность выходного импульса =            мкс"},
    {.name = "Edit18", .kind = takton::Kind::Edit, .rect = {442, 238, 43, 26}},
    {.name = "Label63", .kind = takton::Kind::Label, .rect = {78, 244, 421, 19}, .caption = u"Максимальная рабочая температура tmax = +          C"},
    {.name = "Button1", .kind = takton::Kind::Button, .rect = {30, 332, 56, 139}, .caption = u"Шаг 1", .onClick = &TForm11::Button1Click},
    {.name = "Label5", .kind = takton::Kind::Label, .rect = {108, 332, 525, 19}, .caption = u"Максимально допустимое напряжение коллектор-база транзистора"},
    {.name = "Label6", .kind = takton::Kind::Label, .rect = {108, 356, 70, 19}, .caption = u"Т1 более"},
    {.name = "Label7", .kind = takton::Kind::Label, .rect = {184, 356, 6, 19}, .style = takton::style::bold},
    {.name = "Label8", .kind = takton::Kind::Label, .rect = {108, 380, 525, 19}, .caption = u"Максимально допустимое напряжение коллектор-база транзистора"},
    {.name = "Label9", .kind = takton::Kind::Label, .rect = {108, 404, 70, 19}, .caption = u"Т2 более"},
    {.name = "Label10", .kind = takton::Kind::Label, .rect = {184, 404, 6, 19}, .style = takton::style::bold},
    {.name = "Label11", .kind = takton::Kind::Label, .rect = {108, 428, 624, 19}, .caption = u"Максимально допустимое напряжение коллектор-эмиттер транзистора Т1 более"},
    {.name = "Label12", .kind = takton::Kind::Label, .rect = {740, 428, 6, 19}, .style = takton::style::bold},
    {.name = "Label13", .kind = takton::Kind::Label, .rect = {108, 452, 624, 19}, .caption = u"Максимально допустимое напряжение коллектор-эмиттер транзистора Т2 более"},
    {.name = "Label14", .kind = takton::Kind::Label, .rect = {740, 452, 6, 19}, .style = takton::style::bold},
    {.name = "Label15", .kind = takton::Kind::Label, .rect = {48, 488, 293, 19}, .caption = u"Параметры выбранных транзисторов:"},
    {.name = "Edit4", .kind = takton::Kind::Edit, .rect = {520, 506, 43, 26}},
    {.name = "Edit6", .kind = takton::Kind::Edit, .rect = {1084, 506, 43, 26}},
    {.name = "Label16", .kind = takton::Kind::Label, .rect = {48, 512, 1097, 19}, .caption = u"максимально допустимое напряжение коллектор-база Т1 =           В       максимально допустимый импульсный ток коллектора Т1 =            А"},
    {.name = "Edit5", .kind = takton::Kind::Edit, .rect = {520, 530, 43, 26}},
    {.name = "Edit7", .kind = takton::Kind::Edit, .rect = {1084, 530, 43, 26}},
    {.name = "Label17", .kind = takton::Kind::Label, .rect = {48, 536, 1097, 19}, .caption = u"максимально допустимое напряжение коллектор-база Т2 =           В       максимально допустимый импульсный ток коллектора Т2 =            А"},
    {.name = "Edit8", .kind = takton::Kind::Edit, .rect = {476, 554, 43, 26}},
    {.name = "Edit10", .kind = takton::Kind::Edit, .rect = {1090, 554, 43, 26}},
    {.name = "Label18", .kind = takton::Kind::Label, .rect = {48, 560, 1028, 19}, .caption = u"обратный ток коллектора Т1 при температуре tmax =           мкА             коэффициент передачи тока Т1 (минимальное значение) ="},
    {.name = "Edit9", .kind = takton::Kind::Edit, .rect = {476, 578, 43, 26}},
    {.name = "Edit11", .kind = takton::Kind::Edit, .rect = {1090, 578, 43, 26}},
    {.name = "Label19", .kind = takton::Kind::Label, .rect = {48, 584, 1033, 19}, .caption = u"обратный ток коллектора Т2 при температуре tmax =           мкА             коэффициент передачи тока Т2 (минимальное значение) = "},
    {.name = "Button2", .kind = takton::Kind::Button, .rect = {30, 614, 56, 73}, .caption = u"Шаг 2", .onClick = &TForm11::Button2Click},
    {.name = "Label20", .kind = takton::Kind::Label, .rect = {108, 615, 344, 19}, .caption = u"Напряжение источника питания |Ек1| более"},
    {.name = "Label21", .kind = takton::Kind::Label, .rect = {458, 615, 6, 19}, .style = takton::style::bold},
    {.name = "Label22", .kind = takton::Kind::Label, .rect = {304, 632, 145, 19}, .caption = u"также |Ек1| менее"},
    {.name = "Label23", .kind = takton::Kind::Label, .rect = {458, 632, 6, 19}, .style = takton::style::bold},
    {.name = "Label24", .kind = takton::Kind::Label, .rect = {108, 656, 296, 19}, .caption = u"Напряжение источника питания Ек2 ="},
    {.name = "Label25", .kind = takton::Kind::Label, .rect = {406, 656, 6, 19}, .style = takton::style::bold},
    {.name = "Label26", .kind = takton::Kind::Label, .rect = {266, 673, 131, 19}, .caption = u"также Ек2 менее"},
    {.name = "Label27", .kind = takton::Kind::Label, .rect = {406, 673, 6, 19}, .style = takton::style::bold},
    {.name = "Edit12", .kind = takton::Kind::Edit, .rect = {182, 700, 43, 26}},
    {.name = "Edit13", .kind = takton::Kind::Edit, .rect = {314, 700, 43, 26}},
    {.name = "Label28", .kind = takton::Kind::Label, .rect = {48, 706, 327, 19}, .caption = u"Примем |Ек1| =            В,   Ек2 =            В"},
    {.name = "Button3", .kind = takton::Kind::Button, .rect = {30, 733, 56, 72}, .caption = u"Шаг 3", .onClick = &TForm11::Button3Click},
    {.name = "Label29", .kind = takton::Kind::Label, .rect = {108, 733, 436, 19}, .caption = u"Коллекторный ток открытого транзистора Т1 I'к1 менее"},
    {.name = "Label30", .kind = takton::Kind::Label, .rect = {548, 733, 6, 19}, .style = takton::style::bold},
    {.name = "Label31", .kind = takton::Kind::Label, .rect = {458, 751, 79, 19}, .caption = u"I'к1 более"},
    {.name = "Label32", .kind = takton::Kind::Label, .rect = {548, 751, 6, 19}, .style = takton::style::bold},
    {.name = "Label33", .kind = takton::Kind::Label, .rect = {108, 772, 436, 19}, .caption = u"Коллекторный ток открытого транзистора Т2 I'к2 менее"},
    {.name = "Label34", .kind = takton::Kind::Label, .rect = {548, 772, 6, 19}, .style = takton::style::bold},
    {.name = "Label35", .kind = takton::Kind::Label, .rect = {458, 790, 79, 19}, .caption = u"I'к2 более"},
    {.name = "Label36", .kind = takton::Kind::Label, .rect = {548, 790, 6, 19}, .style = takton::style::bold},
    {.name = "Edit14", .kind = takton::Kind::Edit, .rect = {162, 811, 43, 26}},
    {.name = "Label37", .kind = takton::Kind::Label, .rect = {48, 817, 173, 19}, .caption = u"Примем I'к2 =           А"},
    {.name = "Button4", .kind = takton::Kind::Button, .rect = {30, 844, 56, 20}, .caption = u"Шаг 4", .onClick = &TForm11::Button4Click},
    {.name = "Label38", .kind = takton::Kind::Label, .rect = {108, 844, 459, 19}, .caption = u"Коллекторный ток открытого транзистора Т1 I'к1 не более"},
    {.name = "Label39", .kind = takton::Kind::Label, .rect = {574, 844, 6, 19}, .style = takton::style::bold},
    {.name = "Edit15", .kind = takton::Kind::Edit, .rect = {162, 874, 43, 26}},
    {.name = "Label40", .kind = takton::Kind::Label, .rect = {48, 880, 173, 19}, .caption = u"Примем I'к1 =           А"},
    {.name = "Button5", .kind = takton::Kind::Button, .rect = {30, 907, 56, 21}, .caption = u"Шаг 5", .onClick = &TForm11::Button5Click},
    {.name = "Label41", .kind = takton::Kind::Label, .rect = {108, 907, 542, 19}, .caption = u"При полностью открытых транзисторах эмиттерное напряжение U'э ="},
    {.name = "Label42", .kind = takton::Kind::Label, .rect = {656, 907, 6, 19}, .style = takton::style::bold},
    {.name = "Edit16", .kind = takton::Kind::Edit, .rect = {162, 937, 43, 26}},
    {.name = "Label43", .kind = takton::Kind::Label, .rect = {48, 943, 173, 19}, .caption = u"Примем U'э =            В"},
    {.name = "Button6", .kind = takton::Kind::Button, .rect = {30, 970, 56, 107}, .caption = u"Шаг 6", .onClick = &TForm11::Button6Click},
    {.name = "Label44", .kind = takton::Kind::Label, .rect = {108, 970, 242, 19}, .caption = u"Сопротивление резистора Rэ ="},
    {.name = "Label45", .kind = takton::Kind::Label, .rect = {356, 970, 6, 19}, .style = takton::style::bold},
    {.name = "Label46", .kind = takton::Kind::Label, .rect = {108, 994, 253, 19}, .caption = u"Сопротивление резистора Rк2 ="},
    {.name = "Label47", .kind = takton::Kind::Label, .rect = {362, 994, 6, 19}, .style = takton::style::bold},
    {.name = "Label48", .kind = takton::Kind::Label, .rect = {108, 1017, 253, 19}, .caption = u"Сопротивление резистора Rк1 ="},
    {.name = "Label49", .kind = takton::Kind::Label, .rect = {370, 1017, 6, 19}, .style = takton::style::bold},
    {.name = "Label50", .kind = takton::Kind::Label, .rect = {108, 1040, 211, 19}, .caption = u"Ток базы транзистора Т2 ="},
    {.name = "Label51", .kind = takton::Kind::Label, .rect = {324, 1040, 6, 19}, .style = takton::style::bold},
    {.name = "Label52", .kind = takton::Kind::Label, .rect = {108, 1061, 253, 19}, .caption = u"Сопротивление резистора Rб2 ="},
    {.name = "Label53", .kind = takton::Kind::Label, .rect = {370, 1061, 6, 19}, .style = takton::style::bold},
    {.name = "Button7", .kind = takton::Kind::Button, .rect = {30, 1088, 56, 43}, .caption = u"Шаг 7", .onClick = &TForm11::Button7Click},
    {.name = "Label54", .kind = takton::Kind::Label, .rect = {108, 1088, 211, 19}, .caption = u"Ток базы транзистора Т1 ="},
    {.name = "Label55", .kind = takton::Kind::Label, .rect = {324, 1088, 6, 19}, .style = takton::style::bold},
    {.name = "Label56", .kind = takton::Kind::Label, .rect = {108, 1112, 244, 19}, .caption = u"Сопротивление резистора R2 ="},
    {.name = "Label57", .kind = takton::Kind::Label, .rect = {356, 1112, 6, 19}, .style = takton::style::bold, .accepts = "Edit17"},
    {.name = "Edit17", .kind = takton::Kind::Edit, .rect = {156, 1136, 43, 26}},
    {.name = "Label58", .kind = takton::Kind::Label, .rect = {48, 1145, 177, 19}, .caption = u"Примем R2 =           Ом"},
    {.name = "Button8", .kind = takton::Kind::Button, .rect = {30, 1172, 56, 23}, .caption = u"Шаг 8", .onClick = &TForm11::Button8Click},
    {.name = "Label59", .kind = takton::Kind::Label, .rect = {108, 1172, 278, 19}, .caption = u"Сопротивление резистора R1 менее"},
    {.name = "Label60", .kind = takton::Kind::Label, .rect = {394, 1172, 6, 19}, .style = takton::style::bold},
    {.name = "Button9", .kind = takton::Kind::Button, .rect = {30, 1202, 56, 25}, .caption = u"Шаг 9", .onClick = &TForm11::Button9Click},
    {.name = "Label61", .kind = takton::Kind::Label, .rect = {108, 1202, 207, 19}, .caption = u"Ёмкость конденсатора С ="},
    {.name = "Label62", .kind = takton::Kind::Label, .rect = {318, 1202, 6, 19}, .style = takton::style::bold},
    {.name = "Label64", .kind = takton::Kind::Label, .rect = {792, 1234, 89, 16}, .style = takton::style::tahoma13},
};

} // namespace

// Lets the compiler check every control name the steps and the focus order use.
consteval const auto& layoutOf(const TForm11*)
{
    return controls;
}
