// The code page of the logs against Qt's own codec (ICU, where Qt has it) for
// every byte and every character, and against the letters a Ukrainian log holds
// everywhere, ICU or not.
#include <QStringDecoder>
#include <QStringEncoder>
#include <gtest/gtest.h>

#include "core/windows1251.h"

namespace {
QByteArray allBytes() {
    QByteArray bytes;
    for (int b = 0; b < 256; ++b) bytes += char(b);
    return bytes;
}
}  // namespace

TEST(Windows1251, EveryByteIsOneCharacterAndEncodesBack) {
    const QByteArray bytes = allBytes();
    const QString text = DecodeWindows1251(bytes);
    ASSERT_EQ(text.size(), 256);
    for (int b = 0; b < 128; ++b) EXPECT_EQ(text[b].unicode(), b);
    EXPECT_EQ(EncodeWindows1251(text), bytes) << "not one character to one byte and back";
}

TEST(Windows1251, EveryByteDecodesAsQtsCodecHasIt) {
    QStringDecoder icu("windows-1251");
    if (!icu.isValid()) GTEST_SKIP() << "this Qt has no codec for windows-1251 to compare with";
    const QByteArray bytes = allBytes();
    const QString text = DecodeWindows1251(bytes), expected = icu.decode(bytes);
    ASSERT_EQ(expected.size(), 256);
    for (int b = 0; b < 256; ++b)
        EXPECT_EQ(text[b].unicode(), expected[b].unicode()) << "byte 0x" << std::hex << b;
}

TEST(Windows1251, EveryCharacterOfTheBasicPlaneEncodesAsQtsCodecOrAsAQuestionMark) {
    QStringEncoder icu("windows-1251");
    if (!icu.isValid()) GTEST_SKIP() << "this Qt has no codec for windows-1251 to compare with";
    int encodable = 0;
    for (char32_t c = 0; c <= 0xFFFF; ++c) {
        if (QChar::isSurrogate(c)) continue;
        const QString one{QChar(char16_t(c))};
        const QByteArray theirs = icu.encode(one);
        // ICU writes SUB (0x1A) for a character it lacks, and nothing for an invisible
        // one (U+034F, U+200B …); the logs get "?" for both, as Windows writes it.
        const bool lacking = theirs.isEmpty() || (theirs == "\x1a" && c != 0x1A);
        const QByteArray expected = lacking ? QByteArray("?") : theirs;
        ASSERT_EQ(EncodeWindows1251(one), expected) << "U+" << std::hex << unsigned(c);
        if (expected != "?" || c == u'?') ++encodable;
    }
    EXPECT_EQ(encodable, 256);
}

TEST(Windows1251, UkrainianLettersAndSignsHaveTheirBytes) {
    // Every letter of the Ukrainian alphabet, both cases, and the signs the logs and tasks use.
    const QString text = QStringLiteral("АаБбВвГгҐґДдЕеЄєЖжЗзИиІіЇїЙйКкЛлМмНнОоПпРрСсТтУуФфХхЦцЧчШшЩщЬьЮюЯя№«»—’");
    const QByteArray bytes = EncodeWindows1251(text);
    ASSERT_EQ(bytes.size(), text.size());
    EXPECT_FALSE(bytes.contains('?'));
    EXPECT_EQ(DecodeWindows1251(bytes), text);
    EXPECT_EQ(EncodeWindows1251(QStringLiteral("Ґґ Єє Іі Її Ёё №")), QByteArray("\xA5\xB4 \xAA\xBA \xB2\xB3 \xAF\xBF \xA8\xB8 \xB9"));
    EXPECT_EQ(EncodeWindows1251(QStringLiteral("Аая")), QByteArray("\xC0\xE0\xFF"));
    // "Ваpіант" with a Latin p: the p stays the ASCII byte 0x70.
    EXPECT_EQ(EncodeWindows1251(QStringLiteral("Ваpіант")), QByteArray("\xC2\xE0p\xB3\xE0\xED\xF2"));
}

TEST(Windows1251, CharactersOutsideTheCodePageBecomeOneQuestionMarkEach) {
    // π, a minus sign, a Latin é, a pair of surrogates (one emoji), a lone surrogate.
    QString text = QStringLiteral("π−é") + QString::fromUcs4(U"\U0001F600") + QChar(char16_t(0xD800)) + u'x';
    EXPECT_EQ(EncodeWindows1251(text), QByteArray("?????x"));
    EXPECT_TRUE(EncodeWindows1251(QString()).isEmpty());
    EXPECT_TRUE(DecodeWindows1251(QByteArray()).isEmpty());
}
