#pragma once
// The data-bound building blocks of the ERP: edit form, browse with marks, editable grid,
// tree, temporary-table definition and question group.
#include <QList>
#include <QStringList>

#include "model/collection.h"
#include "model/control.h"
#include "model/enums.h"
#include "model/values.h"

namespace dd {

// A column of a data grid's preview.
struct GridColumn {
    Q_GADGET
    Q_PROPERTY(QString FieldName MEMBER fieldName)
    Q_PROPERTY(QString Title MEMBER title)
    Q_PROPERTY(QString Picture MEMBER picture)
public:
    QString fieldName;
    QString title;
    QString picture;
    friend bool operator==(const GridColumn &, const GridColumn &) = default;
};

class TaField : public CollectionItem {
    Q_OBJECT
    Q_PROPERTY(QString cPicture MEMBER m_cPicture)
    Q_PROPERTY(QString cTitle MEMBER m_cTitle)
    Q_PROPERTY(QString cField MEMBER m_cField)
    Q_PROPERTY(dd::TTField cType MEMBER m_cType)
    Q_PROPERTY(int nSize MEMBER m_nSize)
    Q_PROPERTY(int nPrecision MEMBER m_nPrecision)
public:
    using CollectionItem::CollectionItem;
    QString cPicture() const { return m_cPicture; }
    QString cTitle() const { return m_cTitle; }
    QString cField() const { return m_cField; }
    TTField cType() const { return m_cType; }
    int nSize() const { return m_nSize; }
    int nPrecision() const { return m_nPrecision; }

private:
    QString m_cPicture;
    QString m_cTitle = QStringLiteral("Field 1");
    QString m_cField = QStringLiteral("FIELD");
    TTField m_cType = TTField::ftCaracter;
    int m_nSize = 1;
    int m_nPrecision = 0;
};

// A temporary work table: its static function creates and opens it under `cAlias`.
class TTCriaTrab : public Component {
    Q_OBJECT
    Q_CLASSINFO("PreName", "Tbl")
    Q_PROPERTY(QString PreName READ preName)
    Q_PROPERTY(dd::ItemCollection *aFields READ aFields CONSTANT)
    Q_PROPERTY(QString cAlias READ cAlias WRITE setCAlias)
    Q_PROPERTY(QString IndexFields MEMBER m_indexFields)
public:
    explicit TTCriaTrab(DesignRoot *root);

    ItemCollection *aFields() const { return m_fields; }
    TaField *addField() { return static_cast<TaField *>(m_fields->add()); }
    QString cAlias() const { return m_cAlias; }
    // The alias is never blank: a blank value is refused (false) and the old one stays.
    bool setCAlias(const QString &v);
    QString indexFields() const { return m_indexFields; }

    QString validateWrite(const char *property, const QVariant &value) const override;
    bool isReferenceTarget() const override { return true; }

private:
    ItemCollection *m_fields;
    QString m_cAlias = QStringLiteral("TMP");
    QString m_indexFields;
};

// Base of the browse and the editable grid: an alias and the preview columns.
class DataGrid : public Control {
    Q_OBJECT
public:
    explicit DataGrid(DesignRoot *root);

    QList<GridColumn> columns() const { return m_columns; }
    void setColumns(const QList<GridColumn> &v) { assign(m_columns, v, "Columns"); }
    QString alias() const { return m_alias; }
    // Stored in upper case; on the design surface the columns follow the table's fields.
    void setAlias(const QString &v);

protected:
    // Replaces the columns by the used fields of the alias's table when previews are on.
    void rebuildColumnsFromDictionary();
    static QList<GridColumn> titleColumn();

