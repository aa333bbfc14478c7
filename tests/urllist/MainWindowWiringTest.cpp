#include "app/FMain.h"
#include "app/StatusBarWidget.h"
#include "tests/support/FakeMessageDialog.h"
#include "tests/support/TempDir.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace lumivane {
namespace {

// Runs the action on the dialog the next button opens, after checking which one it is.
void onDialog(const char* name, std::function<void(QWidget&)> action)
{
    QTimer::singleShot(0, [name, action = std::move(action)] {
        QWidget* modal = QApplication::activeModalWidget();
        ASSERT_NE(modal, nullptr);
        EXPECT_EQ(modal->objectName(), name);
        action(*modal);
    });
}

template <typename T> T& child(QWidget& dialog, const char* name)
{
    auto* widget = dialog.findChild<T*>(QString::fromLatin1(name));
    if (!widget)
        throw std::runtime_error(std::string("no ") + name);
    return *widget;
}

TEST(MainWindowDialogs, AddImportAndExportReachTheList)
{
    test::TempDir dir;
    TfrmMain frm(dir.path().string(), std::make_unique<test::FakeMessageDialog>());
    frm.show();
    frm.settings().setLinkType(1);

    onDialog("frmAddUrl", [](QWidget& dialog) {
        child<QLineEdit>(dialog, "edtURL").setText("http://www.a.b/");
        child<QPushButton>(dialog, "btnOk").click();
    });
    frm.btnAddURL->click();
    ASSERT_EQ(frm.urlList().count(), 1u);
    EXPECT_EQ(frm.urlList().row(0).id, "a_bI");
    EXPECT_EQ(frm.statusBar().stpTotal->text(), "Total: 1");

    onDialog("frmList", [](QWidget& dialog) {
        child<QPlainTextEdit>(dialog, "memList").setPlainText("http://c.d\nhttp://e.f");
        child<QPushButton>(dialog, "btnLoadList").click();
    });
    frm.btnImport->click();
    ASSERT_EQ(frm.urlList().count(), 2u);
    EXPECT_EQ(frm.urlList().row(1).number, "3");
    EXPECT_EQ(frm.statusBar().stpTotal->text(), "Total: 2");

    frm.urlList().setSelected(1, true);
    const std::string path = dir.file("out.txt");
    onDialog("frmSave", [&](QWidget& dialog) {
        child<QLineEdit>(dialog, "edtFile").setText(QString::fromStdString(path));
        child<QRadioButton>(dialog, "rbtFormat3").click();
        child<QPushButton>(dialog, "btnOk").click();
    });
    frm.btnExport->click();
    EXPECT_EQ(test::readFile(path), "e_f,http://e.f\r\n");
}

} // namespace
} // namespace lumivane
