<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>ActionAnnouncer</name>
    <message>
        <source>blank</source>
        <comment>the display, which shows nothing</comment>
        <translation>vuoto</translation>
    </message>
    <message>
        <source>%1 blank</source>
        <comment>the memory indicator (%1, its name), which shows nothing</comment>
        <translation>%1 vuoto</translation>
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
        <translation>Tastierino</translation>
    </message>
    <message>
        <source>Display integer portion</source>
        <translation>Mostra la parte intera</translation>
    </message>
    <message>
        <source>Integer part</source>
        <translation>Parte intera</translation>
    </message>
    <message>
        <source>Logarithm( base e)</source>
        <translation>Logaritmo (base e)</translation>
    </message>
    <message>
        <source>Natural logarithm</source>
        <translation>Logaritmo naturale</translation>
    </message>
    <message>
        <source>Set input in degree</source>
        <translation>Inserimento in gradi</translation>
    </message>
    <message>
        <source>Radian</source>
        <translation>Radianti</translation>
    </message>
    <message>
        <source>Degree</source>
        <translation>Gradi</translation>
    </message>
    <message>
        <source>Cube Root</source>
        <translation>Radice cubica</translation>
    </message>
    <message>
        <source>Cube root</source>
        <translation>Radice cubica</translation>
    </message>
    <message>
        <source>Round the fractional number</source>
        <translation>Arrotonda il numero decimale</translation>
    </message>
    <message>
        <source>Round</source>
        <translation>Arrotonda</translation>
    </message>
    <message>
        <source>Exponential Function</source>
        <translation>Funzione esponenziale</translation>
    </message>
    <message>
        <source>Exponential</source>
        <translation>Esponenziale</translation>
    </message>
    <message>
        <source>Logarithm( base 10)</source>
        <translation>Logaritmo (base 10)</translation>
    </message>
    <message>
        <source>Decimal logarithm</source>
        <translation>Logaritmo decimale</translation>
    </message>
    <message>
        <source>Value of pi</source>
        <translation>Valore di pi greco</translation>
    </message>
    <message>
        <source>Pi</source>
        <translation>Pi greco</translation>
    </message>
    <message>
        <source>Tangent</source>
        <translation>Tangente</translation>
    </message>
    <message>
        <source>Cosine</source>
        <translation>Coseno</translation>
    </message>
    <message>
        <source>Sine</source>
        <translation>Seno</translation>
    </message>
    <message>
        <source>x Factorial</source>
        <translation>Fattoriale di x</translation>
    </message>
    <message>
        <source>Factorial</source>
        <translation>Fattoriale</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Potenza</translation>
    </message>
    <message>
        <source>Cube</source>
        <translation>Cubo</translation>
    </message>
    <message>
        <source>Square</source>
        <translation>Quadrato</translation>
    </message>
    <message>
        <source>Display M when number is stored.</source>
        <translation>Mostra M quando un numero è in memoria.</translation>
    </message>
    <message>
        <source>Memory indicator</source>
        <translation>Indicatore di memoria</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Memory Increment</source>
        <translation>Aggiungi alla memoria</translation>
    </message>
    <message>
        <source>Memory add</source>
        <translation>Aggiungi alla memoria</translation>
    </message>
    <message>
        <source>Memory Store</source>
        <translation>Salva in memoria</translation>
    </message>
    <message>
        <source>Memory store</source>
        <translation>Salva in memoria</translation>
    </message>
    <message>
        <source>Memory Recall</source>
        <translation>Richiama dalla memoria</translation>
    </message>
    <message>
        <source>Memory recall</source>
        <translation>Richiama dalla memoria</translation>
    </message>
    <message>
        <source>Memory Clear</source>
        <translation>Cancella la memoria</translation>
    </message>
    <message>
        <source>Memory clear</source>
        <translation>Cancella la memoria</translation>
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
        <translation>Cancella</translation>
    </message>
    <message>
        <source>Division</source>
        <translation>Divisione</translation>
    </message>
    <message>
        <source>Divide</source>
        <translation>Dividi</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Moltiplicazione</translation>
    </message>
    <message>
        <source>Multiply</source>
        <translation>Moltiplica</translation>
    </message>
    <message>
        <source>Substraction</source>
        <translation>Sottrazione</translation>
    </message>
    <message>
        <source>Subtract</source>
        <translation>Sottrai</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>Addizione</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Somma</translation>
    </message>
    <message>
        <source>Square Root</source>
        <translation>Radice quadrata</translation>
    </message>
    <message>
        <source>Square root</source>
        <translation>Radice quadrata</translation>
    </message>
    <message>
        <source>Modulus</source>
        <translation>Modulo</translation>
    </message>
    <message>
        <source>1 divided by x</source>
        <translation>1 diviso x</translation>
    </message>
    <message>
        <source>Reciprocal</source>
        <translation>Reciproco</translation>
    </message>
    <message>
        <source>Equal to</source>
        <translation>Uguale a</translation>
    </message>
    <message>
        <source>Equals</source>
        <translation>Uguale</translation>
    </message>
    <message>
        <source>Change sign</source>
        <translation>Cambia segno</translation>
    </message>
    <message>
        <source>point</source>
        <translation>Punto decimale</translation>
    </message>
    <message>
        <source>Point</source>
        <translation>Punto</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>The display does not hold a number.</source>
        <translation>Il display non contiene un numero.</translation>
    </message>
    <message>
        <source>The number is too large.</source>
        <translation>Il numero è troppo grande.</translation>
    </message>
    <message>
        <source>The result is too large.</source>
        <translation>Il risultato è troppo grande.</translation>
    </message>
    <message>
        <source>Division by zero.</source>
        <translation>Divisione per zero.</translation>
    </message>
    <message>
        <source>The operation has no defined result.</source>
        <translation>L’operazione non ha un risultato definito.</translation>
    </message>
    <message>
        <source>The function is not defined for this number.</source>
        <translation>La funzione non è definita per questo numero.</translation>
    </message>
    <message>
        <source>The number is outside the range of a 32-bit integer.</source>
        <translation>Il numero è fuori dall’intervallo di un intero a 32 bit.</translation>
    </message>
    <message>
        <source>The number is too large for a decimal value.</source>
        <translation>Il numero è troppo grande per un valore decimale.</translation>
    </message>
    <message>
        <source>The power needs too many multiplications.</source>
        <translation>La potenza richiede troppe moltiplicazioni.</translation>
    </message>
    <message>
        <source>The operation failed.</source>
        <translation>Operazione non riuscita.</translation>
    </message>
</context>
</TS>
