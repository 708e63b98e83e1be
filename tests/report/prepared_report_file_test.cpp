#include "base/exceptions.h"
#include "report/fr_report.h"
#include "template_test_support.h"

#include <QFile>

#include <csignal>
#include <sys/resource.h>

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
    // a file-size limit makes the disk "full" after 100 bytes, for root as well
    rlimit oldLimit{};
    getrlimit(RLIMIT_FSIZE, &oldLimit);
    auto oldSignal = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = oldLimit;
    small.rlim_cur = 100;
    setrlimit(RLIMIT_FSIZE, &small);
    QString error;
    try {
        report.SavePreparedReport(name);
    } catch (const EInOutError& e) {
        error = e.Message();
    }
    setrlimit(RLIMIT_FSIZE, &oldLimit);
    std::signal(SIGXFSZ, oldSignal);

    EXPECT_EQ(error, "\"" + name + "\" dosyasına yazılamadı. (dosya izin verilen boyutu aşıyor)");
    QFile kept(name);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), "eski rapor");
}
}  // namespace
