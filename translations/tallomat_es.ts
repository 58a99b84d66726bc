<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>ActionAnnouncer</name>
    <message>
        <source>blank</source>
        <comment>the display, which shows nothing</comment>
        <translation>vacío</translation>
    </message>
    <message>
        <source>%1 blank</source>
        <comment>the memory indicator (%1, its name), which shows nothing</comment>
        <translation>%1 vacío</translation>
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
        <translation>Teclado</translation>
    </message>
    <message>
        <source>Display integer portion</source>
        <translation>Mostrar la parte entera</translation>
    </message>
    <message>
        <source>Integer part</source>
        <translation>Parte entera</translation>
    </message>
    <message>
        <source>Logarithm( base e)</source>
        <translation>Logaritmo (base e)</translation>
    </message>
    <message>
        <source>Natural logarithm</source>
        <translation>Logaritmo natural</translation>
    </message>
    <message>
        <source>Set input in degree</source>
        <translation>Entrada en grados</translation>
    </message>
    <message>
        <source>Radian</source>
        <translation>Radianes</translation>
    </message>
    <message>
        <source>Degree</source>
        <translation>Grados</translation>
    </message>
    <message>
        <source>Cube Root</source>
        <translation>Raíz cúbica</translation>
    </message>
    <message>
        <source>Cube root</source>
        <translation>Raíz cúbica</translation>
    </message>
    <message>
        <source>Round the fractional number</source>
        <translation>Redondear el número decimal</translation>
    </message>
    <message>
        <source>Round</source>
        <translation>Redondear</translation>
    </message>
    <message>
        <source>Exponential Function</source>
        <translation>Función exponencial</translation>
    </message>
    <message>
        <source>Exponential</source>
        <translation>Exponencial</translation>
    </message>
    <message>
        <source>Logarithm( base 10)</source>
        <translation>Logaritmo (base 10)</translation>
    </message>
    <message>
        <source>Decimal logarithm</source>
        <translation>Logaritmo decimal</translation>
    </message>
    <message>
        <source>Value of pi</source>
        <translation>Valor de pi</translation>
    </message>
    <message>
        <source>Pi</source>
        <translation>Pi</translation>
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
        <translation>Factorial de x</translation>
    </message>
    <message>
        <source>Factorial</source>
        <translation>Factorial</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Potencia</translation>
    </message>
    <message>
        <source>Cube</source>
        <translation>Cubo</translation>
    </message>
    <message>
        <source>Square</source>
        <translation>Cuadrado</translation>
    </message>
    <message>
        <source>Display M when number is stored.</source>
        <translation>Muestra M cuando hay un número guardado.</translation>
    </message>
    <message>
        <source>Memory indicator</source>
        <translation>Indicador de memoria</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Memory Increment</source>
        <translation>Sumar a la memoria</translation>
    </message>
    <message>
        <source>Memory add</source>
        <translation>Sumar a la memoria</translation>
    </message>
    <message>
        <source>Memory Store</source>
        <translation>Guardar en la memoria</translation>
    </message>
    <message>
        <source>Memory store</source>
        <translation>Guardar en la memoria</translation>
    </message>
    <message>
        <source>Memory Recall</source>
        <translation>Recuperar de la memoria</translation>
    </message>
    <message>
        <source>Memory recall</source>
        <translation>Recuperar de la memoria</translation>
    </message>
    <message>
        <source>Memory Clear</source>
        <translation>Borrar la memoria</translation>
    </message>
    <message>
        <source>Memory clear</source>
        <translation>Borrar la memoria</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Pantalla</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Retroceso</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Division</source>
        <translation>División</translation>
    </message>
    <message>
        <source>Divide</source>
        <translation>Dividir</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Multiplicación</translation>
    </message>
    <message>
        <source>Multiply</source>
        <translation>Multiplicar</translation>
    </message>
    <message>
        <source>Substraction</source>
        <translation>Resta</translation>
    </message>
    <message>
        <source>Subtract</source>
        <translation>Restar</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>Suma</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Sumar</translation>
    </message>
    <message>
        <source>Square Root</source>
        <translation>Raíz cuadrada</translation>
    </message>
    <message>
        <source>Square root</source>
        <translation>Raíz cuadrada</translation>
    </message>
    <message>
        <source>Modulus</source>
        <translation>Módulo</translation>
    </message>
    <message>
        <source>1 divided by x</source>
        <translation>1 dividido entre x</translation>
    </message>
    <message>
        <source>Reciprocal</source>
        <translation>Recíproco</translation>
    </message>
    <message>
        <source>Equal to</source>
        <translation>Igual a</translation>
    </message>
    <message>
        <source>Equals</source>
        <translation>Igual</translation>
    </message>
    <message>
        <source>Change sign</source>
        <translation>Cambiar el signo</translation>
    </message>
    <message>
        <source>point</source>
        <translation>Punto decimal</translation>
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
        <translation>La pantalla no contiene un número.</translation>
    </message>
    <message>
        <source>The number is too large.</source>
        <translation>El número es demasiado grande.</translation>
    </message>
    <message>
        <source>The result is too large.</source>
        <translation>El resultado es demasiado grande.</translation>
    </message>
    <message>
        <source>Division by zero.</source>
        <translation>División entre cero.</translation>
    </message>
    <message>
        <source>The operation has no defined result.</source>
        <translation>La operación no tiene un resultado definido.</translation>
    </message>
    <message>
        <source>The function is not defined for this number.</source>
        <translation>La función no está definida para este número.</translation>
    </message>
    <message>
        <source>The number is outside the range of a 32-bit integer.</source>
        <translation>El número está fuera del rango de un entero de 32 bits.</translation>
    </message>
    <message>
        <source>The number is too large for a decimal value.</source>
        <translation>El número es demasiado grande para un valor decimal.</translation>
    </message>
    <message>
        <source>The power needs too many multiplications.</source>
        <translation>La potencia necesita demasiadas multiplicaciones.</translation>
    </message>
    <message>
        <source>The operation failed.</source>
        <translation>La operación ha fallado.</translation>
    </message>
</context>
</TS>
