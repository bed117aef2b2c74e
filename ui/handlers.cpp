// Field handlers: every edit keeps its slot's code text in step with the
// list, holds the ranged boxes inside their ranges, and ends with one
// CheckUpdate.
//
// How the window's events map to Qt:
// - a check box's click handler runs on toggled, so setting it in code runs
//   it too (setting it to the value it already has runs nothing);
// - a key list's click handler runs on KeyList::rowChosen: a selection set
//   in code, or any row the user chooses, the selected one included; setting
//   the list's displayed text and typing run nothing;
// - a key delay's change handler runs on textChanged, so setting the text in
//   code runs it too, nested inside the assignment;
// - a validate handler runs when the focus leaves its box for another
//   control of the window (FocusLeaveWatcher).
#include "form1.h"

#include "changedetection.h"
#include "fieldbounds.h"
#include "focusleave.h"
#include "keylist.h"
#include "numbers.h"

#include <QCheckBox>
#include <QLineEdit>

namespace {

// The boxes checked when the focus leaves them: the field whose bounds hold,
// the message, and the text the box is reset to.
struct RangeRule {
    QLineEdit *config::FormControls::*box;
    config::BoundedField field;
    const char *message;
    const char *resetValue;
};

const char *const kByteMessage = "The value must be between 0 and 255!";

constexpr RangeRule kRangeRules[] = {
    {&config::FormControls::IRDBTm, config::BoundedField::IRDBTm, kByteMessage, "0"},
    {&config::FormControls::ORDBTm, config::BoundedField::ORDBTm, kByteMessage, "0"},
    {&config::FormControls::PressRate, config::BoundedField::PressRate, kByteMessage, "0"},
    {&config::FormControls::StartDly, config::BoundedField::StartDly, kByteMessage, "0"},
    {&config::FormControls::MaxDist, config::BoundedField::MaxDist,
     "The value must be between 14 and 60!", "36"},
};

} // namespace

void Form1::bindHandlers()
{
    for (QCheckBox *led : {c_.bNoShowIRLED, c_.bNoShowORLED, c_.bNoShowXtLED})
        connect(led, &QCheckBox::toggled, this, [this] { LedBox_Click(); });

    for (int slot = 0; slot < config::kSlotCount; ++slot)
        for (QCheckBox *box : c_.keystrokes[slot].mods)
            connect(box, &QCheckBox::toggled, this, [this, slot] { KeyMods_Click(slot); });

    // The sixth keystroke's list has no handler.
    for (int slot = 0; slot < config::kSixthSlot; ++slot) {
        auto *list = static_cast<ui::KeyList *>(c_.keystrokes[slot].list);
        connect(list, &ui::KeyList::rowChosen, this, [this, slot](int row) { Combo_Click(slot, row); });
    }

    connect(c_.InterKeyDelay, &QLineEdit::textChanged, this, [this] { InterKeyDelay_Change(); });
    connect(c_.InterKeyDelayUp, &QLineEdit::textChanged, this,
            [this] { InterKeyDelayUp_Change(); });

    bindValidation();
    bindButtons();
}

void Form1::bindValidation()
{
    for (const RangeRule &rule : kRangeRules) {
        QLineEdit *box = c_.*rule.box;
        watchers_.push_back(new ui::FocusLeaveWatcher(box, [this, box, rule] {
            validateRange(box, config::boundsOf(rule.field).lower,
                          config::boundsOf(rule.field).upper, QString::fromLatin1(rule.message),
                          QString::fromLatin1(rule.resetValue));
        }));
    }
}

void Form1::CheckUpdate()
{
    config::checkUpdate(c_, state_, errorReporter());
}

void Form1::LedBox_Click()
{
    CheckUpdate();
}

void Form1::KeyMods_Click(int /*index*/)
{
    CheckUpdate();
}

void Form1::Combo_Click(int slot, int row)
{
    // A list that reports no selected row leaves the code text as it is.
    if (row >= 0) {
        const int code = c_.keystrokes[slot].list->itemData(row).toInt();
        c_.keystrokes[slot].codeText->setText(config::decimalText(code));
    }
    CheckUpdate();
}

void Form1::InterKeyDelay_Change()
{
    keyDelayChanged(c_.InterKeyDelay);
}

void Form1::InterKeyDelayUp_Change()
{
    keyDelayChanged(c_.InterKeyDelayUp);
}

void Form1::keyDelayChanged(QLineEdit *box)
{
    const config::BoundedField field = box == c_.InterKeyDelay ? config::BoundedField::InterKeyDelay
                                                               : config::BoundedField::InterKeyDelayUp;
    const double delay = config::leadingNumber(box->text());
    if (!config::withinBounds(field, delay)) {
        // Runs this handler again, nested: it finds 0 and compares before
        // the message is shown.
        box->setText(QStringLiteral("0"));
        ask(ui::noticeBox(QStringLiteral("Delay must be in the range of 0-255 seconds!"),
                          ui::applicationTitle()));
    }
    CheckUpdate();
}

void Form1::validateRange(QLineEdit *box, double lower, double upper, const QString &message,
                          const QString &resetValue)
{
    const double value = config::leadingNumber(box->text());
    if (value < lower || value > upper) {
        ask(ui::stopBox(message, QStringLiteral("Zelvora Parameter")));
        box->setText(resetValue);
    }
    CheckUpdate();
}
