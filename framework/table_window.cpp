#include "table_window.h"

#include "error_reporting.h"
#include "field_names.h"
#include "fitted_field.h"
#include "fonts.h"
#include "jpeg_image.h"
#include "numeric_text.h"
#include "result_hints.h"
#include "result_names.h"
#include "schematic_image.h"
#include "units.h"
#include "widgets.h"
#include "window_placement.h"

#include <QFontMetrics>
#include <QHash>
#include <QLineEdit>
#include <QMenu>
#include <QPixmap>
#include <QScreen>
#include <QScrollArea>
#include <QShortcut>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWindow>
#include <algorithm>
#include <stdexcept>
#include <string>

namespace takton {
namespace {

QString qName(std::string_view name)
{
    return QString::fromLatin1(name.data(), qsizetype(name.size()));
}

void placeAt(QWidget* widget, const Rect& r)
{
    widget->setGeometry(r.left, r.top, r.width, r.height);
}

QLabel* makeLabel(const ControlRow& row, QWidget* parent)
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
    placeAt(label, row.rect);
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

// The colours every window is designed in, whatever the desktop theme: dark text on
// light faces and white fields.
QPalette designedPalette(const QColor& background)
{
    QPalette palette;
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::Window, background);
        palette.setColor(group, QPalette::WindowText, Qt::black);
        palette.setColor(group, QPalette::Base, Qt::white);
        palette.setColor(group, QPalette::AlternateBase, QColor(245, 245, 245));
        palette.setColor(group, QPalette::Text, Qt::black);
        palette.setColor(group, QPalette::Button, background::dialogFace);
        palette.setColor(group, QPalette::ButtonText, Qt::black);
        palette.setColor(group, QPalette::Highlight, QColor(0, 120, 215));
        palette.setColor(group, QPalette::HighlightedText, Qt::white);
        palette.setColor(group, QPalette::ToolTipBase, QColor(255, 255, 225));
        palette.setColor(group, QPalette::ToolTipText, Qt::black);
        palette.setColor(group, QPalette::Light, Qt::white);
        palette.setColor(group, QPalette::Midlight, QColor(227, 227, 227));
        palette.setColor(group, QPalette::Mid, QColor(160, 160, 160));
        palette.setColor(group, QPalette::Dark, QColor(105, 105, 105));
        palette.setColor(group, QPalette::Shadow, Qt::black);
    }
    palette.setColor(QPalette::Disabled, QPalette::Window, background);
    palette.setColor(QPalette::Disabled, QPalette::WindowText, QColor(109, 109, 109));
    palette.setColor(QPalette::Disabled, QPalette::Base, background::dialogFace);
    palette.setColor(QPalette::Disabled, QPalette::Text, QColor(109, 109, 109));
    palette.setColor(QPalette::Disabled, QPalette::Button, background::dialogFace);
    palette.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(109, 109, 109));
    return palette;
}

} // namespace

