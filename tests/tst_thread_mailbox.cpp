// Calls posted from other threads run on the mailbox's own thread, in the
// order they were posted, and none is lost or run twice; calls still waiting
// when the mailbox goes are dropped.

#include "platform/ThreadMailbox.h"

#include <QThread>
#include <QtTest>

#include <atomic>
#include <thread>
#include <vector>

class ThreadMailboxTest : public QObject
{
    Q_OBJECT
private slots:
    void callsRunOnTheOwnerInOrder();
    void waitingCallsAreDroppedWithTheMailbox();
};

void ThreadMailboxTest::callsRunOnTheOwnerInOrder()
{
    constexpr int Threads = 4;
    constexpr int PerThread = 500;
    ThreadMailbox mailbox;
    QThread *const owner = QThread::currentThread();
    std::vector<std::vector<int>> seen(Threads);
    int total = 0;
    bool wrongThread = false;
    std::vector<std::thread> posters;
    for (int t = 0; t < Threads; ++t) {
        posters.emplace_back([&, t] {
            for (int i = 0; i < PerThread; ++i) {
                mailbox.post([&, t, i] {
                    wrongThread |= QThread::currentThread() != owner;
                    seen[t].push_back(i);
                    ++total;
                });
            }
        });
    }
    for (std::thread &p : posters)
        p.join();
    QTRY_COMPARE(total, Threads * PerThread);
    QVERIFY(!wrongThread);
    for (int t = 0; t < Threads; ++t) {
        QCOMPARE(int(seen[t].size()), PerThread);
        QVERIFY(std::is_sorted(seen[t].begin(), seen[t].end()));
    }
    // Nothing more arrives afterwards.
    QTest::qWait(50);
    QCOMPARE(total, Threads * PerThread);
}

void ThreadMailboxTest::waitingCallsAreDroppedWithTheMailbox()
{
    std::atomic<int> ran{0};
    {
        ThreadMailbox mailbox;
        std::thread poster([&] { mailbox.post([&] { ++ran; }); });
        poster.join();
    }
    QTest::qWait(50);
    QCOMPARE(ran.load(), 0);
}

QTEST_GUILESS_MAIN(ThreadMailboxTest)
#include "tst_thread_mailbox.moc"
