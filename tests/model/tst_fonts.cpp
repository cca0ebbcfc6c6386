// Design-time look of fonts and palette colours: shared fonts, text colours, parent fonts.
#include <QtTest>

#include "design_fixture.h"
#include "model/choice_controls.h"
#include "model/containers.h"
#include "model/dialog.h"
#include "model/text_controls.h"

using namespace dd;
using fixture::place;

namespace {

Font arialBold()
{
    Font f;
    f.name = QStringLiteral("Arial");
    f.height = -16;
    f.style = TFontStyle::fsBold;
    return f;
}

} // namespace

class TestFonts : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void sharedFontShowsEachUsersTextColour();
    void controlsWithoutTextColourCopyTheFontAsIs();
    void clearedReferenceGivesDefaultFontInTextColour();
    void paletteColours_data();
    void paletteColours();
    void parentFontInheritance_data();
    void parentFontInheritance();
};

void TestFonts::sharedFontShowsEachUsersTextColour()
{
    TTMSDialog root;
    TToFont *font = place<TToFont>(root);
    font->setFont(arialBold());
    TTSay *blue = place<TTSay>(root);
    TTGet *red = place<TTGet>(root);
    TTGet *other = place<TTGet>(root);
    blue->setNClrText(TColorA::CLR_BLUE);
    red->setNClrText(TColorA::CLR_HRED);
    blue->setOFont(font);
    red->setOFont(font);
    root.setOFont(font);

    Font bigger = arialBold();
    bigger.height = -20;
    font->setFont(bigger);

    QCOMPARE(blue->font().name, QStringLiteral("Arial"));
    QCOMPARE(blue->font().height, -20);
    QCOMPARE(blue->font().color, Color::rgb(0, 0, 128));
    QCOMPARE(red->font().height, -20);
    QCOMPARE(red->font().color, Color::rgb(255, 0, 0));
    QCOMPARE(root.font(), bigger);
    QCOMPARE(other->font().name, Font().name);
    // The users' colours never flow back into the font, which files store.
    QCOMPARE(font->font(), bigger);
}

void TestFonts::controlsWithoutTextColourCopyTheFontAsIs()
{
    TTMSDialog root;
    TToFont *font = place<TToFont>(root);
    Font blueArial = arialBold();
    blueArial.color = Color::rgb(0, 0, 255);
    font->setFont(blueArial);
    TTButton *button = place<TTButton>(root);
    TTFolder *folder = place<TTFolder>(root);
    TTSay *say = place<TTSay>(root);
    button->setOFont(font);
    folder->setOFont(font);
    say->setOFont(font);
    QCOMPARE(button->font(), blueArial);
    QCOMPARE(folder->font(), blueArial);
    QCOMPARE(say->font().color, Color::rgb(0, 0, 0));
}

void TestFonts::clearedReferenceGivesDefaultFontInTextColour()
{
    TTMSDialog root;
    TToFont *font = place<TToFont>(root);
    font->setFont(arialBold());
    TTCheckBox *box = place<TTCheckBox>(root);
    box->setNClrText(TColorA::CLR_GREEN);
    box->setOFont(font);
    box->setOFont(nullptr);
    Font expected;
    expected.color = Color::rgb(0, 128, 0);
    QCOMPARE(box->font(), expected);
}

void TestFonts::paletteColours_data()
{
    QTest::addColumn<TColorA>("colour");
    QTest::addColumn<int>("red");
    QTest::addColumn<int>("green");
    QTest::addColumn<int>("blue");
    QTest::newRow("CLR_HGRAY") << TColorA::CLR_HGRAY << 192 << 192 << 192;
    QTest::newRow("CLR_LIGHTGRAY same as HGRAY") << TColorA::CLR_LIGHTGRAY << 192 << 192 << 192;
    QTest::newRow("CLR_BLUE is dark") << TColorA::CLR_BLUE << 0 << 0 << 128;
    QTest::newRow("CLR_HBLUE") << TColorA::CLR_HBLUE << 0 << 0 << 255;
    QTest::newRow("CLR_BROWN") << TColorA::CLR_BROWN << 128 << 128 << 0;
    QTest::newRow("CLR_WHITE") << TColorA::CLR_WHITE << 255 << 255 << 255;
}

void TestFonts::paletteColours()
{
    QFETCH(TColorA, colour);
    QFETCH(int, red);
    QFETCH(int, green);
    QFETCH(int, blue);
    TTMSDialog root;
    TTSay *say = place<TTSay>(root);
    say->setNClrBack(colour);
    say->setNClrText(colour);
    QCOMPARE(say->color(), Color::rgb(red, green, blue));
    QCOMPARE(say->font().color, Color::rgb(red, green, blue));
}

void TestFonts::parentFontInheritance_data()
{
    QTest::addColumn<QString>("className");
    QTest::addColumn<bool>("inherits");
    QTest::newRow("label") << "TTSay" << false;
    QTest::newRow("get") << "TTGet" << false;
    QTest::newRow("multi-line get") << "TTMultiGet" << false;
    QTest::newRow("button") << "TTButton" << false;
    QTest::newRow("standard button") << "TTSButton" << false;
    QTest::newRow("check box") << "TTCheckBox" << false;
    QTest::newRow("combo box") << "TTComboBox" << false;
    QTest::newRow("list box") << "TTListBox" << false;
    QTest::newRow("radio menu") << "TTRadMenu" << false;
    QTest::newRow("panel") << "TTPanel" << false;
    QTest::newRow("group") << "TTGroup" << false;
    QTest::newRow("folder") << "TTFolder" << false;
    QTest::newRow("browse") << "TTMsSelect" << false;
    QTest::newRow("grid") << "TTMsNewGetDados" << false;
    QTest::newRow("page") << "TTaDialogs" << true;
    QTest::newRow("scroll box") << "TTScrollBox" << true;
    QTest::newRow("bitmap") << "TTBitmap" << true;
    QTest::newRow("tree") << "TTDbTree" << true;
    QTest::newRow("enchoice") << "TTEnchoice" << true;
}

void TestFonts::parentFontInheritance()
{
    QFETCH(QString, className);
    QFETCH(bool, inherits);
    TTMSDialog root;
    TTPanel *panel = place<TTPanel>(root);
    panel->setFont(arialBold());
    auto *control = qobject_cast<Control *>(fixture::create(root, className, panel));
    QCOMPARE(control->parentFont(), inherits);
    QCOMPARE(control->effectiveFont() == arialBold(), inherits);
    // A font of its own is stored only when the control does not show its parent's.
    QCOMPARE(control->isStored("Font"), !inherits);
}

QTEST_GUILESS_MAIN(TestFonts)
#include "tst_fonts.moc"
