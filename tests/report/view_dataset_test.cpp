#include "base/data_set.h"
#include "report/fr_band.h"
#include "report/fr_dbset.h"
#include "report/fr_globals.h"
#include "report/fr_view.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

TEST(ViewDataSetTest, CurrentBandDataSetFollowsTheBandType)
{
    TDataSet table;
    TfrDBDataSet source;
    source.SetDataSet(&table);
    TfrBand master(5, nullptr);
    master.DataSet = &source;
    auto* oldHook = frPageBandOfType;
    struct Case {
        uint8_t type;
        bool fed;
    } cases[] = {{1, true}, {5, true}, {6, true}, {16, true}, {17, true}, {8, false}, {9, false},
                 {0, false}, {2, false}, {3, false}, {13, false}, {21, false}};
    static TfrBand* masterBand = nullptr;
    masterBand = &master;
    frPageBandOfType = [](TfrPage*, uint8_t type) -> TfrBand* { return type == 5 ? masterBand : nullptr; };
    for (const Case& c : cases) {
        TfrBand band(c.type, nullptr);
        frCurrentBand = &band;
        EXPECT_EQ(frCurrentBandDataSet(), c.fed ? &table : nullptr) << int(c.type);
    }
    frCurrentBand = nullptr;
    EXPECT_EQ(frCurrentBandDataSet(), nullptr);
    frPageBandOfType = oldHook;
}

TEST(ViewDataSetTest, CountNamesMakeVirtualDataSets)
{
    TfrDataset* ds = nullptr;
    bool isVirtual = false;
    frResolveDataSet("12", ds, isVirtual);
    ASSERT_NE(ds, nullptr);
    std::unique_ptr<TfrDataset> owned(ds);
    EXPECT_TRUE(isVirtual);
    EXPECT_EQ(ds->RangeEnd, reCount);
    EXPECT_EQ(ds->RangeEndCount, 12);
    TfrDataset* none = nullptr;
    frResolveDataSet("0", none, isVirtual);
    EXPECT_EQ(none, nullptr) << "a count must start with 1..9";
    EXPECT_FALSE(isVirtual);
}

}  // namespace
