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
