#pragma once
// The two controls Qt lacks: a push button whose caption wraps over lines, and a
// label that can be clicked.

#include <QLabel>
#include <QPushButton>

namespace takton {

class WrappingButton : public QPushButton {
    Q_OBJECT
public:
    using QPushButton::QPushButton;
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
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
