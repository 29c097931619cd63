// Whatever stands at velmora.cfg, the window opens: a message where reading failed, and
// the values read before the failure.
#include "FormFixture.h"

#include <QFile>
#include <sys/stat.h>

using namespace Fourier;

namespace {

class BadConfigTest : public FormFixture {
  protected:
    void SetUp() override {} // each test starts its own window

    void ExpectWindowWorks() {
        ASSERT_NE(form, nullptr);
        EXPECT_EQ(form->Width(), 800);
        EXPECT_EQ(form->GraphBitmap.Width(), 579);
        const auto reported = errors.size();
        Choose(1);
        EXPECT_EQ(errors.size(), reported);
        EXPECT_TRUE(form->Image2->HasPicture());
    }

    static void Write(const QString& path, const QByteArray& bytes) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(bytes), bytes.size());
    }
};

TEST_F(BadConfigTest, AFolderIsRefused) {
    StartWindowWith([](const QString& config) { ASSERT_TRUE(QDir().mkdir(config)); });
    EXPECT_EQ(errors, std::vector<std::string>{"File access denied."});
    EXPECT_EQ(form->ParamTable, TParamTable{});
    ExpectWindowWorks();
}

TEST_F(BadConfigTest, ANamedPipeIsRefusedWithoutWaiting) {
    StartWindowWith([](const QString& config) {
        ASSERT_EQ(mkfifo(config.toLocal8Bit().constData(), 0600), 0);
    });
    EXPECT_EQ(errors, std::vector<std::string>{"File access denied."});
    ExpectWindowWorks();
}

TEST_F(BadConfigTest, HundredMegabytesOfBlanksReadAsZeros) {
    StartWindowWith([](const QString& config) { Write(config, QByteArray(100 << 20, ' ')); });
    EXPECT_TRUE(errors.empty());
    EXPECT_EQ(form->ParamTable, TParamTable{});
    ExpectWindowWorks();
}

TEST_F(BadConfigTest, BinaryJunkStopsAtTheFirstNumber) {
    StartWindowWith([](const QString& config) {
        QByteArray junk;
        for (int i = 0; i < 4096; ++i)
            junk.append(static_cast<char>((i * 7919 + 13) % 256));
        Write(config, "1\r\n9\r\n" + junk);
    });
    EXPECT_EQ(errors, std::vector<std::string>{"Invalid numeric input."});
    EXPECT_EQ(form->ParamTable[0], (TParamEntry{1, 9, 0, 0}));
    ExpectWindowWorks();
}

TEST_F(BadConfigTest, ATenThousandDigitTokenIsNotANumber) {
    StartWindowWith([](const QString& config) { Write(config, QByteArray(10000, '7') + "\r\n"); });
    EXPECT_EQ(errors, std::vector<std::string>{"Invalid numeric input."});
    EXPECT_EQ(form->ParamTable, TParamTable{});
    ExpectWindowWorks();
}

TEST_F(BadConfigTest, AnLfOnlyFileIsReadWhole) {
    StartWindowWith([](const QString& config) {
        Write(config, "1\n8\n0\n0\n1\n8\n1\n8\n2\n4 2\n3\n16 8 4\n1\n8\n");
    });
    EXPECT_TRUE(errors.empty());
    EXPECT_EQ(form->ParamTable[7], (TParamEntry{1, 8, 0, 0}));
    ExpectWindowWorks();
}

} // namespace