    QList<GridColumn> m_columns;
    QString m_alias;
};

class TaCor : public CollectionItem {
    Q_OBJECT
    Q_PROPERTY(QString cCondition MEMBER m_cCondition)
    Q_PROPERTY(dd::TTCores cResource MEMBER m_cResource)
public:
    using CollectionItem::CollectionItem;
    QString cCondition() const { return m_cCondition; }
    TTCores cResource() const { return m_cResource; }

private:
    QString m_cCondition;
    TTCores m_cResource = TTCores::BR_AMARELO;
};

class TTMsSelect : public DataGrid {
    Q_OBJECT
    Q_CLASSINFO("PreName", "Brw")
    Q_PROPERTY(dd::Font Font READ font WRITE setFont)
    Q_PROPERTY(dd::Color Color READ color WRITE setColor)
    Q_PROPERTY(int TabOrder READ tabOrder WRITE setTabOrder)
    Q_PROPERTY(QString Script READ script)
    Q_PROPERTY(QString VarScript READ varScript)
    Q_PROPERTY(QString StaticScript READ staticScript)
    Q_PROPERTY(QString PreName READ preName)
    Q_PROPERTY(bool lModified MEMBER m_lModified)
    Q_PROPERTY(dd::TTCriaTrab *TempTable READ tempTable WRITE setTempTable)
    Q_PROPERTY(dd::ItemCollection *aCores READ aCores CONSTANT)
    Q_PROPERTY(bool lMark READ lMark WRITE setLMark)
    Q_PROPERTY(bool lHasMark MEMBER m_lHasMark)
    Q_PROPERTY(bool lCanAllmark MEMBER m_lCanAllmark)
    Q_PROPERTY(bool l3DLook MEMBER m_l3DLook)
    Q_PROPERTY(bool lReadOnly MEMBER m_lReadOnly)
    Q_PROPERTY(bool lVisibleControl MEMBER m_lVisibleControl)
    Q_PROPERTY(QString Cargo MEMBER m_Cargo)
    Q_PROPERTY(QString cMarca MEMBER m_cMarca)
    Q_PROPERTY(QString cFieldMarca READ cFieldMarca WRITE setCFieldMarca)
    Q_PROPERTY(bool lActive MEMBER m_lActive)
    Q_PROPERTY(bool ShowHint READ showHint WRITE setShowHint)
    Q_PROPERTY(QList<dd::GridColumn> Columns READ columns WRITE setColumns STORED false)
    Q_PROPERTY(QString Alias READ alias WRITE setAlias)
    Q_PROPERTY(QString cFiltro MEMBER m_cFiltro)
    Q_PROPERTY(int AliasOrder MEMBER m_aliasOrder)
    Q_PROPERTY(QString bAval MEMBER m_bAval)
    Q_PROPERTY(QString bChange MEMBER m_bChange)
    Q_PROPERTY(QString bGetFocus MEMBER m_bGetFocus)
    Q_PROPERTY(QString bLostFocus MEMBER m_bLostFocus)
    Q_PROPERTY(QString bKeyDown MEMBER m_bKeyDown)
    Q_PROPERTY(QString bPainted MEMBER m_bPainted)
    Q_PROPERTY(QString bLClicked MEMBER m_bLClicked)
    Q_PROPERTY(QString bRClicked MEMBER m_bRClicked)
    Q_PROPERTY(QString bLDBLClick MEMBER m_bLDBLClick)
    Q_PROPERTY(QString bWhen MEMBER m_bWhen)
    Q_PROPERTY(QString bValid MEMBER m_bValid)
    Q_PROPERTY(QStringList ExecAfter MEMBER m_ExecAfter)
    Q_PROPERTY(QStringList ExecBefore MEMBER m_ExecBefore)
public:
    explicit TTMsSelect(DesignRoot *root);
    QString script() const;
    QString varScript() const;
    QString staticScript() const;

    TTCriaTrab *tempTable() const { return m_tempTable; }
    // Takes alias and columns from the table and calls its function before the browse;
    // none restores the single "Title" column and clears the marking.
    void setTempTable(TTCriaTrab *table);
    ItemCollection *aCores() const { return m_cores; }
    TaCor *addCor() { return static_cast<TaCor *>(m_cores->add()); }
    bool lMark() const { return m_lMark; }
    // Switches record marking on (mark expression, mark action) or off (all of it cleared).
    void setLMark(bool v);
    bool lHasMark() const { return m_lHasMark; }
    bool lCanAllmark() const { return m_lCanAllmark; }
    QString cMarca() const { return m_cMarca; }
    QString cFieldMarca() const { return m_cFieldMarca; }
    // A mark field turns the mark expression on; a blank one clears the marking.
    void setCFieldMarca(const QString &v);
    QString cFiltro() const { return m_cFiltro; }
    int aliasOrder() const { return m_aliasOrder; }
    QString bAval() const { return m_bAval; }

    void forgetReference(Component *gone) override;

private:
    void clearMarking();
    bool loading() const;

