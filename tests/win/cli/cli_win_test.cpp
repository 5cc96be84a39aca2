// varnotel.exe on Windows: every text here is spelled as bytes, since this
// file is compiled with code page 936 as its execution charset.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

const std::string ABC_UTF8 =
    "@\xEF\xBF\xA5=@^=&#=\xEF\xBF\xA5=\xEF\xBF\xA5=\xEF\xBC\x81=\xEF\xBC\x81=\xEF\xBC\x81=@#\xEF\xBC\x81=@^&=*^=*&="
    "*%=&=\xEF\xBC\x81=#=**=@=\xEF\xBF\xA5+";
const std::string ABC_CP936 =
    "@\xA3\xA4=@^=&#=\xA3\xA4=\xA3\xA4=\xA3\xA1=\xA3\xA1=\xA3\xA1=@#\xA3\xA1=@^&=*^=*&=*%=&=\xA3\xA1=#=**=@="
    "\xA3\xA4+";

// The binary's path as Windows sees it (Wine maps the Unix root to Z:).
std::string cliPath() {
    std::string path = VARNOTEL_CLI_PATH;
    if (!path.empty() && path[0] == '/') {
        path = "Z:" + path;
    }
    for (char& c : path) {
        c = c == '/' ? '\\' : c;
    }
    return path;
}

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void writeFile(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

class CliWin : public ::testing::Test {
protected:
    void SetUp() override {
        char base[MAX_PATH];
        GetTempPathA(MAX_PATH, base);
        dir_ = std::string(base) + "varnotel-cli-" + std::to_string(GetCurrentProcessId()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name();
        CreateDirectoryA(dir_.c_str(), nullptr);
    }

    void TearDown() override {
        for (const std::string& name : names()) {
            DeleteFileA(path(name).c_str());
        }
        RemoveDirectoryA(dir_.c_str());
    }

    std::string path(const std::string& name) const { return dir_ + "\\" + name; }

    std::vector<std::string> names() const {
        std::vector<std::string> result;
        WIN32_FIND_DATAA entry;
        HANDLE find = FindFirstFileA(path("*").c_str(), &entry);
        if (find == INVALID_HANDLE_VALUE) {
            return result;
        }
        do {
            const std::string name = entry.cFileName;
            if (name != "." && name != "..") {
                result.push_back(name);
            }
        } while (FindNextFileA(find, &entry));
        FindClose(find);
        return result;
    }

    // Runs the tool with `input` on standard input (a file, or a pipe) and
    // returns its exit code; standard output goes to "stdout", standard
    // error to "stderr".
    DWORD run(const std::string& args, const std::string& input, bool throughPipe = false) {
        SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
        HANDLE in = nullptr;
        HANDLE feed = nullptr;
        if (throughPipe) {
            CreatePipe(&in, &feed, &inherit, 0);
            SetHandleInformation(feed, HANDLE_FLAG_INHERIT, 0);
        } else {
            writeFile(path("stdin"), input);
            in = CreateFileA(path("stdin").c_str(), GENERIC_READ, FILE_SHARE_READ, &inherit, OPEN_EXISTING, 0,
                             nullptr);
        }
        HANDLE out = CreateFileA(path("stdout").c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS,
                                 0, nullptr);
        HANDLE err = CreateFileA(path("stderr").c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS,
                                 0, nullptr);
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdInput = in;
        startup.hStdOutput = out;
        startup.hStdError = err;
        PROCESS_INFORMATION process{};
        std::string commandLine = "\"" + cliPath() + "\" " + args;
        const BOOL started = CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr,
                                            dir_.c_str(), &startup, &process);
        CloseHandle(in);
        CloseHandle(out);
        CloseHandle(err);
        if (!started) {
            ADD_FAILURE() << "cannot start " << commandLine;
            return ~0u;
        }
        if (throughPipe) {
            DWORD written = 0;
            WriteFile(feed, input.data(), static_cast<DWORD>(input.size()), &written, nullptr);
            CloseHandle(feed);
        }
        WaitForSingleObject(process.hProcess, INFINITE);
        DWORD code = 0;
        GetExitCodeProcess(process.hProcess, &code);
        CloseHandle(process.hProcess);
        CloseHandle(process.hThread);
        DeleteFileA(path("stdin").c_str());
        return code;
    }

    std::string out() const { return readFile(path("stdout")); }
    std::string err() const { return readFile(path("stderr")); }

    std::string dir_;
};

TEST_F(CliWin, EncodesInBothCharsetsWithoutLineEndTranslation) {
    EXPECT_EQ(run("encode", "abc"), 0u);
    EXPECT_EQ(out(), ABC_UTF8 + "\n");
    EXPECT_EQ(run("encode --charset=cp936", "abc"), 0u);
    EXPECT_EQ(out(), ABC_CP936 + "\n");
    // A pipe is spooled to a temporary file first.
    EXPECT_EQ(run("encode --charset=cp936 -", "abc", true), 0u);
    EXPECT_EQ(out(), ABC_CP936 + "\n");
}

TEST_F(CliWin, DecodeConvertsUtf8ThroughCodePage936) {
    const std::string bytes("a\r\n\0\xFF", 5);
    ASSERT_EQ(run("encode", bytes), 0u);
    const std::string text = out();
    EXPECT_EQ(run("decode", text), 0u);
    EXPECT_EQ(out(), bytes);
    EXPECT_EQ(run("-d --charset=cp936", ABC_CP936), 0u);
    EXPECT_EQ(out(), "abc");
    // The first two numbers in full-width digits (U+FF11, U+FF13, U+FF15)
    // with an ideographic space (U+3000): Windows maps them to code page
    // 936, where the decoder reads them as digits and a space.
    const std::string fullWidth = "\xEF\xBC\x91\xEF\xBC\x93,\xE3\x80\x80\xEF\xBC\x91\xEF\xBC\x95," +
                                  std::string("62,3,3,0,0,0,120,156,75,76,74,6,0,2,77,1,39");
    EXPECT_EQ(run("decode", fullWidth), 0u) << err();
    EXPECT_EQ(out(), "abc");
    // A no-break space has no code page 936 form and breaks the number it
    // stands in, unless --ignore-garbage drops it.
    std::string broken = ABC_UTF8;
    broken.insert(broken.find("*^") + 1, "\xC2\xA0");
    EXPECT_EQ(run("decode", broken), 1u);
    EXPECT_EQ(run("decode -i", broken), 0u);
    EXPECT_EQ(out(), "abc");
}

TEST_F(CliWin, OutputIsReplacedOnlyOnSuccess) {
    writeFile(path("out.bin"), "precious");
    EXPECT_EQ(run("decode -o out.bin", ABC_UTF8 + "@"), 1u);
    EXPECT_EQ(readFile(path("out.bin")), "precious");
    EXPECT_EQ(run("decode -o out.bin", ABC_UTF8), 0u);
    EXPECT_EQ(readFile(path("out.bin")), "abc");
    std::vector<std::string> expected = {"out.bin", "stderr", "stdout"};
    std::vector<std::string> actual = names();
    std::sort(actual.begin(), actual.end());
    EXPECT_EQ(actual, expected) << "a temporary file was left";
}

TEST_F(CliWin, MissingInputExitsThreeWithTheSystemReason) {
    EXPECT_EQ(run("encode missing.bin", ""), 3u);
    EXPECT_EQ(err().rfind("varnotel: missing.bin: ", 0), 0u) << err();
}

}  // namespace
