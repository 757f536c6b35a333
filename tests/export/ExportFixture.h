// What the export tests start from: a browser's list of riddles and answers, and the window
// services an export reports to, all fakes.
#pragma once

#include "export/Spreadsheet.h"
#include "kit/ErrorReport.h"
#include "results/ResultList.h"
#include "tests/support/FakePlatform.h"

#include <gtest/gtest.h>

class ExportFixture : public testing::Test {
protected:
    ExportFixture() {
        list.AddColumn(QStringLiteral("Riddles"));
        list.AddColumn(QStringLiteral("Answers"));
    }
    void AddRow(const QString& text, const QString& answer, bool ticked) {
        const int row = list.AddRow(text);
        list.SetSubItem(row, 1, answer);
        list.SetTicked(row, ticked);
    }
    // "Send Results To Excel" in the quiz window.
    void Send(SpreadsheetProvider& spreadsheets) {
        ErrorTrap trap(fake.messages, QStringLiteral("Form2"),
                       QStringLiteral("PushButton13_Click"));
        SendResultsToSpreadsheet(list.Snapshot(), spreadsheets, fake.messages, pointer, fake.events,
                                 trap);
    }

    ResultList list;
    FakeWindowServices fake;
    FakePointer pointer;
};