    TTCriaTrab *m_tempTable = nullptr;
    ItemCollection *m_cores;
    bool m_lMark = false, m_lHasMark = false, m_lCanAllmark = false;
    QString m_cMarca, m_cFieldMarca, m_cFiltro, m_bAval;
    int m_aliasOrder = 0;
};

class TTMsNewGetDados : public DataGrid {
    Q_OBJECT
    Q_CLASSINFO("PreName", "Brw")
    Q_PROPERTY(dd::Font Font READ font WRITE setFont)
    Q_PROPERTY(dd::Color Color READ color WRITE setColor)
    Q_PROPERTY(int TabOrder READ tabOrder WRITE setTabOrder)
    Q_PROPERTY(QList<dd::GridColumn> Columns READ columns WRITE setColumns STORED false)
    Q_PROPERTY(QString Script READ script)
    Q_PROPERTY(QString StaticScript READ staticScript)
    Q_PROPERTY(QString VarScript READ varScript)
    Q_PROPERTY(QString PreName READ preName)
    Q_PROPERTY(bool l3DLook MEMBER m_l3DLook)
    Q_PROPERTY(bool lReadOnly MEMBER m_lReadOnly)
    Q_PROPERTY(bool lVisibleControl MEMBER m_lVisibleControl)
    Q_PROPERTY(bool lModified MEMBER m_lModified)
    Q_PROPERTY(QString Cargo MEMBER m_Cargo)
    Q_PROPERTY(bool lActive MEMBER m_lActive)
    Q_PROPERTY(bool laRotina MEMBER m_laRotina)
    Q_PROPERTY(bool ShowHint READ showHint WRITE setShowHint)
    Q_PROPERTY(QString Alias READ alias WRITE setAlias)
    Q_PROPERTY(int nFreeze MEMBER m_nFreeze)
    Q_PROPERTY(QString uLinhaOk MEMBER m_uLinhaOk)
    Q_PROPERTY(QString uTudoOk MEMBER m_uTudoOk)
    Q_PROPERTY(QString cIniCpos MEMBER m_cIniCpos)
    Q_PROPERTY(bool lApagar MEMBER m_lApagar)
    Q_PROPERTY(QStringList aAlter MEMBER m_aAlter)
    Q_PROPERTY(bool lVazio MEMBER m_lVazio)
    Q_PROPERTY(int nMax MEMBER m_nMax)
    Q_PROPERTY(QString uCampoOk MEMBER m_uCampoOk)
    Q_PROPERTY(QString uSuperApagar MEMBER m_uSuperApagar)
    Q_PROPERTY(QString uApagaOk MEMBER m_uApagaOk)
    Q_PROPERTY(QString bChange MEMBER m_bChange)
    Q_PROPERTY(QString bGetFocus MEMBER m_bGetFocus)
    Q_PROPERTY(QString bLostFocus MEMBER m_bLostFocus)
    Q_PROPERTY(QString bKeyDown MEMBER m_bKeyDown)
    Q_PROPERTY(QString bPainted MEMBER m_bPainted)
    Q_PROPERTY(QString bLClicked MEMBER m_bLClicked)
    Q_PROPERTY(QString bRClicked MEMBER m_bRClicked)
    Q_PROPERTY(QString bLDBLClick MEMBER m_bLDBLClick)
    Q_PROPERTY(QString bWhen MEMBER m_bWhen)
    Q_PROPERTY(QString bValid MEMBER m_bValid)
    Q_PROPERTY(QStringList ExecAfter MEMBER m_ExecAfter)
    Q_PROPERTY(QStringList ExecBefore MEMBER m_ExecBefore)
public:
    explicit TTMsNewGetDados(DesignRoot *root);
    QString script() const;
    QString staticScript() const;
    QString varScript() const;

