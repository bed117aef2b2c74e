<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>CommandLine</name>
    <message>
        <source>Show this help and exit.</source>
        <translation>Zeigt diese Hilfe an und beendet das Programm.</translation>
    </message>
    <message>
        <source>Show the program&apos;s version and exit.</source>
        <translation>Zeigt die Version an und beendet das Programm.</translation>
    </message>
    <message>
        <source>Usage: %1 [OPTION]
Reads, shows, edits and writes the stored configuration of the Ostraval USB
presence sensor in one window.

Options:
  -h, --help     Show this help and exit.
  -v, --version  Show the program&apos;s version and exit.

The simulated sensor behind the device library takes its settings from
the environment (KV3RAPI_SIM_*); see %1(1).
</source>
        <translation>Aufruf: %1 [OPTION]
Liest, zeigt, bearbeitet und schreibt die gespeicherte Konfiguration des
Ostraval-USB-Anwesenheitssensors in einem Fenster.

Optionen:
  -h, --help     Zeigt diese Hilfe an und beendet das Programm.
  -v, --version  Zeigt die Version an und beendet das Programm.

Der simulierte Sensor hinter der Gerätebibliothek bezieht seine Einstellungen
aus der Umgebung (KV3RAPI_SIM_*); siehe %1(1).
</translation>
    </message>
    <message>
        <source>%1: %2 (try --help)</source>
        <extracomment>%1 is the program, %2 what is wrong with its command line</extracomment>
        <translation>%1: %2 (siehe --help)</translation>
    </message>
    <message>
        <source>%1: unexpected argument &apos;%2&apos; (try --help)</source>
        <translation>%1: unerwartetes Argument „%2“ (siehe --help)</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <extracomment>%1 is the option as the user typed it</extracomment>
        <translation>Unbekannte Option &apos;%1&apos;.</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Initial Setup</source>
        <translation>Ersteinrichtung</translation>
    </message>
    <message>
        <source>Walk-Away Keystrokes</source>
        <translation>Tasten beim Weggehen</translation>
    </message>
    <message>
        <source>Walk-Up Keystrokes </source>
        <translation>Tasten beim Ankommen</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>The value must be between %1 and %2!</source>
        <extracomment>%1 and %2 are the lowest and the highest value allowed</extracomment>
        <translation>Der Wert muss zwischen %1 und %2 liegen!</translation>
    </message>
    <message>
        <source>Delay must be in the range of %1-%2 seconds!</source>
        <extracomment>%1 and %2 are the shortest and the longest delay allowed, in seconds</extracomment>
        <translation>Die Wartezeit muss zwischen %1 und %2 Sekunden liegen!</translation>
    </message>
    <message>
        <source>Detection range (24-42 inches)</source>
        <translation>Erfassungsbereich (24-42 Zoll)</translation>
    </message>
    <message>
        <source>Walk-Away Delay before sending keystrokes</source>
        <translation>Wartezeit vor den Tasten beim Weggehen</translation>
    </message>
    <message>
        <source>Walk-Up Delay before sending keystrokes</source>
        <translation>Wartezeit vor den Tasten beim Ankommen</translation>
    </message>
    <message>
        <source>Power-up Delay </source>
        <translation>Startverzögerung</translation>
    </message>
    <message>
        <source>Keep Alive Rate (0-255)</source>
        <translation>Wachhalterate (0-255)</translation>
    </message>
    <message>
        <source>Key delay</source>
        <translation>Tastenpause</translation>
    </message>
    <message>
        <source>Keystroke 1</source>
        <translation>Taste 1</translation>
    </message>
    <message>
        <source>Keystroke 2</source>
        <translation>Taste 2</translation>
    </message>
    <message>
        <source>Keystroke 3</source>
        <translation>Taste 3</translation>
    </message>
    <message>
        <source>Keystroke 4</source>
        <translation>Taste 4</translation>
    </message>
    <message>
        <source>Keystroke 5</source>
        <translation>Taste 5</translation>
    </message>
    <message>
        <source>Idle Keystroke</source>
        <translation>Wachhaltetaste</translation>
    </message>
    <message>
        <source>Keystroke 6</source>
        <translation>Taste 6</translation>
    </message>
    <message>
        <source>Ostraval® presence sensor. Visit the Zelvora web site for support, enhancements and our other products. Copyright © Zelvora. All rights reserved.</source>
        <translation>Ostraval®-Anwesenheitssensor. Support, Erweiterungen und weitere Produkte finden Sie auf der Website von Zelvora. Copyright © Zelvora. Alle Rechte vorbehalten.</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>Firmware</translation>
    </message>
    <message>
        <source>Firmware version</source>
        <translation>Firmwareversion</translation>
    </message>
    <message>
        <source>The purpose of the Idle Keystroke is to prevent a screensaver from launching while a person is within the defined proximity zone.  The defined Idle Keystroke is sent at the periodic rate entered below.  The keystroke should be defined so as to not interfere with other applications.</source>
        <translation>Die Wachhaltetaste verhindert, dass ein Bildschirmschoner startet, solange sich eine Person im festgelegten Bereich befindet. Sie wird regelmäßig mit der unten eingetragenen Rate gesendet. Wählen Sie eine Taste, die andere Anwendungen nicht stört.</translation>
    </message>
    <message>
        <source>If the rate is set to zero, this feature is disabled.</source>
        <translation>Bei der Rate 0 ist diese Funktion ausgeschaltet.</translation>
    </message>
    <message>
        <source>Idle keystroke</source>
        <translation>Wachhaltetaste</translation>
    </message>
    <message>
        <source>Zelvora USB Write Parameters</source>
        <translation>Zelvora: Parameter schreiben</translation>
    </message>
    <message>
        <source>The changes were not written to the device.  Do you want to write the changes and continue ?</source>
        <translation>Die Änderungen wurden nicht in das Gerät geschrieben. Möchten Sie die Änderungen schreiben und fortfahren?</translation>
    </message>
    <message>
        <source>The changes were not written to the device.  Do you want to leave without writing the changes and continue ?</source>
        <translation>Die Änderungen wurden nicht in das Gerät geschrieben. Möchten Sie fortfahren, ohne die Änderungen zu schreiben?</translation>
    </message>
    <message>
        <source>The changes are about to be written to the device.  Do you want to write the changes?</source>
        <translation>Die Änderungen werden jetzt in das Gerät geschrieben. Möchten Sie die Änderungen schreiben?</translation>
    </message>
    <message>
        <source>Enter Power-up delay is rarely required.  Setting this when not needed will cause problems with the USB registration process.  Proceed with Caution!</source>
        <translation>Eine Startverzögerung wird nur selten benötigt. Ohne Bedarf gesetzt, stört sie die USB-Anmeldung des Geräts. Gehen Sie vorsichtig vor!</translation>
    </message>
    <message>
        <source>&quot;%1&quot; in &quot;%2&quot; on the page &quot;%3&quot; is not a whole number the sensor can store.

Nothing was written to the device. Correct the value and write again.</source>
        <extracomment>%1 is the text in the box, %2 the box&apos;s caption, %3 the page&apos;s tab</extracomment>
        <translation>„%1“ in „%2“ auf der Seite „%3“ ist keine ganze Zahl, die der Sensor speichern kann.

