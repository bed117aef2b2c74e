#include "desktops.h"

#include "keystroke.h"
#include "readable.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStandardPaths>

namespace ctl {

namespace {

// The walk-up keystroke of every desktop preset: a lone left Ctrl. It wakes
// a blanked screen and brings up the unlock prompt of each desktop's locker
// without typing into it, and does nothing in an unlocked session. Shift
// would not do: GNOME Shell's unlock dialog ignores Shift and Caps Lock so
// that they may start a password (js/ui/unlockDialog.js, gnome-shell 43).
constexpr config::Keystroke kWakeKeystroke = {0, config::LeftCtrl};

// --- Shortcuts as the desktops write them -------------------------------------

struct ModifierName {
    const char *name; // lower case
    int bit;
};

// GTK's accelerator modifiers that the sensor can press, by the left key.
constexpr ModifierName kGtkModifiers[] = {
    {"control", config::LeftCtrl}, {"ctrl", config::LeftCtrl}, {"ctl", config::LeftCtrl},
    {"primary", config::LeftCtrl}, {"shift", config::LeftShift}, {"shft", config::LeftShift},
    {"alt", config::LeftAlt},      {"mod1", config::LeftAlt},    {"super", config::LeftGui},
    {"mod4", config::LeftGui},
};

// Qt's key sequence modifiers; "num" marks a keypad key.
constexpr int kKeypad = 0x100;
constexpr ModifierName kQtModifiers[] = {
    {"ctrl", config::LeftCtrl}, {"shift", config::LeftShift}, {"alt", config::LeftAlt},
    {"meta", config::LeftGui},  {"num", kKeypad},
};

// Keys other than letters, digits and F1 to F12, by their X keysym name
// (GTK) and their name in Qt's key sequences, with the key table's code.
// Codes from 128 on are the shifted keys.
struct NamedKey {
    int code;
    const char *gtk; // nullptr: Qt's name alone
    const char *qt;  // nullptr: GTK's name alone
    bool keypad;     // Qt writes it after "Num+"; GTK's names say it
};

constexpr NamedKey kNamedKeys[] = {
    {40, "Return", "Return", false},     {41, "Escape", "Esc", false},
    {41, nullptr, "Escape", false},      {42, "BackSpace", "Backspace", false},
    {43, "Tab", "Tab", false},           {44, "space", "Space", false},
    {45, "minus", "-", false},           {46, "equal", "=", false},
    {47, "bracketleft", "[", false},     {48, "bracketright", "]", false},
    {49, "backslash", "\\", false},      {51, "semicolon", ";", false},
    {52, "apostrophe", "'", false},      {53, "grave", "`", false},
    {54, "comma", ",", false},           {55, "period", ".", false},
    {56, "slash", "/", false},           {70, "Print", "Print", false},
    {71, "Scroll_Lock", "ScrollLock", false}, {73, "Insert", "Ins", false},
    {73, nullptr, "Insert", false},      {74, "Home", "Home", false},
    {75, "Page_Up", "PgUp", false},      {75, "Prior", nullptr, false},
    {76, "Delete", "Del", false},        {76, nullptr, "Delete", false},
    {77, "End", "End", false},           {78, "Page_Down", "PgDown", false},
    {78, "Next", nullptr, false},        {79, "Right", "Right", false},
    {80, "Left", "Left", false},         {81, "Down", "Down", false},
    {82, "Up", "Up", false},             {84, "KP_Divide", "/", true},
    {85, "KP_Multiply", "*", true},      {86, "KP_Subtract", "-", true},
    {87, "KP_Add", "+", true},           {88, "KP_Enter", "Enter", true},
    {158, "exclam", "!", false},         {159, "at", "@", false},
    {160, "numbersign", "#", false},     {161, "dollar", "$", false},
    {162, "percent", "%", false},        {163, "asciicircum", "^", false},
    {164, "ampersand", "&", false},      {165, "asterisk", "*", false},
    {166, "parenleft", "(", false},      {167, "parenright", ")", false},
    {173, "underscore", "_", false},     {174, "plus", "+", false},
    {175, "braceleft", "{", false},      {176, "braceright", "}", false},
    {177, "bar", "|", false},            {179, "colon", ":", false},
    {180, "quotedbl", "\"", false},      {181, "asciitilde", "~", false},
    {182, "less", "<", false},           {183, "greater", ">", false},
    {184, "question", "?", false},
};

// A message kept in English for JSON beside its translation for people.
i18n::Message tr(const char *text)
{
    return i18n::Message("ostraval-ctl", text);
}

int modifierBit(const QString &name, AcceleratorSyntax syntax)
{
    const auto find = [&name](const auto &table) {
        for (const ModifierName &modifier : table)
            if (name.compare(QLatin1String(modifier.name), Qt::CaseInsensitive) == 0)
                return modifier.bit;
        return 0;
    };
    return syntax == AcceleratorSyntax::Gtk ? find(kGtkModifiers) : find(kQtModifiers);
}

// The key table's code of a key name; 0 when the sensor has no such key.
int keyCode(const QString &name, AcceleratorSyntax syntax, bool keypad)
{
    if (name.size() == 1 && name.at(0).isLetter() && name.at(0).toLower() >= QLatin1Char('a') &&
        name.at(0).toLower() <= QLatin1Char('z') && !keypad)
        return 4 + (name.at(0).toLower().unicode() - 'a');
    if (name.size() == 1 && name.at(0) >= QLatin1Char('1') && name.at(0) <= QLatin1Char('9') && !keypad)
        return 30 + (name.at(0).unicode() - '1');
    if (name == QLatin1String("0") && !keypad)
        return 39;
    if (name.startsWith(QLatin1Char('F'), Qt::CaseInsensitive) && !keypad) {
        bool isNumber = false;
        const int number = name.mid(1).toInt(&isNumber);
        if (isNumber && number >= 1 && number <= 12 && name.mid(1) == QString::number(number))
            return 57 + number;
    }
    for (const NamedKey &key : kNamedKeys) {
        const char *own = syntax == AcceleratorSyntax::Gtk ? key.gtk : key.qt;
        if (own && (syntax == AcceleratorSyntax::Gtk || key.keypad == keypad) &&
            name.compare(QString::fromLatin1(own), Qt::CaseInsensitive) == 0)
            return key.code;
    }
    return 0;
}

// "<Control><Alt>l": modifiers in angle brackets, then the key's keysym name.
std::optional<config::Keystroke> gtkKeystroke(const QString &accelerator, i18n::Message &why)
{
    config::Keystroke keystroke;
    QString rest = accelerator.trimmed();
    while (rest.startsWith(QLatin1Char('<'))) {
        const qsizetype close = rest.indexOf(QLatin1Char('>'));
        const QString name = rest.mid(1, close - 1);
        const int bit = close < 0 ? 0 : modifierBit(name, AcceleratorSyntax::Gtk);
        if (bit == 0) {
            why = tr(QT_TRANSLATE_NOOP("ostraval-ctl", "the sensor has no key for the modifier <%1>")).arg(name);
            return std::nullopt;
        }
        keystroke.mods |= bit;
        rest = rest.mid(close + 1);
    }
    keystroke.code = keyCode(rest, AcceleratorSyntax::Gtk, false);
    if (keystroke.code == 0) {
        why = rest.isEmpty() ? tr(QT_TRANSLATE_NOOP("ostraval-ctl", "it names no key")) : tr(QT_TRANSLATE_NOOP("ostraval-ctl", "the sensor has no key \"%1\"")).arg(rest);
        return std::nullopt;
    }
    return keystroke;
}

// "Meta+L", "Ctrl+Alt+L", "Ctrl++": modifiers joined by "+", the key last.
std::optional<config::Keystroke> qtKeystroke(const QString &accelerator, i18n::Message &why)
{
    const QString text = accelerator.trimmed();
    const bool plusKey = text.endsWith(QLatin1String("++")) || text == QLatin1String("+");
    const qsizetype split = plusKey ? text.size() - 1 : text.lastIndexOf(QLatin1Char('+'));
    const QString key = text.mid(split + 1);
    const QString modifiers = split > 0 ? text.left(split) : QString();
    config::Keystroke keystroke;
    for (const QString &name : modifiers.split(QLatin1Char('+'), Qt::SkipEmptyParts)) {
        const int bit = modifierBit(name, AcceleratorSyntax::Qt);
        if (bit == 0) {
            why = tr(QT_TRANSLATE_NOOP("ostraval-ctl", "the sensor has no key for the modifier %1")).arg(name);
            return std::nullopt;
        }
        keystroke.mods |= bit;
    }
    const bool keypad = keystroke.mods & kKeypad;
    keystroke.mods &= ~kKeypad;
    keystroke.code = keyCode(plusKey ? QStringLiteral("+") : key, AcceleratorSyntax::Qt, keypad);
    if (keystroke.code == 0) {
        why = key.isEmpty() ? tr(QT_TRANSLATE_NOOP("ostraval-ctl", "it names no key")) : tr(QT_TRANSLATE_NOOP("ostraval-ctl", "the sensor has no key \"%1\"")).arg(key);
        return std::nullopt;
    }
    return keystroke;
}

// --- Reading the running desktop's shortcut -----------------------------------

// The lock shortcuts a desktop holds for the user, or why they cannot be
// read. An empty list: the desktop has none.
struct ShortcutReading {
    std::optional<QStringList> shortcuts;
    QString where;   // what was read, for messages
    i18n::Message failure; // why it could not be read
};

// Runs a program looked up on PATH; its standard output, or why not.
std::optional<QString> runProgram(const QString &program, const QStringList &arguments, i18n::Message &failure)
{
    const QString path = QStandardPaths::findExecutable(program);
    if (path.isEmpty()) {
        failure = tr(QT_TRANSLATE_NOOP("ostraval-ctl", "%1 is not installed")).arg(program);
        return std::nullopt;
    }
    QProcess process;
    process.start(path, arguments);
    process.closeWriteChannel();
    if (!process.waitForFinished(10000)) {
        process.kill();
        process.waitForFinished();
        failure = tr(QT_TRANSLATE_NOOP("ostraval-ctl", "%1 did not answer")).arg(program);
        return std::nullopt;
    }
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        const QString said = QString::fromLocal8Bit(process.readAllStandardError()).trimmed().section(QLatin1Char('\n'), 0, 0);
        failure = said.isEmpty() ? tr(QT_TRANSLATE_NOOP("ostraval-ctl", "%1 failed")).arg(program) : tr(QT_TRANSLATE_NOOP("ostraval-ctl", "%1 failed: %2")).arg(program).arg(said);
        return std::nullopt;
    }
    return QString::fromLocal8Bit(process.readAllStandardOutput());
}

// The strings of a GVariant as gsettings prints it: 'one', ['one', 'two'],
// @as []; an empty one or "disabled" is no shortcut.
QStringList quotedStrings(const QString &text)
{
    QStringList strings;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar quote = text.at(i);
        if (quote != QLatin1Char('\'') && quote != QLatin1Char('"'))
            continue;
        QString string;
        for (++i; i < text.size() && text.at(i) != quote; ++i) {
            if (text.at(i) == QLatin1Char('\\') && i + 1 < text.size())
                ++i;
            string += text.at(i);
        }
        if (!string.isEmpty() && string != QLatin1String("disabled"))
            strings << string;
    }
    return strings;
}

