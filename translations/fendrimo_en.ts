<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de">
<context>
    <name>Accessibility</name>
    <message>
        <source>%1 IE/h</source>
        <extracomment>IE is the insulin unit</extracomment>
        <translation>%1 U/h</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A screen reader&apos;s name of a value: what it is, then the value</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>A number and its unit</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Basalrate %1</source>
        <translation>Basal rate %1</translation>
    </message>
    <message>
        <source>Stellt die Basalrate von %1 in Schritten von 0,1 IE/h ein: nach oben mehr, nach unten weniger</source>
        <translation>Sets the basal rate for %1 in steps of 0.1 U/h: up for more, down for less</translation>
    </message>
    <message>
        <source>Zeigt die Basalrate von %1 in IE/h</source>
        <translation>Shows the basal rate for %1 in U/h</translation>
    </message>
</context>
<context>
    <name>Artwork</name>
    <message>
        <source>1,2 IE/h</source>
        <extracomment>The rate on the display of the pictured pump; IE is the insulin unit</extracomment>
        <translation>1.2 U/h</translation>
    </message>
</context>
<context>
    <name>BasalProfile</name>
    <message>
        <source>Basalrate %1</source>
        <translation>Basal rate %1</translation>
    </message>
    <message>
        <source>%1 bis %2 Uhr</source>
        <translation>%1 to %2 h</translation>
    </message>
    <message>
        <source>Bolus morgens</source>
        <translation>Bolus morning</translation>
    </message>
    <message>
        <source>Bolus mittags</source>
        <translation>Bolus noon</translation>
    </message>
    <message>
        <source>Bolus abends</source>
        <translation>Bolus evening</translation>
    </message>
</context>
<context>
    <name>BasalTestSheet</name>
    <message>
        <source>Uhrzeit</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Basalrate</source>
        <translation>Basal rate</translation>
    </message>
    <message>
        <source>Glukose</source>
        <translation>Glucose</translation>
    </message>
    <message>
        <source>Essen</source>
        <translation>Food</translation>
    </message>
    <message>
        <source>Bemerkungen</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>Basalratentest</source>
        <translation>Basal rate test</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Datum:</source>
        <translation>Date:</translation>
    </message>
    <message>
        <source>Block:</source>
        <translation>Block:</translation>
    </message>
    <message>
        <source>Messgerät:</source>
        <translation>Meter:</translation>
    </message>
    <message>
        <source>Die Basalraten sind die des Profils beim Drucken.</source>
        <translation>The basal rates are the profile&apos;s at the time of printing.</translation>
    </message>
    <message>
        <source>%1 IE/h</source>
        <translation>%1 U/h</translation>
    </message>
    <message>
        <source>So wird der Test in Schulungen beschrieben: über den ganzen Block nüchtern, kein Bolus in den 4–5 Stunden davor,</source>
        <translation>As diabetes courses describe the test: fasting through the whole block, no bolus in the 4–5 hours before,</translation>
    </message>
    <message>
        <source>eine leichte letzte Mahlzeit, kein Sport, kein Alkohol; jede Stunde messen. Bei zu niedrigem oder zu hohem Wert wird</source>
        <translation>a light last meal, no exercise, no alcohol; measure every hour. With a value too low or too high</translation>
    </message>
    <message>
        <source>der Test beendet und der Wert behandelt. Grenzen und Vorgehen nach Absprache mit Ihrem Diabetesteam.</source>
        <translation>the test ends and the value is treated. Limits and steps as agreed with your diabetes team.</translation>
    </message>
    <message>
        <source>Gedruckt am %1 mit Fendrimo. Fendrimo bewertet die Basalrate nicht.</source>
        <translation>Printed on %1 with Fendrimo. Fendrimo does not judge the basal rate.</translation>
    </message>
</context>
<context>
    <name>BasalTestTable</name>
    <message>
        <source>–</source>
        <translation>–</translation>
    </message>
    <message>
        <source>kein Wert</source>
        <translation>no value</translation>
    </message>
    <message>
        <source>unter Messbereich</source>
        <translation>below range</translation>
    </message>
    <message>
        <source>unter dem Messbereich des Sensors</source>
        <translation>below the sensor&apos;s range</translation>
    </message>
    <message>
        <source>über Messbereich</source>
        <translation>above range</translation>
    </message>
    <message>
        <source>über dem Messbereich des Sensors</source>
        <translation>above the sensor&apos;s range</translation>
    </message>
    <message>
        <source>keine Änderung bekannt</source>
        <translation>no change known</translation>
    </message>
    <message>
        <source>3,9–10,0 mmol/L</source>
        <translation>3.9–10.0 mmol/L</translation>
    </message>
    <message>
        <source>70–180 mg/dL</source>
        <translation>70–180 mg/dL</translation>
    </message>
    <message>
        <source>keine Werte</source>
        <translation>no readings</translation>
    </message>
    <message>
        <source>alle %1 Werte in %2</source>
        <translation>all %1 readings in %2</translation>
    </message>
    <message>
        <source>%1 von %2 Werten außerhalb %3</source>
        <translation>%1 of %2 readings outside %3</translation>
    </message>
    <message>
        <source>Stunde</source>
        <translation>Hour</translation>
    </message>
    <message>
        <source>Basalrate</source>
        <translation>Basal rate</translation>
    </message>
    <message>
        <source>%1
Beginn</source>
        <translation>%1
Start</translation>
    </message>
    <message>
        <source>%1
Ende</source>
        <translation>%1
End</translation>
    </message>
    <message>
        <source>%1
Änderung</source>
        <translation>%1
Change</translation>
    </message>
    <message>
        <source>%1 IE/h</source>
        <translation>%1 U/h</translation>
    </message>
    <message>
        <source>%1, Basalrate: </source>
        <translation>%1, basal rate: </translation>
    </message>
    <message>
        <source>%1, %2, </source>
        <translation>%1, %2, </translation>
    </message>
    <message>
        <source>Beginn: </source>
        <translation>start: </translation>
    </message>
    <message>
        <source>Ende: </source>
        <translation>end: </translation>
    </message>
    <message>
        <source>Änderung: </source>
        <translation>change: </translation>
    </message>
    <message>
        <source>Block %1</source>
        <translation>Block %1</translation>
    </message>
    <message>
        <source>Werte im Zielbereich</source>
        <translation>Readings in target range</translation>
    </message>
    <message>
        <source>%1, Block %2, </source>
        <translation>%1, block %2, </translation>
    </message>
    <message>
        <source>%1 je Std.</source>
        <translation>%1 per hour</translation>
    </message>
    <message>
        <source>Änderung je Stunde: </source>
        <translation>change per hour: </translation>
    </message>
    <message>
        <source>Werte in %1, gerundet auf %2. Für Beginn und Ende einer Stunde zählt der nächste Messwert höchstens 15 Minuten davon; ohne ihn oder bei einem Wert außerhalb des Messbereichs bleibt die Stelle leer. Das Programm bewertet die Basalrate nicht.</source>
        <translation>Values in %1, rounded to %2. An hour&apos;s start and end take the nearest reading at most 15 minutes away; without one, or with a value beyond the sensor&apos;s range, the place stays empty. The program does not judge the basal rate.</translation>
    </message>
    <message>
        <source>0,1 mmol/L</source>
        <translation>0.1 mmol/L</translation>
    </message>
    <message>
        <source>ganze mg/dL</source>
        <translation>whole mg/dL</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Aufruf: fendrimo [Optionen] [Basalraten-Datei.bar]

Startet Fendrimo; ist eine Basalraten-Datei angegeben, lädt es sie gleich.

Optionen:
  -h, --help   diese Hilfe anzeigen und beenden
  --version    die Programmversion anzeigen und beenden
  --           alles Folgende ist der Dateiname, auch wenn er mit - beginnt

Die üblichen Qt-Optionen wie -platform, -style oder -reverse gehen an Qt.
</source>
        <translation>Usage: fendrimo [options] [basal-rate-file.bar]

Starts Fendrimo; if a basal-rate file is given, it loads it at once.

Options:
  -h, --help   show this help and exit
  --version    show the program version and exit
  --           everything that follows is the file name, even if it begins with -

The usual Qt options such as -platform, -style or -reverse go to Qt.
</translation>
    </message>
    <message>
        <source>Bitte nur eine Basalraten-Datei angeben.</source>
        <translation>Please give only one basal-rate file.</translation>
    </message>
    <message>
        <source>Der Dateiname ist leer.</source>
        <translation>The file name is empty.</translation>
    </message>
    <message>
        <source>Die Option %1 braucht einen Wert.</source>
        <translation>The option %1 needs a value.</translation>
    </message>
    <message>
        <source>Unbekannte Option %1</source>
        <translation>Unknown option %1</translation>
    </message>
</context>
<context>
    <name>Comparison</name>
    <message>
        <source>Vergleich: %1 IE/h</source>
        <translation>Comparison: %1 U/h</translation>
    </message>
    <message>
        <source>%1: %2 → %3 IE/h</source>
        <translation>%1: %2 → %3 U/h</translation>
    </message>
    <message>
        <source>%1; autotune: 1 Tag ohne Daten</source>
        <translation>%1; autotune: 1 day without data</translation>
    </message>
    <message>
        <source>%1; autotune: %2 Tage ohne Daten</source>
        <translation>%1; autotune: %2 days without data</translation>
    </message>
    <message>
        <source>%1 IE, so viel wie diese Basalrate</source>
        <extracomment>the comparison&apos;s daily total, equal to the profile&apos;s</extracomment>
        <translation>%1 U, the same as this basal rate</translation>
    </message>
    <message>
        <source>%1 IE, %2 IE mehr als diese Basalrate</source>
        <extracomment>the comparison&apos;s daily total, then by how much it is higher than the profile&apos;s</extracomment>
        <translation>%1 U, %2 U more than this basal rate</translation>
    </message>
    <message>
        <source>%1 IE, %2 IE weniger als diese Basalrate</source>
        <translation>%1 U, %2 U less than this basal rate</translation>
    </message>
</context>
<context>
    <name>Csv</name>
    <message>
        <source>Es fehlen Stunden: %1.</source>
        <translation>Hours are missing: %1.</translation>
    </message>
    <message>
        <source>Zeile %1</source>
        <translation>Line %1</translation>
    </message>
    <message>
        <source>%1: Erwartet werden zwei Felder, Uhrzeit und Basalrate; die Zeile hat %2.</source>
        <translation>%1: Two fields are expected, time and basal rate; the line has %2.</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; ist keine volle Stunde von 0 bis 23.</source>
        <translation>%1: &quot;%2&quot; is not a full hour from 0 to 23.</translation>
    </message>
    <message>
        <source>%1: Die Stunde %2 kommt zweimal vor.</source>
        <translation>%1: The hour %2 occurs twice.</translation>
    </message>
    <message>
        <source>Die Tabelle enthält keine Basalraten.</source>
        <translation>The table contains no basal rates.</translation>
    </message>
    <message>
        <source>Die Tabelle ist in UTF-16 gespeichert. Gelesen werden Tabellen in UTF-8 oder Windows-1252.</source>
        <translation>The table is saved in UTF-16. Tables are read in UTF-8 or Windows-1252.</translation>
    </message>
    <message>
        <source>Die Datei enthält Binärdaten und ist keine Tabelle.</source>
        <translation>The file holds binary data and is no table.</translation>
    </message>
    <message>
        <source>Die Zeilen der Tabelle enden nur mit CR (ältere Mac-Programme). Gelesen werden Zeilenenden LF oder CR LF.</source>
        <translation>The lines of the table end with CR only (older Mac programs). Line ends LF or CR LF are read.</translation>
    </message>
</context>
<context>
    <name>CupsJob</name>
    <message>
        <source>der Druckdienst (libcups) lässt sich nicht laden: %1</source>
        <translation>the print service (libcups) cannot be loaded: %1</translation>
    </message>
    <message>
        <source>der Druckdienst (libcups) lässt sich nicht laden: %1 hat keine Funktion %2</source>
        <translation>the print service (libcups) cannot be loaded: %1 has no function %2</translation>
    </message>
    <message>
        <source>unbekannter Fehler des Druckdienstes</source>
        <translation>unknown error of the print service</translation>
    </message>
    <message>
        <source>der Druckdienst %1 ist nicht erreichbar</source>
        <translation>the print service %1 cannot be reached</translation>
    </message>
    <message>
        <source>Basalrate</source>
        <extracomment>the print job&apos;s name in the printer&apos;s queue</extracomment>
        <translation>Basal rate</translation>
    </message>
