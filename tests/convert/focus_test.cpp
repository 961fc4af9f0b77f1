// Where the keyboard focus and the selection stay while the user clicks
// buttons, moves between fields and opens the Edit menu from the keyboard.
#include "tests/convert/window_fixture.h"

#include "convert/module1.h"

#include <QApplication>
#include <QClipboard>
#include <QColor>
#include <QImage>
#include <QLineEdit>
#include <QPalette>
#include <QTest>

namespace {

// The user types on: into whatever has the keyboard focus.
void TypeOn(const QString &text) {
    for (QChar c : text) {
        QWidget *focus = QApplication::focusWidget();
        ASSERT_NE(focus, nullptr);
        if (c == u'\r')
            QTest::keyClick(focus, Qt::Key_Return);
        else
            QTest::keyClicks(focus, QString(c));
    }
    ProcessEvents();
}

TEST_F(ControlWndTest, AClickOnAButtonLeavesTheFocusInTheFieldBeingTyped) {
    window->dimFld()->SetText("2");
    window->corrFld()->SetText("1 0.5\r0.5 1\r");
    Type(*window->sdFld(), "2");
    Click(*window->CalcBtn()); // one character is no data: the focus stays
    EXPECT_EQ(Alerts(), std::vector<std::string>{"Enter standard deviations"});
    TypeOn("\r3");
    EXPECT_EQ(window->sdFld()->Text().str(), "2\r3");

    Click(*window->RadioButton2());
    EXPECT_EQ(Module1::which, 2);
    Click(*window->ClearSDBtn()); // sends the focus to the dimension field itself
    TypeOn("4");
    EXPECT_EQ(window->dimFld()->Text().str(), "4");
    Click(*window->RadioButton1());
    TypeOn("5");
    EXPECT_EQ(window->dimFld()->Text().str(), "45");
    EXPECT_EQ(FocusWidget(), WidgetOf(*window->dimFld()));

    // The keyboard still reaches the buttons (Ctrl+Tab: the matrix fields take Tab).
    bool reached = false;
    for (int i = 0; i < 25 && !reached; ++i) {
        QTest::keyClick(FocusWidget(), Qt::Key_Tab, Qt::ControlModifier);
        reached = FocusWidget() == WidgetOf(*window->CalcBtn());
    }
    EXPECT_TRUE(reached);
}

struct EditEntry {
    Qt::Key mnemonic;
    const char *text, *clipboard; // afterwards
};

TEST_F(ControlWndTest, TheEditMenuOpenedFromTheKeyboardActsOnTheSelection) {
    const EditEntry entries[] = {{Qt::Key_C, "42", "42"}, {Qt::Key_T, "", "42"}, {Qt::Key_D, "", "none"}};
    auto *edit = qobject_cast<QLineEdit *>(WidgetOf(*window->dimFld()));
    ASSERT_NE(edit, nullptr);
    for (const EditEntry &entry : entries) {
        window->dimFld()->SetText("42");
        QApplication::clipboard()->setText("none");
        edit->setFocus(Qt::MouseFocusReason);
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(edit, Qt::Key_E, Qt::AltModifier);
        ProcessEvents();
        QWidget *menu = QApplication::activePopupWidget();
        ASSERT_NE(menu, nullptr) << "Alt+E opened no menu";
        QTest::keyClick(menu, entry.mnemonic);
        ProcessEvents();
        EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
        EXPECT_EQ(window->dimFld()->Text().str(), entry.text) << entry.mnemonic;
        EXPECT_EQ(QApplication::clipboard()->text().toStdString(), entry.clipboard) << entry.mnemonic;
        EXPECT_EQ(FocusWidget(), edit);
    }
}

// Whether the widget, as drawn, shows a selection in its highlight colour.
bool ShowsSelection(QWidget *widget) {
    const QPalette palette = QApplication::palette(widget);
    const QRgb active = palette.color(QPalette::Active, QPalette::Highlight).rgb();
    const QRgb inactive = palette.color(QPalette::Inactive, QPalette::Highlight).rgb();
    const QImage image = widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == active || image.pixel(x, y) == inactive) return true;
    return false;
}

TEST_F(ControlWndTest, OnlyTheFieldWithTheFocusShowsItsSelection) {
    window->corrFld()->SetText("0.5 0.5\r0.5 0.5\r");
    window->dimFld()->SetText("42");
    QWidget *corr = WidgetOf(*window->corrFld());
    QWidget *dim = WidgetOf(*window->dimFld());
    Click(*window->corrFld());
    Press(*window->corrFld(), Qt::Key_A, Qt::ControlModifier);
    EXPECT_TRUE(ShowsSelection(corr));
    Click(*window->dimFld());
    Press(*window->dimFld(), Qt::Key_A, Qt::ControlModifier);
    EXPECT_TRUE(ShowsSelection(dim));
    EXPECT_FALSE(ShowsSelection(corr)) << "a text area without the focus shows its selection";

    // Back in the area, its selection shows again.
    corr->setFocus(Qt::TabFocusReason);
    ProcessEvents();
    EXPECT_TRUE(ShowsSelection(corr));
    EXPECT_FALSE(ShowsSelection(dim));
}

} // namespace
