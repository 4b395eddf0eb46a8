<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en_US">
<context>
    <name>SettingsDialog</name>
    <message>
        <source>Settings for grown-ups</source>
        <extracomment>The title of the window where a parent or teacher sets the clock up.</extracomment>
        <translation>Ajustes para adultos</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>&amp;Idioma:</translation>
    </message>
    <message>
        <source>&amp;Numerals:</source>
        <extracomment>The numbers round the dial.</extracomment>
        <translation>&amp;Números:</translation>
    </message>
    <message>
        <source>&amp;Size:</source>
        <translation>&amp;Tamaño:</translation>
    </message>
    <message>
        <source>The desktop&apos;s (%1)</source>
        <extracomment>%1 is the name of the desktop&apos;s language in that language, such as Deutsch.</extracomment>
        <translation>Idioma del escritorio (%1)</translation>
    </message>
    <message>
        <source>1 to 12</source>
        <translation>1 a 12</translation>
    </message>
    <message>
        <source>I to XII</source>
        <translation>I a XII</translation>
    </message>
    <message>
        <source>The clock&apos;s own size</source>
        <extracomment>The clock&apos;s panel at the size it was designed for, centred on the screen.</extracomment>
        <translation>Tamaño propio del reloj</translation>
    </message>
    <message>
        <source>Fill the screen</source>
        <translation>Llenar la pantalla</translation>
    </message>
    <message>
        <source>&amp;Hours:</source>
        <extracomment>How the clock tells the hours of the day.</extracomment>
        <translation>&amp;Horas:</translation>
    </message>
    <message>
        <source>12-hour</source>
        <extracomment>The dial&apos;s twelve hours alone, as the clock has always told them; each time in the morning or the afternoon; the 24-hour clock, 00:00 to 23:59.</extracomment>
        <translation>12 horas</translation>
    </message>
    <message>
        <source>a.m. and p.m.</source>
        <translation>a. m. y p. m.</translation>
    </message>
    <message>
        <source>24-hour</source>
        <translation>24 horas</translation>
    </message>
</context>
<context>
    <name>frmclock</name>
    <message>
        <source>Clock: click for a new time, click again to hear it, right click to hear it in words</source>
        <translation>Reloj: haz clic para una hora nueva, otra vez para oírla, clic derecho para oírla de otra forma</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Say the time out loud, then click the clock again to check.</source>
        <translation>Di la hora en voz alta y vuelve a hacer clic en el reloj para comprobarla.</translation>
    </message>
    <message>
        <source>The clock shows %1.</source>
        <translation>El reloj marca %1.</translation>
    </message>
    <message>
        <source>version %1</source>
        <translation>versión %1</translation>
    </message>
    <message>
        <source>Chimewise, Kid Safe and Completely Free.</source>
        <translation>Chimewise, seguro para niños y totalmente gratis.</translation>
    </message>
    <message>
        <source>click the clock, then say the time outloud, then click the clock again to check your response.</source>
        <translation>Haz clic en el reloj, di la hora en voz alta y vuelve a hacer clic en el reloj para comprobar tu respuesta.</translation>
    </message>
    <message>
        <source> right click the clock for an alternate time phrase.</source>
        <extracomment>Keeps its leading blank, which the layout of the line relies on.</extracomment>
        <translation> Clic derecho en el reloj: la hora dicha de otra forma.</translation>
    </message>
    <message>
        <source>say the time outloud</source>
        <extracomment>Never shown: the prompt on the dial is emptied at start-up.</extracomment>
        <translation>di la hora en voz alta</translation>
    </message>
    <message>
        <source>Precision</source>
        <translation>Precisión</translation>
    </message>
    <message>
        <source>Times Shown</source>
        <extracomment>The heading over the options Random and In Order: the order the times come in.</extracomment>
        <translation>Orden</translation>
    </message>
    <message>
        <source>5 minute</source>
        <translation>5 minutos</translation>
    </message>
    <message>
        <source>1/4 Hour</source>
        <translation>1/4 de hora</translation>
    </message>
    <message>
        <source>1/2 Hour</source>
        <translation>1/2 hora</translation>
    </message>
    <message>
        <source>Hour</source>
        <extracomment>An option of Precision: whole hours only.</extracomment>
        <translation>Hora</translation>
    </message>
    <message>
        <source>In Order</source>
        <translation>En orden</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Al azar</translation>
    </message>
    <message>
        <source>Click to close program</source>
        <translation>Haz clic para cerrar el programa</translation>
    </message>
    <message>
        <source>Chimewise - version 2.0</source>
        <translation>Chimewise - versión 2.0</translation>
    </message>
    <message>
        <source>Say The Time Outloud</source>
        <translation>Di la hora en voz alta</translation>
    </message>
    <message>
        <source>Clock: click to hear a time, set the hands with the arrow keys and Page Up and Page Down, click again to check, right click to hear it in words</source>
        <translation>Reloj: haz clic para oír una hora, mueve las agujas con las flechas, Re Pág y Av Pág, vuelve a hacer clic para comprobar, clic derecho para oírla en palabras</translation>
    </message>
    <message>
        <source>Show %1; the hands show %2.</source>
        <translation>Muestra %1; las agujas marcan %2.</translation>
    </message>
    <message>
        <source>The hands show %1.</source>
        <translation>Las agujas marcan %1.</translation>
    </message>
    <message>
        <source>Practice</source>
        <extracomment>The heading over the options Read (the clock shows a time, the child says it) and Set (the voice asks for a time, the child moves the hands).</extracomment>
        <translation>Practicar</translation>
    </message>
    <message>
        <source>Set</source>
        <extracomment>An option of Practice: the child moves the hands to the time asked for.</extracomment>
        <translation>Poner</translation>
    </message>
    <message>
        <source>Read</source>
        <extracomment>An option of Practice: the child reads the time the clock shows.</extracomment>
        <translation>Leer</translation>
    </message>
    <message>
        <source>click the clock to hear a time, move the hands to show it, then click the clock to check.</source>
        <translation>Haz clic en el reloj para oír una hora, mueve las agujas hasta ella y vuelve a hacer clic en el reloj para comprobar.</translation>
    </message>
    <message>
        <source> right click the clock to hear the time in words.</source>
        <translation> Clic derecho en el reloj: la hora en palabras.</translation>
    </message>
    <message>
        <source>Show The Time</source>
        <translation>Muestra la hora</translation>
    </message>
    <message>
        <source>Settings for grown-ups</source>
        <translation>Ajustes para adultos</translation>
    </message>
    <message>
        <source>Settings for grown-ups: hold the mouse button down on it, or double-click it</source>
        <extracomment>The tooltip of the small gear beside the version: a single click does nothing, so that a child does not open the settings by chance.</extracomment>
        <translation>Ajustes para adultos: mantén pulsado el botón del ratón sobre él o haz doble clic</translation>
    </message>
    <message>
        <source>1 minute</source>
        <extracomment>An option of Precision: every minute, the finest step.</extracomment>
        <translation>1 minuto</translation>
    </message>
</context>
</TS>
