#pragma once
// The design's own variables and functions, written into the generated program.
#include <QStringList>

#include "model/collection.h"
#include "model/component.h"
#include "model/enums.h"

namespace dd {

class TVar : public CollectionItem {
    Q_OBJECT
    Q_PROPERTY(dd::TVarType VarType READ varType WRITE setVarType)
    Q_PROPERTY(dd::TTypeGet tType READ tType WRITE setTType)
    Q_PROPERTY(QString cVarName READ cVarName WRITE setCVarName)
    Q_PROPERTY(QString InitVal READ initVal WRITE setInitVal)
public:
    using CollectionItem::CollectionItem;

    TVarType varType() const { return m_varType; }
    void setVarType(TVarType v) { assign(m_varType, v, "VarType"); }
    TTypeGet tType() const { return m_tType; }
    // Stores the type and retypes the stored name.
    void setTType(TTypeGet v);
    // An empty name reads as "Var" + position, typed, and is stored so.
    QString cVarName() const;
    void setCVarName(const QString &v);
    QString initVal() const { return m_initVal; }
    void setInitVal(const QString &v) { assign(m_initVal, v, "InitVal"); }

private:
    TVarType m_varType = TVarType::Local;
    TTypeGet m_tType = TTypeGet::tgCaracter;
    mutable QString m_name;
    QString m_initVal;
};

class TFunction : public CollectionItem {
    Q_OBJECT
    Q_PROPERTY(dd::TFuncType tFunction READ tFunction WRITE setTFunction)
    Q_PROPERTY(QString cName READ cName WRITE setCName)
    Q_PROPERTY(QStringList cScript READ cScript WRITE setCScript)
public:
    using CollectionItem::CollectionItem;

    TFuncType tFunction() const { return m_kind; }
    // Stores the kind and rewrites the head line.
    void setTFunction(TFuncType v);
    // The stored name, or "FuncName" + position when empty.
    QString cName() const;
    // Stores the name and rewrites the head line.
    void setCName(const QString &v);
    // The source, created on first read; its head line is re-read into the name.
    QStringList cScript() const;
    void setCScript(const QStringList &lines);

private:
    void rewriteHead() const;
    void takeNameFromHead() const;
    TFuncType m_kind = TFuncType::Static;
    mutable QString m_name;
    mutable QStringList m_script;
    mutable bool m_hasScript = false;
};

class TTVars : public Component {
    Q_OBJECT
    Q_CLASSINFO("PreName", "Vars")
    Q_PROPERTY(QString PreName READ preName)
    Q_PROPERTY(dd::ItemCollection *Vars READ vars CONSTANT)
public:
    explicit TTVars(DesignRoot *root);
    ItemCollection *vars() const { return m_vars; }
    TVar *addVar() { return static_cast<TVar *>(m_vars->add()); }
    bool isReferenceTarget() const override { return true; }

private:
    ItemCollection *m_vars;
};

class TTFunctions : public Component {
    Q_OBJECT
    Q_CLASSINFO("PreName", "Functions")
    Q_PROPERTY(QString PreName READ preName)
    Q_PROPERTY(dd::ItemCollection *Functions READ functions CONSTANT)
public:
    explicit TTFunctions(DesignRoot *root);
    ItemCollection *functions() const { return m_functions; }
    TFunction *addFunction() { return static_cast<TFunction *>(m_functions->add()); }
    bool isReferenceTarget() const override { return true; }

private:
    ItemCollection *m_functions;
};

} // namespace dd
