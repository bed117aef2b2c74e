<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs_CZ">
<context>
    <name>CommandLine</name>
    <message>
        <source>Show this help and exit.</source>
        <translation>Zobrazí tuto nápovědu a skončí.</translation>
    </message>
    <message>
        <source>Show the program&apos;s version and exit.</source>
        <translation>Zobrazí verzi programu a skončí.</translation>
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
        <translation>Použití: %1 [VOLBA]
Načte, zobrazí, upraví a zapíše uloženou konfiguraci USB senzoru přítomnosti
Ostraval v jednom okně.

Volby:
  -h, --help     Zobrazí tuto nápovědu a skončí.
  -v, --version  Zobrazí verzi programu a skončí.

Simulovaný senzor za knihovnou zařízení bere svá nastavení z prostředí
(KV3RAPI_SIM_*); viz %1(1).
</translation>
    </message>
    <message>
        <source>%1: %2 (try --help)</source>
        <extracomment>%1 is the program, %2 what is wrong with its command line</extracomment>
        <translation>%1: %2 (zkuste --help)</translation>
    </message>
    <message>
        <source>%1: unexpected argument &apos;%2&apos; (try --help)</source>
        <translation>%1: nečekaný argument „%2“ (zkuste --help)</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <extracomment>%1 is the option as the user typed it</extracomment>
        <translation>Neznámá volba &apos;%1&apos;.</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Initial Setup</source>
        <translation>Počáteční nastavení</translation>
    </message>
    <message>
        <source>Walk-Away Keystrokes</source>
        <translation>Klávesy při odchodu</translation>
    </message>
    <message>
        <source>Walk-Up Keystrokes </source>
        <translation>Klávesy při příchodu </translation>
    </message>
    <message>
        <source>About</source>
        <translation>O programu</translation>
    </message>
    <message>
        <source>The value must be between %1 and %2!</source>
        <extracomment>%1 and %2 are the lowest and the highest value allowed</extracomment>
        <translation>Hodnota musí být mezi %1 a %2!</translation>
    </message>
    <message>
        <source>Delay must be in the range of %1-%2 seconds!</source>
        <extracomment>%1 and %2 are the shortest and the longest delay allowed, in seconds</extracomment>
        <translation>Prodleva musí být v rozsahu %1–%2 sekund!</translation>
    </message>
    <message>
        <source>Detection range (24-42 inches)</source>
        <translation>Dosah detekce (24–42 palců)</translation>
    </message>
    <message>
        <source>Walk-Away Delay before sending keystrokes</source>
        <translation>Prodleva při odchodu před odesláním kláves</translation>
    </message>
    <message>
        <source>Walk-Up Delay before sending keystrokes</source>
        <translation>Prodleva při příchodu před odesláním kláves</translation>
    </message>
    <message>
        <source>Power-up Delay </source>
        <translation>Prodleva po zapnutí </translation>
    </message>
    <message>
        <source>Keep Alive Rate (0-255)</source>
        <translation>Interval udržení aktivity (0–255)</translation>
    </message>
    <message>
        <source>Key delay</source>
        <translation>Prodleva kláves</translation>
    </message>
    <message>
        <source>Keystroke 1</source>
        <translation>Klávesa 1</translation>
    </message>
    <message>
        <source>Keystroke 2</source>
        <translation>Klávesa 2</translation>
    </message>
    <message>
        <source>Keystroke 3</source>
        <translation>Klávesa 3</translation>
    </message>
    <message>
        <source>Keystroke 4</source>
        <translation>Klávesa 4</translation>
    </message>
    <message>
        <source>Keystroke 5</source>
        <translation>Klávesa 5</translation>
    </message>
    <message>
        <source>Idle Keystroke</source>
        <translation>Klávesa při nečinnosti</translation>
    </message>
    <message>
        <source>Keystroke 6</source>
        <translation>Klávesa 6</translation>
    </message>
    <message>
        <source>Ostraval® presence sensor. Visit the Zelvora web site for support, enhancements and our other products. Copyright © Zelvora. All rights reserved.</source>
        <translation>Senzor přítomnosti Ostraval®. Podporu, vylepšení a další naše produkty najdete na webu společnosti Zelvora. Copyright © Zelvora. Všechna práva vyhrazena.</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>Firmware</translation>
    </message>
    <message>
        <source>Firmware version</source>
        <translation>Verze firmwaru</translation>
    </message>
    <message>
        <source>The purpose of the Idle Keystroke is to prevent a screensaver from launching while a person is within the defined proximity zone.  The defined Idle Keystroke is sent at the periodic rate entered below.  The keystroke should be defined so as to not interfere with other applications.</source>
        <translation>Klávesa při nečinnosti brání spuštění spořiče obrazovky, dokud je osoba v nastaveném dosahu. Odesílá se pravidelně v intervalu zadaném níže. Zvolte klávesu, která neruší jiné aplikace.</translation>
    </message>
    <message>
        <source>If the rate is set to zero, this feature is disabled.</source>
        <translation>Při intervalu nula je tato funkce vypnutá.</translation>
    </message>
    <message>
        <source>Idle keystroke</source>
        <translation>Klávesa při nečinnosti</translation>
    </message>
    <message>
        <source>Zelvora USB Write Parameters</source>
        <translation>Zelvora: zápis parametrů</translation>
    </message>
    <message>
        <source>The changes were not written to the device.  Do you want to write the changes and continue ?</source>
        <translation>Změny nebyly zapsány do zařízení. Chcete změny zapsat a pokračovat?</translation>
    </message>
    <message>
        <source>The changes were not written to the device.  Do you want to leave without writing the changes and continue ?</source>
        <translation>Změny nebyly zapsány do zařízení. Chcete pokračovat bez zápisu změn?</translation>
    </message>
    <message>
        <source>The changes are about to be written to the device.  Do you want to write the changes?</source>
        <translation>Změny budou zapsány do zařízení. Chcete změny zapsat?</translation>
    </message>
    <message>
        <source>Enter Power-up delay is rarely required.  Setting this when not needed will cause problems with the USB registration process.  Proceed with Caution!</source>
        <translation>Prodleva po zapnutí je potřeba jen zřídka. Zbytečné nastavení způsobí problémy při registraci zařízení USB. Postupujte opatrně!</translation>
    </message>
    <message>
        <source>&quot;%1&quot; in &quot;%2&quot; on the page &quot;%3&quot; is not a whole number the sensor can store.

Nothing was written to the device. Correct the value and write again.</source>
        <extracomment>%1 is the text in the box, %2 the box&apos;s caption, %3 the page&apos;s tab</extracomment>
        <translation>„%1“ v poli „%2“ na stránce „%3“ není celé číslo, které může senzor uložit.

