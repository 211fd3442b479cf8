#include "result_names.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>
#include <QRegularExpression>
#include <QSet>
#include <vector>

namespace takton {
namespace {

constexpr char resultProperty[] = "takton_result";

QString qName(std::string_view name)
{
    return QString::fromLatin1(name.data(), qsizetype(name.size()));
}

bool sameRow(const QRect& a, const QRect& b)
{
    return a.top() < b.bottom() && b.top() < a.bottom();
}

// The caption a value stands after, without the sign that introduces the value:
// "Сопротивление резистора Rк1 =" -> "Сопротивление резистора Rк1".
QString captionName(const QString& caption)
{
    static const QRegularExpression introducer(QStringLiteral("[\\s=:]+$"));
    return caption.simplified().remove(introducer);
}

// The caption to the left of `result` that shares most of its line; of two on the
// same line, the nearer. Lines of captions may touch by a pixel.
const QLabel* captionBefore(const QLabel* result, const std::vector<const QLabel*>& captions)
{
    const QLabel* best = nullptr;
    int bestShared = 0;
    for (const QLabel* label : captions) {
        const QRect r = label->geometry();
        if (!sameRow(r, result->geometry()) || r.left() >= result->x())
            continue;
        const int shared = r.intersected(QRect(r.left(), result->y(), r.width(), result->height())).height();
        if (!best || shared > bestShared || (shared == bestShared && r.left() > best->x())) {
            best = label;
            bestShared = shared;
        }
    }
    return best;
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

void nameResultsAndSteps(QWidget* canvas, const std::vector<ControlRow>& rows)
{
    static const bool factoryInstalled = (QAccessible::installFactory(resultLabelFactory), true);
    (void)factoryInstalled;

    QSet<QString> resultNames;
    for (const ControlRow& row : rows)
        if (row.kind == Kind::Label && row.caption.isEmpty() && !row.style.link)
            resultNames.insert(qName(row.name));
    // Sorted once into results and the captions they may stand after: a window has
    // dozens of each.
    std::vector<QLabel*> results;
    std::vector<const QLabel*> captions;
    for (QLabel* label : canvas->findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
        if (resultNames.contains(label->objectName())) {
            label->setProperty(resultProperty, true);
            results.push_back(label);
        } else if (!label->text().trimmed().isEmpty()) {
            captions.push_back(label);
        }
    }
    for (QLabel* label : results)
        if (const QLabel* caption = captionBefore(label, captions))
            label->setAccessibleName(captionName(caption->text()));
    static const QRegularExpression stepCaption(QStringLiteral("^Шаг\\s+\\d+$"));
    for (auto* button : canvas->findChildren<QAbstractButton*>(Qt::FindDirectChildrenOnly))
        if (stepCaption.match(button->text().simplified()).hasMatch())
            button->setAccessibleName(button->text().simplified());
}

} // namespace takton
