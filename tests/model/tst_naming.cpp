#include <QtTest>
#include "model/naming.h"
class TestNaming : public QObject { Q_OBJECT private Q_SLOTS: void x() { QCOMPARE(dd::typedVariableName("Nome", 'c'), QString("cNome")); } };
QTEST_GUILESS_MAIN(TestNaming)
#include "tst_naming.moc"
