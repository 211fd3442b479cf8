// Built several times: as written it must compile; with one of the fault macros
// defined the build must fail, because a step names a control its table lacks or names
// it as the wrong kind, or a result accepts its value into no field of the table.

#include "calculator.h"
#include "units.h"

class TCheckForm : public takton::Calculator<TCheckForm> {
public:
    TCheckForm();
    void Button1Click();
};

using namespace takton;

namespace {
#ifdef MISNAMED_ACCEPTED_FIELD
constexpr std::string_view accepted = "Edit9";
#elif defined(ACCEPTED_INTO_LABEL)
constexpr std::string_view accepted = "Label1";
#else
constexpr std::string_view accepted = "Edit1";
#endif

constexpr Control<TCheckForm> controls[] = {
    {.name = "Edit1", .kind = Kind::Edit, .rect = {0, 0, 43, 26}},
    {.name = "Label1", .kind = Kind::Label, .rect = {0, 30, 6, 19}, .style = style::bold},
    {.name = "Label2", .kind = Kind::Label, .rect = {50, 30, 6, 19}, .style = style::bold, .accepts = accepted},
    {.name = "Button1", .kind = Kind::Button, .rect = {0, 60, 56, 30}, .caption = u"Шаг 1", .onClick = &TCheckForm::Button1Click},
};
} // namespace

consteval const auto& layoutOf(const TCheckForm*)
{
    return controls;
}

TCheckForm::TCheckForm() : Calculator({.objectName = "CheckForm", .caption = u"", .outerSize = {100, 100}})
{
    build(controls);
#ifdef MISNAMED_FOCUS
    setFocusOrder({"Edit1", "Buton1"});
#else
    setFocusOrder({"Edit1", "Button1"});
#endif
}

void TCheckForm::Button1Click()
{
#ifdef MISNAMED_FIELD
    const double value = read("Edit2");
#elif defined(LABEL_READ_AS_FIELD)
    const double value = read("Label1");
#else
    const double value = read("Edit1");
#endif
    write("Label1", value, unit::volts);
}
