#include "ui/BalloonHint.h"

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QPalette>
#include <QPushButton>

#include <gtest/gtest.h>

using namespace lumivane;

namespace {

const QString message = QStringLiteral("You've Got A Message!\r\nSpring offers");

// Counts the clicks a widget receives.
class ClickTarget : public QWidget {
public:
    int presses = 0;

protected:
    void mousePressEvent(QMouseEvent*) override { ++presses; }
};

void press(QWidget& widget)
{
    const QPointF at(5, 5);
    QMouseEvent event(QEvent::MouseButtonPress, at, widget.mapToGlobal(at), Qt::LeftButton,
        Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&widget, &event);
}

} // namespace

TEST(BalloonHint, OpensAFramelessTopLevelBelowAndLeftOfItsAnchor)
{
    BalloonHint hint;
    const QPoint anchor(400, 300);
    hint.showHint(anchor, message);
    auto* window = hint.current();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(window->isWindow());
    EXPECT_TRUE(window->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_TRUE(window->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(window->testAttribute(Qt::WA_ShowWithoutActivating));
    EXPECT_EQ(window->font().family(), "MS Sans Serif");
    EXPECT_EQ(window->font().pixelSize(), 11);
    EXPECT_EQ(window->text(), message);
    EXPECT_EQ(window->anchor(), anchor);

    const QRect frame = window->geometry();
    EXPECT_EQ(frame.top(), anchor.y());
    EXPECT_LT(frame.left(), anchor.x());
    EXPECT_GT(frame.right(), anchor.x());
    EXPECT_GT(anchor.x() - frame.left(), frame.right() - anchor.x()) << "most of it lies left";
    EXPECT_GT(frame.height(), 2 * QFontMetrics(window->font()).height())
        << "CR LF gives a second line";
}

TEST(BalloonHint, PaintsTheHintColoursWithAShadowAlongRightAndBottom)
{
    BalloonHint hint;
    hint.showHint(QPoint(300, 200), message);
    const QImage image = hint.current()->grab().toImage();
    const int depth = BalloonHintWindow::shadowDepth;
    const QColor background = QApplication::palette().color(QPalette::ToolTipBase);
    EXPECT_EQ(image.pixelColor(3, image.height() / 2).rgb(), background.rgb());
    const QColor shadowRight = image.pixelColor(image.width() - depth / 2 - 1, image.height() / 2);
    const QColor shadowBottom = image.pixelColor(image.width() / 2, image.height() - depth / 2 - 1);
    EXPECT_GT(shadowRight.alpha(), 0);
    EXPECT_GT(shadowBottom.alpha(), 0);
    EXPECT_LT(shadowRight.lightness(), background.lightness());
}

TEST(BalloonHint, ANewHintClosesTheOldOne)
{
    BalloonHint hint;
    hint.showHint(QPoint(100, 100), QStringLiteral("first"));
    QPointer<BalloonHintWindow> first = hint.current();
    hint.showHint(QPoint(200, 200), QStringLiteral("second"));
    QApplication::processEvents();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(first.isNull() || !first->isVisible());
    ASSERT_NE(hint.current(), nullptr);
    EXPECT_EQ(hint.current()->text(), "second");
    EXPECT_TRUE(hint.current()->isVisible());
}

TEST(BalloonHint, TheNextClickAnywhereClosesItAndGoesNoFurther)
{
    ClickTarget other;
    other.resize(50, 50);
    other.show();
    BalloonHint hint;
    hint.showHint(QPoint(100, 100), message);
    press(other);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(hint.current(), nullptr);
    EXPECT_EQ(other.presses, 0) << "the hint holds the mouse while it is shown";
    press(other);
    EXPECT_EQ(other.presses, 1);

    hint.showHint(QPoint(100, 100), message);
    press(*hint.current());
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(hint.current(), nullptr) << "a click on the hint itself closes it too";
}

TEST(BalloonHint, AnchorsAtTheCentreOfAWidget)
{
    QPushButton button;
    button.setGeometry(40, 30, 25, 23);
    button.show();
    BalloonHint hint;
    hint.showHintAt(button, message);
    EXPECT_EQ(hint.current()->anchor(), button.mapToGlobal(QPoint(12, 11)));
}