Es wurde nichts in das Gerät geschrieben. Korrigieren Sie den Wert und schreiben Sie erneut.</translation>
    </message>
    <message>
        <source>Ostraval Configuration Utility</source>
        <translation>Ostraval-Konfigurationsprogramm</translation>
    </message>
    <message>
        <source>Ostraval® Configuration Utility</source>
        <translation>Ostraval®-Konfigurationsprogramm</translation>
    </message>
    <message>
        <source>Connect USB Device</source>
        <translation>USB-Gerät verbinden</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Config Changed</source>
        <translation>Geändert</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Apply</source>
        <extracomment>The button that writes the changes to the sensor</extracomment>
        <translation>Anwenden</translation>
    </message>
    <message>
        <source>Shft</source>
        <extracomment>The Shift key modifier, short for a narrow check box</extracomment>
        <translation>Umsch</translation>
    </message>
    <message>
        <source>Shift</source>
        <extracomment>The Shift key, in a check box&apos;s accessible name</extracomment>
        <translation>Umschalt</translation>
    </message>
    <message>
        <source>Ctrl</source>
        <extracomment>The Ctrl key modifier</extracomment>
        <translation>Strg</translation>
    </message>
    <message>
        <source>Alt</source>
        <extracomment>The Alt key modifier</extracomment>
        <translation>Alt</translation>
    </message>
    <message>
        <source>GUI</source>
        <extracomment>The GUI (Windows, Super) key modifier</extracomment>
        <translation>GUI</translation>
    </message>
    <message>
        <source>Left</source>
        <extracomment>The column of the left-hand modifier keys</extracomment>
        <translation>Links</translation>
    </message>
    <message>
        <source>Right</source>
        <extracomment>The column of the right-hand modifier keys</extracomment>
        <translation>Rechts</translation>
    </message>
    <message>
        <source>%1 left %2</source>
        <extracomment>A modifier check box&apos;s accessible name: %1 is the keystroke (&quot;Walk-away keystroke 1&quot;), %2 the modifier key (&quot;Shift&quot;)</extracomment>
        <translation>%1, %2 links</translation>
    </message>
    <message>
        <source>%1 right %2</source>
        <translation>%1, %2 rechts</translation>
    </message>
    <message>
        <source>%1 key</source>
        <extracomment>The key list&apos;s accessible name: %1 is the keystroke (&quot;Walk-away keystroke 1&quot;)</extracomment>
        <translation>%1, Tastenname</translation>
    </message>
    <message>
        <source>%1 code</source>
        <extracomment>The key code box&apos;s accessible name: %1 is the keystroke</extracomment>
        <translation>%1, Tastencode</translation>
    </message>
    <message>
        <source>%1 modifiers</source>
        <translation>%1, Modifikatortasten</translation>
    </message>
    <message>
        <source>Disables the LED on the unit.  The device is still operational, but no visual indication is given.</source>
        <translation>Schaltet die LED am Gerät aus. Das Gerät arbeitet weiter, zeigt aber nichts an.</translation>
    </message>
    <message>
        <source>May be set between 0 and 255.</source>
        <translation>Einstellbar von 0 bis 255.</translation>
    </message>
    <message>
        <source>Proximity Range</source>
        <translation>Reichweite</translation>
    </message>
    <message>
        <source>This is the distance that defines where the in-range and out-of-range detection occurs.</source>
        <translation>Diese Entfernung trennt „im Bereich“ von „außer Bereich“.</translation>
    </message>
    <message>
        <source>Read Now</source>
        <translation>Jetzt lesen</translation>
    </message>
    <message>
        <source>Last range detected</source>
        <translation>Zuletzt gemessen</translation>
    </message>
    <message>
        <source>Not being dynamically read.</source>
        <translation>Wird nicht laufend gelesen.</translation>
    </message>
    <message>
        <source>Disable LED</source>
        <translation>LED ausschalten</translation>
    </message>
    <message>
        <source>Out-of-Range Red</source>
        <translation>Rot: außer Bereich</translation>
    </message>
    <message>
        <source>Transition Yellow</source>
        <translation>Gelb: Übergang</translation>
    </message>
    <message>
        <source>In-Range Green</source>
        <translation>Grün: im Bereich</translation>
    </message>
    <message>
        <source>Quick Configuration</source>
        <translation>Schnellkonfiguration</translation>
    </message>
    <message>
        <source>Operating System</source>
        <translation>Betriebssystem</translation>
    </message>
    <message>
        <source>Windows 2000</source>
        <translation>Windows 2000</translation>
    </message>
    <message>
        <source>Sets keystrokes for W 2k OS</source>
        <translation>Setzt die Tasten für Windows 2000</translation>
    </message>
    <message>
        <source>Windows XP Classic</source>
        <translation>XP klassisch</translation>
    </message>
    <message>
        <source>Sets keystrokes for W XP Classic Logon</source>
        <translation>Setzt die Tasten für die klassische Anmeldung von Windows XP</translation>
    </message>
    <message>
        <source>XP Welcome Screen</source>
        <translation>XP-Willkommensseite</translation>
    </message>
    <message>
        <source>Sets keystrokes for W XP Welcom Screen Logon</source>
        <translation>Setzt die Tasten für die Anmeldung über die Willkommensseite von Windows XP</translation>
    </message>
    <message>
        <source>Reset to Factory Defaults</source>
        <translation>Werkseinstellungen</translation>
    </message>
    <message>
        <source>Resets all configurtation parameters to factory settings</source>
        <translation>Setzt alle Konfigurationsparameter auf die Werkseinstellungen zurück</translation>
    </message>
    <message>
        <source>Timing Delays (0-255 seconds)</source>
        <translation>Wartezeiten (0-255 Sekunden)</translation>
    </message>
    <message>
        <source>This delay (0-255) is between when the user is detected as being in-range, and when the keystrokes are actually sent.</source>
        <translation>Diese Wartezeit (0-255) liegt zwischen dem Erkennen des Benutzers im Bereich und dem tatsächlichen Senden der Tasten.</translation>
    </message>
    <message>
        <source>This delay (0-255) is between when the user is detected as being out-of-range, and when the keystrokes are actually sent.</source>
        <translation>Diese Wartezeit (0-255) liegt zwischen dem Erkennen des Benutzers außer Bereich und dem tatsächlichen Senden der Tasten.</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Erweitert</translation>
    </message>
    <message>
        <source>Leave set to &apos;0&apos; unless you have a PC power-up problem with the USB device.</source>
        <translation>Lassen Sie „0“ stehen, außer der PC hat mit dem USB-Gerät Probleme beim Einschalten.</translation>
    </message>
    <message>
        <source>Some computers may need to have the device in an off state while booting up.</source>
        <translation>Manche Computer brauchen das Gerät beim Hochfahren ausgeschaltet.</translation>
    </message>
    <message>
        <source>Developer Mode</source>
        <translation>Entwicklermodus</translation>
    </message>
    <message>
        <source>Select when using Korvane&apos; software developer&apos;s kit.</source>
        <translation>Wählen, wenn Sie das SDK von Korvane verwenden.</translation>
    </message>
    <message>
        <source>Disable keystrokes</source>
        <translation>Tasten ausschalten</translation>
    </message>
    <message>
        <source>Disable to use with the software developer&apos;s kit</source>
        <translation>Ausschalten für die Arbeit mit dem SDK</translation>
    </message>
    <message>
        <source>Walk-away keystroke 1</source>
        <translation>Taste 1 beim Weggehen</translation>
    </message>
    <message>
        <source>When the user steps away there may be several keystroke</source>
        <translation>Beim Weggehen des Benutzers können mehrere Tasten gesendet werden</translation>
    </message>
    <message>
        <source>Walk-away keystroke 2</source>
        <translation>Taste 2 beim Weggehen</translation>
    </message>
    <message>
        <source>Walk-away keystroke 3</source>
        <translation>Taste 3 beim Weggehen</translation>
    </message>
    <message>
        <source>Walk-away keystroke 4</source>
        <translation>Taste 4 beim Weggehen</translation>
    </message>
    <message>
        <source>Walk-away keystroke 5</source>
        <translation>Taste 5 beim Weggehen</translation>
    </message>
    <message>
        <source>KeyCount</source>
        <translation>Tastenzahl</translation>
    </message>
    <message>
        <source>Walk-away key count</source>
        <translation>Tastenzahl beim Weggehen</translation>
    </message>
    <message>
        <source>Walk-away key delay</source>
        <translation>Tastenpause beim Weggehen</translation>
    </message>
    <message>
        <source>Walk-up keystroke 1</source>
        <translation>Taste 1 beim Ankommen</translation>
    </message>
    <message>
        <source>Walk-up keystroke 2</source>
        <translation>Taste 2 beim Ankommen</translation>
    </message>
    <message>
        <source>Walk-up keystroke 3</source>
        <translation>Taste 3 beim Ankommen</translation>
    </message>
    <message>
        <source>Walk-up keystroke 4</source>
        <translation>Taste 4 beim Ankommen</translation>
    </message>
    <message>
        <source>Walk-up keystroke 5</source>
        <translation>Taste 5 beim Ankommen</translation>
    </message>
    <message>
        <source>Walk-up key count</source>
        <translation>Tastenzahl beim Ankommen</translation>
    </message>
    <message>
        <source>Walk-up key delay</source>
        <translation>Tastenpause beim Ankommen</translation>
    </message>
    <message>
        <source>Zelvora Parameter</source>
        <translation>Zelvora-Parameter</translation>
    </message>
    <message>
        <source>presence sensor</source>
        <translation>Anwesenheitssensor</translation>
    </message>
    <message>
        <source>An error &gt;%1 &lt; was encountered.  Do you want to continue ?</source>
        <extracomment>%1 is the failed operation&apos;s name and the sensor&apos;s error number (&quot;USB Connect 7&quot;)</extracomment>
        <translation>Es ist ein Fehler aufgetreten: %1. Möchten Sie fortfahren?</translation>
    </message>
    <message>
        <source>Zelvora USB Device Error</source>
        <translation>Zelvora: USB-Gerätefehler</translation>
    </message>
    <message>
        <source>Nothing to write: the window matches the sensor.</source>
        <translation>Nichts zu schreiben: Das Fenster stimmt mit dem Sensor überein.</translation>
    </message>
    <message>
        <source>Nothing was written: the sensor is not connected.</source>
        <translation>Nichts wurde geschrieben: Der Sensor ist nicht verbunden.</translation>
    </message>
    <message>
        <source>The changes were written to the sensor.</source>
        <translation>Die Änderungen wurden in den Sensor geschrieben.</translation>
    </message>
    <message>
        <source>The window differs from the sensor.</source>
        <translation>Das Fenster weicht vom Sensor ab.</translation>
    </message>
    <message>
        <source>The window matches the sensor.</source>
        <translation>Das Fenster stimmt mit dem Sensor überein.</translation>
    </message>
    <message>
        <source>The sensor is not connected. Nothing can be written to it.</source>
        <translation>Der Sensor ist nicht verbunden. Es kann nichts in ihn geschrieben werden.</translation>
    </message>
    <message>
        <source>The window differs from the sensor. The sensor is connected.</source>
        <translation>Das Fenster weicht vom Sensor ab. Der Sensor ist verbunden.</translation>
    </message>
    <message>
        <source>The window matches the sensor. The sensor is connected.</source>
        <translation>Das Fenster stimmt mit dem Sensor überein. Der Sensor ist verbunden.</translation>
    </message>
    <message>
        <source>Right Ctrl</source>
        <translation>Strg rechts</translation>
    </message>
    <message>
        <source>Right Shift</source>
        <translation>Umschalt rechts</translation>
    </message>
    <message>
        <source>Right Alt</source>
        <translation>Alt rechts</translation>
    </message>
    <message>
        <source>Right GUI</source>
        <translation>GUI rechts</translation>
    </message>
    <message>
        <source>%1 is chosen.</source>
        <translation>%1 ist gewählt.</translation>
    </message>
    <message>
        <source>No walk-away keystrokes.</source>
        <translation>Keine Tasten beim Weggehen.</translation>
    </message>
    <message>
        <source>Walk-away keystrokes: %1.</source>
        <translation>Tasten beim Weggehen: %1.</translation>
    </message>
    <message>
        <source>No walk-up keystrokes.</source>
        <translation>Keine Tasten beim Ankommen.</translation>
    </message>
    <message>
        <source>Walk-up keystrokes: %1.</source>
        <translation>Tasten beim Ankommen: %1.</translation>
    </message>
