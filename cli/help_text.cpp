// The --help text, with the figures taken from the constants they describe.
#include <string>

#include "cli_constants.h"
#include "command_line.h"
#include "compressed_block.h"

namespace cli {

std::string helpText() {
    const std::string name = PROGRAM_NAME;
    static_assert(CHARSET_DETECT_WINDOW % (1024 * 1024) == 0, "the text below counts in MiB");
    const std::string window = std::to_string(CHARSET_DETECT_WINDOW / (1024 * 1024)) + " MiB";
    const std::string maxInput = std::to_string(BLOCK_MAX_INPUT);
    return "Usage: " + name + " [encode] [OPTION]... [FILE]\n"
           "  or:  " + name + " decode [OPTION]... [FILE]\n"
           "  or:  " + name + " -d [OPTION]... [FILE]\n"
           "Turn FILE into symbol text (encode, the default), or a symbol text back\n"
           "into the bytes it holds (decode), written to standard output.\n"
           "With no FILE, or when FILE is -, read standard input.\n"
           "\n"
           "  -d, --decode          decode a symbol text\n"
           "  -o, --output=OUT      write OUT instead of standard output; OUT is replaced\n"
           "                          only when the whole run succeeds\n"
           "      --charset=CHARSET the symbol text's charset: utf-8, or cp936 (code\n"
           "                          page 936, the bytes of the desktop program)\n"
           "  -w, --wrap=COLS       encode: break lines right after a '=' so that no line\n"
           "                          is longer than COLS columns (a full-width symbol\n"
           "                          takes two) unless one number alone is; 0 (the\n"
           "                          default) writes one line\n"
           "  -i, --ignore-garbage  decode: first drop every character that is not a\n"
           "                          symbol, a digit (full-width digits count), a comma\n"
           "                          or a brace\n"
           "      --help            display this help and exit\n"
           "      --version         output version information and exit\n"
           "\n"
           "Encode writes UTF-8 unless --charset=cp936 is given and ends its output\n"
           "with a line feed; it takes at most " + maxInput + " bytes. Input from a pipe\n"
           "is first copied to a temporary file (TMPDIR, or TEMP on Windows) to learn\n"
           "its length.\n"
           "\n"
           "Decode without --charset reads the text as UTF-8, converting it to code\n"
           "page 936, when the " + window + " from its first byte of 0x80 or above are valid\n"
           "UTF-8; otherwise, and when the text is all ASCII, it reads code page 936\n"
           "bytes. A character code page 936 cannot hold, and a malformed UTF-8\n"
           "sequence after that choice, become '?'.\n"
           "\n"
           "Exit status: 0 success; 1 the input is not a valid symbol text, or too\n"
           "large to encode; 2 usage error; 3 input or output error.\n";
}

}  // namespace cli
