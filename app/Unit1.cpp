#include "Unit1.h"

#include "error_reporting.h"
#include "forms.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QUrl>

using namespace takton;

TForm1* Form1 = nullptr;

const char* const catalogueAddress =
    "https://search.rsl.ru/ru/search#q=%D0%A1%D0%BE%D0%BC%D0%B8%D0%BD%20%D0%98%D0%BC%D0%BF%D1%83%D0%BB%D1%8C%D1%81%D0%BD%D1%8B%D0%B5%20%D1%83%D1%81%D1%82%D1%80%D0%BE%D0%B9%D1%81%D1%82%D0%B2%D0%B0";

namespace {

constexpr Control<TForm1> controls[] = {
    {.name = "Label1", .kind = Kind::Label, .rect = {230, 12, 549, 19}, .style = style::bold, .caption = u"\"Тактон\" - программа инженерного расчёта мультивибраторов"},
    {.name = "Label2", .kind = Kind::Label, .rect = {316, 38, 387, 19}, .style = style::bold, .caption = u"на транзисторах разного типа проводимости"},
    {.name = "Button1", .kind = Kind::Button, .rect = {28, 68, 469, 55}, .style = style::wordWrap, .caption = u"С двумя источниками коллекторного питания, резистивной и ёмкостной связями", .onClick = &TForm1::Button1Click},
    {.name = "Button6", .kind = Kind::Button, .rect = {514, 68, 469, 55}, .style = style::wordWrap, .caption = u" С одним источником эмиттерного питания, ёмкостной и резистивно-ёмкостной связями", .onClick = &TForm1::Button6Click},
    {.name = "Button2", .kind = Kind::Button, .rect = {28, 134, 469, 55}, .style = style::wordWrap, .caption = u"С двумя источниками коллекторного питания, ёмкостной и резистивно-ёмкостной связями", .onClick = &TForm1::Button2Click},
    {.name = "Button7", .kind = Kind::Button, .rect = {514, 134, 469, 55}, .style = style::wordWrap, .caption = u"С одним источником эмиттерного питания и ёмкостными связями", .onClick = &TForm1::Button7Click},
    {.name = "Button3", .kind = Kind::Button, .rect = {28, 200, 469, 55}, .style = style::wordWrap, .caption = u"С двумя источниками коллекторного питания и ёмкостными связями", .onClick = &TForm1::Button3Click},
    {.name = "Button8", .kind = Kind::Button, .rect = {514, 200, 469, 55}, .style = style::wordWrap, .caption = u"Ждущий мультивибратор с запуском положительным импульсом", .onClick = &TForm1::Button8Click},
    {.name = "Button4", .kind = Kind::Button, .rect = {28, 266, 469, 55}, .style = style::wordWrap, .caption = u"С одним источником коллекторного питания и ёмкостными связями", .onClick = &TForm1::Button4Click},
    {.name = "Button9", .kind = Kind::Button, .rect = {514, 266, 469, 55}, .style = style::wordWrap, .caption = u"Ждущий мультивибратор с ёмкостными связями", .onClick = &TForm1::Button9Click},
    {.name = "Button5", .kind = Kind::Button, .rect = {28, 332, 469, 55}, .style = style::wordWrap, .caption = u"С одним источником коллекторного питания, резистивной и ёмкостной связями", .onClick = &TForm1::Button5Click},
    {.name = "Button11", .kind = Kind::Button, .rect = {514, 332, 469, 55}, .caption = u"Ждущий мультивибратор с эмиттерной связью", .onClick = &TForm1::Button11Click},
    {.name = "Label3", .kind = Kind::Label, .rect = {102, 398, 335, 19}, .caption = u"Книга есть в электронном каталоге РГБ:"},
    {.name = "Button10", .kind = Kind::Button, .rect = {514, 398, 469, 55}, .caption = u"И с т о ч н и к", .onClick = &TForm1::Button10Click},
    {.name = "Label4", .kind = Kind::Label, .rect = {218, 428, 86, 18}, .style = style::link, .caption = u"search.rsl.ru", .onClick = &TForm1::Label4Click},
};

} // namespace

// Lets the compiler check every control name this window uses.
consteval const auto& layoutOf(const TForm1*)
{
    return controls;
}

TForm1::TForm1()
    : TableWindowOf({.objectName = "Form1",
                   .caption = applicationTitle,
                   .outerSize = {1029, 510},
                   .background = background::inactiveCaptionGradient})
{
    build(controls);
    setFocusOrder({"Button1", "Button2", "Button3", "Button4", "Button5", "Button6", "Button7",
                   "Button8", "Button9", "Button10", "Button11"});
}

void TForm1::Button1Click() { showCalculator("Button1"); }
void TForm1::Button2Click() { showCalculator("Button2"); }
void TForm1::Button3Click() { showCalculator("Button3"); }
void TForm1::Button4Click() { showCalculator("Button4"); }
void TForm1::Button5Click() { showCalculator("Button5"); }
void TForm1::Button6Click() { showCalculator("Button6"); }
void TForm1::Button7Click() { showCalculator("Button7"); }
void TForm1::Button8Click() { showCalculator("Button8"); }
void TForm1::Button9Click() { showCalculator("Button9"); }
void TForm1::Button11Click() { showCalculator("Button11"); }

// Shows a calculator without touching what it holds, on the screen of the menu; a
// variant whose window is not built yet does nothing.
void TForm1::showCalculator(ControlName<TForm1, Kind::Button> button)
{
    if (TableWindow* window = calculatorOfButton(button.name))
        window->present(this);
}

void TForm1::Button10Click()
{
    ShowMessage(QStringLiteral("Сомин К.Д. Импульсные устройства на транзисторах с проводимостью разного типа. "
                               "Москва, \"Энергия\", 1972 г."));
}

// The browser may be missing; the user then simply sees nothing happen.
void TForm1::Label4Click()
{
    QDesktopServices::openUrl(QUrl(QString::fromLatin1(catalogueAddress)));
}

void TForm1::closeEvent(QCloseEvent* event)
{
    event->accept();
    QCoreApplication::quit();
}
