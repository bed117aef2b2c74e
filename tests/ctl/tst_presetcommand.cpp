// ostraval-ctl preset as a process against the simulated sensor: the keys of
// each preset, nothing else changed, the answers of import, and the running
// desktop's lock shortcut read through stand-ins for gsettings, xfconf-query
// and Plasma's shortcut file.
#include "kv3sim.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

struct Result {
    int exitCode = -1;
    QJsonObject answer; // the one JSON object on standard output
    QString out;
    QString err;
};

QJsonArray keysOf(const QJsonObject &profile, const char *section)
{
    return profile.value(QLatin1String(section)).toObject().value("keys").toArray();
}

// The profile without the keys of both sequences.
QJsonObject withoutKeys(QJsonObject profile)
{
    for (const char *section : {"walk_away", "walk_up"}) {
        QJsonObject keys = profile.value(QLatin1String(section)).toObject();
        keys.remove("keys");
        profile[QLatin1String(section)] = keys;
    }
    return profile;
}

QJsonArray json(const char *text)
{
    return QJsonDocument::fromJson(text).array();
}

} // namespace

class TestPresetCommand : public QObject {
    Q_OBJECT

private slots:
    void init();
    void presetSetsOnlyTheKeys_data();
    void presetSetsOnlyTheKeys();
    void answersAsImportDoes();
    void profileKeysAreReplaced();
    void listNamesEveryPreset();
    void refusalsSendNothing_data();
    void refusalsSendNothing();
    void thisDesktopReadsTheLockShortcut_data();
    void thisDesktopReadsTheLockShortcut();

private:
    Result run(const QStringList &arguments, const QStringList &environment = {}, const QByteArray &input = {});
    void writeFile(const QString &name, const QByteArray &bytes, bool executable = false);
    QByteArray state() const;
    QString path(const QString &name) const { return dir_->filePath(name); }

    std::unique_ptr<QTemporaryDir> dir_;
};

void TestPresetCommand::init()
{
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid());
    QVERIFY(QDir().mkpath(path("bin")) && QDir().mkpath(path("home/.config")));
    // Every other setting away from its factory value, and the sixth
    // keystrokes held, so that a preset touching them shows.
    kv3sim::Configuration c = kv3sim::factoryDefaults();
    c.sonar.MaxDist = 40;
    c.sonar.ORDBTm = 9;
    c.idle.PressRate = 3;
    c.idle.KeyCode = 71;
    c.walkAway.InterKeyDelay = 4;
    c.walkAway.KeyCode[1] = 30;
    c.walkAway.KeyCode[5] = 12;
    c.walkAway.KeyCount = 1;
    c.walkUp.KeyMods[2] = 2;
    c.walkUp.KeyCode[5] = 13;
    c.walkUp.KeyCount = 1;
    const auto bytes = kv3sim::encode(c);
    writeFile("sensor.bin", QByteArray(reinterpret_cast<const char *>(bytes.data()), bytes.size()));
}

Result TestPresetCommand::run(const QStringList &arguments, const QStringList &environment, const QByteArray &input)
{
    QFile::remove(path("calls.log"));
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const QString &name : env.keys())
        if (name.startsWith("KV3RAPI_SIM_") || name.startsWith("XDG_"))
            env.remove(name);
    // Only the stand-ins are found on PATH; HOME holds Plasma's shortcut file.
    env.insert("PATH", path("bin"));
    env.insert("HOME", path("home"));
    env.insert("KV3RAPI_SIM_STATE", path("sensor.bin"));
    env.insert("KV3RAPI_SIM_LOG", path("calls.log"));
    for (const QString &setting : environment)
        env.insert(setting.section('=', 0, 0), setting.section('=', 1));
    QProcess process;
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(OSTRAVAL_CTL), arguments);
    process.write(input);
    process.closeWriteChannel();
    if (!process.waitForFinished(30000))
        return {};
    Result result{process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1, {},
                  QString::fromUtf8(process.readAllStandardOutput()), QString::fromUtf8(process.readAllStandardError())};
    result.answer = QJsonDocument::fromJson(result.out.toUtf8()).object();
    return result;
}

void TestPresetCommand::writeFile(const QString &name, const QByteArray &bytes, bool executable)
{
    QFile file(path(name));
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
    if (executable)
        file.setPermissions(file.permissions() | QFile::ExeOwner);
}