ShortcutReading readGSettings(const DesktopPreset &desktop)
{
    const QStringList arguments = {QStringLiteral("get"), QLatin1String(desktop.schema), QLatin1String(desktop.key)};
    ShortcutReading reading;
    reading.where = QStringLiteral("gsettings ") + arguments.join(QLatin1Char(' '));
    if (const std::optional<QString> out = runProgram(QStringLiteral("gsettings"), arguments, reading.failure))
        reading.shortcuts = quotedStrings(*out);
    return reading;
}

// Xfce's shortcuts: the custom ones when the user's channel says they
// override the defaults, otherwise the defaults; each a property named by
// its shortcut whose value is the command it runs.
ShortcutReading readXfconf(const DesktopPreset &desktop)
{
    const QStringList arguments = {QStringLiteral("-c"), QLatin1String(desktop.schema), QStringLiteral("-l"),
                                   QStringLiteral("-v")};
    ShortcutReading reading;
    reading.where = QStringLiteral("xfconf-query ") + arguments.join(QLatin1Char(' '));
    const std::optional<QString> out = runProgram(QStringLiteral("xfconf-query"), arguments, reading.failure);
    if (!out)
        return reading;
    QList<std::pair<QString, QString>> properties;
    bool overridden = false;
    for (const QString &line : out->split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        const QString property = line.section(QLatin1Char(' '), 0, 0, QString::SectionSkipEmpty);
        const QString value = line.mid(line.indexOf(property) + property.size()).trimmed();
        if (property == QLatin1String("/commands/custom/override"))
            overridden = value == QLatin1String("true");
        else
            properties.append({property, value});
    }
    const QString base = overridden ? QStringLiteral("/commands/custom/") : QStringLiteral("/commands/default/");
    QStringList shortcuts;
    bool anyCommand = false;
    for (const auto &[property, value] : properties) {
        if (!property.startsWith(base))
            continue;
        anyCommand = true;
        const QString command = value.section(QLatin1Char(' '), 0, 0, QString::SectionSkipEmpty);
        if (command.section(QLatin1Char('/'), -1) == QLatin1String(desktop.key))
            shortcuts << property.mid(base.size());
    }
    if (anyCommand)
        reading.shortcuts = shortcuts;
    else
        reading.failure = tr(QT_TRANSLATE_NOOP("ostraval-ctl", "the channel holds no shortcuts under %1")).arg(base);
    return reading;
}

