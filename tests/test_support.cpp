#include "test_support.h"

#include "base/format_settings.h"
#include "calc/calculators.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

namespace {
ScriptedDialogService* g_dialogs = nullptr;
}

ScriptedDialogService& TestDialogs()
{
    if (!g_dialogs) {
        auto service = std::make_unique<ScriptedDialogService>();
        g_dialogs = service.get();
        SetDialogs(std::move(service));
    }
    return *g_dialogs;
}

void WorkingFolderTest::SetUp()
{
    ASSERT_TRUE(dir_.isValid());
    oldCwd_ = QDir::currentPath();
    QDir::setCurrent(dir_.path());
    SetFormatSettings(TFormatSettings::Turkish());
    TestDialogs().Reset();
}

void WorkingFolderTest::TearDown()
{
    QDir::setCurrent(oldCwd_);
    SetFormatSettings(TFormatSettings::Turkish());
}

QString WorkingFolderTest::Path(const QString& name) const
{
    return dir_.filePath(name);
}

void MainWindowTest::SetUp()
{
    WorkingFolderTest::SetUp();
    RecreateWindow();
}

void MainWindowTest::TearDown()
{
    form_.reset();
    WorkingFolderTest::TearDown();
}

void MainWindowTest::RecreateWindow()
{
    form_.reset();
    form_ = std::make_unique<TForm1>();
    InstallCalculators(*form_);
    form_->FormCreate();
}

std::vector<QSize> PdfPageSizes(const QString& fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QString pdf = QString::fromLatin1(file.readAll());
    static const QRegularExpression box(R"(/MediaBox \[0 0 ([\d.]+) ([\d.]+)\])");
    std::vector<QSize> sizes;
    for (auto it = box.globalMatch(pdf); it.hasNext();) {
        const auto m = it.next();
        sizes.emplace_back(qRound(m.captured(1).toDouble()), qRound(m.captured(2).toDouble()));
    }
    return sizes;
}