QByteArray TestPresetCommand::state() const
{
    QFile file(path("sensor.bin"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void TestPresetCommand::presetSetsOnlyTheKeys_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QJsonArray>("walkAway");
    QTest::addColumn<QJsonArray>("walkUp");
    // A lone left Ctrl brings up each desktop's unlock prompt without typing.
    const QJsonArray wake = json(R"([{"name": "NONE", "mods": ["left-ctrl"]}])");
    const QJsonArray superL = json(R"([{"name": "l", "mods": ["left-gui"]}])");
    const QJsonArray ctrlAltL = json(R"([{"name": "l", "mods": ["left-ctrl", "left-alt"]}])");
    const QJsonArray ctrlAltDelete = json(R"([{"name": "DELETE", "mods": ["left-ctrl", "left-alt"]}])");
    const QJsonArray classic = json(R"([{"name": "DELETE", "mods": ["left-ctrl", "left-alt"]},
                                        {"name": "k", "mods": []}, {"name": "BKSPC", "mods": []},
                                        {"name": "ESC", "mods": []}])");
    QTest::newRow("gnome") << "gnome" << superL << wake;
    QTest::newRow("plasma") << "plasma" << superL << wake;
    QTest::newRow("xfce") << "xfce" << ctrlAltL << wake;
    QTest::newRow("cinnamon") << "cinnamon" << ctrlAltL << wake;
    QTest::newRow("mate") << "mate" << ctrlAltL << wake;
    QTest::newRow("windows-2000") << "windows-2000" << classic << ctrlAltDelete;
    QTest::newRow("windows-xp-classic") << "windows-xp-classic" << classic << ctrlAltDelete;
    QTest::newRow("xp-welcome-screen") << "xp-welcome-screen" << superL << QJsonArray();
}

// Both sequences become the preset's, whole; every other stored word, the
// sixth keystrokes included, stays as it was.
void TestPresetCommand::presetSetsOnlyTheKeys()
{
    QFETCH(QString, name);
    QFETCH(QJsonArray, walkAway);
    QFETCH(QJsonArray, walkUp);
    const Result result = run({"preset", name, "--json"});
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(result.err, QString());
    const QJsonObject before = result.answer.value("before").toObject();
    const QJsonObject after = result.answer.value("after").toObject();
    QCOMPARE(keysOf(after, "walk_away"), walkAway);
    QCOMPARE(keysOf(after, "walk_up"), walkUp);
    QCOMPARE(withoutKeys(after), withoutKeys(before));
    QCOMPARE(result.answer.value("preset").toObject().value("name").toString(), name);
    const QJsonObject stored = QJsonDocument::fromJson(run({"export"}).out.toUtf8()).object();
    QCOMPARE(stored, after);
}

// The same --check, answers and statuses as import: check mode sends nothing
// and answers what the real run does; a second run changes nothing.
void TestPresetCommand::answersAsImportDoes()
{
    const QByteArray before = state();
    const Result checked = run({"preset", "gnome", "--check", "--json"});
    QCOMPARE(checked.exitCode, 0);
    QCOMPARE(state(), before);
    QFile log(path("calls.log"));
    QVERIFY(log.open(QIODevice::ReadOnly));
    const QByteArray calls = log.readAll();
    QVERIFY(calls.contains("GetWalkUpParms") && !calls.contains("Set") && !calls.contains("WriteCfg"));
    QCOMPARE(checked.answer.value("check"), QJsonValue(true));

    const Result done = run({"preset", "gnome", "--json"});
    QCOMPARE(done.exitCode, 0);
    for (const char *member : {"changed", "changes", "before", "after", "preset"})
        QCOMPARE(done.answer.value(member), checked.answer.value(member));
    QCOMPARE(done.answer.value("changed"), QJsonValue(true));

    const Result again = run({"preset", "gnome"});
    QCOMPARE(again.exitCode, 0);
    QCOMPARE(again.out, QString("No change: the sensor already holds these values.\n"));
}

// With a profile its fields are applied, its keys replaced by the preset's.
void TestPresetCommand::profileKeysAreReplaced()
{
    const QByteArray profile = R"({"format": "ostraval-profile", "version": 1, "walk_away_delay": 12,
        "walk_away": {"key_delay": 7, "keys": [{"name": "a"}, {"name": "b"}]}, "walk_up": {"keys": [{"name": "c"}]}})";
    writeFile("p.json", profile);
    for (const QString &file : {path("p.json"), QStringLiteral("-")}) {
        const Result result = run({"preset", "mate", "--profile", file, "--check", "--json"}, {}, profile);
        QCOMPARE(result.exitCode, 0);
        const QJsonObject after = result.answer.value("after").toObject();
        QCOMPARE(after.value("walk_away_delay"), QJsonValue(12));
        QCOMPARE(after.value("walk_away").toObject().value("key_delay"), QJsonValue(7));
        QCOMPARE(keysOf(after, "walk_away"), json(R"([{"name": "l", "mods": ["left-ctrl", "left-alt"]}])"));
        QCOMPARE(keysOf(after, "walk_up"), json(R"([{"name": "NONE", "mods": ["left-ctrl"]}])"));
    }
}