// A value as KConfig writes a list: elements separated by ",", with "\,",
// "\\", "\t", "\s" and "\n" escaped.
QStringList kconfigList(const QString &value)
{
    QStringList elements(1);
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value.at(i);
        if (c == QLatin1Char(',')) {
            elements << QString();
        } else if (c == QLatin1Char('\\') && i + 1 < value.size()) {
            const QChar escaped = value.at(++i);
            elements.last() += escaped == QLatin1Char('t')   ? QChar(QLatin1Char('\t'))
                               : escaped == QLatin1Char('s') ? QChar(QLatin1Char(' '))
                               : escaped == QLatin1Char('n') ? QChar(QLatin1Char('\n'))
                                                             : escaped;
        } else {
            elements.last() += c;
        }
    }
    return elements;
}

// Plasma's global shortcuts: "Lock Session=Meta+L\tCtrl+Alt+L\tScreensaver,
// <defaults>,<title>" in the group of the component, the shortcuts in use
// first; "none" when there is none.
ShortcutReading readKdeShortcuts(const DesktopPreset &desktop)
{
    QString folder = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (folder.isEmpty())
        folder = QDir::homePath() + QStringLiteral("/.config");
    ShortcutReading reading;
    reading.where = folder + QStringLiteral("/kglobalshortcutsrc");
    QFile file(reading.where);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        reading.failure = tr(QT_TRANSLATE_NOOP("ostraval-ctl", "cannot read %1")).arg(reading.where);
        return reading;
    }
    const QString group = QStringLiteral("[%1]").arg(QLatin1String(desktop.schema));
    const QString entry = QLatin1String(desktop.key) + QLatin1Char('=');
    bool inGroup = false;
    for (const QString &line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'))) {
        if (line.startsWith(QLatin1Char('[')))
            inGroup = line.trimmed() == group;
        else if (inGroup && line.startsWith(entry)) {
            const QString inUse = kconfigList(line.mid(entry.size())).first();
            QStringList shortcuts = inUse.split(QLatin1Char('\t'), Qt::SkipEmptyParts);
            shortcuts.removeAll(QStringLiteral("none"));
            reading.shortcuts = shortcuts;
            return reading;
        }
    }
    reading.failure = tr(QT_TRANSLATE_NOOP("ostraval-ctl", "%1 has no entry \"%2\" in its group %3")).arg(reading.where).arg(QLatin1String(desktop.key)).arg(group);
    return reading;
}

