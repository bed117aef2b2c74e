// The window: its construction, its pages and their comparison with the
// sensor. Start-up and error reporting are in startup.cpp, the buttons in
// buttons.cpp, the presets in presets.cpp.
#include "form1.h"

#include "aboutpage.h"
#include "accessibility.h"
#include "announcer.h"
#include "changedetection.h"
#include "initialsetuppage.h"
#include "keystrokepage.h"
#include "pictures.h"

#include <QCheckBox>
#include <QPushButton>

Form1::Form1(ui::MessageBoxes &boxes, QWidget *parent) : QWidget(parent), boxes_(boxes)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(tr("Ostraval Configuration Utility"));
    setWindowIcon(ui::windowIcon());
    QFont dialogFont = font();
    dialogFont.setPointSizeF(8);
    setFont(dialogFont);

    // The layout follows the screen's logical resolution, as the fonts do.
    const ui::ControlIndex controls = ui::buildWindow(this, logicalDpiY());
    c_ = ui::findFormControls(controls);
    w_ = ui::findWindowControls(controls);
    ui::describeRanges(c_);
    announcer_ = new ui::Announcer(this);
    bindHandlers();

    Form_Load();
    tellState();
}

ui::MsgAnswer Form1::ask(const ui::MessageBoxRequest &request)
{
    return boxes_.ask(this, request);
}

config::ErrorReporter Form1::errorReporter()
{
    return [this](const char *operation) { ErReason(QString::fromLatin1(operation)); };
}

// Each page binds the handlers of its own fields; the window binds those
// of the sixth keystroke, which lies on no page.
void Form1::bindHandlers()
{
    pageServices_ = {&c_, [this] { CheckUpdate(); },
                     [this](const ui::MessageBoxRequest &request) { return ask(request); },
                     &watchers_};
    new ui::InitialSetupPage(this, pageServices_);
    new ui::KeystrokePage(this, pageServices_, ui::KeystrokePage::walkAway());
    new ui::KeystrokePage(this, pageServices_, ui::KeystrokePage::walkUp());
    new ui::AboutPage(this, pageServices_);
    // The sixth keystroke's list has no handler.
    ui::bindKeystrokeSlot(this, pageServices_, config::kSixthSlot, false);

    bindButtons();
}

void Form1::CheckUpdate()
{
    {
        const ui::ChangesToldOnce once(this);
        config::checkUpdate(c_, state_, errorReporter());
    }
    tellState();
}

QString Form1::stateSentence() const
{
    return c_.ConfigChanged->isChecked() ? tr("The window differs from the sensor.")
                                         : tr("The window matches the sensor.");
}

void Form1::tellState()
{
    QString state;
    if (!connected_)
        state = tr("The sensor is not connected. Nothing can be written to it.");
    else if (c_.ConfigChanged->isChecked())
        state = tr("The window differs from the sensor. The sensor is connected.");
    else
        state = tr("The window matches the sensor. The sensor is connected.");
    for (QWidget *button : {w_.Command2, w_.Command3, w_.Command4})
        if (button->accessibleDescription() != state)
            button->setAccessibleDescription(state);
}
