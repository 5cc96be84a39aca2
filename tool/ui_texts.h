// Every text the desktop program shows: captions, titles, messages and the
// wait notices. One place, so the program speaks with one voice.
#pragma once

#include "byte_types.h"
#include "codec_status.h"

namespace UiText {

inline constexpr char windowCaption[] = "Varnotel 1.1";

// Message-box titles.
inline constexpr char askTitle[] = "询问";
inline constexpr char infoTitle[] = "信息：";

// The file half's fixed messages.
inline constexpr char confirmEncryptPrefix[] = "真的要加密";
inline constexpr char pleaseWait[] = "好吧，按下确认后，你必须等一下，别乱动哈！";
inline constexpr char encryptDone[] = "呼呼，累死我也，终于加密好了！";
inline constexpr char encryptDeclined[] = "那算了哈，什么时候需要了再找我";
inline constexpr char noTargetPath[] = "您还没填解密目标路径呢！";
inline constexpr char decryptDone[] = "呼呼，累死我也，终于解密好了！";
inline constexpr char encryptingNotice[] = "等一下，正在加密……";
inline constexpr char decryptingNotice[] = "等一下，正在解密……";

inline constexpr char saveDialogTitle[] = "请选择解密的目标文件路径：";

// Failures the program reports instead of passing over them; each is
// followed by the path it concerns (file half) and a reason line.
inline constexpr char textNotDecodable[] = "解不出来哈，上面的文本我没动。";
inline constexpr char textIsBinary[] =
    "解出来的内容里有零字节，是二进制数据，上面只显示到第一个零字节为止。"
    "要拿到完整的内容，请把符号文本贴到右边，用“开始解密”解成文件吧！";
inline constexpr char textNotEncodable[] = "这段文本加密不了哈！";
inline constexpr char fileNotReadable[] = "这个文件读不了，没法加密哈！";
inline constexpr char fileNotEncodable[] = "这个文件加密不了哈！";
inline constexpr char fileTextNotDecodable[] = "解不出来哈，目标文件我没动。";
inline constexpr char targetNotWritable[] = "目标文件写不进去哈！那里原有的文件我没动。";
inline constexpr char outOfMemory[] = "内存不够用了，这次没做成哈！";

// Reasons.
inline constexpr char reasonLabel[] = "原因：";
inline constexpr char reasonSeveralItems[] = "一次只能拖一个文件进来加密。";
inline constexpr char reasonFolder[] = "拖进来的是个文件夹，不是文件。";
inline constexpr char reasonShortRead[] = "文件没读完整，读到的比它的长度少，可能正在被别的程序改写。";
inline constexpr char reasonOutOfMemory[] = "内存不够用了。";
inline constexpr char reasonDamaged[] = "这段符号文本坏了或者不完整。";
inline constexpr char reasonTextTooLong[] = "结果太长，文本框装不下。";

}  // namespace UiText

// "内容太大了，…": names the largest size the format takes.
AnsiText tooLargeReason();

// Why an encode or decode failed, as a reason.
AnsiText codecFailureReason(CodecStatus status);

// The message, then the path it concerns (when there is one), then the
// reason, one per line.
AnsiText failureMessage(const char* message, const AnsiText& reason);
AnsiText failureMessage(const char* message, const AnsiText& path, const AnsiText& reason);
