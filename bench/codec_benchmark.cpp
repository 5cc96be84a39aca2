// The codec benchmark: a deterministic mixed corpus, the codec against zlib
// at library level, the varnotel tool against gzip and base64 pipelines,
// and the tool's peak memory. Prints one report; every timing is the best
// of several runs, since the figures are only as quiet as the machine.
//
//   varnotel_bench [--runs N] [--dir DIR] [--skip-1g]
#include <zlib.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "child_process.h"
#include "corpus.h"
#include "symbol_codec.h"
#include "symbol_stream.h"

namespace {

constexpr std::uint64_t SMALL_CORPUS = 100000000;  // 100 MB
constexpr std::uint64_t LARGE_CORPUS = 1000000000;  // 1 GB
constexpr std::uint64_t CORPUS_SEED = 1;
constexpr std::size_t GENERATE_CHUNK = 1 << 20;
constexpr std::size_t LIBRARY_CHUNK = 256 * 1024;  // as the tool reads

constexpr double ENCODE_TARGET = 1.10;
constexpr double DECODE_TARGET = 1.30;
constexpr double PIPELINE_TARGET = 1.0;  // strictly below
constexpr double MEMORY_TARGET_MIB = 64;

struct Settings {
    int runs = 3;
    std::string dir = "/tmp";
    bool large = true;
};

// CPU time of this thread: the library calls are single-threaded, and CPU
// time is far less disturbed by other work on the machine than wall time.
double threadSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

double bestOf(int runs, const std::function<void()>& work) {
    double best = 1e30;
    for (int i = 0; i < runs; ++i) {
        const double start = threadSeconds();
        work();
        best = std::min(best, threadSeconds() - start);
    }
    return best;
}

ChildRun bestChildRun(int runs, const std::vector<std::string>& argv, const std::string& in, const std::string& out) {
    ChildRun best;
    best.wallSeconds = 1e30;
    for (int i = 0; i < runs; ++i) {
        const ChildRun run = runChild(argv, in, out);
        if (run.exitStatus != 0) {
            std::fprintf(stderr, "bench: '%s' failed with status %d\n", argv.back().c_str(), run.exitStatus);
            std::exit(1);
        }
        if (run.wallSeconds < best.wallSeconds) {
            best.wallSeconds = run.wallSeconds;
        }
        best.peakResidentKiB = std::max(best.peakResidentKiB, run.peakResidentKiB);
        best.exitStatus = 0;
    }
    return best;
}

void writeCorpus(const std::string& path, std::uint64_t size) {
    CorpusGenerator generator(CORPUS_SEED);
    std::vector<std::uint8_t> chunk(GENERATE_CHUNK);
    std::ofstream out(path, std::ios::binary);
    for (std::uint64_t left = size; left > 0;) {
        const std::size_t n = static_cast<std::size_t>(std::min<std::uint64_t>(left, chunk.size()));
        generator.fill(chunk.data(), n);
        out.write(reinterpret_cast<const char*>(chunk.data()), static_cast<std::streamsize>(n));
        left -= n;
    }
    if (!out) {
        std::fprintf(stderr, "bench: cannot write %s\n", path.c_str());
        std::exit(1);
    }
}

bool sameFiles(const std::string& a, const std::string& b) {
    std::ifstream x(a, std::ios::binary), y(b, std::ios::binary);
    return std::equal(std::istreambuf_iterator<char>(x), std::istreambuf_iterator<char>(),
                      std::istreambuf_iterator<char>(y), std::istreambuf_iterator<char>());
}

const char* verdict(bool met) {
    return met ? "met" : "MISSED";
}

void printRatio(const char* what, const char* mine, double mineSeconds, const char* theirs, double theirSeconds,
                double target, bool strict) {
    const double ratio = mineSeconds / theirSeconds;
    const bool met = strict ? ratio < target : ratio <= target;
    std::printf("  %-7s %-26s %7.3f s   %-26s %7.3f s   ratio %5.3f  (target %s %.2f: %s)\n", what, mine,
                mineSeconds, theirs, theirSeconds, ratio, strict ? "<" : "<=", target, verdict(met));
}

// The incremental encoder fed in chunks, its output taken chunk by chunk as
// the tool does; the one-shot entry holds the whole symbol text at once.
bool encodeInChunks(const ByteArray& input) {
    SymbolTextEncoder encoder(input.size());
    AnsiText text;
    for (std::size_t pos = 0; pos < input.size(); pos += LIBRARY_CHUNK) {
        encoder.feed(input.data() + pos, std::min(LIBRARY_CHUNK, input.size() - pos), text);
        text.clear();
    }
    return encoder.finish(text) == CodecStatus::Ok;
}

bool decodeInChunks(const AnsiText& text) {
    SymbolTextDecoder decoder;
    ByteArray bytes;
    for (std::size_t pos = 0; pos < text.size(); pos += LIBRARY_CHUNK) {
        decoder.feed(text.data() + pos, std::min(LIBRARY_CHUNK, text.size() - pos), bytes);
        bytes.clear();
    }
    return decoder.finish(bytes) == CodecStatus::Ok;
}

void benchLibrary(const Settings& settings, const std::string& corpusPath) {
    std::ifstream in(corpusPath, std::ios::binary);
    const ByteArray input((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());

    ByteArray zlibStream(compressBound(static_cast<uLong>(input.size())));
    uLongf zlibSize = 0;
    const double compressTime = bestOf(settings.runs, [&] {
        zlibSize = static_cast<uLongf>(zlibStream.size());
        compress(zlibStream.data(), &zlibSize, input.data(), static_cast<uLong>(input.size()));
    });
    ByteArray inflated(input.size());
    const double uncompressTime = bestOf(settings.runs, [&] {
        uLongf size = static_cast<uLongf>(inflated.size());
        uncompress(inflated.data(), &size, zlibStream.data(), zlibSize);
    });

    int failures = 0;
    const double encodeChunks = bestOf(settings.runs, [&] { failures += encodeInChunks(input) ? 0 : 1; });
    EncodeResult encoded;
    const double encodeWhole = bestOf(settings.runs, [&] { encoded = encodeSymbolTextChecked(input); });
    const double decodeChunks = bestOf(settings.runs, [&] { failures += decodeInChunks(encoded.text) ? 0 : 1; });
    DecodeResult decoded;
    const double decodeWhole = bestOf(settings.runs, [&] { decoded = decodeSymbolTextChecked(encoded.text); });
    if (failures != 0 || encoded.status != CodecStatus::Ok || decoded.bytes != input) {
        std::fprintf(stderr, "bench: the codec did not give the corpus back\n");
        std::exit(1);
    }
    std::printf("library, on the corpus in memory (CPU time of the calling thread):\n");
    printRatio("encode", "SymbolTextEncoder, chunks", encodeChunks, "zlib compress", compressTime, ENCODE_TARGET,
               false);
    printRatio("encode", "encodeSymbolTextChecked", encodeWhole, "zlib compress", compressTime, ENCODE_TARGET, false);
    printRatio("decode", "SymbolTextDecoder, chunks", decodeChunks, "zlib uncompress", uncompressTime,
               DECODE_TARGET, false);
    printRatio("decode", "decodeSymbolTextChecked", decodeWhole, "zlib uncompress", uncompressTime, DECODE_TARGET,
               false);
    std::printf("  (block %lu bytes, symbol text %zu bytes in code page 936)\n",
                static_cast<unsigned long>(zlibSize + 8), encoded.text.size());
}

struct CliRuns {
    ChildRun encode;
    ChildRun decode;
};

// Encodes and decodes `corpusPath` with the tool, checking the round trip.
CliRuns runCli(int runs, const std::string& corpusPath, const std::string& dir) {
    const std::string text = dir + "/bench-corpus.txt";
    const std::string back = dir + "/bench-corpus.back";
    CliRuns result;
    result.encode = bestChildRun(runs, {VARNOTEL_CLI_PATH, "encode", corpusPath}, "", text);
    result.decode = bestChildRun(runs, {VARNOTEL_CLI_PATH, "decode", text}, "", back);
    if (!sameFiles(back, corpusPath)) {
        std::fprintf(stderr, "bench: varnotel did not give the corpus back\n");
        std::exit(1);
    }
    std::remove(text.c_str());
    std::remove(back.c_str());
    return result;
}

double mib(long kib) {
    return static_cast<double>(kib) / 1024.0;
}

void printMemory(const char* size, const CliRuns& runs) {
    const double most = std::max(mib(runs.encode.peakResidentKiB), mib(runs.decode.peakResidentKiB));
    std::printf("  %-7s encode %6.1f MiB   decode %6.1f MiB   (target <= %.0f MiB: %s)\n", size,
                mib(runs.encode.peakResidentKiB), mib(runs.decode.peakResidentKiB), MEMORY_TARGET_MIB,
                verdict(most <= MEMORY_TARGET_MIB));
}

void benchCommandLine(const Settings& settings, const std::string& corpusPath) {
    const CliRuns cli = runCli(settings.runs, corpusPath, settings.dir);
    const std::string base64Text = settings.dir + "/bench-corpus.b64";
    const std::string back = settings.dir + "/bench-corpus.gunzip";
    const ChildRun gzipEncode = bestChildRun(
        settings.runs, {"sh", "-c", "gzip -6 < '" + corpusPath + "' | base64 -w0 > '" + base64Text + "'"}, "", "");
    const ChildRun gzipDecode = bestChildRun(
        settings.runs, {"sh", "-c", "base64 -d '" + base64Text + "' | gunzip > '" + back + "'"}, "", "");
    std::remove(base64Text.c_str());
    std::remove(back.c_str());

    std::printf("command line, the corpus file to a file (wall time):\n");
    printRatio("encode", "varnotel encode", cli.encode.wallSeconds, "gzip -6 | base64 -w0", gzipEncode.wallSeconds,
               PIPELINE_TARGET, true);
    printRatio("decode", "varnotel decode", cli.decode.wallSeconds, "base64 -d | gunzip", gzipDecode.wallSeconds,
               PIPELINE_TARGET, true);
    std::printf("peak resident memory of varnotel (ru_maxrss from wait4):\n");
    printMemory("100 MB", cli);
    if (settings.large) {
        const std::string largePath = settings.dir + "/bench-corpus-1g.bin";
        writeCorpus(largePath, LARGE_CORPUS);
        printMemory("1 GB", runCli(1, largePath, settings.dir));
        std::remove(largePath.c_str());
    }
}

Settings parseSettings(int argc, char** argv) {
    Settings settings;
    if (const char* tmp = std::getenv("TMPDIR")) {
        settings.dir = tmp;
    }
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--runs" && i + 1 < argc) {
            settings.runs = std::max(1, std::atoi(argv[++i]));
        } else if (arg == "--dir" && i + 1 < argc) {
            settings.dir = argv[++i];
        } else if (arg == "--skip-1g") {
            settings.large = false;
        } else {
            std::fprintf(stderr, "usage: varnotel_bench [--runs N] [--dir DIR] [--skip-1g]\n");
            std::exit(2);
        }
    }
    return settings;
}

}  // namespace

int main(int argc, char** argv) {
    const Settings settings = parseSettings(argc, argv);
    const std::string corpusPath = settings.dir + "/bench-corpus.bin";
    writeCorpus(corpusPath, SMALL_CORPUS);
    std::printf("Varnotel codec benchmark: %llu-byte mixed corpus (seed %llu), best of %d runs\n",
                static_cast<unsigned long long>(SMALL_CORPUS), static_cast<unsigned long long>(CORPUS_SEED),
                settings.runs);
    std::fflush(stdout);
    // The tool runs first: a child started with posix_spawn inherits the
    // benchmark's own peak memory into its ru_maxrss (the exec keeps the
    // high-water mark), and the library part holds the corpus in memory.
    benchCommandLine(settings, corpusPath);
    std::fflush(stdout);
    benchLibrary(settings, corpusPath);
    std::remove(corpusPath.c_str());
    return 0;
}
