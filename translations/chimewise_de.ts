<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en_US">
<context>
    <name>SettingsDialog</name>
    <message>
        <source>Settings for grown-ups</source>
        <extracomment>The title of the window where a parent or teacher sets the clock up.</extracomment>
        <translation>Einstellungen für Erwachsene</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>&amp;Sprache:</translation>
    </message>
    <message>
        <source>&amp;Numerals:</source>
        <extracomment>The numbers round the dial.</extracomment>
        <translation>&amp;Ziffern:</translation>
    </message>
    <message>
        <source>&amp;Size:</source>
        <translation>&amp;Größe:</translation>
    </message>
    <message>
        <source>The desktop&apos;s (%1)</source>
        <extracomment>%1 is the name of the desktop&apos;s language in that language, such as Deutsch.</extracomment>
        <translation>Sprache des Desktops (%1)</translation>
    </message>
    <message>
        <source>1 to 12</source>
        <translation>1 bis 12</translation>
    </message>
    <message>
        <source>I to XII</source>
        <translation>I bis XII</translation>
    </message>
    <message>
        <source>The clock&apos;s own size</source>
        <extracomment>The clock&apos;s panel at the size it was designed for, centred on the screen.</extracomment>
        <translation>Eigene Größe der Uhr</translation>
    </message>
    <message>
        <source>Fill the screen</source>
        <translation>Bildschirm füllen</translation>
    </message>
    <message>
        <source>&amp;Hours:</source>
        <extracomment>How the clock tells the hours of the day.</extracomment>
        <translation>&amp;Uhrzeit:</translation>
    </message>
    <message>
        <source>12-hour</source>
        <extracomment>The dial&apos;s twelve hours alone, as the clock has always told them; each time in the morning or the afternoon; the 24-hour clock, 00:00 to 23:59.</extracomment>
        <translation>12 Stunden</translation>
    </message>
    <message>
        <source>a.m. and p.m.</source>
        <translation>mit Tageszeit (morgens, nachmittags …)</translation>
    </message>
    <message>
        <source>24-hour</source>
        <translation>24 Stunden</translation>
    </message>
</context>
<context>
    <name>frmclock</name>
    <message>
        <source>Clock: click for a new time, click again to hear it, right click to hear it in words</source>
        <translation>Uhr: klicke für eine neue Uhrzeit, klicke noch einmal, um sie zu hören, Rechtsklick, um sie anders gesagt zu hören</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Say the time out loud, then click the clock again to check.</source>
        <translation>Sag die Uhrzeit laut und klicke dann noch einmal auf die Uhr, um nachzusehen.</translation>
    </message>
    <message>
        <source>The clock shows %1.</source>
        <translation>Die Uhr zeigt %1.</translation>
    </message>
    <message>
        <source>version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Chimewise, Kid Safe and Completely Free.</source>
        <translation>Chimewise, kindersicher und völlig kostenlos.</translation>
    </message>
    <message>
        <source>click the clock, then say the time outloud, then click the clock again to check your response.</source>
        <translation>Klicke auf die Uhr, sag die Uhrzeit laut und klicke dann noch einmal auf die Uhr, um deine Antwort zu prüfen.</translation>
    </message>
    <message>
        <source> right click the clock for an alternate time phrase.</source>
        <extracomment>Keeps its leading blank, which the layout of the line relies on.</extracomment>
        <translation> Rechtsklick auf die Uhr: die Uhrzeit anders gesagt.</translation>
    </message>
    <message>
        <source>say the time outloud</source>
        <extracomment>Never shown: the prompt on the dial is emptied at start-up.</extracomment>
        <translation>sag die Uhrzeit laut</translation>
    </message>
    <message>
        <source>Precision</source>
        <translation>Genauigkeit</translation>
    </message>
    <message>
        <source>Times Shown</source>
        <extracomment>The heading over the options Random and In Order: the order the times come in.</extracomment>
        <translation>Reihenfolge</translation>
    </message>
    <message>
        <source>5 minute</source>
        <translation>5 Minuten</translation>
    </message>
    <message>
        <source>1/4 Hour</source>
        <translation>1/4 Stunde</translation>
    </message>
    <message>
        <source>1/2 Hour</source>
        <translation>1/2 Stunde</translation>
    </message>
    <message>
        <source>Hour</source>
        <extracomment>An option of Precision: whole hours only.</extracomment>
        <translation>Stunde</translation>
    </message>
    <message>
        <source>In Order</source>
        <translation>Der Reihe nach</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Zufällig</translation>
    </message>
    <message>
        <source>Click to close program</source>
        <translation>Klicke hier, um das Programm zu beenden</translation>
    </message>
    <message>
        <source>Chimewise - version 2.0</source>
        <translation>Chimewise - Version 2.0</translation>
    </message>
    <message>
        <source>Say The Time Outloud</source>
        <translation>Sag die Uhrzeit laut</translation>
    </message>
    <message>
        <source>Clock: click to hear a time, set the hands with the arrow keys and Page Up and Page Down, click again to check, right click to hear it in words</source>
        <translation>Uhr: klicke, um eine Uhrzeit zu hören, stell die Zeiger mit den Pfeiltasten und Bild auf und Bild ab, klicke noch einmal zum Prüfen, Rechtsklick, um sie in Worten zu hören</translation>
    </message>
    <message>
        <source>Show %1; the hands show %2.</source>
        <translation>Stell %1 ein; die Zeiger zeigen %2.</translation>
    </message>
    <message>
        <source>The hands show %1.</source>
        <translation>Die Zeiger zeigen %1.</translation>
    </message>
    <message>
        <source>Practice</source>
        <extracomment>The heading over the options Read (the clock shows a time, the child says it) and Set (the voice asks for a time, the child moves the hands).</extracomment>
        <translation>Üben</translation>
    </message>
    <message>
        <source>Set</source>
        <extracomment>An option of Practice: the child moves the hands to the time asked for.</extracomment>
        <translation>Stellen</translation>
    </message>
    <message>
        <source>Read</source>
        <extracomment>An option of Practice: the child reads the time the clock shows.</extracomment>
        <translation>Lesen</translation>
    </message>
    <message>
        <source>click the clock to hear a time, move the hands to show it, then click the clock to check.</source>
        <translation>Klicke auf die Uhr, um eine Uhrzeit zu hören, stell die Zeiger ein und klicke zum Prüfen noch einmal.</translation>
    </message>
    <message>
        <source> right click the clock to hear the time in words.</source>
        <translation> Rechtsklick auf die Uhr: die Uhrzeit in Worten.</translation>
    </message>
    <message>
        <source>Show The Time</source>
        <translation>Stell die Uhrzeit ein</translation>
    </message>
    <message>
        <source>Settings for grown-ups</source>
        <translation>Einstellungen für Erwachsene</translation>
    </message>
    <message>
        <source>Settings for grown-ups: hold the mouse button down on it, or double-click it</source>
        <extracomment>The tooltip of the small gear beside the version: a single click does nothing, so that a child does not open the settings by chance.</extracomment>
        <translation>Einstellungen für Erwachsene: die Maustaste darauf gedrückt halten oder doppelklicken</translation>
    </message>
    <message>
        <source>1 minute</source>
        <extracomment>An option of Precision: every minute, the finest step.</extracomment>
        <translation>1 Minute</translation>
    </message>
</context>
</TS>