    bool laRotina() const { return m_laRotina; }
    int nFreeze() const { return m_nFreeze; }
    QString uLinhaOk() const { return m_uLinhaOk; }
    QString uTudoOk() const { return m_uTudoOk; }
    QString cIniCpos() const { return m_cIniCpos; }
    QStringList aAlter() const { return m_aAlter; }
    int nMax() const { return m_nMax; }
    QString uCampoOk() const { return m_uCampoOk; }
    QString uSuperApagar() const { return m_uSuperApagar; }
    QString uApagaOk() const { return m_uApagaOk; }

private:
    bool m_laRotina = false, m_lApagar = false, m_lVazio = false;
    int m_nFreeze = 0;
    int m_nMax = 99;
    QString m_uLinhaOk = QStringLiteral("AllwaysTrue()");
    QString m_uTudoOk = QStringLiteral("AllwaysTrue()");
    QString m_cIniCpos;
    QStringList m_aAlter;
    QString m_uCampoOk = QStringLiteral("AllwaysTrue()");
    QString m_uSuperApagar;
    QString m_uApagaOk = QStringLiteral("AllwaysTrue()");
};

class TTDbTree : public Control {
    Q_OBJECT
    Q_CLASSINFO("PreName", "Tree")
    Q_PROPERTY(dd::Font Font READ font WRITE setFont)
    Q_PROPERTY(dd::Color Color READ color WRITE setColor)
    Q_PROPERTY(int TabOrder READ tabOrder WRITE setTabOrder)
    Q_PROPERTY(QString Script READ script)
    Q_PROPERTY(QString PreName READ preName)
    Q_PROPERTY(bool lCargo MEMBER m_lCargo)
    Q_PROPERTY(bool lDisable MEMBER m_lDisable)
    Q_PROPERTY(bool Visible READ visible WRITE setVisible)
    Q_PROPERTY(QString bChange MEMBER m_bChange)
    Q_PROPERTY(QString bRClick MEMBER m_bRClick)
    Q_PROPERTY(QStringList ExecAfter MEMBER m_ExecAfter)
    Q_PROPERTY(QStringList ExecBefore MEMBER m_ExecBefore)
public:
    explicit TTDbTree(DesignRoot *root);
    QString script() const;