</context>
<context>
    <name>DialogButtons</name>
    <message>
        <source>Schließen</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>Exchange</name>
    <message>
        <source>Gerundet oder gemittelt: %1.</source>
        <translation>Rounded or averaged: %1.</translation>
    </message>
    <message>
        <source>Importiert aus Nightscout-Profil &quot;%1&quot;</source>
        <translation>Imported from Nightscout profile &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Die Datei ist größer als 10 MB.</source>
        <translation>The file is larger than 10 MB.</translation>
    </message>
    <message>
        <source>&amp;Nightscout-Profil (JSON)…</source>
        <translation>&amp;Nightscout profile (JSON)…</translation>
    </message>
    <message>
        <source>Nightscout-Profile (*.json)</source>
        <translation>Nightscout profiles (*.json)</translation>
    </message>
    <message>
        <source>Import aus Nightscout-Profil</source>
        <translation>Import from Nightscout profile</translation>
    </message>
    <message>
        <source>&amp;OpenAPS-Basalprofil (JSON)…</source>
        <translation>&amp;OpenAPS basal profile (JSON)…</translation>
    </message>
    <message>
        <source>OpenAPS-Basalprofile (*.json)</source>
        <translation>OpenAPS basal profiles (*.json)</translation>
    </message>
    <message>
        <source>Import aus OpenAPS-Basalprofil</source>
        <translation>Import from OpenAPS basal profile</translation>
    </message>
    <message>
        <source>&amp;Tabelle (CSV)…</source>
        <translation>&amp;Table (CSV)…</translation>
    </message>
    <message>
        <source>Tabellen (*.csv)</source>
        <translation>Tables (*.csv)</translation>
    </message>
    <message>
        <source>Import aus Tabelle</source>
        <translation>Import from table</translation>
    </message>
    <message>
        <source>&amp;Tidepool-Pumpeneinstellungen (JSON)…</source>
        <translation>Tide&amp;pool pump settings (JSON)…</translation>
    </message>
    <message>
        <source>Tidepool-Daten (*.json)</source>
        <translation>Tidepool data (*.json)</translation>
    </message>
    <message>
        <source>Import aus Tidepool-Pumpeneinstellungen</source>
        <translation>Import from Tidepool pump settings</translation>
    </message>
    <message>
        <source>Die Datei ist weder ein Nightscout-Profil noch ein OpenAPS-Basalprofil, ein Autotune-Ergebnis, Tidepool-Pumpeneinstellungen oder eine Tabelle: %1</source>
        <translation>The file is not a Nightscout profile, an OpenAPS basal profile, an autotune result, Tidepool pump settings or a table: %1</translation>
    </message>
    <message>
        <source>Sie enthält JSON, aber in keiner dieser Formen.</source>
        <translation>It contains JSON, but in none of these forms.</translation>
    </message>
    <message>
        <source>%1: %2 &quot;%3&quot; ist negativ.</source>
        <translation>%1: %2 &quot;%3&quot; is negative.</translation>
    </message>
    <message>
        <source>%1: %2 &quot;%3&quot; hat mehr als %4 Nachkommastellen.</source>
        <translation>%1: %2 &quot;%3&quot; has more than %4 decimal places.</translation>
    </message>
    <message>
        <source>%1: %2 &quot;%3&quot; ist größer als %4.</source>
        <translation>%1: %2 &quot;%3&quot; is greater than %4.</translation>
    </message>
    <message>
        <source>%1: %2 &quot;%3&quot; ist keine Zahl.</source>
        <translation>%1: %2 &quot;%3&quot; is not a number.</translation>
    </message>
    <message>
        <source>%1: Die Uhrzeit %2 kommt zweimal vor.</source>
        <translation>%1: The time %2 occurs twice.</translation>
    </message>
    <message>
        <source>%1: vom letzten Eintrag des Tages übernommen.</source>
        <translation>%1: taken from the last entry of the day.</translation>
    </message>
    <message>
        <source>%1: bis %2 vom letzten Eintrag des Tages übernommen.</source>
        <translation>%1: up to %2 taken from the last entry of the day.</translation>
    </message>
    <message>
        <source>%1 bleibt leer: Kohlenhydratfaktor %2 g je IE ist nicht größer als 0.</source>
        <extracomment>IE: insulin units; %1 is a bolus field, &quot;Bolus morgens&quot;</extracomment>
        <translation>%1 stays empty: carb ratio %2 g per U is not greater than 0.</translation>
    </message>
    <message>
        <source>%1 bleibt leer: 12 g / %2 g je IE ergibt weniger als %3 IE/BE.</source>
        <extracomment>BE: bread unit, 12 g of carbohydrate</extracomment>
        <translation>%1 stays empty: 12 g / %2 g per U gives less than %3 U/BU.</translation>
    </message>
    <message>
        <source>%1 bleibt leer: 12 g / %2 g je IE ergibt mehr als %3 IE/BE.</source>
        <translation>%1 stays empty: 12 g / %2 g per U gives more than %3 U/BU.</translation>
    </message>
    <message>
        <source>%1: 12 g / %2 g je IE = %3 IE/BE, auf %4 gerundet.</source>
        <translation>%1: 12 g / %2 g per U = %3 U/BU, rounded to %4.</translation>
    </message>
    <message>
        <source>Die Datei ist größer als %1 MB und wird nicht gelesen.</source>
        <translation>The file is larger than %1 MB and is not read.</translation>
    </message>
    <message>
        <source>Die Datei ist kein gültiges JSON.</source>
        <translation>The file is not valid JSON.</translation>
    </message>
    <message>
        <source>Rate</source>
        <translation>Rate</translation>
    </message>
    <message>
        <source>Kohlenhydratfaktor</source>
        <translation>Carb ratio</translation>
    </message>
    <message>
        <source>%1: Die Rate ist größer als %2 IE/h, die größte, die eine Pumpe abgibt. Die Datei wird nicht übernommen.</source>
        <translation>%1: The rate is larger than %2 U/h, the largest a pump delivers. The file is not taken.</translation>
    </message>
    <message>
        <source>Eine Basalraten-Datei hat 656 Bytes, Raten von 0 bis %1 IE/h und Bolusfaktoren von höchstens 4 Zeichen.</source>
        <translation>A basal rate file has 656 bytes, rates from 0 to %1 U/h and bolus factors of at most 4 characters.</translation>
    </message>
</context>
<context>
    <name>FirstRun</name>
    <message>
        <source>Fendrimo:  Es existiert noch keine INI-Datei. Erstelle neue INI-Datei mit Standard-Werten. Diese Meldung ist keine Fehlermeldung und wird ab jetzt nicht mehr erscheinen.</source>
        <translation>Fendrimo:  There is no INI file yet. Creating a new INI file with default values. This message is not an error message and will not appear again.</translation>
    </message>
</context>
<context>
    <name>Glucose</name>
    <message>
        <source>%1: %2 ist kein Zeitpunkt der Form %3.</source>
        <translation>%1: %2 is not a time of the form %3.</translation>
    </message>
    <message>
        <source>An keinem Datum der Datei ist zu erkennen, ob der Tag oder der Monat vorne steht (TT-MM-JJJJ oder MM-TT-JJJJ). Bitte einen Zeitraum von mindestens 13 Tagen exportieren.</source>
        <translation>No date in the file shows whether the day or the month comes first (DD-MM-YYYY or MM-DD-YYYY). Please export a period of at least 13 days.</translation>
    </message>
    <message>
        <source>Zeile 2: Die Kopfzeile von LibreView nennt keinen Gerätezeitstempel, keinen Aufzeichnungstyp oder keinen Glukosewert-Verlauf mit Einheit.</source>
        <translation>Line 2: The LibreView header names no device timestamp, no record type or no historic glucose with its unit.</translation>
    </message>
    <message>
        <source>%1: Die Zeile hat keinen Aufzeichnungstyp (eine Zahl).</source>
        <translation>%1: The line has no record type (a number).</translation>
    </message>
    <message>
        <source>Eintrag %1: Das JSON ist in Zeile %2 fehlerhaft oder bricht ab.</source>
        <translation>Entry %1: The JSON is faulty or breaks off in line %2.</translation>
    </message>
    <message>
        <source>Die Datei enthält keine Glukosewerte des Sensors.</source>
        <translation>The file contains no glucose readings of the sensor.</translation>
    </message>
    <message>
        <source>%1: Die letzte Zeile bricht nach %2 von %3 Feldern ab; die Datei ist nicht vollständig.</source>
        <translation>%1: The last line breaks off after %2 of %3 fields; the file is not complete.</translation>
    </message>
    <message>
        <source>%1: %2 ist kein Glukosewert in mg/dL (eine ganze Zahl von 1 bis 999).</source>
        <translation>%1: %2 is not a glucose value in mg/dL (a whole number from 1 to 999).</translation>
    </message>
    <message>
        <source>%1: %2 ist kein Glukosewert in mmol/L (von 0,1 bis 99,9, eine Nachkommastelle).</source>
        <translation>%1: %2 is not a glucose value in mmol/L (from 0.1 to 99.9, one decimal place).</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; fehlt oder ist keine ganze Zahl.</source>
        <translation>%1: &quot;%2&quot; is missing or not a whole number.</translation>
    </message>
    <message>
        <source>Die Datei ist keine Liste von Nightscout-Einträgen (ein JSON-Array).</source>
        <translation>The file is not a list of Nightscout entries (a JSON array).</translation>
    </message>
    <message>
        <source>Zeile %1</source>
        <translation>Line %1</translation>
    </message>
    <message>
        <source>Eintrag %1</source>
        <translation>Entry %1</translation>
    </message>
    <message>
        <source>Dexcom-Clarity-Export (*.csv)</source>
        <translation>Dexcom Clarity export (*.csv)</translation>
    </message>
    <message>
        <source>LibreView-Glukosedaten (*.csv)</source>
        <translation>LibreView glucose data (*.csv)</translation>
    </message>
    <message>
        <source>Nightscout-Einträge (*.json)</source>
        <translation>Nightscout entries (*.json)</translation>
    </message>
    <message>
        <source>Tidepool-Datenexport (*.json)</source>
        <translation>Tidepool data export (*.json)</translation>
    </message>
    <message>
        <source>Die Datei ist kein Glukose-Export von Dexcom Clarity oder LibreView (CSV) und keine Einträge von Nightscout oder Daten von Tidepool (JSON).</source>
        <translation>The file is not a glucose export of Dexcom Clarity or LibreView (CSV), nor Nightscout entries or Tidepool data (JSON).</translation>
    </message>
    <message>
        <source>%1: Die Zeile hat %2 Felder, ihr fehlt der Glukosewert.</source>
        <translation>%1: The line has %2 fields; it lacks the glucose value.</translation>
    </message>
    <message>
        <source>%1: %2 ist kein Zeitpunkt der Form JJJJ-MM-TTThh:mm:ss.</source>
        <translation>%1: %2 is not a time of the form YYYY-MM-DDThh:mm:ss.</translation>
    </message>
    <message>
        <source>Zeile 1: Die Kopfzeile von Dexcom Clarity nennt keinen Zeitstempel oder keinen Glukosewert mit Einheit.</source>
        <translation>Line 1: The Dexcom Clarity header names no timestamp or no glucose value with its unit.</translation>
    </message>
    <message>
        <source>%1: Die Einheit %2 ist weder mg/dL noch mmol/L.</source>
        <translation>%1: The unit %2 is neither mg/dL nor mmol/L.</translation>
    </message>
    <message>
        <source>%1: &quot;value&quot; %2 ist kein Glukosewert in %3, weder mit einer Nachkommastelle noch umgerechnet aus ganzen mg/dL.</source>
        <translation>%1: &quot;value&quot; %2 is not a glucose value in %3, neither with one decimal place nor converted from whole mg/dL.</translation>
    </message>
    <message>
        <source>%1: &quot;time&quot; %2 ist kein Zeitpunkt in UTC (JJJJ-MM-TTThh:mm:ssZ).</source>
        <translation>%1: &quot;time&quot; %2 is not a time in UTC (YYYY-MM-DDThh:mm:ssZ).</translation>
    </message>
    <message>
        <source>%1: &quot;timezoneOffset&quot; ist keine ganze Zahl von Minuten.</source>
        <translation>%1: &quot;timezoneOffset&quot; is not a whole number of minutes.</translation>
    </message>
    <message>
        <source>Die Datei ist kein Tidepool-Export (ein JSON-Array von Daten).</source>
        <translation>The file is not a Tidepool export (a JSON array of data).</translation>
    </message>
