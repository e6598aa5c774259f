#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QTimer>
#include <chrono>
#include <tuple>

#include "gui/QtKeys.h"
#include "gui/QtText.h"
#include "gui/QtUserInterface.h"

namespace ravlet::gui {

TEST(QtKeys, BecomeTheLogicsKeys) {
    const struct {
        int qtKey;
        Qt::KeyboardModifiers mods;
        KeyPress expected;
    } rows[] = {{Qt::Key_A, Qt::ControlModifier, {'A', false, true, false}},
                {Qt::Key_I, Qt::ControlModifier | Qt::ShiftModifier, {'I', true, true, false}},
                {Qt::Key_B, Qt::ControlModifier | Qt::AltModifier, {'B', false, true, true}},
                {Qt::Key_7, Qt::NoModifier, {'7'}},
                {Qt::Key_F7, Qt::NoModifier, {Key_F(7)}},
                {Qt::Key_F12, Qt::ControlModifier, {Key_F(12), false, true, false}},
                {Qt::Key_Delete, Qt::NoModifier, {Key_Delete}},
                {Qt::Key_Return, Qt::NoModifier, {Key_Enter}},
                {Qt::Key_Enter, Qt::KeypadModifier, {Key_Enter}},
                {Qt::Key_Backspace, Qt::ControlModifier, {Key_Backspace, false, true, false}},
                {Qt::Key_Menu, Qt::NoModifier, {Key_Menu}},
                {Qt::Key_Eacute, Qt::NoModifier, {0}}};
    for (const auto& row : rows) {
        const KeyPress k = ToKeyPress(QKeyEvent(QEvent::KeyPress, row.qtKey, row.mods));
        const KeyPress& e = row.expected;
        EXPECT_EQ(std::tie(k.key, k.shift, k.ctrl, k.alt), std::tie(e.key, e.shift, e.ctrl, e.alt))
            << row.qtKey;
    }
    // Qt adjusts the modifiers of a modifier key's own event; only the key counts here.
    for (auto mods : {Qt::NoModifier, Qt::ControlModifier})
        EXPECT_EQ(ToKeyPress(QKeyEvent(QEvent::KeyPress, Qt::Key_Control, mods)).key, Key_Control);
}

TEST(QtNameFilter, PairsBecomeNameFilters) {
    const std::pair<const char*, const char*> rows[] = {
        {"ravlet listfiles|*.wls|text files|*.txt|all files|*.*",
         "ravlet listfiles (*.wls);;text files (*.txt);;all files (*.*)"},
        {"HTML files|*.html;*.htm", "HTML files (*.html *.htm)"},
        {"no pattern", ""},
        {"", ""},
        {"odd|*.a|dangling", "odd (*.a)"}};
    for (const auto& [filter, qt] : rows)
        EXPECT_EQ(QtNameFilter(filter).toStdString(), qt) << filter;
}

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
