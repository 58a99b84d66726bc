<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>ActionAnnouncer</name>
    <message>
        <source>blank</source>
        <comment>the display, which shows nothing</comment>
        <translation>pusty</translation>
    </message>
    <message>
        <source>%1 blank</source>
        <comment>the memory indicator (%1, its name), which shows nothing</comment>
        <translation>%1 pusty</translation>
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
        <translation>Klawiatura</translation>
    </message>
    <message>
        <source>Display integer portion</source>
        <translation>Pokaż część całkowitą</translation>
    </message>
    <message>
        <source>Integer part</source>
        <translation>Część całkowita</translation>
    </message>
    <message>
        <source>Logarithm( base e)</source>
        <translation>Logarytm (o podstawie e)</translation>
    </message>
    <message>
        <source>Natural logarithm</source>
        <translation>Logarytm naturalny</translation>
    </message>
    <message>
        <source>Set input in degree</source>
        <translation>Wprowadzanie w stopniach</translation>
    </message>
    <message>
        <source>Radian</source>
        <translation>Radiany</translation>
    </message>
    <message>
        <source>Degree</source>
        <translation>Stopnie</translation>
    </message>
    <message>
        <source>Cube Root</source>
        <translation>Pierwiastek sześcienny</translation>
    </message>
    <message>
        <source>Cube root</source>
        <translation>Pierwiastek sześcienny</translation>
    </message>
    <message>
        <source>Round the fractional number</source>
        <translation>Zaokrąglij liczbę dziesiętną</translation>
    </message>
    <message>
        <source>Round</source>
        <translation>Zaokrąglij</translation>
    </message>
    <message>
        <source>Exponential Function</source>
        <translation>Funkcja wykładnicza</translation>
    </message>
    <message>
        <source>Exponential</source>
        <translation>Funkcja wykładnicza</translation>
    </message>
    <message>
        <source>Logarithm( base 10)</source>
        <translation>Logarytm (o podstawie 10)</translation>
    </message>
    <message>
        <source>Decimal logarithm</source>
        <translation>Logarytm dziesiętny</translation>
    </message>
    <message>
        <source>Value of pi</source>
        <translation>Wartość pi</translation>
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
        <translation>Silnia x</translation>
    </message>
    <message>
        <source>Factorial</source>
        <translation>Silnia</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Potęga</translation>
    </message>
    <message>
        <source>Cube</source>
        <translation>Sześcian</translation>
    </message>
    <message>
        <source>Square</source>
        <translation>Kwadrat</translation>
    </message>
    <message>
        <source>Display M when number is stored.</source>
        <translation>Pokazuje M, gdy liczba jest w pamięci.</translation>
    </message>
    <message>
        <source>Memory indicator</source>
        <translation>Wskaźnik pamięci</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>Memory Increment</source>
        <translation>Dodaj do pamięci</translation>
    </message>
    <message>
        <source>Memory add</source>
        <translation>Dodaj do pamięci</translation>
    </message>
    <message>
        <source>Memory Store</source>
        <translation>Zapisz w pamięci</translation>
    </message>
    <message>
        <source>Memory store</source>
        <translation>Zapisz w pamięci</translation>
    </message>
    <message>
        <source>Memory Recall</source>
        <translation>Przywołaj z pamięci</translation>
    </message>
    <message>
        <source>Memory recall</source>
        <translation>Przywołaj z pamięci</translation>
    </message>
    <message>
        <source>Memory Clear</source>
        <translation>Wyczyść pamięć</translation>
    </message>
    <message>
        <source>Memory clear</source>
        <translation>Wyczyść pamięć</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Wyświetlacz</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Backspace</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Wyczyść</translation>
    </message>
    <message>
        <source>Division</source>
        <translation>Dzielenie</translation>
    </message>
    <message>
        <source>Divide</source>
        <translation>Podziel</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Mnożenie</translation>
    </message>
    <message>
        <source>Multiply</source>
        <translation>Pomnóż</translation>
    </message>
    <message>
        <source>Substraction</source>
        <translation>Odejmowanie</translation>
    </message>
    <message>
        <source>Subtract</source>
        <translation>Odejmij</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>Dodawanie</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Dodaj</translation>
    </message>
    <message>
        <source>Square Root</source>
        <translation>Pierwiastek kwadratowy</translation>
    </message>
    <message>
        <source>Square root</source>
        <translation>Pierwiastek kwadratowy</translation>
    </message>
    <message>
        <source>Modulus</source>
        <translation>Modulo</translation>
    </message>
    <message>
        <source>1 divided by x</source>
        <translation>1 podzielone przez x</translation>
    </message>
    <message>
        <source>Reciprocal</source>
        <translation>Odwrotność</translation>
    </message>
    <message>
        <source>Equal to</source>
        <translation>Równa się</translation>
    </message>
    <message>
        <source>Equals</source>
        <translation>Równa się</translation>
    </message>
    <message>
        <source>Change sign</source>
        <translation>Zmień znak</translation>
    </message>
    <message>
        <source>point</source>
        <translation>Kropka dziesiętna</translation>
    </message>
    <message>
        <source>Point</source>
        <translation>Kropka</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>The display does not hold a number.</source>
        <translation>Wyświetlacz nie zawiera liczby.</translation>
    </message>
    <message>
        <source>The number is too large.</source>
        <translation>Liczba jest za duża.</translation>
    </message>
    <message>
        <source>The result is too large.</source>
        <translation>Wynik jest za duży.</translation>
    </message>
    <message>
        <source>Division by zero.</source>
        <translation>Dzielenie przez zero.</translation>
    </message>
    <message>
        <source>The operation has no defined result.</source>
        <translation>Działanie nie ma określonego wyniku.</translation>
    </message>
    <message>
        <source>The function is not defined for this number.</source>
        <translation>Funkcja nie jest określona dla tej liczby.</translation>
    </message>
    <message>
        <source>The number is outside the range of a 32-bit integer.</source>
        <translation>Liczba wykracza poza zakres 32-bitowej liczby całkowitej.</translation>
    </message>
    <message>
        <source>The number is too large for a decimal value.</source>
        <translation>Liczba jest za duża dla wartości dziesiętnej.</translation>
    </message>
    <message>
        <source>The power needs too many multiplications.</source>
        <translation>Potęga wymaga zbyt wielu mnożeń.</translation>
    </message>
    <message>
        <source>The operation failed.</source>
        <translation>Działanie nie powiodło się.</translation>
    </message>
</context>
</TS>