TableWindow::TableWindow(const WindowProperties& windowProperties)
    : QWidget(nullptr), properties(windowProperties), scroller(new QScrollArea(this)), canvas(new QWidget)
{
    setObjectName(qName(properties.objectName));
    setWindowTitle(properties.caption.toString());
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                            Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                            Qt::WindowCloseButtonHint;
    if (properties.maximizeBox)
        flags |= Qt::WindowMaximizeButtonHint;
    setWindowFlags(flags);
    setPalette(designedPalette(properties.background));
    setAutoFillBackground(true);

    // The scroll area itself never takes the focus: Tab visits the listed controls only.
    scroller->setFrameShape(QFrame::NoFrame);
    scroller->setFocusPolicy(Qt::NoFocus);
    scroller->setWidgetResizable(false);
    scroller->setWidget(canvas);
    canvas->setObjectName(QStringLiteral("canvas"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(scroller);

    outerSize = properties.outerSize;
    resize(outerSize);
}

QWidget* TableWindow::control(std::string_view name) const
{
    QWidget* widget = canvas->findChild<QWidget*>(qName(name), Qt::FindDirectChildrenOnly);
    if (!widget)
        throw std::logic_error("no control named " + std::string(name));
    return widget;
}

QWidget* TableWindow::addControl(const ControlRow& row)
{
    rows.push_back(row);
    QWidget* widget = nullptr;
    switch (row.kind) {
    case Kind::Label:
        widget = makeLabel(row, canvas);
        break;
    case Kind::Edit: {
        widget = new FittedField(fontFor(Kind::Edit, row.style), canvas);
        break;
    }
    case Kind::Button: {
        QPushButton* button = row.style.wordWrap ? new WrappingButton(canvas) : new QPushButton(canvas);
        button->setFont(fontFor(Kind::Button, row.style));
        button->setText(row.caption.toString());
        button->setAutoDefault(false);
        widget = button;
        break;
    }
    case Kind::Image:
        widget = new SchematicImage(properties.schematic.toString(), canvas);
        break;
    }
    widget->setObjectName(qName(row.name));
    if (row.kind != Kind::Label)
        placeAt(widget, row.rect);
    return widget;
}

void TableWindow::onClick(QWidget* control, std::function<void()> handler)
{
    // The window whose step failed owns the error box.
    auto run = [this, handler = std::move(handler)] { runReported(handler, this); };
    if (auto* button = qobject_cast<QAbstractButton*>(control))
        connect(button, &QAbstractButton::clicked, this, run);
    else if (auto* label = qobject_cast<ClickableLabel*>(control))
        connect(label, &ClickableLabel::clicked, this, run);
    else
        throw std::logic_error("control cannot be clicked: " + control->objectName().toStdString());
}

void TableWindow::fitCanvas()
{
    QRect bounds;
    for (QWidget* child : canvas->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        bounds |= child->geometry();
        // Fields and buttons lie over the blanks of their caption labels.
        if (!qobject_cast<QLabel*>(child) || child->objectName().startsWith(QLatin1String("Image")))
            child->raise();
    }
    for (auto* picture : canvas->findChildren<SchematicImage*>(Qt::FindDirectChildrenOnly))
        picture->finishDecoding();
    designedBottom = bounds.bottom() + 1;
    canvas->resize(bounds.right() + 1, designedBottom);
    clearUnitsOfFields(canvas);
    nameFieldsAfterCaptions(canvas);
    nameResultsAndSteps(canvas, rows);
}

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

void TableWindow::setFocusOrder(std::span<const std::string_view> names)
{
    focusNames.assign(names.begin(), names.end());
    for (QWidget* child : canvas->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        child->setFocusPolicy(Qt::NoFocus);
    QWidget* previous = nullptr;
    for (std::string_view name : names) {
        QWidget* current = control(name);
        current->setFocusPolicy(Qt::StrongFocus);
        if (previous)
            QWidget::setTabOrder(previous, current);
        previous = current;
    }
}

double TableWindow::read(std::string_view edit) const
{
    auto* field = qobject_cast<QLineEdit*>(control(edit));
    if (!field)
        throw std::logic_error("not an input field: " + std::string(edit));
    return store(StrToFloat(field->text()));
}

void TableWindow::setLabelText(std::string_view name, const QString& text, const ShownResult& shown)
{
    auto* label = qobject_cast<QLabel*>(control(name));
    if (!label)
        throw std::logic_error("not a label: " + std::string(name));
    label->setText(text);
    // Result labels grow to the right from their left edge.
    label->resize(label->sizeHint().width(), label->height());
    offerStandardValues(label, name, shown);
}

void TableWindow::offerStandardValues(QLabel* label, std::string_view name, const ShownResult& shown)
{
    // Selecting with the mouse shows nothing until the user drags over the text; the
    // label takes the focus only when clicked, so Tab still visits the fields alone.
    if (!(label->textInteractionFlags() & Qt::TextSelectableByMouse)) {
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
        label->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(label, &QWidget::customContextMenuRequested, this,
                [this, label, name](QPoint at) { showResultMenu(label, name, at); });
    }
    // Written with the text, so the hint always speaks of the value on show.
    const QString hint = standardValuesHint(shown);
    label->setToolTip(hint);
    label->setAccessibleDescription(hint);
    acceptable[name] = valueToAccept(shown);
}

void TableWindow::showResultMenu(QLabel* label, std::string_view name, QPoint at)
{
    std::string_view field;
    for (const ControlRow& row : rows)
        if (row.name == name)
            field = row.accepts;
    const std::optional<StandardValue> value = acceptable[name];
    QMenu* menu = resultMenu(label, value && !field.empty());
    menu->setAttribute(Qt::WA_DeleteOnClose);
    if (auto* accept = menu->findChild<QAction*>(QStringLiteral("acceptNearest"))) {
        // Only the field changes; the steps read it when the user presses the next one.
        connect(accept, &QAction::triggered, this, [this, field, standard = *value] {
            runReported([&] { qobject_cast<QLineEdit*>(control(field))->setText(FloatToStr(standard.value())); }, this);
        });
    }
    menu->popup(label->mapToGlobal(at));
}

void TableWindow::write(std::string_view label, X value, QStringView suffix)
{
    setLabelText(label, FloatToStr(value.value()) + suffix.toString(), {value.value(), value.value(), suffix});
}

void TableWindow::writeRange(std::string_view label, X lower, X upper, QStringView suffix)
{
    setLabelText(label, FloatToStr(lower.value()) + unit::rangeSeparator.toString() + FloatToStr(upper.value()) + suffix.toString(),
                 {lower.value(), upper.value(), suffix});
}

QScreen* TableWindow::openingScreen() const
{
    return firstScreen ? firstScreen.data() : screen();
}

// A designed position is taken on the screen the window opens on.
QPoint TableWindow::openingPosition() const
{
    const QScreen* on = openingScreen();
    std::optional<QPoint> designed = properties.designedPosition;
    if (designed)
        *designed += on->geometry().topLeft();
    return placeWithin(on->availableGeometry(), outerSize, designed);
}

void TableWindow::present(const QWidget* beside)
{
    if (!placed && beside && beside->screen())
        firstScreen = beside->screen();
    setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    show();
    raise();
    activateWindow();
}

void TableWindow::showEvent(QShowEvent* event)
{
    if (!placed) {
        placed = true;
        // A window taller or wider than the screen would hide its lowest steps for
        // good: it opens no larger than the screen and its content scrolls.
        if (firstScreen)
            setScreen(firstScreen);
        outerSize = properties.outerSize.boundedTo(openingScreen()->availableGeometry().size());
        resize(outerSize);
        move(openingPosition());
    }
    fitFrame();
    QWidget::showEvent(event);
}

bool TableWindow::event(QEvent* event)
{
    if (!frameFitted && placed)
        fitFrame();
    return QWidget::event(event);
}

// The table gives the outer size and the position of the frame. The frame comes off
// the client area once the window system has told how wide it is, which a window
// manager does only after the window is mapped; the window is then placed again.
void TableWindow::fitFrame()
{
    const QWindow* window = windowHandle();
    if (frameFitted || !window || window->frameMargins().isNull())
        return;
    frameFitted = true;
    resize(outerSize.shrunkBy(window->frameMargins()));
    windowHandle()->setFramePosition(openingPosition());
}

} // namespace takton
