<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>ActionAnnouncer</name>
    <message>
        <source>blank</source>
        <comment>the display, which shows nothing</comment>
        <translation>vazio</translation>
    </message>
    <message>
        <source>%1 blank</source>
        <comment>the memory indicator (%1, its name), which shows nothing</comment>
        <translation>%1 vazio</translation>
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
        <translation>Mostrar a parte inteira</translation>
    </message>
    <message>
        <source>Integer part</source>
        <translation>Parte inteira</translation>
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
        <translation>Entrada em graus</translation>
    </message>
    <message>
        <source>Radian</source>
        <translation>Radianos</translation>
    </message>
    <message>
        <source>Degree</source>
        <translation>Graus</translation>
    </message>
    <message>
        <source>Cube Root</source>
        <translation>Raiz cúbica</translation>
    </message>
    <message>
        <source>Cube root</source>
        <translation>Raiz cúbica</translation>
    </message>
    <message>
        <source>Round the fractional number</source>
        <translation>Arredondar o número decimal</translation>
    </message>
    <message>
        <source>Round</source>
        <translation>Arredondar</translation>
    </message>
    <message>
        <source>Exponential Function</source>
        <translation>Função exponencial</translation>
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
        <translation>Cosseno</translation>
    </message>
    <message>
        <source>Sine</source>
        <translation>Seno</translation>
    </message>
    <message>
        <source>x Factorial</source>
        <translation>Fatorial de x</translation>
    </message>
    <message>
        <source>Factorial</source>
        <translation>Fatorial</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Potência</translation>
    </message>
    <message>
        <source>Cube</source>
        <translation>Cubo</translation>
    </message>
    <message>
        <source>Square</source>
        <translation>Quadrado</translation>
    </message>
    <message>
        <source>Display M when number is stored.</source>
        <translation>Mostra M quando há um número na memória.</translation>
    </message>
    <message>
        <source>Memory indicator</source>
        <translation>Indicador de memória</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Memory Increment</source>
        <translation>Somar à memória</translation>
    </message>
    <message>
        <source>Memory add</source>
        <translation>Somar à memória</translation>
    </message>
    <message>
        <source>Memory Store</source>
        <translation>Guardar na memória</translation>
    </message>
    <message>
        <source>Memory store</source>
        <translation>Guardar na memória</translation>
    </message>
    <message>
        <source>Memory Recall</source>
        <translation>Recuperar da memória</translation>
    </message>
    <message>
        <source>Memory recall</source>
        <translation>Recuperar da memória</translation>
    </message>
    <message>
        <source>Memory Clear</source>
        <translation>Limpar a memória</translation>
    </message>
    <message>
        <source>Memory clear</source>
        <translation>Limpar a memória</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Visor</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Retrocesso</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Limpar</translation>
    </message>
    <message>
        <source>Division</source>
        <translation>Divisão</translation>
    </message>
    <message>
        <source>Divide</source>
        <translation>Dividir</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Multiplicação</translation>
    </message>
    <message>
        <source>Multiply</source>
        <translation>Multiplicar</translation>
    </message>
    <message>
        <source>Substraction</source>
        <translation>Subtração</translation>
    </message>
    <message>
        <source>Subtract</source>
        <translation>Subtrair</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>Adição</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Somar</translation>
    </message>
    <message>
        <source>Square Root</source>
        <translation>Raiz quadrada</translation>
    </message>
    <message>
        <source>Square root</source>
        <translation>Raiz quadrada</translation>
    </message>
    <message>
        <source>Modulus</source>
        <translation>Módulo</translation>
    </message>
    <message>
        <source>1 divided by x</source>
        <translation>1 dividido por x</translation>
    </message>
    <message>
        <source>Reciprocal</source>
        <translation>Inverso</translation>
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
        <translation>Trocar o sinal</translation>
    </message>
    <message>
        <source>point</source>
        <translation>Ponto decimal</translation>
    </message>
    <message>
        <source>Point</source>
        <translation>Ponto</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>The display does not hold a number.</source>
        <translation>O visor não contém um número.</translation>
    </message>
    <message>
        <source>The number is too large.</source>
        <translation>O número é grande demais.</translation>
    </message>
    <message>
        <source>The result is too large.</source>
        <translation>O resultado é grande demais.</translation>
    </message>
    <message>
        <source>Division by zero.</source>
        <translation>Divisão por zero.</translation>
    </message>
    <message>
        <source>The operation has no defined result.</source>
        <translation>A operação não tem um resultado definido.</translation>
    </message>
    <message>
        <source>The function is not defined for this number.</source>
        <translation>A função não está definida para este número.</translation>
    </message>
    <message>
        <source>The number is outside the range of a 32-bit integer.</source>
        <translation>O número está fora do intervalo de um inteiro de 32 bits.</translation>
    </message>
    <message>
        <source>The number is too large for a decimal value.</source>
        <translation>O número é grande demais para um valor decimal.</translation>
    </message>
    <message>
        <source>The power needs too many multiplications.</source>
        <translation>A potência exige multiplicações demais.</translation>
    </message>
    <message>
        <source>The operation failed.</source>
        <translation>A operação falhou.</translation>
    </message>
</context>
</TS>