Do zařízení nebylo nic zapsáno. Opravte hodnotu a zapište znovu.</translation>
    </message>
    <message>
        <source>Ostraval Configuration Utility</source>
        <translation>Konfigurační nástroj Ostraval</translation>
    </message>
    <message>
        <source>Ostraval® Configuration Utility</source>
        <translation>Konfigurační nástroj Ostraval®</translation>
    </message>
    <message>
        <source>Connect USB Device</source>
        <translation>Připojit zařízení USB</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stav</translation>
    </message>
    <message>
        <source>Config Changed</source>
        <translation>Změněno</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
    <message>
        <source>Apply</source>
        <extracomment>The button that writes the changes to the sensor</extracomment>
        <translation>Použít</translation>
    </message>
    <message>
        <source>Shft</source>
        <extracomment>The Shift key modifier, short for a narrow check box</extracomment>
        <translation>Shift</translation>
    </message>
    <message>
        <source>Shift</source>
        <extracomment>The Shift key, in a check box&apos;s accessible name</extracomment>
        <translation>Shift</translation>
    </message>
    <message>
        <source>Ctrl</source>
        <extracomment>The Ctrl key modifier</extracomment>
        <translation>Ctrl</translation>
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
        <translation>Levé</translation>
    </message>
    <message>
        <source>Right</source>
        <extracomment>The column of the right-hand modifier keys</extracomment>
        <translation>Pravé</translation>
    </message>
    <message>
        <source>%1 left %2</source>
        <extracomment>A modifier check box&apos;s accessible name: %1 is the keystroke (&quot;Walk-away keystroke 1&quot;), %2 the modifier key (&quot;Shift&quot;)</extracomment>
        <translation>%1, levá klávesa %2</translation>
    </message>
    <message>
        <source>%1 right %2</source>
        <translation>%1, pravá klávesa %2</translation>
    </message>
    <message>
        <source>%1 key</source>
        <extracomment>The key list&apos;s accessible name: %1 is the keystroke (&quot;Walk-away keystroke 1&quot;)</extracomment>
        <translation>%1, klávesa</translation>
    </message>
    <message>
        <source>%1 code</source>
        <extracomment>The key code box&apos;s accessible name: %1 is the keystroke</extracomment>
        <translation>%1, kód klávesy</translation>
    </message>
    <message>
        <source>%1 modifiers</source>
        <translation>%1, modifikátory</translation>
    </message>
    <message>
        <source>Disables the LED on the unit.  The device is still operational, but no visual indication is given.</source>
        <translation>Vypne LED na jednotce. Zařízení dál pracuje, ale nic nesignalizuje.</translation>
    </message>
    <message>
        <source>May be set between 0 and 255.</source>
        <translation>Lze nastavit od 0 do 255.</translation>
    </message>
    <message>
        <source>Proximity Range</source>
        <translation>Dosah snímání</translation>
    </message>
    <message>
        <source>This is the distance that defines where the in-range and out-of-range detection occurs.</source>
        <translation>Vzdálenost, která určuje hranici mezi detekcí v dosahu a mimo dosah.</translation>
    </message>
    <message>
        <source>Read Now</source>
        <translation>Změřit nyní</translation>
    </message>
    <message>
        <source>Last range detected</source>
        <translation>Poslední změřená vzdálenost</translation>
    </message>
    <message>
        <source>Not being dynamically read.</source>
        <translation>Neměří se průběžně.</translation>
    </message>
    <message>
        <source>Disable LED</source>
        <translation>Vypnout LED</translation>
    </message>
    <message>
        <source>Out-of-Range Red</source>
        <translation>Červená mimo dosah</translation>
    </message>
    <message>
        <source>Transition Yellow</source>
        <translation>Žlutá při přechodu</translation>
    </message>
    <message>
        <source>In-Range Green</source>
        <translation>Zelená v dosahu</translation>
    </message>
    <message>
        <source>Quick Configuration</source>
        <translation>Rychlé nastavení</translation>
    </message>
    <message>
        <source>Operating System</source>
        <translation>Operační systém</translation>
    </message>
    <message>
        <source>Windows 2000</source>
        <translation>Windows 2000</translation>
    </message>
    <message>
        <source>Sets keystrokes for W 2k OS</source>
        <translation>Nastaví klávesy pro Windows 2000</translation>
    </message>
    <message>
        <source>Windows XP Classic</source>
        <translation>Windows XP klasické</translation>
    </message>
    <message>
        <source>Sets keystrokes for W XP Classic Logon</source>
        <translation>Nastaví klávesy pro klasické přihlášení Windows XP</translation>
    </message>
    <message>
        <source>XP Welcome Screen</source>
        <translation>XP uvítací obrazovka</translation>
    </message>
    <message>
        <source>Sets keystrokes for W XP Welcom Screen Logon</source>
        <translation>Nastaví klávesy pro přihlášení uvítací obrazovkou Windows XP</translation>
    </message>
    <message>
        <source>Reset to Factory Defaults</source>
        <translation>Obnovit tovární nastavení</translation>
    </message>
    <message>
        <source>Resets all configurtation parameters to factory settings</source>
        <translation>Vrátí všechny parametry konfigurace na tovární nastavení</translation>
    </message>
    <message>
        <source>Timing Delays (0-255 seconds)</source>
        <translation>Prodlevy (0–255 sekund)</translation>
    </message>
    <message>
        <source>This delay (0-255) is between when the user is detected as being in-range, and when the keystrokes are actually sent.</source>
        <translation>Prodleva (0–255) mezi zjištěním, že je uživatel v dosahu, a skutečným odesláním kláves.</translation>
    </message>
    <message>
        <source>This delay (0-255) is between when the user is detected as being out-of-range, and when the keystrokes are actually sent.</source>
        <translation>Prodleva (0–255) mezi zjištěním, že je uživatel mimo dosah, a skutečným odesláním kláves.</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Pokročilé</translation>
    </message>
    <message>
        <source>Leave set to &apos;0&apos; unless you have a PC power-up problem with the USB device.</source>
        <translation>Ponechte „0“, pokud nemáte se zařízením USB potíže při zapínání počítače.</translation>
    </message>
    <message>
        <source>Some computers may need to have the device in an off state while booting up.</source>
        <translation>Některé počítače potřebují, aby bylo zařízení během spouštění vypnuté.</translation>
    </message>
    <message>
        <source>Developer Mode</source>
        <translation>Režim pro vývojáře</translation>
    </message>
    <message>
        <source>Select when using Korvane&apos; software developer&apos;s kit.</source>
        <translation>Zvolte při použití sady SDK od Korvane.</translation>
    </message>
    <message>
        <source>Disable keystrokes</source>
        <translation>Vypnout klávesy</translation>
    </message>
    <message>
        <source>Disable to use with the software developer&apos;s kit</source>
        <translation>Vypněte pro použití se sadou SDK</translation>
    </message>
    <message>
        <source>Walk-away keystroke 1</source>
        <translation>Klávesa 1 při odchodu</translation>
    </message>
    <message>
        <source>When the user steps away there may be several keystroke</source>
        <translation>Při odchodu uživatele lze odeslat několik kláves</translation>
    </message>
    <message>
        <source>Walk-away keystroke 2</source>
        <translation>Klávesa 2 při odchodu</translation>
    </message>
    <message>
        <source>Walk-away keystroke 3</source>
        <translation>Klávesa 3 při odchodu</translation>
    </message>
    <message>
        <source>Walk-away keystroke 4</source>
        <translation>Klávesa 4 při odchodu</translation>
    </message>
    <message>
        <source>Walk-away keystroke 5</source>
        <translation>Klávesa 5 při odchodu</translation>
    </message>
    <message>
        <source>KeyCount</source>
        <translation>Počet kláves</translation>
    </message>
    <message>
        <source>Walk-away key count</source>
        <translation>Počet kláves při odchodu</translation>
    </message>
    <message>
        <source>Walk-away key delay</source>
        <translation>Prodleva kláves při odchodu</translation>
    </message>
    <message>
        <source>Walk-up keystroke 1</source>
        <translation>Klávesa 1 při příchodu</translation>
    </message>
    <message>
        <source>Walk-up keystroke 2</source>
        <translation>Klávesa 2 při příchodu</translation>
    </message>
    <message>
        <source>Walk-up keystroke 3</source>
        <translation>Klávesa 3 při příchodu</translation>
    </message>
    <message>
        <source>Walk-up keystroke 4</source>
        <translation>Klávesa 4 při příchodu</translation>
    </message>
    <message>
        <source>Walk-up keystroke 5</source>
        <translation>Klávesa 5 při příchodu</translation>
    </message>
    <message>
        <source>Walk-up key count</source>
        <translation>Počet kláves při příchodu</translation>
    </message>
    <message>
        <source>Walk-up key delay</source>
        <translation>Prodleva kláves při příchodu</translation>
    </message>
    <message>
        <source>Zelvora Parameter</source>
        <translation>Zelvora: parametr</translation>
    </message>
    <message>
        <source>presence sensor</source>
        <translation>senzor přítomnosti</translation>
    </message>
    <message>
        <source>An error &gt;%1 &lt; was encountered.  Do you want to continue ?</source>
        <extracomment>%1 is the failed operation&apos;s name and the sensor&apos;s error number (&quot;USB Connect 7&quot;)</extracomment>
        <translation>Došlo k chybě: %1. Chcete pokračovat?</translation>
    </message>
    <message>
        <source>Zelvora USB Device Error</source>
        <translation>Zelvora: chyba zařízení USB</translation>
    </message>
    <message>
        <source>Nothing to write: the window matches the sensor.</source>
        <translation>Není co zapsat: okno odpovídá senzoru.</translation>
    </message>
    <message>
        <source>Nothing was written: the sensor is not connected.</source>
        <translation>Nic nebylo zapsáno: senzor není připojen.</translation>
    </message>
    <message>
        <source>The changes were written to the sensor.</source>
        <translation>Změny byly zapsány do senzoru.</translation>
    </message>
    <message>
        <source>The window differs from the sensor.</source>
        <translation>Okno se liší od senzoru.</translation>
    </message>
    <message>
        <source>The window matches the sensor.</source>
        <translation>Okno odpovídá senzoru.</translation>
    </message>
    <message>
        <source>The sensor is not connected. Nothing can be written to it.</source>
        <translation>Senzor není připojen. Nelze do něj nic zapsat.</translation>
    </message>
    <message>
        <source>The window differs from the sensor. The sensor is connected.</source>
        <translation>Okno se liší od senzoru. Senzor je připojen.</translation>
    </message>
    <message>
        <source>The window matches the sensor. The sensor is connected.</source>
        <translation>Okno odpovídá senzoru. Senzor je připojen.</translation>
    </message>
    <message>
        <source>Right Ctrl</source>
        <translation>pravý Ctrl</translation>
    </message>
    <message>
        <source>Right Shift</source>
        <translation>pravý Shift</translation>
    </message>
    <message>
        <source>Right Alt</source>
        <translation>pravý Alt</translation>
    </message>
    <message>
        <source>Right GUI</source>
        <translation>pravá klávesa GUI</translation>
    </message>
    <message>
        <source>%1 is chosen.</source>
        <translation>Zvoleno: %1.</translation>
    </message>
    <message>
        <source>No walk-away keystrokes.</source>
        <translation>Žádné klávesy při odchodu.</translation>
    </message>
    <message>
        <source>Walk-away keystrokes: %1.</source>
        <translation>Klávesy při odchodu: %1.</translation>
    </message>
    <message>
        <source>No walk-up keystrokes.</source>
        <translation>Žádné klávesy při příchodu.</translation>
    </message>
    <message>
        <source>Walk-up keystrokes: %1.</source>
        <translation>Klávesy při příchodu: %1.</translation>
    </message>