</context>
<context>
    <name>QComboBox</name>
    <message>
        <source>Open the combo box selection popup</source>
        <translation>Öffnet das Auswahlfenster der Combobox</translation>
    </message>
</context>
<context>
    <name>ostraval-ctl</name>
    <message>
        <source>Detection range (inches)</source>
        <translation>Erfassungsbereich (Zoll)</translation>
    </message>
    <message>
        <source>Walk-away delay (s)</source>
        <translation>Wartezeit beim Weggehen (s)</translation>
    </message>
    <message>
        <source>Walk-up delay (s)</source>
        <translation>Wartezeit beim Ankommen (s)</translation>
    </message>
    <message>
        <source>Power-up delay (s)</source>
        <translation>Startverzögerung (s)</translation>
    </message>
    <message>
        <source>Idle rate</source>
        <translation>Wachhalterate</translation>
    </message>
    <message>
        <source>Walk-away key delay (s)</source>
        <translation>Tastenpause beim Weggehen (s)</translation>
    </message>
    <message>
        <source>Walk-up key delay (s)</source>
        <translation>Tastenpause beim Ankommen (s)</translation>
    </message>
    <message>
        <source>Idle keystroke</source>
        <translation>Wachhaltetaste</translation>
    </message>
    <message>
        <source>Walk-away keys</source>
        <translation>Tasten beim Weggehen</translation>
    </message>
    <message>
        <source>Walk-up keys</source>
        <translation>Tasten beim Ankommen</translation>
    </message>
    <message>
        <source>the sensor&apos;s stored configuration, firmware version and measured range; --json prints them as one profile-shaped JSON object with &quot;firmware&quot; and &quot;range&quot; added</source>
        <translation>die gespeicherte Konfiguration des Sensors, seine Firmwareversion und der gemessene Abstand; --json gibt sie als ein JSON-Objekt in Profilform mit zusätzlich &quot;firmware&quot; und &quot;range&quot; aus</translation>
    </message>
    <message>
        <source>the stored configuration as a profile, to FILE or to standard output (without FILE or with -); an existing FILE is replaced only by a complete profile</source>
        <translation>die gespeicherte Konfiguration als Profil, in FILE oder auf die Standardausgabe (ohne FILE oder mit -); ist FILE schon vorhanden, wird sie nur durch ein vollständiges Profil ersetzt</translation>
    </message>
    <message>
        <source>checks the whole profile (- reads standard input), then writes and commits what differs; --check sends nothing and only tells what would change</source>
        <translation>prüft das ganze Profil (- liest die Standardeingabe), schreibt dann, was abweicht, und übernimmt es; --check sendet nichts und zeigt nur, was sich ändern würde</translation>
    </message>
    <message>
        <source>one line per field that differs between the sensor and the profile (&quot;walk_away_delay: 5 -&gt; 10&quot;); exit status 1 when something differs; --json prints {&quot;differs&quot;: ..., &quot;changes&quot;: [{&quot;path&quot;, &quot;before&quot;, &quot;after&quot;}, ...]}</source>
        <translation>eine Zeile je Feld, das zwischen Sensor und Profil abweicht (&quot;walk_away_delay: 5 -&gt; 10&quot;); Exit-Status 1, wenn etwas abweicht; --json gibt {&quot;differs&quot;: ..., &quot;changes&quot;: [{&quot;path&quot;, &quot;before&quot;, &quot;after&quot;}, ...]} aus</translation>
    </message>
    <message>
        <source>one value by its profile path, for example detection_range, leds.in_range, walk_away.key_delay, walk_away.keys[0].name</source>
        <translation>ein Wert über seinen Profilpfad, zum Beispiel detection_range, leds.in_range, walk_away.key_delay, walk_away.keys[0].name</translation>
    </message>
    <message>
        <source>checks every value, then writes and commits what differs; VALUE is JSON (36, true, null, [&quot;left-ctrl&quot;]) or text as show prints it (on, off, left-ctrl+DELETE (76), none), a key name (walk_away.keys[0].name=DELETE) or modifier names (walk_away.keys[0].mods=left-ctrl,left-alt); --check sends nothing and only tells what would change</source>
        <translation>prüft jeden Wert, schreibt dann, was abweicht, und übernimmt es; VALUE ist JSON (36, true, null, [&quot;left-ctrl&quot;]) oder Text, wie show ihn ausgibt (on, off, left-ctrl+DELETE (76), none), ein Tastenname (walk_away.keys[0].name=DELETE) oder Namen von Modifikatortasten (walk_away.keys[0].mods=left-ctrl,left-alt); --check sendet nichts und zeigt nur, was sich ändern würde</translation>
    </message>
    <message>
        <source>returns the sensor to its factory configuration, sending nothing when it already holds it; --check sends nothing and only tells what would change</source>
        <translation>setzt den Sensor auf die Werkskonfiguration zurück und sendet nichts, wenn er sie schon hat; --check sendet nichts und zeigt nur, was sich ändern würde</translation>
    </message>
    <message>
        <source>the measured distance and the in-range flags; --watch redraws once a second until Ctrl+C (exit status 0), as a bar against the detection range on a terminal and as plain lines otherwise; --count N stops after N readings</source>
        <translation>der gemessene Abstand und die Bereichsanzeigen; --watch zeichnet jede Sekunde neu bis Strg+C (Exit-Status 0), auf einem Terminal als Balken am Erfassungsbereich gemessen, sonst als einfache Zeilen; --count N hört nach N Messungen auf</translation>
    </message>
    <message>
        <source>Exit status: 0 success; 1 diff found a difference; 2 usage error, or
