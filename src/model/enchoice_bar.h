#pragma once
// TTEnchoiceBar: the standard OK/Cancel bar of the root dialog, with extra buttons.
#include "model/collection.h"
#include "model/control.h"
#include "model/enums.h"

namespace dd {

class TaButton : public CollectionItem {
    Q_OBJECT
    Q_PROPERTY(dd::TTResource cBitmap MEMBER m_cBitmap)
    Q_PROPERTY(QString bBlock MEMBER m_bBlock)
    Q_PROPERTY(QString cMensagem MEMBER m_cMensagem)
public:
    using CollectionItem::CollectionItem;
    TTResource cBitmap() const { return m_cBitmap; }
    QString bBlock() const { return m_bBlock; }
    QString cMensagem() const { return m_cMensagem; }

private:
    TTResource m_cBitmap = TTResource::AFASTAME;
    QString m_bBlock;
    QString m_cMensagem;
};

// The root writes the bar into its initialisation block; the bar has no text of its own.
// At most one per design: it is the root's enchoice bar while it exists.
class TTEnchoiceBar : public Control {
    Q_OBJECT
    Q_CLASSINFO("PreName", "EBar")
    Q_PROPERTY(int TabOrder READ tabOrder WRITE setTabOrder)
    Q_PROPERTY(QString PreName READ preName)
    Q_PROPERTY(bool lMensApag MEMBER m_lMensApag)
    Q_PROPERTY(dd::ItemCollection *aButtons READ aButtons CONSTANT)
    Q_PROPERTY(QString bOk MEMBER m_bOk)
    Q_PROPERTY(QString bCancela MEMBER m_bCancela)
public:
    explicit TTEnchoiceBar(DesignRoot *root);
    ~TTEnchoiceBar() override;

    bool lMensApag() const { return m_lMensApag; }
    ItemCollection *aButtons() const { return m_buttons; }
    TaButton *addButton() { return static_cast<TaButton *>(m_buttons->add()); }
    QString bOk() const { return m_bOk; }
    QString bCancela() const { return m_bCancela; }

private:
    bool m_lMensApag = false;
    ItemCollection *m_buttons;
    QString m_bOk;
    QString m_bCancela;
};

} // namespace dd
