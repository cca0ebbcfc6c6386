#pragma once
// A design of many labels, the shape of the benchmarks' large designs.
#include <QByteArray>

#include "designfile/design_file.h"
#include "model/class_registry.h"
#include "model/dialog.h"
#include "model/text_controls.h"

inline void fillWithLabels(dd::TTMSDialog &root, int count)
{
    root.setName(QStringLiteral("oDlg1"));
    root.setBounds(0, 0, 800, 600);
    const dd::ComponentClass &label = *dd::advplClasses().find(u"TTSay");
    for (int i = 0; i < count; ++i) {
        auto *say = static_cast<dd::TTSay *>(dd::createComponent(&root, label, &root, nullptr));
        root.assignComponentName(say, say->preName());
        say->setBounds(8 + (i % 40) * 16, 8 + (i / 40) % 500, 60, 13);
        say->setCaption(QStringLiteral("Campo %1").arg(i));
        say->setCVariable(QStringLiteral("cCampo%1").arg(i));
        say->setNLength(10);
    }
}

inline QByteArray labelDesignBytes(int count)
{
    dd::TTMSDialog root;
    fillWithLabels(root, count);
    return *dd::designfile::designFileBytes(root).value;
}