refused profile or value; 3 the sensor failed or could not be reached;
4 the output could not be written.</source>
        <translation>Exit-Status: 0 Erfolg; 1 diff hat einen Unterschied gefunden; 2 Aufruffehler
oder abgelehntes Profil oder abgelehnter Wert; 3 der Sensor hat versagt oder
war nicht erreichbar; 4 die Ausgabe konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Usage: %1 COMMAND [ARGUMENTS]

Reads, saves, compares and changes the presence sensor&apos;s configuration.

Commands:</source>
        <extracomment>%1 is the program</extracomment>
        <translation>Aufruf: %1 BEFEHL [ARGUMENTE]

Liest, sichert, vergleicht und ändert die Konfiguration des
Anwesenheitssensors.

Befehle:</translation>
    </message>
    <message>
        <source>The simulated sensor behind the device library takes its settings from
the environment (KV3RAPI_SIM_*); see ostraval-config(1).</source>
        <translation>Der simulierte Sensor hinter der Gerätebibliothek bezieht seine Einstellungen
aus der Umgebung (KV3RAPI_SIM_*); siehe ostraval-config(1).</translation>
    </message>
    <message>
        <source>Usage: %1 %2
%3
</source>
        <extracomment>%1 is the program, %2 the command&apos;s synopsis, %3 what it does</extracomment>
        <translation>Aufruf: %1 %2
