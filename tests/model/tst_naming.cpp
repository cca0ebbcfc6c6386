// Component names: the typed variable name rule, names of placed components and the renaming
// of components read from files.
#include <QtTest>

#include "design_fixture.h"
#include "model/choice_controls.h"
#include "model/containers.h"
#include "model/dialog.h"
#include "model/naming.h"
#include "model/text_controls.h"

using namespace dd;
using fixture::place;

class TestNaming : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void typedName_data();
    void typedName();

    void placedNamesReuseTheSmallestFreeNumber();
    void sharedPrefixKeepsNamesUnique();
    void namesAreComparedWithoutCase();
    void numbersStopAt32768();

    void renameOnLoad_data();
    void renameOnLoad();
    void emptyStoredNameLeavesComponentUnnamed();
};

void TestNaming::typedName_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QChar>("letter");
    QTest::addColumn<QString>("expected");
    QTest::newRow("letter kept") << "cNome" << QChar('c') << "cNome";
    QTest::newRow("other type letter replaced") << "nNome" << QChar('c') << "cNome";
    QTest::newRow("object prefix dropped") << "oGet1" << QChar('c') << "cGet1";
    QTest::newRow("letter put in front") << "Nome" << QChar('c') << "cNome";
    QTest::newRow("code block letter replaced") << "bTotal" << QChar('l') << "lTotal";
    QTest::newRow("upper-case letter is not a type") << "CNome" << QChar('n') << "nCNome";
    QTest::newRow("upper-case O is kept") << "Obs" << QChar('c') << "cObs";
    QTest::newRow("object prefix then type letter") << "odData" << QChar('n') << "nData";
    QTest::newRow("lone o becomes the letter") << "o" << QChar('d') << "d";
    QTest::newRow("blanks unchanged") << "   " << QChar('c') << "   ";
    QTest::newRow("empty unchanged") << "" << QChar('c') << "";
    QTest::newRow("leading blank is not a letter") << " Nome" << QChar('c') << "c Nome";
}

void TestNaming::typedName()
{
    QFETCH(QString, text);
    QFETCH(QChar, letter);
    QFETCH(QString, expected);
    QCOMPARE(typedVariableName(text, letter), expected);
}

void TestNaming::placedNamesReuseTheSmallestFreeNumber()
{
    TTMSDialog root;
    TTSay *first = place<TTSay>(root);
    TTSay *second = place<TTSay>(root);
    QCOMPARE(first->name(), QStringLiteral("oSay1"));
    QCOMPARE(second->name(), QStringLiteral("oSay2"));
    root.destroyComponent(first);
    QCOMPARE(place<TTSay>(root)->name(), QStringLiteral("oSay1"));
    QCOMPARE(place<TTSay>(root)->name(), QStringLiteral("oSay3"));
}

void TestNaming::sharedPrefixKeepsNamesUnique()
{
    TTMSDialog root;
    QCOMPARE(place<TTCheckBox>(root)->name(), QStringLiteral("oCBox1"));
    QCOMPARE(place<TTComboBox>(root)->name(), QStringLiteral("oCBox2"));
    QCOMPARE(place<TTaDialogs>(root)->name(), QStringLiteral("oaDialogs1"));
}

void TestNaming::namesAreComparedWithoutCase()
{
    TTMSDialog root;
    TTSay *say = place<TTSay>(root);
    QVERIFY(say->setName(QStringLiteral("OSAY7")));
    TTGet *get = place<TTGet>(root);
    QVERIFY(!get->setName(QStringLiteral("osay7")));
    QCOMPARE(get->name(), QStringLiteral("oGet1"));
    QVERIFY(root.findComponent(u"oSay7") == say);
}

void TestNaming::numbersStopAt32768()
{
    TTMSDialog root;
    auto *beyond = new TToFont(&root);
    root.adopt(beyond);
    QVERIFY(beyond->setName(QStringLiteral("oFont32769")));
    for (int n = 1; n <= 32768; ++n) {
        auto *font = new TToFont(&root);
        root.adopt(font);
        QVERIFY(root.assignComponentName(font, font->preName()));
    }
    QCOMPARE(root.findComponent(u"oFont32768")->metaObject(), &TToFont::staticMetaObject);
    auto *refused = new TToFont(&root);
    root.adopt(refused);
    QVERIFY(!root.assignComponentName(refused, refused->preName()));
    QVERIFY(refused->name().isEmpty());
}

void TestNaming::renameOnLoad_data()
{
    QTest::addColumn<QString>("className");
    QTest::addColumn<QStringList>("existing");
    QTest::addColumn<QString>("storedName");
    QTest::addColumn<QString>("expected");
    QTest::newRow("free name kept") << "TTSay" << QStringList() << "oSay5" << "oSay5";
    QTest::newRow("any free name kept") << "TTSay" << QStringList{"oSay1"} << "lblNome" << "lblNome";
    QTest::newRow("taken: prefix and 2") << "TTSay" << QStringList{"oSay1"} << "oSay1" << "oSay2";
    QTest::newRow("taken: first free from 2") << "TTSay" << QStringList{"oSay1", "oSay2", "oSay3"} << "oSay1"
                                              << "oSay4";
    QTest::newRow("taken: never 1") << "TTSay" << QStringList{"lblNome"} << "lblNome" << "oSay2";
    QTest::newRow("taken without case") << "TTGet" << QStringList{"oGet1"} << "OGET1" << "oGet2";
    QTest::newRow("no prefix: oDefine") << "TTaDialogs" << QStringList{"oaDialogs1"} << "oaDialogs1"
                                        << "oDefine2";
    QTest::newRow("shared prefix") << "TTComboBox" << QStringList{"oCBox1", "oCBox2"} << "oCBox1" << "oCBox3";
}

void TestNaming::renameOnLoad()
{
    QFETCH(QString, className);
    QFETCH(QStringList, existing);
    QFETCH(QString, storedName);
    QFETCH(QString, expected);
    TTMSDialog root;
    for (const QString &name : existing)
        QVERIFY(fixture::create(root, className)->setName(name));
    Component *read = createComponent(&root, *advplClasses().find(className), nullptr, nullptr);
    root.renameOnLoad(read, storedName);
    QCOMPARE(read->name(), expected);
}

void TestNaming::emptyStoredNameLeavesComponentUnnamed()
{
    TTMSDialog root;
    Component *read = createComponent(&root, *advplClasses().find(u"TTSay"), nullptr, nullptr);
    root.renameOnLoad(read, QString());
    QVERIFY(read->name().isEmpty());
    QCOMPARE(place<TTSay>(root)->name(), QStringLiteral("oSay1"));
}

QTEST_GUILESS_MAIN(TestNaming)
#include "tst_naming.moc"
