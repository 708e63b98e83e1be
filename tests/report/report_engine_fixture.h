#pragma once

#include "report/fr_globals.h"
#include "report/fr_intrp.h"
#include "report/fr_report.h"

#include "test_support.h"

#include <gtest/gtest.h>

#include <memory>

// A started engine with one report whose handlers the global parser uses, and no building state.
class ReportEngineTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        frInitEngine();
        owner = std::make_unique<QObject>();
        owner->setObjectName("Form1");
        report = new TfrReport(owner.get());
        report->setObjectName("frReport1");
        report->InstallParserHandlers();
        frCurrentReport = frMasterReport = report;
        frCurrentView = nullptr;
        frCurrentBand = frAggregateBand = nullptr;
        frCurrentPage = nullptr;
        frCurrentPageNo = 0;
        frTotalPages = 0;
        frDrawingCross = false;
        frGlobalVariables->Clear();
        TestDialogs().Reset();
    }
    void TearDown() override
    {
        frCurrentReport = frMasterReport = nullptr;
        frCurrentView = nullptr;
        frCurrentBand = frAggregateBand = nullptr;
        frCurrentPage = nullptr;
        frGlobalVariables->Clear();
        owner.reset();
    }
    // The display text of a bracketed expression.
    QString Show(const QString& expression)
    {
        QString text;
        report->GetVariableValue(expression, text);
        return text;
    }
    std::unique_ptr<QObject> owner;
    TfrReport* report = nullptr;
};
