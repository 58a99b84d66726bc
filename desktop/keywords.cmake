# The words that the menu and the software centre find the program by, in each language, kept in
# one list for the desktop entry (TALLOMAT_DESKTOP_KEYWORDS) and the metainfo
# (TALLOMAT_METAINFO_KEYWORDS). The English "calculator" is in every language, as people search
# for it whatever their desktop's language.
set(keywords_by_language
    en    "calculator,scientific,arithmetic,trigonometry,math"
    de    "Rechner,Taschenrechner,calculator,Berechnung,rechnen,wissenschaftlich,Arithmetik,Trigonometrie,Mathematik"
    fr    "calculatrice,calculette,calculator,scientifique,arithmétique,trigonométrie,mathématiques,maths"
    es    "calculadora,calculator,cálculo,científica,aritmética,trigonometría,matemáticas"
    it    "calcolatrice,calculator,calcolo,scientifica,aritmetica,trigonometria,matematica"
    pt_BR "calculadora,calculator,cálculo,científica,aritmética,trigonometria,matemática"
    ru    "калькулятор,calculator,вычисления,инженерный,научный,арифметика,тригонометрия,математика"
    pl    "kalkulator,calculator,obliczenia,naukowy,arytmetyka,trygonometria,matematyka"
    nl    "rekenmachine,calculator,berekening,wetenschappelijk,rekenen,goniometrie,wiskunde"
    ja    "電卓,計算機,calculator,関数電卓,算術,三角関数,数学"
    zh_CN "计算器,calculator,科学,算术,三角函数,数学")

# The entry's lines "Keywords[de]=Rechner;...;", and the metainfo's <keywords> element with a
# <keyword xml:lang="de"> for each word, indented as the template's other elements.
set(TALLOMAT_DESKTOP_KEYWORDS "")
set(TALLOMAT_METAINFO_KEYWORDS "<keywords>")
while(keywords_by_language)
    list(POP_FRONT keywords_by_language language words)
    string(REPLACE "," ";" words "${words}")
    if(language STREQUAL "en")
        set(key "Keywords")
        set(attribute "")
    else()
        set(key "Keywords[${language}]")
        set(attribute " xml:lang=\"${language}\"")
    endif()
    if(TALLOMAT_DESKTOP_KEYWORDS)
        string(APPEND TALLOMAT_DESKTOP_KEYWORDS "\n")
    endif()
    string(APPEND TALLOMAT_DESKTOP_KEYWORDS "${key}=${words};")
    foreach(word IN LISTS words)
        string(APPEND TALLOMAT_METAINFO_KEYWORDS "\n    <keyword${attribute}>${word}</keyword>")
    endforeach()
endwhile()
string(APPEND TALLOMAT_METAINFO_KEYWORDS "\n  </keywords>")
