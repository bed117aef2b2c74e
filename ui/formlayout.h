// The window's controls: creation from the layout tables, and lookup by name.
#pragma once

#include "formcontrols.h"

#include <QRect>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QWidget;

namespace ui {

// A position in twips (1/1440 inch), relative to the control's container.
struct Twips {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// Twips to pixels at 15 twips per pixel.
QRect toPixels(const Twips &t);

// The window's controls that the configuration code does not see.
struct WindowControls {
    QTabWidget *SSTab1 = nullptr;
    QCheckBox *CheckCnct = nullptr;
    QLineEdit *LastErr = nullptr;
    QPushButton *Command1 = nullptr; // "Reset to Factory Defaults"
    QPushButton *Command2 = nullptr; // "OK"
    QPushButton *Command3 = nullptr; // "Cancel"
    QPushButton *Command4 = nullptr; // "Apply"
    QPushButton *Command5 = nullptr; // "Read Now"
    QPushButton *Command6 = nullptr; // "Advanced"
    QCheckBox *Check1 = nullptr;     // "Disable keystrokes"
    QRadioButton *Option1 = nullptr; // "Windows 2000"
    QRadioButton *Option2 = nullptr; // "Windows XP Classic"
    QRadioButton *Option3 = nullptr; // "XP Welcome Screen"
    QLineEdit *Text1 = nullptr;      // firmware version
    QLabel *lblTitle = nullptr;
    QLabel *lblVersion = nullptr;
    QLabel *Label18 = nullptr;       // "Power-up Delay "
};

// Creates every control of the window as a child of `form`, each named as
// the product names it (array elements as "Name(index)").
void buildWindow(QWidget *form);

config::FormControls findFormControls(QWidget *form);
WindowControls findWindowControls(QWidget *form);

} // namespace ui