%3
</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;; try &apos;%2 --help&apos;</source>
        <extracomment>%1 is the word given as a command, %2 the program</extracomment>
        <translation>unbekannter Befehl „%1“; siehe „%2 --help“</translation>
    </message>
    <message>
        <source>%1: unknown option &quot;%2&quot;; usage: %3 %4</source>
        <extracomment>%1 is the command, %2 the option, %3 the program, %4 the command&apos;s synopsis</extracomment>
        <translation>%1: unbekannte Option „%2“; Aufruf: %3 %4</translation>
    </message>
    <message>
        <source>--count needs a number of readings from 1</source>
        <translation>--count braucht eine Anzahl Messungen ab 1</translation>
    </message>
    <message>
        <source>usage: %1 %2</source>
        <extracomment>%1 is the program, %2 the command&apos;s synopsis</extracomment>
        <translation>Aufruf: %1 %2</translation>
    </message>
    <message>
        <source>--count goes with --watch</source>
        <translation>--count gilt nur mit --watch</translation>
    </message>
    <message>
        <source>a command is needed; try &apos;%1 --help&apos;</source>
        <translation>ein Befehl fehlt; siehe „%1 --help“</translation>
    </message>
    <message>
        <source>%1: cannot read: %2</source>
        <extracomment>%1 is the file, %2 the reason</extracomment>
        <translation>%1: Lesen nicht möglich: %2</translation>
    </message>
    <message>
        <source>%1: not a regular file: a profile is read from a file, or from standard input given as -</source>
        <translation>%1: keine reguläre Datei: Ein Profil wird aus einer Datei gelesen oder, als - angegeben, von der Standardeingabe</translation>
    </message>
    <message>
        <source>%1: larger than %2 bytes: not a profile</source>
        <translation>%1: größer als %2 Byte: kein Profil</translation>
    </message>
    <message>
        <source>%1: cannot write: %2; the file is as it was</source>
        <extracomment>%1 is the file, %2 the reason</extracomment>
        <translation>%1: Schreiben nicht möglich: %2; die Datei ist unverändert</translation>
    </message>
    <message>
        <source>%1: cannot write: %2; no file was made</source>
        <translation>%1: Schreiben nicht möglich: %2; es wurde keine Datei angelegt</translation>
    </message>
    <message numerus="yes">
        <source>... and %n more problems</source>
        <translation>
            <numerusform>... und %n weiteres Problem</numerusform>
            <numerusform>... und %n weitere Probleme</numerusform>
        </translation>
    </message>
    <message>
        <source>failed</source>
        <translation>fehlgeschlagen</translation>
    </message>
    <message>
        <source>standard output: cannot write: %1</source>
        <extracomment>%1 is the system&apos;s reason (&quot;No space left on device&quot;)</extracomment>
        <translation>Standardausgabe: Schreiben nicht möglich: %1</translation>
    </message>
    <message>
        <source>%1 %2 in (range %3 in) in range</source>
        <extracomment>%1 is the bar, %2 the measured distance, %3 the detection range, in inches</extracomment>
        <translation>%1 %2 Zoll (Bereich %3 Zoll) im Bereich</translation>
    </message>
    <message>
        <source>%1 %2 in (range %3 in) out of range</source>
        <translation>%1 %2 Zoll (Bereich %3 Zoll) außer Bereich</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>ja</translation>
    </message>
    <message>
        <source>no</source>
        <translation>nein</translation>
    </message>
    <message>
        <source>range %1 inches, in range: %2, in-range pending: %3, out-of-range pending: %4</source>
        <extracomment>%1 is the measured distance, %2 to %4 are &quot;yes&quot; or &quot;no&quot;</extracomment>
        <translation>Abstand %1 Zoll, im Bereich: %2, Eintritt anstehend: %3, Austritt anstehend: %4</translation>
    </message>
    <message>
        <source>cannot read the range: %1</source>
        <translation>Abstand nicht lesbar: %1</translation>
    </message>
    <message>
        <source>%1; nothing was committed: the stored configuration is as it was</source>
        <extracomment>%1 is the failed call (&quot;SetSonarParms failed: sensor error 2 (...)&quot;)</extracomment>
        <translation>%1; nichts wurde übernommen: Die gespeicherte Konfiguration ist unverändert</translation>
    </message>
    <message>
        <source>%1; nothing was committed: the stored configuration is as it was; while taking back the stored configuration, %2; the sensor works with uncommitted values until it is restarted</source>
        <extracomment>%1 is the failed call, %2 the failed call that was to take the stored configuration back</extracomment>
        <translation>%1; nichts wurde übernommen: Die gespeicherte Konfiguration ist unverändert; beim Zurückholen der gespeicherten Konfiguration: %2; der Sensor arbeitet bis zu seinem Neustart mit nicht übernommenen Werten</translation>
    </message>
    <message>
        <source>cannot reach the sensor: %1</source>
        <translation>Sensor nicht erreichbar: %1</translation>
    </message>
    <message>
        <source>cannot read the stored configuration: %1</source>
        <translation>gespeicherte Konfiguration nicht lesbar: %1</translation>
    </message>
    <message>
        <source>warning: %1</source>
        <extracomment>%1 is the warning</extracomment>
        <translation>Warnung: %1</translation>
    </message>
    <message>
        <source>No change: the sensor already holds these values.</source>
        <translation>Keine Änderung: Der Sensor hat diese Werte bereits.</translation>
    </message>
    <message numerus="yes">
        <source>Check only: %n field(s) would change; nothing was sent.</source>
        <translation>
            <numerusform>Nur geprüft: %n Feld würde sich ändern; nichts wurde gesendet.</numerusform>
            <numerusform>Nur geprüft: %n Felder würden sich ändern; nichts wurde gesendet.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Changed: %n field(s) written and committed.</source>
        <translation>
            <numerusform>Geändert: %n Feld geschrieben und übernommen.</numerusform>
            <numerusform>Geändert: %n Felder geschrieben und übernommen.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: profile refused; nothing was sent</source>
        <extracomment>%1 is the profile&apos;s file</extracomment>
        <translation>%1: Profil abgelehnt; nichts wurde gesendet</translation>
    </message>
    <message numerus="yes">
        <source>%2: profile refused (%n problems, the first %1 named); nothing was sent</source>
        <translation>
            <numerusform>%2: Profil abgelehnt (%n Problem, %1 davon genannt); nichts wurde gesendet</numerusform>
            <numerusform>%2: Profil abgelehnt (%n Probleme, die ersten %1 genannt); nichts wurde gesendet</numerusform>
        </translation>
    </message>
    <message>
        <source>assignments refused; nothing was sent</source>
        <translation>Zuweisungen abgelehnt; nichts wurde gesendet</translation>
    </message>
    <message numerus="yes">
        <source>assignments refused (%n problems, the first %1 named); nothing was sent</source>
        <translation>
            <numerusform>Zuweisungen abgelehnt (%n Problem, %1 davon genannt); nichts wurde gesendet</numerusform>
            <numerusform>Zuweisungen abgelehnt (%n Probleme, die ersten %1 genannt); nichts wurde gesendet</numerusform>
        </translation>
    </message>
    <message>
        <source>values refused; nothing was sent</source>
        <translation>Werte abgelehnt; nichts wurde gesendet</translation>
    </message>
    <message numerus="yes">
        <source>values refused (%n problems, the first %1 named); nothing was sent</source>
        <translation>
            <numerusform>Werte abgelehnt (%n Problem, %1 davon genannt); nichts wurde gesendet</numerusform>
            <numerusform>Werte abgelehnt (%n Probleme, die ersten %1 genannt); nichts wurde gesendet</numerusform>
        </translation>
    </message>
    <message>
        <source>Firmware version</source>
        <translation>Firmwareversion</translation>
    </message>
    <message>
        <source>LEDs</source>
        <translation>LEDs</translation>
    </message>
    <message>
        <source>Measured</source>
        <extracomment>The measured distance and in-range flags</extracomment>
        <translation>Gemessen</translation>
    </message>
    <message>
        <source>no field &quot;%1&quot;; fields are %2, and the parts of these (for example walk_away.keys[0].name)</source>
        <extracomment>%1 is the field asked for, %2 the list of fields</extracomment>
        <translation>kein Feld „%1“; Felder sind %2 und deren Teile (zum Beispiel walk_away.keys[0].name)</translation>
    </message>
    <message>
        <source>reset returns every setting to its factory value; give --yes to do it, or --check to see what it would change</source>
        <translation>reset setzt jede Einstellung auf ihre Werkseinstellung zurück; mit --yes geschieht es, mit --check sehen Sie, was sich ändern würde</translation>
    </message>
    <message>
        <source>reset done, but cannot read the configuration back: %1</source>
        <translation>reset ausgeführt, aber die Konfiguration ist nicht zurücklesbar: %1</translation>
    </message>
    <message>
        <source>no error number</source>
        <translation>keine Fehlernummer</translation>
    </message>
    <message>
        <source>the sensor is not connected</source>
        <translation>der Sensor ist nicht verbunden</translation>
    </message>
    <message>
        <source>the sensor did not answer</source>
        <translation>der Sensor hat nicht geantwortet</translation>
    </message>
    <message>
        <source>no sensor is attached</source>
        <translation>kein Sensor angeschlossen</translation>
    </message>
    <message>
        <source>a record was missing</source>
        <translation>ein Datensatz fehlte</translation>
    </message>
    <message>
        <source>the stored configuration is unreadable</source>
        <translation>die gespeicherte Konfiguration ist unlesbar</translation>
    </message>
    <message>
        <source>the stored configuration could not be written</source>
        <translation>die gespeicherte Konfiguration konnte nicht geschrieben werden</translation>
    </message>
    <message>
        <source>the sensor is in use by another program</source>
        <translation>der Sensor wird von einem anderen Programm benutzt</translation>
    </message>
    <message>
        <source>the sensor&apos;s lock cannot be taken</source>
        <translation>die Sperre des Sensors lässt sich nicht setzen</translation>
    </message>
    <message>
        <source>an error this program does not know</source>
        <translation>ein diesem Programm unbekannter Fehler</translation>
    </message>
    <message>
        <source>%1 failed: sensor error %2 (%3)</source>
        <extracomment>%1 is the library function (&quot;SetSonarParms&quot;), %2 the sensor&apos;s error number, %3 its meaning</extracomment>
        <translation>%1 fehlgeschlagen: Sensorfehler %2 (%3)</translation>
    </message>
    <message>
        <source>sets the walk-away and walk-up keystrokes to a desktop&apos;s own lock and wake keys (gnome, plasma, xfce, cinnamon, mate), to those of one of the window&apos;s logon presets (windows-2000, windows-xp-classic, xp-welcome-screen), or, with this-desktop, to the lock shortcut the running desktop holds, and changes nothing else; --profile also applies the profile (- reads standard input), its keys replaced by the preset&apos;s; --check sends nothing and only tells what would change; --list names the presets with their keys</source>
        <translation>setzt die Tasten beim Weggehen und Ankommen auf die Sperr- und Aufwecktasten einer Arbeitsumgebung (gnome, plasma, xfce, cinnamon, mate), auf die einer Anmeldevorgabe des Fensters (windows-2000, windows-xp-classic, xp-welcome-screen) oder, mit this-desktop, auf die Tastenkombination, mit der die laufende Arbeitsumgebung den Bildschirm sperrt, und ändert sonst nichts; --profile wendet auch das Profil an (- liest die Standardeingabe), mit den Tasten der Vorgabe statt seiner eigenen; --check sendet nichts und zeigt nur, was sich ändern würde; --list nennt die Vorgaben mit ihren Tasten</translation>
    </message>
    <message>
        <source>Answers in JSON (--json), one object on standard output:
  import, set, reset  {&quot;changed&quot;: true|false, &quot;check&quot;: true|false,
                       &quot;changes&quot;: [{&quot;path&quot;: ..., &quot;before&quot;: ..., &quot;after&quot;: ...}],
                       &quot;before&quot;: PROFILE, &quot;after&quot;: PROFILE}
                      the stored configuration before, and the one the sensor
                      holds (with --check: would hold) after, as export
                      writes them; preset adds &quot;preset&quot;: {&quot;name&quot;, &quot;title&quot;,
                      &quot;walk_away&quot;, &quot;walk_up&quot;, &quot;shortcut&quot;, &quot;shortcut_read&quot;}
  preset --list       {&quot;presets&quot;: [{&quot;name&quot;, &quot;title&quot;, &quot;walk_away&quot;,
                       &quot;walk_up&quot;, &quot;shortcut&quot;, &quot;source&quot;}, ...]}
  diff                {&quot;differs&quot;: true|false, &quot;changes&quot;: [...]}
  any failure         {&quot;error&quot;: {&quot;status&quot;: N, &quot;message&quot;: ..., &quot;call&quot;: ...,
                       &quot;errno&quot;: N, &quot;problems&quot;: [{&quot;path&quot;: ..., &quot;value&quot;: ...,
                       &quot;allowed&quot;: ..., &quot;message&quot;: ...}]}}
                      &quot;call&quot; and &quot;errno&quot; for a failed library call,
                      &quot;problems&quot; for a refused profile or assignment; the
                      exit status and the message on standard error are as
                      without --json
