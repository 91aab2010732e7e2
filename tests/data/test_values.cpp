// Pure value handling: fixed-point amounts, SQL literals, the system's date
// and time texts, and the settings file reader.

#include "app/IniFile.h"
#include "data/Decimal4.h"
#include "data/FbError.h"
#include "data/FbValue.h"
#include "data/LocaleFormat.h"
#include "data/SqlText.h"
#include "support/TestMain.h"

class TestValues : public QObject {
    Q_OBJECT
private slots:
    void decimalParse_data();
    void decimalParse();
    void decimalFormat_data();
    void decimalFormat();
    void decimalProductRounds();
    void sqlLiterals();
    void localeTexts();
    void valueReadings();
    void iniFile_data();
    void iniFile();
};

void TestValues::decimalParse_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<qint64>("raw");
    QTest::newRow("integer") << "12" << true << Q_INT64_C(120000);
    QTest::newRow("two decimals") << "12.50" << true << Q_INT64_C(125000);
    QTest::newRow("point only first") << ".5" << true << Q_INT64_C(5000);
    QTest::newRow("fifth decimal rounds") << "0.00005" << true << Q_INT64_C(1);
    QTest::newRow("negative") << "-3.25" << true << Q_INT64_C(-32500);
    QTest::newRow("empty") << "" << false << Q_INT64_C(0);
    QTest::newRow("two points") << "1.2.3" << false << Q_INT64_C(0);
    QTest::newRow("letters") << "12a" << false << Q_INT64_C(0);
    QTest::newRow("lone point") << "." << false << Q_INT64_C(0);
}

void TestValues::decimalParse()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(qint64, raw);
    const auto d = Decimal4::parse(text);
    QCOMPARE(d.has_value(), valid);
    if (valid)
        QCOMPARE(d->raw(), raw);
}

void TestValues::decimalFormat_data()
{
    QTest::addColumn<qint64>("raw");
    QTest::addColumn<QString>("twoDecimals");
    QTest::addColumn<QString>("plain");
    QTest::newRow("zero") << Q_INT64_C(0) << "0.00" << "0";
    QTest::newRow("eight") << Q_INT64_C(80000) << "8.00" << "8";
    QTest::newRow("eight and a half") << Q_INT64_C(85000) << "8.50" << "8.5";
    QTest::newRow("half up") << Q_INT64_C(125) << "0.01" << "0.0125";
    QTest::newRow("half away from zero, negative") << Q_INT64_C(-50) << "-0.01" << "-0.005";
    QTest::newRow("just under half") << Q_INT64_C(49) << "0.00" << "0.0049";
    QTest::newRow("thousands, no separator") << Q_INT64_C(12345678900) << "1234567.89" << "1234567.89";
}

void TestValues::decimalFormat()
{
    QFETCH(qint64, raw);
    QFETCH(QString, twoDecimals);
    QFETCH(QString, plain);
    QCOMPARE(Decimal4::fromRaw(raw).format2(), twoDecimals);
    QCOMPARE(Decimal4::fromRaw(raw).formatPlain(), plain);
}

void TestValues::decimalProductRounds()
{
    // 12.5 hours at 10.3333 an hour
    QCOMPARE((Decimal4::fromRaw(125000) * Decimal4::fromRaw(103333)).raw(), Q_INT64_C(1291663));
    QCOMPARE(Decimal4::fromScaled(123456789, -8).raw(), Q_INT64_C(12346));
    QCOMPARE(Decimal4::fromScaled(5, 0).raw(), Q_INT64_C(50000));
}

void TestValues::sqlLiterals()
{
    QCOMPARE(SqlText::date(QDate(2026, 7, 3)), QStringLiteral("07/03/2026"));
    QCOMPARE(SqlText::dateTime(QDateTime(QDate(2026, 12, 1), QTime(22, 5, 9), Qt::UTC)),
             QStringLiteral("12/01/2026 22:05:09"));
    QCOMPARE(SqlText::quoted(QStringLiteral("Bob's 'Week'")), QStringLiteral("'Bob''s ''Week'''"));
    QCOMPARE(SqlText::quotedDate(QDate(2026, 1, 9)), QStringLiteral("'01/09/2026'"));
}

void TestValues::localeTexts()
{
    QCOMPARE(LocaleFormat::shortDate(QDate(2026, 12, 7)), QStringLiteral("12/7/2026"));
    QCOMPARE(LocaleFormat::parseShortDate(QStringLiteral("12/7/2026")), QDate(2026, 12, 7));
    QCOMPARE(LocaleFormat::longTime(QTime(9, 0)), QStringLiteral("9:00:00 AM"));
    QCOMPARE(LocaleFormat::longTime(QTime(17, 30, 5)), QStringLiteral("5:30:05 PM"));
    QCOMPARE(LocaleFormat::weekdayName(QDate(2026, 12, 7)), QStringLiteral("Monday"));
    QVERIFY(!LocaleFormat::parseShortDate(QStringLiteral("not a date")).isValid());
}

void TestValues::valueReadings()
{
    const FbValue rate(FbValue::Scaled{125000, -4});
    QCOMPARE(rate.asString(), QStringLiteral("12.5"));
    QCOMPARE(rate.asMoney().format2(), QStringLiteral("12.50"));
    QCOMPARE(rate.asInteger(), Q_INT64_C(13));
    const FbValue null;
    QVERIFY(null.isNull());
    QCOMPARE(null.asString(), QString());
    QCOMPARE(null.asInteger(), Q_INT64_C(0));
    QCOMPARE(null.asMoney().raw(), Q_INT64_C(0));
    QVERIFY(!null.asDateTime().isValid());
    QCOMPARE(FbValue(QStringLiteral(" 42 ")).asInteger(), Q_INT64_C(42));
    QVERIFY_THROWS_EXCEPTION(ConversionError, FbValue(QStringLiteral("abc")).asInteger());
    QVERIFY_THROWS_EXCEPTION(ConversionError, FbValue(QStringLiteral("1,5")).asMoney());
}

void TestValues::iniFile_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("server");
    QTest::newRow("no file") << QString() << "DEFAULT" << "";
    QTest::newRow("no keys") << "[System]\n" << "DEFAULT" << "";
    QTest::newRow("both keys") << "[System]\nDatabasePath=/data/shop.gdb\nServer=pos1\n" << "/data/shop.gdb" << "pos1";
    QTest::newRow("other case") << "[SYSTEM]\r\ndatabasepath = C:\\Shop\\shop.gdb\r\nSERVER=Pos1\r\n"
                                << "C:\\Shop\\shop.gdb" << "Pos1";
    QTest::newRow("empty value is not the default") << "[System]\nDatabasePath=\n" << "" << "";
    QTest::newRow("other section") << "[Other]\nDatabasePath=/x\n[System]\nServer=h\n" << "DEFAULT" << "h";
    QTest::newRow("commas and percent kept") << "[System]\nDatabasePath=/a,b/%c.gdb\n" << "/a,b/%c.gdb" << "";
}

void TestValues::iniFile()
{
    QFETCH(QString, text);
    QFETCH(QString, path);
    QFETCH(QString, server);
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("tolvane.INI"));
    if (!text.isNull()) {
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(text.toUtf8());
    }
    const IniFile ini = IniFile::load(file);
    QCOMPARE(ini.readString(QStringLiteral("System"), QStringLiteral("DatabasePath"), QStringLiteral("DEFAULT")), path);
    QCOMPARE(ini.readString(QStringLiteral("System"), QStringLiteral("Server"), QString()), server);
}

QUENDAL_TEST_MAIN(TestValues)
#include "test_values.moc"
