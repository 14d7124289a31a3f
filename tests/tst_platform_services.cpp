#include "PulseOutput.h"
#include "PulseSoundPlayer.h"
#include "SoundClip.h"
#include "TimeText.h"
#include "ViewHost.h"
#include "VirtualKeys.h"
#include "WaveFile.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>
#include <clocale>
#include <ctime>

namespace {
void Put32(QByteArray& b, quint32 v) {
    char raw[4];
    qToLittleEndian(v, raw);
    b.append(raw, 4);
}
void Put16(QByteArray& b, quint16 v) {
    char raw[2];
    qToLittleEndian(v, raw);
    b.append(raw, 2);
}

// A mono 22050 Hz PCM file with a "fmt " chunk of fmtSize bytes, a "fact"
// chunk and the samples.
QByteArray Wave(int bits, int fmtSize, const QByteArray& samples) {
    QByteArray body("WAVE");
    body += "fmt ";
    Put32(body, quint32(fmtSize));
    Put16(body, 1);
    Put16(body, 1);
    Put32(body, 22050);
    Put32(body, quint32(22050 * bits / 8));
    Put16(body, quint16(bits / 8));
    Put16(body, quint16(bits));
    if (fmtSize == 18)
        Put16(body, 0);
    body += "fact";
    Put32(body, 4);
    Put32(body, quint32(samples.size() / (bits / 8)));
    body += "data";
    Put32(body, quint32(samples.size()));
    body += samples;
    if (samples.size() % 2)
        body += '\0';
    QByteArray file("RIFF");
    Put32(file, quint32(body.size()));
    return file + body;
}
} // namespace

class TestPlatformServices : public QObject {
    Q_OBJECT
private slots:
    void virtualKeys_data();
    void virtualKeys();
    void parsesWaveChunks_data();
    void parsesWaveChunks();
    void refusesDamagedWaves_data();
    void refusesDamagedWaves();
    void missingSoundReturnsAtOnce();
    void noServerMeansNoWait();
    void outputConnectsOnlyWhenAsked();
    void clipsBecomeSixteenBitMono_data();
    void clipsBecomeSixteenBitMono();
    void timeTextInTheLocalesEncoding_data();
    void timeTextInTheLocalesEncoding();
    void scalingJitterIsNoResize_data();
    void scalingJitterIsNoResize();
};

void TestPlatformServices::virtualKeys_data() {
    QTest::addColumn<int>("qtKey");
    QTest::addColumn<uint>("vk");
    QTest::newRow("left") << int(Qt::Key_Left) << 37u;
    QTest::newRow("up") << int(Qt::Key_Up) << 38u;
    QTest::newRow("right") << int(Qt::Key_Right) << 39u;
    QTest::newRow("down") << int(Qt::Key_Down) << 40u;
    QTest::newRow("end") << int(Qt::Key_End) << 35u;
    QTest::newRow("delete") << int(Qt::Key_Delete) << 46u;
    QTest::newRow("F1") << int(Qt::Key_F1) << 112u;
    QTest::newRow("F2") << int(Qt::Key_F2) << 113u;
    QTest::newRow("ctrl") << int(Qt::Key_Control) << 17u;
    QTest::newRow("shift") << int(Qt::Key_Shift) << 16u;
    QTest::newRow("letter") << int(Qt::Key_Q) << uint('Q');
    QTest::newRow("digit") << int(Qt::Key_7) << uint('7');
    QTest::newRow("punctuation still reaches the view") << int(Qt::Key_Comma) << 0xDFu;
    QTest::newRow("unknown") << int(Qt::Key_unknown) << 0u;
}

void TestPlatformServices::virtualKeys() {
    QFETCH(int, qtKey);
    QFETCH(uint, vk);
    QCOMPARE(ToVirtualKey(qtKey), vk);
}

void TestPlatformServices::parsesWaveChunks_data() {
    QTest::addColumn<int>("bits");
    QTest::addColumn<int>("fmtSize");
    QTest::addColumn<int>("bytes");
    QTest::newRow("8 bit, odd data size padded") << 8 << 18 << 219;
    QTest::newRow("16 bit") << 16 << 16 << 11026;
}

