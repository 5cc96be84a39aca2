#include "main_window_layout.h"

#include "file_workflows.h"
#include "skin_install.h"
#include "text_conversion.h"

const char DROP_ZONE_TEXT[] =
    "---------------------------\r\n"
    "|                         |\r\n"
    "|         拖进来！        |\r\n"
    "|                         |\r\n"
    "---------------------------";

namespace {

constexpr DWORD CHILD = WS_CHILD | WS_VISIBLE;
// Labels are text statics (SS_LEFT) so the label skin paints their text.
constexpr DWORD LABEL = CHILD | SS_LEFT;
constexpr DWORD BUTTON = CHILD | WS_TABSTOP | BS_PUSHBUTTON | BS_CENTER | BS_VCENTER | BS_MULTILINE;
constexpr DWORD EDIT = CHILD | WS_TABSTOP | ES_LEFT;
constexpr DWORD TEXT_BOX = EDIT | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN;
constexpr DWORD SCROLLED_TEXT_BOX = TEXT_BOX | ES_AUTOHSCROLL | WS_HSCROLL | WS_VSCROLL;
constexpr DWORD LINE_BOX = EDIT | ES_AUTOHSCROLL;

constexpr const char* LABEL_CLASS = SKIN_LABEL_CLASS;
constexpr DWORD SUNKEN = WS_EX_CLIENTEDGE;

}  // namespace

const ControlLayout CONTROL_LAYOUT[static_cast<int>(Control::count)] = {
    {Control::标签1, LABEL_CLASS, LABEL, 0, 344, 8, 232, 16, "加/解密文件：", nullptr},
    {Control::标签2, LABEL_CLASS, LABEL, 0, 8, 8, 232, 16, "加/解密文本：", nullptr},
    {Control::编辑框1, EDIT_CLASS, TEXT_BOX, SUNKEN, 8, 24, 312, 160, "", nullptr},
    {Control::编辑框2, EDIT_CLASS, TEXT_BOX, SUNKEN, 8, 216, 312, 160, "", nullptr},
    {Control::标签3, LABEL_CLASS, LABEL, 0, 344, 32, 304, 16,
     "请把欲加密的文件拖入这里↓只适合加密一些文档等文件", nullptr},
    {Control::标签4, LABEL_CLASS, LABEL, 0, 352, 56, 168, 64, DROP_ZONE_TEXT, nullptr},
    {Control::编辑框3, EDIT_CLASS, SCROLLED_TEXT_BOX, SUNKEN, 352, 144, 280, 88, "", nullptr},
    {Control::标签5, LABEL_CLASS, LABEL, 0, 360, 120, 264, 16,
     "下面是加密结果↓（厉害吧，文件加密成文本^_^)", nullptr},
    {Control::按钮1, BUTTON_CLASS, BUTTON, 0, 88, 184, 24, 32, "↓", encryptTextClicked},
    {Control::按钮2, BUTTON_CLASS, BUTTON, 0, 192, 184, 24, 32, "↑", decryptTextClicked},
    {Control::标签6, LABEL_CLASS, LABEL, 0, 48, 192, 40, 16, "加密→", nullptr},
    {Control::标签7, LABEL_CLASS, LABEL, 0, 224, 192, 40, 16, "←解密", nullptr},
    {Control::标签8, LABEL_CLASS, LABEL, 0, 352, 240, 280, 24,
     "解密目标路径↓  欲解密的内容写在上面↑", nullptr},
    {Control::编辑框4, EDIT_CLASS, LINE_BOX, SUNKEN, 352, 264, 232, 24, "", nullptr},
    {Control::按钮3, BUTTON_CLASS, BUTTON, 0, 592, 264, 48, 24, "浏览", browseClicked},
    {Control::按钮4, BUTTON_CLASS, BUTTON, 0, 352, 296, 288, 40, "开始解密", decryptFileClicked},
    // The wait notice of the file half: hidden until a workflow shows it.
    {Control::标签9, LABEL_CLASS, LABEL & ~WS_VISIBLE, 0, 352, 344, 288, 32, "", nullptr},
    // The divider between the two halves.
    {Control::图片框1, LABEL_CLASS, LABEL, WS_EX_STATICEDGE, 328, 0, 8, 384, "", nullptr},
};