</context>
<context>
    <name>QComboBox</name>
    <message>
        <source>Open the combo box selection popup</source>
        <translation>Otevřít rozbalovací seznam</translation>
    </message>
</context>
<context>
    <name>ostraval-ctl</name>
    <message>
        <source>Detection range (inches)</source>
        <translation>Dosah detekce (palce)</translation>
    </message>
    <message>
        <source>Walk-away delay (s)</source>
        <translation>Prodleva při odchodu (s)</translation>
    </message>
    <message>
        <source>Walk-up delay (s)</source>
        <translation>Prodleva při příchodu (s)</translation>
    </message>
    <message>
        <source>Power-up delay (s)</source>
        <translation>Prodleva po zapnutí (s)</translation>
    </message>
    <message>
        <source>Idle rate</source>
        <translation>Interval udržení aktivity</translation>
    </message>
    <message>
        <source>Walk-away key delay (s)</source>
        <translation>Prodleva kláves při odchodu (s)</translation>
    </message>
    <message>
        <source>Walk-up key delay (s)</source>
        <translation>Prodleva kláves při příchodu (s)</translation>
    </message>
    <message>
        <source>Idle keystroke</source>
        <translation>Klávesa při nečinnosti</translation>
    </message>
    <message>
        <source>Walk-away keys</source>
        <translation>Klávesy při odchodu</translation>
    </message>
    <message>
        <source>Walk-up keys</source>
        <translation>Klávesy při příchodu</translation>
    </message>
    <message>
        <source>the sensor&apos;s stored configuration, firmware version and measured range; --json prints them as one profile-shaped JSON object with &quot;firmware&quot; and &quot;range&quot; added</source>
        <translation>uložená konfigurace senzoru, verze firmwaru a změřená vzdálenost; --json je vypíše jako jeden objekt JSON ve tvaru profilu s přidanými &quot;firmware&quot; a &quot;range&quot;</translation>
    </message>
    <message>
        <source>the stored configuration as a profile, to FILE or to standard output (without FILE or with -); an existing FILE is replaced only by a complete profile</source>
        <translation>uložená konfigurace jako profil do FILE nebo na standardní výstup (bez FILE nebo s -); existující FILE nahradí jen úplný profil</translation>
    </message>
    <message>
        <source>checks the whole profile (- reads standard input), then writes and commits what differs; --check sends nothing and only tells what would change</source>
        <translation>zkontroluje celý profil (- čte standardní vstup), pak zapíše a potvrdí, co se liší; --check nic neodešle a jen oznámí, co by se změnilo</translation>
    </message>
    <message>
        <source>one line per field that differs between the sensor and the profile (&quot;walk_away_delay: 5 -&gt; 10&quot;); exit status 1 when something differs; --json prints {&quot;differs&quot;: ..., &quot;changes&quot;: [{&quot;path&quot;, &quot;before&quot;, &quot;after&quot;}, ...]}</source>
        <translation>jeden řádek pro každou položku, v níž se senzor a profil liší (&quot;walk_away_delay: 5 -&gt; 10&quot;); návratový kód 1, když se něco liší; --json vypíše {&quot;differs&quot;: ..., &quot;changes&quot;: [{&quot;path&quot;, &quot;before&quot;, &quot;after&quot;}, ...]}</translation>
    </message>
    <message>
        <source>one value by its profile path, for example detection_range, leds.in_range, walk_away.key_delay, walk_away.keys[0].name</source>
        <translation>jedna hodnota podle své cesty v profilu, například detection_range, leds.in_range, walk_away.key_delay, walk_away.keys[0].name</translation>
    </message>
    <message>
        <source>checks every value, then writes and commits what differs; VALUE is JSON (36, true, null, [&quot;left-ctrl&quot;]) or text as show prints it (on, off, left-ctrl+DELETE (76), none), a key name (walk_away.keys[0].name=DELETE) or modifier names (walk_away.keys[0].mods=left-ctrl,left-alt); --check sends nothing and only tells what would change</source>
        <translation>zkontroluje každou hodnotu, pak zapíše a potvrdí, co se liší; VALUE je JSON (36, true, null, [&quot;left-ctrl&quot;]) nebo text, jak jej vypisuje show (on, off, left-ctrl+DELETE (76), none), název klávesy (walk_away.keys[0].name=DELETE) nebo názvy modifikátorů (walk_away.keys[0].mods=left-ctrl,left-alt); --check nic neodešle a jen oznámí, co by se změnilo</translation>
    </message>
    <message>
        <source>returns the sensor to its factory configuration, sending nothing when it already holds it; --check sends nothing and only tells what would change</source>
        <translation>vrátí senzor do tovární konfigurace; pokud ji již má, nic neodešle; --check nic neodešle a jen oznámí, co by se změnilo</translation>
    </message>
    <message>
        <source>the measured distance and the in-range flags; --watch redraws once a second until Ctrl+C (exit status 0), as a bar against the detection range on a terminal and as plain lines otherwise; --count N stops after N readings</source>
        <translation>změřená vzdálenost a příznaky dosahu; --watch překresluje jednou za sekundu až do Ctrl+C (návratový kód 0), na terminálu jako pruh vůči dosahu detekce, jinak jako prosté řádky; --count N skončí po N měřeních</translation>
    </message>
    <message>
        <source>Exit status: 0 success; 1 diff found a difference; 2 usage error, or