void TestPlatformServices::parsesWaveChunks() {
    QFETCH(int, bits);
    QFETCH(int, fmtSize);
    QFETCH(int, bytes);
    const auto wave = WaveFile::Parse(Wave(bits, fmtSize, QByteArray(bytes, char(100))));
    QVERIFY(wave.has_value());
    QCOMPARE(wave->bitsPerSample, bits);
    QCOMPARE(wave->sampleRate, 22050);
    QCOMPARE(wave->channels, 1);
    QCOMPARE(wave->SampleCount(), bytes / (bits / 8));
    QCOMPARE(int(*wave->factSamples), bytes / (bits / 8));
    QCOMPARE(wave->chunks.size(), 3);
    QCOMPARE(wave->chunks[0].id, QByteArray("fmt "));
    QCOMPARE(int(wave->chunks[0].size), fmtSize);
    QCOMPARE(wave->data.size(), bytes);
}

void TestPlatformServices::refusesDamagedWaves_data() {
    QTest::addColumn<QByteArray>("bytes");
    const QByteArray good = Wave(16, 16, QByteArray(100, 'x'));
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("not RIFF") << QByteArray("RIFX") + good.mid(4);
    QTest::newRow("cut inside the data") << good.left(good.size() - 10);
    QByteArray noData = good;
    noData.replace(noData.indexOf("data"), 4, "junk");
    QTest::newRow("no data chunk") << noData;
    QByteArray huge = good;
    qToLittleEndian(quint32(0xFFFFFFF0), huge.data() + huge.indexOf("data") + 4);
    QTest::newRow("size past the end") << huge;
}

void TestPlatformServices::refusesDamagedWaves() {
    QFETCH(QByteArray, bytes);
    QVERIFY(!WaveFile::Parse(bytes).has_value());
}

// A hang here runs into the test's time limit (tests/CMakeLists.txt).
void TestPlatformServices::missingSoundReturnsAtOnce() {
    PulseSoundPlayer player;
    player.PlaySoundWait(9999);
    player.PlaySoundAsync(9999);
}

namespace {
int Threads() {
    return int(QDir("/proc/self/task").entryList(QDir::Dirs | QDir::NoDotAndDotDot).size());
}
} // namespace

// The test runs with PULSE_SERVER naming a socket that does not exist.
void TestPlatformServices::noServerMeansNoWait() {
    PulseOutput output;
    QTRY_COMPARE_WITH_TIMEOUT(
        QByteArray(output.ProgressOf(output.Play(QByteArray(4410, 'x'))).over),
        QByteArray("no output"), 10000);
    for (int i = 0; i < 200; ++i)
        QCOMPARE(output.ProgressOf(output.Play(QByteArray(4410, 'x'))).over, "no output");
}

// Start-up does not wait for the audio: nothing runs until a sound asks
// for the output.
void TestPlatformServices::outputConnectsOnlyWhenAsked() {
    const int before = Threads();
    PulseOutput untouched;
    QCOMPARE(Threads(), before);
    PulseOutput played;
    played.Play(QByteArray(4410, 'x'));
    QCOMPARE(Threads(), before + 1);
}

void TestPlatformServices::clipsBecomeSixteenBitMono_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QByteArray>("pcm"); // empty: refused
    QTest::addColumn<int>("durationMs");
    QByteArray eight;
    eight.append(char(128)).append(char(0)).append(char(255)).append(char(129));
    QTest::newRow("8 bit unsigned, silence 128")
        << Wave(8, 18, eight) << QByteArray::fromHex("00000080007f0001") << 0;
    QTest::newRow("16 bit as it is")
        << Wave(16, 16, QByteArray(44100, char(1))) << QByteArray(44100, char(1)) << 1000;
    QByteArray stereo = Wave(16, 16, QByteArray(8, char(1)));
    qToLittleEndian(quint16(2), stereo.data() + stereo.indexOf("fmt ") + 10);
    QTest::newRow("stereo is refused") << stereo << QByteArray() << 0;
    QByteArray rate = Wave(16, 16, QByteArray(8, char(1)));
    qToLittleEndian(quint32(44100), rate.data() + rate.indexOf("fmt ") + 12);
    QTest::newRow("another rate is refused") << rate << QByteArray() << 0;
}

