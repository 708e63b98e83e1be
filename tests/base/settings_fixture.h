#pragma once

#include "base/format_settings.h"

#include <gtest/gtest.h>

// Turkish settings for every test; EnglishSettingsTest switches to an English-like locale so that a
// test can show which texts follow the settings. Both leave the Turkish settings behind.
class TurkishSettingsTest : public ::testing::Test {
protected:
    void SetUp() override { SetFormatSettings(TFormatSettings::Turkish()); }
    void TearDown() override { SetFormatSettings(TFormatSettings::Turkish()); }
};

class EnglishSettingsTest : public TurkishSettingsTest {
protected:
    void SetUp() override
    {
        TFormatSettings s;
        s.DecimalSeparator = '.';
        s.ThousandSeparator = ',';
        s.DateSeparator = '/';
        s.ShortDateFormat = "mm/dd/yyyy";
        s.ShortMonthNames = {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
        s.CurrencyString = "$";
        s.CurrencyFormat = 0;
        s.NegCurrFormat = 0;
        SetFormatSettings(s);
    }
};