</source>
        <translation>Antworten in JSON (--json), ein Objekt auf der Standardausgabe:
  import, set, reset  {&quot;changed&quot;: true|false, &quot;check&quot;: true|false,
                       &quot;changes&quot;: [{&quot;path&quot;: ..., &quot;before&quot;: ..., &quot;after&quot;: ...}],
                       &quot;before&quot;: PROFIL, &quot;after&quot;: PROFIL}
                      die gespeicherte Konfiguration vorher und die, die der
                      Sensor danach hält (mit --check: halten würde), so
                      wie export sie schreibt; preset fügt &quot;preset&quot;: {&quot;name&quot;,
                      &quot;title&quot;, &quot;walk_away&quot;, &quot;walk_up&quot;, &quot;shortcut&quot;,
                      &quot;shortcut_read&quot;} hinzu
  preset --list       {&quot;presets&quot;: [{&quot;name&quot;, &quot;title&quot;, &quot;walk_away&quot;,
                       &quot;walk_up&quot;, &quot;shortcut&quot;, &quot;source&quot;}, ...]}
  diff                {&quot;differs&quot;: true|false, &quot;changes&quot;: [...]}
  jeder Fehler        {&quot;error&quot;: {&quot;status&quot;: N, &quot;message&quot;: ..., &quot;call&quot;: ...,
                       &quot;errno&quot;: N, &quot;problems&quot;: [{&quot;path&quot;: ..., &quot;value&quot;: ...,
                       &quot;allowed&quot;: ..., &quot;message&quot;: ...}]}}
                      &quot;call&quot; und &quot;errno&quot; bei einem fehlgeschlagenen
                      Bibliotheksaufruf, &quot;problems&quot; bei einem abgelehnten
                      Profil oder einer abgelehnten Zuweisung; Exit-Status
                      und Meldung auf der Standardfehlerausgabe sind wie
                      ohne --json
</translation>
    </message>
    <message>
        <source>  %1 COMMAND --help | help COMMAND
      the command&apos;s usage
  %1 --help | --version [--json]

Every change is checked as a whole first: a refused value sends nothing,
and a failed call commits nothing. Messages go to standard error.
</source>
        <translation>  %1 BEFEHL --help | help BEFEHL
      der Aufruf des Befehls
  %1 --help | --version [--json]