refused profile or value; 3 the sensor failed or could not be reached;
4 the output could not be written.</source>
        <translation>Návratový kód: 0 úspěch; 1 diff našel rozdíl; 2 chybné použití nebo
odmítnutý profil či hodnota; 3 senzor selhal nebo nebyl dostupný;
4 výstup nelze zapsat.</translation>
    </message>
    <message>
        <source>Usage: %1 COMMAND [ARGUMENTS]

Reads, saves, compares and changes the presence sensor&apos;s configuration.

Commands:</source>
        <extracomment>%1 is the program</extracomment>
        <translation>Použití: %1 PŘÍKAZ [ARGUMENTY]

Načte, uloží, porovná a změní konfiguraci senzoru přítomnosti.

Příkazy:</translation>
    </message>
    <message>
        <source>The simulated sensor behind the device library takes its settings from
the environment (KV3RAPI_SIM_*); see ostraval-config(1).</source>
        <translation>Simulovaný senzor za knihovnou zařízení bere svá nastavení z prostředí
(KV3RAPI_SIM_*); viz ostraval-config(1).</translation>
    </message>
    <message>
        <source>Usage: %1 %2
%3
</source>
        <extracomment>%1 is the program, %2 the command&apos;s synopsis, %3 what it does</extracomment>
        <translation>Použití: %1 %2