ShortcutReading readShortcuts(const DesktopPreset &desktop)
{
    switch (desktop.store) {
    case ShortcutStore::GSettings:
        return readGSettings(desktop);
    case ShortcutStore::Xfconf:
        return readXfconf(desktop);
    case ShortcutStore::KdeShortcuts:
        return readKdeShortcuts(desktop);
    }
    return {};
}

// The known desktop that XDG_CURRENT_DESKTOP names first.
const DesktopPreset *runningDesktop(const QString &current)
{
    for (const QString &name : current.split(QLatin1Char(':'), Qt::SkipEmptyParts))
        for (const DesktopPreset &desktop : desktopPresets())
            for (const QString &own : QString::fromLatin1(desktop.desktopNames).split(QLatin1Char(':')))
                if (name.compare(own, Qt::CaseInsensitive) == 0)
                    return &desktop;
    return nullptr;
}

QString desktopPresetNames()
{
    QStringList names;
    for (const DesktopPreset &desktop : desktopPresets())
        names << QLatin1String(desktop.name);
    return names.join(QStringLiteral(", "));
}

ResolvedPreset desktopPreset(const DesktopPreset &desktop, const QString &shortcut, const config::Keystroke &lock)
{
    ResolvedPreset preset;
    preset.name = QLatin1String(desktop.name);
    preset.title = QLatin1String(desktop.title);
    preset.shortcut = shortcut;
    preset.walkAway[0] = lock;
    preset.walkUp[0] = kWakeKeystroke;
    return preset;
}

