// 80-bit extended <-> double, checked against exact values and, where long double is the x87
// format, against the compiler's own conversions over many values.
#include "designfile/extended_float.h"

#include <QRandomGenerator>
#include <QTest>

#include <bit>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>

using namespace dd::stream;

namespace {

QByteArray hex(const ExtendedBytes &bytes)
{
    return QByteArray(reinterpret_cast<const char *>(bytes.data()), 10).toHex().toUpper();
}

ExtendedBytes fromHex(const QByteArray &hexBytes)
{
    const QByteArray raw = QByteArray::fromHex(hexBytes);
    ExtendedBytes out{};
    std::memcpy(out.data(), raw.constData(), 10);
    return out;
}

constexpr bool kLongDoubleIsExtended = std::numeric_limits<long double>::digits == 64;

} // namespace

class TestStreamExtended : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void toExtended_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("zero") << 0.0 << QByteArray("00000000000000000000");
        QTest::newRow("negative zero") << -0.0 << QByteArray("00000000000000000080");
        QTest::newRow("1.5") << 1.5 << QByteArray("00000000000000C0FF3F");
        QTest::newRow("-2.25") << -2.25 << QByteArray("000000000000009000C0");
        // Rounded to 16 digits first: the extended nearest 0.1, not the double's binary noise.
        QTest::newRow("0.1") << 0.1 << QByteArray("CDCCCCCCCCCCCCCCFB3F");
        QTest::newRow("1/3") << 1.0 / 3 << QByteArray("DDA5AAAAAAAAAAAAFD3F");
        QTest::newRow("123.456") << 123.456 << QByteArray("46B6F3FDD478E9F60540");
        QTest::newRow("-1e-30") << -1e-30 << QByteArray("32FC145EF75F42A29BBF");
        QTest::newRow("1e300") << 1e300 << QByteArray("2DDDAC0340E421BFE343");
        QTest::newRow("smallest subnormal") << std::numeric_limits<double>::denorm_min()
                                            << QByteArray("8FF9FFFFFFFFFFFFCC3B");
        // 16 digits of the largest double would overflow it; the value just below is kept.
        QTest::newRow("largest") << std::numeric_limits<double>::max() << QByteArray("9DDBFFFFFFFFFFFFFE43");
    }

    void toExtended()
    {
        QFETCH(double, value);
        QFETCH(QByteArray, bytes);
        QCOMPARE(hex(dd::stream::toExtended(value)), bytes);
    }

    void fromExtended_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<double>("value");
        QTest::addColumn<bool>("valid");
        QTest::newRow("1.5") << QByteArray("00000000000000C0FF3F") << 1.5 << true;
        QTest::newRow("0.1 rounds to the double") << QByteArray("CDCCCCCCCCCCCCCCFB3F") << 0.1 << true;
        QTest::newRow("negative zero") << QByteArray("00000000000000000080") << -0.0 << true;
        QTest::newRow("smallest subnormal") << QByteArray("0000000000000080CD3B")
                                            << std::numeric_limits<double>::denorm_min() << true;
        QTest::newRow("half of it ties to zero") << QByteArray("0000000000000080CC3B") << 0.0 << true;
        QTest::newRow("just above half rounds up")
            << QByteArray("0100000000000080CC3B") << std::numeric_limits<double>::denorm_min() << true;
        QTest::newRow("below half") << QByteArray("0000000000000080CB3B") << 0.0 << true;
        QTest::newRow("largest double") << QByteArray("00F8FFFFFFFFFFFFFE43") << std::numeric_limits<double>::max()
                                        << true;
        QTest::newRow("rounds past the largest double") << QByteArray("00FCFFFFFFFFFFFFFE43") << 0.0 << false;
        QTest::newRow("exponent beyond double") << QByteArray("0000000000000080FF43") << 0.0 << false;
        QTest::newRow("infinity") << QByteArray("0000000000000080FF7F") << 0.0 << false;
        QTest::newRow("NaN") << QByteArray("00000000000000C0FF7F") << 0.0 << false;
    }

    void fromExtended()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(double, value);
        QFETCH(bool, valid);
        const ExtendedBytes raw = fromHex(bytes);
        const std::optional<double> got = dd::stream::fromExtended(raw.data());
        QCOMPARE(got.has_value(), valid);
        if (valid) {
            QCOMPARE(std::bit_cast<quint64>(*got), std::bit_cast<quint64>(value));
        }
    }

    // Random bit patterns over the whole double range, subnormals included.
    void fromExtendedMatchesHardware()
    {
        if (!kLongDoubleIsExtended)
            QSKIP("long double is not the 80-bit format here");
        QRandomGenerator random(20240611);
        for (int i = 0; i < 50000; ++i) {
            ExtendedBytes raw{};
            const quint64 mantissa = random.generate64() | (quint64(1) << 63);
            const int exponent = 16383 - 1100 + int(random.bounded(2150));
            std::memcpy(raw.data(), &mantissa, 8);
            raw[8] = quint8(exponent);
            raw[9] = quint8((exponent >> 8) | (random.bounded(2) ? 0x80 : 0));
            long double hardware = 0;
            std::memcpy(&hardware, raw.data(), 10);
            const double expected = double(hardware);
            const std::optional<double> got = dd::stream::fromExtended(raw.data());
            if (std::isinf(expected)) {
                QVERIFY2(!got, qPrintable(hex(raw)));
            } else {
                QVERIFY2(got && std::bit_cast<quint64>(*got) == std::bit_cast<quint64>(expected), qPrintable(hex(raw)));
            }
        }
    }

    // The extended must be the one nearest the 16-digit decimal, as a correctly rounded parse gives.
    void toExtendedMatchesDecimalParse()
    {
        if (!kLongDoubleIsExtended)
            QSKIP("long double is not the 80-bit format here");
        QRandomGenerator random(20240612);
        for (int i = 0; i < 10000; ++i) {
            const quint64 exponent = random.bounded(2046); // subnormals too, no infinity or NaN
            const double value = std::bit_cast<double>((random.generate64() & ~(quint64(0x7FF) << 52)) | (exponent << 52));
            char text[40];
            const auto end = std::to_chars(text, text + sizeof text, value, std::chars_format::scientific, 15).ptr;
            long double parsed = 0;
            std::from_chars(text, end, parsed);
            ExtendedBytes expected{};
            std::memcpy(expected.data(), &parsed, 10);
            QVERIFY2(dd::stream::toExtended(value) == expected, text);
        }
    }

    void sixteenDigitsAreStable_data()
    {
        QTest::addColumn<double>("value");
        QTest::newRow("0.1") << 0.1;
        QTest::newRow("noise in the 17th digit") << 0.30000000000000004;
        QTest::newRow("2^53 + 2") << 9007199254740994.0;
        QTest::newRow("subnormal") << 1e-310;
        QTest::newRow("largest") << std::numeric_limits<double>::max();
    }

    // Writing what was read must not drift: rounding, then reading back, then rounding again.
    void sixteenDigitsAreStable()
    {
        QFETCH(double, value);
        const double once = roundedTo16Digits(value);
        QCOMPARE(roundedTo16Digits(once), once);
        const ExtendedBytes stored = dd::stream::toExtended(value);
        QCOMPARE(dd::stream::toExtended(*dd::stream::fromExtended(stored.data())), stored);
    }
};

QTEST_GUILESS_MAIN(TestStreamExtended)
#include "tst_stream_extended.moc"
