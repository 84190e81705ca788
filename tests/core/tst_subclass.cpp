#include "clssubclass.h"
#include "fixture.h"
#include "mdlsubclass.h"
#include "windowmessages.h"

#include <QHash>
#include <functional>

namespace {
// What the procedures below answer and record. Answers default to the marker;
// the original procedure answers 100 + message.
struct Script {
    QStringList calls;
    QHash<QString, qint32> answers;
    std::function<void(WindowId, qint32)> duringA;
};
Script script;

qint32 answer(const QString& name, qint32 message)
{
    const QString call = name + QLatin1Char(':') + QString::number(message);
    script.calls << call;
    return script.answers.value(call, script.answers.value(name, mdlSubClass::Marker));
}

qint32 original(WindowId, qint32 message, qint32, qint32)
{
    script.calls << QStringLiteral("original:%1").arg(message);
    return 100 + message;
}

qint32 procA(WindowId window, qint32 message, qint32, qint32)
{
    const qint32 result = answer(QStringLiteral("A"), message);
    if (script.duringA)
        script.duringA(window, message);
    return result;
}

qint32 procB(WindowId, qint32 message, qint32, qint32) { return answer(QStringLiteral("B"), message); }

WindowId newWindow()
{
    script = Script{};
    return WindowMessages::createWindow(&original);
}

bool isDispatcher(WindowId window) { return WindowMessages::windowProc(window) == &mdlSubClass::WindowProc; }
bool isOriginal(WindowId window) { return WindowMessages::windowProc(window) == &original; }
}

class TestSubClass : public VarnholtTestCase {
    Q_OBJECT
private slots:
    void chainInOrderWithoutDuplicates()
    {
        const WindowId window = newWindow();
        QVERIFY(mdlSubClass::SubClassWnd(window, &procA));
        QVERIFY(mdlSubClass::SubClassWnd(window, &procA));
        QVERIFY(mdlSubClass::SubClassWnd(window, &procB));
        QVERIFY(isDispatcher(window));
        bool givenUp = true;
        QVERIFY(mdlSubClass::IsWndSubClassed(window, givenUp));
        QVERIFY(!givenUp);

        QCOMPARE(WindowMessages::send(window, 1, 0, 0), 101);
        QCOMPARE(script.calls, (QStringList{"A:1", "B:1", "original:1"}));

        // A was kept once: one removal takes it out of the chain.
        QVERIFY(mdlSubClass::UnSubClassWnd(window, &procA));
        script.calls.clear();
        QCOMPARE(WindowMessages::send(window, 2, 0, 0), 102);
        QCOMPARE(script.calls, (QStringList{"B:2", "original:2"}));

        QVERIFY(!mdlSubClass::UnSubClassWnd(window, &procA));
        QVERIFY(mdlSubClass::UnSubClassWnd(window, &procB));
        QVERIFY(isOriginal(window));
        QVERIFY(!mdlSubClass::IsWndSubClassed(window, givenUp));
        QVERIFY(!givenUp);
        WindowMessages::destroyWindow(window);
    }

    void answersAndFallThrough_data()
    {
        QTest::addColumn<qint32>("answerA");
        QTest::addColumn<qint32>("answerB");
        QTest::addColumn<qint32>("result");
        QTest::addColumn<bool>("reachesOriginal");
        const qint32 marker = 1147483647;
        QTest::newRow("both pass on") << marker << marker << 101 << true;
        QTest::newRow("zero answers") << 0 << marker << 0 << false;
        QTest::newRow("a later answer replaces an earlier") << 5 << 7 << 7 << false;
        QTest::newRow("an earlier answer stands") << 5 << marker << 5 << false;
        QTest::newRow("the second answers") << marker << -1 << -1 << false;
    }

    void answersAndFallThrough()
    {
        QFETCH(qint32, answerA);
        QFETCH(qint32, answerB);
        QFETCH(qint32, result);
        QFETCH(bool, reachesOriginal);
        const WindowId window = newWindow();
        script.answers = {{"A", answerA}, {"B", answerB}};
        QVERIFY(mdlSubClass::SubClassWnd(window, &procA));
        QVERIFY(mdlSubClass::SubClassWnd(window, &procB));

        QCOMPARE(WindowMessages::send(window, 1, 0, 0), result);
        QStringList expected{"A:1", "B:1"};
        if (reachesOriginal)
            expected << "original:1";
        QCOMPARE(script.calls, expected);

        QVERIFY(mdlSubClass::UnSubClassWnd(window, &procA));
        QVERIFY(mdlSubClass::UnSubClassWnd(window, &procB));
        WindowMessages::destroyWindow(window);
    }

