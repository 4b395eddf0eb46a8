#include "platform/sound/voice/phrasestore.h"

#include <QTest>

namespace
{
Samples sound(std::size_t count, float value)
{
    return std::make_shared<const std::vector<float>>(count, value);
}
} // namespace

class TestPhraseStore : public QObject
{
    Q_OBJECT

private slots:
    void phraseComesBackAsItWasMade_data();
    void phraseComesBackAsItWasMade();
    void leastRecentlyUsedGoesFirst();
};

void TestPhraseStore::phraseComesBackAsItWasMade_data()
{
    // The engines' 16-bit samples as the voice turns them into floats (s / 32768).
    QTest::addColumn<float>("sample");
    QTest::newRow("loudest negative") << -1.0f;
    QTest::newRow("loudest positive") << 32767 / 32768.0f;
    QTest::newRow("flite's hiss") << 66 / 32768.0f;
    QTest::newRow("smallest step") << -1 / 32768.0f;
}

void TestPhraseStore::phraseComesBackAsItWasMade()
{
    QFETCH(float, sample);
    PhraseStore store;
    store.remember(QStringLiteral("half past  4"), sound(3, sample));
    const Samples back = store.recall(QStringLiteral("half past  4"));
    QVERIFY(back);
    QCOMPARE(*back, std::vector<float>(3, sample));
    QVERIFY(!store.recall(QStringLiteral("half past  5")));
}

// Three phrases of 40 % of the bound each: the third pushes out the one least recently used,
// which is the first unless it was said again meanwhile.
void TestPhraseStore::leastRecentlyUsedGoesFirst()
{
    const std::size_t size = PhraseStore::kMaxSamples * 2 / 5;
    PhraseStore store;
    store.remember(QStringLiteral("one"), sound(size, 0.1f));
    store.remember(QStringLiteral("two"), sound(size, 0.2f));
    QVERIFY(store.recall(QStringLiteral("one")));
    store.remember(QStringLiteral("three"), sound(size, 0.3f));
    QVERIFY(store.recall(QStringLiteral("one")));
    QVERIFY(!store.recall(QStringLiteral("two")));
    QVERIFY(store.recall(QStringLiteral("three")));
}

QTEST_GUILESS_MAIN(TestPhraseStore)
#include "test_phrasestore.moc"
