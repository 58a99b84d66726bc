<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>ActionAnnouncer</name>
    <message>
        <source>blank</source>
        <comment>the display, which shows nothing</comment>
        <translation>leer</translation>
    </message>
    <message>
        <source>%1 blank</source>
        <comment>the memory indicator (%1, its name), which shows nothing</comment>
        <translation>%1 leer</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>the memory indicator: %1 its name, %2 what it shows (M)</comment>
        <translation>%1 %2</translation>
    </message>
</context>
<context>
    <name>Controls</name>
    <message>
        <source>Keypad</source>
        <translation>Tastenfeld</translation>
    </message>
    <message>
        <source>Display integer portion</source>
        <translation>Ganzzahligen Anteil anzeigen</translation>
    </message>
    <message>
        <source>Integer part</source>
        <translation>Ganzzahliger Anteil</translation>
    </message>
    <message>
        <source>Logarithm( base e)</source>
        <translation>Logarithmus (Basis e)</translation>
    </message>
    <message>
        <source>Natural logarithm</source>
        <translation>Natürlicher Logarithmus</translation>
    </message>
    <message>
        <source>Set input in degree</source>
        <translation>Eingabe in Grad</translation>
    </message>
    <message>
        <source>Radian</source>
        <translation>Bogenmaß</translation>
    </message>
    <message>
        <source>Degree</source>
        <translation>Grad</translation>
    </message>
    <message>
        <source>Cube Root</source>
        <translation>Kubikwurzel</translation>
    </message>
    <message>
        <source>Cube root</source>
        <translation>Kubikwurzel</translation>
    </message>
    <message>
        <source>Round the fractional number</source>
        <translation>Dezimalzahl runden</translation>
    </message>
    <message>
        <source>Round</source>
        <translation>Runden</translation>
    </message>
    <message>
        <source>Exponential Function</source>
        <translation>Exponentialfunktion</translation>
    </message>
    <message>
        <source>Exponential</source>
        <translation>Exponentialfunktion</translation>
    </message>
    <message>
        <source>Logarithm( base 10)</source>
        <translation>Logarithmus (Basis 10)</translation>
    </message>
    <message>
        <source>Decimal logarithm</source>
        <translation>Dekadischer Logarithmus</translation>
    </message>
    <message>
        <source>Value of pi</source>
        <translation>Wert von Pi</translation>
    </message>
    <message>
        <source>Pi</source>
        <translation>Pi</translation>
    </message>
    <message>
        <source>Tangent</source>
        <translation>Tangens</translation>
    </message>
    <message>
        <source>Cosine</source>
        <translation>Kosinus</translation>
    </message>
    <message>
        <source>Sine</source>
        <translation>Sinus</translation>
    </message>
    <message>
        <source>x Factorial</source>
        <translation>x Fakultät</translation>
    </message>
    <message>
        <source>Factorial</source>
        <translation>Fakultät</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Potenz</translation>
    </message>
    <message>
        <source>Cube</source>
        <translation>Dritte Potenz</translation>
    </message>
    <message>
        <source>Square</source>
        <translation>Quadrat</translation>
    </message>
    <message>
        <source>Display M when number is stored.</source>
        <translation>Zeigt M, wenn eine Zahl gespeichert ist.</translation>
    </message>
    <message>
        <source>Memory indicator</source>
        <translation>Speicheranzeige</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Memory Increment</source>
        <translation>Zum Speicher addieren</translation>
    </message>
    <message>
        <source>Memory add</source>
        <translation>Zum Speicher addieren</translation>
    </message>
    <message>
        <source>Memory Store</source>
        <translation>In den Speicher übernehmen</translation>
    </message>
    <message>
        <source>Memory store</source>
        <translation>In den Speicher übernehmen</translation>
    </message>
    <message>
        <source>Memory Recall</source>
        <translation>Speicher abrufen</translation>
    </message>
    <message>
        <source>Memory recall</source>
        <translation>Speicher abrufen</translation>
    </message>
    <message>
        <source>Memory Clear</source>
        <translation>Speicher löschen</translation>
    </message>
    <message>
        <source>Memory clear</source>
        <translation>Speicher löschen</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Anzeige</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Rücktaste</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Division</source>
        <translation>Division</translation>
    </message>
    <message>
        <source>Divide</source>
        <translation>Dividieren</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Multiplikation</translation>
    </message>
    <message>
        <source>Multiply</source>
        <translation>Multiplizieren</translation>
    </message>
    <message>
        <source>Substraction</source>
        <translation>Subtraktion</translation>
    </message>
    <message>
        <source>Subtract</source>
        <translation>Subtrahieren</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>Addition</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Addieren</translation>
    </message>
    <message>
        <source>Square Root</source>
        <translation>Quadratwurzel</translation>
    </message>
    <message>
        <source>Square root</source>
        <translation>Quadratwurzel</translation>
    </message>
    <message>
        <source>Modulus</source>
        <translation>Modulo</translation>
    </message>
    <message>
        <source>1 divided by x</source>
        <translation>1 geteilt durch x</translation>
    </message>
    <message>
        <source>Reciprocal</source>
        <translation>Kehrwert</translation>
    </message>
    <message>
        <source>Equal to</source>
        <translation>Gleich</translation>
    </message>
    <message>
        <source>Equals</source>
        <translation>Gleich</translation>
    </message>
    <message>
        <source>Change sign</source>
        <translation>Vorzeichen wechseln</translation>
    </message>
    <message>
        <source>point</source>
        <translation>Dezimalpunkt</translation>
    </message>
    <message>
        <source>Point</source>
        <translation>Punkt</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>The display does not hold a number.</source>
        <translation>Die Anzeige enthält keine Zahl.</translation>
    </message>
    <message>
        <source>The number is too large.</source>
        <translation>Die Zahl ist zu groß.</translation>
    </message>
    <message>
        <source>The result is too large.</source>
        <translation>Das Ergebnis ist zu groß.</translation>
    </message>
    <message>
        <source>Division by zero.</source>
        <translation>Division durch null.</translation>
    </message>
    <message>
        <source>The operation has no defined result.</source>
        <translation>Die Operation hat kein definiertes Ergebnis.</translation>
    </message>
    <message>
        <source>The function is not defined for this number.</source>
        <translation>Die Funktion ist für diese Zahl nicht definiert.</translation>
    </message>
    <message>
        <source>The number is outside the range of a 32-bit integer.</source>
        <translation>Die Zahl liegt außerhalb des Bereichs einer 32-Bit-Ganzzahl.</translation>
    </message>
    <message>
        <source>The number is too large for a decimal value.</source>
        <translation>Die Zahl ist zu groß für einen Dezimalwert.</translation>
    </message>
    <message>
        <source>The power needs too many multiplications.</source>
        <translation>Die Potenz erfordert zu viele Multiplikationen.</translation>
    </message>
    <message>
        <source>The operation failed.</source>
        <translation>Die Operation ist fehlgeschlagen.</translation>
    </message>
</context>
</TS>
