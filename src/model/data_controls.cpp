#include "model/data_controls.h"

#include <cstring>

#include "model/design_root.h"
#include "model/field_lines.h"

namespace dd {

TTCriaTrab::TTCriaTrab(DesignRoot *root)
    : Component(root), m_fields(new ItemCollection(this, [](ItemCollection *c) { return new TaField(c); }))
{
}

bool TTCriaTrab::setCAlias(const QString &v)
{
    if (!validateWrite("cAlias", v).isEmpty())
        return false;
    assign(m_cAlias, v, "cAlias");
    return true;
}

QString TTCriaTrab::validateWrite(const char *property, const QVariant &value) const
{
    // The work area needs a name: the generated program opens the table under it.
    if (std::strcmp(property, "cAlias") == 0 && value.toString().trimmed().isEmpty())
        return QStringLiteral("Invalid property value.");
    return Component::validateWrite(property, value);
}

DataGrid::DataGrid(DesignRoot *root) : Control(root), m_columns(titleColumn())
{
    m_parentFont = false;
    m_width = 281;
}

QList<GridColumn> DataGrid::titleColumn() { return {GridColumn{QString(), QStringLiteral("Title"), QString()}}; }

void DataGrid::setAlias(const QString &v)
{
    assign(m_alias, v.toUpper(), "Alias");
    rebuildColumnsFromDictionary();
}

void DataGrid::rebuildColumnsFromDictionary()
{
    if (!root() || !root()->previewsEnabled() || m_alias.trimmed().isEmpty())
        return;
    QList<GridColumn> columns;
    for (const QString &line : tableFieldLines(m_alias))
        if (isUsedField(line))
            columns.append({QString(), fieldTitle(line), QString()});
    setColumns(columns);
}

TTMsSelect::TTMsSelect(DesignRoot *root)
    : DataGrid(root), m_cores(new ItemCollection(this, [](ItemCollection *c) { return new TaCor(c); }))
{
}

bool TTMsSelect::loading() const { return root() && root()->isLoading(); }

void TTMsSelect::setTempTable(TTCriaTrab *table)
{
    // Setting the same table again must not call its function twice.
    if (!assign(m_tempTable, table, "TempTable"))
        return;
    if (!table) {
        setColumns(titleColumn());
        clearMarking();
        return;
    }
    assign(m_alias, table->cAlias(), "Alias");
    if (!loading()) {
        m_ExecBefore.append(table->name() + QStringLiteral("()"));
        Q_EMIT propertyChanged("ExecBefore");
    }
    QList<GridColumn> columns;
    for (const CollectionItem *item : table->aFields()->items()) {
        const auto *field = static_cast<const TaField *>(item);
        columns.append({field->cField(), field->cTitle(), field->cPicture()});
    }
    setColumns(columns);
}

void TTMsSelect::setLMark(bool v)
{
    assign(m_lMark, v, "lMark");
    // A design being read brings the values this would derive.
    if (loading())
        return;
    assign(m_lCanAllmark, false, "lCanAllmark");
    if (!v) {
        clearMarking();
        return;
    }
    assign(m_cMarca, QStringLiteral("GetMark()"), "cMarca");
    assign(m_lHasMark, true, "lHasMark");
    assign(m_bAval, QString(QStringLiteral("{||") + m_alias + QStringLiteral("Mark()}")), "bAval");
}

void TTMsSelect::setCFieldMarca(const QString &v)
{
    assign(m_cFieldMarca, v, "cFieldMarca");
    if (loading())
        return;
    if (v.trimmed().isEmpty()) {
        clearMarking();
        return;
    }
    assign(m_cMarca, QStringLiteral("GetMark()"), "cMarca");
    assign(m_lHasMark, true, "lHasMark");
}

void TTMsSelect::clearMarking()
{
    assign(m_lMark, false, "lMark");
    assign(m_lCanAllmark, false, "lCanAllmark");
    assign(m_cFieldMarca, QString(), "cFieldMarca");
    assign(m_cMarca, QString(), "cMarca");
    assign(m_bAval, QString(), "bAval");
    assign(m_lHasMark, false, "lHasMark");
}

void TTMsSelect::forgetReference(Component *gone)
{
    DataGrid::forgetReference(gone);
    if (m_tempTable && m_tempTable == gone)
        assign(m_tempTable, static_cast<TTCriaTrab *>(nullptr), "TempTable");
}

TTMsNewGetDados::TTMsNewGetDados(DesignRoot *root) : DataGrid(root) {}

TTDbTree::TTDbTree(DesignRoot *root) : Control(root) {}

QString TPerg::item(int number) const
{
    switch (number) {
    case 1: return m_item1;
    case 2: return m_item2;
    case 3: return m_item3;
    case 4: return m_item4;
    case 5: return m_item5;
    default: return {};
    }
}

QChar questionObjectLetter(TTObjPerg objeto)
{
    static constexpr char kLetters[] = {'G', 'S', 'C', 'R', 'F', 'E', 'K'};
    return QLatin1Char(kLetters[int(objeto)]);
}

TTPergunte::TTPergunte(DesignRoot *root)
    : Component(root), m_pergs(new ItemCollection(this, [](ItemCollection *c) { return new TPerg(c); }))
{
}

TTEnchoice::TTEnchoice(DesignRoot *root) : Control(root)
{
    m_width = 400;
    m_height = 150;
}

} // namespace dd
