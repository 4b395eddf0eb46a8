<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="en_US">
<context>
    <name>SettingsDialog</name>
    <message>
        <source>Settings for grown-ups</source>
        <extracomment>The title of the window where a parent or teacher sets the clock up.</extracomment>
        <translation>Settings for grown-ups</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>&amp;Language:</translation>
    </message>
    <message>
        <source>&amp;Numerals:</source>
        <extracomment>The numbers round the dial.</extracomment>
        <translation>&amp;Numerals:</translation>
    </message>
    <message>
        <source>&amp;Size:</source>
        <translation>&amp;Size:</translation>
    </message>
    <message>
        <source>The desktop&apos;s (%1)</source>
        <extracomment>%1 is the name of the desktop&apos;s language in that language, such as Deutsch.</extracomment>
        <translation>The desktop&apos;s (%1)</translation>
    </message>
    <message>
        <source>1 to 12</source>
        <translation>1 to 12</translation>
    </message>
    <message>
        <source>I to XII</source>
        <translation>I to XII</translation>
    </message>
    <message>
        <source>The clock&apos;s own size</source>
        <extracomment>The clock&apos;s panel at the size it was designed for, centred on the screen.</extracomment>
        <translation>The clock&apos;s own size</translation>
    </message>
    <message>
        <source>Fill the screen</source>
        <translation>Fill the screen</translation>
    </message>
    <message>
        <source>&amp;Hours:</source>
        <extracomment>How the clock tells the hours of the day.</extracomment>
        <translation>&amp;Hours:</translation>
    </message>
    <message>
        <source>12-hour</source>
        <extracomment>The dial&apos;s twelve hours alone, as the clock has always told them; each time in the morning or the afternoon; the 24-hour clock, 00:00 to 23:59.</extracomment>
        <translation>12-hour</translation>
    </message>
    <message>
        <source>a.m. and p.m.</source>
        <translation>am and pm</translation>
    </message>
    <message>
        <source>24-hour</source>
        <translation>24-hour</translation>
    </message>
</context>
<context>
    <name>frmclock</name>
    <message>
        <source>Clock: click for a new time, click again to hear it, right click to hear it in words</source>
        <translation>Clock: click for a new time, click again to hear it, right click to hear it in words</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Say the time out loud, then click the clock again to check.</source>
        <translation>Say the time out loud, then click the clock again to check.</translation>
    </message>
    <message>
        <source>The clock shows %1.</source>
        <translation>The clock shows %1.</translation>
    </message>
    <message>
        <source>version %1</source>
        <translation>version %1</translation>
    </message>
    <message>
        <source>Chimewise, Kid Safe and Completely Free.</source>
        <translation>Chimewise, Kid Safe and Completely Free.</translation>
    </message>
    <message>
        <source>click the clock, then say the time outloud, then click the clock again to check your response.</source>
        <translation>click the clock, then say the time out loud, then click the clock again to check your response.</translation>
    </message>
    <message>
        <source> right click the clock for an alternate time phrase.</source>
        <extracomment>Keeps its leading blank, which the layout of the line relies on.</extracomment>
        <translation> right click the clock for an alternative time phrase.</translation>
    </message>
    <message>
        <source>say the time outloud</source>
        <extracomment>Never shown: the prompt on the dial is emptied at start-up.</extracomment>
        <translation>say the time out loud</translation>
    </message>
    <message>
        <source>Precision</source>
        <translation>Precision</translation>
    </message>
    <message>
        <source>Times Shown</source>
        <extracomment>The heading over the options Random and In Order: the order the times come in.</extracomment>
        <translation>Times Shown</translation>
    </message>
    <message>
        <source>5 minute</source>
        <translation>5 minutes</translation>
    </message>
    <message>
        <source>1/4 Hour</source>
        <translation>1/4 Hour</translation>
    </message>
    <message>
        <source>1/2 Hour</source>
        <translation>1/2 Hour</translation>
    </message>
    <message>
        <source>Hour</source>
        <extracomment>An option of Precision: whole hours only.</extracomment>
        <translation>Hour</translation>
    </message>
    <message>
        <source>In Order</source>
        <translation>In Order</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Random</translation>
    </message>
    <message>
        <source>Click to close program</source>
        <translation>Click to close program</translation>
    </message>
    <message>
        <source>Chimewise - version 2.0</source>
        <translation>Chimewise - version 2.0</translation>
    </message>
    <message>
        <source>Say The Time Outloud</source>
        <translation>Say The Time Out Loud</translation>
    </message>
    <message>
        <source>Clock: click to hear a time, set the hands with the arrow keys and Page Up and Page Down, click again to check, right click to hear it in words</source>
        <translation>Clock: click to hear a time, set the hands with the arrow keys and Page Up and Page Down, click again to check, right click to hear it in words</translation>
    </message>
    <message>
        <source>Show %1; the hands show %2.</source>
        <translation>Show %1; the hands show %2.</translation>
    </message>
    <message>
        <source>The hands show %1.</source>
        <translation>The hands show %1.</translation>
    </message>
    <message>
        <source>Practice</source>
        <extracomment>The heading over the options Read (the clock shows a time, the child says it) and Set (the voice asks for a time, the child moves the hands).</extracomment>
        <translation>Practice</translation>
    </message>
    <message>
        <source>Set</source>
        <extracomment>An option of Practice: the child moves the hands to the time asked for.</extracomment>
        <translation>Set</translation>
    </message>
    <message>
        <source>Read</source>
        <extracomment>An option of Practice: the child reads the time the clock shows.</extracomment>
        <translation>Read</translation>
    </message>
    <message>
        <source>click the clock to hear a time, move the hands to show it, then click the clock to check.</source>
        <translation>click the clock to hear a time, move the hands to show it, then click the clock to check.</translation>
    </message>
    <message>
        <source> right click the clock to hear the time in words.</source>
        <translation> right click the clock to hear the time in words.</translation>
    </message>
    <message>
        <source>Show The Time</source>
        <translation>Show The Time</translation>
    </message>
    <message>
        <source>Settings for grown-ups</source>
        <translation>Settings for grown-ups</translation>
    </message>
    <message>
        <source>Settings for grown-ups: hold the mouse button down on it, or double-click it</source>
        <extracomment>The tooltip of the small gear beside the version: a single click does nothing, so that a child does not open the settings by chance.</extracomment>
        <translation>Settings for grown-ups: hold the mouse button down on it, or double-click it</translation>
    </message>
    <message>
        <source>1 minute</source>
        <extracomment>An option of Precision: every minute, the finest step.</extracomment>
        <translation>1 minute</translation>
    </message>
</context>
</TS>
