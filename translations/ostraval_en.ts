<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>ostraval-ctl</name>
    <message numerus="yes">
        <source>... and %n more problems</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Check only: %n field(s) would change; nothing was sent.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Changed: %n field(s) written and committed.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%2: profile refused (%n problems, the first %1 named); nothing was sent</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>assignments refused (%n problems, the first %1 named); nothing was sent</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>values refused (%n problems, the first %1 named); nothing was sent</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: the sensor&apos;s key count %2 does not agree with its %n keys; an import stores %n</source>
        <extracomment>%1 is the key sequence&apos;s section, %2 its stored key count, %n the keystrokes it holds</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %2 names %n keys (%3): give its &quot;code&quot; instead</source>
        <extracomment>%1 is the field path, %2 the key name given, %n the number of keys of that name, %3 their codes (&quot;codes 166 and 175&quot;)</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>codes %1</source>
        <extracomment>%1 is the list of key codes (&quot;166 and 175&quot;), %n their number</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>a list of %n whole numbers from 0 to 65535</source>
        <extracomment>%n is the number of words the list holds</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
</TS>