</context>
<context>
    <name>GlucosePage</name>
    <message>
        <source>alle Tage</source>
        <translation>all days</translation>
    </message>
    <message>
        <source>Montag bis Freitag</source>
        <translation>Monday to Friday</translation>
    </message>
    <message>
        <source>Samstag und Sonntag</source>
        <translation>Saturday and Sunday</translation>
    </message>
    <message>
        <source>ausgewählte Tage: %1</source>
        <translation>chosen days: %1</translation>
    </message>
    <message>
        <source>Glukoseprofil</source>
        <translation>Glucose profile</translation>
    </message>
    <message>
        <source>Dateien:</source>
        <translation>Files:</translation>
    </message>
    <message>
        <source>Zeitraum:</source>
        <translation>Period:</translation>
    </message>
    <message>
        <source>%1 bis %2, %3</source>
        <translation>%1 to %2, %3</translation>
    </message>
    <message>
        <source>Tage mit Daten:</source>
        <translation>Days with data:</translation>
    </message>
    <message>
        <source>%1 von %2</source>
        <translation>%1 of %2</translation>
    </message>
    <message>
        <source>Zeit mit CGM-Daten:</source>
        <translation>Time with CGM data:</translation>
    </message>
    <message>
        <source>%1 (begrenzt)</source>
        <translation>%1 (capped)</translation>
    </message>
    <message>
        <source>Einheit:</source>
        <translation>Unit:</translation>
    </message>
    <message>
        <source>Gedruckt am:</source>
        <translation>Printed on:</translation>
    </message>
    <message>
        <source>Weniger Daten, als der Konsens für ein AGP verlangt (14 Tage, 70 % der Zeit): %1 Tage, %2 der Zeit.</source>
        <translation>Less data than the consensus asks of an AGP (14 days, 70 % of the time): %1 days, %2 of the time.</translation>
    </message>
    <message>
        <source>IE/h</source>
        <translation>U/h</translation>
    </message>
    <message>
        <source>Uhr</source>
        <translation>h</translation>
    </message>
    <message>
        <source>Uhrzeit</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Werte</source>
        <translation>Readings</translation>
    </message>
    <message>
        <source>5 %</source>
        <translation>5 %</translation>
    </message>
    <message>
        <source>25 %</source>
        <translation>25 %</translation>
    </message>
    <message>
        <source>Median</source>
        <translation>Median</translation>
    </message>
    <message>
        <source>75 %</source>
        <translation>75 %</translation>
    </message>
    <message>
        <source>95 %</source>
        <translation>95 %</translation>
    </message>
    <message>
        <source>%1/h</source>
        <translation>%1/h</translation>
    </message>
    <message>
        <source>ja</source>
        <translation>yes</translation>
    </message>
    <message>
        <source>nein</source>
        <translation>no</translation>
    </message>
    <message>
        <source>5–95 %</source>
        <translation>5–95 %</translation>
    </message>
    <message>
        <source>25–75 %</source>
        <translation>25–75 %</translation>
    </message>
    <message>
        <source>Zielbereich %1–%2 %3</source>
        <translation>Target range %1–%2 %3</translation>
    </message>
    <message>
        <source>Basalrate (IE/h)</source>
        <translation>Basal rate (U/h)</translation>
    </message>
    <message>
        <source>über %1 %2</source>
        <translation>above %1 %2</translation>
    </message>
    <message>
        <source>Kurven: Perzentile je Stunde, mit den Nachbarstunden geglättet und oben begrenzt; die Tabelle unten zeigt sie ungeglättet.</source>
        <translation>Curves: percentiles per hour, smoothed with the neighbouring hours and capped at the top; the table below shows them unsmoothed.</translation>
    </message>
    <message>
        <source>Kennzahl</source>
        <translation>Measure</translation>
    </message>
    <message>
        <source>Wert</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>Ziel</source>
        <translation>Goal</translation>
    </message>
    <message>
        <source>erreicht</source>
        <translation>met</translation>
    </message>
    <message>
        <source>Mittlere Glukose</source>
        <translation>Mean glucose</translation>
    </message>
    <message>
        <source>Standardabweichung</source>
        <translation>Standard deviation</translation>
    </message>
    <message>
        <source>Variationskoeffizient (CV)</source>
        <translation>Coefficient of variation (CV)</translation>
    </message>
    <message>
        <source>GMI</source>
        <translation>GMI</translation>
    </message>
    <message>
        <source>Bereich (%1)</source>
        <translation>Range (%1)</translation>
    </message>
    <message>
        <source>Anteil</source>
        <translation>Share</translation>
    </message>
    <message>
        <source>%1 (%2: %3 %)</source>
        <translation>%1 (%2: %3 %)</translation>
    </message>
    <message>
        <source>Anteile auf ganze Prozent gerundet; „erreicht“ nach den ungerundeten Anteilen.</source>
        <translation>Shares rounded to whole percent; “met” judged by the unrounded shares.</translation>
    </message>
    <message>
        <source>Basalrate</source>
        <translation>Basal rate</translation>
    </message>
    <message>
        <source>Anzahl</source>
        <translation>Count</translation>
    </message>
    <message>
        <source>Perzentile (%1)</source>
        <translation>Percentiles (%1)</translation>
    </message>
    <message>
        <source>Anteil in %</source>
        <translation>Share in %</translation>
    </message>
    <message>
        <source>Änderung</source>
        <translation>Change</translation>
    </message>
    <message>
        <source>%1 und %2 weitere</source>
        <translation>%1 and %2 more</translation>
    </message>
    <message>
        <source>Werte außerhalb des Messbereichs (Low/High), als dessen Grenze gezählt: %1.</source>
        <translation>Readings beyond the sensor’s range (Low/High), counted as its limit: %1.</translation>
    </message>
</context>
<context>
    <name>GlucoseView</name>
    <message>
        <source>%1 IE/h</source>
        <translation>%1 U/h</translation>
    </message>
    <message>
        <source>Zeit unter %1 %2</source>
        <translation>Time below %1 %2</translation>
    </message>
    <message>
        <source>Zeit über %1 %2</source>
        <translation>Time above %1 %2</translation>
    </message>
    <message>
        <source>Zeit %1–%2 %3</source>
        <translation>Time %1–%2 %3</translation>
    </message>
    <message>
        <source>Zeit über %1 %2 zusammen</source>
        <translation>Time above %1 %2 in all</translation>
    </message>
    <message>
        <source>Zeit unter %1 %2 zusammen</source>
        <translation>Time below %1 %2 in all</translation>
    </message>
    <message>
        <source>erreicht</source>
        <translation>met</translation>
    </message>
    <message>
        <source>verfehlt</source>
        <translation>missed</translation>
    </message>
    <message>
        <source>Stunde</source>
        <translation>Hour</translation>
    </message>
    <message>
        <source>Basalrate
(IE/h)</source>
        <translation>Basal rate
(U/h)</translation>
    </message>
    <message>
        <source>Messwerte</source>
        <translation>Readings</translation>
    </message>
    <message>
        <source>5 %</source>
        <translation>5 %</translation>
    </message>
    <message>
        <source>25 %</source>
        <translation>25 %</translation>
    </message>
    <message>
        <source>Median
(%1)</source>
        <translation>Median
(%1)</translation>
    </message>
    <message>
        <source>75 %</source>
        <translation>75 %</translation>
    </message>
    <message>
        <source>95 %</source>
        <translation>95 %</translation>
    </message>
    <message>
        <source>% unter %1</source>
        <translation>% below %1</translation>
    </message>
    <message>
        <source>% über %1</source>
        <translation>% above %1</translation>
    </message>
    <message>
        <source>Änderung
(%1/h)</source>
        <translation>Change
(%1/h)</translation>
    </message>
    <message>
        <source>%1: keine Messwerte, Basalrate %2</source>
        <translation>%1: no readings, basal rate %2</translation>
    </message>
    <message>
        <source>%1: Median %2 %3, 25 bis 75 %: %4 bis %5, %6 % unter %7, Basalrate %8</source>
        <translation>%1: median %2 %3, 25 to 75 %: %4 to %5, %6 % below %7, basal rate %8</translation>
    </message>
    <message>
        <source>keine</source>
        <translation>none</translation>
    </message>
    <message>
        <source>Tage mit Daten</source>
        <translation>Days with data</translation>
    </message>
    <message>
        <source>%1 von %2</source>
        <translation>%1 of %2</translation>
    </message>
    <message>
        <source>mindestens %1</source>
        <translation>at least %1</translation>
    </message>
    <message>
        <source>Zeit mit CGM-Daten</source>
        <translation>Time with CGM data</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source> (auf 100 % begrenzt)</source>
        <translation> (capped at 100 %)</translation>
    </message>
    <message>
        <source>Mittlere Glukose</source>
        <translation>Mean glucose</translation>
    </message>
    <message>
        <source>Glukosemanagement-Indikator (GMI)</source>
        <translation>Glucose management indicator (GMI)</translation>
    </message>
    <message>
        <source>Variationskoeffizient (CV)</source>
        <translation>Coefficient of variation (CV)</translation>
    </message>
    <message>
        <source>nur %1 von mindestens %2 Tagen mit Daten</source>
        <translation>only %1 of at least %2 days with data</translation>
    </message>
    <message>
        <source>nur %1 % der Zeit mit Daten statt mindestens 70 %</source>
        <translation>only %1 % of the time with data instead of at least 70 %</translation>
    </message>
    <message>
        <source>keine Zeit mit Daten</source>
        <translation>no time with data</translation>
    </message>
    <message>
        <source>Weniger Daten, als ein AGP verlangt (%1): Die Werte sind nur eingeschränkt aussagekräftig.</source>
        <translation>Less data than an AGP asks for (%1): the figures tell less than they seem to.</translation>
    </message>
    <message>
        <source>1 Wert unter dem Messbereich (Low) als %1 %2 gezählt</source>
        <translation>1 reading below the sensor range (Low) counted as %1 %2</translation>
    </message>
    <message>
        <source>%1 Werte unter dem Messbereich (Low) als %2 %3 gezählt</source>
        <translation>%1 readings below the sensor range (Low) counted as %2 %3</translation>
    </message>
    <message>
        <source>1 Wert über dem Messbereich (High) als %1 %2 gezählt</source>
        <translation>1 reading above the sensor range (High) counted as %1 %2</translation>
    </message>
    <message>
        <source>%1 Werte über dem Messbereich (High) als %2 %3 gezählt</source>
        <translation>%1 readings above the sensor range (High) counted as %2 %3</translation>
    </message>
</context>
<context>
    <name>IniFile</name>
    <message>
        <source>Kann nicht nach %1 schreiben</source>
        <translation>Cannot write to %1</translation>
    </message>
    <message>
        <source>Kann nicht nach %1 schreiben: %2</source>
        <translation>Cannot write to %1: %2</translation>
    </message>
</context>
<context>
    <name>LockFile</name>
    <message>
        <source>%1 ist keine Sperrdatei</source>
        <translation>%1 is not a lock file</translation>
    </message>
    <message>
        <source>gesperrt von einem anderen laufenden Fendrimo (Prozess %1)</source>
        <translation>locked by another running Fendrimo (process %1)</translation>
    </message>
    <message>
        <source>gesperrt von einem anderen laufenden Fendrimo</source>
        <translation>locked by another running Fendrimo</translation>
    </message>
    <message>
        <source>die Sperrdatei %1 lässt sich nicht anlegen</source>
        <translation>the lock file %1 cannot be created</translation>
    </message>
</context>
<context>
    <name>Nightscout</name>
    <message>
        <source>Die Datei enthält kein Nightscout-Profil.</source>
        <translation>The file contains no Nightscout profile.</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; ist keine Uhrzeit zwischen 00:00 und 23:59.</source>
        <translation>%1: &quot;%2&quot; is not a time between 00:00 and 23:59.</translation>
    </message>
    <message>
        <source>%1: Die Uhrzeit fehlt (&quot;time&quot;).</source>
        <translation>%1: The time is missing (&quot;time&quot;).</translation>
    </message>
    <message>
        <source>%1: &quot;timeAsSeconds&quot; &quot;%2&quot; ist keine Sekunde von 0 bis %3.</source>
        <translation>%1: &quot;timeAsSeconds&quot; &quot;%2&quot; is not a second from 0 to %3.</translation>
    </message>
    <message>
        <source>Eintrag %1 von &quot;%2&quot;</source>
        <translation>Entry %1 of &quot;%2&quot;</translation>
    </message>
    <message>
        <source>%1 ist kein Objekt mit Uhrzeit und Wert.</source>
        <translation>%1 is not an object with a time and a value.</translation>
    </message>
    <message>
        <source>%1: Der Wert fehlt (&quot;value&quot;).</source>
        <translation>%1: The value is missing (&quot;value&quot;).</translation>
    </message>
    <message>
        <source>Das Profil &quot;%1&quot; enthält keine Basalrate (&quot;basal&quot; fehlt, ist leer oder keine Liste).</source>
        <translation>The profile &quot;%1&quot; contains no basal rate (&quot;basal&quot; is missing, empty or not a list).</translation>
    </message>
    <message>
        <source>Das Profil &quot;%1&quot; enthält keine lesbaren Kohlenhydratfaktoren (&quot;carbratio&quot; ist leer oder keine Liste).</source>
        <translation>The profile &quot;%1&quot; contains no readable carb ratios (&quot;carbratio&quot; is empty or not a list).</translation>
    </message>
    <message>
        <source>Das Datum bleibt, wie es ist: Die Datei nennt keines.</source>
        <translation>The date stays as it is: the file names none.</translation>
    </message>
    <message>
        <source>Die Datei enthält kein Profil &quot;%1&quot;.</source>
        <translation>The file contains no profile &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Das Profil &quot;%1&quot; ist kein JSON-Objekt.</source>
        <translation>The profile &quot;%1&quot; is not a JSON object.</translation>
    </message>
    <message>
        <source>Nightscout-Profil &quot;%1&quot;</source>
        <translation>Nightscout profile &quot;%1&quot;</translation>
    </message>
