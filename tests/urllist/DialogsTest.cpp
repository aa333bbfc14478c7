#include "platform/Error.h"
#include "platform/MessageDialog.h"
#include "tests/support/TempDir.h"
#include "tests/urllist/FakeStatusPanels.h"
#include "tests/urllist/ListRows.h"
#include "urllist/FList.h"
#include "urllist/FSave.h"
#include "urllist/FURL.h"
#include "urllist/RowIdentifiers.h"

#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace lumivane {
namespace {

using test::FakeStatusPanels;
using test::rowsOf;
using test::RowText;
using Rows = std::vector<RowText>;

class RecordingMessages : public MessageDialog {
public:
    MessageResult show(const std::string& text, MessageKind kind, MessageButtons) override
    {
        texts.push_back(text);
        kinds.push_back(kind);
        return MessageResult::Ok;
    }
    std::vector<std::string> texts;
    std::vector<MessageKind> kinds;
};

template <typename T> T* child(QWidget& dialog, const char* name)
{
    auto* widget = dialog.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(widget, nullptr) << name;
    return widget;
}

void click(QWidget& dialog, const char* button)
{
    QTest::mouseClick(child<QPushButton>(dialog, button), Qt::LeftButton);
}

// Runs the action on the modal dialog that the next exec() opens.
void whenModalOpens(std::function<void(QWidget*)> action)
{
    QTimer::singleShot(0, [action = std::move(action)] {
        QWidget* modal = QApplication::activeModalWidget();
        ASSERT_NE(modal, nullptr);
        action(modal);
    });
}

// Picks a file in the file chooser the next Browse opens, after checking it.
void pickInChooser(const QString& title, const QString& startPath, const QString& pick)
{
    QTimer::singleShot(0, [=] {
        auto* chooser = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(chooser, nullptr);
        EXPECT_EQ(chooser->windowTitle(), title);
        EXPECT_EQ(chooser->nameFilters(), QStringList {QStringLiteral("All files (*)")});
        if (!startPath.isEmpty())
            EXPECT_EQ(chooser->selectedFiles().value(0), startPath);
        else
            EXPECT_EQ(chooser->directory().absolutePath(), QFileInfo(pick).absolutePath());
        chooser->selectFile(pick);
        static_cast<QDialog*>(chooser)->accept();
    });
}

TEST(ListDialogs, OpenInTheMiddleOfTheScreenNotOfTheirParent)
{
    QWidget parent;
    parent.setGeometry(0, 0, 120, 80);
    parent.show();
    UrlList list;
    FakeStatusPanels panels;
    RecordingMessages messages;
    TfrmAddUrl add(
        list, [] { return 0; }, panels, "", &parent);
    TfrmList import(
        list, [] { return 0; }, panels, "", &parent);
    TfrmSave save(list, messages, "", &parent);
    for (QDialog* dialog : std::initializer_list<QDialog*> {&add, &import, &save}) {
        dialog->show();
        const QPoint middle = dialog->screen()->availableGeometry().center();
        const QPoint shown = dialog->geometry().center();
        EXPECT_LE((shown - middle).manhattanLength(), 8) << dialog->objectName().toStdString();
        dialog->hide();
    }
}

TEST(AddUrlDialog, OkAppendsTheUntrimmedField)
{
    UrlList list;
    test::fillList(list, 7);
    FakeStatusPanels panels;
    int linkType = 0;
    TfrmAddUrl dialog(
        list, [&] { return linkType; }, panels, " http://www.a.b/");
    EXPECT_EQ(dialog.windowTitle(), "Add url");
    EXPECT_EQ(child<QLineEdit>(dialog, "edtURL")->text(), " http://www.a.b/");
    linkType = 1;
    whenModalOpens([](QWidget* modal) { click(*modal, "btnOk"); });
    EXPECT_EQ(dialog.exec(), QDialog::Accepted);
    EXPECT_EQ(list.count(), 8u);
    EXPECT_EQ(rowsOf(list).back(), (RowText {"8", " a_bI", " http://www.a.b/"}));
    EXPECT_EQ(panels.total, "Total: 8");
}

TEST(AddUrlDialog, CancelBlankEnterAndEscAddNothing)
{
    UrlList list;
    FakeStatusPanels panels;
    {
        TfrmAddUrl dialog(
            list, [] { return 0; }, panels, "http://a.b");
        dialog.show();
        auto* field = child<QLineEdit>(dialog, "edtURL");
        QTest::keyClick(field, Qt::Key_Return);
        QTest::keyClick(field, Qt::Key_Escape);
        EXPECT_TRUE(dialog.isVisible());
        click(dialog, "btnCancel");
        EXPECT_EQ(dialog.result(), QDialog::Rejected);
    }
    {
        TfrmAddUrl dialog(
            list, [] { return 0; }, panels, "  \t ");
        dialog.show();
        click(dialog, "btnOk");
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
    }
    EXPECT_TRUE(list.empty());
    EXPECT_EQ(panels.totalWrites, 0);
}

class ImportDialogTest : public testing::Test {
protected:
    UrlList list;
    FakeStatusPanels panels;
    test::TempDir dir;
    TfrmList dialog {list, [] { return 1; }, panels, dir.path().string()};
};

TEST_F(ImportDialogTest, BrowseThenLoadFileInPipeFormat)
{
    test::fillList(list, 5);
    test::writeFile(dir.file("list.txt"), "k|x|y\r\n|x\r\nz");
    EXPECT_EQ(dialog.windowTitle(), "Choose your way to to enter your URL List");
    EXPECT_TRUE(child<QRadioButton>(dialog, "rbtFormat1")->isChecked());
    dialog.show();
    pickInChooser("Open file", QString(), QString::fromStdString(dir.file("list.txt")));
    click(dialog, "btnBrowse");
    EXPECT_EQ(child<QLineEdit>(dialog, "edtURLFile")->text().toStdString(), dir.file("list.txt"));
    child<QRadioButton>(dialog, "rbtFormat2")->click();
    click(dialog, "btnLoadFile");
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(rowsOf(list), (Rows {{"6", "k", "x|y"}, {"7", "", "x"}, {"8", "", "z"}}));
    EXPECT_EQ(panels.total, "Total: 3");
}

TEST_F(ImportDialogTest, LoadListTakesWholeTypedLines)
{
    const QString wide = QStringLiteral("http://www.example.com/") + QString(400, QLatin1Char('p'));
    child<QRadioButton>(dialog, "rbtFormat3")->click();
    dialog.show();
    auto* box = child<QPlainTextEdit>(dialog, "memList");
    QTest::keyClicks(box, wide);
    QTest::keyClick(box, Qt::Key_Return);
    QTest::keyClicks(box, QStringLiteral("a,b"));
    QTest::keyClick(box, Qt::Key_Escape);
    EXPECT_TRUE(dialog.isVisible());
    click(dialog, "btnLoadList");
    EXPECT_FALSE(dialog.isVisible());
    ASSERT_EQ(list.count(), 2u);
    EXPECT_EQ(list.row(0).url, wide.toStdString());
    EXPECT_EQ(list.row(0).id, urlDerivedId(wide.toStdString()));
    EXPECT_EQ(rowsOf(list).back(), (RowText {"2", "a,b", "a,b"}));
}

TEST_F(ImportDialogTest, UnreadableFileClosesAndRaises)
{
    test::fillList(list, 2);
    child<QLineEdit>(dialog, "edtURLFile")->setText(QStringLiteral("/proc/self/mem"));
    dialog.show();
    EXPECT_THROW(dialog.btnLoadFileClick(), Error);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_TRUE(list.empty());
}

class ExportDialogTest : public testing::Test {
protected:
    ExportDialogTest() { test::fillList(list, 3); }

