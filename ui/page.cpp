#include "page.h"

#include "focusleave.h"
#include "keylist.h"
#include "numbers.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>

namespace ui {

QString rangeMessage(const config::NumberSetting &field)
{
    return QCoreApplication::translate("Form1", field.rangeMessage)
        .arg(field.bounds.lower)
        .arg(field.bounds.upper);
}

Page::Page(QObject *window, const PageServices &services) : QObject(window), services_(services)
{
}

void Page::bindLeavingChecks(config::Page page)
{
    for (const config::NumberSetting &field : config::kNumbers) {
        if (field.page != page || field.check != config::Check::OnLeaving)
            continue;
        QLineEdit *box = controls().number(field);
        services_.watchers->push_back(
            new FocusLeaveWatcher(box, [this, box, &field] { checkRange(box, field); }));
    }
}

// A value out of bounds is refused with a stop box, and the box is reset.
void Page::checkRange(QLineEdit *box, const config::NumberSetting &field)
{
    if (!field.bounds.holds(config::leadingNumber(box->text()))) {
        services_.ask(stopBox(rangeMessage(field), QCoreApplication::translate("Form1", "Zelvora Parameter")));
        box->setText(config::decimalText(config::resetValue(field)));
    }
    services_.compareWithSensor();
}

namespace {

// A list that reports no selected row leaves the code text as it is.
void keyChosen(const PageServices &services, int slot, int row)
{
    const config::KeystrokeSlot &keystroke = services.controls->keystrokes[slot];
    if (row >= 0) {
        const int code = keystroke.list->itemData(row).toInt();
        keystroke.codeText->setText(config::decimalText(code));
    }
    services.compareWithSensor();
}

} // namespace

void bindKeystrokeSlot(QObject *owner, const PageServices &services, int slot, bool withList)
{
    const config::KeystrokeSlot &keystroke = services.controls->keystrokes[slot];
    for (QCheckBox *box : keystroke.mods)
        QObject::connect(box, &QCheckBox::toggled, owner,
                         [&services] { services.compareWithSensor(); });
    if (withList) {
        auto *list = static_cast<KeyList *>(keystroke.list);
        QObject::connect(list, &KeyList::rowChosen, owner,
                         [&services, slot](int row) { keyChosen(services, slot, row); });
    }
}

} // namespace ui