</context>
<context>
    <name>OpenAps</name>
    <message>
        <source>%1 ist kein Objekt mit &quot;minutes&quot; und &quot;rate&quot;.</source>
        <translation>%1 is not an object with &quot;minutes&quot; and &quot;rate&quot;.</translation>
    </message>
    <message>
        <source>%1: Die Uhrzeit fehlt (&quot;minutes&quot;).</source>
        <translation>%1: The time is missing (&quot;minutes&quot;).</translation>
    </message>
    <message>
        <source>%1: &quot;minutes&quot; &quot;%2&quot; ist keine Minute von 0 bis %3.</source>
        <translation>%1: &quot;minutes&quot; &quot;%2&quot; is not a minute from 0 to %3.</translation>
    </message>
    <message>
        <source>%1: &quot;start&quot; &quot;%2&quot; passt nicht zu &quot;minutes&quot; %3 (%4).</source>
        <translation>%1: &quot;start&quot; &quot;%2&quot; does not match &quot;minutes&quot; %3 (%4).</translation>
    </message>
    <message>
        <source>%1: Die Rate fehlt (&quot;rate&quot;).</source>
        <translation>%1: The rate is missing (&quot;rate&quot;).</translation>
    </message>
    <message>
        <source>%1: &quot;untuned&quot; &quot;%2&quot; ist keine Anzahl von Tagen.</source>
        <translation>%1: &quot;untuned&quot; &quot;%2&quot; is not a number of days.</translation>
    </message>
    <message>
        <source>Eintrag %1 von &quot;basalprofile&quot;</source>
        <translation>Entry %1 of &quot;basalprofile&quot;</translation>
    </message>
    <message>
        <source>Eintrag %1</source>
        <translation>Entry %1</translation>
    </message>
    <message>
        <source>Das Autotune-Ergebnis enthält keine Basalrate (&quot;basalprofile&quot; ist leer oder keine Liste).</source>
        <translation>The autotune result contains no basal rate (&quot;basalprofile&quot; is empty or not a list).</translation>
    </message>
    <message>
        <source>Die Datei ist keine OpenAPS-Basalrate: erwartet wird eine Liste von Einträgen mit &quot;minutes&quot; und &quot;rate&quot; oder ein Autotune-Ergebnis mit &quot;basalprofile&quot;.</source>
        <translation>The file is not an OpenAPS basal rate: a list of entries with &quot;minutes&quot; and &quot;rate&quot; or an autotune result with &quot;basalprofile&quot; is expected.</translation>
    </message>
    <message>
        <source>OpenAPS-Basalprofil</source>
        <translation>OpenAPS basal profile</translation>
    </message>
</context>
<context>
    <name>Platform</name>
    <message>
        <source>Warnung</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>Fehler</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Bestätigen</source>
        <translation>Confirm</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>&amp;Ja</source>
        <translation>&amp;Yes</translation>
    </message>
    <message>
        <source>&amp;Nein</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>PDF-Datei</source>
        <translation>PDF file</translation>
    </message>
    <message>
        <source>Drucker auswählen und einrichten</source>
        <translation>Select and set up printer</translation>
    </message>
    <message>
        <source>Übernehmen</source>
        <translation>Apply</translation>
    </message>
</context>
<context>
    <name>ProfileFile</name>
    <message>
        <source>Datei nicht gefunden</source>
        <translation>File not found</translation>
    </message>
    <message>
        <source>Ungültiger Dateiname</source>
        <translation>Invalid file name</translation>
    </message>
    <message>
        <source>Zu viele Dateien geöffnet</source>
        <translation>Too many open files</translation>
    </message>
    <message>
        <source>Dateizugriff verweigert</source>
        <translation>File access denied</translation>
    </message>
    <message>
        <source>Lesen nach Dateiende (EOF)</source>
        <translation>Read beyond end of file (EOF)</translation>
    </message>
    <message>
        <source>Kapazität der Diskette/Festplatte erschöpft</source>
        <translation>Disk capacity exhausted</translation>
    </message>
    <message>
        <source>Ungültige numerische Eingabe</source>
        <translation>Invalid numeric input</translation>
    </message>
    <message>
        <source>I/O-Fehler %1</source>
        <translation>I/O error %1</translation>
    </message>
</context>
<context>
    <name>ProfileTools</name>
    <message>
        <source>%1: auf die höchste einstellbare Rate von %2 IE/h begrenzt.</source>
        <translation>%1: limited to the highest rate that can be set, %2 U/h.</translation>
    </message>
    <message>
        <source>%1: auf %2 IE/h angehoben.</source>
        <translation>%1: raised to %2 U/h.</translation>
    </message>
</context>
<context>
    <name>ReportJob</name>
    <message>
        <source>Der Druckauftrag kann nicht gestartet werden</source>
        <translation>The print job cannot be started</translation>
    </message>
    <message>
        <source>Die Datei %1 kann nicht geschrieben werden</source>
        <translation>The file %1 cannot be written</translation>
    </message>
    <message>
        <source>Fehler beim Drucken, der Druckauftrag wurde abgebrochen</source>
        <translation>Printing failed, the print job was cancelled</translation>
    </message>
    <message>
        <source>Die Seite konnte nicht an den Drucker übergeben werden</source>
        <translation>The page could not be handed to the printer</translation>
    </message>
    <message>
        <source>Der Druckauftrag wurde nicht angenommen: %1.</source>
        <translation>The print job was not accepted: %1.</translation>
    </message>
    <message>
        <source>Der Drucker ist angehalten: der Druckauftrag wartet in seiner Warteschlange und wird gedruckt, sobald der Drucker wieder freigegeben ist.</source>
        <translation>The printer is paused: the print job waits in its queue and will be printed as soon as the printer is released again.</translation>
    </message>
</context>
<context>
    <name>ReportPage</name>
    <message>
        <source>%1 IE</source>
        <extracomment>IE: insulin units</extracomment>
        <translation>%1 U</translation>
    </message>
    <message>
        <source>k. A.</source>
        <extracomment>&quot;keine Angabe&quot;: no value given</extracomment>
        <translation>n/a</translation>
    </message>
    <message>
        <source>Basalrate</source>
        <translation>Basal rate</translation>
    </message>
    <message>
        <source>Programmiert am:</source>
        <translation>Programmed on:</translation>
    </message>
    <message>
        <source>Gedruckt am: </source>
        <translation>Printed on: </translation>
    </message>
    <message>
        <source>Tagessumme der Basalrate: </source>
        <translation>Daily basal total: </translation>
    </message>
    <message>
        <source>Bolus morgens:</source>
        <translation>Bolus morning:</translation>
    </message>
    <message>
        <source>Bolus mittags:</source>
        <translation>Bolus noon:</translation>
    </message>
    <message>
        <source>Bolus abends:</source>
        <translation>Bolus evening:</translation>
    </message>
    <message>
        <source>Uhr</source>
        <extracomment>the hour axis: o&apos;clock</extracomment>
        <translation>h</translation>
    </message>
    <message>
        <source>IE/h</source>
        <extracomment>the rate axis: insulin units per hour</extracomment>
        <translation>U/h</translation>
    </message>
    <message>
        <source>Vergleich: %1, Tagessumme %2 IE</source>
        <translation>Comparison: %1, daily total %2 U</translation>
    </message>
    <message>
        <source>Notizen / Bemerkungen:</source>
        <translation>Notes / remarks:</translation>
    </message>
    <message>
        <source>Vergleich: %1 IE</source>
        <translation>Comparison: %1 U</translation>
    </message>
    <message>
        <source>Änderung: die Rate des Vergleichs minus die der Basalrate; ein Strich links markiert jede abweichende Stunde.</source>
        <translation>Change: the comparison&apos;s rate minus the basal rate&apos;s; a bar on the left marks each differing hour.</translation>
    </message>
    <message>
        <source>Basalrate – Stundenwerte</source>
        <translation>Basal rate – hourly values</translation>
    </message>
    <message>
        <source>Vergleich:</source>
        <translation>Comparison:</translation>
    </message>
    <message>
        <source>Uhrzeit</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Vergleich</source>
        <translation>Comparison</translation>
    </message>
    <message>
        <source>Änderung</source>
        <translation>Change</translation>
    </message>
</context>
<context>
    <name>ReportPdf</name>
    <message>
        <source>Basalrate</source>
        <extracomment>the PDF document&apos;s title</extracomment>
        <translation>Basal rate</translation>
    </message>
</context>
<context>
    <name>Tidepool</name>
    <message>
        <source>Die Datei enthält keine Tidepool-Pumpeneinstellungen (&quot;type&quot;: &quot;pumpSettings&quot;).</source>
        <translation>The file contains no Tidepool pump settings (&quot;type&quot;: &quot;pumpSettings&quot;).</translation>
    </message>
    <message>
        <source>Die Pumpeneinstellungen enthalten keinen Basalplan mit Einträgen (&quot;basalSchedules&quot;).</source>
        <translation>The pump settings contain no basal schedule with entries (&quot;basalSchedules&quot;).</translation>
    </message>
    <message>
        <source>%1 ist leer oder keine Liste.</source>
        <translation>%1 is empty or not a list.</translation>
    </message>
    <message>
        <source>Eintrag %1 von %2</source>
        <translation>Entry %1 of %2</translation>
    </message>
    <message>
        <source>%1 ist kein Objekt mit &quot;start&quot; und &quot;%2&quot;.</source>
        <translation>%1 is not an object with &quot;start&quot; and &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>%1: Die Uhrzeit fehlt (&quot;start&quot;).</source>
        <translation>%1: The time is missing (&quot;start&quot;).</translation>
    </message>
    <message>
        <source>%1: &quot;start&quot; &quot;%2&quot; ist keine volle Sekunde des Tages in Millisekunden (0 bis %3).</source>
        <translation>%1: &quot;start&quot; &quot;%2&quot; is not a whole second of the day in milliseconds (0 to %3).</translation>
    </message>
    <message>
        <source>%1: Der Wert fehlt (&quot;%2&quot;).</source>
        <translation>%1: The value is missing (&quot;%2&quot;).</translation>
    </message>
    <message>
        <source>Die Bolusfelder bleiben, wie sie sind: Die Datei nennt die Einheit der Kohlenhydratfaktoren nicht.</source>
        <translation>The bolus fields stay as they are: the file does not name the unit of the carb ratios.</translation>
    </message>
    <message>
        <source>Die Bolusfelder bleiben, wie sie sind: Die Kohlenhydratfaktoren sind in &quot;%1&quot; angegeben, nicht in Gramm je IE.</source>
        <translation>The bolus fields stay as they are: the carb ratios are given in &quot;%1&quot;, not in grams per U.</translation>
    </message>
    <message>
        <source>Die Datei enthält keinen Basalplan &quot;%1&quot;.</source>
        <translation>The file contains no basal schedule &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Basalplan &quot;%1&quot;</source>
        <translation>Basal schedule &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Der aktive Basalplan &quot;%1&quot; fehlt oder hat keine Einträge; gelesen wurde &quot;%2&quot;.</source>
        <translation>The active basal schedule &quot;%1&quot; is missing or has no entries; &quot;%2&quot; was read.</translation>
    </message>
</context>
<context>
    <name>VersionDiff</name>
    <message>
        <source>%1%2 IE</source>
        <extracomment>the sign and amount of the change of the daily total in IE (insulin units): &quot;+0,6 IE&quot;</extracomment>
        <translation>%1%2 U</translation>
    </message>
    <message>
        <source>%1 höher</source>
        <translation>%1 higher</translation>
    </message>
    <message>
        <source>%1 niedriger</source>
        <translation>%1 lower</translation>
    </message>
    <message>
        <source>leer</source>
        <extracomment>an empty field</extracomment>
        <translation>empty</translation>
    </message>
    <message>
        <source>%1 %2 → %3</source>
        <extracomment>a bolus field (&quot;Bolus morgens&quot;), its text before and after</extracomment>
        <translation>%1 %2 → %3</translation>
    </message>
    <message>
        <source>Datum %1 → %2</source>
        <translation>Date %1 → %2</translation>
    </message>
    <message>
        <source>Notizen geändert</source>
        <translation>Notes changed</translation>
    </message>
    <message>
        <source>keine Änderung</source>
        <translation>no change</translation>
    </message>
    <message>
        <source>%1, gerundet oder gemittelt</source>
        <extracomment>a run of hours whose new rate the import averaged or rounded</extracomment>
        <translation>%1, rounded or averaged</translation>
    </message>
    <message>
        <source>Neue Zeile in den Notizen: %1</source>
        <translation>New line in the notes: %1</translation>
    </message>
