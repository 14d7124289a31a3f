#include "SoundFeeder.h"

#include <QTest>

namespace {
// Sizes count in steps of 10 ms: 441 bytes at 22050 16-bit samples a second.
constexpr qsizetype kUnit = 441;
using Clock = SoundProgress::Clock;

// A server that plays only when told to, so a test decides what is heard.
class FakeStream : public IAudioStream {
public:
    bool Write(const char* data, qsizetype bytes) override {
        m_pending.append(data, bytes);
        return true;
    }
    bool Flush() override {
        ++flushes;
        m_pending.clear();
        return true;
    }
    std::optional<qint64> LatencyUs() override {
        return m_pending.size() * 1000000 / SoundFeeder::kBytesPerSecond;
    }
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

// Runs a script of steps, each a letter and a number: "pa3" asks for a
// sound of three units of 'a', "s2" has the feeder write two units, "l2"
// writes two units of lead-in silence, "h2" has the server play two units,
// "w10" lets 10 ms pass.
struct Script {
    SoundSlot slot;
    SoundProgress progress;
    FakeStream stream;
    SoundFeeder feeder{slot, progress, stream};
    Clock::time_point now = Clock::now();

    void Run(const QStringList& steps) {
        for (const QString& step : steps) {
            const int n = step.mid(step.at(0) == 'p' ? 2 : 1).toInt();
            switch (step.at(0).toLatin1()) {
            case 'p':
                slot.Play(QByteArray(n * kUnit, step.at(1).toLatin1()), now);
                break;
            case 's':
                QVERIFY(feeder.Step(n * kUnit, false, now));
                break;
            case 'l':
                QVERIFY(feeder.Step(n * kUnit, true, now));
                break;
            case 'h':
                stream.Hear(n * kUnit);
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
    void aSoundEndsWhenHeard_data();
    void aSoundEndsWhenHeard();
};

void TestSoundOutput::theServerPlaysTheLatestSound_data() {
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QByteArray>("heard"); // once everything written has played
    QTest::addColumn<int>("flushes");
    QTest::newRow("a sound, then silence")
        << QStringList{"pa3", "s2", "s2"} << QByteArray("aaa.") << 0;
    QTest::newRow("a new sound cuts what is unheard of the one before")
        << QStringList{"pa4", "s2", "h1", "pb2", "s2"} << QByteArray("abb") << 1;
    QTest::newRow("a sound replaced before it began never plays")
        << QStringList{"pa2", "pb2", "s3"} << QByteArray("bb.") << 0;
    QTest::newRow("a sound is not held back by the silence ahead")
        << QStringList{"s2", "h1", "pa2", "s2"} << QByteArray(".aa") << 1;
    QTest::newRow("nothing to cut when all is heard")
        << QStringList{"pa1", "s2", "h2", "pb1", "s1"} << QByteArray("a.b") << 0;
    QTest::newRow("a new stream's lead-in silence goes first")
        << QStringList{"l2", "pa2", "s2"} << QByteArray("..aa") << 0;
    QTest::newRow("the sound after a heard lead-in cuts the silence ahead")
        << QStringList{"l1", "s2", "h2", "pa1", "s1"} << QByteArray("..a") << 1;
    QTest::newRow("a sound that could not begin in time is dropped")
        << QStringList{"pa2", "w301", "s2"} << QByteArray("..") << 0;
    QTest::newRow("a sound begun plays on however late")
        << QStringList{"pa4", "s2", "w400", "s2"} << QByteArray("aaaa") << 0;
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

void TestSoundOutput::aSoundEndsWhenHeard_data() {
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<int>("endsInMs"); // after the last step; -1: not before a minute
    QTest::newRow("once the server has played what it holds ahead of the end")
        << QStringList{"l2", "pa3", "s3"} << 50;
    QTest::newRow("later when the server falls behind")
        << QStringList{"pa3", "s3", "w10", "s1"} << 30;
    QTest::newRow("sooner when the server has played ahead")
        << QStringList{"pa3", "s3", "h2", "s1"} << 10;
    QTest::newRow("not before it has been written") << QStringList{"pa6", "s3"} << -1;
    QTest::newRow("at once when dropped") << QStringList{"pa2", "w301", "s1"} << 0;
}

void TestSoundOutput::aSoundEndsWhenHeard() {
    QFETCH(QStringList, steps);
    QFETCH(int, endsInMs);
    Script script;
    script.Run(steps);
    const auto at = [&script](int ms) { return script.now + std::chrono::milliseconds(ms); };
    if (endsInMs < 0) {
        QVERIFY(!script.progress.HasEnded(1, at(60000)));
        return;
    }
    if (endsInMs > 0)
        QVERIFY(!script.progress.HasEnded(1, at(endsInMs - 1)));
    QVERIFY(script.progress.HasEnded(1, at(endsInMs)));
}

QTEST_GUILESS_MAIN(TestSoundOutput)
#include "tst_sound_output.moc"
