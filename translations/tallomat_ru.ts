<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>ActionAnnouncer</name>
    <message>
        <source>blank</source>
        <comment>the display, which shows nothing</comment>
        <translation>пусто</translation>
    </message>
    <message>
        <source>%1 blank</source>
        <comment>the memory indicator (%1, its name), which shows nothing</comment>
        <translation>%1 пуст</translation>
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
        <translation>Панель клавиш</translation>
    </message>
    <message>
        <source>Display integer portion</source>
        <translation>Показать целую часть</translation>
    </message>
    <message>
        <source>Integer part</source>
        <translation>Целая часть</translation>
    </message>
    <message>
        <source>Logarithm( base e)</source>
        <translation>Логарифм (по основанию e)</translation>
    </message>
    <message>
        <source>Natural logarithm</source>
        <translation>Натуральный логарифм</translation>
    </message>
    <message>
        <source>Set input in degree</source>
        <translation>Ввод в градусах</translation>
    </message>
    <message>
        <source>Radian</source>
        <translation>Радианы</translation>
    </message>
    <message>
        <source>Degree</source>
        <translation>Градусы</translation>
    </message>
    <message>
        <source>Cube Root</source>
        <translation>Кубический корень</translation>
    </message>
    <message>
        <source>Cube root</source>
        <translation>Кубический корень</translation>
    </message>
    <message>
        <source>Round the fractional number</source>
        <translation>Округлить дробное число</translation>
    </message>
    <message>
        <source>Round</source>
        <translation>Округлить</translation>
    </message>
    <message>
        <source>Exponential Function</source>
        <translation>Экспоненциальная функция</translation>
    </message>
    <message>
        <source>Exponential</source>
        <translation>Экспонента</translation>
    </message>
    <message>
        <source>Logarithm( base 10)</source>
        <translation>Логарифм (по основанию 10)</translation>
    </message>
    <message>
        <source>Decimal logarithm</source>
        <translation>Десятичный логарифм</translation>
    </message>
    <message>
        <source>Value of pi</source>
        <translation>Значение числа пи</translation>
    </message>
    <message>
        <source>Pi</source>
        <translation>Пи</translation>
    </message>
    <message>
        <source>Tangent</source>
        <translation>Тангенс</translation>
    </message>
    <message>
        <source>Cosine</source>
        <translation>Косинус</translation>
    </message>
    <message>
        <source>Sine</source>
        <translation>Синус</translation>
    </message>
    <message>
        <source>x Factorial</source>
        <translation>Факториал x</translation>
    </message>
    <message>
        <source>Factorial</source>
        <translation>Факториал</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Степень</translation>
    </message>
    <message>
        <source>Cube</source>
        <translation>Куб</translation>
    </message>
    <message>
        <source>Square</source>
        <translation>Квадрат</translation>
    </message>
    <message>
        <source>Display M when number is stored.</source>
        <translation>Показывает M, когда число сохранено в памяти.</translation>
    </message>
    <message>
        <source>Memory indicator</source>
        <translation>Индикатор памяти</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Memory Increment</source>
        <translation>Прибавить к памяти</translation>
    </message>
    <message>
        <source>Memory add</source>
        <translation>Прибавить к памяти</translation>
    </message>
    <message>
        <source>Memory Store</source>
        <translation>Сохранить в памяти</translation>
    </message>
    <message>
        <source>Memory store</source>
        <translation>Сохранить в памяти</translation>
    </message>
    <message>
        <source>Memory Recall</source>
        <translation>Извлечь из памяти</translation>
    </message>
    <message>
        <source>Memory recall</source>
        <translation>Извлечь из памяти</translation>
    </message>
    <message>
        <source>Memory Clear</source>
        <translation>Очистить память</translation>
    </message>
    <message>
        <source>Memory clear</source>
        <translation>Очистить память</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Дисплей</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Забой</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Очистить</translation>
    </message>
    <message>
        <source>Division</source>
        <translation>Деление</translation>
    </message>
    <message>
        <source>Divide</source>
        <translation>Разделить</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Умножение</translation>
    </message>
    <message>
        <source>Multiply</source>
        <translation>Умножить</translation>
    </message>
    <message>
        <source>Substraction</source>
        <translation>Вычитание</translation>
    </message>
    <message>
        <source>Subtract</source>
        <translation>Вычесть</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>Сложение</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Прибавить</translation>
    </message>
    <message>
        <source>Square Root</source>
        <translation>Квадратный корень</translation>
    </message>
    <message>
        <source>Square root</source>
        <translation>Квадратный корень</translation>
    </message>
    <message>
        <source>Modulus</source>
        <translation>Остаток от деления</translation>
    </message>
    <message>
        <source>1 divided by x</source>
        <translation>1, делённое на x</translation>
    </message>
    <message>
        <source>Reciprocal</source>
        <translation>Обратное число</translation>
    </message>
    <message>
        <source>Equal to</source>
        <translation>Равно</translation>
    </message>
    <message>
        <source>Equals</source>
        <translation>Равно</translation>
    </message>
    <message>
        <source>Change sign</source>
        <translation>Сменить знак</translation>
    </message>
    <message>
        <source>point</source>
        <translation>Десятичная точка</translation>
    </message>
    <message>
        <source>Point</source>
        <translation>Точка</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>The display does not hold a number.</source>
        <translation>На дисплее нет числа.</translation>
    </message>
    <message>
        <source>The number is too large.</source>
        <translation>Число слишком велико.</translation>
    </message>
    <message>
        <source>The result is too large.</source>
        <translation>Результат слишком велик.</translation>
    </message>
    <message>
        <source>Division by zero.</source>
        <translation>Деление на ноль.</translation>
    </message>
    <message>
        <source>The operation has no defined result.</source>
        <translation>У операции нет определённого результата.</translation>
    </message>
    <message>
        <source>The function is not defined for this number.</source>
        <translation>Функция не определена для этого числа.</translation>
    </message>
    <message>
        <source>The number is outside the range of a 32-bit integer.</source>
        <translation>Число выходит за пределы 32-битного целого.</translation>
    </message>
    <message>
        <source>The number is too large for a decimal value.</source>
        <translation>Число слишком велико для десятичного значения.</translation>
    </message>
    <message>
        <source>The power needs too many multiplications.</source>
        <translation>Для степени нужно слишком много умножений.</translation>
    </message>
    <message>
        <source>The operation failed.</source>
        <translation>Операция не выполнена.</translation>
    </message>
</context>
</TS>