    bool lCargo() const { return m_lCargo; }
    bool lDisable() const { return m_lDisable; }
    QString bRClick() const { return m_bRClick; }
    // The top-level nodes (level 0) with their children.
    const QList<TreeNode> &nodes() const { return m_nodes; }
    void setNodes(const QList<TreeNode> &v) { assign(m_nodes, v, "Items"); }

private:
    bool m_lCargo = false, m_lDisable = false;
    QString m_bRClick;
    QList<TreeNode> m_nodes;
};

class TPerg : public CollectionItem {
    Q_OBJECT
    Q_PROPERTY(QString Pergunta MEMBER m_pergunta)
    Q_PROPERTY(dd::TTTipoPerg Tipo MEMBER m_tipo)
    Q_PROPERTY(int Tamanho MEMBER m_tamanho)
    Q_PROPERTY(int Decimal MEMBER m_decimal)
    Q_PROPERTY(QString Formato MEMBER m_formato)
    Q_PROPERTY(int PreSelecao MEMBER m_preSelecao)
    Q_PROPERTY(dd::TTObjPerg Objeto MEMBER m_objeto)
    Q_PROPERTY(QString Validacao MEMBER m_validacao)
    Q_PROPERTY(QString F3 MEMBER m_f3)
    Q_PROPERTY(QString Conteudo MEMBER m_conteudo)
    Q_PROPERTY(QString Item1 MEMBER m_item1)
    Q_PROPERTY(QString Item2 MEMBER m_item2)
    Q_PROPERTY(QString Item3 MEMBER m_item3)
    Q_PROPERTY(QString Item4 MEMBER m_item4)
    Q_PROPERTY(QString Item5 MEMBER m_item5)
    Q_PROPERTY(QStringList Help MEMBER m_help)
public:
    using CollectionItem::CollectionItem;
    QString pergunta() const { return m_pergunta; }
    TTTipoPerg tipo() const { return m_tipo; }
    int tamanho() const { return m_tamanho; }
    int decimal() const { return m_decimal; }
    QString formato() const { return m_formato; }
    int preSelecao() const { return m_preSelecao; }
    TTObjPerg objeto() const { return m_objeto; }
    QString validacao() const { return m_validacao; }
    QString f3() const { return m_f3; }
    QString conteudo() const { return m_conteudo; }
    // The five item texts of a choice question, from 1.
    QString item(int number) const;
    QStringList help() const { return m_help; }

private:
    QString m_pergunta = QStringLiteral("Pergunta 1");
    TTTipoPerg m_tipo = TTTipoPerg::Caracter;
    int m_tamanho = 1;
    int m_decimal = 0;
    QString m_formato;
    int m_preSelecao = 0;
    TTObjPerg m_objeto = TTObjPerg::oEdit;
    QString m_validacao, m_f3, m_conteudo;
    QString m_item1, m_item2, m_item3, m_item4, m_item5;
    QStringList m_help;
};

// The one-letter object code of a question ("G" for an edit, "K" for a check).
QChar questionObjectLetter(TTObjPerg objeto);

// A parameter question group of the ERP, created by its static function.
class TTPergunte : public Component {
    Q_OBJECT
    Q_CLASSINFO("PreName", "Perg")
    Q_PROPERTY(QString PreName READ preName)
    Q_PROPERTY(QString cGrupo MEMBER m_cGrupo)
    Q_PROPERTY(dd::ItemCollection *Pergs READ pergs CONSTANT)
public:
    explicit TTPergunte(DesignRoot *root);
    QString cGrupo() const { return m_cGrupo; }
    ItemCollection *pergs() const { return m_pergs; }
    TPerg *addPerg() { return static_cast<TPerg *>(m_pergs->add()); }

private:
    QString m_cGrupo = QStringLiteral("GRPXX");
    ItemCollection *m_pergs;
};

// The dictionary-driven edit form of a table; at most one per design.
class TTEnchoice : public Control {
    Q_OBJECT
    Q_CLASSINFO("PreName", "Ench")
    Q_PROPERTY(dd::Font Font READ font WRITE setFont)
    Q_PROPERTY(dd::Color Color READ color WRITE setColor)
    Q_PROPERTY(int TabOrder READ tabOrder WRITE setTabOrder)
    Q_PROPERTY(QString Script READ script)
    Q_PROPERTY(QString VarScript READ varScript)
    Q_PROPERTY(QString PreName READ preName)
    Q_PROPERTY(QString cAlias READ cAlias WRITE setCAlias)
    Q_PROPERTY(int nReg MEMBER m_nReg)
    Q_PROPERTY(int nOpc MEMBER m_nOpc)
    Q_PROPERTY(QStringList aCRA MEMBER m_aCRA)
    Q_PROPERTY(QString cLetra MEMBER m_cLetra)
    Q_PROPERTY(QString cTexto MEMBER m_cTexto)
    Q_PROPERTY(QStringList aCpoEnch MEMBER m_aCpoEnch)
    Q_PROPERTY(QStringList aAlterEnch MEMBER m_aAlterEnch)
    Q_PROPERTY(int nModelo MEMBER m_nModelo)
    Q_PROPERTY(int nColMens MEMBER m_nColMens)
    Q_PROPERTY(QString cMensagem MEMBER m_cMensagem)
    Q_PROPERTY(QString cTudoOk MEMBER m_cTudoOk)
    Q_PROPERTY(bool lF3 MEMBER m_lF3)
    Q_PROPERTY(bool lMemoria MEMBER m_lMemoria)
    Q_PROPERTY(bool lColumn MEMBER m_lColumn)
    Q_PROPERTY(bool lNoFolder MEMBER m_lNoFolder)
    Q_PROPERTY(bool lProperty MEMBER m_lProperty)
    Q_PROPERTY(QStringList ExecAfter MEMBER m_ExecAfter)
    Q_PROPERTY(QStringList ExecBefore MEMBER m_ExecBefore)
public:
    explicit TTEnchoice(DesignRoot *root);
    QString script() const;
    QString varScript() const;

    QString cAlias() const { return m_cAlias; }
    // Stored in upper case.
    void setCAlias(const QString &v) { assign(m_cAlias, v.toUpper(), "cAlias"); }
    int nReg() const { return m_nReg; }
    int nOpc() const { return m_nOpc; }
    QStringList aCpoEnch() const { return m_aCpoEnch; }
    QStringList aAlterEnch() const { return m_aAlterEnch; }
    int nModelo() const { return m_nModelo; }
    bool lF3() const { return m_lF3; }
    bool lMemoria() const { return m_lMemoria; }
    bool lColumn() const { return m_lColumn; }
    bool lNoFolder() const { return m_lNoFolder; }
    bool lProperty() const { return m_lProperty; }

private:
    QString m_cAlias;
    int m_nReg = 0;
    int m_nOpc = 3;
    QStringList m_aCRA;
    QString m_cLetra, m_cTexto;
    QStringList m_aCpoEnch, m_aAlterEnch;
    int m_nModelo = 3;
    int m_nColMens = 0;
    QString m_cMensagem, m_cTudoOk;
    bool m_lF3 = false, m_lMemoria = true, m_lColumn = false, m_lNoFolder = false, m_lProperty = true;
};

} // namespace dd