</context>
<context>
    <name>VersionStore</name>
    <message>
        <source>Der Ordner %1 ist ein Verweis auf einen anderen Ort</source>
        <translation>The folder %1 is a link to another place</translation>
    </message>
    <message>
        <source>Kein Ordner für persönliche Daten</source>
        <translation>No folder for personal data</translation>
    </message>
    <message>
        <source>Der Ordner %1 lässt sich nicht anlegen</source>
        <translation>The folder %1 cannot be created</translation>
    </message>
    <message>
        <source>Die Daten sind keine lesbare Basalraten-Datei</source>
        <translation>The data are not a readable basal-rate file</translation>
    </message>
    <message>
        <source>%1 lässt sich nicht löschen</source>
        <translation>%1 cannot be deleted</translation>
    </message>
    <message>
        <source>%1 (in der Zukunft)</source>
        <translation>%1 (in the future)</translation>
    </message>
    <message>
        <source>Der Ordner %1 lässt sich nicht vor anderen schützen</source>
        <translation>The folder %1 cannot be protected from other users</translation>
    </message>
</context>
<context>
    <name>fendrimo::AgpChart</name>
    <message>
        <source>Glukoseprofil nach Uhrzeit</source>
        <translation>Glucose profile by time of day</translation>
    </message>
    <message>
        <source>Median</source>
        <translation>Median</translation>
    </message>
    <message>
        <source>25–75 %</source>
        <translation>25–75 %</translation>
    </message>
    <message>
        <source>5–95 %</source>
        <translation>5–95 %</translation>
    </message>
    <message>
        <source>Zielbereich %1–%2 %3</source>
        <translation>Target range %1–%2 %3</translation>
    </message>
    <message>
        <source>Basalrate (IE/h, rechte Achse)</source>
        <translation>Basal rate (U/h, right axis)</translation>
    </message>
    <message>
        <source>Vergleich</source>
        <translation>Comparison</translation>
    </message>
    <message>
        <source>über %1 %2</source>
        <translation>above %1 %2</translation>
    </message>
</context>
<context>
    <name>fendrimo::BasalTestDialog</name>
    <message>
        <source>Basaltest auswerten</source>
        <translation>Evaluate basal test</translation>
    </message>
    <message>
        <source>Zeigt für die gewählten Tage und Stunden die Glukosewerte, ihre Änderung und die Basalrate jeder Stunde; das Programm bewertet die Basalrate nicht</source>
        <translation>Shows, for the days and hours chosen, the glucose values, their change and each hour&apos;s basal rate; the program does not judge the basal rate</translation>
    </message>
    <message>
        <source>Tage</source>
        <translation>Days</translation>
    </message>
    <message>
        <source>Tage der Glukosedaten</source>
        <translation>Days of the glucose data</translation>
    </message>
    <message>
        <source>Ein Haken wählt den Tag, an dem der Block beginnt; Tage ohne Messwerte sind nicht wählbar</source>
        <translation>A tick chooses a day the block starts on; days without readings cannot be chosen</translation>
    </message>
    <message>
        <source>%1 (keine Werte)</source>
        <translation>%1 (no readings)</translation>
    </message>
    <message>
        <source>Block</source>
        <translation>Block</translation>
    </message>
    <message>
        <source>Werte des Basaltests</source>
        <translation>Basal test values</translation>
    </message>
    <message>
        <source>Kein Tag gewählt: Haken Sie links einen oder mehrere Tage an.</source>
        <translation>No day chosen: tick one or more days on the left.</translation>
    </message>
</context>
<context>
    <name>fendrimo::BlockChooser</name>
    <message>
        <source> Uhr</source>
        <translation>:00</translation>
    </message>
    <message>
        <source>Block von Uhrzeit</source>
        <translation>Block from hour</translation>
    </message>
    <message>
        <source>Block bis Uhrzeit</source>
        <translation>Block to hour</translation>
    </message>
    <message>
        <source>&amp;Von:</source>
        <translation>&amp;From:</translation>
    </message>
    <message>
        <source>&amp;bis:</source>
        <translation>&amp;to:</translation>
    </message>
    <message>
        <source>Übliche Blöcke:</source>
        <translation>Usual blocks:</translation>
    </message>
    <message>
        <source>Wählt den Block %1</source>
        <translation>Chooses the block %1</translation>
    </message>
    <message>
        <source>%1, %2 Stunden</source>
        <translation>%1, %2 hours</translation>
    </message>
</context>
<context>
    <name>fendrimo::GlucoseWindow</name>
    <message>
        <source>Alle Tage</source>
        <translation>All days</translation>
    </message>
    <message>
        <source>Montag bis Freitag</source>
        <translation>Monday to Friday</translation>
    </message>
    <message>
        <source>Samstag und Sonntag</source>
        <translation>Saturday and Sunday</translation>
    </message>
    <message>
        <source>Gewählte Tage</source>
        <translation>Picked days</translation>
    </message>
    <message>
        <source>Fendrimo - Glukoseprofil</source>
        <translation>Fendrimo - Glucose profile</translation>
    </message>
    <message>
        <source>Glukoseprofil</source>
        <translation>Glucose profile</translation>
    </message>
    <message>
        <source>Hinweis</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>&amp;Von:</source>
        <translation>&amp;From:</translation>
    </message>
    <message>
        <source>&amp;bis:</source>
        <translation>&amp;to:</translation>
    </message>
    <message>
        <source>&amp;Tage:</source>
        <translation>&amp;Days:</translation>
    </message>
    <message>
        <source>&amp;Einheit:</source>
        <translation>&amp;Unit:</translation>
    </message>
    <message>
        <source>Kennzahlen im Zeitraum</source>
        <translation>Figures over the period</translation>
    </message>
    <message>
        <source>Kennzahl</source>
        <translation>Figure</translation>
    </message>
    <message>
        <source>Wert</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>Ziel</source>
        <translation>Goal</translation>
    </message>
    <message>
        <source>Die Tage, die zählen, mit der Leertaste an- oder abwählen</source>
        <translation>Check or uncheck the days that count with the space bar</translation>
    </message>
    <message>
        <source>Werte nach Stunden</source>
        <translation>Values by hour</translation>
    </message>
    <message>
        <source>Eine Zeile je Stunde; Eingabe wählt die Stunde im Hauptfenster</source>
        <translation>One row per hour; Enter chooses the hour in the main window</translation>
    </message>
    <message>
        <source>Ein gewähltes Datum lag außerhalb der Glukosedaten und wurde auf ihren ersten oder letzten Tag gesetzt.</source>
        <translation>A date chosen lay outside the glucose data and was set to its first or last day.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: %2, Ziel %3, %4</source>
        <translation>%1: %2, goal %3, %4</translation>
    </message>
</context>
<context>
    <name>fendrimo::HistoryDialog</name>
    <message>
        <source>Fassung vom %1, %2 Uhr</source>
        <translation>Version of %1, %2</translation>
    </message>
    <message>
        <source>Fendrimo - Verlauf</source>
        <translation>Fendrimo - History</translation>
    </message>
    <message>
        <source>&amp;Vergleichen</source>
        <translation>&amp;Compare</translation>
    </message>
    <message>
        <source>&amp;Wiederherstellen</source>
        <translation>&amp;Restore</translation>
    </message>
    <message>
        <source>&amp;Schließen</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>Gespeicherte Fassungen</source>
        <translation>Saved versions</translation>
    </message>
    <message>
        <source>Gespeichert am</source>
        <translation>Saved on</translation>
    </message>
    <message>
        <source>Tagessumme</source>
        <translation>Daily total</translation>
    </message>
    <message>
        <source>Änderung gegenüber der Fassung davor</source>
        <translation>Change from the version before</translation>
    </message>
    <message>
        <source>Verlauf &amp;führen</source>
        <translation>&amp;Keep a history</translation>
    </message>
    <message>
        <source>Jedes Speichern legt eine Fassung im Verlauf ab</source>
        <translation>Every save keeps a version in the history</translation>
    </message>
    <message>
        <source>Verlauf dieses Profils &amp;löschen</source>
        <translation>&amp;Delete this profile&apos;s history</translation>
    </message>
    <message>
        <source>Noch keine gespeicherte Fassung von %1.</source>
        <translation>No saved version of %1 yet.</translation>
    </message>
    <message>
        <source>Gespeicherte Fassungen von %1, die neueste zuerst:</source>
        <translation>Saved versions of %1, newest first:</translation>
    </message>
    <message>
        <source>älteste gespeicherte Fassung</source>
        <translation>oldest saved version</translation>
    </message>
    <message>
        <source>%1 IE</source>
        <extracomment>IE: insulin units</extracomment>
        <translation>%1 U</translation>
    </message>
</context>
<context>
    <name>fendrimo::ImportPreviewDialog</name>
    <message>
        <source>Fendrimo - Import prüfen</source>
        <translation>Fendrimo - Check the import</translation>
    </message>
    <message>
        <source>Änderungen durch den Import</source>
        <translation>Changes made by the import</translation>
    </message>
    <message>
        <source>Der Import ändert nichts.</source>
        <translation>The import changes nothing.</translation>
    </message>
    <message>
        <source>Sollen die Werte so übernommen werden?</source>
        <translation>Apply these values?</translation>
    </message>
</context>
<context>
    <name>fendrimo::PreviewDialog</name>
    <message>
        <source>Fendrimo - Druckvorschau</source>
        <translation>Fendrimo - Print preview</translation>
    </message>
    <message>
        <source>Die Seiten so, wie sie gedruckt werden, mit Zoom und Drucken</source>
        <translation>The pages as they will be printed, with zoom and printing</translation>
    </message>
    <message>
        <source>Seitenvorschau</source>
        <translation>Page preview</translation>
    </message>
    <message>
        <source>Die gedruckten Seiten</source>
        <translation>The printed pages</translation>
    </message>
    <message>
        <source>Ver&amp;kleinern</source>
        <translation>Zoom &amp;out</translation>
    </message>
    <message>
        <source>Zeigt die Seite kleiner</source>
        <translation>Shows the page smaller</translation>
    </message>
    <message>
        <source>Ver&amp;größern</source>
        <translation>Zoom &amp;in</translation>
    </message>
    <message>
        <source>Zeigt die Seite größer</source>
        <translation>Shows the page larger</translation>
    </message>
    <message>
        <source>Ganze &amp;Seite</source>
        <translation>Whole &amp;page</translation>
    </message>
    <message>
        <source>Zeigt die ganze Seite im Fenster</source>
        <translation>Shows the whole page in the window</translation>
    </message>
    <message>
        <source>&amp;Drucken</source>
        <translation>&amp;Print</translation>
    </message>
    <message>
        <source>Druckt die Seiten auf dem aktiven Drucker</source>
        <translation>Prints the pages on the active printer</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Schließt die Vorschau, ohne zu drucken</source>
        <translation>Closes the preview without printing</translation>
    </message>
</context>
<context>
    <name>fendrimo::ProfileDocument</name>
    <message>
        <source>Datum</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Notizen</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>Aus Vergleich übernommen: %1</source>
        <translation>Taken from comparison: %1</translation>
    </message>
    <message>
        <source>gespeicherte Fassung</source>
        <translation>saved version</translation>
    </message>
    <message>
        <source>Die letzte Fassung konnte nicht im Verlauf abgelegt werden: %1.</source>
        <translation>The last version could not be kept in the history: %1.</translation>
    </message>
</context>
<context>
    <name>fendrimo::RateToolDialog</name>
    <message>
        <source>%1:</source>
        <extracomment>The label of the spin box: the value&apos;s name and a colon</extracomment>
        <translation>%1:</translation>
    </message>
    <message>
        <source>Tagessumme vorher und nachher</source>
        <translation>Daily total before and after</translation>
    </message>
    <message>
        <source>Neue Stundenraten</source>
        <translation>New hourly rates</translation>
    </message>
    <message>
        <source>Hinweise</source>
        <translation>Notices</translation>
    </message>
    <message>
        <source>Tagessumme: %1 IE → %2 IE</source>
        <extracomment>IE is the insulin unit</extracomment>
        <translation>Daily total: %1 U → %2 U</translation>
    </message>
    <message>
        <source>Fendrimo - Raten ändern</source>
        <translation>Fendrimo - Change rates</translation>
    </message>
    <message>
        <source>Prozent</source>
        <translation>Percent</translation>
    </message>
    <message>
        <source>Fendrimo - Zeitlich verschieben</source>
        <translation>Fendrimo - Shift in time</translation>
    </message>
    <message>
        <source>Stunden</source>
        <translation>Hours</translation>
    </message>
</context>
<context>
    <name>fendrimo::SheetBlockDialog</name>
    <message>
        <source>Basaltest-Protokoll drucken</source>
        <translation>Print basal test sheet</translation>
    </message>
    <message>
        <source>Wählt den Block der Stunden, für den das Protokoll gedruckt wird</source>
        <translation>Chooses the block of hours the sheet is printed for</translation>
    </message>
    <message>
        <source>Das Protokoll hat eine Zeile je Stunde des Blocks mit der Basalrate des Profils und Spalten für Glukose, Essen und Bemerkungen zum Ausfüllen von Hand.</source>
        <translation>The sheet has a row for each hour of the block with the profile&apos;s basal rate, and columns for glucose, food and notes to fill in by hand.</translation>
    </message>
    <message>
        <source>Weiter zum Drucken…</source>
        <translation>Continue to print…</translation>
    </message>
