#pragma once
// A spin box that writes and reads its number as the rest of the program does: with the
// user's decimal separator and no needless zeros ("× 1,5", "6 В", "1,4 мкс"), where a
// plain one follows the platform's locale and pads to its decimals ("× 1.00"). Either
// separator typed is taken as the user's.

#include <QDoubleSpinBox>

namespace takton::simulation {

class NumberBox : public QDoubleSpinBox {
    Q_OBJECT
public:
    using QDoubleSpinBox::QDoubleSpinBox;

    QString textFromValue(double value) const override;
    double valueFromText(const QString& text) const override;
    QValidator::State validate(QString& text, int& position) const override;
    void fixup(QString& text) const override;

private:
    // The number typed, without the prefix and suffix around it.
    QString numberIn(const QString& text) const;
};

} // namespace takton::simulation
