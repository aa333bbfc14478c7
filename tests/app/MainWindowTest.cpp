#include "app/FMain.h"
#include "app/SettingsPanelWidget.h"
#include "app/StatusBarWidget.h"
#include "app/UrlListView.h"
#include "snapshot/SnapshotHost.h"
#include "snapshot/SnapshotRun.h"
#include "snapshot/WebEngineBrowser.h"
#include "tests/support/FakeMessageDialog.h"
#include "tests/support/ReportRecorder.h"
#include "tests/support/TempDir.h"
#include "tests/support/WaitFor.h"
#include "ui/ExceptionReporting.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTimer>

#include <gtest/gtest.h>

#include <filesystem>

using namespace lumivane;
using lumivane::test::FakeMessageDialog;
using lumivane::test::readFile;
using lumivane::test::TempDir;
using lumivane::test::writeFile;

namespace {

struct Window {
    explicit Window(const TempDir& dir)
    {
        auto fake = std::make_unique<FakeMessageDialog>();
        dialog = fake.get();
        frm = std::make_unique<TfrmMain>(dir.path().string(), std::move(fake));
        frm->show();
    }
    FakeMessageDialog* dialog;
    std::unique_ptr<TfrmMain> frm;
};

UrlRow row(const char* number, const char* url)
{
    UrlRow r;
    r.number = number;
    r.id = std::string("id") + number;
    r.url = url;
    return r;
}

} // namespace

TEST(MainWindow, StartsWithTheMainPageAndDefaults)
{
    TempDir dir;
    Window w(dir);
    auto& frm = *w.frm;

    EXPECT_EQ(frm.windowTitle(), "Lumivane");
    EXPECT_EQ(frm.size(), QSize(785, 591));
    EXPECT_EQ(frm.pgcPrinc->count(), 1) << "without a welcome page only the main page remains";
    EXPECT_EQ(frm.pgcPrinc->currentWidget(), frm.stsMain);
    EXPECT_EQ(frm.stsWelcome, nullptr);
    EXPECT_TRUE(frm.Timer1->isActive());
    EXPECT_EQ(frm.Timer1->interval(), 2000);
    EXPECT_FALSE(frm.Timer2->isActive());
    EXPECT_EQ(frm.Timer2->interval(), 1000);

    EXPECT_EQ(frm.bsSkinPageControl1->currentIndex(), 0);
    EXPECT_EQ(frm.bsSkinPageControl1->tabText(0), "URL List");
    EXPECT_FALSE(frm.bsSkinPageControl1->isTabVisible(1));
    EXPECT_EQ(frm.bsSkinPageControl1->tabText(2), "Browser");
    EXPECT_TRUE(frm.bsSkinPageControl1->isTabVisible(2));

    const struct {
        QPushButton* button;
        const char* caption;
    } buttons[] = {{frm.btnMakeMoney, "Make Money"}, {frm.btnAbout, "About"},
        {frm.btnAddURL, "Add URL"}, {frm.btnImport, "Import"}, {frm.btnExport, "Export"},
        {frm.btnStart, "Start"}, {frm.btnStop, "Stop"}, {frm.btnSelectAll, "Select All"},
        {frm.btnClearSelection, "Clear Selection"}, {frm.btnDeleteSelected, "Delete Selected"}};
    for (const auto& b : buttons)
        EXPECT_EQ(b.button->text(), b.caption);

    const auto& settings = *frm.settingsPanel;
    EXPECT_EQ(settings.speBrowserX->value(), 800);
    EXPECT_EQ(settings.speBrowserY->value(), 600);
    EXPECT_EQ(settings.speThumbX->value(), 200);
    EXPECT_EQ(settings.speThumbY->value(), 150);
    EXPECT_FALSE(settings.speThumbY->isEnabled());
    EXPECT_TRUE(settings.chkKeepAspectRatio->isChecked());
    EXPECT_EQ(settings.chkKeepAspectRatio->text(), "Keep aspect radio");
    EXPECT_TRUE(settings.chkSkip->isChecked());
    EXPECT_EQ(settings.cbxExt->currentText(), "jpg");
    EXPECT_EQ(settings.cbxType->currentText(), "Automatic Alphanumeric ID");

    auto* header = frm.lvwItems->horizontalHeader();
    EXPECT_EQ(frm.lvwItems->model()->columnCount(), 4);
    EXPECT_EQ(frm.lvwItems->model()->headerData(3, Qt::Horizontal).toString(), "Status");
    EXPECT_EQ(header->sectionSize(0), 100);
    EXPECT_EQ(header->sectionSize(1), 150);
    EXPECT_EQ(header->sectionSize(3), 100);
    EXPECT_EQ(frm.lvwItems->selectionBehavior(), QAbstractItemView::SelectRows);
    EXPECT_EQ(frm.lvwItems->selectionMode(), QAbstractItemView::ExtendedSelection);
    frm.urlList().append(row("1", "http://a"));
    EXPECT_EQ(frm.lvwItems->rowHeight(0), 20);

    auto& status = frm.statusBar();
    EXPECT_EQ(status.stpTotal->text(), "Total:");
    EXPECT_EQ(status.stpError->text(), "Error:");
    EXPECT_EQ(status.stpDone->width(), 95);
    EXPECT_EQ(status.MainGauge->maximum(), 100);
    EXPECT_EQ(status.MainGauge->value(), 0);

    // Showing the window sends the snapshot browser to a blank page.
    auto& snapshotBrowser = frm.snapshotRun().host().browser();
    EXPECT_TRUE(lumivane::test::waitFor([&] { return snapshotBrowser.ReadyState() == 4; }));
    EXPECT_EQ(snapshotBrowser.LocationURL(), "about:blank");
}

