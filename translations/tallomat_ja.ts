<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
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
        <translation>キーパッド</translation>
    </message>
    <message>
        <source>Display integer portion</source>
        <translation>整数部分を表示</translation>
    </message>
    <message>
        <source>Integer part</source>
        <translation>整数部分</translation>
    </message>
    <message>
        <source>Logarithm( base e)</source>
        <translation>対数（底 e）</translation>
    </message>
    <message>
        <source>Natural logarithm</source>
        <translation>自然対数</translation>
    </message>
    <message>
        <source>Set input in degree</source>
        <translation>度で入力</translation>
    </message>
    <message>
        <source>Radian</source>
        <translation>ラジアン</translation>
    </message>
    <message>
        <source>Degree</source>
        <translation>度</translation>
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
        <translation>小数を丸める</translation>
    </message>
    <message>
        <source>Round</source>
        <translation>丸め</translation>
    </message>
    <message>
        <source>Exponential Function</source>
        <translation>指数関数</translation>
    </message>
    <message>
        <source>Exponential</source>
        <translation>指数関数</translation>
    </message>
    <message>
        <source>Logarithm( base 10)</source>
        <translation>対数（底 10）</translation>
    </message>
    <message>
        <source>Decimal logarithm</source>
        <translation>常用対数</translation>
    </message>
    <message>
        <source>Value of pi</source>
        <translation>円周率の値</translation>
    </message>
    <message>
        <source>Pi</source>
        <translation>円周率</translation>
    </message>
    <message>
        <source>Tangent</source>
        <translation>タンジェント</translation>
    </message>
    <message>
        <source>Cosine</source>
        <translation>コサイン</translation>
    </message>
    <message>
        <source>Sine</source>
        <translation>サイン</translation>
    </message>
    <message>
        <source>x Factorial</source>
        <translation>x の階乗</translation>
    </message>
    <message>
        <source>Factorial</source>
        <translation>階乗</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>べき乗</translation>
    </message>
    <message>
        <source>Cube</source>
        <translation>3 乗</translation>
    </message>
    <message>
        <source>Square</source>
        <translation>2 乗</translation>
    </message>
    <message>
        <source>Display M when number is stored.</source>
        <translation>数値がメモリーにあるときは M を表示します。</translation>
    </message>
    <message>
        <source>Memory indicator</source>
        <translation>メモリー表示</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>Memory Increment</source>
        <translation>メモリーに加算</translation>
    </message>
    <message>
        <source>Memory add</source>
        <translation>メモリー加算</translation>
    </message>
    <message>
        <source>Memory Store</source>
        <translation>メモリーに保存</translation>
    </message>
    <message>
        <source>Memory store</source>
        <translation>メモリー保存</translation>
    </message>
    <message>
        <source>Memory Recall</source>
        <translation>メモリーから呼び出し</translation>
    </message>
    <message>
        <source>Memory recall</source>
        <translation>メモリー呼び出し</translation>
    </message>
    <message>
        <source>Memory Clear</source>
        <translation>メモリーをクリア</translation>
    </message>
    <message>
        <source>Memory clear</source>
        <translation>メモリークリア</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>表示欄</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>バックスペース</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>クリア</translation>
    </message>
    <message>
        <source>Division</source>
        <translation>割り算</translation>
    </message>
    <message>
        <source>Divide</source>
        <translation>割る</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>掛け算</translation>
    </message>
    <message>
        <source>Multiply</source>
        <translation>掛ける</translation>
    </message>
    <message>
        <source>Substraction</source>
        <translation>引き算</translation>
    </message>
    <message>
        <source>Subtract</source>
        <translation>引く</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>足し算</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>足す</translation>
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
        <translation>剰余</translation>
    </message>
    <message>
        <source>1 divided by x</source>
        <translation>x 分の 1</translation>
    </message>
    <message>
        <source>Reciprocal</source>
        <translation>逆数</translation>
    </message>
    <message>
        <source>Equal to</source>
        <translation>イコール</translation>
    </message>
    <message>
        <source>Equals</source>
        <translation>イコール</translation>
    </message>
    <message>
        <source>Change sign</source>
        <translation>符号を反転</translation>
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
        <translation>表示欄に数値がありません。</translation>
    </message>
    <message>
        <source>The number is too large.</source>
        <translation>数値が大きすぎます。</translation>
    </message>
    <message>
        <source>The result is too large.</source>
        <translation>結果が大きすぎます。</translation>
    </message>
    <message>
        <source>Division by zero.</source>
        <translation>0 で割ることはできません。</translation>
    </message>
    <message>
        <source>The operation has no defined result.</source>
        <translation>この演算の結果は定義されていません。</translation>
    </message>
    <message>
        <source>The function is not defined for this number.</source>
        <translation>この数値では関数が定義されていません。</translation>
    </message>
    <message>
        <source>The number is outside the range of a 32-bit integer.</source>
        <translation>数値が 32 ビット整数の範囲外です。</translation>
    </message>
    <message>
        <source>The number is too large for a decimal value.</source>
        <translation>数値が大きすぎて 10 進数値にできません。</translation>
    </message>
    <message>
        <source>The power needs too many multiplications.</source>
        <translation>べき乗に必要な掛け算が多すぎます。</translation>
    </message>
    <message>
        <source>The operation failed.</source>
        <translation>演算に失敗しました。</translation>
    </message>
</context>
</TS>
