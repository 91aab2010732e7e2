// The money box: what it lets the user type, and its drop-down calculator
// driven with the mouse and the keyboard.

#include "support/TestMain.h"
#include "widgets/MoneyEdit.h"

#include <QPushButton>
#include <QToolButton>

class TestMoneyEdit : public QObject {
    Q_OBJECT
private slots:
    void typing_data();
    void typing();
    void valueAndText();
    void calculatorWritesTheResult_data();
    void calculatorWritesTheResult();
    void calculatorRefusesWhatTheBoxCannotHold_data();
    void calculatorRefusesWhatTheBoxCannotHold();
    void calculatorByKeyboard();
};

namespace {

void clickKeys(TMoneyCalculator* calc, const QString& keys)
{
    for (QChar k : keys) {
        QPushButton* b = calc->button(k);
        QVERIFY2(b, qPrintable(QStringLiteral("no key ") + k));
        QTest::mouseClick(b, Qt::LeftButton);
    }
}

} // namespace

void TestMoneyEdit::typing_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("text");
    QTest::newRow("amount") << "12.50" << "12.50";
    QTest::newRow("letters and signs dropped") << "-1a2,x.5" << "12.5";
    QTest::newRow("one point only") << "1.2.3" << "1.23";
    QTest::newRow("four decimals") << "3.141592" << "3.1415";
    QTest::newRow("fourteen whole digits") << "1234567890123456" << "12345678901234";
    QTest::newRow("point first") << ".5" << ".5";
    QTest::newRow("blank dropped") << "1 000" << "1000";
}

void TestMoneyEdit::typing()
{
    QFETCH(QString, keys);
    QFETCH(QString, text);
    TMoneyEdit e;
    e.show();
    e.selectAll();
    QTest::keyClick(&e, Qt::Key_Backspace);
    QTest::keyClicks(&e, keys);
    QCOMPARE(e.text(), text);
}

void TestMoneyEdit::valueAndText()
{
    TMoneyEdit e;
    QCOMPARE(e.text(), QStringLiteral("0"));
    e.setValue(Decimal4::fromRaw(125000));
    QCOMPARE(e.text(), QStringLiteral("12.5"));
    QCOMPARE(e.value(), Decimal4::fromRaw(125000));
    e.clear();
    QVERIFY(!e.value());
    e.setText(QStringLiteral("."));
    QVERIFY(!e.value());
    QVERIFY(!e.hasAcceptableInput());
}

void TestMoneyEdit::calculatorWritesTheResult_data()
{
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("text");
    QTest::newRow("times") << "0" << "C7*3=" << "21";
    QTest::newRow("from the box") << "12.5" << "*2=" << "25";
    QTest::newRow("divide, rounded to four decimals") << "10" << "/3=" << "3.3333";
    QTest::newRow("divide") << "10" << "/4=" << "2.5";
    QTest::newRow("chain, left to right") << "" << "2+3*4=" << "20";
    QTest::newRow("minus to zero") << "8.25" << "-8.25=" << "0";
    QTest::newRow("operator replaced") << "6" << "+*2=" << "12";
    QTest::newRow("new number after the result") << "6" << "+1=5=" << "5";
    QTest::newRow("point alone is zero") << "4" << "+.=" << "4";
    QTest::newRow("cents") << "1.10" << "*3=" << "3.3";
}

void TestMoneyEdit::calculatorWritesTheResult()
{
    QFETCH(QString, start);
    QFETCH(QString, keys);
    QFETCH(QString, text);
    TMoneyEdit e;
    e.setText(start);
    e.resize(120, 21);
    e.show();
    QVERIFY(QTest::qWaitForWindowExposed(&e));
    QVERIFY(!e.calculator()->isVisible());
    // the drop-down button sits inside the box, at its right
    QVERIFY(e.rect().contains(e.btnCalculator()->geometry()));
    QVERIFY(e.btnCalculator()->geometry().right() > e.width() / 2);
    QTest::mouseClick(e.btnCalculator(), Qt::LeftButton);
    QVERIFY(e.calculator()->isVisible());
    QCOMPARE(e.calculator()->display(), start.isEmpty() ? QStringLiteral("0") : start);
    clickKeys(e.calculator(), keys);
    QCOMPARE(e.text(), text);
    QVERIFY(!e.calculator()->isVisible());
    QVERIFY(e.hasAcceptableInput());
}

void TestMoneyEdit::calculatorRefusesWhatTheBoxCannotHold_data()
{
    QTest::addColumn<QString>("keys");
    QTest::newRow("negative") << "2-5=";
    QTest::newRow("divide by zero") << "2/0=";
    QTest::newRow("too large") << "99999999999999*10=";
}

void TestMoneyEdit::calculatorRefusesWhatTheBoxCannotHold()
{
    QFETCH(QString, keys);
    TMoneyEdit e;
    e.setText(QStringLiteral("7"));
    e.show();
    QTest::mouseClick(e.btnCalculator(), Qt::LeftButton);
    clickKeys(e.calculator(), QStringLiteral("C") + keys);
    QCOMPARE(e.calculator()->display(), QStringLiteral("Error"));
    QVERIFY(e.calculator()->isVisible());
    QCOMPARE(e.text(), QStringLiteral("7"));
    // the next key starts afresh
    clickKeys(e.calculator(), QStringLiteral("4="));
    QCOMPARE(e.text(), QStringLiteral("4"));
}

void TestMoneyEdit::calculatorByKeyboard()
{
    TMoneyEdit e;
    e.setText(QStringLiteral("3"));
    e.show();
    QTest::keyClick(&e, Qt::Key_Down, Qt::AltModifier);
    QVERIFY(e.calculator()->isVisible());
    QTest::keyClicks(e.calculator(), QStringLiteral("+4.5"));
    QCOMPARE(e.calculator()->display(), QStringLiteral("4.5"));
    QTest::keyClick(e.calculator(), Qt::Key_Return);
    QCOMPARE(e.text(), QStringLiteral("7.5"));
    // Escape leaves the box as it was
    QTest::keyClick(&e, Qt::Key_Down, Qt::AltModifier);
    QTest::keyClicks(e.calculator(), QStringLiteral("*9"));
    QTest::keyClick(e.calculator(), Qt::Key_Escape);
    QVERIFY(!e.calculator()->isVisible());
    QCOMPARE(e.text(), QStringLiteral("7.5"));
}

QUENDAL_TEST_MAIN(TestMoneyEdit)
#include "test_money_edit.moc"