// The preset of the running desktop: its own lock shortcut, the first of
// them that the sensor can type, or its default when they cannot be read.
std::optional<ResolvedPreset> thisDesktop(QList<i18n::Message> &warnings, i18n::Message &why)
{
    const QString current = qEnvironmentVariable("XDG_CURRENT_DESKTOP");
    const DesktopPreset *desktop = runningDesktop(current);
    if (!desktop) {
        why = current.isEmpty()
                  ? tr(QT_TRANSLATE_NOOP("ostraval-ctl", "this-desktop reads the lock shortcut of the desktop session it runs in, but "
                       "XDG_CURRENT_DESKTOP is not set; run it in the session, or name the desktop's preset "
                       "(%1)"))
                        .arg(desktopPresetNames())
                  : tr(QT_TRANSLATE_NOOP("ostraval-ctl", "this-desktop knows the lock shortcuts of %1, but XDG_CURRENT_DESKTOP is \"%2\"; name "
                       "the preset of a desktop that locks with the same keys, or set the keys with set"))
                        .arg(desktopPresetNames()).arg(profile::readable(current));
        return std::nullopt;
    }
    const QString title = QLatin1String(desktop->title);
    const ShortcutReading reading = readShortcuts(*desktop);
    if (!reading.shortcuts) {
        warnings << tr(QT_TRANSLATE_NOOP("ostraval-ctl", "cannot read %1's lock shortcut (%2: %3); using its default, %4"))
                        .arg(title).arg(reading.where).arg(reading.failure).arg(QLatin1String(desktop->defaultShortcut));
        i18n::Message unused;
        const QString shortcut = QLatin1String(desktop->defaultShortcut);
        return desktopPreset(*desktop, shortcut, *keystrokeOfAccelerator(shortcut, desktop->syntax, unused));
    }
    if (reading.shortcuts->isEmpty()) {
        why = tr(QT_TRANSLATE_NOOP("ostraval-ctl", "%1 has no keyboard shortcut that locks the screen (%2); give it one in its keyboard "
                 "settings and run this again, or name a preset"))
                  .arg(title).arg(reading.where);
        return std::nullopt;
    }
    QStringList reasonsInEnglish;
    QStringList reasonsShown;
    for (const QString &shortcut : *reading.shortcuts) {
        i18n::Message reason;
        if (const auto lock = keystrokeOfAccelerator(shortcut, desktop->syntax, reason)) {
            ResolvedPreset preset = desktopPreset(*desktop, shortcut, *lock);
            preset.shortcutRead = true;
            return preset;
        }
        const QString named = profile::readable(shortcut) + QStringLiteral(": ");
        reasonsInEnglish << named + reason.english();
        reasonsShown << named + reason.shown();
    }
    why = tr(QT_TRANSLATE_NOOP("ostraval-ctl", "the sensor cannot type %1's lock shortcut (%2; read from %3); give the desktop a lock shortcut "
             "of letters, digits or keys such as Delete with Ctrl, Alt, Shift or Super, or name a preset"))
              .arg(title)
              .arg(i18n::Message::both(reasonsInEnglish.join(QStringLiteral("; ")), reasonsShown.join(QStringLiteral("; "))))
              .arg(reading.where);
    return std::nullopt;
}

} // namespace