</context>
<context>
    <name>fendrimo::TAboutBox</name>
    <message>
        <source>Fendrimo - Programm-Informationen</source>
        <translation>Fendrimo - Program information</translation>
    </message>
    <message>
        <source>Name, Plattform und Version des Programms</source>
        <translation>Name, platform and version of the program</translation>
    </message>
    <message>
        <source>Programm</source>
        <translation>Program</translation>
    </message>
    <message>
        <source>Programmsymbol, Name, Plattform und Version</source>
        <translation>Program icon, name, platform and version</translation>
    </message>
    <message>
        <source>Programmsymbol</source>
        <translation>Program icon</translation>
    </message>
    <message>
        <source>Eine Insulinpumpe mit einem Tropfen</source>
        <translation>An insulin pump with a drop</translation>
    </message>
    <message>
        <source>Name des Programms</source>
        <translation>Name of the program</translation>
    </message>
    <message>
        <source>für Windows 95</source>
        <translation>for Windows 95</translation>
    </message>
    <message>
        <source>Plattform, für die das Programm entstand</source>
        <translation>Platform the program was made for</translation>
    </message>
    <message>
        <source>Version des Programms</source>
        <translation>Version of the program</translation>
    </message>
    <message>
        <source>Schließt die Programm-Informationen</source>
        <translation>Closes the program information</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
</context>
<context>
    <name>fendrimo::TForm1</name>
    <message>
        <source>Statusleiste</source>
        <translation>Status bar</translation>
    </message>
    <message>
        <source>Datum, Uhrzeit und ob die Daten gespeichert sind</source>
        <translation>Date, time and whether the data are saved</translation>
    </message>
    <message>
        <source>Heutiges Datum</source>
        <translation>Today&apos;s date</translation>
    </message>
    <message>
        <source>Aktuelle Uhrzeit</source>
        <translation>Current time</translation>
    </message>
    <message>
        <source>Ob die Basalrate seit dem letzten Speichern, Laden oder Neu unverändert ist</source>
        <translation>Whether the basal rate is unchanged since the last save, load or new</translation>
    </message>
    <message>
        <source>Basalratenprofil für die Insulinpumpe: 24 Stundenraten, Bolusfaktoren, Datum und Notizen</source>
        <translation>Basal-rate profile for the insulin pump: 24 hourly rates, bolus factors, date and notes</translation>
    </message>
    <message>
        <source>Fendrimo Version %1</source>
        <translation>Fendrimo version %1</translation>
    </message>
    <message>
        <source>Aktuelle Werte nicht gespeichert. Trotzdem beenden?</source>
        <translation>Current values not saved. Quit anyway?</translation>
    </message>
    <message>
        <source>Vergessen Sie nicht, ggf. Ihre Insulinpumpe umzuprogrammieren!</source>
        <translation>Don&apos;t forget to reprogram your insulin pump if necessary!</translation>
    </message>
    <message>
        <source>Zeit: %1 Uhr</source>
        <translation>Time: %1</translation>
    </message>
    <message>
        <source>Datum: %1</source>
        <translation>Date: %1</translation>
    </message>
    <message>
        <source>Daten gespeichert: ja</source>
        <translation>Data saved: yes</translation>
    </message>
    <message>
        <source>Daten gespeichert: nein</source>
        <translation>Data saved: no</translation>
    </message>
    <message>
        <source>Leider gibt es für dieses Programm keine Hilfedatei! Bitte lesen Sie die mitgelieferte Dokumentation README.TXT. Sollten Sie Fragen oder Schwierigkeiten haben, können Sie mich - den Programmierer - persönlich kontaktieren. Klicken Sie bitte auf OK!</source>
        <translation>Unfortunately there is no help file for this program! Please read the supplied documentation README-en.TXT. If you have questions or difficulties, you can contact me - the programmer - personally. Please click OK!</translation>
    </message>
    <message>
        <source>Basalraten</source>
        <translation>Basal rates</translation>
    </message>
    <message>
        <source>Die 24 Stundenraten mit Schiebereglern und die Tagessumme</source>
        <translation>The 24 hourly rates with sliders and the daily total</translation>
    </message>
    <message>
        <source>Bolus, Datum und Notizen</source>
        <translation>Bolus, date and notes</translation>
    </message>
    <message>
        <source>Bolusfaktoren, Programmierdatum und Notizen</source>
        <translation>Bolus factors, programming date and notes</translation>
    </message>
    <message>
        <source>Bild</source>
        <translation>Picture</translation>
    </message>
    <message>
        <source>Bild einer Insulinpumpe und Hinweis auf den Programmierer</source>
        <translation>Picture of an insulin pump and a note on the programmer</translation>
    </message>
    <message>
        <source>Uhrzeit</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Uhr</source>
        <extracomment>After the hour marks: o&apos;clock</extracomment>
        <translation>h</translation>
    </message>
    <message>
        <source>Ratenfeld</source>
        <translation>Rate field</translation>
    </message>
    <message>
        <source>Rate %1</source>
        <translation>Rate %1</translation>
    </message>
    <message>
        <source>IE/h</source>
        <extracomment>IE is the insulin unit</extracomment>
        <translation>U/h</translation>
    </message>
    <message>
        <source>Höchste einstellbare Rate</source>
        <translation>Highest rate that can be set</translation>
    </message>
    <message>
        <source>Obere Grenze der Schieberegler, einzustellen unter Optionen, Einstellungen</source>
        <translation>Upper limit of the sliders, set under Options, Settings</translation>
    </message>
    <message>
        <source>0 IE/h</source>
        <extracomment>IE is the insulin unit</extracomment>
        <translation>0 U/h</translation>
    </message>
    <message>
        <source>Niedrigste Rate</source>
        <translation>Lowest rate</translation>
    </message>
    <message>
        <source>Untere Grenze der Schieberegler</source>
        <translation>Lower limit of the sliders</translation>
    </message>
    <message>
        <source>Alle folgenden Schieberegler mitziehen</source>
        <translation>Move all following sliders along</translation>
    </message>
    <message>
        <source>Wenn aktiviert, erhalten alle Folgestunden denselben Wert wie die, die gerade eingestellt wird</source>
        <translation>When ticked, all following hours get the same value as the one being set</translation>
    </message>
    <message>
        <source>Summe</source>
        <translation>Sum</translation>
    </message>
    <message>
        <source>Berechnet die Tagessumme neu</source>
        <translation>Recalculates the daily total</translation>
    </message>
    <message>
        <source>Tagessumme der Vergleichs-Basalrate und der Unterschied zu dieser</source>
        <translation>Daily total of the comparison&apos;s basal rate and the difference from it</translation>
    </message>
    <message>
        <source>Tagessumme:</source>
        <translation>Daily total:</translation>
    </message>
    <message>
        <source>IE</source>
        <extracomment>IE is the insulin unit</extracomment>
        <translation>U</translation>
    </message>
    <message>
        <source>Tagessumme</source>
        <translation>Daily total</translation>
    </message>
    <message>
        <source>Summe der 24 Stundenraten: die Insulinmenge, die das Profil an einem Tag abgibt</source>
        <translation>Sum of the 24 hourly rates: the amount of insulin the profile delivers in a day</translation>
    </message>
    <message>
        <source>Bolus (IE : BE)</source>
        <extracomment>IE is the insulin unit, BE a bread unit of 12 g carbohydrate</extracomment>
        <translation>Bolus (U : BU)</translation>
    </message>
    <message>
        <source>morgens:</source>
        <translation>morning:</translation>
    </message>
    <message>
        <source>morgens</source>
        <translation>morning</translation>
    </message>
    <message>
        <source>mittags:</source>
        <translation>noon:</translation>
    </message>
    <message>
        <source>mittags</source>
        <translation>noon</translation>
    </message>
    <message>
        <source>abends:</source>
        <translation>evening:</translation>
    </message>
    <message>
        <source>abends</source>
        <translation>evening</translation>
    </message>
    <message>
        <source>Bolus %1</source>
        <translation>Bolus %1</translation>
    </message>
    <message>
        <source>Insulineinheiten je Broteinheit (IE : BE) %1; Ziffern, Komma, Punkt und Leerzeichen, höchstens 4 Zeichen</source>
        <translation>Insulin units per bread unit (U : BU, 1 BU = 12 g carbohydrate) %1; digits, comma, point and blank, at most 4 characters</translation>
    </message>
    <message>
        <source>Aktuelle Basalrate am</source>
        <translation>Programmed on</translation>
    </message>
    <message>
        <source>Datumsfeld. Doppelklick fügt aktuelles Datum ein.</source>
        <translation>Date field. Double-click inserts the current date.</translation>
    </message>
    <message>
        <source>Basalrate programmiert am</source>
        <translation>Basal rate programmed into the pump on</translation>
    </message>
    <message>
        <source>Datum, an dem diese Basalrate in die Pumpe programmiert wurde. Doppelklick fügt das aktuelle Datum ein.</source>
        <translation>Date on which this basal rate was programmed into the pump. Double-click inserts the current date.</translation>
    </message>
    <message>
        <source>programmiert.</source>
        <translation>into the pump.</translation>
    </message>
    <message>
        <source>Notizen:</source>
        <translation>Notes:</translation>
    </message>
    <message>
        <source>Notizen</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>Freie Notizen zur Basalrate, höchstens 255 Zeichen</source>
        <translation>Free notes on the basal rate, at most 255 characters</translation>
    </message>
    <message>
        <source>Notizen blättern</source>
        <translation>Scroll notes</translation>
    </message>
    <message>
        <source>Bildlaufleiste der Notizen</source>
        <translation>Scroll bar of the notes</translation>
    </message>
    <message>
        <source>Insulinpumpe</source>
        <translation>Insulin pump</translation>
    </message>
    <message>
        <source>Bild einer Insulinpumpe</source>
        <translation>Picture of an insulin pump</translation>
    </message>
    <message>
        <source>Ein Klick öffnet die Programm-Informationen</source>
        <translation>A click opens the program information</translation>
    </message>
    <message>
        <source>Fendrimo-Team 2026</source>
        <translation>Fendrimo-Team 2026</translation>
    </message>
    <message>
        <source>Über den Programmierer</source>
        <translation>About the programmer</translation>
    </message>
    <message>
        <source>Über den Programmierer; ein Klick öffnet die Programm-Informationen</source>
        <translation>About the programmer; a click opens the program information</translation>
    </message>
    <message>
        <source>&amp;Datei</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>Neu, Laden, Speichern, Drucken, Importieren, Exportieren, zuletzt geöffnete Basalraten, Verlauf und Beenden</source>
        <translation>New, Load, Save, Print, Import, Export, recently opened basal rates, History and Quit</translation>
    </message>
    <message>
        <source>Neu</source>
        <translation>New</translation>
    </message>
    <message>
        <source>Laden</source>
        <translation>Load</translation>
    </message>
    <message>
        <source>Speichern</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Basalrate Drucken</source>
        <translation>Print Basal Rate</translation>
    </message>
    <message>
        <source>&amp;Importieren</source>
        <translation>&amp;Import</translation>
    </message>
    <message>
        <source>Die Basalrate aus Nightscout, OpenAPS oder einer Tabelle übernehmen</source>
        <translation>Take the basal rate from Nightscout, OpenAPS or a table</translation>
    </message>
    <message>
        <source>&amp;Exportieren</source>
        <translation>&amp;Export</translation>
    </message>
    <message>
        <source>Die Basalrate für Nightscout, OpenAPS oder eine Tabelle schreiben</source>
        <translation>Write the basal rate for Nightscout, OpenAPS or a table</translation>
    </message>
    <message>
        <source>&amp;Zuletzt geöffnet</source>
        <translation>&amp;Recently opened</translation>
    </message>
    <message>
        <source>Die zuletzt geladenen oder gespeicherten Basalraten</source>
        <translation>The basal rates loaded or saved last</translation>
    </message>
    <message>
        <source>&amp;Verlauf…</source>
        <translation>&amp;History…</translation>
    </message>
    <message>
        <source>Beenden</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>&amp;Bearbeiten</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>Änderungen rückgängig machen oder wiederholen, alle Raten ändern oder verschieben, mit einer anderen Basalrate vergleichen</source>
        <translation>Undo or redo changes, change or shift all rates, compare with another basal rate</translation>
    </message>
    <message>
        <source>Rückgängig</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>Wiederholen</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>Alle Raten in &amp;Prozent ändern…</source>
        <translation>Change all rates by &amp;percent…</translation>
    </message>
    <message>
        <source>&amp;Zeitlich verschieben…</source>
        <translation>&amp;Shift in time…</translation>
    </message>
    <message>
        <source>&amp;Vergleichen mit…</source>
        <translation>&amp;Compare with…</translation>
    </message>
    <message>
        <source>Mit &amp;gespeicherter Fassung vergleichen</source>
        <translation>Compare with sa&amp;ved version</translation>
    </message>
    <message>
        <source>Vergleich &amp;beenden</source>
        <translation>&amp;End comparison</translation>
    </message>
    <message>
        <source>Aus Vergleich &amp;übernehmen…</source>
        <translation>&amp;Take from comparison…</translation>
    </message>
    <message>
        <source>Optionen</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Maximum, Druckmethode und Verzeichnis einstellen</source>
        <translation>Set the maximum, print method and folder</translation>
    </message>
    <message>
        <source>Einstellungen</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>&amp;Hilfe</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Hilfe zur Fendrimo</source>
        <translation>Help on Fendrimo</translation>
    </message>
    <message>
        <source>Programm-Infos</source>
        <translation>Program Info</translation>
    </message>
    <message>
        <source>Menü</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>%1 IE/h</source>
        <extracomment>IE is the insulin unit</extracomment>
        <translation>%1 U/h</translation>
    </message>
    <message>
        <source>Rückgängig: %1</source>
        <translation>Undo: %1</translation>
    </message>
    <message>
        <source>Wiederholen: %1</source>
        <translation>Redo: %1</translation>
    </message>
    <message>
        <source>Verglichen wird mit: %1</source>
        <translation>Comparison: %1</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <extracomment>The comparison&apos;s rate, then what the slider is for</extracomment>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>%1. %2, abweichend</source>
        <translation>%1. %2, differing</translation>
    </message>
    <message>
        <source>%1. %2, gleich</source>
        <translation>%1. %2, equal</translation>
    </message>
    <message>
        <source>Basalraten-Dateien (*.bar)</source>
        <translation>Basal-rate files (*.bar)</translation>
    </message>
    <message>
        <source>Aktuelle Werte nicht gespeichert. Werte verwerfen und neue Werte laden?</source>
        <translation>Current values not saved. Discard the values and load new ones?</translation>
    </message>
    <message>
        <source>Aktuelle Werte nicht gespeichert. Werte verwerfen?</source>
        <translation>Current values not saved. Discard the values?</translation>
    </message>
    <message>
        <source>Basalrate speichern</source>
        <translation>Save basal rate</translation>
    </message>
    <message>
        <source>Basalrate erfolgreich gespeichert!</source>
        <translation>Basal rate saved successfully!</translation>
    </message>
    <message>
        <source>Basalrate laden</source>
        <translation>Load basal rate</translation>
    </message>
    <message>
        <source>Fehler beim Laden der Datei %1 ! Möglicherweise ist die Datei beschädigt oder nicht vorhanden!</source>
        <translation>Error loading the file %1! The file may be damaged or missing!</translation>
    </message>
    <message>
        <source>Max. Basalrateneingabe war kleiner als mind. eine der Stundenraten der zu ladenden Basalrate. Das Maximum wurde automatisch auf den für die Rate nötigen Wert %1 IE/h heraufgesetzt. Die höchste vorkommende Rate ist %2 IE/h.</source>
        <translation>The maximum rate setting was lower than at least one hourly rate of the basal rate being loaded. The maximum was raised automatically to the value the rate needs, %1 U/h. The highest rate present is %2 U/h.</translation>
    </message>
    <message>
        <source>Keine zuletzt geöffneten Basalraten</source>
        <translation>No recently opened basal rates</translation>
    </message>
    <message>
        <source>Basalrate zum Vergleich laden</source>
        <translation>Load basal rate for comparison</translation>
    </message>
    <message>
        <source>Alle lesbaren Dateien (*.bar *.json *.csv *.txt)</source>
        <translation>All readable files (*.bar *.json *.csv *.txt)</translation>
    </message>
    <message>
        <source>Profil wählen</source>
        <translation>Choose profile</translation>
    </message>
    <message>
        <source>Die Datei enthält mehrere Profile. Mit welchem soll verglichen werden?</source>
        <translation>The file contains several profiles. Which one should be compared with?</translation>
    </message>
    <message>
        <source>Fehler beim Laden der Datei %1 ! Sie ist keine Basalraten-Datei. %2</source>
        <translation>Error loading the file %1! It is not a basal-rate file. %2</translation>
    </message>
    <message>
        <source>%1 (gerundet)</source>
        <translation>%1 (rounded)</translation>
    </message>
    <message>
        <source>Im Vergleich mit %1 stehen die Raten in Zehntel IE/h:

