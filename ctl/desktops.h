// The keystroke presets of ostraval-ctl's preset command: the Linux
// desktops' own lock and wake keys, and the window's logon presets; and the
// running desktop's lock shortcut, read in the user's session.
#pragma once

#include "presets.h"

#include "catalogues.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace ctl {

// How a desktop writes its shortcuts.
enum class AcceleratorSyntax {
    Gtk, // "<Control><Alt>l": GNOME, Cinnamon, MATE, Xfce
    Qt,  // "Meta+L": Plasma
};

// Where a desktop keeps the user's lock shortcut.
enum class ShortcutStore {
    GSettings,     // gsettings get SCHEMA KEY
    Xfconf,        // xfconf-query: the shortcut whose command is KEY
    KdeShortcuts,  // kglobalshortcutsrc, group SCHEMA, entry KEY
};

struct DesktopPreset {
    const char *name;         // ostraval-ctl's name for it
    const char *title;        // for people
    const char *desktopNames; // its names in XDG_CURRENT_DESKTOP, separated by ':'
    // The lock shortcut as the desktop ships it, in its own syntax; the
    // preset's walk-away keystroke is read from it.
    const char *defaultShortcut;
    AcceleratorSyntax syntax;
    ShortcutStore store;
    const char *schema;
    const char *key;
    const char *source; // the package and file the default comes from
};

const QList<DesktopPreset> &desktopPresets();

// The name of the preset that reads the running desktop's own shortcut.
inline constexpr const char *kThisDesktop = "this-desktop";

// A preset's keystroke sequences, ready to be laid over the sensor's.
struct ResolvedPreset {
    QString name;     // as asked for
    QString title;    // the desktop's or the window's name for it
    QString shortcut; // the lock shortcut in the desktop's syntax; empty for a logon preset
    bool shortcutRead = false; // read from the running desktop, not its default
    config::KeySequence walkAway{};
    config::KeySequence walkUp{};
};

// The preset of that name. For this-desktop it reads the running desktop's
// lock shortcut, falling back to the desktop's default with a warning
// (`warnings`) when it cannot be read. Nothing, and why in `why`, for an
// unknown name, an unknown desktop, or a shortcut the sensor cannot type.
std::optional<ResolvedPreset> resolvePreset(const QString &name, QList<i18n::Message> &warnings, i18n::Message &why);

// Every preset's name, this-desktop last.
QStringList presetNames();

// A shortcut in a desktop's syntax as the keystroke the sensor types; why
// not in `why`.
std::optional<config::Keystroke> keystrokeOfAccelerator(const QString &accelerator, AcceleratorSyntax syntax,
                                                        i18n::Message &why);

} // namespace ctl
