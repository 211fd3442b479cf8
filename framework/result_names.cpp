#include "result_names.h"

#include "layout_links.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>
#include <QRegularExpression>

namespace takton {
namespace {

constexpr char resultProperty[] = "takton_result";

QString qName(std::string_view name)
{
    return QString::fromLatin1(name.data(), qsizetype(name.size()));
}

// The caption a value stands after, without the sign that introduces the value:
// "Сопротивление резистора Rк1 =" -> "Сопротивление резистора Rк1".
QString captionName(const QString& caption)
{
    static const QRegularExpression introducer(QStringLiteral("[\\s=:]+$"));
    return caption.simplified().remove(introducer);
}

// A result label reads as static text whose name is its caption and whose text (and
// value) is what the last step wrote, so a screen reader says both and a user can
// move through the value character by character.
class ResultLabelAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit ResultLabelAccessible(QLabel* label) : QAccessibleWidget(label, QAccessible::StaticText) {}

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Value)
            return label()->text();
        return QAccessibleWidget::text(kind);
    }

    // Text interface: the value, read-only; a selection is the label's own.
    void selection(int index, int* start, int* end) const override
    {
        *start = *end = 0;
        if (index == 0 && label()->hasSelectedText()) {
            *start = label()->selectionStart();
            *end = *start + int(label()->selectedText().size());
        }
    }
    int selectionCount() const override { return label()->hasSelectedText() ? 1 : 0; }
    void addSelection(int start, int end) override { setSelection(0, start, end); }
    void removeSelection(int) override { label()->setSelection(0, 0); }
    void setSelection(int, int start, int end) override { label()->setSelection(start, end - start); }
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QString text(int start, int end) const override { return label()->text().mid(start, end - start); }
    int characterCount() const override { return int(label()->text().size()); }
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int* start, int* end) const override
    {
        *start = 0;
        *end = characterCount();
        return {};
    }

private:
    QLabel* label() const { return static_cast<QLabel*>(widget()); }
};

QAccessibleInterface* resultLabelFactory(const QString& className, QObject* object)
{
    auto* label = qobject_cast<QLabel*>(object);
    if (className == QLatin1String("QLabel") && label && isResultLabel(label))
        return new ResultLabelAccessible(label);
    return nullptr;
}

} // namespace

bool isResultLabel(const QLabel* label)
{
    return label->property(resultProperty).toBool();
}

void nameResultsAndSteps(QWidget* canvas, const LayoutLinks& links)
{
    static const bool factoryInstalled = (QAccessible::installFactory(resultLabelFactory), true);
    (void)factoryInstalled;

    for (const ResultLink& link : links.results) {
        auto* label = canvas->findChild<QLabel*>(qName(link.result), Qt::FindDirectChildrenOnly);
        label->setProperty(resultProperty, true);
        if (!link.caption.empty())
            label->setAccessibleName(
                captionName(canvas->findChild<QLabel*>(qName(link.caption), Qt::FindDirectChildrenOnly)->text()));
    }
    static const QRegularExpression stepCaption(QStringLiteral("^Шаг\\s+\\d+$"));
    for (auto* button : canvas->findChildren<QAbstractButton*>(Qt::FindDirectChildrenOnly))
        if (stepCaption.match(button->text().simplified()).hasMatch())
            button->setAccessibleName(button->text().simplified());
}

} // namespace takton
