#pragma once
// Driving real windows the way a user does: type into a field, click a step, read a
// label, and answer the modal boxes a step may raise.

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QStringList>
#include <QTest>
#include <QTimer>
#include <QWidget>

namespace takton::testing {

inline QLineEdit* edit(QWidget* form, const char* name)
{
    auto* widget = form->findChild<QLineEdit*>(QLatin1String(name));
    if (!widget)
        qFatal("no field %s in %s", name, qPrintable(form->objectName()));
    return widget;
}

inline QLabel* label(QWidget* form, const char* name)
{
    auto* widget = form->findChild<QLabel*>(QLatin1String(name));
    if (!widget)
        qFatal("no label %s in %s", name, qPrintable(form->objectName()));
    return widget;
}

inline QPushButton* button(QWidget* form, const char* name)
{
    auto* widget = form->findChild<QPushButton*>(QLatin1String(name));
    if (!widget)
        qFatal("no button %s in %s", name, qPrintable(form->objectName()));
    return widget;
}

inline void type(QWidget* form, const char* field, const QString& text)
{
    edit(form, field)->setText(text);
}

inline QString text(QWidget* form, const char* labelName)
{
    return label(form, labelName)->text();
}

// Answers every modal box that opens while it lives, remembering what each said, so a
// step that raises an unexpected box fails its test instead of hanging it.
class ModalBoxes {
public:
    ModalBoxes()
    {
        timer.setInterval(10);
        QObject::connect(&timer, &QTimer::timeout, [this] { answer(); });
        timer.start();
    }

    // Texts of the boxes shown so far; clears the record.
    QStringList take()
    {
        QStringList shown = texts;
        texts.clear();
        return shown;
    }

    QString lastTitle;
    QWidget* lastParent = nullptr;
    QMessageBox::Icon lastIcon = QMessageBox::NoIcon;
    QStringList lastButtons;

private:
    void answer()
    {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        texts << box->text();
        lastTitle = box->windowTitle();
        lastParent = box->parentWidget();
        lastIcon = box->icon();
        lastButtons.clear();
        for (QAbstractButton* b : box->buttons())
            lastButtons << b->text();
        box->buttons().front()->click();
    }

    QTimer timer;
    QStringList texts;
};

// Clicks a step button with the mouse, as the user does.
inline void press(QWidget* form, const char* buttonName)
{
    QTest::mouseClick(button(form, buttonName), Qt::LeftButton);
}

} // namespace takton::testing

#include "application.h"
#include "forms.h"

namespace takton::testing {

inline QString qName(std::string_view name)
{
    return QString::fromLatin1(name.data(), qsizetype(name.size()));
}

// The registry's row of a window, by its form name ("Form2").
inline const RegisteredWindow& registered(const QString& form)
{
    for (const RegisteredWindow& row : registeredWindows())
        if (qName(row.form) == form)
            return row;
    qFatal("%s is not registered", qPrintable(form));
}

inline TableWindow* registeredWindow(const QString& form)
{
    return registered(form).window();
}

inline const QString zeroDivide = QStringLiteral("Floating point division by zero.");
inline const QString invalidOp = QStringLiteral("Invalid floating point operation.");
inline const QString overflow = QStringLiteral("Floating point overflow.");
inline QString notANumber(const QString& typed)
{
    return "'" + typed + "' is not a valid floating point value.";
}

// The text a result label keeps while no step writes it.
inline const QString untouched = QStringLiteral("(untouched)");

// "Edit1=10": a field and the text typed into it; "Label10=20 B": a label and its text.
inline std::pair<QByteArray, QString> split(const QString& entry)
{
    const qsizetype eq = entry.indexOf('=');
    return {entry.left(eq).toLatin1(), entry.mid(eq + 1)};
}

inline void typeAll(QWidget* form, const QStringList& entries)
{
    for (const QString& entry : entries)
        type(form, split(entry).first, split(entry).second);
}

inline void expectLabels(QWidget* form, const QStringList& entries)
{
    for (const QString& entry : entries)
        QCOMPARE(text(form, split(entry).first), split(entry).second);
}

// One step of a design: fields typed, the step pressed, no box, labels as expected.
inline void runDesignStep(QWidget* form, const QStringList& typed, const QString& step, const QStringList& shown)
{
    ModalBoxes boxes;
    typeAll(form, typed);
    press(form, step.toLatin1());
    QCOMPARE(boxes.take(), QStringList{});
    expectLabels(form, shown);
}

// One outcome of a step on a window that has just been created: the fields typed, the
// `before` actions run (a button pressed, or "set Edit1=20" typed), every empty label
// marked untouched, `step` pressed. `messages` are all the boxes shown on the way.
inline void runStepOutcome(QWidget* form, const QStringList& typed, const QStringList& before, const QString& step,
                           const QStringList& messages, const QStringList& labels)
{
    ModalBoxes boxes;
    typeAll(form, typed);
    for (const QString& action : before) {
        if (action.startsWith("set "))
            typeAll(form, {action.mid(4)});
        else
            press(form, action.toLatin1());
    }
    for (QLabel* l : form->findChildren<QLabel*>())
        if (l->text().isEmpty() && l->pixmap().isNull())
            l->setText(untouched);
    press(form, step.toLatin1());
    QCOMPARE(boxes.take(), messages);
    expectLabels(form, labels);
}

// Data-driven forms of the two runners: a design walk is a table of steps on one
// window; an outcome table gives each row a window of its own.
inline void addDesignStepColumns()
{
    QTest::addColumn<QString>("step");
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QStringList>("shown");
}

inline void runDesignStepRow(QWidget* form)
{
    QFETCH(QString, step);
    QFETCH(QStringList, typed);
    QFETCH(QStringList, shown);
    runDesignStep(form, typed, step, shown);
}

inline void addStepOutcomeColumns()
{
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QString>("step");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<QStringList>("labels");
}

template <class Form>
void runStepOutcomeRow()
{
    QFETCH(QStringList, typed);
    QFETCH(QStringList, before);
    QFETCH(QString, step);
    QFETCH(QStringList, messages);
    QFETCH(QStringList, labels);
    Form form;
    runStepOutcome(&form, typed, before, step, messages, labels);
}

// The names Tab visits from `first` on, `count` of them.
inline QStringList focusChain(QWidget* first, qsizetype count)
{
    QStringList order;
    QWidget* widget = first;
    for (qsizetype i = 0; i < count; ++i) {
        order << widget->objectName();
        do
            widget = widget->nextInFocusChain();
        while (!(widget->focusPolicy() & Qt::TabFocus) || !widget->isVisibleTo(widget->window()));
    }
    return order;
}

// Every field lies over its caption label, so a click on it reaches the field.
inline void expectFieldsOnTop(QWidget* form)
{
    for (QLineEdit* field : form->findChildren<QLineEdit*>()) {
        QWidget* canvas = field->parentWidget();
        QCOMPARE(canvas->childAt(field->geometry().center()), field);
    }
}

} // namespace takton::testing

// A test program with the real application object and every window created, as at
// start-up.
#define TAKTON_GUI_TEST_MAIN(TestClass)                                                   \
    int main(int argc, char** argv)                                                       \
    {                                                                                     \
        takton::Application app(argc, argv);                                              \
        takton::createForms();                                                            \
        TestClass test;                                                                   \
        const int status = QTest::qExec(&test, argc, argv);                               \
        takton::destroyForms();                                                           \
        return status;                                                                    \
    }
