// The row of actions below a window's last step, outside the designed layout.

#include "table_window.h"

#include "fonts.h"

#include <QFontMetrics>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QPushButton>
#include <QShortcut>
#include <algorithm>

namespace takton {

const ControlRow* TableWindow::lastStep() const
{
    const ControlRow* last = nullptr;
    for (const ControlRow& row : rows)
        if (row.kind == Kind::Button && (!last || row.rect.top > last->rect.top))
            last = &row;
    return last;
}

QPushButton* TableWindow::addAction(const QString& objectName, const QString& caption, const QKeySequence& shortcut,
                                    std::function<void()> handler)
{
    constexpr int gap = 16;
    // The row lines up with the step buttons, and its captions have the room theirs have.
    const ControlRow* step = lastStep();
    const int left = step ? step->rect.left : gap;
    int padding = 0;
    if (step) {
        const QFontMetrics metrics(control(step->name)->font());
        padding = (step->rect.width - metrics.horizontalAdvance(step->caption.toString())) / 2;
    }
    if (!actionRow) {
        actionRow = new QWidget(canvas);
        actionRow->setObjectName(QStringLiteral("actions"));
        auto* row = new QHBoxLayout(actionRow);
        row->setContentsMargins(0, 0, 0, 0);
        row->setSpacing(8);
        actionRow->move(left, designedBottom + gap);
    }
    auto* button = new QPushButton(caption, actionRow);
    button->setObjectName(objectName);
    button->setFont(fontFor(Kind::Button, Style{}));
    button->setAutoDefault(false);
    button->setFocusPolicy(Qt::NoFocus);
    button->setMinimumHeight(30);
    button->setMinimumWidth(QFontMetrics(button->font()).horizontalAdvance(caption) + 2 * padding);
    if (!shortcut.isEmpty()) {
        auto* key = new QShortcut(shortcut, this);
        connect(key, &QShortcut::activated, button, &QPushButton::click);
        button->setToolTip(caption + QStringLiteral(" (") + shortcut.toString(QKeySequence::NativeText) + ')');
    }
    onClick(button, std::move(handler));
    actionRow->layout()->addWidget(button);
    actionRow->resize(actionRow->sizeHint());
    actionRow->layout()->activate();
    actionRow->show();
    canvas->resize(std::max(canvas->width(), actionRow->geometry().right() + 1 + gap),
                   actionRow->geometry().bottom() + 1 + gap);
    return button;
}

} // namespace takton
