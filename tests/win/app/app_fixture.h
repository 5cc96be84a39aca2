// The live main window of the program, shared by the tests of one process,
// with the message boxes and the save dialog scripted.
#pragma once

#include <windows.h>

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "main_window.h"

// One message box the program showed, with the wait notice as it was then.
struct ShownMessage {
    std::string text;
    std::string title;
    UINT flags;
    HWND owner;
    bool noticeVisible;
    std::string noticeText;
};

// One use of the save dialog.
struct DialogUse {
    std::string title;
    std::string prefilledPath;
    DWORD flags;
    HWND owner;
    bool hasFilter;
    bool hasDefaultExtension;
    bool hasInitialDirectory;
};

struct Script {
    // Buttons for the coming message boxes; an OK box with nothing
    // scripted is answered IDOK.
    std::deque<int> answers;
    // For the coming dialogs: the confirmed path, or nothing for cancel.
    std::deque<std::optional<std::string>> dialogAnswers;
    std::vector<ShownMessage> messages;
    std::vector<DialogUse> dialogs;
};

extern Script script;

inline constexpr UINT ASK = MB_YESNO | MB_ICONQUESTION | MB_TASKMODAL;  // 36 + task-modal
inline constexpr UINT INFO = MB_OK | MB_ICONINFORMATION | MB_TASKMODAL; // 64 + task-modal
inline constexpr UINT WARN = MB_OK | MB_ICONEXCLAMATION | MB_TASKMODAL;

std::string textOf(Control control);
void setText(Control control, const std::string& text);
bool visible(Control control);

// Records what 标签9 looks like when queued messages are dispatched, which
// is when a handler starts encoding or decoding.
class PendingEventProbe {
public:
    PendingEventProbe();  // posts one message to be seen
    ~PendingEventProbe();
    bool dispatched() const;
    bool noticeVisible() const;
    std::string noticeText() const;

private:
    HWND window_;
};

// A fresh folder under the temporary folder, removed with its files.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    std::string path(const std::string& name) const;
    std::string write(const std::string& name, const std::string& content) const;
    std::vector<std::string> names() const;

private:
    std::string folder_;
};

std::optional<std::string> readFile(const std::string& path);

// Main window created once per process; each test starts with empty boxes,
// an empty script and the notice hidden.
class AppTest : public testing::Test {
protected:
    static void SetUpTestSuite();
    void SetUp() override;
};