void TestPlatformServices::clipsBecomeSixteenBitMono() {
    QFETCH(QByteArray, file);
    QFETCH(QByteArray, pcm);
    QFETCH(int, durationMs);
    const auto wave = WaveFile::Parse(file);
    QVERIFY(wave.has_value());
    const auto clip = SoundClip::FromWave(*wave);
    QCOMPARE(clip.has_value(), !pcm.isEmpty());
    if (clip) {
        QCOMPARE(clip->pcm.toHex(), pcm.toHex());
        QCOMPARE(clip->durationMs, durationMs);
    }
}

void TestPlatformServices::timeTextInTheLocalesEncoding_data() {
    QTest::addColumn<QString>("source");  // locale source, empty for "C"
    QTest::addColumn<QString>("charset"); // its encoding
    QTest::addColumn<QString>("expected");
    QTest::newRow("Turkish, ISO-8859-9") << "tr_TR"
                                         << "ISO-8859-9" << QString("Çrş 18 Şub");
    QTest::newRow("Turkish, UTF-8") << "tr_TR"
                                    << "UTF-8" << QString("Çrş 18 Şub");
    QTest::newRow("Russian, KOI8-R") << "ru_RU"
                                     << "KOI8-R" << QString("Ср 18 фев");
    QTest::newRow("C") << ""
                       << "" << QString("Wed 18 Feb");
}

// The locales are compiled here, so the test needs only the locale sources.
void TestPlatformServices::timeTextInTheLocalesEncoding() {
    QFETCH(QString, source);
    QFETCH(QString, charset);
    QFETCH(QString, expected);
    QTemporaryDir dir;
    QString name = "C";
    if (!source.isEmpty()) {
        name = source + "." + charset;
        const int status =
            QProcess::execute("localedef", {"-i", source, "-f", charset, dir.filePath(name)});
        QVERIFY2(status == 0 || status == 1, "localedef failed: is the locales package there?");
        qputenv("LOCPATH", dir.path().toLocal8Bit());
    }
    const QByteArray before = std::setlocale(LC_TIME, nullptr);
    QVERIFY(std::setlocale(LC_TIME, name.toLatin1().constData()) != nullptr);
    std::tm day{};
    day.tm_year = 2026 - 1900;
    day.tm_mon = 1;
    day.tm_mday = 18;
    day.tm_wday = 3;
    char buffer[64];
    const size_t length = std::strftime(buffer, sizeof buffer, "%a %d %b", &day);
    const QString decoded = TimeText::Decode({buffer, length});
    std::setlocale(LC_TIME, before.constData());
    qunsetenv("LOCPATH");
    QCOMPARE(decoded, expected);
}

void TestPlatformServices::scalingJitterIsNoResize_data() {
    QTest::addColumn<QSize>("before");
    QTest::addColumn<QSize>("after");
    QTest::addColumn<qreal>("ratio");
    QTest::addColumn<bool>("jitter");
    QTest::newRow("unscaled: any change counts")
        << QSize(800, 562) << QSize(800, 561) << 1.0 << false;
    QTest::newRow("scaled, one pixel") << QSize(400, 272) << QSize(400, 271) << 2.0 << true;
    QTest::newRow("scaled, one pixel larger") << QSize(400, 272) << QSize(401, 273) << 1.5 << true;
    QTest::newRow("scaled, a real resize") << QSize(400, 272) << QSize(350, 250) << 2.0 << false;
    QTest::newRow("scaled, two pixels") << QSize(400, 272) << QSize(400, 270) << 2.0 << false;
    QTest::newRow("nothing before") << QSize() << QSize(400, 272) << 2.0 << false;
}

void TestPlatformServices::scalingJitterIsNoResize() {
    QFETCH(QSize, before);
    QFETCH(QSize, after);
    QFETCH(qreal, ratio);
    QFETCH(bool, jitter);
    QCOMPARE(ViewHost::IsScalingJitter(before, after, ratio), jitter);
}

QTEST_MAIN(TestPlatformServices)
#include "tst_platform_services.moc"
