// Designs written and read through the model: what Save and Open do.
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include "designfile/design_file.h"
#include "designfile/design_reader.h"
#include "designfile/design_writer.h"
#include "designfile/stream_text.h"
#include "model/class_name.h"
#include "model/class_registry.h"
#include "model/dialog.h"
#include "model/text_controls.h"

using namespace dd;

namespace {

template <typename T>
T *place(DesignRoot &root, Control *parent = nullptr)
{
    auto *c = static_cast<T *>(createComponent(&root, *advplClasses().find(componentClassName(&T::staticMetaObject)), parent, nullptr));
    root.assignComponentName(c, c->preName());
    return c;
}

QByteArray bytesOf(const DesignRoot &root)
{
    auto bytes = designfile::designFileBytes(root);
    return bytes.ok() ? *bytes.value : QByteArray();
}

QByteArray fixture(const char *name)
{
    QFile f(QStringLiteral(DD_TEST_DATA "/") + QLatin1String(name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

std::unique_ptr<TTMSDialog> loaded(const QByteArray &bytes)
{
    auto root = std::make_unique<TTMSDialog>();
    auto tree = designfile::parseDesignBytes(bytes, designfile::Accept::BinaryOnly);
    if (tree.ok())
        designfile::readDesign(*root, *tree.value, advplClasses());
    return root;
}

// A small design using every kind of value the text controls, fonts and lists carry.
void buildSample(TTMSDialog &root)
{
    root.setName(QStringLiteral("oDlg1"));
    root.setBounds(200, 100, 400, 300);
    root.setCaption(QStringLiteral("Ação"));
    root.setCFuncName(QStringLiteral("Cadastro(cPar)"));
    auto *font = place<TToFont>(root);
    dd::Font f;
    f.name = QStringLiteral("Arial");
    f.height = -16;
    f.style = TFontStyle::fsBold | TFontStyle::fsItalic;
    font->setFont(f);
    font->setIconPosition(300, 8);
    auto *say = place<TTSay>(root);
    say->setBounds(8, 16, 60, 13);
    say->setCaption(QStringLiteral("Nome €"));
    say->setNClrText(TColorA::CLR_BLUE);
    say->setOFont(font);
    auto *get = place<TTGet>(root);
    get->setBounds(72, 16, 120, 21);
    get->setCVariable(QStringLiteral("Nome"));
    get->setNLength(30);
    get->setProperty("ExecBefore", QStringList{QStringLiteral("nX := 1"), QString(), QStringLiteral("nY := 2")});
    auto *vars = place<TTVars>(root);
    TVar *v = vars->addVar();
    v->setVarType(TVarType::Private);
    v->setCVarName(QStringLiteral("cTitulo"));
    v->setInitVal(QStringLiteral("Cliente"));
    vars->addVar()->setTType(TTypeGet::tgNumeric);
    auto *functions = place<TTFunctions>(root);
    TFunction *fn = functions->addFunction();
    fn->setCScript({QStringLiteral("User Function Calcula(nA)"), QStringLiteral("Return nA * 2")});
    root.setOVars(vars);
    root.setOFunctions(functions);
    root.setOFont(font);
}

} // namespace

class TestDesignFile : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void saveReadSaveGivesTheSameBytes();
    void readBackKeepsValuesAndReferences();
    void fixturesRead_data();
    void fixturesRead();
    void stringTagsFixtureValues();
    void unknownPropertiesAndClassesAreSkipped();
    void pastedComponentsAreRenamed();
    void saveReplacesOnlyWhenComplete();
    void otherReaderAcceptsWhatWeWrite();
};

void TestDesignFile::saveReadSaveGivesTheSameBytes()
{
    TTMSDialog root;
    buildSample(root);
    const QByteArray first = bytesOf(root);
    QVERIFY(!first.isEmpty());
    const QByteArray second = bytesOf(*loaded(first));
    QCOMPARE(second, first);
}

void TestDesignFile::readBackKeepsValuesAndReferences()
{
    TTMSDialog original;
    buildSample(original);
    auto root = loaded(bytesOf(original));
    QCOMPARE(root->name(), QStringLiteral("oDlg1"));
    QCOMPARE(root->caption(), QStringLiteral("Ação"));
    QCOMPARE(root->cFuncName(), QStringLiteral("Cadastro(cPar)"));
    auto *say = qobject_cast<TTSay *>(root->findComponent(u"oSay1"));
    auto *get = qobject_cast<TTGet *>(root->findComponent(u"oGet1"));
    auto *font = qobject_cast<TToFont *>(root->findComponent(u"oFont1"));
    QVERIFY(say && get && font);
    QCOMPARE(say->caption(), QStringLiteral("Nome €"));
    QCOMPARE(say->nClrText(), TColorA::CLR_BLUE);
    QCOMPARE(say->oFont(), font);
    QCOMPARE(root->oFont(), font);
    QCOMPARE(font->fontValue().name, QStringLiteral("Arial"));
    QVERIFY(font->fontValue().bold() && font->fontValue().italic());
    QCOMPARE(font->iconLeft(), 300);
    QCOMPARE(get->cVariable(), QStringLiteral("cNome"));
    QCOMPARE(get->nLength(), 30);
    QCOMPARE(get->execBefore(), (QStringList{QStringLiteral("nX := 1"), QString(), QStringLiteral("nY := 2")}));
    QVERIFY(root->oVars());
    QCOMPARE(root->oVars()->vars()->size(), 2);
    QCOMPARE(root->oVars()->vars()->itemAt<TVar>(1)->cVarName(), QStringLiteral("nVar2"));
    QCOMPARE(root->oFunctions()->functions()->itemAt<TFunction>(0)->cName(), QStringLiteral("Calcula(nA)"));
    // Creation order is the loading order, with the form designer first.
    QCOMPARE(root->components().size(), 6);
    QCOMPARE(root->indexOf(say), 1);
    QCOMPARE(root->indexOf(font), 3);
}

void TestDesignFile::fixturesRead_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QStringList>("names");
    QTest::newRow("dialog-basic") << "dialog-basic.afm" << QStringList{"oSay1", "oGet1"};
    QTest::newRow("string-tags") << "string-tags.afm" << QStringList{"oSay1", "oVars1"};
}

void TestDesignFile::fixturesRead()
{
    QFETCH(QString, file);
    QFETCH(QStringList, names);
    auto root = loaded(fixture(file.toLatin1().constData()));
    QCOMPARE(root->name(), QStringLiteral("oDlg1"));
    for (const QString &name : names)
        QVERIFY2(root->findComponent(name), qPrintable(name));
}

void TestDesignFile::stringTagsFixtureValues()
{
    auto root = loaded(fixture("string-tags.afm"));
    QCOMPARE(root->caption(), QStringLiteral("Ação"));
    QCOMPARE(root->cMsg(), QStringLiteral("çã"));
    QCOMPARE(root->cToolTip().size(), 300);
    QCOMPARE(root->lCentered(), false);
    QVERIFY(root->font().bold());
    auto *say = qobject_cast<TTSay *>(root->findComponent(u"oSay1"));
    QVERIFY(say);
    QCOMPARE(say->caption(), QStringLiteral("x€y"));
    QCOMPARE(say->nClrText(), TColorA::CLR_RED);
    QVERIFY(root->oVars());
    auto *second = root->oVars()->vars()->itemAt<TVar>(1);
    QCOMPARE(second->initVal(), QStringLiteral("Joe's"));
    QCOMPARE(second->varType(), TVarType::Local);
}

void TestDesignFile::unknownPropertiesAndClassesAreSkipped()
{
    auto root = loaded(fixture("string-tags.afm"));
    // TFooBar is unknown: skipped whole, with the label it holds.
    QVERIFY(!root->findComponent(u"oFoo1"));
    QVERIFY(!root->findComponent(u"oInner1"));
    QCOMPARE(root->childControls().size(), 1);
}

void TestDesignFile::pastedComponentsAreRenamed()
{
    TTMSDialog root;
    buildSample(root);
    const auto copied = designfile::writeComponent(*root.findComponent(u"oSay1"));
    const auto text = stream::writeTextObjects({copied, copied});
    auto parsed = stream::readTextObjects(text);
    QVERIFY(parsed.ok());
    const auto pasted = designfile::readComponents(root, *parsed.value, &root, advplClasses());
    QCOMPARE(pasted.size(), 2);
    QCOMPARE(pasted[0]->name(), QStringLiteral("oSay2"));
    QCOMPARE(pasted[1]->name(), QStringLiteral("oSay3"));
    // References in pasted components resolve against the design.
    QCOMPARE(qobject_cast<TTSay *>(pasted[0])->oFont(), root.findComponent(u"oFont1"));
}

void TestDesignFile::saveReplacesOnlyWhenComplete()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a.afm"));
    TTMSDialog root;
    buildSample(root);
    QVERIFY(!designfile::saveDesignFile(root, path));
    QFile written(path);
    QVERIFY(written.open(QIODevice::ReadOnly));
    QCOMPARE(written.readAll(), bytesOf(root));
    written.close();

