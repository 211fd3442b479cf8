#include "table_label.h"

#include "fonts.h"
#include "widgets.h"

#include <QHash>
#include <QLabel>

namespace takton {

QLabel* makeTableLabel(const ControlRow& row, QWidget* parent)
{
    const bool clickable = row.style.link;
    QLabel* label = clickable ? new ClickableLabel(parent) : new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setContentsMargins(0, 0, 0, 0);
    QFont font = fontFor(Kind::Label, row.style);
    // A caption fills the width it was laid out for, so the blanks that make room
    // for an input field stay under that field and the unit after them shows.
    if (!row.caption.isEmpty() && !row.style.link)
        font = fittedToWidth(font, row.caption, row.rect.width);
    label->setFont(font);
    label->setText(row.caption.toString());
    label->setGeometry(row.rect.left, row.rect.top, row.rect.width, row.rect.height);
    // Labels made alike with the same caption and font want the same width; the
    // windows repeat many captions, and measuring a caption is the costly part here.
    static QHash<QString, int> wantedWidths;
    const QString key = measureKey(font, row.caption);
    auto wanted = wantedWidths.constFind(key);
    if (wanted == wantedWidths.cend())
        wanted = wantedWidths.insert(key, label->sizeHint().width());
    if (*wanted > row.rect.width)
        label->resize(*wanted, row.rect.height);
    if (row.style.link) {
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, Qt::blue);
        label->setPalette(palette);
        label->setCursor(Qt::PointingHandCursor);
        label->resize(*wanted, row.rect.height);
    }
    return label;
}

} // namespace takton
