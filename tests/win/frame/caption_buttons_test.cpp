// The caption-button state machine of a 300 x 80 framed window, row by row:
// states of the three slots, the hover timer, repaints and posted commands.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "frame.h"
#include "skin_test_support.h"
#include "window_props.h"

namespace {

const char* const slotProps[3] = {SkinProp::minimizeButton, SkinProp::maximizeButton, SkinProp::closeButton};

enum class Event { mouseMove, timerTickOutside, timerTickInside, buttonDown, buttonUp, doubleClick };

struct Posted {
    UINT message;  // 0: nothing posted
    WPARAM command;
};
constexpr Posted nothing{0, 0};
constexpr Posted close{WM_CLOSE, 0};
constexpr Posted minimize{WM_SYSCOMMAND, SC_MINIMIZE};
constexpr Posted maximize{WM_SYSCOMMAND, SC_MAXIMIZE};
constexpr Posted restore{WM_SYSCOMMAND, SC_RESTORE};

struct Row {
    const char* name;
    int before[3];  // minimize, maximize, close
    bool timerBefore;
    int restoreMode;
    Event event;
    WPARAM hitCode;
    int after[3];
    bool timerAfter;
    bool repaint;
    Posted posted;
};

class CaptionButtons : public ::testing::Test {
protected:
    void SetUp() override { window = createFramedWindow(300, 80); }
    void TearDown() override {
        KillTimer(window, timerId());
        DestroyWindow(window);
    }
    UINT_PTR timerId() const { return reinterpret_cast<UINT_PTR>(window); }
    void setStates(const int states[3]) {
        for (int i = 0; i < 3; ++i)
            writeSkinProp(window, slotProps[i], states[i]);
    }
    std::string states() const {
        std::string text;
        for (const char* prop : slotProps)
            text += std::to_string(readSkinProp(window, prop));
        return text;
    }
    static std::string states(const int values[3]) {
        return std::to_string(values[0]) + std::to_string(values[1]) + std::to_string(values[2]);
    }
    void startTimer() {
        writeSkinProp(window, SkinProp::timerRunning, 1);
        SetTimer(window, timerId(), 200, captionHoverTimerProc);
    }
    // Whether the hover timer ran; stops it.
    bool timerWasRunning() { return KillTimer(window, timerId()) != FALSE; }
    void pointerAt(int x, int y) {
        const POINT origin = windowOrigin(window);
        SetCursorPos(origin.x + x, origin.y + y);
    }
    LRESULT send(UINT message, WPARAM hitCode) { return SendMessageA(window, message, hitCode, 0); }
    std::vector<Posted> posted() {
        std::vector<Posted> all;
        for (UINT message : {static_cast<UINT>(WM_SYSCOMMAND), static_cast<UINT>(WM_CLOSE)})
            for (const MSG& msg : takePosted(window, message))
                all.push_back({msg.message, msg.wParam});
        return all;
    }
    void run(const Row& row) {
        SCOPED_TRACE(row.name);
        setStates(row.before);
        writeSkinProp(window, SkinProp::restoreMode, row.restoreMode);
        writeSkinProp(window, SkinProp::timerRunning, 0);
        if (row.timerBefore)
            startTimer();
        PieceRecorder recorder;
        LRESULT result = 0;
        switch (row.event) {
        case Event::mouseMove: result = send(WM_NCMOUSEMOVE, row.hitCode); break;
        case Event::buttonDown: result = send(WM_NCLBUTTONDOWN, row.hitCode); break;
        case Event::buttonUp: result = send(WM_NCLBUTTONUP, row.hitCode); break;
        case Event::doubleClick: result = send(WM_NCLBUTTONDBLCLK, row.hitCode); break;
        case Event::timerTickOutside:
        case Event::timerTickInside:
            pointerAt(row.event == Event::timerTickInside ? 260 : 150, row.event == Event::timerTickInside ? 9 : 50);
            captionHoverTimerProc(window, WM_TIMER, timerId(), GetTickCount());
            break;
        }
        EXPECT_EQ(result, 0);
        EXPECT_EQ(states(), states(row.after));
        EXPECT_EQ(readSkinProp(window, SkinProp::timerRunning), row.timerAfter ? 1 : 0);
        EXPECT_EQ(timerWasRunning(), row.timerAfter);
        EXPECT_EQ(!recorder.calls().empty(), row.repaint);
        const std::vector<Posted> commands = posted();
        if (row.posted.message == 0) {
            EXPECT_TRUE(commands.empty());
        } else {
            ASSERT_EQ(commands.size(), 1u);
            EXPECT_EQ(commands[0].message, row.posted.message);
            EXPECT_EQ(commands[0].command, row.posted.command);
        }
    }
    HWND window = nullptr;
};

TEST_F(CaptionButtons, StateMachine) {
    using E = Event;
    const Row rows[] = {
        {"pointer enters close", {0, 0, 0}, false, 0, E::mouseMove, HTCLOSE, {0, 0, 1}, true, true, nothing},
        {"pointer stays on close", {0, 0, 1}, true, 0, E::mouseMove, HTCLOSE, {0, 0, 1}, true, false, nothing},
        {"minimize to close", {1, 0, 0}, true, 0, E::mouseMove, HTCLOSE, {0, 0, 1}, true, true, nothing},
        {"close to maximize", {0, 0, 1}, true, 0, E::mouseMove, HTMAXBUTTON, {0, 1, 0}, true, true, nothing},
        {"pressed stays pressed under the pointer", {1, 0, 2}, true, 0, E::mouseMove, HTCLOSE, {0, 0, 2}, true,
         true, nothing},
        {"pressed cleared over another button", {0, 0, 2}, true, 0, E::mouseMove, HTMINBUTTON, {1, 0, 0}, true,
         true, nothing},
        {"caption with timer on", {0, 2, 1}, true, 0, E::mouseMove, HTCAPTION, {0, 0, 0}, false, true, nothing},
        {"caption with timer on, nothing hot", {0, 0, 0}, true, 0, E::mouseMove, HTCAPTION, {0, 0, 0}, false,
         false, nothing},
        {"caption with timer off", {0, 1, 0}, false, 0, E::mouseMove, HTCAPTION, {0, 1, 0}, false, false,
         nothing},
        {"tick, pointer outside the strip", {0, 0, 1}, true, 0, E::timerTickOutside, 0, {0, 0, 0}, false, true,
         nothing},
        {"tick outside, nothing hot", {0, 0, 0}, true, 0, E::timerTickOutside, 0, {0, 0, 0}, false, false,
         nothing},
        {"tick, pointer inside the strip", {0, 2, 1}, true, 0, E::timerTickInside, 0, {0, 2, 1}, true, false,
         nothing},
        {"press close", {0, 0, 1}, true, 0, E::buttonDown, HTCLOSE, {0, 0, 2}, true, true, nothing},
        {"press maximize, timer off", {0, 0, 0}, false, 0, E::buttonDown, HTMAXBUTTON, {0, 2, 0}, false, true,
         nothing},
        {"press elsewhere", {0, 0, 1}, true, 0, E::buttonDown, HTCLIENT, {0, 0, 1}, true, false, nothing},
        {"release close", {0, 0, 2}, true, 0, E::buttonUp, HTCLOSE, {0, 0, 1}, true, true, close},
        {"release minimize", {2, 0, 0}, true, 0, E::buttonUp, HTMINBUTTON, {1, 0, 0}, true, true, minimize},
        {"release maximize", {0, 2, 0}, true, 0, E::buttonUp, HTMAXBUTTON, {0, 1, 0}, true, true, maximize},
        {"release on close not pressed", {0, 0, 1}, true, 0, E::buttonUp, HTCLOSE, {0, 0, 1}, true, true, nothing},
        {"press released elsewhere", {0, 0, 2}, true, 0, E::buttonUp, HTCAPTION, {0, 0, 2}, true, true, nothing},
        {"press released on another button", {0, 0, 2}, true, 0, E::buttonUp, HTMINBUTTON, {0, 0, 2}, true, true,
         nothing},
        {"minimized in restore mode: left slot restores", {2, 0, 0}, true, 1, E::buttonUp, HTMINBUTTON,
         {1, 0, 0}, true, true, restore},
        {"minimized in restore mode: middle slot maximizes", {0, 2, 0}, true, 1, E::buttonUp, HTMAXBUTTON,
         {0, 1, 0}, true, true, maximize},
        {"double-click on close presses it", {0, 0, 1}, true, 0, E::doubleClick, HTCLOSE, {0, 0, 2}, true, true,
         nothing},
        {"double-click elsewhere", {0, 0, 0}, false, 0, E::doubleClick, HTCLIENT, {0, 0, 0}, false, false,
         nothing},
    };
    for (const Row& row : rows)
        run(row);
}

TEST_F(CaptionButtons, UnavailableButtonsStayUnavailable) {
    DestroyWindow(window);
    window = createFramedWindow(300, 80, WS_CAPTION | WS_SYSMENU);  // no minimize, no maximize box
    ASSERT_EQ(readSkinProp(window, SkinProp::minimizeButton), 3);
    ASSERT_EQ(readSkinProp(window, SkinProp::maximizeButton), 3);
    using E = Event;
    const Row rows[] = {
        {"hover minimize", {3, 3, 0}, false, 0, E::mouseMove, HTMINBUTTON, {3, 3, 0}, true, false, nothing},
        {"press maximize: the system's default", {3, 3, 0}, true, 0, E::buttonDown, HTMAXBUTTON, {3, 3, 0}, true,
         false, nothing},
        {"release maximize", {3, 3, 0}, true, 0, E::buttonUp, HTMAXBUTTON, {3, 3, 0}, true, true, nothing},
        {"leave the strip", {3, 3, 1}, true, 0, E::timerTickOutside, 0, {3, 3, 0}, false, true, nothing},
    };
    for (const Row& row : rows)
        run(row);
}

TEST_F(CaptionButtons, DoubleClickOnClosePostsCloseTwice) {
    writeSkinProp(window, SkinProp::closeButton, 1);
    for (UINT message : {WM_NCLBUTTONDOWN, WM_NCLBUTTONUP, WM_NCLBUTTONDBLCLK, WM_NCLBUTTONUP})
        EXPECT_EQ(send(message, HTCLOSE), 0);
    EXPECT_EQ(takePosted(window, WM_CLOSE).size(), 2u);
    EXPECT_EQ(readSkinProp(window, SkinProp::closeButton), 1);
}

TEST_F(CaptionButtons, MaximizedInRestoreModeTheMiddleSlotRestores) {
    ShowWindow(window, SW_MAXIMIZE);
    ASSERT_TRUE(IsZoomed(window));
    ASSERT_EQ(readSkinProp(window, SkinProp::restoreMode), 1);
    posted();
    send(WM_NCLBUTTONDOWN, HTMAXBUTTON);
    send(WM_NCLBUTTONUP, HTMAXBUTTON);
    send(WM_NCLBUTTONDOWN, HTMINBUTTON);
    send(WM_NCLBUTTONUP, HTMINBUTTON);
    const std::vector<Posted> commands = posted();
    ASSERT_EQ(commands.size(), 2u);
    EXPECT_EQ(commands[0].command, static_cast<WPARAM>(SC_RESTORE));
    EXPECT_EQ(commands[1].command, static_cast<WPARAM>(SC_MINIMIZE));
}

TEST_F(CaptionButtons, HoverTimerClearsTheButtonOnceThePointerHasLeft) {
    pointerAt(260, 9);
    send(WM_NCMOUSEMOVE, HTCLOSE);
    ASSERT_EQ(readSkinProp(window, SkinProp::closeButton), 1);
    pumpMessages(450);
    EXPECT_EQ(readSkinProp(window, SkinProp::closeButton), 1) << "the pointer is still on the strip";
    pointerAt(150, 50);
    pumpMessages(450);
    EXPECT_EQ(readSkinProp(window, SkinProp::closeButton), 0);
    EXPECT_EQ(readSkinProp(window, SkinProp::timerRunning), 0);
    EXPECT_FALSE(timerWasRunning());
}

}  // namespace