void TestPresetCommand::listNamesEveryPreset()
{
    const Result listed = run({"preset", "--list", "--json"});
    QCOMPARE(listed.exitCode, 0);
    QStringList names;
    for (const QJsonValue &entry : listed.answer.value("presets").toArray()) {
        const QJsonObject preset = entry.toObject();
        names << preset.value("name").toString();
        // Each desktop's keys say where they come from.
        QCOMPARE(preset.contains("source"), preset.contains("shortcut"));
    }
    QCOMPARE(names, QStringList({"gnome", "plasma", "xfce", "cinnamon", "mate", "windows-2000",
                                 "windows-xp-classic", "xp-welcome-screen", "this-desktop"}));
    const Result people = run({"preset", "--list"});
    QCOMPARE(people.exitCode, 0);
    QVERIFY2(people.out.contains("gnome                GNOME (<Super>l)\n"
                                 "    Walk-away keys:  [0] left-gui+l (15)\n"
                                 "    Walk-up keys:    [0] left-ctrl+NONE (0)\n"),
             qPrintable(people.out));
    QVERIFY(people.out.contains("org.gnome.settings-daemon.plugins.media-keys.gschema.xml, key screensaver"));
}

void TestPresetCommand::refusalsSendNothing_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QStringList>("environment");
    QTest::addColumn<QString>("message");
    QTest::newRow("no name") << QStringList{"preset"} << QStringList() << "usage: ostraval-ctl preset NAME";
    QTest::newRow("a name and --list") << QStringList{"preset", "gnome", "--list"} << QStringList()
                                       << "usage: ostraval-ctl preset NAME";
    QTest::newRow("unknown preset") << QStringList{"preset", "kde"} << QStringList()
                                    << "there is no preset \"kde\"; the presets are gnome, plasma,";
    QTest::newRow("--profile without a file") << QStringList{"preset", "gnome", "--profile"} << QStringList()
                                              << "--profile needs a profile file";
    QTest::newRow("refused profile") << QStringList{"preset", "gnome", "--profile", "{dir}/bad.json"}
                                     << QStringList() << "bad.json: detection_range: 99 is not allowed";
    QTest::newRow("outside a desktop") << QStringList{"preset", "this-desktop"} << QStringList()
                                       << "XDG_CURRENT_DESKTOP is not set";
    QTest::newRow("unknown desktop") << QStringList{"preset", "this-desktop"}
                                     << QStringList{"XDG_CURRENT_DESKTOP=Unity"}
                                     << "XDG_CURRENT_DESKTOP is \"Unity\"";
}

// A refusal is exit status 2 with a message that says why, also in JSON,
// and nothing reaches the sensor.
void TestPresetCommand::refusalsSendNothing()
{
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, environment);
    QFETCH(QString, message);
    arguments.replaceInStrings("{dir}", dir_->path());
    writeFile("bad.json", R"({"format": "ostraval-profile", "version": 1, "detection_range": 99})");
    const QByteArray before = state();
    const Result result = run(arguments + QStringList{"--json"}, environment);
    QCOMPARE(result.exitCode, 2);
    QVERIFY2(result.err.contains(message), qPrintable(result.err));
    QCOMPARE(result.answer.value("error").toObject().value("status"), QJsonValue(2));
    QVERIFY(!QFile::exists(path("calls.log")));
    QCOMPARE(state(), before);
}

