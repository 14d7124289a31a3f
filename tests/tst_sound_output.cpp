#include "SoundChannel.h"

#include <QTest>

namespace {
// Sizes count in steps of 10 ms: 441 bytes at 22050 16-bit samples a second.
constexpr qsizetype kUnit = 441;
using Clock = SoundChannel::Clock;

// A server that plays only when told to, so a test decides what is heard.
class FakeStream : public IAudioStream {
public:
    void Write(const char* data, qsizetype bytes) override { m_pending.append(data, bytes); }
    void Flush() override {
        ++flushes;
        m_pending.clear();
    }
    qint64 LatencyUs() const { return m_pending.size() * 1000000 / SoundChannel::kBytesPerSecond; }
    void Hear(qsizetype bytes) {
        m_heard += m_pending.left(bytes);
        m_pending.remove(0, bytes);
    }
    // One letter a unit, silence as '.'.
    QByteArray Heard() const {
        QByteArray letters;
        for (qsizetype i = 0; i < m_heard.size(); i += kUnit)
            letters += m_heard.at(i) == '\0' ? '.' : m_heard.at(i);
        return letters;
    }
    int flushes = 0;

private:
    QByteArray m_pending;
    QByteArray m_heard;
};

// Runs a script of steps, each a letter and maybe a number: "o" opens the
// stream (its first fill begins with five units of lead-in silence), "c"
// loses it, "pa3" asks for a sound of three units of 'a', "f2" has the
// server ask for two units, "h2" has it play two units, "t" has it tell
// its latency, "w10" lets 10 ms pass.
struct Script {
    SoundChannel channel;
    FakeStream stream;
    Clock::time_point now = Clock::now();

    void Run(const QStringList& steps) {
        for (const QString& step : steps) {
            const int n = step.mid(step.at(0) == 'p' ? 2 : 1).toInt();
            switch (step.at(0).toLatin1()) {
            case 'o':
                channel.Open(&stream);
                break;
            case 'c':
                channel.Open(nullptr);
                break;
            case 'p':
                channel.Play(QByteArray(n * kUnit, step.at(1).toLatin1()), now);
                break;
            case 'f':
                channel.Fill(n * kUnit, now);
                break;
            case 'h':
                stream.Hear(n * kUnit);
                break;
            case 't':
                channel.Heard(stream.LatencyUs(), now);
                break;
            case 'w':
                now += std::chrono::milliseconds(n);
                break;
            default:
                QFAIL(qPrintable("unknown step " + step));
            }
        }
    }
};
} // namespace

class TestSoundOutput : public QObject {
    Q_OBJECT
private slots:
    void theServerPlaysTheLatestSound_data();
    void theServerPlaysTheLatestSound();
    void aSoundEndsWhenTheServerHasPlayedIt_data();
    void aSoundEndsWhenTheServerHasPlayedIt();
};

void TestSoundOutput::theServerPlaysTheLatestSound_data() {
    QTest::addColumn<QStringList>("steps");
    // Once everything written has played. A sound begun is followed by
    // ten units of silence at once.
    QTest::addColumn<QByteArray>("heard");
    QTest::addColumn<int>("flushes");
    QTest::newRow("a sound asked for while the stream opens follows its lead-in")
        << QStringList{"pa3", "o", "f2"} << QByteArray(".....aaa" + QByteArray(12, '.')) << 0;
    QTest::newRow("a new sound cuts what is unheard of the one before")
        << QStringList{"o", "f1", "h6", "t", "pa4", "h1", "pb2", "f1"}
        << QByteArray("......abb" + QByteArray(11, '.')) << 1;
    QTest::newRow("a sound replaced before it began never plays")
        << QStringList{"pa2", "pb2", "o", "f1"} << QByteArray(".....bb" + QByteArray(11, '.')) << 0;
    QTest::newRow("a sound is not held back by the silence ahead")
        << QStringList{"o", "f1", "h6", "t", "f3", "pa2", "f1"}
        << QByteArray("......aa" + QByteArray(11, '.')) << 1;
    QTest::newRow("nothing to cut when all is heard")
        << QStringList{"o", "f1", "h6", "t", "pa1", "f1"}
        << QByteArray("......a" + QByteArray(11, '.')) << 0;
    QTest::newRow("a new stream's lead-in is not cut")
        << QStringList{"o", "f2", "h3", "t", "pa2", "f1"}
        << QByteArray(".......aa" + QByteArray(11, '.')) << 0;
    QTest::newRow("a sound that could not begin in time is dropped")
        << QStringList{"pa2", "w301", "o", "f2"} << QByteArray(".......") << 0;
    QTest::newRow("a sound begun plays on however late")
        << QStringList{"o", "f1", "pa4", "w400", "f2"}
        << QByteArray("......aaaa" + QByteArray(12, '.')) << 0;
    QTest::newRow("a sound waiting when the stream is lost begins on the next")
        << QStringList{"o", "c", "pa2", "o", "f1"} << QByteArray(".....aa" + QByteArray(11, '.'))
        << 0;
}

void TestSoundOutput::theServerPlaysTheLatestSound() {
    QFETCH(QStringList, steps);
    QFETCH(QByteArray, heard);
    QFETCH(int, flushes);
    Script script;
    script.Run(steps);
    script.stream.Hear(1 << 20);
    QCOMPARE(script.stream.Heard(), heard);
    QCOMPARE(script.stream.flushes, flushes);
}

void TestSoundOutput::aSoundEndsWhenTheServerHasPlayedIt_data() {
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<bool>("ended");       // the first sound
    QTest::addColumn<int>("expectedInMs"); // its end, after the last step; -1: not known
    QTest::newRow("once the server says it has played the end")
        << QStringList{"o", "pa3", "f2", "h8", "t"} << true << -1;
    QTest::newRow("not while some of it is unheard")
        << QStringList{"o", "pa3", "f2", "h5", "t"} << false << 30;
    QTest::newRow("later when the server falls behind")
        << QStringList{"o", "pa3", "f2", "h5", "t", "w10", "t"} << false << 30;
    QTest::newRow("sooner when the server has played ahead")
        << QStringList{"o", "pa3", "f2", "h5", "t", "w10", "h2", "t"} << false << 10;
    QTest::newRow("not from what the server says before the sound is written")
        << QStringList{"pa3", "o", "t"} << false << -1;
    QTest::newRow("at once when dropped") << QStringList{"pa2", "w301", "o", "f1"} << true << -1;
    QTest::newRow("at once when cut by the next")
        << QStringList{"o", "f1", "pa3", "pb1"} << true << -1;
    QTest::newRow("at once when its stream is lost")
        << QStringList{"o", "f1", "pa3", "c"} << true << -1;
}

void TestSoundOutput::aSoundEndsWhenTheServerHasPlayedIt() {
    QFETCH(QStringList, steps);
    QFETCH(bool, ended);
    QFETCH(int, expectedInMs);
    Script script;
    script.Run(steps);
    QCOMPARE(script.channel.HasEnded(1), ended);
    const auto expected = script.channel.ExpectedEnd();
    QCOMPARE(expected.has_value(), expectedInMs >= 0);
    if (expected)
        QCOMPARE(std::chrono::round<std::chrono::milliseconds>(*expected - script.now).count(),
                 expectedInMs);
}

QTEST_GUILESS_MAIN(TestSoundOutput)
#include "tst_sound_output.moc"
