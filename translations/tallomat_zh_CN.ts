<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>ActionAnnouncer</name>
    <message>
        <source>blank</source>
        <comment>the display, which shows nothing</comment>
        <translation>空白</translation>
    </message>
    <message>
        <source>%1 blank</source>
        <comment>the memory indicator (%1, its name), which shows nothing</comment>
        <translation>%1 空白</translation>
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
        <translation>按键区</translation>
    </message>
    <message>
        <source>Display integer portion</source>
        <translation>显示整数部分</translation>
    </message>
    <message>
        <source>Integer part</source>
        <translation>整数部分</translation>
    </message>
    <message>
        <source>Logarithm( base e)</source>
        <translation>对数（以 e 为底）</translation>
    </message>
    <message>
        <source>Natural logarithm</source>
        <translation>自然对数</translation>
    </message>
    <message>
        <source>Set input in degree</source>
        <translation>以角度输入</translation>
    </message>
    <message>
        <source>Radian</source>
        <translation>弧度</translation>
    </message>
    <message>
        <source>Degree</source>
        <translation>角度</translation>
    </message>
    <message>
        <source>Cube Root</source>
        <translation>立方根</translation>
    </message>
    <message>
        <source>Cube root</source>
        <translation>立方根</translation>
    </message>
    <message>
        <source>Round the fractional number</source>
        <translation>对小数进行舍入</translation>
    </message>
    <message>
        <source>Round</source>
        <translation>舍入</translation>
    </message>
    <message>
        <source>Exponential Function</source>
        <translation>指数函数</translation>
    </message>
    <message>
        <source>Exponential</source>
        <translation>指数</translation>
    </message>
    <message>
        <source>Logarithm( base 10)</source>
        <translation>对数（以 10 为底）</translation>
    </message>
    <message>
        <source>Decimal logarithm</source>
        <translation>常用对数</translation>
    </message>
    <message>
        <source>Value of pi</source>
        <translation>圆周率的值</translation>
    </message>
    <message>
        <source>Pi</source>
        <translation>圆周率</translation>
    </message>
    <message>
        <source>Tangent</source>
        <translation>正切</translation>
    </message>
    <message>
        <source>Cosine</source>
        <translation>余弦</translation>
    </message>
    <message>
        <source>Sine</source>
        <translation>正弦</translation>
    </message>
    <message>
        <source>x Factorial</source>
        <translation>x 的阶乘</translation>
    </message>
    <message>
        <source>Factorial</source>
        <translation>阶乘</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>乘方</translation>
    </message>
    <message>
        <source>Cube</source>
        <translation>立方</translation>
    </message>
    <message>
        <source>Square</source>
        <translation>平方</translation>
    </message>
    <message>
        <source>Display M when number is stored.</source>
        <translation>存有数字时显示 M。</translation>
    </message>
    <message>
        <source>Memory indicator</source>
        <translation>存储指示</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Memory Increment</source>
        <translation>累加到存储器</translation>
    </message>
    <message>
        <source>Memory add</source>
        <translation>存储器加</translation>
    </message>
    <message>
        <source>Memory Store</source>
        <translation>存入存储器</translation>
    </message>
    <message>
        <source>Memory store</source>
        <translation>存储</translation>
    </message>
    <message>
        <source>Memory Recall</source>
        <translation>读取存储器</translation>
    </message>
    <message>
        <source>Memory recall</source>
        <translation>读取存储</translation>
    </message>
    <message>
        <source>Memory Clear</source>
        <translation>清除存储器</translation>
    </message>
    <message>
        <source>Memory clear</source>
        <translation>清除存储</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>显示框</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>退格</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>清除</translation>
    </message>
    <message>
        <source>Division</source>
        <translation>除法</translation>
    </message>
    <message>
        <source>Divide</source>
        <translation>除</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>乘法</translation>
    </message>
    <message>
        <source>Multiply</source>
        <translation>乘</translation>
    </message>
    <message>
        <source>Substraction</source>
        <translation>减法</translation>
    </message>
    <message>
        <source>Subtract</source>
        <translation>减</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>加法</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>加</translation>
    </message>
    <message>
        <source>Square Root</source>
        <translation>平方根</translation>
    </message>
    <message>
        <source>Square root</source>
        <translation>平方根</translation>
    </message>
    <message>
        <source>Modulus</source>
        <translation>取余</translation>
    </message>
    <message>
        <source>1 divided by x</source>
        <translation>1 除以 x</translation>
    </message>
    <message>
        <source>Reciprocal</source>
        <translation>倒数</translation>
    </message>
    <message>
        <source>Equal to</source>
        <translation>等于</translation>
    </message>
    <message>
        <source>Equals</source>
        <translation>等于</translation>
    </message>
    <message>
        <source>Change sign</source>
        <translation>改变正负号</translation>
    </message>
    <message>
        <source>point</source>
        <translation>小数点</translation>
    </message>
    <message>
        <source>Point</source>
        <translation>小数点</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>The display does not hold a number.</source>
        <translation>显示框中不是数字。</translation>
    </message>
    <message>
        <source>The number is too large.</source>
        <translation>数字太大。</translation>
    </message>
    <message>
        <source>The result is too large.</source>
        <translation>结果太大。</translation>
    </message>
    <message>
        <source>Division by zero.</source>
        <translation>除数为零。</translation>
    </message>
    <message>
        <source>The operation has no defined result.</source>
        <translation>该运算没有确定的结果。</translation>
    </message>
    <message>
        <source>The function is not defined for this number.</source>
        <translation>该函数对此数字没有定义。</translation>
    </message>
    <message>
        <source>The number is outside the range of a 32-bit integer.</source>
        <translation>数字超出 32 位整数的范围。</translation>
    </message>
    <message>
        <source>The number is too large for a decimal value.</source>
        <translation>数字太大，无法作为十进制值。</translation>
    </message>
    <message>
        <source>The power needs too many multiplications.</source>
        <translation>乘方需要的乘法次数太多。</translation>
    </message>
    <message>
        <source>The operation failed.</source>
        <translation>运算失败。</translation>
    </message>
</context>
</TS>