void TestPresetCommand::thisDesktopReadsTheLockShortcut_data()
{
    QTest::addColumn<QString>("desktop");    // XDG_CURRENT_DESKTOP
    QTest::addColumn<QString>("stand_in");   // bin/gsettings, bin/xfconf-query or home/.config/kglobalshortcutsrc
    QTest::addColumn<QByteArray>("content"); // what it prints or holds; empty: there is none
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("walkAway");   // walk_away.keys[0] as the changes show it
    QTest::addColumn<QString>("message");    // on standard error; empty: nothing

    const QString gsettings = "bin/gsettings";
    const QString xfconf = "bin/xfconf-query";
    const QString plasma = "home/.config/kglobalshortcutsrc";
    const QByteArray kdeGroup = "[kwin]\nLock Session=Meta+X,Meta+X,Lock\n[ksmserver]\n_k_friendly_name=Session Management\n";
    const auto lockSession = [&](const QByteArray &inUse) {
        return kdeGroup + "Lock Session=" + inUse + ",Meta+L\\tCtrl+Alt+L\\tScreensaver,Lock Session\n";
    };

    // Read as each desktop writes its shortcuts, the first the sensor can type.
    QTest::newRow("GNOME") << "GNOME" << gsettings << QByteArray("['<Super>Escape']") << 0
                           << "left-gui+ESC (41)" << "";
    QTest::newRow("GNOME among others") << "ubuntu:GNOME" << gsettings << QByteArray("['<Primary><Alt>L']") << 0
                                        << "left-ctrl+left-alt+l (15)" << "";
    QTest::newRow("Cinnamon, a key it cannot type first") << "X-Cinnamon" << gsettings
                                                          << QByteArray("['XF86ScreenSaver', '<Control><Alt>Delete']")
                                                          << 0 << "left-ctrl+left-alt+DELETE (76)" << "";
    QTest::newRow("MATE, one string") << "MATE" << gsettings << QByteArray("'<Ctrl><Shift>F12'") << 0
                                      << "left-ctrl+left-shift+F12 (69)" << "";
    QTest::newRow("GTK's keysym names") << "GNOME" << gsettings
                                        << QByteArray("['<Mod4>KP_Enter', '<Super>Page_Down']") << 0
                                        << "left-gui+KP ENTER (88)" << "";
    QTest::newRow("a shifted key") << "GNOME" << gsettings << QByteArray("['<Super>exclam']") << 0
                                   << "left-gui+! (158)" << "";
    QTest::newRow("Xfce, the user's own shortcuts")
        << "XFCE" << xfconf
        << QByteArray("/commands/custom/<Super>Delete          /usr/bin/xflock4\n"
                      "/commands/custom/<Primary><Alt>t        exo-open --launch TerminalEmulator\n"
                      "/commands/custom/override               true\n"
                      "/commands/default/<Primary><Alt>l       xflock4\n")
        << 0 << "left-gui+DELETE (76)" << "";
    QTest::newRow("Xfce, the defaults") << "XFCE" << xfconf
                                        << QByteArray("/commands/default/<Primary><Alt>Delete  xfce4-session-logout\n"
                                                      "/commands/default/<Primary><Alt>l       xflock4\n")
                                        << 0 << "left-ctrl+left-alt+l (15)" << "";
    QTest::newRow("Plasma") << "KDE" << plasma << lockSession("Meta+Shift+L\\tScreensaver") << 0
                            << "left-shift+left-gui+l (15)" << "";
    QTest::newRow("Plasma, Qt's key names") << "KDE" << plasma << lockSession("Screensaver\\tCtrl+Num+/") << 0
                                            << "left-ctrl+KP / (84)" << "";
    QTest::newRow("Plasma, a comma") << "KDE" << plasma << lockSession("Meta+\\,") << 0
                                     << "left-gui+, COMMA (54)" << "";

    // Not readable: the desktop's default, with a warning.
    QTest::newRow("no gsettings") << "GNOME" << QString() << QByteArray() << 0 << "left-gui+l (15)"
                                  << "warning: cannot read GNOME's lock shortcut (gsettings get "
                                     "org.gnome.settings-daemon.plugins.media-keys screensaver: gsettings is not installed); "
                                     "using its default, <Super>l";
    QTest::newRow("gsettings fails") << "MATE" << "fails" << QByteArray() << 0 << "left-ctrl+left-alt+l (15)"
                                     << "warning: cannot read MATE's lock shortcut (gsettings get "
                                        "org.mate.SettingsDaemon.plugins.media-keys screensaver: gsettings failed: "
                                        "No such schema";
    QTest::newRow("no shortcut file") << "KDE" << QString() << QByteArray() << 0 << "left-gui+l (15)"
                                      << "warning: cannot read KDE Plasma's lock shortcut";
    QTest::newRow("no Lock Session entry") << "KDE" << plasma << kdeGroup << 0 << "left-gui+l (15)"
                                           << "has no entry \"Lock Session\" in its group [ksmserver]";
    QTest::newRow("no xfconf-query") << "XFCE" << QString() << QByteArray() << 0 << "left-ctrl+left-alt+l (15)"
                                     << "warning: cannot read Xfce's lock shortcut";

    // Read, but no key that locks, or none the sensor can type: refused.
    QTest::newRow("GNOME without a shortcut") << "GNOME" << gsettings << QByteArray("@as []") << 2 << ""
                                              << "GNOME has no keyboard shortcut that locks the screen";
    QTest::newRow("Plasma without a shortcut") << "KDE" << plasma << lockSession("none") << 2 << ""
                                               << "KDE Plasma has no keyboard shortcut that locks the screen";
    QTest::newRow("Xfce without xflock4") << "XFCE" << xfconf
                                          << QByteArray("/commands/default/<Primary><Alt>t  exo-open\n") << 2 << ""
                                          << "Xfce has no keyboard shortcut that locks the screen";
    QTest::newRow("a key the sensor lacks") << "GNOME" << gsettings << QByteArray("['XF86ScreenSaver', '<Super>F13']")
                                            << 2 << ""
                                            << "the sensor cannot type GNOME's lock shortcut (XF86ScreenSaver: the "
                                               "sensor has no key \"XF86ScreenSaver\"; <Super>F13: the sensor has "
                                               "no key \"F13\";";
    QTest::newRow("a modifier the sensor lacks") << "X-Cinnamon" << gsettings << QByteArray("['<Hyper>l']") << 2
                                                 << "" << "the sensor has no key for the modifier <Hyper>";
    QTest::newRow("Plasma's Screensaver key alone") << "KDE" << plasma << lockSession("Screensaver") << 2 << ""
                                                    << "Screensaver: the sensor has no key \"Screensaver\"";
}

