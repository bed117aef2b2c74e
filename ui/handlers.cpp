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
#include "settings.h"
#include "focusleave.h"
#include "keylist.h"
#include "numbers.h"

#include <QCheckBox>
#include <QLineEdit>

namespace {

// A check's message, its bounds put in.
QString rangeMessage(const config::NumberSetting &field)
{
    return QString::fromLatin1(field.rangeMessage).arg(field.bounds.lower).arg(field.bounds.upper);
}

} // namespace

void Form1::bindHandlers()
{
    for (QCheckBox *led : c_.leds)
        connect(led, &QCheckBox::toggled, this, [this] { LedBox_Click(); });

    for (int slot = 0; slot < config::kSlotCount; ++slot)
        for (QCheckBox *box : c_.keystrokes[slot].mods)
            connect(box, &QCheckBox::toggled, this, [this, slot] { KeyMods_Click(slot); });

    // The sixth keystroke's list has no handler.
    for (int slot = 0; slot < config::kSixthSlot; ++slot) {
        auto *list = static_cast<ui::KeyList *>(c_.keystrokes[slot].list);
        connect(list, &ui::KeyList::rowChosen, this, [this, slot](int row) { Combo_Click(slot, row); });
    }

    connect(c_.number(config::Numeric::WalkAwayKeyDelay), &QLineEdit::textChanged, this,
            [this] { InterKeyDelay_Change(); });
    connect(c_.number(config::Numeric::WalkUpKeyDelay), &QLineEdit::textChanged, this,
            [this] { InterKeyDelayUp_Change(); });

    bindValidation();
    bindButtons();
}

// The boxes checked when the focus leaves them, as the settings table names them.
void Form1::bindValidation()
{
    for (const config::NumberSetting &field : config::kNumbers) {
        if (field.check != config::Check::OnLeaving)
            continue;
        QLineEdit *box = c_.number(field);
        watchers_.push_back(new ui::FocusLeaveWatcher(box, [this, box, &field] {
            validateRange(box, field.bounds.lower, field.bounds.upper, rangeMessage(field),
                          config::decimalText(config::resetValue(field)));
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
    keyDelayChanged(c_.number(config::Numeric::WalkAwayKeyDelay));
}

void Form1::InterKeyDelayUp_Change()
{
    keyDelayChanged(c_.number(config::Numeric::WalkUpKeyDelay));
}

void Form1::keyDelayChanged(QLineEdit *box)
{
    const config::NumberSetting &field = config::setting(
        box == c_.number(config::Numeric::WalkAwayKeyDelay) ? config::Numeric::WalkAwayKeyDelay
                                                            : config::Numeric::WalkUpKeyDelay);
    const double delay = config::leadingNumber(box->text());
    if (!field.bounds.holds(delay)) {
        // Runs this handler again, nested: it finds 0 and compares before
        // the message is shown.
        box->setText(config::decimalText(config::resetValue(field)));
        ask(ui::noticeBox(rangeMessage(field), ui::applicationTitle()));
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
