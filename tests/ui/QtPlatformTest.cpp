// The desktop's side of the seams.
#include "tests/support/FakePlatform.h"
#include "ui/QtPlatform.h"

#include <gtest/gtest.h>

namespace {

TEST(EventPumpTest, DesktopPumpStopsWorkOnceTheProgramEnds) {
    FakeProcess process;  // the desktop's would end this test program's event loop
    QtEventPump events(process);
    EXPECT_NO_THROW(events.LetEventsRun());
    process.EndProgram();
    EXPECT_THROW(events.LetEventsRun(), ProgramEnding);
}

}  // namespace
