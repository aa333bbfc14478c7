#include "ui/HtmlViewer.h"
#include "ui/LinkLabel.h"

#include "tests/support/TempDir.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTextDocument>

#include <gtest/gtest.h>

namespace lumivane {
namespace {

void click(QWidget& widget, Qt::MouseButton button = Qt::LeftButton)
{
    const QPointF at(widget.width() / 2.0, widget.height() / 2.0);
    QMouseEvent press(
        QEvent::MouseButtonPress, at, widget.mapToGlobal(at), button, button, Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, at, widget.mapToGlobal(at), button,
        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&widget, &press);
    QApplication::sendEvent(&widget, &release);
}

TEST(LinkLabel, UnderlinedHandCursorAndOpensItsUrl)
{
    LinkLabel label;
    std::vector<std::string> opened;
    label.setOpener([&](const std::string& url) { opened.push_back(url); });
    label.setCaption("Visit us");
    label.setUrl("http://example.com/");
    label.resize(100, 20);

    EXPECT_EQ(label.text(), QStringLiteral("Visit us"));
    EXPECT_TRUE(label.font().underline());
    EXPECT_EQ(label.cursor().shape(), Qt::PointingHandCursor);

    click(label, Qt::RightButton);
    EXPECT_TRUE(opened.empty());
    click(label);
    EXPECT_EQ(opened, std::vector<std::string> {"http://example.com/"});
}

TEST(LinkLabel, ShowsMarkupAsText)
{
    LinkLabel label;
    label.setCaption("<b>bold</b>");
    EXPECT_EQ(label.textFormat(), Qt::PlainText);
    EXPECT_EQ(label.text(), QStringLiteral("<b>bold</b>"));
}

TEST(HtmlViewer, ShowsTheWholeSourceAsItsDocument)
{
    HtmlViewer viewer;
    viewer.setHtmlSource("<html><body><h1>Welcome</h1><p>first</p></body></html>");
    viewer.setHtmlSource("<html><body><p>second page</p></body></html>");
    EXPECT_EQ(viewer.document()->toPlainText(), QStringLiteral("second page"));
    EXPECT_TRUE(viewer.isReadOnly());
}

TEST(HtmlViewer, DoesNotReadFilesTheDocumentNames)
{
    test::TempDir dir;
    test::writeFile(dir.file("secret.css"), "p { color: red; }");
    HtmlViewer viewer;
    const auto url = QUrl::fromLocalFile(QString::fromStdString(dir.file("secret.css")));
    EXPECT_FALSE(viewer.loadResource(QTextDocument::StyleSheetResource, url).isValid());
    viewer.setHtmlSource("<html><head><link rel=stylesheet href=\"" + url.toString().toStdString()
        + "\"></head><body><p>text</p></body></html>");
    EXPECT_EQ(viewer.document()->toPlainText(), QStringLiteral("text"));
}

TEST(HtmlViewer, LinksWithinThePageScrollAndOthersGoToTheOpener)
{
    std::string page = "<html><body><p><a href=\"#end\">to the end</a></p>";
    for (int i = 0; i < 200; ++i)
        page += "<p>filler " + std::to_string(i) + "</p>";
    page += "<p><a name=\"end\">end</a></p></body></html>";
    HtmlViewer viewer;
    std::vector<std::string> opened;
    viewer.setLinkOpener([&](const std::string& url) { opened.push_back(url); });
    viewer.resize(300, 200);
    viewer.show();
    viewer.setHtmlSource(page);
    QApplication::processEvents();
    ASSERT_EQ(viewer.verticalScrollBar()->value(), 0);

    emit viewer.anchorClicked(QUrl(QStringLiteral("#end")));
    EXPECT_TRUE(opened.empty());
    EXPECT_GT(viewer.verticalScrollBar()->value(), 0);

    emit viewer.anchorClicked(QUrl(QStringLiteral("http://example.com/#end")));
    EXPECT_EQ(opened, std::vector<std::string> {"http://example.com/#end"});
}

TEST(HtmlViewer, TakesAHugePage)
{
    std::string page = "<html><body>";
    for (int i = 0; i < 20000; ++i)
        page += "<p>Line " + std::to_string(i) + " of a very long welcome page.</p>";
    page += "</body></html>";
    HtmlViewer viewer;
    QElapsedTimer clock;
    clock.start();
    viewer.setHtmlSource(page);
    EXPECT_LT(clock.elapsed(), 10000);
    EXPECT_TRUE(viewer.document()->toPlainText().endsWith(
        QStringLiteral("Line 19999 of a very long welcome page.")));
}

} // namespace
} // namespace lumivane
