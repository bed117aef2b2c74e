// Start-up, connection and error reporting.
#include "form1.h"

#include "exchange.h"
#include "keytable.h"
#include "reading.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>

namespace ui {

QString applicationTitle()
{
    return QStringLiteral("Ostraval");
}

QString programVersion()
{
    return QStringLiteral("%1.%2").arg(OSTRAVAL_VERSION_MAJOR).arg(OSTRAVAL_VERSION_MINOR);
}

namespace {

// A digit as the version text shows it: one blank in the sign position of a
// non-negative number, so 10 to 15 take two digits.
QString versionDigit(int32_t digit)
{
    return digit < 0 ? QString::number(digit) : QLatin1Char(' ') + QString::number(digit);
}

} // namespace

QString firmwareText(int32_t version)
{
    const int32_t d3 = (version & ~int32_t{0xFFF}) / 4096;
    const int32_t d2 = (version & 0xF00) / 256;
    const int32_t d1 = (version & 0xF0) / 16;
    const int32_t d0 = version & 0xF;
    return QStringLiteral("v ") + versionDigit(d3) + versionDigit(d2) + QLatin1Char('.') +
           versionDigit(d1) + versionDigit(d0);
}

} // namespace ui

void Form1::Form_Load()
{
    c_.ConfigChanged->setChecked(false);
    state_.FirstLoad = 1;
    state_.DeviceUpdated = true;
    w_.lblTitle->setText(ui::applicationTitle());
    w_.lblVersion->setText(ui::programVersion());

    FillComboList();
    FillCombo2List();
    FillCombo3List();
    FillCombo4List();
    FillCombo5List();

    ErReason(QStringLiteral("Ok"));
    w_.CheckCnct->setChecked(true);

    const std::optional<int32_t> version = exchange::window::connect(errorReporter());
    if (!version)
        return;
    connected_ = true;
    w_.Text1->setText(ui::firmwareText(*version));
    w_.Text1->setCursorPosition(0);

    if (exchange::window::loadStored(errorReporter()))
        ReadConfig();
}

void Form1::ErReason(const QString &operation)
{
    // Change detection reports a failed range read under this name; the
    // range is not configuration, so that failure stays silent.
    if (operation == QLatin1String("USB range"))
        return;
    const int32_t error = exchange::lastError();
    w_.LastErr->setText(operation + QLatin1Char(' ') + QString::number(error));
    if (error != 0)
        //: %1 is the failed operation's name and the sensor's error number ("USB Connect 7")
        ask(ui::stopBox(tr("An error >%1 < was encountered.  Do you want to continue ?")
                            .arg(w_.LastErr->text()),
                        tr("Zelvora USB Device Error")));
}

namespace {

// Gives `list` the rows that `filled` holds in the same order: the two share
// one item model, which spares building 104 items for every list. As when
// the rows are appended, no row is selected and no handler runs.
void shareKeyRows(QComboBox *list, QComboBox *filled)
{
    const QSignalBlocker blocker(list);
    list->setModel(filled->model());
    list->setCurrentIndex(-1);
}

} // namespace

void Form1::FillComboList()
{
    config::appendKeyRows(c_.keystrokes[0].list, config::standardKeyRows());
}

// The lists in standard order share Combo1's rows.
void Form1::FillCombo2List()
{
    shareKeyRows(c_.keystrokes[1].list, c_.keystrokes[0].list);
}

void Form1::FillCombo3List()
{
    for (int slot = 2; slot <= 6; ++slot) // Combo3 ... Combo7
        shareKeyRows(c_.keystrokes[slot].list, c_.keystrokes[0].list);
}

void Form1::FillCombo4List()
{
    for (int slot = 7; slot <= 9; ++slot) // Combo8 ... Combo10
        shareKeyRows(c_.keystrokes[slot].list, c_.keystrokes[0].list);
}

void Form1::FillCombo5List()
{
    config::appendKeyRows(c_.keystrokes[10].list, config::combo11KeyRows());
    shareKeyRows(c_.keystrokes[11].list, c_.keystrokes[0].list);
}

void Form1::ReadConfig()
{
    config::readConfig(c_, state_, errorReporter());
}