TEST(MainWindow, EditsFollowTheRulesAndAreSavedAtClose)
{
    TempDir dir;
    writeFile(
        dir.file("config.ini"), "[Settings]\r\nKeepAspectRatio=0\r\nThumbY=123\r\nOwn=line\r\n");
    Window w(dir);
    auto& settings = *w.frm->settingsPanel;
    EXPECT_EQ(settings.speThumbY->value(), 123);
    EXPECT_TRUE(settings.speThumbY->isEnabled());

    settings.chkKeepAspectRatio->click();
    EXPECT_EQ(settings.speThumbY->value(), 150);
    EXPECT_FALSE(settings.speThumbY->isEnabled());
    settings.speThumbX->setValue(300);
    EXPECT_EQ(settings.speThumbY->value(), 225);
    settings.cbxExt->setCurrentText("gif");
    EXPECT_EQ(w.frm->settings().ext(), "gif");

    w.frm->close();
    const auto saved = readFile(dir.file("config.ini"));
    EXPECT_NE(saved.find("Own=line\r\n"), std::string::npos);
    EXPECT_NE(saved.find("ThumbX=300\r\n"), std::string::npos);
    EXPECT_NE(saved.find("ThumbY=225\r\n"), std::string::npos);
    EXPECT_NE(saved.find("KeepAspectRatio=1\r\n"), std::string::npos);
}

TEST(MainWindow, FailedSaveAtCloseIsReported)
{
    TempDir dir;
    lumivane::test::ReportRecorder recorder;
    const auto& reported = recorder.messages;
    {
        Window w(dir);
        std::filesystem::create_directory(dir.file("config.ini"));
        w.frm->close();
    }
    ASSERT_EQ(reported.size(), 1u);
    EXPECT_EQ(reported[0], "Unable to write to " + dir.file("config.ini"));
}

TEST(MainWindow, ListCommandsAndViewSelectionStayInStep)
{
    TempDir dir;
    Window w(dir);
    auto& list = w.frm->urlList();
    for (const char* n : {"9", "10", "11"})
        list.append(row(n, "http://x"));

    auto* selection = w.frm->lvwItems->selectionModel();
    w.frm->btnSelectAll->click();
    EXPECT_EQ(selection->selectedRows().size(), 3);
    w.frm->btnClearSelection->click();
    EXPECT_TRUE(selection->selectedRows().isEmpty());
    EXPECT_EQ(list.selectedCount(), 0u);

    w.frm->btnDeleteSelected->click();
    EXPECT_EQ(w.dialog->texts(),
        std::vector<std::string> {"Please select the items do you want delete."});

    selection->select(w.frm->lvwItems->model()->index(1, 0),
        QItemSelectionModel::Select | QItemSelectionModel::Rows);
    EXPECT_TRUE(list.row(1).selected);

    w.frm->lvwItems->horizontalHeader()->sectionClicked(0);
    EXPECT_EQ(list.row(0).number, "10") << "byte-wise: 10 before 11 before 9";
    EXPECT_TRUE(list.row(0).selected) << "the selection moves with its row";
    EXPECT_EQ(selection->selectedRows().size(), 1);
    EXPECT_EQ(selection->selectedRows().at(0).row(), 0);

    w.frm->btnDeleteSelected->click();
    ASSERT_EQ(list.count(), 2u);
    EXPECT_EQ(list.row(0).number, "1");
    EXPECT_EQ(list.row(0).url, "http://x");
    EXPECT_EQ(list.row(1).number, "2");
    EXPECT_EQ(w.frm->lvwItems->model()->rowCount(), 2);
}

TEST(MainWindow, ListCommandsStayQuickOnALargeList)
{
    TempDir dir;
    Window w(dir);
    auto& list = w.frm->urlList();
    constexpr int rows = 5000;
    for (int i = 1; i <= rows; ++i)
        list.append(row(std::to_string(i).c_str(), "http://x"));
    auto* model = w.frm->lvwItems->model();
    QItemSelection everyOther;
    for (int i = 0; i < rows; i += 2)
        everyOther.select(model->index(i, 0), model->index(i, 3));

    // Each of these took seconds to minutes when the view was told row by row.
    QElapsedTimer clock;
    clock.start();
    w.frm->btnSelectAll->click();
    EXPECT_EQ(w.frm->lvwItems->selectionModel()->selectedRows().size(), rows);
    w.frm->btnClearSelection->click();
    EXPECT_EQ(list.selectedCount(), 0u);
    w.frm->lvwItems->selectionModel()->select(everyOther, QItemSelectionModel::Select);
    EXPECT_EQ(list.selectedCount(), std::size_t {rows / 2});
    w.frm->btnDeleteSelected->click();
    QApplication::processEvents();
    EXPECT_LT(clock.elapsed(), 5000);

    ASSERT_EQ(list.count(), std::size_t {rows / 2});
    EXPECT_EQ(list.row(rows / 2 - 1).number, std::to_string(rows / 2));
    EXPECT_EQ(model->rowCount(), rows / 2);
    EXPECT_TRUE(w.frm->lvwItems->selectionModel()->selectedRows().isEmpty());
}

TEST(MainWindow, ExportIsRefusedForAnEmptyListOrNoSelection)
{
    TempDir dir;
    Window w(dir);
    w.frm->btnExport->click();
    w.frm->urlList().append(row("1", "http://a"));
    w.frm->btnExport->click();
    EXPECT_EQ(w.dialog->texts(),
        (std::vector<std::string> {
            "You don't have any url to export.", "Please select at least one url to export."}));
}
