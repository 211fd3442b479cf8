#pragma once
// An input field that shows the whole number typed into it. Text wider than the field
// is drawn condensed, in the field's own face and size, down to a width where digits
// still read apart; a longer text shows its beginning whenever the field is not being
// edited, and its tooltip and accessible description then carry the whole of it. The
// field keeps its designed geometry and font: only the drawing of the text changes.

#include <QFont>
#include <QLineEdit>

namespace takton {

class FittedField : public QLineEdit {
    Q_OBJECT
public:
    FittedField(const QFont& designed, QWidget* parent);

    // The narrowest the letters are drawn, in per cent of their designed width.
    static constexpr int narrowestStretch = 60;

    // The font the field was designed in, whatever the text currently needs.
    const QFont& designedFont() const { return designed; }
    // The strip the text is drawn in, in the field's coordinates.
    QRect textArea() const;
    // Whether the whole text is drawn inside the text area.
    bool showsWholeText() const { return whole; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void fit();
    bool fits(const QFont& font, const QString& text) const;

    QFont designed;
    bool whole = true;
};

} // namespace takton
