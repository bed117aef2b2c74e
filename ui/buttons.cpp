// Command buttons, "Disable keystrokes" and closing the window.
#include "form1.h"

#include "announcer.h"
#include "changedetection.h"
#include "exchange.h"
#include "focusleave.h"
#include "reading.h"
#include "writing.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

const char *const kWriteTitle = QT_TRANSLATE_NOOP("Form1", "Zelvora USB Write Parameters");
const char *const kOkPrompt =
    QT_TRANSLATE_NOOP("Form1", "The changes were not written to the device.  Do you want to write "
                               "the changes and continue ?");
const char *const kCancelPrompt =
    QT_TRANSLATE_NOOP("Form1", "The changes were not written to the device.  Do you want to "
                               "leave without writing the changes and continue ?");
const char *const kApplyPrompt =
    QT_TRANSLATE_NOOP("Form1", "The changes are about to be written to the device.  Do you want "
                               "to write the changes?");
const char *const kAdvancedWarning =
    QT_TRANSLATE_NOOP("Form1", "Enter Power-up delay is rarely required.  Setting this when not needed "
                               "will cause problems with the USB registration process.  Proceed with "
                               "Caution!");

QString shown(const char *text)
{
    return QCoreApplication::translate("Form1", text);
}

// A caption or a page as messages name it: without the blank that ends some.
QString named(const char *text)
{
    return shown(text).trimmed();
}

QString unreadableMessage(const config::UnreadableField &field)
{
    //: %1 is the text in the box, %2 the box's caption, %3 the page's tab
    return QCoreApplication::translate("Form1",
                                       "\"%1\" in \"%2\" on the page \"%3\" is not a whole number the sensor "
                                       "can store.\n\nNothing was written to the device. Correct the value "
                                       "and write again.")
        .arg(field.text, named(field.captionSource), named(field.pageSource));
}

} // namespace

void Form1::bindButtons()
{
    connect(w_.Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(w_.Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
    connect(w_.Command3, &QPushButton::clicked, this, [this] { Command3_Click(); });
    connect(w_.Command4, &QPushButton::clicked, this, [this] { Command4_Click(); });
    connect(w_.Command5, &QPushButton::clicked, this, [this] { Command5_Click(); });
    connect(w_.Command6, &QPushButton::clicked, this, [this] { Command6_Click(); });
    connect(w_.Check1, &QCheckBox::toggled, this, [this] { Check1_Click(); });
    connect(w_.Option1, &QRadioButton::clicked, this, [this] { Option1_Click(); });
    connect(w_.Option2, &QRadioButton::clicked, this, [this] { Option2_Click(); });
    connect(w_.Option3, &QRadioButton::clicked, this, [this] { Option3_Click(); });
}

bool Form1::WriteConfig()
{
    const std::optional<config::UnreadableField> unreadable =
        config::writeConfig(c_, state_, errorReporter());
    if (unreadable) {
        ask({unreadableMessage(*unreadable), ui::applicationTitle(), ui::MsgButtons::Ok,
             ui::MsgIcon::Stop, ui::MsgAnswer::Ok});
        return false;
    }
    return true;
}

bool Form1::confirm(const QString &prompt)
{
    return ask(ui::confirmationBox(prompt, shown(kWriteTitle))) == ui::MsgAnswer::Yes;
}

void Form1::disconnectAndClose()
{
    if (!disconnected_) {
        exchange::disconnect();
        disconnected_ = true;
    }
    close();
}

void Form1::Command1_Click()
{
    exchange::window::resetFactory(errorReporter());
    // The controls keep their values; the indicator tells whether they now
    // differ from the sensor's defaults.
    CheckUpdate();
}

// A button pressed without taking the focus (a screen reader's press
// action, or the close box) would leave an edit unchecked in its box: the
// box's leave check runs first, as a click that moves the focus runs it.
void Form1::checkEditStillInItsBox()
{
    for (ui::FocusLeaveWatcher *watcher : watchers_)
        watcher->leaveIfFocused();
}

void Form1::Command2_Click()
{
    checkEditStillInItsBox();
    if (c_.ConfigChanged->isChecked()) {
        if (!confirm(shown(kOkPrompt)))
            return;
        // A write refused for a text it cannot read keeps the window open,
        // so that the edits are not lost.
        if (!WriteConfig())
            return;
    }
    disconnectAndClose();
}

void Form1::Command3_Click()
{
    close(); // closeEvent asks, disconnects and lets the window close
}

void Form1::closeEvent(QCloseEvent *event)
{
    if (!disconnected_) {
        // The close box takes no focus: an edit still in its box is checked
        // and compared first, so that the question below knows of it.
        checkEditStillInItsBox();
        if (c_.ConfigChanged->isChecked() && !confirm(shown(kCancelPrompt))) {
            event->ignore();
            return;
        }
        exchange::disconnect();
        disconnected_ = true;
    }
    event->accept();
}

// After Apply a screen reader hears what came of it: written, or nothing
// to write; an error is told by its box, as to everyone.
void Form1::Command4_Click()
{
    checkEditStillInItsBox();
    if (!c_.ConfigChanged->isChecked()) {
        announcer_->announce(connected_ ? tr("Nothing to write: the window matches the sensor.")
                                        : tr("Nothing was written: the sensor is not connected."));
        return;
    }
    if (!confirm(shown(kApplyPrompt)))
        return;
    // Every step succeeded exactly when the window matches the sensor again.
    if (WriteConfig() && !c_.ConfigChanged->isChecked())
        announcer_->announce(tr("The changes were written to the sensor."));
    tellState();
}

void Form1::Command5_Click()
{
    config::showRange(c_, exchange::window::readRange(errorReporter()));
}

void Form1::Command6_Click()
{
    if (!w_.Label18->isHidden()) {
        w_.Label18->hide();
        c_.number(config::Numeric::PowerUpDelay)->hide();
        return;
    }
    ask(ui::noticeBox(shown(kAdvancedWarning), ui::applicationTitle()));
    w_.Label18->show();
    c_.number(config::Numeric::PowerUpDelay)->show();
}

void Form1::Check1_Click()
{
    exchange::window::haltKeystrokes(w_.Check1->isChecked(), errorReporter());
}