    // A folder that does not exist: the error names the file and nothing is left behind.
    const QString missing = dir.filePath(QStringLiteral("no/such/b.afm"));
    const auto error = designfile::saveDesignFile(root, missing);
    QVERIFY(error);
    QVERIFY(error->message.contains(missing));

    // No temporary files stay beside the design.
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("a.afm")});
}

void TestDesignFile::otherReaderAcceptsWhatWeWrite()
{
    const QString tool = QStringLiteral(DD_SHARED_TOOLS "/dfm2txt");
    if (!QFileInfo(tool).isExecutable())
        QSKIP("the independent reader is not available");
    QTemporaryDir dir;
    TTMSDialog sample;
    buildSample(sample);
    const QList<QByteArray> designs = {bytesOf(sample), bytesOf(*loaded(fixture("dialog-basic.afm"))),
                                       bytesOf(*loaded(fixture("string-tags.afm")))};
    for (qsizetype i = 0; i < designs.size(); ++i) {
        const QString path = dir.filePath(QStringLiteral("d%1.afm").arg(i));
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(designs[i]);
        f.close();
        QProcess p;
        p.start(tool, {path});
        QVERIFY(p.waitForFinished());
        QVERIFY2(p.exitCode() == 0, p.readAllStandardError().constData());
        QVERIFY(p.readAllStandardOutput().startsWith("object oDlg1: TTMSDialog"));
    }
}

QTEST_GUILESS_MAIN(TestDesignFile)
#include "tst_design_file.moc"