%3
</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;; try &apos;%2 --help&apos;</source>
        <extracomment>%1 is the word given as a command, %2 the program</extracomment>
        <translation>neznámý příkaz „%1“; zkuste „%2 --help“</translation>
    </message>
    <message>
        <source>%1: unknown option &quot;%2&quot;; usage: %3 %4</source>
        <extracomment>%1 is the command, %2 the option, %3 the program, %4 the command&apos;s synopsis</extracomment>
        <translation>%1: neznámá volba „%2“; použití: %3 %4</translation>
    </message>
    <message>
        <source>--count needs a number of readings from 1</source>
        <translation>--count vyžaduje počet měření od 1</translation>
    </message>
    <message>
        <source>usage: %1 %2</source>
        <extracomment>%1 is the program, %2 the command&apos;s synopsis</extracomment>
        <translation>použití: %1 %2</translation>
    </message>
    <message>
        <source>--count goes with --watch</source>
        <translation>--count patří k --watch</translation>
    </message>
    <message>
        <source>a command is needed; try &apos;%1 --help&apos;</source>
        <translation>chybí příkaz; zkuste „%1 --help“</translation>
    </message>
    <message>
        <source>%1: cannot read: %2</source>
        <extracomment>%1 is the file, %2 the reason</extracomment>
        <translation>%1: nelze číst: %2</translation>
    </message>
    <message>
        <source>%1: not a regular file: a profile is read from a file, or from standard input given as -</source>
        <translation>%1: není běžný soubor: profil se čte ze souboru nebo ze standardního vstupu zadaného jako -</translation>
    </message>
    <message>
        <source>%1: larger than %2 bytes: not a profile</source>
        <translation>%1: větší než %2 bajtů: není to profil</translation>
    </message>
    <message>
        <source>%1: cannot write: %2; the file is as it was</source>
        <extracomment>%1 is the file, %2 the reason</extracomment>
        <translation>%1: nelze zapsat: %2; soubor zůstal beze změny</translation>
    </message>
    <message>
        <source>%1: cannot write: %2; no file was made</source>
        <translation>%1: nelze zapsat: %2; žádný soubor nevznikl</translation>
    </message>
    <message numerus="yes">
        <source>... and %n more problems</source>
        <translation>
            <numerusform>... a %n další problém</numerusform>
            <numerusform>... a %n další problémy</numerusform>
            <numerusform>... a %n dalších problémů</numerusform>
        </translation>
    </message>
    <message>
        <source>failed</source>
        <translation>selhalo</translation>
    </message>
    <message>
        <source>standard output: cannot write: %1</source>
        <extracomment>%1 is the system&apos;s reason (&quot;No space left on device&quot;)</extracomment>
        <translation>standardní výstup: nelze zapsat: %1</translation>
    </message>
    <message>
        <source>%1 %2 in (range %3 in) in range</source>
        <extracomment>%1 is the bar, %2 the measured distance, %3 the detection range, in inches</extracomment>
        <translation>%1 %2 in (dosah %3 in) v dosahu</translation>
    </message>
    <message>
        <source>%1 %2 in (range %3 in) out of range</source>
        <translation>%1 %2 in (dosah %3 in) mimo dosah</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>ano</translation>
    </message>
    <message>
        <source>no</source>
        <translation>ne</translation>
    </message>
    <message>
        <source>range %1 inches, in range: %2, in-range pending: %3, out-of-range pending: %4</source>
        <extracomment>%1 is the measured distance, %2 to %4 are &quot;yes&quot; or &quot;no&quot;</extracomment>
        <translation>vzdálenost %1 in, v dosahu: %2, čeká na v dosahu: %3, čeká na mimo dosah: %4</translation>
    </message>
    <message>
        <source>cannot read the range: %1</source>
        <translation>nelze změřit vzdálenost: %1</translation>
    </message>
    <message>
        <source>%1; nothing was committed: the stored configuration is as it was</source>
        <extracomment>%1 is the failed call (&quot;SetSonarParms failed: sensor error 2 (...)&quot;)</extracomment>
        <translation>%1; nic nebylo potvrzeno: uložená konfigurace zůstala beze změny</translation>
    </message>
    <message>
        <source>%1; nothing was committed: the stored configuration is as it was; while taking back the stored configuration, %2; the sensor works with uncommitted values until it is restarted</source>
        <extracomment>%1 is the failed call, %2 the failed call that was to take the stored configuration back</extracomment>
        <translation>%1; nic nebylo potvrzeno: uložená konfigurace zůstala beze změny; při obnově uložené konfigurace %2; senzor pracuje s nepotvrzenými hodnotami, dokud nebude restartován</translation>
    </message>
    <message>
        <source>cannot reach the sensor: %1</source>
        <translation>senzor není dostupný: %1</translation>
    </message>
    <message>
        <source>cannot read the stored configuration: %1</source>
        <translation>nelze načíst uloženou konfiguraci: %1</translation>
    </message>
    <message>
        <source>warning: %1</source>
        <extracomment>%1 is the warning</extracomment>
        <translation>varování: %1</translation>
    </message>
    <message>
        <source>No change: the sensor already holds these values.</source>
        <translation>Beze změny: senzor už tyto hodnoty má.</translation>
    </message>
    <message numerus="yes">
        <source>Check only: %n field(s) would change; nothing was sent.</source>
        <translation>
            <numerusform>Jen kontrola: změnila by se %n položka; nic nebylo odesláno.</numerusform>
            <numerusform>Jen kontrola: změnily by se %n položky; nic nebylo odesláno.</numerusform>
            <numerusform>Jen kontrola: změnilo by se %n položek; nic nebylo odesláno.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Changed: %n field(s) written and committed.</source>
        <translation>
            <numerusform>Změněno: %n položka zapsána a potvrzena.</numerusform>
            <numerusform>Změněno: %n položky zapsány a potvrzeny.</numerusform>
            <numerusform>Změněno: %n položek zapsáno a potvrzeno.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: profile refused; nothing was sent</source>
        <extracomment>%1 is the profile&apos;s file</extracomment>
        <translation>%1: profil odmítnut; nic nebylo odesláno</translation>
    </message>
    <message numerus="yes">
        <source>%2: profile refused (%n problems, the first %1 named); nothing was sent</source>
        <translation>
            <numerusform>%2: profil odmítnut (%n problém, vypsáno prvních %1); nic nebylo odesláno</numerusform>
            <numerusform>%2: profil odmítnut (%n problémy, vypsáno prvních %1); nic nebylo odesláno</numerusform>
            <numerusform>%2: profil odmítnut (%n problémů, vypsáno prvních %1); nic nebylo odesláno</numerusform>
        </translation>
    </message>
    <message>
        <source>assignments refused; nothing was sent</source>
        <translation>přiřazení odmítnuta; nic nebylo odesláno</translation>
    </message>
    <message numerus="yes">
        <source>assignments refused (%n problems, the first %1 named); nothing was sent</source>
        <translation>
            <numerusform>přiřazení odmítnuta (%n problém, vypsáno prvních %1); nic nebylo odesláno</numerusform>
            <numerusform>přiřazení odmítnuta (%n problémy, vypsáno prvních %1); nic nebylo odesláno</numerusform>
            <numerusform>přiřazení odmítnuta (%n problémů, vypsáno prvních %1); nic nebylo odesláno</numerusform>
        </translation>
    </message>
    <message>
        <source>values refused; nothing was sent</source>
        <translation>hodnoty odmítnuty; nic nebylo odesláno</translation>
    </message>
    <message numerus="yes">
        <source>values refused (%n problems, the first %1 named); nothing was sent</source>
        <translation>
            <numerusform>hodnoty odmítnuty (%n problém, vypsáno prvních %1); nic nebylo odesláno</numerusform>
            <numerusform>hodnoty odmítnuty (%n problémy, vypsáno prvních %1); nic nebylo odesláno</numerusform>
            <numerusform>hodnoty odmítnuty (%n problémů, vypsáno prvních %1); nic nebylo odesláno</numerusform>
        </translation>
    </message>
    <message>
        <source>Firmware version</source>
        <translation>Verze firmwaru</translation>
    </message>
    <message>
        <source>LEDs</source>
        <translation>LED</translation>
    </message>
    <message>
        <source>Measured</source>
        <extracomment>The measured distance and in-range flags</extracomment>
        <translation>Změřeno</translation>
    </message>
    <message>
        <source>no field &quot;%1&quot;; fields are %2, and the parts of these (for example walk_away.keys[0].name)</source>
        <extracomment>%1 is the field asked for, %2 the list of fields</extracomment>
        <translation>položka „%1“ neexistuje; položky jsou %2 a jejich části (například walk_away.keys[0].name)</translation>
    </message>
    <message>
        <source>reset returns every setting to its factory value; give --yes to do it, or --check to see what it would change</source>
        <translation>reset vrátí každé nastavení na tovární hodnotu; proveďte jej s --yes, nebo s --check zjistěte, co by změnil</translation>
    </message>
    <message>
        <source>reset done, but cannot read the configuration back: %1</source>
        <translation>reset proveden, ale konfiguraci nelze načíst zpět: %1</translation>
    </message>
    <message>
        <source>no error number</source>
        <translation>bez čísla chyby</translation>
    </message>
    <message>
        <source>the sensor is not connected</source>
        <translation>senzor není připojen</translation>
    </message>
    <message>
        <source>the sensor did not answer</source>
        <translation>senzor neodpověděl</translation>
    </message>
    <message>
        <source>no sensor is attached</source>
        <translation>není připojen žádný senzor</translation>
    </message>
    <message>
        <source>a record was missing</source>
        <translation>chyběl záznam</translation>
    </message>
    <message>
        <source>the stored configuration is unreadable</source>
        <translation>uloženou konfiguraci nelze přečíst</translation>
    </message>
    <message>
        <source>the stored configuration could not be written</source>
        <translation>uloženou konfiguraci nelze zapsat</translation>
    </message>
    <message>
        <source>the sensor is in use by another program</source>
        <translation>senzor používá jiný program</translation>
    </message>
    <message>
        <source>the sensor&apos;s lock cannot be taken</source>
        <translation>zámek senzoru nelze získat</translation>
    </message>
    <message>
        <source>an error this program does not know</source>
        <translation>chyba, kterou tento program nezná</translation>
    </message>
    <message>
        <source>%1 failed: sensor error %2 (%3)</source>
        <extracomment>%1 is the library function (&quot;SetSonarParms&quot;), %2 the sensor&apos;s error number, %3 its meaning</extracomment>
        <translation>%1 selhalo: chyba senzoru %2 (%3)</translation>
    </message>
    <message>
        <source>sets the walk-away and walk-up keystrokes to a desktop&apos;s own lock and wake keys (gnome, plasma, xfce, cinnamon, mate), to those of one of the window&apos;s logon presets (windows-2000, windows-xp-classic, xp-welcome-screen), or, with this-desktop, to the lock shortcut the running desktop holds, and changes nothing else; --profile also applies the profile (- reads standard input), its keys replaced by the preset&apos;s; --check sends nothing and only tells what would change; --list names the presets with their keys</source>
        <translation>nastaví klávesy při odchodu a při příchodu na vlastní klávesy pracovního prostředí pro zamknutí a probuzení (gnome, plasma, xfce, cinnamon, mate), na klávesy některé z předvoleb přihlášení v okně (windows-2000, windows-xp-classic, xp-welcome-screen), nebo s this-desktop na klávesovou zkratku pro zamknutí obrazovky, kterou má běžící pracovní prostředí, a nic jiného nemění; --profile navíc použije profil (- čte standardní vstup), jehož klávesy nahradí klávesy předvolby; --check nic neodešle a jen oznámí, co by se změnilo; --list vypíše předvolby s jejich klávesami</translation>
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
        <translation>Odpovědi v JSON (--json), jeden objekt na standardní výstup:
  import, set, reset  {&quot;changed&quot;: true|false, &quot;check&quot;: true|false,
                       &quot;changes&quot;: [{&quot;path&quot;: ..., &quot;before&quot;: ..., &quot;after&quot;: ...}],
                       &quot;before&quot;: PROFIL, &quot;after&quot;: PROFIL}
                      uložená konfigurace předtím a ta, kterou senzor
                      má (s --check: by měl) potom, tak jak je zapisuje
                      export; preset přidá &quot;preset&quot;: {&quot;name&quot;, &quot;title&quot;,
                      &quot;walk_away&quot;, &quot;walk_up&quot;, &quot;shortcut&quot;, &quot;shortcut_read&quot;}
  preset --list       {&quot;presets&quot;: [{&quot;name&quot;, &quot;title&quot;, &quot;walk_away&quot;,
                       &quot;walk_up&quot;, &quot;shortcut&quot;, &quot;source&quot;}, ...]}
  diff                {&quot;differs&quot;: true|false, &quot;changes&quot;: [...]}
  jakékoli selhání    {&quot;error&quot;: {&quot;status&quot;: N, &quot;message&quot;: ..., &quot;call&quot;: ...,
                       &quot;errno&quot;: N, &quot;problems&quot;: [{&quot;path&quot;: ..., &quot;value&quot;: ...,
                       &quot;allowed&quot;: ..., &quot;message&quot;: ...}]}}
                      &quot;call&quot; a &quot;errno&quot; u selhaného volání knihovny,
                      &quot;problems&quot; u odmítnutého profilu nebo přiřazení;
                      návratový kód a zpráva na standardním chybovém
                      výstupu jsou stejné jako bez --json
