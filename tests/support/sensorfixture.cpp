#include "sensorfixture.h"

#include "fakemessageboxes.h"
#include "form1.h"

#include <QTest>

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

namespace fixture {

kv3sim::Configuration sampleConfiguration()
{
    kv3sim::Configuration c;
    c.sonar = {5, 11, 12, 13, 40, 7, 3, 2};
    c.idle = {21, 30, 0x81, 76, 22, 23, 24, 25};
    c.walkAway = {2, 4, {5, 0, 0x88, 0, 2, 9}, 31, 32, {76, 14, 255, 0, 50, 77}};
    c.walkUp = {1, 2, {1, 0, 0, 0, 0, 3}, 41, 42, {175, 0, 49, 0, 51, 99}};
    return c;
}

void reset(const kv3sim::Settings &settings)
{
    kv3sim::reset(settings);
    kv3sim::setTraceEnabled(true);
}

void resetSensor(const kv3sim::Configuration &stored, std::vector<kv3sim::Failure> failures)
{
    kv3sim::Settings settings;
    settings.heldRange = 30;
    settings.failures = std::move(failures);
    fixture::reset(settings);
    kv3sim::setStored(stored);
}

std::unique_ptr<Form1> openWindow(FakeMessageBoxes &boxes)
{
    resetSensor();
    auto form = std::make_unique<Form1>(boxes);
    form->show();
    (void)QTest::qWaitForWindowActive(form.get());
    boxes.clear();
    kv3sim::clearTrace();
    return form;
}

std::unique_ptr<Form1> openUnpluggedWindow(FakeMessageBoxes &boxes)
{
    kv3sim::Settings unplugged;
    unplugged.unplugged = true;
    kv3sim::reset(unplugged);
    auto form = std::make_unique<Form1>(boxes);
    form->show();
    return form;
}

QString errorPrompt(const QString &status)
{
    return QStringLiteral("An error >") + status +
           QStringLiteral(" < was encountered.  Do you want to continue ?");
}

QStringList calledFunctions()
{
    QStringList names;
    for (const std::string &line : kv3sim::trace())
        names.append(QString::fromStdString(line).section(QLatin1Char(' '), 0, 0));
    return names;
}

int callsOf(const char *function)
{
    return static_cast<int>(calledFunctions().count(QLatin1String(function)));
}

QLineEdit *text(const QWidget *form, const QString &name)
{
    return form->findChild<QLineEdit *>(name);
}

QCheckBox *box(const QWidget *form, const QString &name)
{
    return form->findChild<QCheckBox *>(name);
}

QComboBox *list(const QWidget *form, int number)
{
    return form->findChild<QComboBox *>(QStringLiteral("Combo%1").arg(number));
}

QCheckBox *modifierBox(const QWidget *form, int bit, int slot)
{
    return box(form, QStringLiteral("Key1Mods%1(%2)").arg(bit).arg(slot));
}

} // namespace fixture