%2</source>
        <translation>Compared with %1, the rates in tenths of U/h:

%2</translation>
    </message>
    <message>
        <source>Mindestens eine aktuelle Stundenrate ist größer als das neue Maximum, welches Sie einstellen wollten! Die höchste Stundenrate, die gerade eingestellt ist, ist %1 IE/h! Ändern Sie das Maximum auf diesen oder den nächsthöheren Wert!</source>
        <translation>At least one current hourly rate is greater than the new maximum you wanted to set! The highest hourly rate currently set is %1 U/h! Change the maximum to this or the next higher value!</translation>
    </message>
    <message>
        <source>Alle Raten auf %1 %</source>
        <translation>All rates to %1 %</translation>
    </message>
    <message>
        <source>Raten um %1 Stunden verschoben</source>
        <translation>Rates shifted by %1 h</translation>
    </message>
    <message>
        <source>Die Basalrate wurde als Nightscout-Profil exportiert.

Wirkdauer des Insulins, Korrekturfaktoren und Zielbereich kennt Fendrimo nicht; sie fehlen in der Datei und müssen im empfangenden System ergänzt werden, bevor es das Profil verwendet.</source>
        <translation>The basal rate was exported as a Nightscout profile.

Fendrimo does not know the insulin&apos;s duration of action, correction factors and target range; they are missing from the file and must be added in the receiving system before it uses the profile.</translation>
    </message>
    <message>
        <source>Ebenso die Kohlenhydratfaktoren: Nicht alle drei Bolusfelder enthalten eine Zahl über 0.</source>
        <translation>Likewise the carb ratios: not all three bolus fields hold a number above 0.</translation>
    </message>
    <message>
        <source>Die Zeitzone dieses Rechners hat keinen Namen, den Nightscout kennt; sie fehlt in der Datei und muss in Nightscout eingestellt werden, sonst verschieben sich die Raten.</source>
        <translation>This computer&apos;s time zone has no name that Nightscout knows; it is missing from the file and must be set in Nightscout, or the rates will be shifted.</translation>
    </message>
    <message>
        <source>Die Basalrate wurde als OpenAPS-Basalprofil exportiert.</source>
        <translation>The basal rate was exported as an OpenAPS basal profile.</translation>
    </message>
    <message>
        <source>Achtung: Mindestens eine Stunde hat die Rate 0; OpenAPS nimmt eine Basalrate von 0 nicht an.</source>
        <translation>Caution: at least one hour has the rate 0; OpenAPS does not accept a basal rate of 0.</translation>
    </message>
    <message>
        <source>Die Basalrate wurde als Tabelle exportiert.</source>
        <translation>The basal rate was exported as a table.</translation>
    </message>
    <message>
        <source>Basalrate importieren</source>
        <translation>Import basal rate</translation>
    </message>
    <message>
        <source>Basalplan wählen</source>
        <translation>Choose basal schedule</translation>
    </message>
    <message>
        <source>Nightscout-Profil wählen</source>
        <translation>Choose Nightscout profile</translation>
    </message>
    <message>
        <source>Die Datei enthält mehrere Basalpläne. Welcher soll importiert werden?</source>
        <translation>The file contains several basal schedules. Which one should be imported?</translation>
    </message>
    <message>
        <source>Die Datei enthält mehrere Profile. Welches soll importiert werden?</source>
        <translation>The file contains several profiles. Which one should be imported?</translation>
    </message>
    <message>
        <source>Die Datei %1 kann nicht importiert werden. %2</source>
        <translation>The file %1 cannot be imported. %2</translation>
    </message>
    <message>
        <source>Basalrate exportieren</source>
        <translation>Export basal rate</translation>
    </message>
    <message>
        <source>Die Basalrate konnte nicht nach %1 exportiert werden: %2</source>
        <translation>The basal rate could not be exported to %1: %2</translation>
    </message>
    <message>
        <source>%1 wiederhergestellt</source>
        <translation>%1 restored</translation>
    </message>
    <message>
        <source>Alle gespeicherten Fassungen von %1 aus dem Verlauf löschen? Die Profildatei selbst bleibt, wie sie ist.</source>
        <translation>Delete all saved versions of %1 from the history? The profile file itself stays as it is.</translation>
    </message>
    <message>
        <source>Der Verlauf ließ sich nicht ganz löschen: %1</source>
        <translation>The history could not be deleted completely: %1</translation>
    </message>
    <message>
        <source>1 BE = 12 g Kohlenhydrate</source>
        <translation>1 BU = 12 g carbohydrate</translation>
    </message>
    <message>
        <source>Die Datei %1 ist schon vorhanden. Soll sie ersetzt werden?</source>
        <translation>The file %1 already exists. Do you want to replace it?</translation>
    </message>
    <message>
        <source>Rückgängig nimmt nur die Raten zurück: Das Maximum bleibt bei %1 IE/h, bis Sie es unter &quot;Optionen&quot; ändern.</source>
        <translation>Undo takes back only the rates: the maximum stays at %1 U/h until you change it under &quot;Options&quot;.</translation>
    </message>
    <message>
        <source>%1. Die Stunden wurden nicht übernommen</source>
        <translation>%1. The hours were not taken</translation>
    </message>
    <message>
        <source>Vergleich: %1</source>
        <translation>Comparison: %1</translation>
    </message>
    <message>
        <source>Hinweis zur Dokumentation, Programm-Informationen und Benutzerhandbuch</source>
        <translation>Note on the documentation, program information and user guide</translation>
    </message>
    <message>
        <source>Benutzerhandbuch</source>
        <translation>User guide</translation>
    </message>
    <message>
        <source>Alle Glukosedaten (*.csv *.json *.txt)</source>
        <translation>All glucose data (*.csv *.json *.txt)</translation>
    </message>
    <message>
        <source>Glukosedaten laden</source>
        <translation>Load glucose data</translation>
    </message>
    <message>
        <source>Die Glukosedaten aus %1 werden gelesen.</source>
        <translation>Reading the glucose data from %1.</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Die geladenen Glukosedaten aus %1 Dateien entfernen?</source>
        <translation>Remove the glucose data loaded from %1 files?</translation>
    </message>
    <message>
        <source>Die Datei %1 kann nicht als Glukosedaten gelesen werden. %2</source>
        <translation>The file %1 cannot be read as glucose data. %2</translation>
    </message>
    <message>
        <source>Glukosedaten aus %1 geladen (%2, Werte in %3).</source>
        <translation>Glucose data loaded from %1 (%2, values in %3).</translation>
    </message>
    <message>
        <source>Messwerte: %1 neu, %2 waren schon geladen.</source>
        <translation>Readings: %1 new, %2 were loaded already.</translation>
    </message>
    <message>
        <source>Tage: %1 bis %2</source>
        <translation>Days: %1 to %2</translation>
    </message>
    <message>
        <source>Übersprungene Zeilen: %1</source>
        <translation>Rows skipped: %1</translation>
    </message>
    <message>
        <source>Zeitangaben ohne Zeitzone wurden in der Zeitzone %1 des Systems gelesen.</source>
        <translation>Times without a time zone were read in the system&apos;s time zone %1.</translation>
    </message>
    <message>
        <source>&amp;Glukose</source>
        <translation>&amp;Glucose</translation>
    </message>
    <message>
        <source>Glukosedaten &amp;laden…</source>
        <translation>&amp;Load glucose data…</translation>
    </message>
    <message>
        <source>Glukosedaten &amp;entfernen</source>
        <translation>&amp;Remove glucose data</translation>
    </message>
    <message>
        <source>Hauptmenü mit Datei, Bearbeiten, Glukose, Optionen und Hilfe</source>
        <translation>Main menu with File, Edit, Glucose, Options and Help</translation>
    </message>
    <message>
        <source>Metadaten</source>
        <comment>skipped rows</comment>
        <translation>metadata</translation>
    </message>
    <message>
        <source>Notizen</source>
        <comment>skipped rows</comment>
        <translation>notes</translation>
    </message>
    <message>
        <source>Kalibrierungen</source>
        <comment>skipped rows</comment>
        <translation>calibrations</translation>
    </message>
    <message>
        <source>Scans</source>
        <comment>skipped rows</comment>
        <translation>scans</translation>
    </message>
    <message>
        <source>Sensorzustände</source>
        <comment>skipped rows</comment>
        <translation>sensor states</translation>
    </message>
    <message>
        <source>andere Ereignisse</source>
        <comment>skipped rows</comment>
        <translation>other events</translation>
    </message>
    <message>
        <source>Die geladenen Glukosedaten aus einer Datei entfernen?</source>
        <translation>Remove the glucose data loaded from one file?</translation>
    </message>
    <message>
        <source>Glukosedaten aus CGM-Exporten laden, als Profil neben der Basalrate zeigen, einen Basaltest auswerten oder sein Protokoll drucken, die Daten wieder entfernen</source>
        <translation>Load glucose data from CGM exports, show it as a profile beside the basal rate, evaluate a basal test or print its sheet, remove the data again</translation>
    </message>
    <message>
        <source>Glukose&amp;profil</source>
        <translation>Glucose &amp;profile</translation>
    </message>
    <message>
        <source>Basaltest &amp;auswerten…</source>
        <translation>&amp;Evaluate basal test…</translation>
    </message>
    <message>
        <source>Basaltest-&amp;Protokoll drucken…</source>
        <translation>&amp;Print basal test sheet…</translation>
    </message>
