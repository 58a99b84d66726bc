<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>ActionAnnouncer</name>
    <message>
        <source>blank</source>
        <comment>the display, which shows nothing</comment>
        <translation>vide</translation>
    </message>
    <message>
        <source>%1 blank</source>
        <comment>the memory indicator (%1, its name), which shows nothing</comment>
        <translation>%1 vide</translation>
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
        <translation>Pavé de touches</translation>
    </message>
    <message>
        <source>Display integer portion</source>
        <translation>Afficher la partie entière</translation>
    </message>
    <message>
        <source>Integer part</source>
        <translation>Partie entière</translation>
    </message>
    <message>
        <source>Logarithm( base e)</source>
        <translation>Logarithme (base e)</translation>
    </message>
    <message>
        <source>Natural logarithm</source>
        <translation>Logarithme népérien</translation>
    </message>
    <message>
        <source>Set input in degree</source>
        <translation>Saisie en degrés</translation>
    </message>
    <message>
        <source>Radian</source>
        <translation>Radians</translation>
    </message>
    <message>
        <source>Degree</source>
        <translation>Degrés</translation>
    </message>
    <message>
        <source>Cube Root</source>
        <translation>Racine cubique</translation>
    </message>
    <message>
        <source>Cube root</source>
        <translation>Racine cubique</translation>
    </message>
    <message>
        <source>Round the fractional number</source>
        <translation>Arrondir le nombre décimal</translation>
    </message>
    <message>
        <source>Round</source>
        <translation>Arrondir</translation>
    </message>
    <message>
        <source>Exponential Function</source>
        <translation>Fonction exponentielle</translation>
    </message>
    <message>
        <source>Exponential</source>
        <translation>Exponentielle</translation>
    </message>
    <message>
        <source>Logarithm( base 10)</source>
        <translation>Logarithme (base 10)</translation>
    </message>
    <message>
        <source>Decimal logarithm</source>
        <translation>Logarithme décimal</translation>
    </message>
    <message>
        <source>Value of pi</source>
        <translation>Valeur de pi</translation>
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
        <translation>Cosinus</translation>
    </message>
    <message>
        <source>Sine</source>
        <translation>Sinus</translation>
    </message>
    <message>
        <source>x Factorial</source>
        <translation>Factorielle de x</translation>
    </message>
    <message>
        <source>Factorial</source>
        <translation>Factorielle</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Puissance</translation>
    </message>
    <message>
        <source>Cube</source>
        <translation>Cube</translation>
    </message>
    <message>
        <source>Square</source>
        <translation>Carré</translation>
    </message>
    <message>
        <source>Display M when number is stored.</source>
        <translation>Affiche M quand un nombre est en mémoire.</translation>
    </message>
    <message>
        <source>Memory indicator</source>
        <translation>Indicateur de mémoire</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Memory Increment</source>
        <translation>Ajouter à la mémoire</translation>
    </message>
    <message>
        <source>Memory add</source>
        <translation>Ajouter à la mémoire</translation>
    </message>
    <message>
        <source>Memory Store</source>
        <translation>Mettre en mémoire</translation>
    </message>
    <message>
        <source>Memory store</source>
        <translation>Mettre en mémoire</translation>
    </message>
    <message>
        <source>Memory Recall</source>
        <translation>Rappeler la mémoire</translation>
    </message>
    <message>
        <source>Memory recall</source>
        <translation>Rappeler la mémoire</translation>
    </message>
    <message>
        <source>Memory Clear</source>
        <translation>Effacer la mémoire</translation>
    </message>
    <message>
        <source>Memory clear</source>
        <translation>Effacer la mémoire</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Affichage</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Retour arrière</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Division</source>
        <translation>Division</translation>
    </message>
    <message>
        <source>Divide</source>
        <translation>Diviser</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Multiplication</translation>
    </message>
    <message>
        <source>Multiply</source>
        <translation>Multiplier</translation>
    </message>
    <message>
        <source>Substraction</source>
        <translation>Soustraction</translation>
    </message>
    <message>
        <source>Subtract</source>
        <translation>Soustraire</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>Addition</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Additionner</translation>
    </message>
    <message>
        <source>Square Root</source>
        <translation>Racine carrée</translation>
    </message>
    <message>
        <source>Square root</source>
        <translation>Racine carrée</translation>
    </message>
    <message>
        <source>Modulus</source>
        <translation>Modulo</translation>
    </message>
    <message>
        <source>1 divided by x</source>
        <translation>1 divisé par x</translation>
    </message>
    <message>
        <source>Reciprocal</source>
        <translation>Inverse</translation>
    </message>
    <message>
        <source>Equal to</source>
        <translation>Égal à</translation>
    </message>
    <message>
        <source>Equals</source>
        <translation>Égal</translation>
    </message>
    <message>
        <source>Change sign</source>
        <translation>Changer le signe</translation>
    </message>
    <message>
        <source>point</source>
        <translation>Point décimal</translation>
    </message>
    <message>
        <source>Point</source>
        <translation>Point</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>The display does not hold a number.</source>
        <translation>L’affichage ne contient pas de nombre.</translation>
    </message>
    <message>
        <source>The number is too large.</source>
        <translation>Le nombre est trop grand.</translation>
    </message>
    <message>
        <source>The result is too large.</source>
        <translation>Le résultat est trop grand.</translation>
    </message>
    <message>
        <source>Division by zero.</source>
        <translation>Division par zéro.</translation>
    </message>
    <message>
        <source>The operation has no defined result.</source>
        <translation>L’opération n’a pas de résultat défini.</translation>
    </message>
    <message>
        <source>The function is not defined for this number.</source>
        <translation>La fonction n’est pas définie pour ce nombre.</translation>
    </message>
    <message>
        <source>The number is outside the range of a 32-bit integer.</source>
        <translation>Le nombre dépasse les limites d’un entier de 32 bits.</translation>
    </message>
    <message>
        <source>The number is too large for a decimal value.</source>
        <translation>Le nombre est trop grand pour une valeur décimale.</translation>
    </message>
    <message>
        <source>The power needs too many multiplications.</source>
        <translation>La puissance demande trop de multiplications.</translation>
    </message>
    <message>
        <source>The operation failed.</source>
        <translation>L’opération a échoué.</translation>
    </message>
</context>
</TS>
