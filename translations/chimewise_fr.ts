<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en_US">
<context>
    <name>SettingsDialog</name>
    <message>
        <source>Settings for grown-ups</source>
        <extracomment>The title of the window where a parent or teacher sets the clock up.</extracomment>
        <translation>Réglages pour les adultes</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>&amp;Langue :</translation>
    </message>
    <message>
        <source>&amp;Numerals:</source>
        <extracomment>The numbers round the dial.</extracomment>
        <translation>&amp;Chiffres :</translation>
    </message>
    <message>
        <source>&amp;Size:</source>
        <translation>&amp;Taille :</translation>
    </message>
    <message>
        <source>The desktop&apos;s (%1)</source>
        <extracomment>%1 is the name of the desktop&apos;s language in that language, such as Deutsch.</extracomment>
        <translation>Langue du bureau (%1)</translation>
    </message>
    <message>
        <source>1 to 12</source>
        <translation>1 à 12</translation>
    </message>
    <message>
        <source>I to XII</source>
        <translation>I à XII</translation>
    </message>
    <message>
        <source>The clock&apos;s own size</source>
        <extracomment>The clock&apos;s panel at the size it was designed for, centred on the screen.</extracomment>
        <translation>Taille d&apos;origine de l&apos;horloge</translation>
    </message>
    <message>
        <source>Fill the screen</source>
        <translation>Remplir l&apos;écran</translation>
    </message>
    <message>
        <source>&amp;Hours:</source>
        <extracomment>How the clock tells the hours of the day.</extracomment>
        <translation>&amp;Heures :</translation>
    </message>
    <message>
        <source>12-hour</source>
        <extracomment>The dial&apos;s twelve hours alone, as the clock has always told them; each time in the morning or the afternoon; the 24-hour clock, 00:00 to 23:59.</extracomment>
        <translation>12 heures</translation>
    </message>
    <message>
        <source>a.m. and p.m.</source>
        <translation>matin, après-midi et soir</translation>
    </message>
    <message>
        <source>24-hour</source>
        <translation>24 heures</translation>
    </message>
</context>
<context>
    <name>frmclock</name>
    <message>
        <source>Clock: click for a new time, click again to hear it, right click to hear it in words</source>
        <translation>Horloge&#xa0;: clique pour une nouvelle heure, clique encore pour l&apos;entendre, clic droit pour l&apos;entendre autrement</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Say the time out loud, then click the clock again to check.</source>
        <translation>Dis l&apos;heure à voix haute, puis clique encore sur l&apos;horloge pour vérifier.</translation>
    </message>
    <message>
        <source>The clock shows %1.</source>
        <translation>L&apos;horloge indique %1.</translation>
    </message>
    <message>
        <source>version %1</source>
        <translation>version %1</translation>
    </message>
    <message>
        <source>Chimewise, Kid Safe and Completely Free.</source>
        <translation>Chimewise, sûr pour les enfants et entièrement gratuit.</translation>
    </message>
    <message>
        <source>click the clock, then say the time outloud, then click the clock again to check your response.</source>
        <translation>Clique sur l&apos;horloge, dis l&apos;heure à voix haute, puis clique encore sur l&apos;horloge pour vérifier ta réponse.</translation>
    </message>
    <message>
        <source> right click the clock for an alternate time phrase.</source>
        <extracomment>Keeps its leading blank, which the layout of the line relies on.</extracomment>
        <translation> Clic droit sur l&apos;horloge&#xa0;: l&apos;heure dite autrement.</translation>
    </message>
    <message>
        <source>say the time outloud</source>
        <extracomment>Never shown: the prompt on the dial is emptied at start-up.</extracomment>
        <translation>dis l&apos;heure à voix haute</translation>
    </message>
    <message>
        <source>Precision</source>
        <translation>Précision</translation>
    </message>
    <message>
        <source>Times Shown</source>
        <extracomment>The heading over the options Random and In Order: the order the times come in.</extracomment>
        <translation>Ordre</translation>
    </message>
    <message>
        <source>5 minute</source>
        <translation>5 minutes</translation>
    </message>
    <message>
        <source>1/4 Hour</source>
        <translation>1/4 d&apos;heure</translation>
    </message>
    <message>
        <source>1/2 Hour</source>
        <translation>1/2 heure</translation>
    </message>
    <message>
        <source>Hour</source>
        <extracomment>An option of Precision: whole hours only.</extracomment>
        <translation>Heure</translation>
    </message>
    <message>
        <source>In Order</source>
        <translation>Dans l&apos;ordre</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Au hasard</translation>
    </message>
    <message>
        <source>Click to close program</source>
        <translation>Clique pour fermer le programme</translation>
    </message>
    <message>
        <source>Chimewise - version 2.0</source>
        <translation>Chimewise - version 2.0</translation>
    </message>
    <message>
        <source>Say The Time Outloud</source>
        <translation>Dis l&apos;heure à voix haute</translation>
    </message>
    <message>
        <source>Clock: click to hear a time, set the hands with the arrow keys and Page Up and Page Down, click again to check, right click to hear it in words</source>
        <translation>Horloge&#xa0;: clique pour entendre une heure, place les aiguilles avec les flèches, Page précédente et Page suivante, clique encore pour vérifier, clic droit pour l&apos;entendre en mots</translation>
    </message>
    <message>
        <source>Show %1; the hands show %2.</source>
        <translation>Montre %1&#xa0;; les aiguilles indiquent %2.</translation>
    </message>
    <message>
        <source>The hands show %1.</source>
        <translation>Les aiguilles indiquent %1.</translation>
    </message>
    <message>
        <source>Practice</source>
        <extracomment>The heading over the options Read (the clock shows a time, the child says it) and Set (the voice asks for a time, the child moves the hands).</extracomment>
        <translation>Exercice</translation>
    </message>
    <message>
        <source>Set</source>
        <extracomment>An option of Practice: the child moves the hands to the time asked for.</extracomment>
        <translation>Placer</translation>
    </message>
    <message>
        <source>Read</source>
        <extracomment>An option of Practice: the child reads the time the clock shows.</extracomment>
        <translation>Lire</translation>
    </message>
    <message>
        <source>click the clock to hear a time, move the hands to show it, then click the clock to check.</source>
        <translation>Clique sur l&apos;horloge pour entendre une heure, place les aiguilles, puis clique encore sur l&apos;horloge pour vérifier.</translation>
    </message>
    <message>
        <source> right click the clock to hear the time in words.</source>
        <translation> Clic droit sur l&apos;horloge&#xa0;: l&apos;heure en mots.</translation>
    </message>
    <message>
        <source>Show The Time</source>
        <translation>Montre l&apos;heure</translation>
    </message>
    <message>
        <source>Settings for grown-ups</source>
        <translation>Réglages pour les adultes</translation>
    </message>
    <message>
        <source>Settings for grown-ups: hold the mouse button down on it, or double-click it</source>
        <extracomment>The tooltip of the small gear beside the version: a single click does nothing, so that a child does not open the settings by chance.</extracomment>
        <translation>Réglages pour les adultes : maintenir le bouton de la souris enfoncé dessus, ou double-cliquer</translation>
    </message>
    <message>
        <source>1 minute</source>
        <extracomment>An option of Precision: every minute, the finest step.</extracomment>
        <translation>1 minute</translation>
    </message>
</context>
</TS>