</context>
<context>
    <name>fendrimo::TFormOptionen</name>
    <message>
        <source>Fendrimo - Einstellungen</source>
        <translation>Fendrimo - Settings</translation>
    </message>
    <message>
        <source>Maximum der Schieberegler, Druckmethode und das Verzeichnis der Basalraten-Dateien</source>
        <translation>Maximum of the sliders, print method and the folder of the basal-rate files</translation>
    </message>
    <message>
        <source>2,0 IE/h</source>
        <extracomment>IE is the insulin unit</extracomment>
        <translation>2.0 U/h</translation>
    </message>
    <message>
        <source>3,0 IE/h</source>
        <translation>3.0 U/h</translation>
    </message>
    <message>
        <source>4,0 IE/h</source>
        <translation>4.0 U/h</translation>
    </message>
    <message>
        <source>5,0 IE/h</source>
        <translation>5.0 U/h</translation>
    </message>
    <message>
        <source>6,0 IE/h</source>
        <translation>6.0 U/h</translation>
    </message>
    <message>
        <source>Maximal einstellbare Basalrate pro Stunde:</source>
        <translation>Maximum basal rate per hour:</translation>
    </message>
    <message>
        <source>Die höchste Stundenrate, bis zu der die Schieberegler reichen</source>
        <translation>The highest hourly rate the sliders reach</translation>
    </message>
    <message>
        <source>Druckmethode:</source>
        <translation>Print method:</translation>
    </message>
    <message>
        <source>Farbe</source>
        <translation>Colour</translation>
    </message>
    <message>
        <source>schwarz / weiß</source>
        <translation>black / white</translation>
    </message>
    <message>
        <source>Ob der Bericht farbig oder schwarz-weiß gedruckt wird</source>
        <translation>Whether the report is printed in colour or black and white</translation>
    </message>
    <message>
        <source>Schieberegler reichen bis %1</source>
        <translation>Sliders reach up to %1</translation>
    </message>
    <message>
        <source>Tagessumme, Stufenlinie und Werte blau drucken</source>
        <translation>Print the daily total, step line and values in blue</translation>
    </message>
    <message>
        <source>Den ganzen Bericht schwarz drucken</source>
        <translation>Print the whole report in black</translation>
    </message>
    <message>
        <source>Sprache:</source>
        <translation>Language:</translation>
    </message>
    <message>
        <source>Systemsprache</source>
        <translation>System language</translation>
    </message>
    <message>
        <source>Sprache</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Die Sprache des Programms ab dem nächsten Start; Systemsprache folgt der Einstellung des Desktops</source>
        <translation>The program&apos;s language from the next start; System language follows the desktop&apos;s setting</translation>
    </message>
    <message>
        <source>ab dem nächsten Start</source>
        <translation>from the next start</translation>
    </message>
    <message>
        <source>Verzeichnis zur Speicherung von Basalraten:</source>
        <translation>Folder for storing basal rates:</translation>
    </message>
    <message>
        <source>Wird beim Speichern und Laden festgehalten; hier nur angezeigt</source>
        <translation>Kept when saving and loading; only shown here</translation>
    </message>
    <message>
        <source>Verzeichnis, das zum Speichern bzw. Laden der nächsten Datei automatisch geöffnet wird</source>
        <translation>Folder opened automatically for saving or loading the next file</translation>
    </message>
    <message>
        <source>Verzeichnis</source>
        <translation>Folder</translation>
    </message>
    <message>
        <source>OK und speichern</source>
        <translation>OK and save</translation>
    </message>
    <message>
        <source>Speichert die Einstellungen und wendet das neue Maximum an</source>
        <translation>Saves the settings and applies the new maximum</translation>
    </message>
    <message>
        <source>Abbruch</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Schließt den Dialog, ohne etwas zu speichern</source>
        <translation>Closes the dialog without saving anything</translation>
    </message>
</context>
<context>
    <name>fendrimo::TGrafikForm</name>
    <message>
        <source>Basalrate als PDF-Datei drucken</source>
        <translation>Print basal rate as a PDF file</translation>
    </message>
    <message>
        <source>PDF-Dateien (*.pdf)</source>
        <translation>PDF files (*.pdf)</translation>
    </message>
    <message>
        <source>Zur Zeit ist kein Standard-Drucker gewählt</source>
        <translation>No default printer is selected at the moment</translation>
    </message>
    <message>
        <source>Fendrimo - Drucken</source>
        <translation>Fendrimo - Print</translation>
    </message>
    <message>
        <source>Aktiver Drucker:</source>
        <translation>Active printer:</translation>
    </message>
    <message>
        <source>Drucker auswählen und einrichten</source>
        <translation>Select and set up printer</translation>
    </message>
    <message>
        <source>Druckmethode (bei &quot;Optionen&quot; einzustellen):</source>
        <translation>Print method (set under &quot;Options&quot;):</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Druckt die Basalrate als eine Seite auf dem aktiven Drucker oder in eine PDF-Datei</source>
        <translation>Prints the basal rate as one page on the active printer or into a PDF file</translation>
    </message>
    <message>
        <source>Der Drucker, auf dem die Basalrate gedruckt wird</source>
        <translation>The printer the basal rate is printed on</translation>
    </message>
    <message>
        <source>Aktiver Drucker</source>
        <translation>Active printer</translation>
    </message>
    <message>
        <source>Name des aktiven Druckers</source>
        <translation>Name of the active printer</translation>
    </message>
    <message>
        <source>Öffnet die Druckerauswahl mit den Einstellungen des Druckers</source>
        <translation>Opens the printer selection with the printer&apos;s settings</translation>
    </message>
    <message>
        <source>Farbe oder schwarz / weiß, einzustellen unter Optionen, Einstellungen</source>
        <translation>Colour or black / white, set under Options, Settings</translation>
    </message>
    <message>
        <source>Druckmethode</source>
        <translation>Print method</translation>
    </message>
    <message>
        <source>Die eingestellte Druckmethode: Farbdruck oder Schwarz / Weiß</source>
        <translation>The print method set: colour print or black / white</translation>
    </message>
    <message>
        <source>Druckt die Basalrate und schließt das Fenster</source>
        <translation>Prints the basal rate and closes the window</translation>
    </message>
    <message>
        <source>Schließt das Fenster, ohne zu drucken</source>
        <translation>Closes the window without printing</translation>
    </message>
    <message>
        <source>Farbdruck</source>
        <translation>Colour print</translation>
    </message>
    <message>
        <source>Schwarz / Weiß</source>
        <translation>Black / white</translation>
    </message>
    <message>
        <source>Stundenwerte als Tabelle drucken</source>
        <translation>Print the hourly values as a table</translation>
    </message>
    <message>
        <source>Druckt nach dem Diagramm eine zweite Seite mit den 24 Stundenwerten</source>
        <translation>Prints a second page with the 24 hourly values after the chart</translation>
    </message>
    <message>
        <source>Vorschau…</source>
        <translation>Preview…</translation>
    </message>
    <message>
        <source>Zeigt die Seiten so, wie sie gedruckt werden</source>
        <translation>Shows the pages as they will be printed</translation>
    </message>
    <message>
        <source>Als PDF speichern…</source>
        <translation>Save as PDF…</translation>
    </message>
    <message>
        <source>Speichert die Seiten als PDF-Datei</source>
        <translation>Saves the pages as a PDF file</translation>
    </message>
    <message>
        <source>Als PDF speichern</source>
        <translation>Save as PDF</translation>
    </message>
    <message>
        <source>Die Datei %1 kann nicht geschrieben werden: %2</source>
        <translation>The file %1 cannot be written: %2</translation>
    </message>
    <message>
        <source>Die Basalrate wurde als PDF-Datei gespeichert: %1</source>
        <translation>The basal rate was saved as a PDF file: %1</translation>
    </message>
    <message>
        <source>Glukoseprofil drucken</source>
        <translation>Print glucose profile</translation>
    </message>
    <message>
        <source>Druckt zuletzt eine Seite mit dem Glukoseprofil der geladenen Glukosedaten; nur mit geladenen Glukosedaten</source>
        <translation>Prints a last page with the glucose profile of the loaded glucose data; only with glucose data loaded</translation>
    </message>
    <message>
        <source>Fendrimo - Basaltest-Protokoll drucken</source>
        <translation>Fendrimo - Print basal test sheet</translation>
    </message>
    <message>
        <source>Druckt das Basaltest-Protokoll als eine Seite auf dem aktiven Drucker oder in eine PDF-Datei</source>
        <translation>Prints the basal test sheet as one page on the active printer or into a PDF file</translation>
    </message>
    <message>
        <source>Druckt das Basaltest-Protokoll und schließt das Fenster</source>
        <translation>Prints the basal test sheet and closes the window</translation>
    </message>
    <message>
        <source>Basaltest-Protokoll.pdf</source>
        <translation>Basal test sheet.pdf</translation>
    </message>
    <message>
        <source>Basaltest-Protokoll</source>
        <translation>Basal test sheet</translation>
    </message>
    <message>
        <source>Das Basaltest-Protokoll wurde als PDF-Datei gespeichert: %1</source>
        <translation>The basal test sheet was saved as a PDF file: %1</translation>
    </message>
</context>
<context>
    <name>fendrimo::TakeHoursDialog</name>
    <message>
        <source>Fendrimo - Aus Vergleich übernehmen</source>
        <translation>Fendrimo - Take from comparison</translation>
    </message>
    <message>
        <source>Vergleich: %1
Stunden mit anderer Rate; die angekreuzten übernehmen die Rate des Vergleichs:</source>
        <translation>Comparison: %1
Hours with a different rate; the ticked ones take the comparison&apos;s rate:</translation>
    </message>
    <message>
        <source>Tagessumme jetzt und danach</source>
        <translation>Daily total now and after</translation>
    </message>
    <message>
        <source>Tagessumme: %1 IE → %2 IE</source>
        <extracomment>IE is the insulin unit</extracomment>
        <translation>Daily total: %1 U → %2 U</translation>
    </message>
</context>
<context>
    <name>fendrimo::UserGuideWindow</name>
    <message>
        <source>Fendrimo - Benutzerhandbuch</source>
        <translation>Fendrimo - User guide</translation>
    </message>
    <message>
        <source>&amp;Suchen:</source>
        <translation>&amp;Find:</translation>
    </message>
    <message>
        <source>&amp;Weitersuchen</source>
        <translation>Find &amp;next</translation>
    </message>
    <message>
        <source>Nicht gefunden</source>
        <translation>Not found</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Das Benutzerhandbuch zum Lesen und Durchsuchen</source>
        <translation>The user guide to read and search</translation>
    </message>
    <message>
        <source>Benutzerhandbuch</source>
        <translation>User guide</translation>
    </message>
    <message>
        <source>Der Text des Benutzerhandbuchs</source>
        <translation>The text of the user guide</translation>
    </message>
    <message>
        <source>Suchen</source>
        <translation>Find</translation>
    </message>
    <message>
        <source>Der gesuchte Text; Eingabe springt zur nächsten Fundstelle</source>
        <translation>The text to find; Enter goes to the next match</translation>
    </message>
    <message>
        <source>Springt zur nächsten Fundstelle, nach der letzten wieder zur ersten</source>
        <translation>Goes to the next match, after the last one back to the first</translation>
    </message>
    <message>
        <source>Der gesuchte Text kommt nicht vor</source>
        <translation>The text does not occur</translation>
    </message>
    <message>
        <source>Schließt das Benutzerhandbuch</source>
        <translation>Closes the user guide</translation>
    </message>
    <message>
        <source>Die Datei ist leer</source>
        <translation>The file is empty</translation>
    </message>
    <message>
        <source>Das Benutzerhandbuch %1 kann nicht gelesen werden: %2</source>
        <translation>The user guide %1 cannot be read: %2</translation>
    </message>
</context>
<context>
    <name>fendrimo::VersionChart</name>
    <message>
        <source>Stufendiagramm</source>
        <translation>Step chart</translation>
    </message>
    <message>
        <source>gewählte Fassung</source>
        <translation>chosen version</translation>
    </message>
    <message>
        <source>Fassung davor</source>
        <translation>version before</translation>
    </message>
    <message>
        <source>Keine Fassung gewählt</source>
        <translation>No version chosen</translation>
    </message>
    <message>
        <source>Gewählte Fassung: Tagessumme %1 IE</source>
        <translation>Chosen version: daily total %1 U</translation>
    </message>
    <message>
        <source>%1; Fassung davor (gestrichelt): Tagessumme %2 IE</source>
        <translation>%1; version before (dashed): daily total %2 U</translation>
    </message>
</context>
</TS>
