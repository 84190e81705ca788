#include "fixture.h"
#include "module2.h"

#include <QStringDecoder>

namespace {
QString gbkCharacter(ushort code)
{
    const char bytes[] = {char(code >> 8), char(code & 0xFF)};
    QStringDecoder gbk("GBK");
    return gbk.decode(QByteArrayView(bytes, 2));
}
}

class TestModule2 : public VarnholtTestCase {
    Q_OBJECT
private slots:
    void formatMoney_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("whole") << "12"
                               << "12.00";
        QTest::newRow("negative rounded") << "-3.456"
                                          << "-3.46";
        QTest::newRow("letters") << "abc"
                                 << "0.00";
        QTest::newRow("empty") << ""
                               << "0.00";
        QTest::newRow("trailing letters") << "12abc"
                                          << "0.00";
        QTest::newRow("blanks around") << " 7 "
                                       << "7.00";
        QTest::newRow("grouping commas") << "1,234.5"
                                         << "1234.50";
        QTest::newRow("small negative") << "-0.004"
                                        << "0.00";
        QTest::newRow("half on decimal text") << "2.675"
                                              << "2.68";
        QTest::newRow("half negative") << "-2.675"
                                       << "-2.68";
        QTest::newRow("half from zero") << "-0.005"
                                        << "-0.01";
        QTest::newRow("carry") << "9.995"
                               << "10.00";
        QTest::newRow("exponent") << "1.5e-2"
                                  << "0.02";
        QTest::newRow("exponent up") << "12E3"
                                     << "12000.00";
        QTest::newRow("leading point") << ".5"
                                       << "0.50";
        QTest::newRow("plus sign") << "+4"
                                   << "4.00";
        QTest::newRow("more digits than a double") << "12345678901234567890.125"
                                                   << "12345678901234567890.13";
        QTest::newRow("too large") << "1e400"
                                   << "0.00";
        QTest::newRow("two points") << "1..2"
                                    << "0.00";
        QTest::newRow("trailing comma") << "1,"
                                        << "0.00";
        QTest::newRow("sign alone") << "-"
                                    << "0.00";
        QTest::newRow("inner blank") << "1 2"
                                     << "0.00";
        QTest::newRow("full-width") << "－１，２３４．５"
                                    << "-1234.50";
    }
    void formatMoney()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(Module2::FormatMoney(text), expected);
    }

    void formatInt_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("half up") << "12.5"
                                 << "13";
        QTest::newRow("half negative") << "-2.5"
                                       << "-3";
        QTest::newRow("down") << "3.4"
                              << "3";
        QTest::newRow("not a number") << "x"
                                      << "0";
        QTest::newRow("trailing letters") << "12abc"
                                          << "0";
        QTest::newRow("no negative zero") << "-0.4"
                                          << "0";
        QTest::newRow("grouping commas") << "1,234.5"
                                         << "1235";
        QTest::newRow("carry") << "999.5"
                               << "1000";
        QTest::newRow("below one") << "0.5"
                                   << "1";
    }
    void formatInt()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(Module2::FormatInt(text), expected);
    }

    // Numbers computed or read back round on their shortest decimal text.
    void formatsNumbersByTheirDecimalText()
    {
        QCOMPARE(Module2::FormatMoney(2.675), QStringLiteral("2.68"));
        QCOMPARE(Module2::FormatMoney(1.005), QStringLiteral("1.01"));
        QCOMPARE(Module2::FormatMoney(0.1 + 0.2), QStringLiteral("0.30"));
        QCOMPARE(Module2::FormatMoney(-0.001), QStringLiteral("0.00"));
        QCOMPARE(Module2::FormatMoney(1e21), QStringLiteral("1000000000000000000000.00"));
        QCOMPARE(Module2::FormatInt(2.5), QStringLiteral("3"));
        QCOMPARE(Module2::FormatInt(-0.2), QStringLiteral("0"));
    }

    void val_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("expected");
        QTest::newRow("trailing letters") << "12abc" << 12.0;
        QTest::newRow("letters") << "abc" << 0.0;
        QTest::newRow("empty") << "" << 0.0;
        QTest::newRow("unit") << "-3.5kg" << -3.5;
        QTest::newRow("blanks skipped") << " 1 2" << 12.0;
        QTest::newRow("grouping commas") << "1,234.5" << 1234.5;
        QTest::newRow("comma before letters") << "12,abc" << 12.0;
        QTest::newRow("exponent") << "1e3x" << 1000.0;
        QTest::newRow("incomplete exponent") << "2e" << 2.0;
        QTest::newRow("leading point") << ".5" << 0.5;
        QTest::newRow("money text") << "-500.00" << -500.0;
        QTest::newRow("out of range") << "1e999" << 0.0;
        QTest::newRow("full-width") << "１２．５元" << 12.5;
    }
    void val()
    {
        QFETCH(QString, text);
        QFETCH(double, expected);
        QCOMPARE(Module2::Val(text), expected);
    }

    void numberText_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("expected");
        QTest::newRow("whole") << 3.0 << "3";
        QTest::newRow("fraction") << 12.5 << "12.5";
        QTest::newRow("million") << 1234567.0 << "1234567";
        QTest::newRow("large") << 1e21 << "1000000000000000000000";
        QTest::newRow("small") << 1e-7 << "0.0000001";
        QTest::newRow("shortest") << 2.675 << "2.675";
        QTest::newRow("negative") << -500.0 << "-500";
        QTest::newRow("negative zero") << -0.0 << "0";
    }
    void numberText()
    {
        QFETCH(double, value);
        QFETCH(QString, expected);
        QCOMPARE(Module2::NumberText(value), expected);
        QCOMPARE(Module2::NumberText(QVariant(value)), expected);
    }

    void numberTextOfStoredValues()
    {
        QCOMPARE(Module2::NumberText(QVariant()), QString());
        QCOMPARE(Module2::NumberText(QVariant(qlonglong(9007199254740993))), QStringLiteral("9007199254740993"));
        QCOMPARE(Module2::NumberText(QVariant(QStringLiteral("SP000012"))), QStringLiteral("SP000012"));
    }

    void pinyinInitialAtEachBoundary_data()
    {
        QTest::addColumn<QString>("boundary");
        QTest::addColumn<ushort>("code");
        QTest::addColumn<QString>("initial");
        QTest::addColumn<QString>("initialBelow");
        const struct {
            const char* character;
            ushort code;
            const char* initial;
            const char* below;
        } table[] = {
            {"啊", 0xB0A1, "A", "0"}, {"芭", 0xB0C5, "B", "A"}, {"擦", 0xB2C1, "C", "B"}, {"搭", 0xB4EE, "D", "C"},
            {"蛾", 0xB6EA, "E", "D"}, {"发", 0xB7A2, "F", "E"}, {"噶", 0xB8C1, "G", "F"}, {"哈", 0xB9FE, "H", "G"},
            {"击", 0xBBF7, "J", "H"}, {"喀", 0xBFA6, "K", "J"}, {"垃", 0xC0AC, "L", "K"}, {"妈", 0xC2E8, "M", "L"},
            {"拿", 0xC4C3, "N", "M"}, {"哦", 0xC5B6, "O", "N"}, {"啪", 0xC5BE, "P", "O"}, {"期", 0xC6DA, "Q", "P"},
            {"然", 0xC8BB, "R", "Q"}, {"撒", 0xC8F6, "S", "R"}, {"塌", 0xCBFA, "T", "S"}, {"挖", 0xCDDA, "W", "T"},
            {"昔", 0xCEF4, "X", "W"}, {"压", 0xD1B9, "Y", "X"}, {"匝", 0xD4D1, "Z", "Y"},
        };
        for (const auto& row : table) {
            QTest::newRow(row.initial) << QString::fromUtf8(row.character) << row.code << QString::fromUtf8(row.initial)
                                       << QString::fromUtf8(row.below);
        }
    }
    void pinyinInitialAtEachBoundary()
    {
        QFETCH(QString, boundary);
        QFETCH(ushort, code);
        QFETCH(QString, initial);
        QFETCH(QString, initialBelow);
        QCOMPARE(gbkCharacter(code), boundary);
        QCOMPARE(Module2::GetPYInitial(boundary), initial);
        const QString below = gbkCharacter(code - 1);
        QCOMPARE(below.size(), 1);
        QCOMPARE(Module2::GetPYInitial(below), initialBelow);
    }

    void pinyinInitialOfOtherCharacters_data()
    {
        QTest::addColumn<QString>("character");
        QTest::addColumn<QString>("expected");
        QTest::newRow("zhang") << "张"
                               << "Z";
        QTest::newRow("wang") << "王"
                              << "W";
        QTest::newRow("li") << "李"
                            << "L";
        QTest::newRow("second level first") << gbkCharacter(0xD8A1) << "Z";
        QTest::newRow("second level last") << gbkCharacter(0xF7FE) << "Z";
        QTest::newRow("lower letter") << "q"
                                      << "Q";
        QTest::newRow("upper letter") << "A"
                                      << "A";
        QTest::newRow("digit") << "5"
                               << "5";
        QTest::newRow("hyphen") << "-"
                                << "-";
        QTest::newRow("hash") << "#"
                              << "#";
        QTest::newRow("blank") << " "
                               << " ";
        QTest::newRow("full-width digit") << "１"
                                          << "0";
        QTest::newRow("full-width letter") << "Ａ"
                                           << "0";
        QTest::newRow("full-width comma") << "，"
                                          << "0";
        QTest::newRow("ideographic full stop") << "。"
                                               << "0";
        QTest::newRow("unencodable") << "😀"
                                     << "😀";
    }
    void pinyinInitialOfOtherCharacters()
    {
        QFETCH(QString, character);
        QFETCH(QString, expected);
        QCOMPARE(Module2::GetPYInitial(character), expected);
    }

    // An unencodable character must not spoil the characters after it.
    void pinyinInitialsOfAName()
    {
        QString initials;
        for (const QString& ch : {QStringLiteral("😀"), QStringLiteral("张"), QStringLiteral("b"), QStringLiteral("王")})
            initials += Module2::GetPYInitial(ch);
        QCOMPARE(initials, QStringLiteral("😀ZBW"));
    }
};

VARNHOLT_TEST(TestModule2)
#include "tst_module2.moc"
