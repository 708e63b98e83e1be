#include "base/exceptions.h"
#include "report/fr_report.h"
#include "template_test_support.h"

#include <QFile>

namespace {
using PreparedReportFile = VirtualPrinterTest;

TEST_F(PreparedReportFile, ASaveOnAFullDiskKeepsTheOldFileAndNamesIt)
{
    TfrReport report;
    report.LoadPreparedReport(TAVRELO_TEST_DATA "/tek_sayfa.frp");
    ASSERT_EQ(report.EMFPages.Count(), 1);
    const QString name = Path("rapor.frp");
    {
        QFile old(name);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("eski rapor");
    }
    QString error;
    try {
        DiskFullAfter full(100);
        report.SavePreparedReport(name);
    } catch (const EInOutError& e) {
        error = e.Message();
    }

    EXPECT_EQ(error, "\"" + name + "\" dosyasına yazılamadı. (dosya izin verilen boyutu aşıyor)");
    QFile kept(name);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), "eski rapor");
}
}  // namespace