const QList<DesktopPreset> &desktopPresets()
{
    static const QList<DesktopPreset> kDesktops = {
        {"gnome", "GNOME", "GNOME", "<Super>l", AcceleratorSyntax::Gtk, ShortcutStore::GSettings,
         "org.gnome.settings-daemon.plugins.media-keys", "screensaver",
         "gnome-settings-daemon-common 43: /usr/share/glib-2.0/schemas/"
         "org.gnome.settings-daemon.plugins.media-keys.gschema.xml, key screensaver, default ['<Super>l']"},
        {"plasma", "KDE Plasma", "KDE", "Meta+L", AcceleratorSyntax::Qt, ShortcutStore::KdeShortcuts, "ksmserver",
         "Lock Session",
         "libkscreenlocker5 5.27 (kscreenlocker): the global shortcut \"Lock Session\" of the component "
         "ksmserver, defaults Meta+L, Ctrl+Alt+L and Screensaver (KScreenSaverSettings::defaultShortcuts)"},
        {"xfce", "Xfce", "XFCE", "<Primary><Alt>l", AcceleratorSyntax::Gtk, ShortcutStore::Xfconf,
         "xfce4-keyboard-shortcuts", "xflock4",
         "libxfce4ui-common 4.18: /etc/xdg/xfce4/xfconf/xfce-perchannel-xml/xfce4-keyboard-shortcuts.xml, "
         "property /commands/default/<Primary><Alt>l, command xflock4"},
        {"cinnamon", "Cinnamon", "X-Cinnamon:Cinnamon", "<Control><Alt>l", AcceleratorSyntax::Gtk,
         ShortcutStore::GSettings, "org.cinnamon.desktop.keybindings.media-keys", "screensaver",
         "cinnamon-desktop-data 5.6: /usr/share/glib-2.0/schemas/"
         "org.cinnamon.desktop.keybindings.media-keys.gschema.xml, key screensaver, default "
         "['<Control><Alt>l', 'XF86ScreenSaver']"},
        {"mate", "MATE", "MATE", "<Control><Alt>l", AcceleratorSyntax::Gtk, ShortcutStore::GSettings,
         "org.mate.SettingsDaemon.plugins.media-keys", "screensaver",
         "mate-settings-daemon-common 1.26: /usr/share/glib-2.0/schemas/"
         "org.mate.SettingsDaemon.plugins.media-keys.gschema.xml, key screensaver, default '<Control><Alt>l'"},
    };
    return kDesktops;
}

QStringList presetNames()
{
    QStringList names;
    for (const DesktopPreset &desktop : desktopPresets())
        names << QLatin1String(desktop.name);
    for (const config::LogonPreset &logon : config::kLogonPresets)
        names << QLatin1String(logon.name);
    return names << QLatin1String(kThisDesktop);
}

std::optional<config::Keystroke> keystrokeOfAccelerator(const QString &accelerator, AcceleratorSyntax syntax,
                                                        i18n::Message &why)
{
    std::optional<config::Keystroke> keystroke =
        syntax == AcceleratorSyntax::Gtk ? gtkKeystroke(accelerator, why) : qtKeystroke(accelerator, why);
    if (keystroke && profile::keyName(keystroke->code).isEmpty()) {
        why = tr(QT_TRANSLATE_NOOP("ostraval-ctl", "the sensor's key table has no key with code %1")).arg(keystroke->code);
        return std::nullopt;
    }
    return keystroke;
}

std::optional<ResolvedPreset> resolvePreset(const QString &name, QList<i18n::Message> &warnings, i18n::Message &why)
{
    if (name == QLatin1String(kThisDesktop))
        return thisDesktop(warnings, why);
    for (const DesktopPreset &desktop : desktopPresets()) {
        if (name != QLatin1String(desktop.name))
            continue;
        const QString shortcut = QLatin1String(desktop.defaultShortcut);
        return desktopPreset(desktop, shortcut, *keystrokeOfAccelerator(shortcut, desktop.syntax, why));
    }
    for (const config::LogonPreset &logon : config::kLogonPresets) {
        if (name != QLatin1String(logon.name))
            continue;
        ResolvedPreset preset;
        preset.name = name;
        preset.title = QLatin1String(logon.caption);
        preset.walkAway = config::storedSequence(logon.keys->walkAway, logon.keys->walkAwaySet);
        preset.walkUp = config::storedSequence(logon.keys->walkUp, logon.keys->walkUpSet);
        return preset;
    }
    why = tr(QT_TRANSLATE_NOOP("ostraval-ctl", "there is no preset \"%1\"; the presets are %2"))
              .arg(profile::readable(name))
              .arg(presetNames().join(QStringLiteral(", ")));
    return std::nullopt;
}

} // namespace ctl
