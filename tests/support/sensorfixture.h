// What the window's tests share about the simulated sensor: a stored
// configuration with a value in every field, the trace as function names,
// and finding the window's controls by name.
#pragma once

#include "kv3sim.h"

#include <QString>
#include <QStringList>
#include <QWidget>

#include <memory>

class FakeMessageBoxes;
class Form1;

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace fixture {

// A configuration in which every field shown holds its own value.
kv3sim::Configuration sampleConfiguration();

// A fresh sensor with these settings, its call trace switched on.
void reset(const kv3sim::Settings &settings = {});

// A fresh, connected-on-start sensor holding `stored`, its distance held at
// 30 inches; failures as given; its call trace switched on.
void resetSensor(const kv3sim::Configuration &stored = sampleConfiguration(),
                 std::vector<kv3sim::Failure> failures = {});

// A fresh sensor holding the sample configuration and the window started
// on it, shown and active; the boxes and the trace of start-up cleared.
std::unique_ptr<Form1> openWindow(FakeMessageBoxes &boxes);

// The window started with no sensor attached, and shown: nothing read
// replaces the controls' start contents.
std::unique_ptr<Form1> openUnpluggedWindow(FakeMessageBoxes &boxes);

// The error box's prompt for a status text such as "USB reset 2".
QString errorPrompt(const QString &status);

// The names of the library calls since the trace was last cleared.
QStringList calledFunctions();
// How many times a function was called since the trace was last cleared.
int callsOf(const char *function);

QLineEdit *text(const QWidget *form, const QString &name);
QCheckBox *box(const QWidget *form, const QString &name);
QComboBox *list(const QWidget *form, int number); // Combo1 ... Combo12
// The modifier box of bit value `bit` at slot index `slot`.
QCheckBox *modifierBox(const QWidget *form, int bit, int slot);

} // namespace fixture
