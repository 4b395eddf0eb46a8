<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl" sourcelanguage="en_US">
<context>
    <name>SettingsDialog</name>
    <message>
        <source>Settings for grown-ups</source>
        <extracomment>The title of the window where a parent or teacher sets the clock up.</extracomment>
        <translation>Instellingen voor volwassenen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>&amp;Taal:</translation>
    </message>
    <message>
        <source>&amp;Numerals:</source>
        <extracomment>The numbers round the dial.</extracomment>
        <translation>&amp;Cijfers:</translation>
    </message>
    <message>
        <source>&amp;Size:</source>
        <translation>&amp;Grootte:</translation>
    </message>
    <message>
        <source>The desktop&apos;s (%1)</source>
        <extracomment>%1 is the name of the desktop&apos;s language in that language, such as Deutsch.</extracomment>
        <translation>Taal van het bureaublad (%1)</translation>
    </message>
    <message>
        <source>1 to 12</source>
        <translation>1 tot 12</translation>
    </message>
    <message>
        <source>I to XII</source>
        <translation>I tot XII</translation>
    </message>
    <message>
        <source>The clock&apos;s own size</source>
        <extracomment>The clock&apos;s panel at the size it was designed for, centred on the screen.</extracomment>
        <translation>Eigen grootte van de klok</translation>
    </message>
    <message>
        <source>Fill the screen</source>
        <translation>Scherm vullen</translation>
    </message>
    <message>
        <source>&amp;Hours:</source>
        <extracomment>How the clock tells the hours of the day.</extracomment>
        <translation>&amp;Uren:</translation>
    </message>
    <message>
        <source>12-hour</source>
        <extracomment>The dial&apos;s twelve hours alone, as the clock has always told them; each time in the morning or the afternoon; the 24-hour clock, 00:00 to 23:59.</extracomment>
        <translation>12 uur</translation>
    </message>
    <message>
        <source>a.m. and p.m.</source>
        <translation>met dagdeel (&apos;s ochtends, &apos;s middags …)</translation>
    </message>
    <message>
        <source>24-hour</source>
        <translation>24 uur</translation>
    </message>
</context>
<context>
    <name>frmclock</name>
    <message>
        <source>Clock: click for a new time, click again to hear it, right click to hear it in words</source>
        <translation>Klok: klik voor een nieuwe tijd, klik nog eens om hem te horen, klik met rechts om hem anders te horen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Say the time out loud, then click the clock again to check.</source>
        <translation>Zeg de tijd hardop en klik dan nog eens op de klok om te controleren.</translation>
    </message>
    <message>
        <source>The clock shows %1.</source>
        <translation>De klok wijst %1 aan.</translation>
    </message>
    <message>
        <source>version %1</source>
        <translation>versie %1</translation>
    </message>
    <message>
        <source>Chimewise, Kid Safe and Completely Free.</source>
        <translation>Chimewise, veilig voor kinderen en helemaal gratis.</translation>
    </message>
    <message>
        <source>click the clock, then say the time outloud, then click the clock again to check your response.</source>
        <translation>Klik op de klok, zeg de tijd hardop en klik dan nog eens op de klok om je antwoord te controleren.</translation>
    </message>
    <message>
        <source> right click the clock for an alternate time phrase.</source>
        <extracomment>Keeps its leading blank, which the layout of the line relies on.</extracomment>
        <translation> Klik met rechts op de klok: de tijd anders gezegd.</translation>
    </message>
    <message>
        <source>say the time outloud</source>
        <extracomment>Never shown: the prompt on the dial is emptied at start-up.</extracomment>
        <translation>zeg de tijd hardop</translation>
    </message>
    <message>
        <source>Precision</source>
        <translation>Precisie</translation>
    </message>
    <message>
        <source>Times Shown</source>
        <extracomment>The heading over the options Random and In Order: the order the times come in.</extracomment>
        <translation>Volgorde</translation>
    </message>
    <message>
        <source>5 minute</source>
        <translation>5 minuten</translation>
    </message>
    <message>
        <source>1/4 Hour</source>
        <translation>1/4 uur</translation>
    </message>
    <message>
        <source>1/2 Hour</source>
        <translation>1/2 uur</translation>
    </message>
    <message>
        <source>Hour</source>
        <extracomment>An option of Precision: whole hours only.</extracomment>
        <translation>Uur</translation>
    </message>
    <message>
        <source>In Order</source>
        <translation>Op volgorde</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Door elkaar</translation>
    </message>
    <message>
        <source>Click to close program</source>
        <translation>Klik om het programma te sluiten</translation>
    </message>
    <message>
        <source>Chimewise - version 2.0</source>
        <translation>Chimewise - versie 2.0</translation>
    </message>
    <message>
        <source>Say The Time Outloud</source>
        <translation>Zeg de tijd hardop</translation>
    </message>
    <message>
        <source>Clock: click to hear a time, set the hands with the arrow keys and Page Up and Page Down, click again to check, right click to hear it in words</source>
        <translation>Klok: klik om een tijd te horen, zet de wijzers met de pijltjestoetsen en Page Up en Page Down, klik nog eens om te controleren, klik met rechts om hem in woorden te horen</translation>
    </message>
    <message>
        <source>Show %1; the hands show %2.</source>
        <translation>Zet de klok op %1; de wijzers staan op %2.</translation>
    </message>
    <message>
        <source>The hands show %1.</source>
        <translation>De wijzers staan op %1.</translation>
    </message>
    <message>
        <source>Practice</source>
        <extracomment>The heading over the options Read (the clock shows a time, the child says it) and Set (the voice asks for a time, the child moves the hands).</extracomment>
        <translation>Oefenen</translation>
    </message>
    <message>
        <source>Set</source>
        <extracomment>An option of Practice: the child moves the hands to the time asked for.</extracomment>
        <translation>Zetten</translation>
    </message>
    <message>
        <source>Read</source>
        <extracomment>An option of Practice: the child reads the time the clock shows.</extracomment>
        <translation>Lezen</translation>
    </message>
    <message>
        <source>click the clock to hear a time, move the hands to show it, then click the clock to check.</source>
        <translation>Klik op de klok om een tijd te horen, zet de wijzers goed en klik dan nog eens op de klok om te controleren.</translation>
    </message>
    <message>
        <source> right click the clock to hear the time in words.</source>
        <translation> Klik met rechts op de klok: de tijd in woorden.</translation>
    </message>
    <message>
        <source>Show The Time</source>
        <translation>Zet de klok</translation>
    </message>
    <message>
        <source>Settings for grown-ups</source>
        <translation>Instellingen voor volwassenen</translation>
    </message>
    <message>
        <source>Settings for grown-ups: hold the mouse button down on it, or double-click it</source>
        <extracomment>The tooltip of the small gear beside the version: a single click does nothing, so that a child does not open the settings by chance.</extracomment>
        <translation>Instellingen voor volwassenen: houd de muisknop erop ingedrukt, of dubbelklik erop</translation>
    </message>
    <message>
        <source>1 minute</source>
        <extracomment>An option of Precision: every minute, the finest step.</extracomment>
        <translation>1 minuut</translation>
    </message>
</context>
</TS>
