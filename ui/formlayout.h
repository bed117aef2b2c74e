// The window's controls: creation from the layout tables, and lookup by name.
#pragma once

#include "formcontrols.h"

#include <QHash>
#include <QRect>
#include <QString>

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

// Logical inch in twips: at 96 dots per inch a pixel is 15 twips, at 144 it
// is 10.
constexpr int kTwipsPerInch = 1440;

// Twips to pixels at a logical resolution in dots per inch.
QRect toPixels(const Twips &t, int dpi);

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

// Every control of the window by its object name, as it was created.
using ControlIndex = QHash<QString, QWidget *>;

// Creates every control of the window as a child of `form`, each named as
// the product names it (array elements as "Name(index)"), and sizes the
// window; twips become pixels at `dpi`, the screen's logical resolution.
// Every control a user can reach gets an accessible name that says what it
// is; controls that lie out of sight are kept from assistive technology and
// from the focus.
ControlIndex buildWindow(QWidget *form, int dpi);

config::FormControls findFormControls(const ControlIndex &controls);
WindowControls findWindowControls(const ControlIndex &controls);

} // namespace ui
