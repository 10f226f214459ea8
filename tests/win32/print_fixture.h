// The base of the printing tests: the main window with fonts in its lists, the printer choice
// forgotten before and after each test, and the default printer entry put back afterwards.
#pragma once

#include "marlix_test.h"
#include "print_support.h"

class PrintTest : public MarlixTest {
  protected:
    void SetUp() override;
    void TearDown() override;

    // The main window over a catalogue of `fonts` fonts, the first `selected` of them (in list
    // order) moved into the SelectedList.
    void OpenMainWindow(int fonts, int selected);
    // Runs dialog 1011 as "Print List" does, without starting a job; returns how it ended.
    INT_PTR RunChoiceDialog();

    DeviceEntryScope device;
};
