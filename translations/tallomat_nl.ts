<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>ActionAnnouncer</name>
    <message>
        <source>blank</source>
        <comment>the display, which shows nothing</comment>
        <translation>leeg</translation>
    </message>
    <message>
        <source>%1 blank</source>
        <comment>the memory indicator (%1, its name), which shows nothing</comment>
        <translation>%1 leeg</translation>
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
        <translation>Toetsenblok</translation>
    </message>
    <message>
        <source>Display integer portion</source>
        <translation>Geheel deel tonen</translation>
    </message>
    <message>
        <source>Integer part</source>
        <translation>Geheel deel</translation>
    </message>
    <message>
        <source>Logarithm( base e)</source>
        <translation>Logaritme (grondtal e)</translation>
    </message>
    <message>
        <source>Natural logarithm</source>
        <translation>Natuurlijke logaritme</translation>
    </message>
    <message>
        <source>Set input in degree</source>
        <translation>Invoer in graden</translation>
    </message>
    <message>
        <source>Radian</source>
        <translation>Radialen</translation>
    </message>
    <message>
        <source>Degree</source>
        <translation>Graden</translation>
    </message>
    <message>
        <source>Cube Root</source>
        <translation>Derdemachtswortel</translation>
    </message>
    <message>
        <source>Cube root</source>
        <translation>Derdemachtswortel</translation>
    </message>
    <message>
        <source>Round the fractional number</source>
        <translation>Het decimale getal afronden</translation>
    </message>
    <message>
        <source>Round</source>
        <translation>Afronden</translation>
    </message>
    <message>
        <source>Exponential Function</source>
        <translation>Exponentiële functie</translation>
    </message>
    <message>
        <source>Exponential</source>
        <translation>Exponentiële functie</translation>
    </message>
    <message>
        <source>Logarithm( base 10)</source>
        <translation>Logaritme (grondtal 10)</translation>
    </message>
    <message>
        <source>Decimal logarithm</source>
        <translation>Logaritme met grondtal 10</translation>
    </message>
    <message>
        <source>Value of pi</source>
        <translation>Waarde van pi</translation>
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
        <translation>Cosinus</translation>
    </message>
    <message>
        <source>Sine</source>
        <translation>Sinus</translation>
    </message>
    <message>
        <source>x Factorial</source>
        <translation>x faculteit</translation>
    </message>
    <message>
        <source>Factorial</source>
        <translation>Faculteit</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Macht</translation>
    </message>
    <message>
        <source>Cube</source>
        <translation>Derde macht</translation>
    </message>
    <message>
        <source>Square</source>
        <translation>Kwadraat</translation>
    </message>
    <message>
        <source>Display M when number is stored.</source>
        <translation>Toont M als er een getal is opgeslagen.</translation>
    </message>
    <message>
        <source>Memory indicator</source>
        <translation>Geheugenindicator</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Afsluiten</translation>
    </message>
    <message>
        <source>Memory Increment</source>
        <translation>Bij geheugen optellen</translation>
    </message>
    <message>
        <source>Memory add</source>
        <translation>Bij geheugen optellen</translation>
    </message>
    <message>
        <source>Memory Store</source>
        <translation>In geheugen opslaan</translation>
    </message>
    <message>
        <source>Memory store</source>
        <translation>In geheugen opslaan</translation>
    </message>
    <message>
        <source>Memory Recall</source>
        <translation>Geheugen oproepen</translation>
    </message>
    <message>
        <source>Memory recall</source>
        <translation>Geheugen oproepen</translation>
    </message>
    <message>
        <source>Memory Clear</source>
        <translation>Geheugen wissen</translation>
    </message>
    <message>
        <source>Memory clear</source>
        <translation>Geheugen wissen</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Display</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Backspace</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Wissen</translation>
    </message>
    <message>
        <source>Division</source>
        <translation>Deling</translation>
    </message>
    <message>
        <source>Divide</source>
        <translation>Delen</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Vermenigvuldiging</translation>
    </message>
    <message>
        <source>Multiply</source>
        <translation>Vermenigvuldigen</translation>
    </message>
    <message>
        <source>Substraction</source>
        <translation>Aftrekking</translation>
    </message>
    <message>
        <source>Subtract</source>
        <translation>Aftrekken</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>Optelling</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Optellen</translation>
    </message>
    <message>
        <source>Square Root</source>
        <translation>Vierkantswortel</translation>
    </message>
    <message>
        <source>Square root</source>
        <translation>Vierkantswortel</translation>
    </message>
    <message>
        <source>Modulus</source>
        <translation>Modulo</translation>
    </message>
    <message>
        <source>1 divided by x</source>
        <translation>1 gedeeld door x</translation>
    </message>
    <message>
        <source>Reciprocal</source>
        <translation>Omgekeerde</translation>
    </message>
    <message>
        <source>Equal to</source>
        <translation>Is gelijk aan</translation>
    </message>
    <message>
        <source>Equals</source>
        <translation>Is gelijk aan</translation>
    </message>
    <message>
        <source>Change sign</source>
        <translation>Teken omkeren</translation>
    </message>
    <message>
        <source>point</source>
        <translation>Decimale punt</translation>
    </message>
    <message>
        <source>Point</source>
        <translation>Punt</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>The display does not hold a number.</source>
        <translation>Het display bevat geen getal.</translation>
    </message>
    <message>
        <source>The number is too large.</source>
        <translation>Het getal is te groot.</translation>
    </message>
    <message>
        <source>The result is too large.</source>
        <translation>Het resultaat is te groot.</translation>
    </message>
    <message>
        <source>Division by zero.</source>
        <translation>Deling door nul.</translation>
    </message>
    <message>
        <source>The operation has no defined result.</source>
        <translation>De bewerking heeft geen gedefinieerd resultaat.</translation>
    </message>
    <message>
        <source>The function is not defined for this number.</source>
        <translation>De functie is niet gedefinieerd voor dit getal.</translation>
    </message>
    <message>
        <source>The number is outside the range of a 32-bit integer.</source>
        <translation>Het getal valt buiten het bereik van een 32-bits geheel getal.</translation>
    </message>
    <message>
        <source>The number is too large for a decimal value.</source>
        <translation>Het getal is te groot voor een decimale waarde.</translation>
    </message>
    <message>
        <source>The power needs too many multiplications.</source>
        <translation>De macht vraagt te veel vermenigvuldigingen.</translation>
    </message>
    <message>
        <source>The operation failed.</source>
        <translation>De bewerking is mislukt.</translation>
    </message>
</context>
</TS>