// this-desktop reads the running desktop's own lock shortcut where it keeps
// it, asking gsettings and xfconf-query for the desktop's own key; when it
// cannot, the desktop's default with a warning.
void TestPresetCommand::thisDesktopReadsTheLockShortcut()
{
    QFETCH(QString, desktop);
    QFETCH(QString, stand_in);
    QFETCH(QByteArray, content);
    QFETCH(int, exitCode);
    QFETCH(QString, walkAway);
    QFETCH(QString, message);
    // The stand-ins answer only the question the desktop's own tool would be
    // asked, and fail as gsettings does otherwise. PATH holds nothing else,
    // so they use the shell's builtins alone.
    const QByteArray expected = desktop == "XFCE"     ? "-c xfce4-keyboard-shortcuts -l -v"
                                : desktop == "MATE"   ? "get org.mate.SettingsDaemon.plugins.media-keys screensaver"
                                : desktop.contains("Cinnamon") ? "get org.cinnamon.desktop.keybindings.media-keys screensaver"
                                                              : "get org.gnome.settings-daemon.plugins.media-keys screensaver";
    if (stand_in == "fails")
        writeFile("bin/gsettings", "#!/bin/sh\necho 'No such schema \"org.mate\"' >&2\nexit 1\n", true);
    else if (stand_in.startsWith("bin/"))
        writeFile(stand_in,
                  "#!/bin/sh\nif [ \"$*\" != '" + expected + "' ]; then echo \"No such key: $*\" >&2; exit 1; fi\n"
                  "while IFS= read -r line; do printf '%s\\n' \"$line\"; done <<'END'\n" + content + "\nEND\n",
                  true);
    else if (!stand_in.isEmpty())
        writeFile(stand_in, content);

    const QStringList environment{"XDG_CURRENT_DESKTOP=" + desktop};
    const Result result = run({"preset", "this-desktop", "--check"}, environment);
    QCOMPARE(result.exitCode, exitCode);
    QVERIFY2(message.isEmpty() ? result.err.isEmpty() : result.err.contains(message), qPrintable(result.err));
    if (exitCode != 0)
        return;
    QVERIFY2(result.out.startsWith("walk_away.keys[0]: none -> " + walkAway + "\n"), qPrintable(result.out));
    QVERIFY2(result.out.contains("walk_up.keys[0]: none -> left-ctrl+NONE (0)\n"), qPrintable(result.out));
    const QJsonObject preset = run({"preset", "this-desktop", "--check", "--json"}, environment)
                                   .answer.value("preset")
                                   .toObject();
    QCOMPARE(preset.value("shortcut_read").toBool(), message.isEmpty());
}

QTEST_GUILESS_MAIN(TestPresetCommand)
#include "tst_presetcommand.moc"