    void objectHoldsOneWindow()
    {
        const WindowId first = newWindow();
        const WindowId second = WindowMessages::createWindow(&original);
        {
            clsSubClass object;
            QCOMPARE(object.CreateSubClass(first, &procA), &object);
            QCOMPARE(object.CreateSubClass(first, &procA), &object);
            QCOMPARE(object.CreateSubClass(first, &procB), &object);
            QCOMPARE(object.hwnd(), first);
            QVERIFY(object.PrevWndProcAddr() == &original);
            QCOMPARE(object.UserProcAddrsCount(), 2);
            QVERIFY(object.UserProcAddr(1) == &procA);
            QVERIFY(object.UserProcAddr(2) == &procB);
            QVERIFY(object.UserProcAddr(0) == nullptr);
            QVERIFY(object.UserProcAddr(3) == nullptr);
            QVERIFY(isDispatcher(first));

            // Another window: the first is given back and the chain starts anew.
            QCOMPARE(object.CreateSubClass(second, &procB), &object);
            QVERIFY(isOriginal(first));
            QVERIFY(isDispatcher(second));
            QCOMPARE(object.UserProcAddrsCount(), 1);
            QVERIFY(object.UserProcAddr(1) == &procB);
            QVERIFY(!object.UnSubclassOne(&procA));
            QVERIFY(isDispatcher(second));
        }
        QVERIFY(isOriginal(second)); // given back when the object ends

        const WindowId bare = WindowMessages::createWindow(nullptr);
        clsSubClass object;
        QVERIFY(object.CreateSubClass(bare, &procA) == nullptr);
        QCOMPARE(object.hwnd(), 0);
        QVERIFY(!mdlSubClass::SubClassWnd(bare, &procA));
        for (WindowId window : {first, second, bare})
            WindowMessages::destroyWindow(window);
    }

    void placesAreFreedAndReused()
    {
        const WindowId first = newWindow();
        const WindowId second = WindowMessages::createWindow(&original);
        const WindowId third = WindowMessages::createWindow(&original);
        const qint32 firstPlace = mdlSubClass::NewSubClass(first, &procA);
        const qint32 secondPlace = mdlSubClass::NewSubClass(second, &procA);
        QVERIFY(firstPlace > 0);
        QVERIFY(secondPlace > 0);
        QVERIFY(firstPlace != secondPlace);
        // A held window gets no second object.
        QCOMPARE(mdlSubClass::NewSubClass(first, &procB), 0);
        QCOMPARE(WindowMessages::send(first, 1, 0, 0), 101);
        QCOMPARE(script.calls, (QStringList{"A:1", "original:1"}));

        QVERIFY(mdlSubClass::UnSubClassWnd(first, &procA));
        QVERIFY(mdlSubClass::UnSubClassWnd(second, &procA));
        QVERIFY(isOriginal(first));
        QVERIFY(isOriginal(second));

        // The free places are taken last freed first.
        QCOMPARE(mdlSubClass::NewSubClass(third, &procB), secondPlace);
        QCOMPARE(mdlSubClass::NewSubClass(first, &procB), firstPlace);

        QVERIFY(mdlSubClass::UnSubClassWnd(third, &procB));
        QVERIFY(mdlSubClass::UnSubClassWnd(first, &procB));
        for (WindowId window : {first, second, third})
            WindowMessages::destroyWindow(window);
    }

    void unknownWindowGetsZero()
    {
        const WindowId window = newWindow();
        QCOMPARE(mdlSubClass::WindowProc(window, 1, 0, 0), 0);
        QVERIFY(mdlSubClass::SubClassWnd(window, &procA));
        QVERIFY(mdlSubClass::UnSubClassWnd(window, &procA));
        QCOMPARE(mdlSubClass::WindowProc(window, 2, 0, 0), 0);
        QVERIFY(script.calls.isEmpty());

        WindowMessages::destroyWindow(window);
        QCOMPARE(WindowMessages::send(window, 3, 0, 0), 0);
        QVERIFY(script.calls.isEmpty());
    }