</translation>
    </message>
    <message>
        <source>  %1 COMMAND --help | help COMMAND
      the command&apos;s usage
  %1 --help | --version [--json]

Every change is checked as a whole first: a refused value sends nothing,
and a failed call commits nothing. Messages go to standard error.
</source>
        <translation>  %1 PŘÍKAZ --help | help PŘÍKAZ
      použití příkazu
  %1 --help | --version [--json]

Každá změna se nejprve zkontroluje jako celek: odmítnutá hodnota nic
neodešle a selhané volání nic nepotvrdí. Zprávy jdou na standardní
chybový výstup.
</translation>
    </message>
    <message>
        <source>--profile needs a profile file, or - for standard input</source>
        <translation>--profile vyžaduje soubor s profilem nebo - pro standardní vstup</translation>
    </message>
    <message>
        <source>%1: cannot write: %2</source>
        <translation>%1: nelze zapsat: %2</translation>
    </message>
    <message>
        <source>%1: cannot write a profile into a directory; nothing was written</source>
        <translation>%1: profil nelze zapsat do adresáře; nic nebylo zapsáno</translation>
    </message>
    <message>
        <source>%1: cannot write a profile into a socket; nothing was written</source>
        <translation>%1: profil nelze zapsat do soketu; nic nebylo zapsáno</translation>
    </message>
    <message>
        <source>%1: cannot write a profile onto a block device; nothing was written</source>
        <translation>%1: profil nelze zapsat na blokové zařízení; nic nebylo zapsáno</translation>
    </message>
    <message>
        <source>the running desktop&apos;s own lock shortcut, read in its session</source>
        <translation>vlastní klávesová zkratka běžícího pracovního prostředí pro zamknutí obrazovky, načtená v jeho relaci</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>Zdroj:</translation>
    </message>
    <message>
        <source>usage: %1 preset NAME [--profile FILE] [--check] [--json] | preset --list [--json]</source>
        <extracomment>%1 is the program</extracomment>
        <translation>použití: %1 preset NAME [--profile FILE] [--check] [--json] | preset --list [--json]</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 is the profile file&apos;s name, %2 one problem of it</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not FIELD=VALUE</source>
        <extracomment>%1 is the assignment as given; FIELD=VALUE is the form it must have</extracomment>
        <translation>„%1“ nemá tvar FIELD=VALUE</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a field path such as walk_away.keys[0].name</source>
        <extracomment>%1 is the text before &quot;=&quot; in an assignment</extracomment>
        <translation>„%1“ není cesta k položce, například walk_away.keys[0].name</translation>
    </message>
    <message>
        <source>%1: %2 is a value with no parts</source>
        <extracomment>%1 is the field path given, %2 its first member, a single value</extracomment>
        <translation>%1: %2 je jednoduchá hodnota bez částí</translation>
    </message>
    <message>
        <source>%1: the field has no parts to set</source>
        <extracomment>%1 is the field path given</extracomment>
        <translation>%1: položka nemá žádné části, které by šlo nastavit</translation>
    </message>
    <message>
        <source>%1: the sensor holds key code %2, outside 0 to 255</source>
        <extracomment>%1 is the keystroke&apos;s field path, %2 the stored key code</extracomment>
        <translation>%1: senzor uchovává kód klávesy %2 mimo rozsah 0 až 255</translation>
    </message>
    <message>
        <source>%1: the sensor holds modifier mask %2, outside 0 to 255</source>
        <extracomment>%1 is the keystroke&apos;s field path, %2 the stored modifier mask</extracomment>
        <translation>%1: senzor uchovává masku modifikátorů %2 mimo rozsah 0 až 255</translation>
    </message>
    <message>
        <source>%1: the sensor holds %2, outside %3 to %4; mend it before the profile is imported</source>
        <extracomment>%1 is the field path, %2 the stored value, %3 to %4 the field&apos;s bounds</extracomment>
        <translation>%1: senzor uchovává %2 mimo rozsah %3 až %4; před importem profilu to opravte</translation>
    </message>
    <message numerus="yes">
        <source>%1: the sensor&apos;s key count %2 does not agree with its %n keys; an import stores %n</source>
        <extracomment>%1 is the key sequence&apos;s section, %2 its stored key count, %n the keystrokes it holds</extracomment>
        <translation>
            <numerusform>%1: počet kláves %2 uložený v senzoru nesouhlasí s jeho %n klávesou; import uloží %n</numerusform>
            <numerusform>%1: počet kláves %2 uložený v senzoru nesouhlasí s jeho %n klávesami; import uloží %n</numerusform>
            <numerusform>%1: počet kláves %2 uložený v senzoru nesouhlasí s jeho %n klávesami; import uloží %n</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2 is not allowed: expected %3</source>
        <extracomment>%1 is the field path, %2 the value given, %3 what is allowed there</extracomment>
        <translation>%1: %2 není povoleno: očekává se %3</translation>
    </message>
    <message>
        <source>%1: missing: expected %2</source>
        <extracomment>%1 is the field path, %2 what is allowed there</extracomment>
        <translation>%1: chybí: očekává se %2</translation>
    </message>
    <message>
        <source>%1 or older</source>
        <extracomment>%1 is the newest profile version this program reads</extracomment>
        <translation>%1 nebo starší</translation>
    </message>
    <message>
        <source>version: %1 is newer than this program reads: expected %2</source>
        <extracomment>%1 is the profile&apos;s version, %2 the versions this program reads</extracomment>
        <translation>version: %1 je novější, než tento program umí číst: očekává se %2</translation>
    </message>
    <message>
        <source>one of the members %1</source>
        <extracomment>%1 is the list of member names</extracomment>
        <translation>jedna z položek %1</translation>
    </message>
    <message>
        <source>%1: unknown field: allowed are %2</source>
        <extracomment>%1 is the field path, %2 the list of member names</extracomment>
        <translation>%1: neznámá položka: povoleny jsou %2</translation>
    </message>
    <message>
        <source>a whole number from %1 to %2</source>
        <extracomment>%1 and %2 are the field&apos;s bounds</extracomment>
        <translation>celé číslo od %1 do %2</translation>
    </message>
    <message>
        <source>an object with %1</source>
        <extracomment>%1 is the list of member names</extracomment>
        <translation>objekt s položkami %1</translation>
    </message>
    <message>
        <source>true or false</source>
        <extracomment>the JSON words true and false, which stay untranslated</extracomment>
        <translation>true nebo false</translation>
    </message>
    <message>
        <source>a keystroke with a key &quot;name&quot; or a &quot;code&quot; from 0 to 255</source>
        <extracomment>&quot;name&quot; and &quot;code&quot; are profile members and stay untranslated</extracomment>
        <translation>klávesa zadaná názvem &quot;name&quot; nebo kódem &quot;code&quot; od 0 do 255</translation>
    </message>
    <message>
        <source>a key name of the key table (for example &quot;DELETE&quot;), or give a &quot;code&quot;</source>
        <translation>název klávesy z tabulky kláves (například &quot;DELETE&quot;), nebo zadejte &quot;code&quot;</translation>
    </message>
    <message>
        <source>a key name of the key table (for example &quot;DELETE&quot;) for code %1, %2</source>
        <extracomment>%1 is the key code given, %2 the name of its key in double quotes or the words &quot;no key&apos;s&quot;</extracomment>
        <translation>název klávesy z tabulky kláves (například &quot;DELETE&quot;) pro kód %1, %2</translation>
    </message>
    <message>
        <source>a name and a code of the same key</source>
        <translation>název a kód téže klávesy</translation>
    </message>
    <message>
        <source>%1: the name %2 and the code %3 disagree: %2 is %4, code %3 is %5; give one of them</source>
        <extracomment>%1 is the keystroke&apos;s field path, %2 the key name given, %3 the code given, %4 the codes of that name (&quot;code 5&quot;, &quot;codes 166 and 175&quot;), %5 the name of the code&apos;s key in double quotes or &quot;no key&apos;s&quot;</extracomment>
        <translation>%1: název %2 a kód %3 si odporují: %2 je %4, kód %3 je %5; zadejte jen jedno z nich</translation>
    </message>
    <message>
        <source>a &quot;code&quot;: %1</source>
        <extracomment>%1 is a list of key codes (&quot;166 or 175&quot;); &quot;code&quot; is a profile member and stays untranslated</extracomment>
        <translation>&quot;code&quot;: %1</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 nebo %2</translation>
    </message>
    <message numerus="yes">
        <source>%1: %2 names %n keys (%3): give its &quot;code&quot; instead</source>
        <extracomment>%1 is the field path, %2 the key name given, %n the number of keys of that name, %3 their codes (&quot;codes 166 and 175&quot;)</extracomment>
        <translation>
            <numerusform>%1: %2 označuje %n klávesu (%3): zadejte místo toho &quot;code&quot;</numerusform>
            <numerusform>%1: %2 označuje %n klávesy (%3): zadejte místo toho &quot;code&quot;</numerusform>
            <numerusform>%1: %2 označuje %n kláves (%3): zadejte místo toho &quot;code&quot;</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>%1 is two key codes or more, joined (&quot;166 and 175&quot;)</extracomment>
        <translation>%1 a %2</translation>
    </message>
    <message>
        <source>code %1</source>
        <extracomment>%1 is a key code</extracomment>
        <translation>kód %1</translation>
    </message>
    <message numerus="yes">
        <source>codes %1</source>
        <extracomment>%1 is the list of key codes (&quot;166 and 175&quot;), %n their number</extracomment>
        <translation>
            <numerusform>kód %1</numerusform>
            <numerusform>kódy %1</numerusform>
            <numerusform>kódy %1</numerusform>
        </translation>
    </message>
    <message>
        <source>no key&apos;s</source>
        <extracomment>stands for a key&apos;s name where a code names no key: &quot;for code 250, no key&apos;s&quot;</extracomment>
        <translation>žádná klávesa</translation>
    </message>
    <message>
        <source>a list of modifier names (%1)</source>
        <extracomment>%1 is the list of modifier names, which stay untranslated</extracomment>
        <translation>seznam názvů modifikátorů (%1)</translation>
    </message>
    <message>
        <source>one of %1</source>
        <extracomment>%1 is the list of modifier names, which stay untranslated</extracomment>
        <translation>jeden z %1</translation>
    </message>
    <message>
        <source>a keystroke {&quot;name&quot;: &quot;...&quot;, &quot;mods&quot;: [...]} or null</source>
        <extracomment>the JSON in braces and the word null stay untranslated</extracomment>
        <translation>klávesa {&quot;name&quot;: &quot;...&quot;, &quot;mods&quot;: [...]} nebo null</translation>
    </message>
    <message>
        <source>%1, the number of keys in use (the count follows the keys)</source>
        <extracomment>%1 is the number of keystrokes the sequence holds</extracomment>
        <translation>%1, počet použitých kláves (počet se řídí klávesami)</translation>
    </message>
    <message>
        <source>a list of at most %1 keystrokes, null for an empty position</source>
        <extracomment>%1 is the number of key positions; null stays untranslated</extracomment>
        <translation>seznam nejvýše %1 kláves, null pro prázdnou pozici</translation>
    </message>
    <message>
        <source>a whole number from 0 to 65535 without the LED bits 1, 2 and 4 (&quot;leds&quot; sets them)</source>
        <extracomment>&quot;leds&quot; is a profile member and stays untranslated</extracomment>
        <translation>celé číslo od 0 do 65535 bez bitů LED 1, 2 a 4 (ty nastavuje &quot;leds&quot;)</translation>
    </message>
    <message numerus="yes">
        <source>a list of %n whole numbers from 0 to 65535</source>
        <extracomment>%n is the number of words the list holds</extracomment>
        <translation>
            <numerusform>seznam %n celého čísla od 0 do 65535</numerusform>
            <numerusform>seznam %n celých čísel od 0 do 65535</numerusform>
            <numerusform>seznam %n celých čísel od 0 do 65535</numerusform>
        </translation>
    </message>
    <message>
        <source>not JSON: the text ends at line %1, column %2 before its value does</source>
        <translation>není JSON: text končí na řádku %1, ve sloupci %2 dřív než jeho hodnota</translation>
    </message>
    <message>
        <source>not JSON: a value is due at line %1, column %2, not %3</source>
        <translation>není JSON: na řádku %1, ve sloupci %2 se očekává hodnota, ne %3</translation>
    </message>
    <message>
        <source>not JSON: a member name in double quotes is due at line %1, column %2, not %3</source>
        <translation>není JSON: na řádku %1, ve sloupci %2 se očekává název položky ve dvojitých uvozovkách, ne %3</translation>
    </message>
    <message>
        <source>not JSON: a colon is due after the member name at line %1, column %2, not %3</source>
        <translation>není JSON: na řádku %1, ve sloupci %2 se za názvem položky očekává dvojtečka, ne %3</translation>
    </message>
    <message>
        <source>not JSON: a comma or a closing brace is due at line %1, column %2, not %3</source>
        <translation>není JSON: na řádku %1, ve sloupci %2 se očekává čárka nebo uzavírací složená závorka, ne %3</translation>
    </message>
    <message>
        <source>not JSON: a comma or a closing bracket is due at line %1, column %2, not %3</source>
        <translation>není JSON: na řádku %1, ve sloupci %2 se očekává čárka nebo uzavírací hranatá závorka, ne %3</translation>
    </message>
    <message>
        <source>not JSON: the string that starts at line %1, column %2 is not closed</source>
        <translation>není JSON: řetězec začínající na řádku %1, ve sloupci %2 není uzavřen</translation>
    </message>
    <message>
        <source>not JSON: %3 at line %1, column %2 is not an escape that JSON has</source>
        <translation>není JSON: %3 na řádku %1, ve sloupci %2 není escape sekvence, kterou JSON zná</translation>
    </message>
    <message>
        <source>not JSON: the control character %3 at line %1, column %2 stands in a string unescaped</source>
        <translation>není JSON: řídicí znak %3 na řádku %1, ve sloupci %2 stojí v řetězci bez escapování</translation>
    </message>
    <message>
        <source>not JSON: the bytes at line %1, column %2 are not UTF-8 text</source>
        <translation>není JSON: bajty na řádku %1, ve sloupci %2 nejsou text v UTF-8</translation>
    </message>
    <message>
        <source>not JSON: %3 at line %1, column %2 is not a number as JSON writes numbers</source>
        <translation>není JSON: %3 na řádku %1, ve sloupci %2 není číslo zapsané tak, jak čísla zapisuje JSON</translation>
    </message>
    <message>
        <source>not JSON: more follows the value at line %1, column %2</source>
        <translation>není JSON: za hodnotou na řádku %1, ve sloupci %2 ještě něco následuje</translation>
    </message>
    <message>
        <source>not JSON: lists and objects nest deeper than %3 levels at line %1, column %2</source>
        <translation>není JSON: seznamy a objekty jsou na řádku %1, ve sloupci %2 vnořeny hlouběji než do %3 úrovní</translation>
    </message>
    <message>
        <source>not JSON: %3 at line %1, column %2</source>
        <translation>není JSON: %3 na řádku %1, ve sloupci %2</translation>
    </message>
    <message>
        <source>a number JSON can hold</source>
        <translation>číslo, které JSON pojme</translation>
    </message>
    <message>
        <source>not JSON: %1 is a number JSON cannot hold (line %2, column %3)</source>
        <extracomment>%1 is the number as written, %2 and %3 its line and column</extracomment>
        <translation>není JSON: %1 je číslo, které JSON nepojme (řádek %2, sloupec %3)</translation>
    </message>
    <message>
        <source>%1: %2 is a number JSON cannot hold (line %3, column %4)</source>
        <extracomment>%1 is the field path, %2 the number as written, %3 and %4 its line and column</extracomment>
        <translation>%1: %2 je číslo, které JSON nepojme (řádek %3, sloupec %4)</translation>
    </message>
    <message>
        <source>JSON text</source>
        <translation>text JSON</translation>
    </message>
    <message>
        <source>each member once in its object</source>
        <translation>každá položka v objektu jen jednou</translation>
    </message>
    <message>
        <source>%1: named again on line %2 (first on line %3): each member may be named once</source>
        <extracomment>%1 is the member&apos;s path, %2 and %3 the lines where it is named</extracomment>
        <translation>%1: uvedeno znovu na řádku %2 (poprvé na řádku %3): každá položka smí být uvedena jen jednou</translation>
    </message>
    <message>
        <source>a JSON object</source>
        <translation>objekt JSON</translation>
    </message>
    <message>
        <source>not a profile: the JSON text holds no object</source>
        <translation>není profil: text JSON neobsahuje žádný objekt</translation>
    </message>
</context>
<context>
    <name>ui::Accessibility</name>
    <message>
        <source>Accepts whole numbers from %1 to %2.</source>
        <translation>Přijímá celá čísla od %1 do %2.</translation>
    </message>
</context>
</TS>
