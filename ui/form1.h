// Form1: the utility's one window.
#pragma once

#include "formcontrols.h"
#include "formlayout.h"
#include "messagebox.h"
#include "page.h"

#include <QWidget>

class QCloseEvent;
class QLineEdit;

#include <array>
#include <cstdint>
#include <vector>

namespace ui {
class Announcer;
class FocusLeaveWatcher;
}

class Form1 : public QWidget {
    Q_OBJECT
public:
    // Builds the window and runs its start-up (Form_Load). Message boxes go
    // through `boxes`, which must outlive the window.
    explicit Form1(ui::MessageBoxes &boxes, QWidget *parent = nullptr);

    // Window variables.
    int16_t FirstLoad() const { return state_.FirstLoad; }
    bool DeviceUpdated() const { return state_.DeviceUpdated; }

    // Reports a failed library call: the status box shows the operation name
    // and the library's error number, and a non-zero number is shown in an
    // error box. "USB range" is reported silently.
    void ErReason(const QString &operation);

    // Compares the window with the sensor and sets "Config Changed".
    void CheckUpdate();
    // Reads the sensor's configuration into the window (once, at start-up).
    void ReadConfig();
    // Writes the window's configuration to the sensor and commits it. False
    // when a text could not be read and nothing was sent.
    bool WriteConfig();

protected:
    // The close box behaves as "Cancel".
    void closeEvent(QCloseEvent *event) override;

private:
    void Form_Load();
    void FillComboList();
    void FillCombo2List();
    void FillCombo3List();
    void FillCombo4List();
    void FillCombo5List();

    // The pages bind their fields' handlers (ui/page.h).
    void bindHandlers();

    // Command buttons and "Disable keystrokes".
    void bindButtons();
    void Command1_Click(); // "Reset to Factory Defaults"
    void Command2_Click(); // "OK"
    void Command3_Click(); // "Cancel"
    void Command4_Click(); // "Apply"
    void Command5_Click(); // "Read Now"
    void Command6_Click(); // "Advanced"
    void Check1_Click();   // "Disable keystrokes"
    void checkEditStillInItsBox();
    bool confirm(const QString &prompt);
    void disconnectAndClose();

    // Quick configuration presets.
    void Option1_Click(); // "Windows 2000"
    void Option2_Click(); // "Windows XP Classic"
    void Option3_Click(); // "XP Welcome Screen"
    void tellPreset();

    // What a screen reader hears where the user decides: the window's
    // state in the descriptions of OK, Cancel and Apply, and what a preset or
    // Apply did, announced. Sighted users see none of it.
    void tellState();
    QString stateSentence() const;
    config::ErrorReporter errorReporter();
    ui::MsgAnswer ask(const ui::MessageBoxRequest &request);

    ui::MessageBoxes &boxes_;
    config::FormControls c_;
    ui::WindowControls w_;
    config::FormState state_;
    ui::PageServices pageServices_;                 // what the pages' handlers use
    std::vector<ui::FocusLeaveWatcher *> watchers_; // the range-checked boxes
    bool disconnected_ = false; // "OK" or "Cancel" has let the sensor go
    bool connected_ = false;    // the sensor answered at start-up
    ui::Announcer *announcer_ = nullptr;
};

namespace ui {

// The program's major and minor version, as "1.1".
QString programVersion();
// The firmware version text for the version the sensor reports, for example
// "v  0 1. 0 3" for 0x0103.
QString firmwareText(int32_t version);

} // namespace ui
