#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QTimer>
#include <chrono>

#include "gui/QtKeys.h"
#include "gui/QtText.h"
#include "gui/QtUserInterface.h"
#include "support/RowName.h"

namespace ravlet::gui {

struct KeyCase {
    int qtKey;
    Qt::KeyboardModifiers mods;
    KeyPress expected;
};

class QtKeysTable : public ::testing::TestWithParam<KeyCase> {};

TEST_P(QtKeysTable, BecomeTheLogicsKeys) {
    const KeyCase& c = GetParam();
    const KeyPress k = ToKeyPress(QKeyEvent(QEvent::KeyPress, c.qtKey, c.mods));
    EXPECT_EQ(k.key, c.expected.key);
    EXPECT_EQ(k.shift, c.expected.shift);
    EXPECT_EQ(k.ctrl, c.expected.ctrl);
    EXPECT_EQ(k.alt, c.expected.alt);
}

INSTANTIATE_TEST_SUITE_P(
    Table, QtKeysTable,
    ::testing::Values(
        KeyCase{Qt::Key_A, Qt::ControlModifier, {'A', false, true, false}},
        KeyCase{Qt::Key_I, Qt::ControlModifier | Qt::ShiftModifier, {'I', true, true, false}},
        KeyCase{Qt::Key_B, Qt::ControlModifier | Qt::AltModifier, {'B', false, true, true}},
        KeyCase{Qt::Key_7, Qt::NoModifier, {'7'}}, KeyCase{Qt::Key_F7, Qt::NoModifier, {Key_F(7)}},
        KeyCase{Qt::Key_F12, Qt::ControlModifier, {Key_F(12), false, true, false}},
        KeyCase{Qt::Key_Delete, Qt::NoModifier, {Key_Delete}},
        KeyCase{Qt::Key_Return, Qt::NoModifier, {Key_Enter}},
        KeyCase{Qt::Key_Enter, Qt::KeypadModifier, {Key_Enter}},
        KeyCase{Qt::Key_Backspace, Qt::ControlModifier, {Key_Backspace, false, true, false}},
        KeyCase{Qt::Key_Menu, Qt::NoModifier, {Key_Menu}},
        KeyCase{Qt::Key_Eacute, Qt::NoModifier, {0}}),
    test::KeyedName<&KeyCase::qtKey>{});

TEST(QtKeys, TheControlKeyItself) {
    // Qt adjusts the modifiers of a modifier key's own event; only the key counts here.
    for (auto mods : {Qt::NoModifier, Qt::ControlModifier})
        EXPECT_EQ(ToKeyPress(QKeyEvent(QEvent::KeyPress, Qt::Key_Control, mods)).key, Key_Control);
}

struct FilterCase {
    const char* filter;
    const char* qt;
};

class QtNameFilterTable : public ::testing::TestWithParam<FilterCase> {};

TEST_P(QtNameFilterTable, PairsBecomeNameFilters) {
    EXPECT_EQ(QtNameFilter(GetParam().filter).toStdString(), GetParam().qt);
}

INSTANTIATE_TEST_SUITE_P(
    Table, QtNameFilterTable,
    ::testing::Values(FilterCase{"ravlet listfiles|*.wls|text files|*.txt|all files|*.*",
                                 "ravlet listfiles (*.wls);;text files (*.txt);;all files (*.*)"},
                      FilterCase{"HTML files|*.html;*.htm", "HTML files (*.html *.htm)"},
                      FilterCase{"no pattern", ""}, FilterCase{"", ""},
                      FilterCase{"odd|*.a|dangling", "odd (*.a)"}),
    test::KeyedName<&FilterCase::filter>{});

TEST(QtText, BytesSurviveTheRoundTripAndLinesLoseTheirCr) {
    const std::string text = "http://h\xc3\xa4st/a?b=1&c=2";
    EXPECT_EQ(S(Q(text)), text);
    EXPECT_EQ(QLines("one\r\ntwo\r\n").toStdString(), "one\ntwo\n");
}

// A paused loop sleeps in the wait: an event ends it at once, and without one it ends
// after its time.
TEST(QtUserInterface, WaitForEventsServesTheNextEventOrTimesOut) {
    QtUserInterface ui;
    bool fired = false;
    QTimer::singleShot(50, [&fired] { fired = true; });
    const auto start = std::chrono::steady_clock::now();
    int waits = 0;
    while (!fired && std::chrono::steady_clock::now() - start < std::chrono::seconds(5)) {
        ui.WaitForEvents(60000);
        ++waits;
    }
    EXPECT_TRUE(fired);
    // Each wait lasts until an event comes; a spinning wait would come back thousands of times.
    EXPECT_LT(waits, 20);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
    const auto idle = std::chrono::steady_clock::now();
    ui.WaitForEvents(100);
    EXPECT_LT(std::chrono::steady_clock::now() - idle, std::chrono::seconds(5));
}

}  // namespace ravlet::gui