Jede Änderung wird zuerst als Ganzes geprüft: Ein abgelehnter Wert sendet
nichts, und ein fehlgeschlagener Aufruf übernimmt nichts. Meldungen gehen auf
die Standardfehlerausgabe.
</translation>
    </message>
    <message>
        <source>--profile needs a profile file, or - for standard input</source>
        <translation>--profile braucht eine Profildatei oder - für die Standardeingabe</translation>
    </message>
    <message>
        <source>%1: cannot write: %2</source>
        <translation>%1: Schreiben nicht möglich: %2</translation>
    </message>
    <message>
        <source>%1: cannot write a profile into a directory; nothing was written</source>
        <translation>%1: ein Profil kann nicht in ein Verzeichnis geschrieben werden; nichts wurde geschrieben</translation>
    </message>
    <message>
        <source>%1: cannot write a profile into a socket; nothing was written</source>
        <translation>%1: ein Profil kann nicht in einen Socket geschrieben werden; nichts wurde geschrieben</translation>
    </message>
    <message>
        <source>%1: cannot write a profile onto a block device; nothing was written</source>
        <translation>%1: ein Profil kann nicht auf ein blockorientiertes Gerät geschrieben werden; nichts wurde geschrieben</translation>
    </message>
    <message>
        <source>the running desktop&apos;s own lock shortcut, read in its session</source>
        <translation>die Tastenkombination der laufenden Arbeitsumgebung zum Sperren des Bildschirms, aus ihrer Sitzung gelesen</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>Quelle:</translation>
    </message>
    <message>
        <source>usage: %1 preset NAME [--profile FILE] [--check] [--json] | preset --list [--json]</source>
        <extracomment>%1 is the program</extracomment>
        <translation>Aufruf: %1 preset NAME [--profile FILE] [--check] [--json] | preset --list [--json]</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 is the profile file&apos;s name, %2 one problem of it</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not FIELD=VALUE</source>
        <extracomment>%1 is the assignment as given; FIELD=VALUE is the form it must have</extracomment>
        <translation>„%1“ hat nicht die Form FIELD=VALUE</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a field path such as walk_away.keys[0].name</source>
        <extracomment>%1 is the text before &quot;=&quot; in an assignment</extracomment>
        <translation>„%1“ ist kein Feldpfad wie walk_away.keys[0].name</translation>
    </message>
    <message>
        <source>%1: %2 is a value with no parts</source>
        <extracomment>%1 is the field path given, %2 its first member, a single value</extracomment>
        <translation>%1: %2 ist ein Wert ohne Teile</translation>
    </message>
    <message>
        <source>%1: the field has no parts to set</source>
        <extracomment>%1 is the field path given</extracomment>
        <translation>%1: Das Feld hat keine Teile, die sich setzen lassen</translation>
    </message>
    <message>
        <source>%1: the sensor holds key code %2, outside 0 to 255</source>
        <extracomment>%1 is the keystroke&apos;s field path, %2 the stored key code</extracomment>
        <translation>%1: Der Sensor hat den Tastencode %2 gespeichert, außerhalb von 0 bis 255</translation>
    </message>
    <message>
        <source>%1: the sensor holds modifier mask %2, outside 0 to 255</source>
        <extracomment>%1 is the keystroke&apos;s field path, %2 the stored modifier mask</extracomment>
        <translation>%1: Der Sensor hat die Modifikatormaske %2 gespeichert, außerhalb von 0 bis 255</translation>
    </message>
    <message>
        <source>%1: the sensor holds %2, outside %3 to %4; mend it before the profile is imported</source>
        <extracomment>%1 is the field path, %2 the stored value, %3 to %4 the field&apos;s bounds</extracomment>
        <translation>%1: Der Sensor hat %2 gespeichert, außerhalb von %3 bis %4; korrigieren Sie den Wert, bevor das Profil importiert wird</translation>
    </message>
    <message numerus="yes">
        <source>%1: the sensor&apos;s key count %2 does not agree with its %n keys; an import stores %n</source>
        <extracomment>%1 is the key sequence&apos;s section, %2 its stored key count, %n the keystrokes it holds</extracomment>
        <translation>
            <numerusform>%1: Die Tastenanzahl %2 des Sensors passt nicht zu der %n belegten Taste; ein Import speichert %n</numerusform>
            <numerusform>%1: Die Tastenanzahl %2 des Sensors passt nicht zu den %n belegten Tasten; ein Import speichert %n</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2 is not allowed: expected %3</source>
        <extracomment>%1 is the field path, %2 the value given, %3 what is allowed there</extracomment>
        <translation>%1: %2 ist nicht zulässig: erwartet wird %3</translation>
    </message>
    <message>
        <source>%1: missing: expected %2</source>
        <extracomment>%1 is the field path, %2 what is allowed there</extracomment>
        <translation>%1: fehlt: erwartet wird %2</translation>
    </message>
    <message>
        <source>%1 or older</source>
        <extracomment>%1 is the newest profile version this program reads</extracomment>
        <translation>%1 oder älter</translation>
    </message>
    <message>
        <source>version: %1 is newer than this program reads: expected %2</source>
        <extracomment>%1 is the profile&apos;s version, %2 the versions this program reads</extracomment>
        <translation>version: %1 ist neuer, als dieses Programm lesen kann: erwartet wird %2</translation>
    </message>
    <message>
        <source>one of the members %1</source>
        <extracomment>%1 is the list of member names</extracomment>
        <translation>eines der Elemente %1</translation>
    </message>
    <message>
        <source>%1: unknown field: allowed are %2</source>
        <extracomment>%1 is the field path, %2 the list of member names</extracomment>
        <translation>%1: unbekanntes Feld: zulässig sind %2</translation>
    </message>
    <message>
        <source>a whole number from %1 to %2</source>
        <extracomment>%1 and %2 are the field&apos;s bounds</extracomment>
        <translation>eine ganze Zahl von %1 bis %2</translation>
    </message>
    <message>
        <source>an object with %1</source>
        <extracomment>%1 is the list of member names</extracomment>
        <translation>ein Objekt mit %1</translation>
    </message>
    <message>
        <source>true or false</source>
        <extracomment>the JSON words true and false, which stay untranslated</extracomment>
        <translation>true oder false</translation>
    </message>
    <message>
        <source>a keystroke with a key &quot;name&quot; or a &quot;code&quot; from 0 to 255</source>
        <extracomment>&quot;name&quot; and &quot;code&quot; are profile members and stay untranslated</extracomment>
        <translation>ein Tastendruck mit einem Tasten-&quot;name&quot; oder einem &quot;code&quot; von 0 bis 255</translation>
    </message>
    <message>
        <source>a key name of the key table (for example &quot;DELETE&quot;), or give a &quot;code&quot;</source>
        <translation>ein Tastenname aus der Tastentabelle (zum Beispiel &quot;DELETE&quot;), oder geben Sie einen &quot;code&quot; an</translation>
    </message>
    <message>
        <source>a key name of the key table (for example &quot;DELETE&quot;) for code %1, %2</source>
        <extracomment>%1 is the key code given, %2 the name of its key in double quotes or the words &quot;no key&apos;s&quot;</extracomment>
        <translation>ein Tastenname aus der Tastentabelle (zum Beispiel &quot;DELETE&quot;); Code %1 gehört zu %2</translation>
    </message>
    <message>
        <source>a name and a code of the same key</source>
        <translation>ein Name und ein Code derselben Taste</translation>
    </message>
    <message>
        <source>%1: the name %2 and the code %3 disagree: %2 is %4, code %3 is %5; give one of them</source>
        <extracomment>%1 is the keystroke&apos;s field path, %2 the key name given, %3 the code given, %4 the codes of that name (&quot;code 5&quot;, &quot;codes 166 and 175&quot;), %5 the name of the code&apos;s key in double quotes or &quot;no key&apos;s&quot;</extracomment>
        <translation>%1: Der Name %2 und der Code %3 passen nicht zusammen: %2 hat %4, Code %3 gehört zu %5; geben Sie nur eines von beiden an</translation>
    </message>
    <message>
        <source>a &quot;code&quot;: %1</source>
        <extracomment>%1 is a list of key codes (&quot;166 or 175&quot;); &quot;code&quot; is a profile member and stays untranslated</extracomment>
        <translation>ein &quot;code&quot;: %1</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 oder %2</translation>
    </message>
    <message numerus="yes">
        <source>%1: %2 names %n keys (%3): give its &quot;code&quot; instead</source>
        <extracomment>%1 is the field path, %2 the key name given, %n the number of keys of that name, %3 their codes (&quot;codes 166 and 175&quot;)</extracomment>
        <translation>
            <numerusform>%1: %2 bezeichnet %n Taste (%3): geben Sie stattdessen ihren &quot;code&quot; an</numerusform>
            <numerusform>%1: %2 bezeichnet %n Tasten (%3): geben Sie stattdessen ihren &quot;code&quot; an</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>%1 is two key codes or more, joined (&quot;166 and 175&quot;)</extracomment>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>code %1</source>
        <extracomment>%1 is a key code</extracomment>
        <translation>Code %1</translation>
    </message>
    <message numerus="yes">
        <source>codes %1</source>
        <extracomment>%1 is the list of key codes (&quot;166 and 175&quot;), %n their number</extracomment>
        <translation>
            <numerusform>Code %1</numerusform>
            <numerusform>Codes %1</numerusform>
        </translation>
    </message>
    <message>
        <source>no key&apos;s</source>
        <extracomment>stands for a key&apos;s name where a code names no key: &quot;for code 250, no key&apos;s&quot;</extracomment>
        <translation>keiner Taste</translation>
    </message>
    <message>
        <source>a list of modifier names (%1)</source>
        <extracomment>%1 is the list of modifier names, which stay untranslated</extracomment>
        <translation>eine Liste von Namen von Modifikatortasten (%1)</translation>
    </message>
    <message>
        <source>one of %1</source>
        <extracomment>%1 is the list of modifier names, which stay untranslated</extracomment>
        <translation>eines von %1</translation>
    </message>
    <message>
        <source>a keystroke {&quot;name&quot;: &quot;...&quot;, &quot;mods&quot;: [...]} or null</source>
        <extracomment>the JSON in braces and the word null stay untranslated</extracomment>
        <translation>ein Tastendruck {&quot;name&quot;: &quot;...&quot;, &quot;mods&quot;: [...]} oder null</translation>
    </message>
    <message>
        <source>%1, the number of keys in use (the count follows the keys)</source>
        <extracomment>%1 is the number of keystrokes the sequence holds</extracomment>
        <translation>%1, die Anzahl der belegten Tasten (die Anzahl folgt den Tasten)</translation>
    </message>
    <message>
        <source>a list of at most %1 keystrokes, null for an empty position</source>
        <extracomment>%1 is the number of key positions; null stays untranslated</extracomment>
        <translation>eine Liste von höchstens %1 Tastendrücken, null für eine leere Position</translation>
    </message>
    <message>
        <source>a whole number from 0 to 65535 without the LED bits 1, 2 and 4 (&quot;leds&quot; sets them)</source>
        <extracomment>&quot;leds&quot; is a profile member and stays untranslated</extracomment>
        <translation>eine ganze Zahl von 0 bis 65535 ohne die LED-Bits 1, 2 und 4 (diese setzt &quot;leds&quot;)</translation>
    </message>
    <message numerus="yes">
        <source>a list of %n whole numbers from 0 to 65535</source>
        <extracomment>%n is the number of words the list holds</extracomment>
        <translation>
            <numerusform>eine Liste mit %n Ganzzahl von 0 bis 65535</numerusform>
            <numerusform>eine Liste mit %n Ganzzahlen von 0 bis 65535</numerusform>
        </translation>
    </message>
    <message>
        <source>not JSON: the text ends at line %1, column %2 before its value does</source>
        <translation>kein JSON: Der Text endet in Zeile %1, Spalte %2 vor seinem Wert</translation>
    </message>
    <message>
        <source>not JSON: a value is due at line %1, column %2, not %3</source>
        <translation>kein JSON: In Zeile %1, Spalte %2 wird ein Wert erwartet, nicht %3</translation>
    </message>
    <message>
        <source>not JSON: a member name in double quotes is due at line %1, column %2, not %3</source>
        <translation>kein JSON: In Zeile %1, Spalte %2 wird ein Elementname in doppelten Anführungszeichen erwartet, nicht %3</translation>
    </message>
    <message>
        <source>not JSON: a colon is due after the member name at line %1, column %2, not %3</source>
        <translation>kein JSON: In Zeile %1, Spalte %2 wird nach dem Elementnamen ein Doppelpunkt erwartet, nicht %3</translation>
    </message>
    <message>
        <source>not JSON: a comma or a closing brace is due at line %1, column %2, not %3</source>
        <translation>kein JSON: In Zeile %1, Spalte %2 wird ein Komma oder eine schließende geschweifte Klammer erwartet, nicht %3</translation>
    </message>
    <message>
        <source>not JSON: a comma or a closing bracket is due at line %1, column %2, not %3</source>
        <translation>kein JSON: In Zeile %1, Spalte %2 wird ein Komma oder eine schließende eckige Klammer erwartet, nicht %3</translation>
    </message>
    <message>
        <source>not JSON: the string that starts at line %1, column %2 is not closed</source>
        <translation>kein JSON: Die Zeichenkette ab Zeile %1, Spalte %2 wird nicht geschlossen</translation>
    </message>
    <message>
        <source>not JSON: %3 at line %1, column %2 is not an escape that JSON has</source>
        <translation>kein JSON: %3 in Zeile %1, Spalte %2 ist keine Escape-Sequenz von JSON</translation>
    </message>
    <message>
        <source>not JSON: the control character %3 at line %1, column %2 stands in a string unescaped</source>
        <translation>kein JSON: Das Steuerzeichen %3 in Zeile %1, Spalte %2 steht ohne Escape in einer Zeichenkette</translation>
    </message>
    <message>
        <source>not JSON: the bytes at line %1, column %2 are not UTF-8 text</source>
        <translation>kein JSON: Die Bytes in Zeile %1, Spalte %2 sind kein UTF-8-Text</translation>
    </message>
    <message>
        <source>not JSON: %3 at line %1, column %2 is not a number as JSON writes numbers</source>
        <translation>kein JSON: %3 in Zeile %1, Spalte %2 ist keine Zahl in der Schreibweise von JSON</translation>
    </message>
    <message>
        <source>not JSON: more follows the value at line %1, column %2</source>
        <translation>kein JSON: Nach dem Wert in Zeile %1, Spalte %2 folgt noch mehr</translation>
    </message>
    <message>
        <source>not JSON: lists and objects nest deeper than %3 levels at line %1, column %2</source>
        <translation>kein JSON: Listen und Objekte sind in Zeile %1, Spalte %2 tiefer als %3 Ebenen verschachtelt</translation>
    </message>
    <message>
        <source>not JSON: %3 at line %1, column %2</source>
        <translation>kein JSON: %3 in Zeile %1, Spalte %2</translation>
    </message>
    <message>
        <source>a number JSON can hold</source>
        <translation>eine Zahl, die JSON darstellen kann</translation>
    </message>
    <message>
        <source>not JSON: %1 is a number JSON cannot hold (line %2, column %3)</source>
        <extracomment>%1 is the number as written, %2 and %3 its line and column</extracomment>
        <translation>kein JSON: %1 ist eine Zahl, die JSON nicht darstellen kann (Zeile %2, Spalte %3)</translation>
    </message>
    <message>
        <source>%1: %2 is a number JSON cannot hold (line %3, column %4)</source>
        <extracomment>%1 is the field path, %2 the number as written, %3 and %4 its line and column</extracomment>
        <translation>%1: %2 ist eine Zahl, die JSON nicht darstellen kann (Zeile %3, Spalte %4)</translation>
    </message>
    <message>
        <source>JSON text</source>
        <translation>JSON-Text</translation>
    </message>
    <message>
        <source>each member once in its object</source>
        <translation>jedes Element nur einmal in seinem Objekt</translation>
    </message>
    <message>
        <source>%1: named again on line %2 (first on line %3): each member may be named once</source>
        <extracomment>%1 is the member&apos;s path, %2 and %3 the lines where it is named</extracomment>
        <translation>%1: in Zeile %2 erneut genannt (zuerst in Zeile %3): Jedes Element darf nur einmal genannt werden</translation>
    </message>
    <message>
        <source>a JSON object</source>
        <translation>ein JSON-Objekt</translation>
    </message>
    <message>
        <source>not a profile: the JSON text holds no object</source>
        <translation>kein Profil: Der JSON-Text enthält kein Objekt</translation>
    </message>
</context>
<context>
    <name>ui::Accessibility</name>
    <message>
        <source>Accepts whole numbers from %1 to %2.</source>
        <translation>Nimmt ganze Zahlen von %1 bis %2 an.</translation>
    </message>
</context>
</TS>
