#include "ui/ExceptionReporting.h"
#include "platform/Error.h"
#include "tests/support/ReportRecorder.h"
#include "tests/support/WaitFor.h"

#include <QCoreApplication>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

using namespace lumivane;

TEST(ExceptionReporting, AnErrorEndsItsHandlerAndTheProgramGoesOn)
{
    lumivane::test::ReportRecorder recorder;
    const auto& reported = recorder.messages;

    bool ranAfterThrow = false;
    bool laterHandlerRan = false;
    QTimer::singleShot(0, [&] {
        throw Error("Cannot create file \"x\". No such file or directory");
        ranAfterThrow = true;
    });
    QTimer::singleShot(0, [&] { laterHandlerRan = true; });
    QPushButton button;
    QObject::connect(&button, &QPushButton::clicked, [] { throw std::logic_error("from a slot"); });
    QTimer::singleShot(0, &button, [&] { button.click(); });

    lumivane::test::waitFor([&] { return reported.size() >= 2 && laterHandlerRan; });

    EXPECT_FALSE(ranAfterThrow);
    EXPECT_TRUE(laterHandlerRan);
    ASSERT_EQ(reported.size(), 2u);
    EXPECT_EQ(reported[0], "Cannot create file \"x\". No such file or directory");
    EXPECT_EQ(reported[1], "from a slot");
}

TEST(ExceptionReporting, GuardedReportsAndReturns)
{
    lumivane::test::ReportRecorder recorder;
    guarded([] { throw Error("Unable to write to /x/config.ini"); });
    EXPECT_EQ(recorder.messages, std::vector<std::string> {"Unable to write to /x/config.ini"});
}
