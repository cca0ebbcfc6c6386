#pragma once
// Enumerations of the design model. Generators and design files use the enumerator names,
// so the names and their order are part of the model.
#include <QMetaEnum>
#include <QObject>

namespace dd {
Q_NAMESPACE

// Variable type of entry controls and of variables; the letters are c, n, d, l, a, b.
enum class TTypeGet { tgCaracter, tgNumeric, tgDate, tgLogical, tgArray, tgCodeBlock };
Q_ENUM_NS(TTypeGet)

enum class TColorA {
    CLR_BLACK, CLR_BLUE, CLR_GREEN, CLR_CYAN, CLR_RED, CLR_MAGENTA, CLR_BROWN, CLR_HCYAN, CLR_HRED,
    CLR_HMAGENTA, CLR_HGREEN, CLR_LIGHTGRAY, CLR_GRAY, CLR_HBLUE, CLR_YELLOW, CLR_HGRAY, CLR_WHITE
};
Q_ENUM_NS(TColorA)

// Status colours of a browse's colour rules.
enum class TTCores {
    BR_AMARELO, BR_AZUL, BR_PINK, BR_CINZA, BR_BRANCO, BR_VERMELHO, BR_VERDE, BR_PRETO, BR_MARRON,
    BR_LARANJA, BRANCO, LIGHTBLU, ENABLE, DISABLE
};
Q_ENUM_NS(TTCores)

// Standard bitmaps of the enchoice bar's buttons (not alphabetical on purpose).
enum class TTResource {
    AFASTAME, ALTERA, AREA, AUTOM, BAR, BUDGET, BUDGETY, CADEADO, CANCEL, CARGA, CHAVE2, GRAF3D, LINE,
    NOTE, OBJETIVO, OK, PENDENTE, PRECO, PRODUTO, S4SB014N, S4WB001N, S4WB005N, S4WB006N, CONTAINR,
    DBG06, DBG07, DESTINOS, DISCAGEM, EDIT, EDITABLE, EXCLUIR, FORM, GRAF2D, S4WB007N, S4WB008N,
    S4WB009N, S4WB010N, S4WB011N, S4WB013N, S4WB014A, S4WB016N, SIMULACA, VENDEDOR
};
Q_ENUM_NS(TTResource)

enum class TVarType { Local, Private, Public };
Q_ENUM_NS(TVarType)

enum class TFuncType { Static, User };
Q_ENUM_NS(TFuncType)

enum class TTField { ftCaracter, ftNumeric, ftDate, ftMemo, ftLogical };
Q_ENUM_NS(TTField)

enum class TTTipoPerg { Caracter, Numerico, Data };
Q_ENUM_NS(TTTipoPerg)

enum class TTObjPerg { oEdit, oText, oCombo, oRange, oFile, oExpression, oCheck };
Q_ENUM_NS(TTObjPerg)

enum class TBorderStyle { bsNone, bsSingle };
Q_ENUM_NS(TBorderStyle)

enum class TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };
Q_ENUM_NS(TAlign)

enum class TFontStyle { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };
Q_DECLARE_FLAGS(TFontStyles, TFontStyle)
Q_FLAG_NS(TFontStyles)
Q_DECLARE_OPERATORS_FOR_FLAGS(TFontStyles)

// The name of an enumerator, as generators write it.
template <typename E>
QString enumName(E value)
{
    return QString::fromLatin1(QMetaEnum::fromType<E>().valueToKey(int(value)));
}

// The one-letter prefix of a variable of the given type.
QChar typeLetter(TTypeGet type);

} // namespace dd
