#include "table_window.h"

#include "error_reporting.h"
#include "field_names.h"
#include "fitted_field.h"
#include "fonts.h"
#include "result_names.h"
#include "schematic_image.h"
#include "table_label.h"
#include "widgets.h"

#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>
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
        widget = makeTableLabel(row, canvas);
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
    links = linkLayout(rows, canvas);
    clearUnitsOfFields(canvas, links);
    nameFieldsAfterCaptions(canvas, links);
    nameResultsAndSteps(canvas, links);
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

} // namespace takton