    void windowNotGivenBackIsGivenUp()
    {
        const WindowId window = newWindow();
        const WindowId other = WindowMessages::createWindow(&original);
        const qint32 place = mdlSubClass::NewSubClass(window, &procA);
        QVERIFY(place > 0);

        WindowMessages::setChangesRefused(window, true);
        QVERIFY(!mdlSubClass::UnSubClassWnd(window, &procA));
        bool givenUp = false;
        QVERIFY(mdlSubClass::IsWndSubClassed(window, givenUp));
        QVERIFY(givenUp);
        QVERIFY(isDispatcher(window)); // still ours, but no chain answers any more
        QCOMPARE(WindowMessages::send(window, 1, 0, 0), 0);
        QVERIFY(script.calls.isEmpty());

        WindowMessages::setChangesRefused(window, false);
        QVERIFY(!mdlSubClass::SubClassWnd(window, &procA));
        QVERIFY(!mdlSubClass::SubClassWnd(window, &procB));
        QCOMPARE(mdlSubClass::NewSubClass(window, &procB), 0);

        // Its place was freed all the same.
        QCOMPARE(mdlSubClass::NewSubClass(other, &procA), place);
        QVERIFY(mdlSubClass::UnSubClassWnd(other, &procA));
        WindowMessages::destroyWindow(window);
        WindowMessages::destroyWindow(other);
    }

    void windowRefusingTheSubclassStaysAsItWas()
    {
        const WindowId window = newWindow();
        const WindowId other = WindowMessages::createWindow(&original);
        const qint32 place = mdlSubClass::NewSubClass(other, &procA);
        QVERIFY(mdlSubClass::UnSubClassWnd(other, &procA));

        WindowMessages::setChangesRefused(window, true);
        QVERIFY(!mdlSubClass::SubClassWnd(window, &procA));
        bool givenUp = true;
        QVERIFY(!mdlSubClass::IsWndSubClassed(window, givenUp));
        QVERIFY(!givenUp);
        QVERIFY(isOriginal(window));
        QCOMPARE(WindowMessages::send(window, 1, 0, 0), 101);
        QCOMPARE(script.calls, QStringList{"original:1"});

        QCOMPARE(mdlSubClass::NewSubClass(other, &procA), place);
        QVERIFY(mdlSubClass::UnSubClassWnd(other, &procA));
        WindowMessages::destroyWindow(window);
        WindowMessages::destroyWindow(other);
    }

    void reentrantDispatch()
    {
        const WindowId window = newWindow();
        script.answers = {{"B:2", 22}};
        qint32 inner = 0;
        script.duringA = [&](WindowId w, qint32 message) {
            if (message == 1)
                inner = WindowMessages::send(w, 2, 0, 0);
        };
        QVERIFY(mdlSubClass::SubClassWnd(window, &procA));
        QVERIFY(mdlSubClass::SubClassWnd(window, &procB));

        QCOMPARE(WindowMessages::send(window, 1, 0, 0), 101);
        QCOMPARE(inner, 22);
        QCOMPARE(script.calls, (QStringList{"A:1", "A:2", "B:2", "B:1", "original:1"}));

        script.duringA = nullptr;
        QVERIFY(mdlSubClass::UnSubClassWnd(window, &procA));
        QVERIFY(mdlSubClass::UnSubClassWnd(window, &procB));
        WindowMessages::destroyWindow(window);
    }

    void subclassRemovedDuringDispatch_data()
    {
        QTest::addColumn<qint32>("answerA");
        QTest::addColumn<qint32>("result");
        QTest::newRow("nothing answered: the marker itself") << 1147483647 << 1147483647;
        QTest::newRow("answered") << 9 << 9;
    }

    void subclassRemovedDuringDispatch()
    {
        QFETCH(qint32, answerA);
        QFETCH(qint32, result);
        const WindowId window = newWindow();
        script.answers = {{"A", answerA}};
        script.duringA = [](WindowId w, qint32) {
            QVERIFY(mdlSubClass::UnSubClassWnd(w, &procA));
            QVERIFY(mdlSubClass::UnSubClassWnd(w, &procB));
        };
        QVERIFY(mdlSubClass::SubClassWnd(window, &procA));
        QVERIFY(mdlSubClass::SubClassWnd(window, &procB));

        QCOMPARE(WindowMessages::send(window, 3, 0, 0), result);
        QCOMPARE(script.calls, QStringList{"A:3"});
        QVERIFY(isOriginal(window));
        bool givenUp = true;
        QVERIFY(!mdlSubClass::IsWndSubClassed(window, givenUp));

        script.duringA = nullptr;
        script.calls.clear();
        QCOMPARE(WindowMessages::send(window, 4, 0, 0), 104);
        QCOMPARE(script.calls, QStringList{"original:4"});
        WindowMessages::destroyWindow(window);
    }
};

VARNHOLT_TEST(TestSubClass)
#include "tst_subclass.moc"
