#pragma once
// The two controls Qt lacks: a push button whose caption wraps over lines, and a
// label that can be clicked.

#include <QLabel>
#include <QList>
#include <QPushButton>
#include <QPointF>
#include <QString>

class QStyleOptionButton;
class QTextLayout;

namespace takton {

class WrappingButton : public QPushButton {
    Q_OBJECT
public:
    using QPushButton::QPushButton;
    QSize sizeHint() const override;

    // Where the caption's lines are drawn: the face's natural line distance apart, the
    // block centred in the button's margins.
    struct CaptionLine {
        QString text;
        QPointF baseline; // left end of the line's baseline
        qreal width = 0;
    };
    QList<CaptionLine> captionLines() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QRect textArea(const QStyleOptionButton& option) const;
    void layOutCaption(QTextLayout& layout, const QRect& area) const;
};

class ClickableLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

} // namespace takton