    UrlList list;
    RecordingMessages messages;
    test::TempDir dir;
    TfrmSave dialog {list, messages, dir.path().string()};
};

TEST_F(ExportDialogTest, BrowseThenOkWritesTheSelectedRows)
{
    list.setSelected(0, true);
    list.setSelected(2, true);
    EXPECT_EQ(dialog.windowTitle(), "Export List into a text file ");
    const QString folder = QString::fromStdString(dir.path().string());
    whenModalOpens([&](QWidget*) {
        pickInChooser("Save file", folder + "/URLList.txt", folder + "/first.txt");
        click(dialog, "btnBrowse");
        // The second Browse starts from the first choice.
        pickInChooser("Save file", folder + "/first.txt", folder + "/out.txt");
        click(dialog, "btnBrowse");
        child<QRadioButton>(dialog, "rbtFormat2")->click();
        click(dialog, "btnOk");
    });
    EXPECT_EQ(dialog.exec(), QDialog::Accepted);
    EXPECT_EQ(child<QLineEdit>(dialog, "edtFile")->text(), folder + "/out.txt");
    EXPECT_EQ(test::readFile(dir.file("out.txt")), "id1|http://row1\r\nid3|http://row3\r\n");
    EXPECT_TRUE(messages.texts.empty());
}

TEST_F(ExportDialogTest, EmptyNameAsksAndStaysOpen)
{
    dialog.show();
    click(dialog, "btnOk");
    EXPECT_EQ(messages.texts,
        std::vector<std::string> {"Please enter a name and location to save list."});
    EXPECT_EQ(messages.kinds, std::vector<MessageKind> {MessageKind::Information});
    EXPECT_TRUE(dialog.isVisible());
}

TEST_F(ExportDialogTest, WriteFailureNamesTheFileAndStaysOpen)
{
    list.setSelected(1, true);
    const std::string path = dir.file("no-such-folder/list.txt");
    child<QLineEdit>(dialog, "edtFile")->setText(QString::fromStdString(path));
    dialog.show();
    try {
        child<QPushButton>(dialog, "btnOk")->click();
        ADD_FAILURE() << "no error raised";
    } catch (const Error& error) {
        EXPECT_NE(std::string(error.what()).find(path), std::string::npos) << error.what();
        EXPECT_NE(std::string(error.what()).find("No such file or directory"), std::string::npos);
    }
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(list.count(), 3u);
}

} // namespace
} // namespace lumivane
